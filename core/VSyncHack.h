// Ties buffer swaps to the display refresh: swap interval 1, set once, on the
// first frame, when the driver offers a swap-interval extension.
#pragma once

#include "sigslot.h"

class VSyncHack : public sigslot::has_slots<> {
public:
    void apply();
};
