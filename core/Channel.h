// Turns one paint into eight ordered stages, so time, clearing, projection,
// view, light and scene always happen in that order.
#pragma once

#include "sigslot.h"

class Channel : public sigslot::has_slots<> {
public:
    sigslot::signal0<> stageTime;
    sigslot::signal0<> stageClear;
    sigslot::signal0<> stageAfterClear;
    sigslot::signal0<> stageProjection;
    sigslot::signal0<> stageAfterProjection;
    sigslot::signal0<> stageView;
    sigslot::signal0<> stageLight;
    sigslot::signal0<> stageScene;

    void runFrame();
};
