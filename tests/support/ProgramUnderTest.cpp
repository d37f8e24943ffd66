#include "support/ProgramUnderTest.h"
#include "support/WindowFacts.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

bool before(Clock::time_point deadline) { return Clock::now() < deadline; }

Clock::time_point deadlineIn(double seconds) {
    return Clock::now() + std::chrono::milliseconds(long(seconds * 1000));
}

std::string titleOf(Display* d, Window w) {
    char* name = nullptr;
    std::string title;
    if (XFetchName(d, w, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

Window findByTitle(Display* d, Window parent, const std::string& prefix) {
    Window root, parentOut, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, parent, &root, &parentOut, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        if (titleOf(d, children[i]).rfind(prefix, 0) == 0) {
            XWindowAttributes a;
            if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable)
                found = children[i];
        }
        if (!found)
            found = findByTitle(d, children[i], prefix);
    }
    if (children)
        XFree(children);
    return found;
}

}  // namespace

bool startBackground(const Rgb& p) {
    return std::abs(p[0] - 128) <= 1 && std::abs(p[1] - 179) <= 1 && std::abs(p[2] - 230) <= 1;
}

void pauseSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(long(seconds * 1000)));
}

namespace {

// A private X server, so program tests never see each other's windows or
// pointer, whatever runs beside them. Returns its display name.
std::string startServer(const ProgramUnderTest::Desktop& desktop, pid_t& server) {
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("no pipe for the X server");
    server = fork();
    if (server == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        std::vector<const char*> argv = {"Xvfb",   "-displayfd", fd.c_str(), "-screen",
                                         "0",      desktop.screen.c_str(),   "-nolisten",
                                         "tcp"};
        for (const std::string& option : desktop.serverOptions)
            argv.push_back(option.c_str());
        argv.push_back(nullptr);
        execvp("Xvfb", const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
        throw std::runtime_error("the X server did not start");
    return ":" + number;
}

// Starts openbox on the display and waits until it manages the screen.
pid_t startWindowManager(Display* d, const std::string& name) {
    const pid_t wm = fork();
    if (wm == 0) {
        setenv("DISPLAY", name.c_str(), 1);
        execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
        _exit(127);
    }
    const Atom selection = XInternAtom(d, "WM_S0", False);
    const auto deadline = deadlineIn(20);
    while (XGetSelectionOwner(d, selection) == None && before(deadline))
        pauseSeconds(0.05);
    if (XGetSelectionOwner(d, selection) == None)
        throw std::runtime_error("the window manager did not start");
    return wm;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(const Desktop& desktop) {
    const std::string name = startServer(desktop, server_);
    display_ = XOpenDisplay(name.c_str());
    if (!display_)
        throw std::runtime_error("cannot open the private X display");
    // The program's windows come and go while the test looks at them: a
    // question about one just gone fails, and must not end the test.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    if (desktop.windowManager)
        windowManager_ = startWindowManager(display_, name);
    char path[] = "/tmp/spiravel-output-XXXXXX";
    const int output = mkstemp(path);
    if (output < 0)
        throw std::runtime_error("no file for the program's output");
    outputPath_ = path;
    pid_ = fork();
    if (pid_ == 0) {
        if (desktop.displaySet)
            setenv("DISPLAY", name.c_str(), 1);
        else
            unsetenv("DISPLAY");
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        execl(SPIRAVEL_EXE, SPIRAVEL_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output);
}

ProgramUnderTest::ProgramUnderTest() : ProgramUnderTest(Desktop()) {}

ProgramUnderTest::Desktop managedDesktop(const std::string& screen) {
    ProgramUnderTest::Desktop desktop;
    if (!screen.empty())
        desktop.screen = screen;
    desktop.windowManager = true;
    return desktop;
}

ProgramUnderTest::~ProgramUnderTest() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (windowManager_ > 0) {
        kill(windowManager_, SIGTERM);
        waitpid(windowManager_, nullptr, 0);
    }
    if (display_)
        XCloseDisplay(display_);
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
    unlink(outputPath_.c_str());
}

std::string ProgramUnderTest::terminalOutput() const {
    std::ifstream file(outputPath_);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Window ProgramUnderTest::waitForWindow(const std::string& titlePrefix, double timeoutSeconds) {
    const auto deadline = deadlineIn(timeoutSeconds);
    do {
        if (Window w = findByTitle(display_, DefaultRootWindow(display_), titlePrefix))
            return w;
        pauseSeconds(0.05);
    } while (before(deadline));
    return 0;
}

Window ProgramUnderTest::waitForMainWindowAlone() {
    const Window main = waitForWindow("Spiravel 1.0 - ");
    if (main)
        if (const Window palette = waitForWindow("Control Palette"))
            closeWindow(palette);
    return main;
}

int ProgramUnderTest::countPixels(Window w, int x, int y, int width, int height,
                                  const std::function<bool(const Rgb&)>& predicate) {
    const ScreenBox box = insideBox(display_, w);
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), box.left + x, box.top + y,
                              unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (!image)
        return 0;
    int count = 0;
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            const unsigned long p = XGetPixel(image, i, j);
            const Rgb rgb = {int((p >> 16) & 0xff), int((p >> 8) & 0xff), int(p & 0xff)};
            if (predicate(rgb))
                ++count;
        }
    XDestroyImage(image);
    return count;
}

Rgb ProgramUnderTest::pixelAt(Window w, int x, int y) {
    Rgb result = {-1, -1, -1};
    countPixels(w, x, y, 1, 1, [&](const Rgb& p) {
        result = p;
        return true;
    });
    return result;
}

bool ProgramUnderTest::waitForPixels(Window w, int x, int y, int width, int height,
                                     const std::function<bool(const Rgb&)>& predicate,
                                     double timeoutSeconds) {
    const auto deadline = deadlineIn(timeoutSeconds);
    do {
        if (countPixels(w, x, y, width, height, predicate) > 0)
            return true;
        pauseSeconds(0.05);
    } while (before(deadline));
    return false;
}

void ProgramUnderTest::movePointer(Window w, int x, int y) {
    const ScreenBox box = insideBox(display_, w);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), box.left + x, box.top + y, CurrentTime);
    XFlush(display_);
}

void ProgramUnderTest::pressButton(int button) {
    XTestFakeButtonEvent(display_, unsigned(button), True, CurrentTime);
    XFlush(display_);
}

void ProgramUnderTest::releaseButton(int button) {
    XTestFakeButtonEvent(display_, unsigned(button), False, CurrentTime);
    XFlush(display_);
}

void ProgramUnderTest::pressKey(const char* keysymName) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, XStringToKeysym(keysymName)), True,
                      CurrentTime);
    XFlush(display_);
}

void ProgramUnderTest::releaseKey(const char* keysymName) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, XStringToKeysym(keysymName)), False,
                      CurrentTime);
    XFlush(display_);
}

void ProgramUnderTest::tapKey(const char* keysymName) {
    pressKey(keysymName);
    releaseKey(keysymName);
}

void ProgramUnderTest::click(Window w, int x, int y, int button) {
    movePointer(w, x, y);
    pauseSeconds(0.2);
    pressButton(button);
    pauseSeconds(0.1);
    releaseButton(button);
    pauseSeconds(0.3);
}

namespace {

// A client message about window w of the given type and arguments, sent to
// the target with the event mask given.
void sendMessage(Display* d, Window target, long mask, Window w, const char* type, long argument,
                 long second = 0) {
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, type, False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = argument;
    e.xclient.data.l[1] = second;
    XSendEvent(d, target, False, mask, &e);
    XFlush(d);
}

// What pagers and task lists send the window manager.
void askWindowManager(Display* d, Window w, const char* type, long argument, long second = 0) {
    sendMessage(d, DefaultRootWindow(d), SubstructureRedirectMask | SubstructureNotifyMask, w,
                type, argument, second);
}

}  // namespace

void pressCloseBox(Display* display, Window w) {
    sendMessage(display, w, NoEventMask, w, "WM_PROTOCOLS",
                long(XInternAtom(display, "WM_DELETE_WINDOW", False)));
}

void ProgramUnderTest::closeWindow(Window w) {
    pressCloseBox(display_, w);
}

bool ProgramUnderTest::minimiseWindow(Window w) {
    askWindowManager(display_, w, "WM_CHANGE_STATE", IconicState);
    const auto deadline = deadlineIn(20);
    do {
        XWindowAttributes a;
        if (XGetWindowAttributes(display_, w, &a) && a.map_state == IsUnmapped)
            return true;
        pauseSeconds(0.05);
    } while (before(deadline));
    return false;
}

void ProgramUnderTest::restoreWindow(Window w) {
    askWindowManager(display_, w, "_NET_ACTIVE_WINDOW", 2);  // 2: asked for by the person
}

bool ProgramUnderTest::shadeWindow(Window w, bool shaded) {
    askWindowManager(display_, w, "_NET_WM_STATE", shaded ? 1 : 0,  // add or remove
                     long(XInternAtom(display_, "_NET_WM_STATE_SHADED", False)));
    const auto deadline = deadlineIn(20);
    do {
        if (hasWindowState(display_, w, "_NET_WM_STATE_SHADED") == shaded)
            return true;
        pauseSeconds(0.05);
    } while (before(deadline));
    return false;
}

double ProgramUnderTest::cpuSeconds() const {
    std::ifstream file("/proc/" + std::to_string(pid_) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos)
        throw std::runtime_error("the program is not running");
    // After the name in parentheses: state, then ten fields, then user and system time.
    std::istringstream rest(stat.substr(nameEnd + 1));
    std::string field;
    for (int i = 0; i < 11; ++i)
        rest >> field;
    double user = 0, system = 0;
    rest >> user >> system;
    return (user + system) / double(sysconf(_SC_CLK_TCK));
}

bool ProgramUnderTest::viewable(Window w) {
    XWindowAttributes a;
    return XGetWindowAttributes(display_, w, &a) && a.map_state == IsViewable;
}

int ProgramUnderTest::waitForExit(double timeoutSeconds) {
    const auto deadline = deadlineIn(timeoutSeconds);
    do {
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        pauseSeconds(0.05);
    } while (before(deadline));
    return -1;
}
