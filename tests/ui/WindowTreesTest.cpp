// The three windows as built: every widget, in creation order, with the
// properties a person sees or the callbacks rely on.
#include "support/UiHarness.h"

#include "ui/Icons.h"
#include "window/FltkAdaptor.h"

#include <FL/Fl.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Slider.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <FL/x.H>  // last: its X macros clash with the test framework

namespace {

using Lines = std::vector<std::string>;

std::string boxName(Fl_Boxtype b) {
    const std::map<Fl_Boxtype, const char*> names = {
        {FL_NO_BOX, "none"},
        {FL_FLAT_BOX, "flat"},
        {FL_UP_BOX, "up"},
        {FL_DOWN_BOX, "down"},
        {FL_THIN_UP_BOX, "thin-up"},
        {FL_THIN_DOWN_BOX, "thin-down"},
        {FL_RSHADOW_BOX, "rshadow"},
        {FL_PLASTIC_UP_BOX, "plastic-up"},
        {FL_PLASTIC_DOWN_BOX, "plastic-down"},
        {FL_PLASTIC_UP_FRAME, "plastic-up-frame"},
        {FL_PLASTIC_DOWN_FRAME, "plastic-down-frame"},
    };
    const auto it = names.find(b);
    return it == names.end() ? "box" + std::to_string(int(b)) : it->second;
}

std::string imageName(const Fl_Image* image) {
    const std::map<const Fl_Image*, const char*> names = {
        {&planarIcon, "planar"},
        {&sphericIcon, "spheric"},
        {&uniformDensityIcon, "uniform"},
        {&naturalDensityIcon, "natural"},
        {&slowCentreIcon, "slow-centre"},
        {&adaptiveSpiralsIcon, "adaptive"},
        {&fixedSpiralsIcon, "fixed"},
        {&linesIcon, "lines"},
        {&polygonsIcon, "polygons"},
        {&pointsIcon, "points"},
        {&flowOffsetStripIcon, "strip"},
        {&colorFlowIcon, "flow"},
        {&sizeRampIcon, "size-ramp"},
        {&markerIcon, "marker"},
        {&widthRampIcon, "width-ramp"},
        {&flatSmoothIcon, "flat-smooth"},
        {&lightingOnIcon, "lighting-on"},
        {&lightingOffIcon, "lighting-off"},
        {&logoIcon, "logo"},
    };
    const auto it = names.find(image);
    return it == names.end() ? "unknown" : it->second;
}

std::string alignName(Fl_Align a) {
    if (a == FL_ALIGN_CENTER)
        return "center";
    std::string s;
    const std::pair<Fl_Align, const char*> bits[] = {{FL_ALIGN_TOP, "top"},
                                                     {FL_ALIGN_BOTTOM, "bottom"},
                                                     {FL_ALIGN_LEFT, "left"},
                                                     {FL_ALIGN_RIGHT, "right"},
                                                     {FL_ALIGN_INSIDE, "inside"}};
    for (auto [bit, name] : bits)
        if (a & bit)
            s += (s.empty() ? "" : "|") + std::string(name);
    return s;
}

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", v);
    return text;
}

std::string kindOf(Fl_Widget* w) {
    if (dynamic_cast<FltkAdaptor*>(w)) return "FltkAdaptor";
    if (dynamic_cast<Fl_Window*>(w)) return "Fl_Window";
    if (dynamic_cast<Fl_Scroll*>(w)) return "Fl_Scroll";
    if (dynamic_cast<Fl_Group*>(w)) return "Fl_Group";
    if (dynamic_cast<Fl_Menu_Bar*>(w)) return "Fl_Menu_Bar";
    if (dynamic_cast<Fl_Light_Button*>(w)) return "Fl_Light_Button";
    if (dynamic_cast<Fl_Button*>(w)) return "Fl_Button";
    if (dynamic_cast<Fl_Slider*>(w)) return "Fl_Slider";
    if (dynamic_cast<Fl_Value_Input*>(w)) return "Fl_Value_Input";
    if (dynamic_cast<Fl_Value_Output*>(w)) return "Fl_Value_Output";
    return "other";
}

// One widget on one line: kind, geometry, texts, looks, and its state.
std::string describe(Fl_Widget* w) {
    std::string s = kindOf(w) + " " + std::to_string(w->x()) + "," + std::to_string(w->y()) +
                    "," + std::to_string(w->w()) + "," + std::to_string(w->h());
    if (w->label())
        s += " \"" + std::string(w->label()) + "\"";
    if (w->tooltip())
        s += " tip=\"" + std::string(w->tooltip()) + "\"";
    s += " box=" + boxName(w->box()) + " color=" + std::to_string(w->color()) +
         " sel=" + std::to_string(w->selection_color()) + " align=" + alignName(w->align());
    if (w->labelfont() != FL_HELVETICA)
        s += " font=" + std::to_string(w->labelfont());
    s += " size=" + std::to_string(w->labelsize());
    if (w->image())
        s += " image=" + imageName(w->image());
    if (w->deimage())
        s += " deimage=" + imageName(w->deimage());
    if (auto* b = dynamic_cast<Fl_Button*>(w)) {
        const char* types[] = {"push", "toggle", "radio"};
        s += " " + std::string(types[b->type() == FL_RADIO_BUTTON ? 2 : b->type()]) +
             "=" + std::to_string(b->value());
        if (b->down_box())
            s += " down=" + boxName(b->down_box());
    }
    if (auto* v = dynamic_cast<Fl_Valuator*>(w)) {
        s += " " + number(v->minimum()) + ".." + number(v->maximum()) + "/" + number(v->step()) +
             "=" + number(v->value());
        if (auto* slider = dynamic_cast<Fl_Slider*>(w))
            s += slider->type() == FL_HOR_NICE_SLIDER ? " hor-nice" : " other-slider";
    }
    if (auto* in = dynamic_cast<Fl_Value_Input*>(w))
        s += " text=" + std::to_string(in->textsize());
    if (auto* out = dynamic_cast<Fl_Value_Output*>(w))
        s += " text=" + std::to_string(out->textsize());
    s += " when=" + std::to_string(w->when());
    if (!w->active())
        s += " inactive";
    return s;
}

// Depth first, in creation order; the scroll area's own scrollbars are not ours.
void walk(Fl_Widget* w, Lines& out) {
    out.push_back(describe(w));
    Fl_Group* g = w->as_group();
    if (!g || dynamic_cast<FltkAdaptor*>(w))
        return;
    auto* scroll = dynamic_cast<Fl_Scroll*>(g);
    for (int i = 0; i < g->children(); ++i) {
        Fl_Widget* c = g->child(i);
        if (scroll && (c == &scroll->scrollbar || c == &scroll->hscrollbar))
            continue;
        walk(c, out);
    }
}

Lines treeOf(Fl_Window* window) {
    Lines lines;
    walk(window, lines);
    return lines;
}

void expectTree(const Lines& actual, const Lines& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "widget " << i;
}

// Panel colour 41, mode selections 3 and 2; toolkit colours by index:
// 49 gray, 56 black, 63 green, 88 red, 95 yellow, 216 blue, 248 magenta.
const Lines paletteTree = {
    "Fl_Window 0,0,336,480 \"Control Palette\" box=flat color=49 sel=49 align=top size=14 when=4",
    "Fl_Scroll 0,0,336,480 box=flat color=49 sel=49 align=top size=14 when=4",

    "Fl_Group 0,0,84,60 \"Mapping\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Button 6,20,36,36 tip=\"Planar mapping\" box=plastic-up color=41 sel=95 align=center size=13 image=planar radio=0 when=4",
    "Fl_Button 42,20,36,36 tip=\"Spheric mapping\" box=plastic-up color=41 sel=95 align=center size=13 image=spheric radio=1 when=4",

    "Fl_Group 84,0,84,60 \"Spirals\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Button 90,20,36,36 tip=\"Fixed spirals\" box=plastic-up color=41 sel=95 align=center size=13 image=fixed radio=0 down=flat when=4",
    "Fl_Button 126,20,36,36 tip=\"Adaptative spirals\" box=plastic-up color=41 sel=95 align=center size=13 image=adaptive radio=1 down=flat when=4",

    "Fl_Group 0,60,168,60 \"Primitives\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Button 24,80,36,36 tip=\"Mostrar/ocultar puntos\" box=plastic-up color=41 sel=63 align=center size=13 image=points toggle=1 when=4",
    "Fl_Button 66,80,36,36 tip=\"Mostrar/ocultar l\xC3\xADneas\" box=plastic-up color=41 sel=63 align=center size=13 image=lines toggle=1 when=4",
    "Fl_Button 108,80,36,36 tip=\"Mostrar/ocultar pol\xC3\xADgonos\" box=plastic-up color=41 sel=63 align=center size=13 image=polygons toggle=1 when=4",

    "Fl_Group 0,120,168,60 \"Density\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Button 24,140,36,36 tip=\"Uniform density - Central growth faster\" box=plastic-up color=41 sel=95 align=center size=13 image=uniform radio=1 when=4",
    "Fl_Button 66,140,36,36 tip=\"Natural density - Uniform growth\" box=plastic-up color=41 sel=95 align=center size=13 image=natural radio=0 when=4",
    "Fl_Button 108,140,36,36 tip=\"Central growth slower\" box=plastic-up color=41 sel=95 align=center size=13 image=slow-centre radio=0 when=4",

    "Fl_Group 0,180,168,60 \"Background / Lighting\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Button 30,198,36,36 tip=\"Choose background color...\" box=thin-up color=237 sel=237 align=center size=13 push=0 down=thin-down when=6",
    "Fl_Group 96,198,36,36 box=none color=49 sel=49 align=inside size=14 image=lighting-on deimage=lighting-off when=4",
    "Fl_Button 96,198,36,36 tip=\"Set lighting on / off\" box=plastic-up-frame color=41 sel=49 align=center size=13 deimage=lighting-on push=0 down=plastic-down-frame when=6",

    "Fl_Group 0,240,168,60 \"Number of points\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Slider 6,260,156,18 tip=\"Drag to change number of points\" box=plastic-down color=49 sel=216 align=bottom size=13 3.912023005..11.51291546/0=8.338305731 hor-nice when=1",
    "Fl_Value_Output 6,278,24,16 box=plastic-down color=41 sel=49 align=left size=13 50..50/1=50 text=13 when=1 inactive",
    "Fl_Value_Input 30,278,90,16 tip=\"Type value, or drag (left / right button)\" box=plastic-down color=41 sel=15 align=left size=13 50..99999/1=4181 text=13 when=1",
    "Fl_Value_Output 120,278,42,16 box=plastic-down color=41 sel=49 align=left size=13 99999..99999/1=99999 text=13 when=1 inactive",

    "Fl_Group 0,300,168,60 \"Growth\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Slider 6,338,156,18 \"  Speed\" tip=\"Drag to modify growing speed\" box=plastic-down color=49 sel=216 align=top|left size=13 0..1/0.001=0.1 hor-nice when=1",
    "Fl_Button 84,320,78,18 \"Restart\" tip=\"Restart growth from start\" box=up color=41 sel=49 align=center size=13 push=0 when=4",

    "Fl_Group 0,360,168,120 \"Color period\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Button 6,384,42,18 \"Start\" tip=\"Start color flow\" box=up color=49 sel=3 align=center size=13 push=0 when=4",
    "Fl_Button 48,384,42,18 \"Stop\" tip=\"Stop color flow\" box=up color=49 sel=3 align=center size=13 push=0 when=4",
    "Fl_Light_Button 108,384,54,18 \"OSD\" tip=\"Show / hide instantaneous period\" box=up color=49 sel=88 align=left|inside size=13 toggle=0 when=4",
    "Fl_Button 6,402,84,18 \"Reset\" tip=\"Reset to initial value\" box=up color=49 sel=3 align=center size=13 push=0 when=4",
    "Fl_Value_Input 132,402,30,16 \"Origen\" tip=\"Not implemented\" box=plastic-down color=41 sel=15 align=left size=13 0..1/0.0001=0 text=13 when=1",
    "Fl_Value_Input 66,432,84,18 \"Initial\" tip=\"Color period initial value\" box=plastic-down color=49 sel=15 align=left size=13 0..1000/1e-05=0.618 text=13 when=1",
    "Fl_Value_Input 66,450,84,18 \"Incr.\" tip=\"Color period increment (per frame)\" box=plastic-down color=49 sel=15 align=left size=13 -1..1/1e-08=1e-06 text=13 when=1",

    "Fl_Group 168,0,168,120 \"Points\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Button 174,24,36,36 tip=\"Choose point color...\" box=thin-up color=88 sel=88 align=center size=13 radio=1 down=thin-down when=6",
    "Fl_Button 246,24,36,36 tip=\"Point color flow\" box=plastic-up color=41 sel=3 align=center size=13 image=flow radio=0 when=4",
    "Fl_Slider 282,24,42,24 tip=\"Color flow offset\" box=plastic-down color=49 sel=216 align=bottom size=13 image=strip 0..1/0.001=0 hor-nice when=1 inactive",
    "Fl_Slider 222,72,108,24 tip=\"Point size\" box=plastic-down color=49 sel=216 align=bottom size=13 image=size-ramp 0..1/0.001=0 hor-nice when=1",

    "Fl_Group 168,120,168,120 \"Lines\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Button 174,144,36,36 tip=\"Choose line color...\" box=thin-up color=32 sel=32 align=center size=13 radio=1 down=thin-down when=6",
    "Fl_Button 210,144,36,36 tip=\"Line color: marker\" box=plastic-up color=41 sel=3 align=center size=13 image=marker radio=0 when=4",
    "Fl_Button 252,144,36,36 tip=\"Line color flow\" box=plastic-up color=41 sel=3 align=center size=13 image=flow radio=0 when=4",
    "Fl_Slider 288,144,42,24 tip=\"Color flow offset\" box=plastic-down color=49 sel=216 align=bottom size=13 image=strip 0..1/0.001=0.5 hor-nice when=1 inactive",
    "Fl_Button 174,192,36,36 tip=\"Flat / smooth line color\" box=plastic-up color=41 sel=2 align=center size=13 image=flat-smooth toggle=0 when=4",
    "Fl_Slider 222,192,108,24 tip=\"Line width\" box=plastic-down color=49 sel=216 align=bottom size=13 image=width-ramp 0..1/0.001=0 hor-nice when=1",

    "Fl_Group 168,240,168,120 \"Polygons\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4",
    "Fl_Button 186,266,54,10 \"Blanco\" box=plastic-up color=49 sel=3 align=center size=13 radio=0 when=4",
    "Fl_Button 174,264,36,36 tip=\"Choose polygon color...\" box=thin-up color=55 sel=55 align=center size=13 radio=0 down=thin-down when=6",
    "Fl_Button 210,264,36,36 tip=\"Polygon color: Spiral marker\" box=plastic-up color=41 sel=3 align=center size=13 image=marker radio=0 when=4",
    "Fl_Button 252,264,36,36 tip=\"Polygon color flow\" box=plastic-up color=41 sel=3 align=center size=13 image=flow radio=1 when=4",
    "Fl_Slider 288,264,42,24 tip=\"Color flow offset\" box=plastic-down color=49 sel=216 align=bottom size=13 image=strip 0..1/0.001=0 hor-nice when=1",
    "Fl_Button 174,312,36,36 tip=\"Flat / smooth polygon color\" box=plastic-up color=41 sel=2 align=center size=13 image=flat-smooth toggle=0 when=4",

    "Fl_Group 168,360,168,120 \"Fixed spirals\" box=plastic-up color=41 sel=49 align=top|inside size=13 when=4 inactive",
    "Fl_Group 174,374,78,58 box=none color=49 sel=49 align=top size=14 when=4",
    "Fl_Button 180,384,36,36 tip=\"Show / hide lines\" box=plastic-up color=41 sel=95 align=center size=13 image=lines radio=1 down=plastic-down when=4",
    "Fl_Button 216,384,36,36 tip=\"Show / hide polygons\" box=plastic-up color=41 sel=95 align=center size=13 image=polygons radio=0 down=flat when=4",
};

// The 16 family lights close the palette: Times bold 12, drawn inside at the right.
Lines familyLights() {
    const char* labels[] = {"1 ",   "2 ",   "3 ",   "5 ",   "8 ",   "13 ",  "21 ",  "34 ",
                            "55 ",  "89 ",  "144 ", "233 ", "377 ", "610 ", "987 ", "1597"};
    const int places[16][2] = {{252, 384}, {288, 384}, {252, 402}, {288, 402},
                               {180, 420}, {216, 420}, {252, 420}, {288, 420},
                               {180, 438}, {216, 438}, {252, 438}, {288, 438},
                               {180, 456}, {216, 456}, {252, 456}, {288, 456}};
    const int lights[8] = {88, 91, 95, 71, 183, 220, 232, 248};
    Lines lines;
    for (int i = 0; i < 16; ++i)
        lines.push_back("Fl_Light_Button " + std::to_string(places[i][0]) + "," +
                        std::to_string(places[i][1]) + ",36,18 \"" + labels[i] +
                        "\" box=plastic-up color=41 sel=" + std::to_string(lights[i % 8]) +
                        " align=right|inside font=" + std::to_string(FL_TIMES_BOLD) +
                        " size=12 toggle=1 when=1");
    return lines;
}

TEST(WindowTrees, PaletteMatchesItsLayoutToThePixel) {
    FlowerUI ui;
    Fl_Window* palette = ui.makePalette();
    ui.syncPointCountSlider();
    Lines expected = paletteTree;
    for (const std::string& light : familyLights())
        expected.push_back(light);
    expectTree(treeOf(palette), expected);

    EXPECT_EQ(palette->user_data(), &ui);
    EXPECT_TRUE(palette->non_modal());
    EXPECT_EQ(ui.paletteScroll->parent(), palette);
    EXPECT_EQ(ui.fixedSpiralsGroup->label(), std::string("Fixed spirals"));
    EXPECT_EQ(ui.familyButtons[15]->label(), std::string("1597"));
}

TEST(WindowTrees, PaletteShortenedToItsSmallestAndGrownBackLaysOutAsBefore) {
    FlowerUI ui;
    Fl_Window* palette = ui.makePalette();
    showDrawn(palette);
    const Lines before = treeOf(palette);
    XSizeHints hints{};
    long supplied;
    ASSERT_TRUE(XGetWMNormalHints(fl_display, fl_xid(palette), &hints, &supplied));
    ASSERT_LT(hints.min_height, palette->h()) << "the window manager may shorten it";

    // Shortest, and scrolled to the end as with the scroll bar.
    palette->size(palette->w(), hints.min_height);
    showDrawn(palette);
    Fl_Scrollbar& bar = ui.paletteScroll->scrollbar;
    ASSERT_TRUE(bar.visible());
    bar.value(bar.maximum());
    bar.do_callback();
    showDrawn(palette);
    EXPECT_EQ(palette->w(), 336 + Fl::scrollbar_size()) << "wider by the vertical scroll bar";
    EXPECT_FALSE(ui.paletteScroll->hscrollbar.visible());
    EXPECT_EQ(ui.fixedSpiralsGroup->y() + ui.fixedSpiralsGroup->h(), palette->h())
        << "the lowest box reached, at the bottom";

    palette->size(palette->w(), 480);
    showDrawn(palette);
    expectTree(treeOf(palette), before);
    EXPECT_FALSE(bar.visible());
    EXPECT_FALSE(ui.paletteScroll->hscrollbar.visible());
}

TEST(WindowTrees, PointCountSliderStartsOnTheLinearRangeUntilSynchronised) {
    FlowerUI ui;
    ui.makePalette();
    EXPECT_EQ(ui.pointCountSlider->minimum(), 0);
    EXPECT_EQ(ui.pointCountSlider->maximum(), 1000);
}

TEST(WindowTrees, MainWindowHoldsTheMenuBarAndTheView) {
    FlowerUI ui;
    Fl_Window* main = ui.makeMainWindow();
    expectTree(treeOf(main),
               {
                   "Fl_Window 0,0,1129,696 \"Spiravel 1.0 - the Spiravel contributors\" box=flat "
                   "color=49 sel=49 align=top size=14 when=4",
                   "Fl_Group 0,0,1128,696 box=none color=49 sel=49 align=top size=14 when=4",
                   "Fl_Menu_Bar 0,0,1128,30 box=plastic-up color=41 sel=15 align=center size=13 "
                   "when=6",
                   "Fl_Group 0,30,1128,666 box=none color=49 sel=49 align=top size=14 when=4",
                   "FltkAdaptor 0,30,1128,666 box=none color=49 sel=49 align=center size=14 "
                   "when=4",
               });
    EXPECT_EQ(main->user_data(), &ui);
    EXPECT_EQ(ui.glView->labelcolor(), FL_BLACK);
    EXPECT_EQ(main->resizable(), main);
    Fl_Group* outer = main->child(0)->as_group();
    EXPECT_EQ(outer->resizable(), outer->child(1));
    EXPECT_EQ(ui.glView->parent(), outer->child(1));
}

TEST(WindowTrees, ResizingStretchesTheViewAndKeepsTheMenuBarHeight) {
    FlowerUI ui;
    Fl_Window* main = ui.makeMainWindow();
    main->size(1329, 796);
    Fl_Widget* menuBar = main->child(0)->as_group()->child(0);
    EXPECT_EQ(menuBar->h(), 30);
    EXPECT_EQ(menuBar->w(), 1328);
    EXPECT_EQ(ui.glView->y(), 30);
    EXPECT_EQ(ui.glView->w(), 1328);
    EXPECT_EQ(ui.glView->h(), 766);
}

TEST(WindowTrees, MenuTableHasTheThreeSubmenusAndInactiveFileItems) {
    FlowerUI ui;
    auto* menuBar = static_cast<Fl_Menu_Bar*>(ui.makeMainWindow()->child(0)->as_group()->child(0));
    Lines items;
    for (const Fl_Menu_Item* m = menuBar->menu(); m < menuBar->menu() + menuBar->size(); ++m) {
        if (!m->label()) {
            items.push_back("end");
            continue;
        }
        std::string s = m->label();
        if (m->submenu()) s += " submenu";
        if (!m->active()) s += " inactive";
        if (m->flags & FL_MENU_DIVIDER) s += " divider";
        if (m->callback()) s += " callback";
        if (m->labelsize() != 13 || m->labelcolor() != FL_BLACK || m->shortcut())
            s += " odd-style";
        items.push_back(s);
    }
    EXPECT_EQ(items, (Lines{"&File submenu", "&Open... inactive", "&Save inactive",
                            "Save &as... inactive divider", "E&xit callback", "end",
                            "&View submenu", "Control &palette callback", "end", "&Help submenu",
                            "&About... callback", "end", "end"}));
}

TEST(WindowTrees, AboutBoxShowsLogoAndCredits) {
    FlowerUI ui;
    Fl_Window* about = ui.makeAboutBox();
    expectTree(treeOf(about),
               {
                   "Fl_Window 0,0,427,155 \"About Spiravel\" box=plastic-up color=41 sel=49 "
                   "align=top size=14 when=4",
                   "Fl_Group 18,24,204,72 box=rshadow color=55 sel=55 align=inside size=14 "
                   "image=logo when=4",
                   "Fl_Group 234,72,174,18 \"by the contributors\" box=none color=49 "
                   "sel=49 align=top|inside size=16 when=4",
                   "Fl_Group 18,114,390,24 \"https://spiravel.example.org\" box=none color=49 "
                   "sel=49 align=top|inside font=1 size=18 when=4",
                   "Fl_Group 234,54,174,18 \"Phyllotaxis in real time\" box=none color=49 "
                   "sel=49 align=top|inside size=16 when=4",
                   "Fl_Group 234,30,174,18 \"Spiravel 1.0\" box=none color=49 sel=49 "
                   "align=top|inside font=1 size=16 when=4",
               });
    EXPECT_EQ(about->user_data(), &ui);
    EXPECT_FALSE(about->modal());
    EXPECT_TRUE(about->non_modal()) << "kept with the main window, as the palette is";
    EXPECT_EQ(about->child(2)->labelcolor(), FL_BLUE);
}

TEST(WindowTrees, SecondCallsBuildNothingAndTheCountGoesOutOnce) {
    FlowerUI ui;
    SignalLog log(ui);
    EXPECT_EQ(ui.mainWindow, nullptr);
    EXPECT_EQ(ui.paletteWindow, nullptr);
    EXPECT_EQ(ui.aboutWindow, nullptr);

    Fl_Window* main = ui.makeMainWindow();
    Fl_Window* palette = ui.paletteWindow;
    ASSERT_NE(palette, nullptr) << "the main window builds the palette";
    Fl_Window* about = ui.makeAboutBox();
    const Lines trees[] = {treeOf(main), treeOf(palette), treeOf(about)};

    EXPECT_EQ(ui.makeMainWindow(), main);
    EXPECT_EQ(ui.makePalette(), palette);
    EXPECT_EQ(ui.makeAboutBox(), about);
    EXPECT_EQ(treeOf(main), trees[0]);
    EXPECT_EQ(treeOf(palette), trees[1]);
    EXPECT_EQ(treeOf(about), trees[2]);
    EXPECT_EQ(log.calls, Lines{call("pointCountChanged", 4181)});
    EXPECT_FALSE(main->shown() || palette->shown() || about->shown()) << "nothing is shown";
}

}  // namespace
