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
class Fl_Value_Input;
class Fl_Value_Output;
class Fl_Widget;
class Fl_Window;
class FltkAdaptor;

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

    Fl_Window* mainWindow = nullptr;
    FltkAdaptor* glView = nullptr;
    Fl_Window* paletteWindow = nullptr;
    Fl_Scroll* paletteScroll = nullptr;
    Fl_Slider* pointCountSlider = nullptr;
    Fl_Value_Input* pointCountInput = nullptr;
    Fl_Value_Output* pointCountMinOutput = nullptr;
    Fl_Value_Output* pointCountMaxOutput = nullptr;
    Fl_Button* planarButton = nullptr;
    Fl_Button* sphericButton = nullptr;
    Fl_Button* uniformDensityButton = nullptr;
    Fl_Button* naturalDensityButton = nullptr;
    Fl_Button* slowCentreButton = nullptr;
    Fl_Button* adaptiveSpiralsButton = nullptr;
    Fl_Button* fixedSpiralsButton = nullptr;
    Fl_Button* showLinesButton = nullptr;
    Fl_Button* showPolygonsButton = nullptr;
    Fl_Button* showPointsButton = nullptr;
    Fl_Group* fixedSpiralsGroup = nullptr;
    Fl_Button* maskTargetLinesButton = nullptr;
    Fl_Button* maskTargetPolygonsButton = nullptr;
    Fl_Light_Button* familyButtons[16] = {};
    Fl_Button* pointColorButton = nullptr;
    Fl_Slider* pointFlowOffsetSlider = nullptr;
    Fl_Button* pointColorFlowButton = nullptr;
    Fl_Slider* pointSizeSlider = nullptr;
    Fl_Button* lineMarkerButton = nullptr;
    Fl_Button* lineColorButton = nullptr;
    Fl_Button* lineColorFlowButton = nullptr;
    Fl_Slider* lineFlowOffsetSlider = nullptr;
    Fl_Slider* lineWidthSlider = nullptr;
    Fl_Button* flatLineButton = nullptr;
    Fl_Button* periodStartButton = nullptr;
    Fl_Button* periodStopButton = nullptr;
    Fl_Button* periodResetButton = nullptr;
    Fl_Value_Input* periodInitialInput = nullptr;
    Fl_Value_Input* periodIncrementInput = nullptr;
    Fl_Value_Input* periodOriginInput = nullptr;
    Fl_Light_Button* periodOsdButton = nullptr;
    Fl_Slider* growthSpeedSlider = nullptr;
    Fl_Button* polygonWhiteButton = nullptr;
    Fl_Button* polygonMarkerButton = nullptr;
    Fl_Button* polygonColorButton = nullptr;
    Fl_Slider* polygonFlowOffsetSlider = nullptr;
    Fl_Button* polygonColorFlowButton = nullptr;
    Fl_Button* flatPolygonButton = nullptr;
    Fl_Button* backgroundColorButton = nullptr;
    Fl_Group* lightIconBox = nullptr;
    Fl_Button* lightingButton = nullptr;
    Fl_Window* aboutWindow = nullptr;

    sigslot::signal1<int> pointCountChanged;
    sigslot::signal1<bool> spareFlagB;  // emitted by no control
    sigslot::signal1<bool> sphericChanged;
    sigslot::signal0<> uniformDensitySelected;
    sigslot::signal0<> naturalDensitySelected;
    sigslot::signal0<> slowCentreSelected;
    sigslot::signal1<bool> adaptiveSpiralsChanged;
    sigslot::signal1<bool> showPointsChanged;
    sigslot::signal1<bool> showLinesChanged;
    sigslot::signal1<bool> showPolygonsChanged;
    // Family masks: bit i is the family of the i-th number of 1, 2, 3, 5, ... 1597.
    // A query's receiver writes the current mask into the argument.
    sigslot::signal1<unsigned> lineMaskSet;
    sigslot::signal1<unsigned&> lineMaskQuery;
    sigslot::signal1<unsigned> polygonMaskSet;
    sigslot::signal1<unsigned&> polygonMaskQuery;
    sigslot::signal0<> pointColorFlowSelected;
    sigslot::signal1<Vec<float, 3>> pointColorChosen;
    sigslot::signal1<double> pointFlowOffsetChanged;
    sigslot::signal0<> lineColorFlowSelected;
    sigslot::signal0<> lineMarkerSelected;
    sigslot::signal1<Vec<float, 3>> lineColorChosen;
    sigslot::signal1<double> lineFlowOffsetChanged;
    sigslot::signal0<> polygonColorFlowSelected;
    sigslot::signal0<> polygonMarkerSelected;
    sigslot::signal1<Vec<float, 3>> polygonColorChosen;
    sigslot::signal1<double> polygonFlowOffsetChanged;
    sigslot::signal1<double> periodInitialChanged;
    sigslot::signal1<double> periodIncrementChanged;
    sigslot::signal1<double> periodOriginChanged;
    sigslot::signal1<double> pointSizeChanged;
    sigslot::signal1<double> lineWidthChanged;
    sigslot::signal1<double> growthSpeedChanged;
    sigslot::signal0<> growthRestartRequested;
    sigslot::signal1<Vec<float, 3>> backgroundColorChosen;
    sigslot::signal1<bool> showPeriodChanged;
    sigslot::signal1<bool> flatLineColorChanged;
    sigslot::signal1<bool> flatPolygonColorChanged;
    sigslot::signal1<bool> lightingChanged;
};
