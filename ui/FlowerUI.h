// The user interface: builds the main window, the control palette and the
// About box on first request, keeps the widgets its callbacks need, and turns
// every palette change into one emission of its own signals. The toolkit owns
// the widgets; windows are never deleted while the program runs.
#pragma once

#include "camera/Vec.h"
#include "core/sigslot.h"

class Fl_Button;
class Fl_Group;
class Fl_Light_Button;
class Fl_Scroll;
class Fl_Slider;
class Fl_Value_Output;
class Fl_Widget;
class Fl_Window;
class FltkAdaptor;
class TypedField;

class FlowerUI {
public:
    FlowerUI() = default;
    // Windows point back at this object through their user data.
    FlowerUI(const FlowerUI&) = delete;
    FlowerUI& operator=(const FlowerUI&) = delete;

    Fl_Window* makeMainWindow();
    Fl_Window* makePalette();
    Fl_Window* makeAboutBox();

    // Point-count slider from the field, then the count to the model.
    void syncPointCountSlider();
    // The 16 family lights from the mask of the current target.
    void refreshFamilyButtons();

    // The object behind a widget: the user data of its top-level window.
    static FlowerUI& of(Fl_Widget* widget);

    // The windows.
    Fl_Window* mainWindow = nullptr;
    FltkAdaptor* glView = nullptr;
    Fl_Window* paletteWindow = nullptr;
    Fl_Scroll* paletteScroll = nullptr;
    Fl_Window* aboutWindow = nullptr;

    // Mapping.
    Fl_Button* planarButton = nullptr;
    Fl_Button* sphericButton = nullptr;
    sigslot::signal1<bool> sphericChanged;

    // Spirals: adaptive or fixed.
    Fl_Button* fixedSpiralsButton = nullptr;
    Fl_Button* adaptiveSpiralsButton = nullptr;
    sigslot::signal1<bool> adaptiveSpiralsChanged;

    // Primitives.
    Fl_Button* showPointsButton = nullptr;
    Fl_Button* showLinesButton = nullptr;
    Fl_Button* showPolygonsButton = nullptr;
    sigslot::signal1<bool> showPointsChanged;
    sigslot::signal1<bool> showLinesChanged;
    sigslot::signal1<bool> showPolygonsChanged;

    // Density.
    Fl_Button* uniformDensityButton = nullptr;
    Fl_Button* naturalDensityButton = nullptr;
    Fl_Button* slowCentreButton = nullptr;
    sigslot::signal0<> uniformDensitySelected;
    sigslot::signal0<> naturalDensitySelected;
    sigslot::signal0<> slowCentreSelected;

    // Background and lighting. The icon box shows the lighting, greyed when off.
    Fl_Button* backgroundColorButton = nullptr;
    Fl_Group* lightIconBox = nullptr;
    Fl_Button* lightingButton = nullptr;
    bool lighting = true;
    sigslot::signal1<Vec<float, 3>> backgroundColorChosen;
    sigslot::signal1<bool> lightingChanged;

    // Number of points.
    Fl_Slider* pointCountSlider = nullptr;
    TypedField* pointCountInput = nullptr;
    Fl_Value_Output* pointCountMinOutput = nullptr;
    Fl_Value_Output* pointCountMaxOutput = nullptr;
    sigslot::signal1<int> pointCountChanged;

    // Growth.
    Fl_Slider* growthSpeedSlider = nullptr;
    sigslot::signal1<double> growthSpeedChanged;
    sigslot::signal0<> growthRestartRequested;

    // Colour period.
    Fl_Button* periodStartButton = nullptr;
    Fl_Button* periodStopButton = nullptr;
    Fl_Light_Button* periodOsdButton = nullptr;
    Fl_Button* periodResetButton = nullptr;
    TypedField* periodOriginInput = nullptr;
    TypedField* periodInitialInput = nullptr;
    TypedField* periodIncrementInput = nullptr;
    sigslot::signal1<double> periodInitialChanged;
    sigslot::signal1<double> periodIncrementChanged;
    sigslot::signal1<double> periodOriginChanged;
    sigslot::signal1<bool> showPeriodChanged;

    // Points.
    Fl_Button* pointColorButton = nullptr;
    Fl_Button* pointColorFlowButton = nullptr;
    Fl_Slider* pointFlowOffsetSlider = nullptr;
    Fl_Slider* pointSizeSlider = nullptr;
    sigslot::signal0<> pointColorFlowSelected;
    sigslot::signal1<Vec<float, 3>> pointColorChosen;
    sigslot::signal1<double> pointFlowOffsetChanged;
    sigslot::signal1<double> pointSizeChanged;

    // Lines.
    Fl_Button* lineColorButton = nullptr;
    Fl_Button* lineMarkerButton = nullptr;
    Fl_Button* lineColorFlowButton = nullptr;
    Fl_Slider* lineFlowOffsetSlider = nullptr;
    Fl_Button* flatLineButton = nullptr;
    Fl_Slider* lineWidthSlider = nullptr;
    sigslot::signal0<> lineColorFlowSelected;
    sigslot::signal0<> lineMarkerSelected;
    sigslot::signal1<Vec<float, 3>> lineColorChosen;
    sigslot::signal1<double> lineFlowOffsetChanged;
    sigslot::signal1<bool> flatLineColorChanged;
    sigslot::signal1<double> lineWidthChanged;

    // Polygons.
    Fl_Button* polygonWhiteButton = nullptr;
    Fl_Button* polygonColorButton = nullptr;
    Fl_Button* polygonMarkerButton = nullptr;
    Fl_Button* polygonColorFlowButton = nullptr;
    Fl_Slider* polygonFlowOffsetSlider = nullptr;
    Fl_Button* flatPolygonButton = nullptr;
    sigslot::signal0<> polygonColorFlowSelected;
    sigslot::signal0<> polygonMarkerSelected;
    sigslot::signal1<Vec<float, 3>> polygonColorChosen;
    sigslot::signal1<double> polygonFlowOffsetChanged;
    sigslot::signal1<bool> flatPolygonColorChanged;

    // Fixed spirals: which families the lines and the polygons show.
    enum class MaskTarget { lines, polygons };
    Fl_Group* fixedSpiralsGroup = nullptr;
    Fl_Button* maskTargetLinesButton = nullptr;
    Fl_Button* maskTargetPolygonsButton = nullptr;
    MaskTarget maskTarget = MaskTarget::lines;  // whose mask the family lights edit
    Fl_Light_Button* familyButtons[16] = {};
    // Family masks: bit i is the family of the i-th number of 1, 2, 3, 5, ... 1597.
    // A query's receiver writes the current mask into the argument.
    sigslot::signal1<unsigned> lineMaskSet;
    sigslot::signal1<unsigned&> lineMaskQuery;
    sigslot::signal1<unsigned> polygonMaskSet;
    sigslot::signal1<unsigned&> polygonMaskQuery;

    // Emitted by no control.
    sigslot::signal1<bool> spareFlagB;

    // Calls visit(signal, name) for each signal above, box by box: the one
    // list of them for whatever must reach them all.
    template <class Visit>
    void forEachSignal(Visit&& visit) {
        visit(sphericChanged, "sphericChanged");
        visit(adaptiveSpiralsChanged, "adaptiveSpiralsChanged");
        visit(showPointsChanged, "showPointsChanged");
        visit(showLinesChanged, "showLinesChanged");
        visit(showPolygonsChanged, "showPolygonsChanged");
        visit(uniformDensitySelected, "uniformDensitySelected");
        visit(naturalDensitySelected, "naturalDensitySelected");
        visit(slowCentreSelected, "slowCentreSelected");
        visit(backgroundColorChosen, "backgroundColorChosen");
        visit(lightingChanged, "lightingChanged");
        visit(pointCountChanged, "pointCountChanged");
        visit(growthSpeedChanged, "growthSpeedChanged");
        visit(growthRestartRequested, "growthRestartRequested");
        visit(periodInitialChanged, "periodInitialChanged");
        visit(periodIncrementChanged, "periodIncrementChanged");
        visit(periodOriginChanged, "periodOriginChanged");
        visit(showPeriodChanged, "showPeriodChanged");
        visit(pointColorFlowSelected, "pointColorFlowSelected");
        visit(pointColorChosen, "pointColorChosen");
        visit(pointFlowOffsetChanged, "pointFlowOffsetChanged");
        visit(pointSizeChanged, "pointSizeChanged");
        visit(lineColorFlowSelected, "lineColorFlowSelected");
        visit(lineMarkerSelected, "lineMarkerSelected");
        visit(lineColorChosen, "lineColorChosen");
        visit(lineFlowOffsetChanged, "lineFlowOffsetChanged");
        visit(flatLineColorChanged, "flatLineColorChanged");
        visit(lineWidthChanged, "lineWidthChanged");
        visit(polygonColorFlowSelected, "polygonColorFlowSelected");
        visit(polygonMarkerSelected, "polygonMarkerSelected");
        visit(polygonColorChosen, "polygonColorChosen");
        visit(polygonFlowOffsetChanged, "polygonFlowOffsetChanged");
        visit(flatPolygonColorChanged, "flatPolygonColorChanged");
        visit(lineMaskSet, "lineMaskSet");
        visit(lineMaskQuery, "lineMaskQuery");
        visit(polygonMaskSet, "polygonMaskSet");
        visit(polygonMaskQuery, "polygonMaskQuery");
        visit(spareFlagB, "spareFlagB");
    }

private:
    // The palette's boxes, each built where it stands, in the order of the headings above.
    void makeMappingBox();
    void makeSpiralsBox();
    void makePrimitivesBox();
    void makeDensityBox();
    void makeBackgroundLightingBox();
    void makeNumberOfPointsBox();
    void makeGrowthBox();
    void makeColorPeriodBox();
    void makePointsBox();
    void makeLinesBox();
    void makePolygonsBox();
    void makeFixedSpiralsBox();
};
