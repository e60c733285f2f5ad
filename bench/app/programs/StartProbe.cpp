// Time from starting a program to its first painted window: starts the
// command, then reads one pixel of the X screen every half millisecond
// until it is no longer the empty screen's colour. Prints the milliseconds
// and ends the program.
//
//   app_start_probe X Y -- COMMAND ARGS...

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

unsigned long pixelAt(Display* display, int x, int y)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5 || std::strcmp(argv[3], "--") != 0) {
        std::fprintf(stderr, "usage: app_start_probe X Y -- COMMAND ARGS...\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "app_start_probe: no X display\n");
        return 2;
    }
    const unsigned long empty = pixelAt(display, x, y);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    double milliseconds = -1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        if (pixelAt(display, x, y) != empty) {
            milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            break;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            break;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (milliseconds < 0) {
        std::fprintf(stderr, "app_start_probe: nothing was painted at %d,%d\n", x, y);
        return 1;
    }
    std::printf("%.1f\n", milliseconds);
    return 0;
}
