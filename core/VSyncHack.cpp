#include "VSyncHack.h"

#include <GL/glx.h>

#include <cstring>

namespace {

bool pending = true;  // process-wide: the interval is tried once per process

bool offers(const char* extensions, const char* name) {
    const std::size_t len = std::strlen(name);
    for (const char* p = extensions; p && (p = std::strstr(p, name)); p += len) {
        const bool starts = p == extensions || p[-1] == ' ';
        const bool ends = p[len] == ' ' || p[len] == '\0';
        if (starts && ends)
            return true;
    }
    return false;
}

void* lookUp(const char* name) {
    return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

}  // namespace

void VSyncHack::apply() {
    if (!pending)
        return;
    pending = false;

    Display* display = glXGetCurrentDisplay();
    GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));

    // Mesa hands out an entry point for any name, so the extension string decides.
    if (offers(extensions, "GLX_EXT_swap_control")) {
        using Fn = void (*)(Display*, GLXDrawable, int);
        if (auto fn = reinterpret_cast<Fn>(lookUp("glXSwapIntervalEXT")))
            fn(display, drawable, 1);
    } else if (offers(extensions, "GLX_MESA_swap_control")) {
        using Fn = int (*)(unsigned);
        if (auto fn = reinterpret_cast<Fn>(lookUp("glXSwapIntervalMESA")))
            fn(1);
    } else if (offers(extensions, "GLX_SGI_swap_control")) {
        using Fn = int (*)(int);
        if (auto fn = reinterpret_cast<Fn>(lookUp("glXSwapIntervalSGI")))
            fn(1);
    }
}
