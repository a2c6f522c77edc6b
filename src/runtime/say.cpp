#include "runtime/say.h"

#include <cstdio>

namespace ludowell {
void say(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
}  // namespace ludowell
