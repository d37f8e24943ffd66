#include "support/AssembledProgram.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

AssembledProgram::AssembledProgram(double refreshRate) {
    Fl::gl_visual(FL_DOUBLE | FL_ALPHA | FL_DEPTH);
    FlowerUI& ui = flowerUI;
    FibSurface& f = fibSurface;
    using F = FibSurface;

    ui.backgroundColorChosen.connect(&clearBuffers, &ClearBuffers::setColor);
    ui.pointCountChanged.connect(&f, &F::setPointCount);
    ui.sphericChanged.connect(&f, &F::setSpheric);
    ui.adaptiveSpiralsChanged.connect(&f, &F::setAdaptiveSpirals);
    ui.uniformDensitySelected.connect(&f, &F::setUniformDensity);
    ui.naturalDensitySelected.connect(&f, &F::setNaturalDensity);
    ui.slowCentreSelected.connect(&f, &F::setSlowCentreDensity);
    ui.spareFlagB.connect(&f, &F::setNoEffectToggle);
    ui.showPointsChanged.connect(&f, &F::showPoints);
    ui.showLinesChanged.connect(&f, &F::showLines);
    ui.showPolygonsChanged.connect(&f, &F::showPolygons);
    ui.polygonMaskQuery.connect(&f, &F::getPolygonSpiralMask);
    ui.polygonMaskSet.connect(&f, &F::setPolygonSpiralMask);
    ui.lineMaskQuery.connect(&f, &F::getLineSpiralMask);
    ui.lineMaskSet.connect(&f, &F::setLineSpiralMask);
    ui.pointColorFlowSelected.connect(&f, &F::setPointColorFlow);
    ui.pointColorChosen.connect(&f, &F::setPointColor);
    ui.pointFlowOffsetChanged.connect(&f, &F::setPointColorOffset);
    ui.lineColorFlowSelected.connect(&f, &F::setLineColorFlow);
    ui.lineMarkerSelected.connect(&f, &F::setLineColorMarker);
    ui.lineColorChosen.connect(&f, &F::setLineColor);
    ui.lineFlowOffsetChanged.connect(&f, &F::setLineColorOffset);
    ui.flatLineColorChanged.connect(&f, &F::setFlatLineColor);
    ui.polygonColorFlowSelected.connect(&f, &F::setPolygonColorFlow);
    ui.polygonMarkerSelected.connect(&f, &F::setPolygonColorMarker);
    ui.polygonColorChosen.connect(&f, &F::setPolygonColor);
    ui.polygonFlowOffsetChanged.connect(&f, &F::setPolygonColorOffset);
    ui.flatPolygonColorChanged.connect(&f, &F::setFlatPolygonColor);
    ui.periodInitialChanged.connect(&f, &F::setColorPeriod);
    ui.periodIncrementChanged.connect(&f, &F::setColorPeriodIncrement);
    ui.periodOriginChanged.connect(&f, &F::setColorFlowOrigin);
    ui.pointSizeChanged.connect(&f, &F::setPointSize);
    ui.lineWidthChanged.connect(&f, &F::setLineWidth);
    ui.growthSpeedChanged.connect(&f, &F::setGrowthSpeed);
    ui.growthRestartRequested.connect(&f, &F::restartGrowth);
    ui.lightingChanged.connect(&f, &F::setLighting);
    ui.showPeriodChanged.connect(&smallOSD, &SmallOSD::setVisible);

    mainWindow = ui.makeMainWindow();
    glView = ui.glView;

    glView->paint.connect(&vsyncHack, &VSyncHack::apply);
    glView->paint.connect(&channel, &Channel::runFrame);
    glView->paint.connect(&smallOSD, &SmallOSD::render);
    f.periodChanged.connect(&smallOSD, &SmallOSD::setPeriod);
    glView->mouse.connect(&mouseMUX, &MouseMUX::route);
    clearBuffers.setColor(Vec<float, 3>(0.5f, 0.7f, 0.9f));
    channel.stageClear.connect(&clearBuffers, &ClearBuffers::clear);
    channel.stageProjection.connect(&cam3d, &Cam3d::applyProjection);
    channel.stageView.connect(&cam3d, &Cam3d::applyView);
    channel.stageTime.connect(&frameClock, &FrameClock::advance);
    channel.stageLight.connect(&myLight, &MyLight::enable);
    frameClock.frameReady.connect(&syncView, &SyncView::tick);
    Coord start;
    start.position = Vec<double, 3>(0, 0, 3);
    start.angles = Vec<double, 3>(0, 1.5707963267948966, 0);
    syncView.initCoord(start);
    syncView.coordOut.connect(&cam3d, &Cam3d::setCoord);
    syncView.frameOut.connect(&syncViewMUX, &SyncViewMUX::step);
    syncViewMUX.coordOut.connect(&syncView, &SyncView::setCoord);
    syncViewMUX.modeOut1.connect(&trackView, &TrackView::step);
    syncViewMUX.modeOut2.connect(&freeFly, &FreeFly::step);
    trackView.coordOut.connect(&syncViewMUX, &SyncViewMUX::setCoord);
    freeFly.coordOut.connect(&syncViewMUX, &SyncViewMUX::setCoord);
    freeFlyInput.coordOut.connect(&freeFly, &FreeFly::setControl);
    mouseMUX.output1.connect(&dragBox, &DragBox::mouseEvent);
    mouseMUX.output2.connect(&freeFlyInput, &FreeFlyInput::mouseEvent);
    dragBox.leftDrag.connect(&trackView, &TrackView::rotateDrag);
    dragBox.middleDrag.connect(&trackView, &TrackView::panDrag);
    dragBox.rightDrag.connect(&trackView, &TrackView::zoomDrag);
    channel.stageScene.connect(&f, &F::draw);

    mainWindow->show();
    ui.makePalette()->show();
    mainWindow->wait_for_expose();
    loop.emplace(*glView, refreshRate);
}

void AssembledProgram::frame() {
    loop->pass();
}
