// Starts a program and reports how long it takes until its window is mapped and painted, and
// its peak resident memory by then:
//   first_paint X Y RRGGBB PROGRAM [ARGS...]   ->   "<milliseconds> <peak KiB>"
// The window counts as painted when its pixel at (X, Y) has the colour RRGGBB. Run it on an
// X server of its own (Xvfb -br), where no other window appears.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace {

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

long PeakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fputs("usage: first_paint X Y RRGGBB PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const unsigned long colour = std::strtoul(argv[3], nullptr, 16);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("first_paint: no display\n", stderr);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    Window window = 0;
    double painted = -1;
    while (NowMs() - start < 20000) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && window == 0) {
                window = event.xmap.window;
            }
        }
        if (window != 0) {
            XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
            if (image != nullptr) {
                const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
                XDestroyImage(image);
                if (pixel == colour) {
                    painted = NowMs() - start;
                    break;
                }
            }
        }
        usleep(200);
    }
    usleep(300000);  // let start-up work after the first paint finish before reading the peak
    const long peak = PeakKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (painted < 0) {
        std::fputs("first_paint: the window was not painted in time\n", stderr);
        return 1;
    }
    std::printf("%.1f %ld\n", painted, peak);
    return 0;
}
