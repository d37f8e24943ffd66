// Switches on light 0 every frame, with the OpenGL defaults, for the lit flower.
#pragma once

#include "sigslot.h"

class MyLight : public sigslot::has_slots<> {
public:
    void enable();
};
