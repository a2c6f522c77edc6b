#pragma once
// A word from the app in the system's notification centre, for when a
// long step ends while the window is behind others.
#include <string>

namespace ludowell::platform {

// Posts the notification and returns at once; without a notification
// service (or the user's permission) nothing is shown.
void notify(const std::string& title, const std::string& body);

}  // namespace ludowell::platform
