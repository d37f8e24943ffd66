// Every palette control operated through the toolkit's own event handling,
// and what it tells the model.
#include "support/UiHarness.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Slider.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Window.H>
#include <FL/Fl_Scroll.H>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

namespace {

using Calls = std::vector<std::string>;

class Palette : public ::testing::Test {
protected:
    Palette() : log(ui) {
        showDrawn(ui.makePalette());
        ui.syncPointCountSlider();
        log.take();
    }
    ~Palette() override {
        ui.paletteWindow->hide();
        Fl::focus(nullptr);
    }

    unsigned litLights() const {
        unsigned lit = 0;
        for (int i = 0; i < 16; ++i)
            lit |= unsigned(ui.familyButtons[i]->value() != 0) << i;
        return lit;
    }

    FlowerUI ui;
    SignalLog log;
};

TEST_F(Palette, MappingRadiosEmitOnlyOnChange) {
    click(ui.planarButton);
    EXPECT_EQ(log.take(), Calls{call("sphericChanged", false)});
    click(ui.planarButton);
    EXPECT_EQ(log.take(), Calls{});
    click(ui.sphericButton);
    EXPECT_EQ(log.take(), Calls{call("sphericChanged", true)});
    EXPECT_FALSE(ui.planarButton->value());
}

TEST_F(Palette, FixedSpiralsOpensTheFamilyBoxWithTheModelsLineMask) {
    log.lineMask = 0x8005;
    EXPECT_FALSE(ui.fixedSpiralsGroup->active());
    EXPECT_EQ(litLights(), 0xffffu);

    click(ui.fixedSpiralsButton);
    EXPECT_EQ(log.take(), (Calls{call("adaptiveSpiralsChanged", false), call("lineMaskQuery")}));
    EXPECT_TRUE(ui.fixedSpiralsGroup->active());
    EXPECT_EQ(litLights(), 0x8005u);

    click(ui.adaptiveSpiralsButton);
    EXPECT_EQ(log.take(), Calls{call("adaptiveSpiralsChanged", true)});
    EXPECT_FALSE(ui.fixedSpiralsGroup->active());
    EXPECT_EQ(litLights(), 0x8005u) << "greying the box out leaves the lights alone";

    click(ui.familyButtons[4]);
    EXPECT_EQ(log.take(), Calls{}) << "lights of an inactive box take no clicks";
}

TEST_F(Palette, ToggleButtonsEmitTheirState) {
    auto expectToggled = [&](Fl_Button* button, const char* signal) {
        const bool before = button->value();
        click(button);
        click(button);
        EXPECT_EQ(log.take(), (Calls{call(signal, !before), call(signal, before)})) << signal;
    };
    expectToggled(ui.showPointsButton, "showPointsChanged");
    expectToggled(ui.showLinesButton, "showLinesChanged");
    expectToggled(ui.showPolygonsButton, "showPolygonsChanged");
    expectToggled(ui.flatLineButton, "flatLineColorChanged");
    expectToggled(ui.flatPolygonButton, "flatPolygonColorChanged");
    expectToggled(ui.periodOsdButton, "showPeriodChanged");
}

TEST_F(Palette, DensityRadiosEmitWhenTheyComeOn) {
    click(ui.naturalDensityButton);
    click(ui.slowCentreButton);
    click(ui.slowCentreButton);
    click(ui.uniformDensityButton);
    EXPECT_EQ(log.take(), (Calls{call("naturalDensitySelected"), call("slowCentreSelected"),
                                 call("uniformDensitySelected")}));
}

// The last emission of a drag, checking that nothing else spoke.
std::string lastOf(const Calls& calls, const std::string& signal) {
    for (const std::string& c : calls)
        EXPECT_EQ(c.rfind(signal + "(", 0), 0u) << c;
    return calls.empty() ? "nothing" : calls.back();
}

TEST_F(Palette, SlidersEmitEveryChangeWhileDragged) {
    const std::pair<Fl_Slider*, const char*> sliders[] = {
        {ui.growthSpeedSlider, "growthSpeedChanged"},
        {ui.pointSizeSlider, "pointSizeChanged"},
        {ui.lineWidthSlider, "lineWidthChanged"},
        {ui.polygonFlowOffsetSlider, "polygonFlowOffsetChanged"},
    };
    for (auto [slider, signal] : sliders) {
        dragTo(slider, slider->x() + 1000);
        EXPECT_EQ(lastOf(log.take(), signal), call(signal, 1));
        dragTo(slider, slider->x() - 1000);
        EXPECT_EQ(lastOf(log.take(), signal), call(signal, 0));
    }
}

TEST_F(Palette, RestartResetAndThePeriodFields) {
    click(ui.periodResetButton);
    click(ui.growthSpeedSlider->parent()->child(1));  // "Restart", not kept as a member
    EXPECT_EQ(log.take(),
              (Calls{call("periodInitialChanged", 0.618), call("growthRestartRequested")}));

    const std::pair<Fl_Value_Input*, const char*> fields[] = {
        {ui.periodInitialInput, "periodInitialChanged"},
        {ui.periodIncrementInput, "periodIncrementChanged"},
        {ui.periodOriginInput, "periodOriginChanged"},
    };
    for (auto [field, signal] : fields) {
        field->take_focus();
        field->input.position(0, field->input.size());
        type("1");
        EXPECT_EQ(log.take(), Calls{call(signal, 1)});
    }
}

TEST_F(Palette, PeriodFieldsHoldBackWhatTheyCannotTakeUntilCommitted) {
    const std::tuple<Fl_Value_Input*, const char*, double, double> fields[] = {
        {ui.periodInitialInput, "periodInitialChanged", 0, 1000},
        {ui.periodIncrementInput, "periodIncrementChanged", -1, 1},
        {ui.periodOriginInput, "periodOriginChanged", 0, 1},
    };
    for (auto [field, signal, low, high] : fields) {
        field->take_focus();
        field->input.position(0, field->input.size());
        // Typed from the back, no shorter number goes out on the way.
        type("e309");
        key(FL_Home);
        type("1");
        EXPECT_EQ(log.take(), Calls{}) << signal;
        key(FL_Enter);
        EXPECT_EQ(log.take(), Calls{call(signal, high)});
        EXPECT_EQ(field->value(), high);

        field->input.position(0, field->input.size());
        type("e309");
        key(FL_Home);
        type("-1");
        EXPECT_EQ(log.take(), Calls{}) << signal;
        ui.pointCountInput->take_focus();
        EXPECT_EQ(log.take(), Calls{call(signal, low)});
        EXPECT_EQ(field->value(), low);
    }
}

TEST_F(Palette, RefusedEntriesGiveWayToTheValueInForceWhichResetReads) {
    // None of them is a number on the way, either (typing "0x" in a period
    // field sends 0 at its first key).
    const std::pair<TypedField*, std::vector<const char*>> fields[] = {
        {ui.pointCountInput, {"", "-", "-e", ".", "0x20"}},
        {ui.periodInitialInput, {"", "-", "-e", "."}},
        {ui.periodIncrementInput, {"", "-", "-e", "."}},
        {ui.periodOriginInput, {"", "-", "-e", "."}},
    };
    for (auto& [field, texts] : fields) {
        char shown[128];
        field->format(shown);
        const double inForce = field->value();
        for (const char* text : texts) {
            for (int commit : {FL_Enter, FL_Tab}) {
                field->take_focus();
                field->input.position(0, field->input.size());
                key(FL_BackSpace);
                type(text);
                key(commit);
                EXPECT_EQ(log.take(), Calls{}) << '"' << text << '"';
                EXPECT_STREQ(field->input.value(), shown) << '"' << text << '"';
                EXPECT_EQ(field->value(), inForce);
            }
        }
    }
    EXPECT_EQ(ui.pointCountSlider->value(), std::log(4181.0));

    // Exponent form is the number it writes, clamped as any other.
    ui.pointCountInput->take_focus();
    ui.pointCountInput->input.position(0, ui.pointCountInput->input.size());
    type("1e3");
    key(FL_Enter);
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 1000)});
    ui.pointCountInput->input.position(0, ui.pointCountInput->input.size());
    type("1e5");
    key(FL_Enter);
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 99999)});
    EXPECT_STREQ(ui.pointCountInput->input.value(), "99999");

    // Reset goes back to the last Initial period taken, not to a refused one.
    ui.periodInitialInput->take_focus();
    ui.periodInitialInput->input.position(0, ui.periodInitialInput->input.size());
    type("2");
    key(FL_BackSpace);
    key(FL_Tab);
    click(ui.periodResetButton);
    EXPECT_EQ(log.take(), (Calls{call("periodInitialChanged", 2), call("periodInitialChanged", 2)}));
}

TEST_F(Palette, UntouchedFieldsSayNothingWhenFocusMovesOrThePaletteHidesAndShows) {
    Fl_Value_Input* const fields[] = {ui.periodInitialInput, ui.periodIncrementInput,
                                      ui.periodOriginInput, ui.pointCountInput};
    for (Fl_Value_Input* field : fields) {
        field->take_focus();
        click(ui.periodResetButton->parent());  // a click on the bare box
        key(FL_Tab);
    }
    click(ui.lightingButton);
    click(ui.lightingButton);
    EXPECT_EQ(log.take(), (Calls{call("lightingChanged", false), call("lightingChanged", true)}));

    const std::pair<const char*, std::function<void()>> hidings[] = {
        {"Escape", [] { key(FL_Escape); }},
        {"close box", [this] { pressCloseBox(ui.paletteWindow); }},
        {"hide", [this] { ui.paletteWindow->hide(); }},
    };
    for (auto& [how, hide] : hidings) {
        ui.periodInitialInput->take_focus();
        hide();
        settle();
        EXPECT_FALSE(ui.paletteWindow->visible()) << how;
        showDrawn(ui.makePalette());  // as the menu reopens it
        EXPECT_EQ(log.take(), Calls{}) << how;
    }
}

TEST_F(Palette, StopThenStartRestartsTheFlowAtTheStartIncrement) {
    ui.periodIncrementInput->value(0.25);
    click(ui.periodStopButton);
    EXPECT_EQ(ui.periodIncrementInput->value(), 0);
    click(ui.periodStartButton);
    EXPECT_EQ(ui.periodIncrementInput->value(), 0.000001);
    EXPECT_EQ(log.take(), (Calls{call("periodIncrementChanged", 0),
                                 call("periodIncrementChanged", 0.000001)}));
}

TEST_F(Palette, LightingButtonTogglesTheIconBox) {
    EXPECT_TRUE(ui.lightIconBox->active());
    click(ui.lightingButton);
    EXPECT_FALSE(ui.lightIconBox->active());
    click(ui.lightingButton);
    EXPECT_TRUE(ui.lightIconBox->active());
    EXPECT_EQ(log.take(), (Calls{call("lightingChanged", false), call("lightingChanged", true)}));
}

TEST_F(Palette, ColourModesSwitchTheOffsetSliders) {
    dragTo(ui.pointFlowOffsetSlider, 1000);
    EXPECT_EQ(log.take(), Calls{}) << "inactive at start";
    click(ui.pointColorFlowButton);
    EXPECT_EQ(log.take(), Calls{call("pointColorFlowSelected")});
    EXPECT_TRUE(ui.pointFlowOffsetSlider->active());
    dragTo(ui.pointFlowOffsetSlider, 1000);
    EXPECT_EQ(lastOf(log.take(), "pointFlowOffsetChanged"), call("pointFlowOffsetChanged", 1));

    click(ui.lineColorFlowButton);
    EXPECT_TRUE(ui.lineFlowOffsetSlider->active());
    click(ui.lineMarkerButton);
    EXPECT_FALSE(ui.lineFlowOffsetSlider->active());
    EXPECT_EQ(ui.lineFlowOffsetSlider->value(), 0.5) << "an inactive slider keeps its value";
    EXPECT_EQ(log.take(), (Calls{call("lineColorFlowSelected"), call("lineMarkerSelected")}));

    // The white radio lies under the colour and marker buttons: the marker takes the click.
    clickAt(ui.polygonWhiteButton, 228, 271);
    EXPECT_FALSE(ui.polygonFlowOffsetSlider->active());
    click(ui.polygonColorFlowButton);
    EXPECT_TRUE(ui.polygonFlowOffsetSlider->active());
    EXPECT_EQ(log.take(),
              (Calls{call("polygonMarkerSelected"), call("polygonColorFlowSelected")}));

    // From the keyboard it is reachable.
    ui.polygonWhiteButton->take_focus();
    key(' ', " ");
    EXPECT_TRUE(ui.polygonWhiteButton->value());
    EXPECT_FALSE(ui.polygonColorFlowButton->value());
    EXPECT_FALSE(ui.polygonFlowOffsetSlider->active());
    EXPECT_EQ(log.take(), Calls{call("polygonColorChosen", Vec<float, 3>(1, 1, 1))});
}

// Hiding the palette settles what was typed, as leaving the field does; the
// value in force then shows from its first digit, even in a narrow field.
TEST_F(Palette, HidingSettlesATypedEntryShownFromItsStart) {
    ui.pointCountInput->take_focus();
    ui.pointCountInput->input.position(0, ui.pointCountInput->input.size());
    type("1e9");
    EXPECT_EQ(log.take(), Calls{});
    key(FL_Escape);
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 99999)});
    EXPECT_STREQ(ui.pointCountInput->input.value(), "99999");

    showDrawn(ui.paletteWindow);
    ui.periodIncrementInput->take_focus();
    ui.periodIncrementInput->input.position(0, ui.periodIncrementInput->input.size());
    type("-5");
    key(FL_Tab);
    EXPECT_EQ(log.take(), (Calls{call("periodIncrementChanged", -1)}));
    EXPECT_EQ(ui.periodIncrementInput->input.position(), 0) << "the minus sign in sight";
}

// Shortened, the palette scrolls each control the keyboard reaches into sight.
TEST_F(Palette, TabScrollsTheShortenedPaletteToTheFocus) {
    ui.paletteWindow->size(ui.paletteWindow->w(), 200);
    showDrawn(ui.paletteWindow);
    const Fl_Scroll& scroll = *ui.paletteScroll;
    ui.planarButton->take_focus();
    for (int i = 0; i < 40; ++i) {
        key(FL_Tab);
        const Fl_Widget* f = Fl::focus();
        ASSERT_TRUE(f->y() >= scroll.y() && f->y() + f->h() <= scroll.y() + scroll.h())
            << "Tab " << i + 1 << " reached a control out of sight";
    }
    ui.paletteWindow->size(ui.paletteWindow->w(), 480);
}

TEST_F(Palette, TabGoesRoundAndTheFocusLeavesNoPictureBehind) {
    ui.flatPolygonButton->take_focus();
    key(FL_Tab);
    EXPECT_EQ(Fl::focus(), ui.planarButton) << "from the last control to the first";
    key(FL_Tab, "", FL_SHIFT);
    EXPECT_EQ(Fl::focus(), ui.flatPolygonButton) << "and back";
    click(ui.fixedSpiralsButton);
    ui.planarButton->take_focus();
    key(FL_Tab, "", FL_SHIFT);
    EXPECT_EQ(Fl::focus(), ui.familyButtons[15]) << "the family lights come last once usable";
    key(FL_Tab);
    EXPECT_EQ(Fl::focus(), ui.planarButton);

    // The bulb shows through the lighting button's frame, focus frame and all.
    const auto bulb = [this] {
        Fl_Widget* b = ui.lightingButton;
        return pixelsOf(ui.paletteWindow, b->x(), b->y(), b->w(), b->h());
    };
    const auto unfocused = bulb();
    ui.lightingButton->take_focus();
    EXPECT_NE(bulb(), unfocused) << "no focus frame to see";
    key(FL_Tab);
    EXPECT_EQ(bulb(), unfocused);

    // The white radio, wholly beneath the colour and marker buttons.
    const auto over = [this] { return pixelsOf(ui.paletteWindow, 174, 264, 72, 36); };
    const auto covering = over();
    log.take();
    ui.polygonWhiteButton->take_focus();
    EXPECT_EQ(over(), covering) << "the white radio drawn over the buttons above it";
    key(' ', " ");
    EXPECT_EQ(log.take(), Calls{call("polygonColorChosen", Vec<float, 3>(1, 1, 1))});
    EXPECT_EQ(over(), covering);
    click(ui.polygonColorFlowButton);
    EXPECT_EQ(over(), covering) << "the white radio, switched off, drawn over them";
}

// ---- point count -------------------------------------------------------------

TEST_F(Palette, SyncSetsTheLogarithmicRangeAndEmitsTheCount) {
    EXPECT_EQ(ui.pointCountSlider->minimum(), std::log(50.0));
    EXPECT_EQ(ui.pointCountSlider->maximum(), std::log(99999.0));
    EXPECT_EQ(ui.pointCountSlider->value(), std::log(4181.0));
    ui.syncPointCountSlider();
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 4181)});
}

TEST_F(Palette, SliderEmitsTheTruncatedExponential) {
    Fl_Slider* s = ui.pointCountSlider;
    dragTo(s, 1000);
    EXPECT_EQ(lastOf(log.take(), "pointCountChanged"), call("pointCountChanged", 99999));
    EXPECT_STREQ(ui.pointCountInput->input.value(), "99999");

    dragTo(s, 0);
    EXPECT_EQ(lastOf(log.take(), "pointCountChanged"), call("pointCountChanged", 49));
    EXPECT_STREQ(ui.pointCountInput->input.value(), "50");

    // e^(ln 4181) falls a hair below 4181.
    s->value(std::log(4181.0));
    s->do_callback();
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 4180)});
    EXPECT_STREQ(ui.pointCountInput->input.value(), "4181");
}

class PointCountField : public Palette {
protected:
    PointCountField() {
        ui.pointCountInput->take_focus();
        selectAll();
    }
    void selectAll() {
        ui.pointCountInput->input.position(0, ui.pointCountInput->input.size());
    }
    void expectCount(double count) {
        EXPECT_EQ(ui.pointCountInput->value(), count);
        EXPECT_EQ(ui.pointCountSlider->value(), std::log(count));
    }
};

TEST_F(PointCountField, TypedValuesInRangeGoOutAsTheyAreTyped) {
    type("1000");
    EXPECT_EQ(log.take(), (Calls{call("pointCountChanged", 100), call("pointCountChanged", 1000)}))
        << "1 and 10 are below the range and reach nobody";
    expectCount(1000);
    key(FL_Enter);
    ui.periodInitialInput->take_focus();
    EXPECT_EQ(log.take(), Calls{}) << "committing an in-range value sends nothing more";
}

TEST_F(PointCountField, OutOfRangeWaitsForTheCommitAndLandsOnTheNearestLimit) {
    type("0");
    EXPECT_EQ(log.take(), Calls{});
    EXPECT_STREQ(ui.pointCountInput->input.value(), "0") << "no rewriting under the fingers";
    key(FL_Enter);
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 50)});
    EXPECT_STREQ(ui.pointCountInput->input.value(), "50");
    expectCount(50);

    selectAll();
    type("-7");
    key(FL_KP_Enter);
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 50)});

    selectAll();
    type("250000");
    EXPECT_EQ(log.take(), (Calls{call("pointCountChanged", 250), call("pointCountChanged", 2500),
                                 call("pointCountChanged", 25000)}));
    ui.periodInitialInput->take_focus();  // leaving the field commits it
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 99999)});
    EXPECT_STREQ(ui.pointCountInput->input.value(), "99999");
    expectCount(99999);
}

TEST_F(PointCountField, ReadsDecimalNumbersOnly) {
    type("077");
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 77)}) << "not octal 63";
    key(FL_Enter);
    EXPECT_EQ(log.take(), Calls{});
    expectCount(77);

    selectAll();
    type("0x10");
    key(FL_Enter);
    EXPECT_EQ(log.take(), Calls{}) << "not hexadecimal 16, nor anything else";
}

TEST_F(PointCountField, DraggingInTheFieldStaysInRange) {
    Fl_Value_Input* in = ui.pointCountInput;
    const int x = in->x() + 10, y = in->y() + 5;
    press(in, x, y);
    drag(in, x + 25, y);
    release(in, x + 25, y);
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 4201)});
    expectCount(4201);

    press(in, x, y, 3);
    drag(in, x + 5000, y, 3);
    release(in, x + 5000, y, 3);
    EXPECT_EQ(log.take(), Calls{call("pointCountChanged", 99999)});
}

// ---- family lights -------------------------------------------------------------

class FamilyLights : public Palette {
protected:
    FamilyLights() {
        log.lineMask = 0x0003;
        log.polygonMask = 0x0010;
        click(ui.fixedSpiralsButton);
        log.take();
    }
};

TEST_F(FamilyLights, LineFamiliesCombineFreely) {
    click(ui.familyButtons[15]);
    EXPECT_EQ(log.take(), (Calls{call("lineMaskQuery"), call("lineMaskSet", 0x8003)}));
    click(ui.familyButtons[0]);
    EXPECT_EQ(log.take(), (Calls{call("lineMaskQuery"), call("lineMaskSet", 0x8002)}));
    EXPECT_EQ(litLights(), 0x8002u);
}

TEST_F(FamilyLights, LineLightsTakeTheModelsMaskAsTheBase) {
    log.lineMask = 0x0100;  // changed by the model behind the palette's back
    click(ui.familyButtons[3]);
    EXPECT_EQ(log.take(), (Calls{call("lineMaskQuery"), call("lineMaskSet", 0x0108)}));
    EXPECT_EQ(litLights(), 0x000bu) << "only the pressed light changes";
}

TEST_F(FamilyLights, PolygonLightsActLikeARadioGroup) {
    click(ui.maskTargetPolygonsButton);
    EXPECT_EQ(log.take(), Calls{call("polygonMaskQuery")});
    EXPECT_EQ(litLights(), 0x0010u);

    click(ui.familyButtons[7]);
    EXPECT_EQ(log.take(), (Calls{call("polygonMaskSet", 0x80), call("polygonMaskQuery")}));
    EXPECT_EQ(litLights(), 0x0080u);

    click(ui.familyButtons[7]);
    EXPECT_EQ(log.take(), (Calls{call("polygonMaskSet", 0x80), call("polygonMaskQuery")}));
    EXPECT_EQ(litLights(), 0x0080u) << "a lit light pressed comes back on";

    click(ui.maskTargetLinesButton);
    EXPECT_EQ(log.take(), Calls{call("lineMaskQuery")});
    EXPECT_EQ(litLights(), 0x0003u);
}

TEST(FamilyLightsUnanswered, QueriesWithoutAModelPutEveryLightOut) {
    FlowerUI ui;
    ui.makePalette();
    ui.refreshFamilyButtons();
    for (Fl_Light_Button* light : ui.familyButtons)
        EXPECT_FALSE(light->value());
}

// ---- colour chooser ------------------------------------------------------------

TEST_F(Palette, ChosenColourGoesToTheButtonAndTheModel) {
    ChooserAnswer answer{true, 10, 200, 30};
    answer.pressing(ui.backgroundColorButton);
    EXPECT_EQ(answer.opened, 1);
    EXPECT_EQ(answer.title, "Color de Puntos");
    EXPECT_NEAR(answer.shown[0], 127, 0.5);
    EXPECT_NEAR(answer.shown[1], 182, 0.5);
    EXPECT_NEAR(answer.shown[2], 255, 0.5);
    EXPECT_EQ(ui.backgroundColorButton->color(), fl_rgb_color(10, 200, 30));
    EXPECT_EQ(ui.backgroundColorButton->selection_color(), fl_rgb_color(10, 200, 30));
    EXPECT_EQ(log.take(), Calls{call("backgroundColorChosen",
                                     Vec<float, 3>(10 / 255.0f, 200 / 255.0f, 30 / 255.0f))});

    ChooserAnswer again{true, 1, 2, 3};
    again.pressing(ui.backgroundColorButton);
    EXPECT_NEAR(again.shown[1], 200, 0.5) << "the chooser opens on the current colour";
}

TEST_F(Palette, CancelledChooserChangesNothingFurther) {
    click(ui.pointColorFlowButton);
    log.take();
    ChooserAnswer cancel{false, 1, 2, 3};
    cancel.pressing(ui.pointColorButton);
    EXPECT_EQ(cancel.opened, 1);
    EXPECT_EQ(log.take(), Calls{});
    EXPECT_EQ(ui.pointColorButton->color(), FL_RED);
    EXPECT_TRUE(ui.pointColorButton->value());
    EXPECT_FALSE(ui.pointFlowOffsetSlider->active()) << "deactivated before the chooser opened";
}

TEST_F(Palette, SelectedColourButtonReopensTheChooserAndBlackIsFlBlack) {
    ChooserAnswer black{true, 0, 0, 0};
    black.pressing(ui.lineColorButton);
    EXPECT_EQ(black.opened, 1) << "already selected, yet it opens";
    EXPECT_EQ(ui.lineColorButton->color(), FL_BLACK);
    EXPECT_EQ(log.take(), Calls{call("lineColorChosen", Vec<float, 3>(0, 0, 0))});

    ChooserAnswer white{true, 255, 255, 255};
    white.pressing(ui.polygonColorButton);
    EXPECT_TRUE(ui.polygonColorButton->value());
    EXPECT_FALSE(ui.polygonColorFlowButton->value());
    EXPECT_FALSE(ui.polygonFlowOffsetSlider->active());
    EXPECT_EQ(log.take(), Calls{call("polygonColorChosen", Vec<float, 3>(1, 1, 1))});
}

}  // namespace
