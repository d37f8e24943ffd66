// The palette's and the About box's pictures: constant pixmaps compiled into
// the program, shared by the widgets that show them (no widget owns one); and
// the program's own icon, which every window hands to the desktop.
#pragma once

#include <FL/Fl_Image.H>
#include <FL/Fl_Pixmap.H>

extern Fl_Pixmap planarIcon;           // 32 x 32: a slanted disc with a red cross
extern Fl_Pixmap sphericIcon;          // 32 x 32: a shaded sphere with red great circles
extern Fl_Pixmap uniformDensityIcon;   // 32 x 32: the square root of x
extern Fl_Pixmap naturalDensityIcon;   // 32 x 32: x
extern Fl_Pixmap slowCentreIcon;       // 32 x 32: x squared
extern Fl_Pixmap adaptiveSpiralsIcon;  // 32 x 32: polygon bands in blues, cyans and greens
extern Fl_Pixmap fixedSpiralsIcon;     // 32 x 32: red bands of one spiral family
extern Fl_Pixmap linesIcon;            // 32 x 32: a lattice of thin black lines
extern Fl_Pixmap polygonsIcon;         // 32 x 32: quadrilaterals in eight bright colours
extern Fl_Pixmap pointsIcon;           // 32 x 32: red dots on grey
extern Fl_Pixmap flowOffsetStripIcon;  // 42 x 12: a rainbow, red to magenta
extern Fl_Pixmap colorFlowIcon;        // 32 x 32: a disc with a rainbow swirl
extern Fl_Pixmap sizeRampIcon;         // 84 x 12: ten bars growing in width and height
extern Fl_Pixmap markerIcon;           // 32 x 32: a two-armed swirl in green and black
extern Fl_Pixmap widthRampIcon;        // 84 x 12: ten bars growing in width
extern Fl_Pixmap flatSmoothIcon;       // 32 x 32: flat blocks beside a smooth gradient
extern Fl_Pixmap lightingOnIcon;       // 32 x 32: a glowing bulb
extern Fl_Pixmap lightingOffIcon;      // 32 x 32: a dark, unlit bulb
extern Fl_Pixmap logoIcon;             // 192 x 64: a sunflower head beside the name

constexpr int programIconCount = 4;
extern const Fl_RGB_Image* programIcons[programIconCount];  // 16, 32, 48 and 64 square
