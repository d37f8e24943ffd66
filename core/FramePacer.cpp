#include "FramePacer.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/extensions/Xrandr.h>

FramePacer::FramePacer(double refreshRate)
    : period(std::chrono::duration_cast<Clock::duration>(
          std::chrono::duration<double>(1 / refreshRate))) {}

double FramePacer::displayRefreshRate() {
    fl_open_display();
    int eventBase, errorBase;
    short rate = 0;
    if (XRRQueryExtension(fl_display, &eventBase, &errorBase)) {
        const Window root = RootWindow(fl_display, fl_screen);
        if (XRRScreenConfiguration* config = XRRGetScreenInfo(fl_display, root)) {
            rate = XRRConfigCurrentRate(config);
            XRRFreeScreenConfigInfo(config);
        }
    }
    return rate > 0 ? rate : 60;
}

void FramePacer::frameSwapped() {
    const Clock::time_point due = frameBegan + period;
    Clock::time_point now = Clock::now();
    if (now >= due) {
        frameBegan = now;
        return;
    }
    // Events keep being handled while the period runs out.
    do {
        Fl::wait(std::chrono::duration<double>(due - now).count());
        now = Clock::now();
    } while (now < due);
    // Counted from when it was due, so that the toolkit's late wake-ups do not add up.
    frameBegan = due;
}
