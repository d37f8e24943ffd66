// One line of text over the finished scene: the flower's colour period,
// shown when the user switches the display on.
#pragma once

#include "sigslot.h"

#include <string>

class SmallOSD : public sigslot::has_slots<> {
public:
    SmallOSD();

    void setVisible(bool on) { visible = on; }
    void setPeriod(double period);
    void render();

    const std::string& shownText() const { return text; }

private:
    std::string text;
    bool visible = false;
};
