// The control palette: its boxes of widgets and the callbacks that turn
// each change into one of FlowerUI's signals.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Color_Chooser.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Slider.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>
#include <FL/Fl_Window.H>

#include <cmath>

#include "FlowerUI.h"
#include "Icons.h"
#include "PaletteWindow.h"
#include "TypedField.h"

namespace {

using Rgb = Vec<float, 3>;

const Fl_Color kPanel = Fl_Color(41);
const Fl_Color kModeSelection = Fl_Color(3);
const Fl_Color kFlatSelection = Fl_Color(2);

// Light colours of the families, cycling every eight: they match the marker
// colours in which the same families are drawn.
const Fl_Color kFamilyLight[8] = {FL_RED,        Fl_Color(91),  FL_YELLOW,     Fl_Color(71),
                                  Fl_Color(183), Fl_Color(220), Fl_Color(232), FL_MAGENTA};
const char* const kFamilyLabel[16] = {"1 ",  "2 ",  "3 ",   "5 ",   "8 ",   "13 ",  "21 ",  "34 ",
                                      "55 ", "89 ", "144 ", "233 ", "377 ", "610 ", "987 ", "1597"};
const int kFamilyX[16] = {252, 288, 252, 288, 180, 216, 252, 288,
                          180, 216, 252, 288, 180, 216, 252, 288};
const int kFamilyY[16] = {384, 384, 402, 402, 420, 420, 420, 420,
                          438, 438, 438, 438, 456, 456, 456, 456};

const double kStartIncrement = 0.000001;

bool isOn(Fl_Widget* w) {
    return static_cast<Fl_Button*>(w)->value() != 0;
}

double valueOf(Fl_Widget* w) {
    return static_cast<Fl_Valuator*>(w)->value();
}

// ---- building blocks -------------------------------------------------------

// A box whose widgets overlap. The toolkit draws a changed widget alone,
// which would paint one lying beneath over those above it, or leave the old
// focus frame of one above on what shows through it: here the whole box is
// drawn again, each widget in its layer.
class LayeredBox : public Fl_Group {
public:
    using Fl_Group::Fl_Group;

protected:
    void draw() override {
        clear_damage(FL_DAMAGE_ALL);
        Fl_Group::draw();
    }
};

Fl_Group* box(int x, int y, int w, int h, const char* label, bool layered = false) {
    Fl_Group* g = layered ? new LayeredBox(x, y, w, h, label) : new Fl_Group(x, y, w, h, label);
    g->box(FL_PLASTIC_UP_BOX);
    g->color(kPanel);
    g->labelsize(13);
    g->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE);
    return g;
}

Fl_Button* iconButton(int x, int y, Fl_Pixmap& icon, uchar type, Fl_Color selection,
                      const char* tip, Fl_Callback* cb, bool on = false) {
    Fl_Button* b = new Fl_Button(x, y, 36, 36);
    b->type(type);
    b->box(FL_PLASTIC_UP_BOX);
    b->color(kPanel);
    b->selection_color(selection);
    b->labelsize(13);
    b->image(icon);
    b->tooltip(tip);
    b->callback(cb);
    b->value(on);
    return b;
}

Fl_Button* colorButton(int x, int y, Fl_Color color, const char* tip, Fl_Callback* cb) {
    Fl_Button* b = new Fl_Button(x, y, 36, 36);
    b->box(FL_THIN_UP_BOX);
    b->down_box(FL_THIN_DOWN_BOX);
    b->color(color);
    b->selection_color(color);
    b->labelsize(13);
    b->tooltip(tip);
    b->callback(cb);
    // Clicking the chosen colour again reopens the chooser.
    b->when(FL_WHEN_RELEASE_ALWAYS);
    return b;
}

Fl_Button* textButton(int x, int y, int w, int h, const char* label, const char* tip,
                      Fl_Callback* cb) {
    Fl_Button* b = new Fl_Button(x, y, w, h, label);
    b->selection_color(kModeSelection);
    b->labelsize(13);
    b->tooltip(tip);
    b->callback(cb);
    return b;
}

Fl_Slider* slider(int x, int y, int w, int h, const char* tip, Fl_Callback* cb, double min,
                  double max, double step, double value) {
    Fl_Slider* s = new Fl_Slider(x, y, w, h);
    s->type(FL_HOR_NICE_SLIDER);
    s->box(FL_PLASTIC_DOWN_BOX);
    s->selection_color(FL_BLUE);
    s->labelsize(13);
    s->tooltip(tip);
    s->callback(cb);
    s->when(FL_WHEN_CHANGED);
    s->bounds(min, max);
    s->step(step);
    s->value(value);
    return s;
}

// An offset or size slider with its legend picture below it.
Fl_Slider* legendSlider(int x, int y, int w, const char* tip, Fl_Callback* cb, Fl_Pixmap& legend,
                        double value) {
    Fl_Slider* s = slider(x, y, w, 24, tip, cb, 0, 1, 0.001, value);
    s->image(legend);
    return s;
}

template <class Field>
Field* field(int x, int y, int w, int h, const char* label, Fl_Color color, double min, double max,
             double step, double value) {
    Field* f = new Field(x, y, w, h, label);
    f->box(FL_PLASTIC_DOWN_BOX);
    f->color(color);
    f->labelsize(13);
    f->textsize(13);
    f->when(FL_WHEN_CHANGED);
    f->bounds(min, max);
    f->step(step);
    f->value(value);
    return f;
}

// A field a person types into: it calls back with each value it takes.
TypedField* input(int x, int y, int w, int h, const char* label, Fl_Color color, const char* tip,
                  Fl_Callback* cb, double min, double max, double step, double value) {
    TypedField* f = field<TypedField>(x, y, w, h, label, color, min, max, step, value);
    f->tooltip(tip);
    f->callback(cb);
    return f;
}

// A read-only limit beside the point-count field.
Fl_Value_Output* limit(int x, int w, double value) {
    Fl_Value_Output* f =
        field<Fl_Value_Output>(x, 278, w, 16, nullptr, kPanel, value, value, 1, value);
    f->deactivate();
    return f;
}

// ---- colour -----------------------------------------------------------------

// Opens the chooser on the button's colour; a cancel changes nothing.
void chooseColor(Fl_Widget* button, sigslot::signal1<Rgb>& chosen) {
    uchar r, g, b;
    Fl::get_color(button->color(), r, g, b);
    if (!fl_color_chooser("Color de Puntos", r, g, b))
        return;
    const Fl_Color color = fl_rgb_color(r, g, b);
    button->color(color);
    button->selection_color(color);
    button->redraw();
    chosen.emit(Rgb(r / 255.0f, g / 255.0f, b / 255.0f));
}

// ---- callbacks ---------------------------------------------------------------

using Flag = sigslot::signal1<bool> FlowerUI::*;
using Amount = sigslot::signal1<double> FlowerUI::*;
using Notice = sigslot::signal0<> FlowerUI::*;
using Colour = sigslot::signal1<Rgb> FlowerUI::*;
using OffsetSlider = Fl_Slider* FlowerUI::*;

// Toggles, and radios that announce their own state.
template <Flag signal>
void emitState(Fl_Widget* w, void*) {
    (FlowerUI::of(w).*signal).emit(isOn(w));
}

// Sliders and fields.
template <Amount signal>
void emitValue(Fl_Widget* w, void*) {
    (FlowerUI::of(w).*signal).emit(valueOf(w));
}

// Density radios.
template <Notice signal>
void emitWhenOn(Fl_Widget* w, void*) {
    if (isOn(w))
        (FlowerUI::of(w).*signal).emit();
}

// A colour mode of one primitive: only the flow mode uses the offset slider,
// which keeps its value while greyed out.
template <OffsetSlider offset, Notice signal, bool flow>
void colorModeChosen(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    if (flow)
        (ui.*offset)->activate();
    else
        (ui.*offset)->deactivate();
    (ui.*signal).emit();
}

template <OffsetSlider offset, Colour signal>
void colorButtonPressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    (ui.*offset)->deactivate();
    chooseColor(w, ui.*signal);
}

void planarPressed(Fl_Widget* w, void*) {
    FlowerUI::of(w).sphericChanged.emit(!isOn(w));
}

void fixedSpiralsPressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    ui.adaptiveSpiralsChanged.emit(!isOn(w));
    ui.fixedSpiralsGroup->activate();
    ui.refreshFamilyButtons();
}

void adaptiveSpiralsPressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    ui.adaptiveSpiralsChanged.emit(isOn(w));
    ui.fixedSpiralsGroup->deactivate();
}

void backgroundColorPressed(Fl_Widget* w, void*) {
    chooseColor(w, FlowerUI::of(w).backgroundColorChosen);
}

void lightingPressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    ui.lighting = !ui.lighting;
    if (ui.lighting)
        ui.lightIconBox->activate();
    else
        ui.lightIconBox->deactivate();
    ui.lightingChanged.emit(ui.lighting);
}

void pointCountSlid(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    ui.pointCountInput->value(std::exp(valueOf(w)));
    ui.pointCountChanged.emit(static_cast<int>(ui.pointCountInput->value()));
}

void pointCountTyped(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    const double count = valueOf(w);
    ui.pointCountSlider->value(std::log(count));
    ui.pointCountChanged.emit(static_cast<int>(count));
}

void restartPressed(Fl_Widget* w, void*) {
    FlowerUI::of(w).growthRestartRequested.emit();
}

void periodStartPressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    ui.periodIncrementInput->value(kStartIncrement);
    ui.periodIncrementChanged.emit(ui.periodIncrementInput->value());
}

void periodStopPressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    ui.periodIncrementInput->value(0);
    ui.periodIncrementChanged.emit(0);
}

void periodResetPressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    ui.periodInitialChanged.emit(ui.periodInitialInput->value());
}

void polygonWhitePressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    ui.polygonFlowOffsetSlider->deactivate();
    ui.polygonColorChosen.emit(Rgb(1, 1, 1));
}

void maskTargetPressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    ui.maskTarget = w == ui.maskTargetLinesButton ? FlowerUI::MaskTarget::lines
                                                  : FlowerUI::MaskTarget::polygons;
    ui.refreshFamilyButtons();
}

// Line families combine freely; polygons show exactly one family, so their
// lights act as a radio group refreshed from the model.
void familyPressed(Fl_Widget* w, void*) {
    FlowerUI& ui = FlowerUI::of(w);
    int i = 0;
    while (ui.familyButtons[i] != w) ++i;
    const unsigned bit = 1u << i;
    if (ui.maskTarget == FlowerUI::MaskTarget::lines) {
        unsigned mask = 0;
        ui.lineMaskQuery.emit(mask);
        ui.lineMaskSet.emit(isOn(w) ? mask | bit : mask & ~bit);
    } else {
        ui.polygonMaskSet.emit(bit);
        ui.refreshFamilyButtons();
    }
}

}  // namespace

void FlowerUI::syncPointCountSlider() {
    pointCountSlider->bounds(std::log(pointCountInput->minimum()),
                             std::log(pointCountInput->maximum()));
    pointCountSlider->value(std::log(pointCountInput->value()));
    pointCountChanged.emit(static_cast<int>(pointCountInput->value()));
}

void FlowerUI::refreshFamilyButtons() {
    unsigned mask = 0;
    if (maskTarget == MaskTarget::lines)
        lineMaskQuery.emit(mask);
    else
        polygonMaskQuery.emit(mask);
    for (int i = 0; i < 16; ++i) familyButtons[i]->value((mask >> i) & 1u);
}

Fl_Window* FlowerUI::makePalette() {
    if (paletteWindow)
        return paletteWindow;

    paletteWindow = new PaletteWindow(336, 480, "Control Palette");
    paletteWindow->user_data(this);
    paletteScroll = new Fl_Scroll(0, 0, 336, 480);
    paletteWindow->resizable(paletteScroll);  // shortened, it scrolls; its children keep their size
    paletteScroll->box(FL_FLAT_BOX);

    makeMappingBox();
    makeSpiralsBox();
    makePrimitivesBox();
    makeDensityBox();
    makeBackgroundLightingBox();
    makeNumberOfPointsBox();
    makeGrowthBox();
    makeColorPeriodBox();
    makePointsBox();
    makeLinesBox();
    makePolygonsBox();
    makeFixedSpiralsBox();

    paletteScroll->end();
    paletteWindow->end();
    paletteWindow->set_non_modal();
    return paletteWindow;
}

void FlowerUI::makeMappingBox() {
    box(0, 0, 84, 60, "Mapping");
    planarButton =
        iconButton(6, 20, planarIcon, FL_RADIO_BUTTON, FL_YELLOW, "Planar mapping", planarPressed);
    sphericButton = iconButton(42, 20, sphericIcon, FL_RADIO_BUTTON, FL_YELLOW, "Spheric mapping",
                               emitState<&FlowerUI::sphericChanged>, true);
    Fl_Group::current()->end();
}

void FlowerUI::makeSpiralsBox() {
    box(84, 0, 84, 60, "Spirals");
    fixedSpiralsButton = iconButton(90, 20, fixedSpiralsIcon, FL_RADIO_BUTTON, FL_YELLOW,
                                    "Fixed spirals", fixedSpiralsPressed);
    fixedSpiralsButton->down_box(FL_FLAT_BOX);
    adaptiveSpiralsButton = iconButton(126, 20, adaptiveSpiralsIcon, FL_RADIO_BUTTON, FL_YELLOW,
                                       "Adaptative spirals", adaptiveSpiralsPressed, true);
    adaptiveSpiralsButton->down_box(FL_FLAT_BOX);
    Fl_Group::current()->end();
}

void FlowerUI::makePrimitivesBox() {
    box(0, 60, 168, 60, "Primitives");
    showPointsButton =
        iconButton(24, 80, pointsIcon, FL_TOGGLE_BUTTON, FL_GREEN, "Mostrar/ocultar puntos",
                   emitState<&FlowerUI::showPointsChanged>, true);
    showLinesButton =
        iconButton(66, 80, linesIcon, FL_TOGGLE_BUTTON, FL_GREEN, "Mostrar/ocultar líneas",
                   emitState<&FlowerUI::showLinesChanged>, true);
    showPolygonsButton =
        iconButton(108, 80, polygonsIcon, FL_TOGGLE_BUTTON, FL_GREEN, "Mostrar/ocultar polígonos",
                   emitState<&FlowerUI::showPolygonsChanged>, true);
    Fl_Group::current()->end();
}

void FlowerUI::makeDensityBox() {
    box(0, 120, 168, 60, "Density");
    uniformDensityButton = iconButton(24, 140, uniformDensityIcon, FL_RADIO_BUTTON, FL_YELLOW,
                                      "Uniform density - Central growth faster",
                                      emitWhenOn<&FlowerUI::uniformDensitySelected>, true);
    naturalDensityButton = iconButton(66, 140, naturalDensityIcon, FL_RADIO_BUTTON, FL_YELLOW,
                                      "Natural density - Uniform growth",
                                      emitWhenOn<&FlowerUI::naturalDensitySelected>);
    slowCentreButton =
        iconButton(108, 140, slowCentreIcon, FL_RADIO_BUTTON, FL_YELLOW, "Central growth slower",
                   emitWhenOn<&FlowerUI::slowCentreSelected>);
    Fl_Group::current()->end();
}

void FlowerUI::makeBackgroundLightingBox() {
    box(0, 180, 168, 60, "Background / Lighting", true);
    backgroundColorButton =
        colorButton(30, 198, Fl_Color(237), "Choose background color...", backgroundColorPressed);
    // The lighting button draws only a frame over this box, whose image
    // shows whether the lighting is on.
    lightIconBox = new Fl_Group(96, 198, 36, 36);
    lightIconBox->image(lightingOnIcon);
    lightIconBox->deimage(lightingOffIcon);
    lightIconBox->align(FL_ALIGN_INSIDE);
    lightIconBox->end();
    lightingButton = new Fl_Button(96, 198, 36, 36);
    lightingButton->box(FL_PLASTIC_UP_FRAME);
    lightingButton->down_box(FL_PLASTIC_DOWN_FRAME);
    lightingButton->color(kPanel);
    lightingButton->labelsize(13);
    lightingButton->deimage(lightingOnIcon);
    lightingButton->tooltip("Set lighting on / off");
    lightingButton->callback(lightingPressed);
    lightingButton->when(FL_WHEN_RELEASE_ALWAYS);
    Fl_Group::current()->end();
}

void FlowerUI::makeNumberOfPointsBox() {
    box(0, 240, 168, 60, "Number of points");
    // Logarithmic: syncPointCountSlider sets the real range from the field's.
    pointCountSlider =
        slider(6, 260, 156, 18, "Drag to change number of points", pointCountSlid, 0, 1000, 0, 0);
    pointCountMinOutput = limit(6, 24, 50);
    pointCountInput =
        input(30, 278, 90, 16, nullptr, kPanel, "Type value, or drag (left / right button)",
              pointCountTyped, 50, 99999, 1, 4181);
    pointCountMaxOutput = limit(120, 42, 99999);
    Fl_Group::current()->end();
}

void FlowerUI::makeGrowthBox() {
    box(0, 300, 168, 60, "Growth");
    growthSpeedSlider = slider(6, 338, 156, 18, "Drag to modify growing speed",
                               emitValue<&FlowerUI::growthSpeedChanged>, 0, 1, 0.001, 0.1);
    growthSpeedSlider->label("  Speed");
    growthSpeedSlider->align(FL_ALIGN_TOP_LEFT);
    Fl_Button* restart = new Fl_Button(84, 320, 78, 18, "Restart");
    restart->color(kPanel);
    restart->labelsize(13);
    restart->tooltip("Restart growth from start");
    restart->callback(restartPressed);
    Fl_Group::current()->end();
}

void FlowerUI::makeColorPeriodBox() {
    box(0, 360, 168, 120, "Color period");
    periodStartButton = textButton(6, 384, 42, 18, "Start", "Start color flow", periodStartPressed);
    periodStopButton = textButton(48, 384, 42, 18, "Stop", "Stop color flow", periodStopPressed);
    periodOsdButton = new Fl_Light_Button(108, 384, 54, 18, "OSD");
    periodOsdButton->selection_color(FL_RED);
    periodOsdButton->labelsize(13);
    periodOsdButton->tooltip("Show / hide instantaneous period");
    periodOsdButton->callback(emitState<&FlowerUI::showPeriodChanged>);
    periodResetButton =
        textButton(6, 402, 84, 18, "Reset", "Reset to initial value", periodResetPressed);
    periodOriginInput = input(132, 402, 30, 16, "Origen", kPanel, "Not implemented",
                              emitValue<&FlowerUI::periodOriginChanged>, 0, 1, 0.0001, 0);
    periodInitialInput = input(66, 432, 84, 18, "Initial", FL_GRAY, "Color period initial value",
                               emitValue<&FlowerUI::periodInitialChanged>, 0, 1000, 0.00001, 0.618);
    periodIncrementInput =
        input(66, 450, 84, 18, "Incr.", FL_GRAY, "Color period increment (per frame)",
              emitValue<&FlowerUI::periodIncrementChanged>, -1, 1, 0.00000001, kStartIncrement);
    Fl_Group::current()->end();
}

void FlowerUI::makePointsBox() {
    box(168, 0, 168, 120, "Points");
    pointColorButton = colorButton(
        174, 24, FL_RED, "Choose point color...",
        colorButtonPressed<&FlowerUI::pointFlowOffsetSlider, &FlowerUI::pointColorChosen>);
    pointColorButton->type(FL_RADIO_BUTTON);
    pointColorButton->value(1);
    pointColorFlowButton = iconButton(
        246, 24, colorFlowIcon, FL_RADIO_BUTTON, kModeSelection, "Point color flow",
        colorModeChosen<&FlowerUI::pointFlowOffsetSlider, &FlowerUI::pointColorFlowSelected, true>);
    pointFlowOffsetSlider =
        legendSlider(282, 24, 42, "Color flow offset", emitValue<&FlowerUI::pointFlowOffsetChanged>,
                     flowOffsetStripIcon, 0);
    pointFlowOffsetSlider->deactivate();
    pointSizeSlider = legendSlider(222, 72, 108, "Point size",
                                   emitValue<&FlowerUI::pointSizeChanged>, sizeRampIcon, 0);
    Fl_Group::current()->end();
}

void FlowerUI::makeLinesBox() {
    box(168, 120, 168, 120, "Lines");
    lineColorButton = colorButton(
        174, 144, Fl_Color(32), "Choose line color...",
        colorButtonPressed<&FlowerUI::lineFlowOffsetSlider, &FlowerUI::lineColorChosen>);
    lineColorButton->type(FL_RADIO_BUTTON);
    lineColorButton->value(1);
    lineMarkerButton = iconButton(
        210, 144, markerIcon, FL_RADIO_BUTTON, kModeSelection, "Line color: marker",
        colorModeChosen<&FlowerUI::lineFlowOffsetSlider, &FlowerUI::lineMarkerSelected, false>);
    lineColorFlowButton = iconButton(
        252, 144, colorFlowIcon, FL_RADIO_BUTTON, kModeSelection, "Line color flow",
        colorModeChosen<&FlowerUI::lineFlowOffsetSlider, &FlowerUI::lineColorFlowSelected, true>);
    lineFlowOffsetSlider =
        legendSlider(288, 144, 42, "Color flow offset", emitValue<&FlowerUI::lineFlowOffsetChanged>,
                     flowOffsetStripIcon, 0.5);
    lineFlowOffsetSlider->deactivate();
    flatLineButton =
        iconButton(174, 192, flatSmoothIcon, FL_TOGGLE_BUTTON, kFlatSelection,
                   "Flat / smooth line color", emitState<&FlowerUI::flatLineColorChanged>);
    lineWidthSlider = legendSlider(222, 192, 108, "Line width",
                                   emitValue<&FlowerUI::lineWidthChanged>, widthRampIcon, 0);
    Fl_Group::current()->end();
}

void FlowerUI::makePolygonsBox() {
    box(168, 240, 168, 120, "Polygons", true);
    // Lies beneath the colour and marker buttons: reached from the keyboard only.
    polygonWhiteButton = new Fl_Button(186, 266, 54, 10, "Blanco");
    polygonWhiteButton->type(FL_RADIO_BUTTON);
    polygonWhiteButton->box(FL_PLASTIC_UP_BOX);
    polygonWhiteButton->selection_color(kModeSelection);
    polygonWhiteButton->labelsize(13);
    polygonWhiteButton->callback(polygonWhitePressed);
    polygonColorButton = colorButton(
        174, 264, Fl_Color(55), "Choose polygon color...",
        colorButtonPressed<&FlowerUI::polygonFlowOffsetSlider, &FlowerUI::polygonColorChosen>);
    polygonColorButton->type(FL_RADIO_BUTTON);
    polygonMarkerButton = iconButton(210, 264, markerIcon, FL_RADIO_BUTTON, kModeSelection,
                                     "Polygon color: Spiral marker",
                                     colorModeChosen<&FlowerUI::polygonFlowOffsetSlider,
                                                     &FlowerUI::polygonMarkerSelected, false>);
    polygonColorFlowButton =
        iconButton(252, 264, colorFlowIcon, FL_RADIO_BUTTON, kModeSelection, "Polygon color flow",
                   colorModeChosen<&FlowerUI::polygonFlowOffsetSlider,
                                   &FlowerUI::polygonColorFlowSelected, true>,
                   true);
    polygonFlowOffsetSlider =
        legendSlider(288, 264, 42, "Color flow offset",
                     emitValue<&FlowerUI::polygonFlowOffsetChanged>, flowOffsetStripIcon, 0);
    flatPolygonButton =
        iconButton(174, 312, flatSmoothIcon, FL_TOGGLE_BUTTON, kFlatSelection,
                   "Flat / smooth polygon color", emitState<&FlowerUI::flatPolygonColorChanged>);
    Fl_Group::current()->end();
}

void FlowerUI::makeFixedSpiralsBox() {
    fixedSpiralsGroup = box(168, 360, 168, 120, "Fixed spirals");
    Fl_Group* targets = new Fl_Group(174, 374, 78, 58);
    maskTargetLinesButton = iconButton(180, 384, linesIcon, FL_RADIO_BUTTON, FL_YELLOW,
                                       "Show / hide lines", maskTargetPressed, true);
    maskTargetLinesButton->down_box(FL_PLASTIC_DOWN_BOX);
    maskTargetPolygonsButton = iconButton(216, 384, polygonsIcon, FL_RADIO_BUTTON, FL_YELLOW,
                                          "Show / hide polygons", maskTargetPressed);
    maskTargetPolygonsButton->down_box(FL_FLAT_BOX);
    targets->end();
    for (int i = 0; i < 16; ++i) {
        Fl_Light_Button* light =
            new Fl_Light_Button(kFamilyX[i], kFamilyY[i], 36, 18, kFamilyLabel[i]);
        light->box(FL_PLASTIC_UP_BOX);
        light->color(kPanel);
        light->selection_color(kFamilyLight[i % 8]);
        light->labelfont(FL_TIMES_BOLD);
        light->labelsize(12);
        light->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
        light->value(1);
        light->callback(familyPressed);
        light->when(FL_WHEN_CHANGED);
        familyButtons[i] = light;
    }
    fixedSpiralsGroup->end();
    fixedSpiralsGroup->deactivate();
}
