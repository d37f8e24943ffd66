#include "core/Wiring.h"

#include "camera/Cam3d.h"
#include "camera/FreeFly.h"
#include "camera/SyncView.h"
#include "camera/TrackView.h"
#include "core/Channel.h"
#include "core/ClearBuffers.h"
#include "core/FrameClock.h"
#include "core/MyLight.h"
#include "core/SmallOSD.h"
#include "core/StartValues.h"
#include "core/VSyncHack.h"
#include "flower/FibSurface.h"
#include "ui/FlowerUI.h"
#include "window/DragBox.h"
#include "window/FltkAdaptor.h"
#include "window/MouseMUX.h"

void connectPaletteSignals(FlowerUI& flowerUI, ClearBuffers& clearBuffers, FibSurface& fibSurface,
                           SmallOSD& smallOSD) {
    flowerUI.backgroundColorChosen.connect(&clearBuffers, &ClearBuffers::setColor);              // 1
    flowerUI.pointCountChanged.connect(&fibSurface, &FibSurface::setPointCount);                 // 2
    flowerUI.sphericChanged.connect(&fibSurface, &FibSurface::setSpheric);                       // 3
    flowerUI.adaptiveSpiralsChanged.connect(&fibSurface, &FibSurface::setAdaptiveSpirals);       // 4
    flowerUI.uniformDensitySelected.connect(&fibSurface, &FibSurface::setUniformDensity);        // 5
    flowerUI.naturalDensitySelected.connect(&fibSurface, &FibSurface::setNaturalDensity);        // 6
    flowerUI.slowCentreSelected.connect(&fibSurface, &FibSurface::setSlowCentreDensity);         // 7
    flowerUI.spareFlagB.connect(&fibSurface, &FibSurface::setNoEffectToggle);                    // 8
    flowerUI.showPointsChanged.connect(&fibSurface, &FibSurface::showPoints);                    // 9
    flowerUI.showLinesChanged.connect(&fibSurface, &FibSurface::showLines);                      // 10
    flowerUI.showPolygonsChanged.connect(&fibSurface, &FibSurface::showPolygons);                // 11
    flowerUI.polygonMaskQuery.connect(&fibSurface, &FibSurface::getPolygonSpiralMask);           // 12
    flowerUI.polygonMaskSet.connect(&fibSurface, &FibSurface::setPolygonSpiralMask);             // 13
    flowerUI.lineMaskQuery.connect(&fibSurface, &FibSurface::getLineSpiralMask);                 // 14
    flowerUI.lineMaskSet.connect(&fibSurface, &FibSurface::setLineSpiralMask);                   // 15
    flowerUI.pointColorFlowSelected.connect(&fibSurface, &FibSurface::setPointColorFlow);        // 16
    flowerUI.pointColorChosen.connect(&fibSurface, &FibSurface::setPointColor);                  // 17
    flowerUI.pointFlowOffsetChanged.connect(&fibSurface, &FibSurface::setPointColorOffset);      // 18
    flowerUI.lineColorFlowSelected.connect(&fibSurface, &FibSurface::setLineColorFlow);          // 19
    flowerUI.lineMarkerSelected.connect(&fibSurface, &FibSurface::setLineColorMarker);           // 20
    flowerUI.lineColorChosen.connect(&fibSurface, &FibSurface::setLineColor);                    // 21
    flowerUI.lineFlowOffsetChanged.connect(&fibSurface, &FibSurface::setLineColorOffset);        // 22
    flowerUI.flatLineColorChanged.connect(&fibSurface, &FibSurface::setFlatLineColor);           // 23
    flowerUI.polygonColorFlowSelected.connect(&fibSurface, &FibSurface::setPolygonColorFlow);    // 24
    flowerUI.polygonMarkerSelected.connect(&fibSurface, &FibSurface::setPolygonColorMarker);     // 25
    flowerUI.polygonColorChosen.connect(&fibSurface, &FibSurface::setPolygonColor);              // 26
    flowerUI.polygonFlowOffsetChanged.connect(&fibSurface, &FibSurface::setPolygonColorOffset);  // 27
    flowerUI.flatPolygonColorChanged.connect(&fibSurface, &FibSurface::setFlatPolygonColor);     // 28
    flowerUI.periodInitialChanged.connect(&fibSurface, &FibSurface::setColorPeriod);             // 29
    flowerUI.periodIncrementChanged.connect(&fibSurface, &FibSurface::setColorPeriodIncrement);  // 30
    flowerUI.periodOriginChanged.connect(&fibSurface, &FibSurface::setColorFlowOrigin);          // 31
    flowerUI.pointSizeChanged.connect(&fibSurface, &FibSurface::setPointSize);                   // 32
    flowerUI.lineWidthChanged.connect(&fibSurface, &FibSurface::setLineWidth);                   // 33
    flowerUI.growthSpeedChanged.connect(&fibSurface, &FibSurface::setGrowthSpeed);               // 34
    flowerUI.growthRestartRequested.connect(&fibSurface, &FibSurface::restartGrowth);            // 35
    flowerUI.lightingChanged.connect(&fibSurface, &FibSurface::setLighting);                     // 36
    flowerUI.showPeriodChanged.connect(&smallOSD, &SmallOSD::setVisible);                        // 37
}

void connectViewPaintAndMouse(FltkAdaptor& glView, VSyncHack& vsyncHack, Channel& channel,
                              SmallOSD& smallOSD, FibSurface& fibSurface, MouseMUX& mouseMUX) {
    glView.paint.connect(&vsyncHack, &VSyncHack::apply);                                         // 38
    glView.paint.connect(&channel, &Channel::runFrame);                                          // 39
    glView.paint.connect(&smallOSD, &SmallOSD::render);                                          // 40
    fibSurface.periodChanged.connect(&smallOSD, &SmallOSD::setPeriod);                           // 41
    glView.mouse.connect(&mouseMUX, &MouseMUX::route);                                           // 42
}

void setStartColor(ClearBuffers& clearBuffers) {
    clearBuffers.setColor(startColor);
}

void connectFrameStagesAndTime(Channel& channel, ClearBuffers& clearBuffers, Cam3d& cam3d,
                               FrameClock& frameClock, MyLight& myLight, SyncView& syncView) {
    channel.stageClear.connect(&clearBuffers, &ClearBuffers::clear);                             // 43
    channel.stageProjection.connect(&cam3d, &Cam3d::applyProjection);                            // 44
    channel.stageView.connect(&cam3d, &Cam3d::applyView);                                        // 45
    channel.stageTime.connect(&frameClock, &FrameClock::advance);                                // 46
    channel.stageLight.connect(&myLight, &MyLight::enable);                                      // 47
    frameClock.frameReady.connect(&syncView, &SyncView::tick);                                   // 48
}

void setStartPose(SyncView& syncView) { syncView.initCoord(startPose); }

void connectPoseLoop(SyncView& syncView, Cam3d& cam3d, SyncViewMUX& syncViewMUX,
                     TrackView& trackView, FreeFly& freeFly) {
    syncView.coordOut.connect(&cam3d, &Cam3d::setCoord);                                         // 49
    syncView.frameOut.connect(&syncViewMUX, &SyncViewMUX::step);                                 // 50
    syncViewMUX.coordOut.connect(&syncView, &SyncView::setCoord);                                // 51
    syncViewMUX.modeOut1.connect(&trackView, &TrackView::step);                                  // 52
    syncViewMUX.modeOut2.connect(&freeFly, &FreeFly::step);                                      // 53
    trackView.coordOut.connect(&syncViewMUX, &SyncViewMUX::setCoord);                            // 54
    freeFly.coordOut.connect(&syncViewMUX, &SyncViewMUX::setCoord);                              // 55
}

void connectPoseLoopAndPointer(SyncView& syncView, Cam3d& cam3d, SyncViewMUX& syncViewMUX,
                               TrackView& trackView, FreeFly& freeFly, FreeFlyInput& freeFlyInput,
                               MouseMUX& mouseMUX, DragBox& dragBox, Channel& channel,
                               FibSurface& fibSurface, FltkAdaptor& glView) {
    connectPoseLoop(syncView, cam3d, syncViewMUX, trackView, freeFly);                           // 49 to 55
    freeFlyInput.coordOut.connect(&freeFly, &FreeFly::setControl);                               // 56
    mouseMUX.output1.connect(&dragBox, &DragBox::mouseEvent);                                    // 57
    mouseMUX.output2.connect(&freeFlyInput, &FreeFlyInput::mouseEvent);                          // 58
    dragBox.leftDrag.connect(&trackView, &TrackView::rotateDrag);                                // 59
    dragBox.middleDrag.connect(&trackView, &TrackView::panDrag);                                 // 60
    dragBox.rightDrag.connect(&trackView, &TrackView::zoomDrag);                                 // 61
    channel.stageScene.connect(&fibSurface, &FibSurface::draw);                                  // 62
    glView.wheel.connect(&trackView, &TrackView::zoomWheel);                                     // 63
    glView.homeKey.connect(&syncView, &SyncView::home);                                          // 64
    glView.homeKey.connect(&trackView, &TrackView::home);                                        // 65
    glView.turnKey.connect(&trackView, &TrackView::turnByKey);                                   // 66
    glView.panKey.connect(&trackView, &TrackView::panByKey);                                     // 67
}
