// Preloaded (LD_PRELOAD) into a program whose frames are timed from outside:
// every buffer swap appends the monotonic time at which the swap returned, in
// nanoseconds, as one line to the file named by SWAP_CLOCK_LOG. The program
// itself is left as it is; without the variable the swaps pass through alone.
#include <GL/glx.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

int logFile() {
    static const int fd = [] {
        const char* path = std::getenv("SWAP_CLOCK_LOG");
        return path ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
    }();
    return fd;
}

}  // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    using Swap = void (*)(Display*, GLXDrawable);
    static const auto real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    real(display, drawable);
    if (logFile() < 0)
        return;
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    char line[32];
    const int n = std::snprintf(line, sizeof line, "%lld\n",
                                now.tv_sec * 1000000000LL + now.tv_nsec);
    if (write(logFile(), line, std::size_t(n)) < 0)
        return;  // a lost line only shortens the timed run
}
