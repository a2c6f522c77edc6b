// The Rosetta probe: on the testbed the runtime always suits the tuning.
#include <cstdio>
#include <string>

#include "common/journal.h"
#include "common/process.h"

int main(int argc, char** argv) {
    testbed_engine::closeInheritedDescriptors();
    testbed_engine::journal("tessaline", argc, argv);
    if (argc == 2 && std::string(argv[1]) == "--probe") return 0;
    std::fputs("Usage: tessaline --probe\n", stderr);
    return 2;
}
