#pragma once
#include <optional>
#include <string>
#include <vector>

namespace ludowell {

// The value after the first argument equal to `name`, taken verbatim even
// when it looks like an option; none when `name` is absent or last.
std::optional<std::string> argument(const std::vector<std::string>& arguments, const std::string& name);
bool hasFlag(const std::vector<std::string>& arguments, const std::string& flag);

}  // namespace ludowell
