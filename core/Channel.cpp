#include "Channel.h"

void Channel::runFrame() {
    stageTime.emit();
    stageClear.emit();
    stageAfterClear.emit();
    stageProjection.emit();
    stageAfterProjection.emit();
    stageView.emit();
    stageLight.emit();
    stageScene.emit();
}
