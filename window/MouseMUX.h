// One pointer input, four outputs: forwards every event unchanged to the
// output its selector names.
#pragma once

#include "core/sigslot.h"

class MouseMUX : public sigslot::has_slots<> {
public:
    sigslot::signal4<int, bool, int, int> output1;
    sigslot::signal4<int, bool, int, int> output2;
    // Outputs 3 and 4, and the selector, are kept for more input modes; the
    // program routes everything to output 1 and connects neither.
    sigslot::signal4<int, bool, int, int> output3;
    sigslot::signal4<int, bool, int, int> output4;

    void route(int button, bool pressed, int x, int y);
    // Any value other than 1 to 4 silences every output.
    void select(int output) { selector = output; }

private:
    int selector = 1;
};
