// Starts a program and watches the X server from outside: the time until a
// window of the given title is mapped, and the program's peak resident
// memory then. Prints "<milliseconds> <kilobytes>" and ends the program.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

long peakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

bool titled(Display* display, Window window, const char* title) {
    char* name = nullptr;
    bool match = XFetchName(display, window, &name) && name && std::strcmp(name, title) == 0;
    if (name) XFree(name);
    return match;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe <title> <program> [arguments]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double milliseconds = -1;
    while (true) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && titled(display, event.xmap.window, argv[1])) {
            milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let it settle
    const long kilobytes = peakResidentKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld\n", milliseconds, kilobytes);
    XCloseDisplay(display);
    return 0;
}
