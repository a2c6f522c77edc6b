#pragma once
// A private X server for driving the built app's real window: the
// requests a window manager sends, and keys typed as a user would.
#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/scoped_env.h"

namespace e2e {

class VirtualScreen {
public:
    // Xvfb and xdotool are installed.
    static bool available();
    // Starts Xvfb on a free display and points the apps this process starts
    // at it, through xcb and `quickBackend` (none: the app's own renderer).
    // Throws std::runtime_error.
    explicit VirtualScreen(std::optional<std::string> quickBackend = "software");
    ~VirtualScreen();
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    const std::string& name() const { return name_; }  // for DISPLAY
    // The visible top-level windows of a process, bottom to top.
    std::vector<unsigned long> windowsOf(pid_t pid);
    // What a window manager sends for the title bar's close button.
    void requestClose(unsigned long window);
    // Gives a window the keyboard and types a key combination ("ctrl+q").
    void type(unsigned long window, const std::string& keys);
    // A left click at a point of a window, as the mouse makes it.
    void click(unsigned long window, int x, int y);
    // The pixels (0xRRGGBB, row by row) of a rectangle of a window.
    std::vector<unsigned long> grab(unsigned long window, int x, int y, int width, int height);
    // The same, once drawn (not one colour) and the same twice running; the
    // last grab if that never happens within 15 seconds.
    std::vector<unsigned long> settled(unsigned long window, int x, int y, int width, int height);

private:
    void xdotool(const std::string& arguments);

    pid_t server_ = -1;
    std::string name_;
    void* display_ = nullptr;
    std::optional<ScopedEnv> environment_[3];
};

// The processes running `executable`.
std::vector<pid_t> runningFrom(const std::filesystem::path& executable);
// Asks `pid` to quit as a logout does (SIGTERM); true when it ended within
// ten seconds, and killed otherwise.
bool quits(pid_t pid);

}  // namespace e2e
