#pragma once
#include <string>

namespace ludowell {
// One progress line on standard output, flushed at once so a parent reading
// the pipe sees it immediately.
void say(const std::string& line);
}  // namespace ludowell
