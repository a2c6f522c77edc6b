#include "e2e/virtual_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <utility>

#include "support/eventually.h"

namespace e2e {
namespace {
Display* asDisplay(void* display) { return static_cast<Display*>(display); }
}  // namespace

bool VirtualScreen::available() {
    return std::system("command -v xdotool >/dev/null && command -v Xvfb >/dev/null") == 0;
}

VirtualScreen::VirtualScreen(std::optional<std::string> quickBackend) {
    int fds[2];
    if (::pipe(fds) != 0) throw std::runtime_error("no pipe for Xvfb");
    server_ = ::fork();
    if (server_ == 0) {
        ::close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    char c;
    while (::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(fds[0]);
    if (number.empty()) throw std::runtime_error("Xvfb did not start");
    name_ = ":" + number;
    display_ = XOpenDisplay(name_.c_str());
    if (!display_) throw std::runtime_error("cannot open " + name_);
    environment_[0].emplace("DISPLAY", name_);
    environment_[1].emplace("QT_QPA_PLATFORM", "xcb");
    environment_[2].emplace("QT_QUICK_BACKEND", quickBackend);
}

VirtualScreen::~VirtualScreen() {
    if (display_) XCloseDisplay(asDisplay(display_));
    ::kill(server_, SIGTERM);
    ::waitpid(server_, nullptr, 0);
}

std::vector<unsigned long> VirtualScreen::windowsOf(pid_t pid) {
    // The root's children only, in the window tree's order.
    const std::string command = "DISPLAY=" + name_ + " xdotool search --maxdepth 1 --onlyvisible --pid " +
                                std::to_string(pid) + " 2>/dev/null";
    std::vector<unsigned long> found;
    FILE* out = ::popen(command.c_str(), "r");
    for (unsigned long window; out && std::fscanf(out, "%lu", &window) == 1;) found.push_back(window);
    if (out) ::pclose(out);
    return found;
}

void VirtualScreen::requestClose(unsigned long window) {
    Display* display = asDisplay(display_);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

void VirtualScreen::type(unsigned long window, const std::string& keys) {
    xdotool("windowfocus " + std::to_string(window) + " key --clearmodifiers " + keys);
}

void VirtualScreen::click(unsigned long window, int x, int y) {
    xdotool("mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " + std::to_string(y) +
            " click 1");
}

void VirtualScreen::xdotool(const std::string& arguments) {
    const std::string command = "DISPLAY=" + name_ + " xdotool " + arguments;
    if (std::system(command.c_str()) != 0) throw std::runtime_error("xdotool failed: " + command);
}

std::vector<unsigned long> VirtualScreen::grab(unsigned long window, int x, int y, int width, int height) {
    XImage* image = XGetImage(asDisplay(display_), window, x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (!image) throw std::runtime_error("cannot read the window's pixels");
    std::vector<unsigned long> pixels;
    pixels.reserve(size_t(width) * size_t(height));
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) pixels.push_back(XGetPixel(image, column, row) & 0xffffff);
    XDestroyImage(image);
    return pixels;
}

std::vector<unsigned long> VirtualScreen::settled(unsigned long window, int x, int y, int width, int height) {
    using namespace std::chrono_literals;
    std::vector<unsigned long> shown;
    eventually([&] {
        const auto before = std::exchange(shown, grab(window, x, y, width, height));
        return before == shown && std::count(shown.begin(), shown.end(), shown[0]) < long(shown.size());
    }, 15s, [] { std::this_thread::sleep_for(300ms); });
    return shown;
}

std::vector<pid_t> runningFrom(const std::filesystem::path& executable) {
    std::vector<pid_t> pids;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::error_code ec;
        if (std::filesystem::read_symlink(entry.path() / "exe", ec) == executable && !ec)
            pids.push_back(std::stoi(entry.path().filename().string()));
    }
    return pids;
}

bool quits(pid_t pid) {
    ::kill(pid, SIGTERM);
    // Its parent reaps a child of this process; others are gone once no signal reaches them.
    const bool ended = eventually([&] { return ::waitpid(pid, nullptr, WNOHANG) == pid || ::kill(pid, 0) != 0; },
                                  std::chrono::seconds(10));
    if (!ended) ::kill(pid, SIGKILL);
    return ended;
}

}  // namespace e2e
