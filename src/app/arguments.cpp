#include "app/arguments.h"

#include <algorithm>

namespace ludowell {

std::optional<std::string> argument(const std::vector<std::string>& arguments, const std::string& name) {
    auto it = std::find(arguments.begin(), arguments.end(), name);
    if (it == arguments.end() || std::next(it) == arguments.end()) return std::nullopt;
    return *std::next(it);
}

bool hasFlag(const std::vector<std::string>& arguments, const std::string& flag) {
    return std::find(arguments.begin(), arguments.end(), flag) != arguments.end();
}

}  // namespace ludowell
