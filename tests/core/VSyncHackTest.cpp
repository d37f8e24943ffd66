// The swap interval, set up once in the process.
#include "core/VSyncHack.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <GL/glx.h>
#include <dlfcn.h>

// Counts how often the swap-interval set-up asks the real GLX for its extensions.
static int extensionQueries = 0;
extern "C" const char* glXQueryExtensionsString(Display* display, int screen) {
    using Real = const char* (*)(Display*, int);
    static auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "glXQueryExtensionsString"));
    ++extensionQueries;
    return real(display, screen);
}

namespace {

TEST(VSyncHack, LooksForTheSwapIntervalExtensionOnceInTheProcess) {
    GlContext gl(64, 64);
    const int before = extensionQueries;
    VSyncHack hack;
    hack.apply();  // the virtual server offers none: nothing is set, nothing fails
    EXPECT_EQ(extensionQueries, before + 1);
    VSyncHack another;  // the flag is per process, not per object
    hack.apply();
    another.apply();
    EXPECT_EQ(extensionQueries, before + 1);
}

}  // namespace
