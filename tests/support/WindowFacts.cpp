#include "support/WindowFacts.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace {

// A 32-bit property as Xlib hands it over: one long per item.
std::vector<unsigned long> cardinals(Display* d, Window w, const char* name) {
    Atom type;
    int format;
    unsigned long count = 0, after;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1 << 20, False, AnyPropertyType,
                           &type, &format, &count, &after, &data) == Success &&
        data && format == 32) {
        const unsigned long* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

}  // namespace

std::string windowClass(Display* d, Window w) {
    XClassHint hint{};
    std::string name;
    if (XGetClassHint(d, w, &hint)) {
        name = hint.res_class ? hint.res_class : "";
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return name;
}

std::vector<unsigned long> windowIcon(Display* d, Window w) {
    return cardinals(d, w, "_NET_WM_ICON");
}

bool hasWindowState(Display* d, Window w, const char* state) {
    const std::vector<unsigned long> states = cardinals(d, w, "_NET_WM_STATE");
    return std::find(states.begin(), states.end(), XInternAtom(d, state, False)) != states.end();
}

Window transientFor(Display* d, Window w) {
    Window owner = 0;
    return XGetTransientForHint(d, w, &owner) ? owner : 0;
}

ScreenBox insideBox(Display* d, Window w) {
    int x, y;
    Window child;
    XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child);
    XWindowAttributes a;
    XGetWindowAttributes(d, w, &a);
    return {x, y, x + a.width, y + a.height};
}

ScreenBox frameBox(Display* d, Window w) {
    std::vector<unsigned long> extents = cardinals(d, w, "_NET_FRAME_EXTENTS");  // left, right, top, bottom
    extents.resize(4, 0);
    const ScreenBox inside = insideBox(d, w);
    return {inside.left - int(extents[0]), inside.top - int(extents[2]),
            inside.right + int(extents[1]), inside.bottom + int(extents[3])};
}
