#pragma once

namespace ludowell::ui {

// True when a window can be shown: a display server to talk to, or a Qt
// platform plugin that draws without one (offscreen, for instance).
bool canShowWindow();

}  // namespace ludowell::ui
