// Stands in for the window until the application shell is built.
#include <cstdio>

#include "app/windowed.h"

namespace ludowell {

int runWindowed(const StartupState&, int, char**) {
    std::fprintf(stderr, "The Ludowell window is not part of this build yet; use --command.\n");
    return 0;
}

int showCatalogFailure(const std::string& message, int, char**) {
    std::fprintf(stderr, "Ludowell couldn't open\n%s\n", message.c_str());
    return 1;
}

}  // namespace ludowell
