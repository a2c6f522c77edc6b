// The command line: arguments separated by NUL bytes.
#include <vector>

#include "app/arguments.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments(1, "ludowell");
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) arguments.emplace_back();
        else arguments.back() += char(data[i]);
    }
    for (const char* option : {"--game", "--data-root", "--command", "--preview-state"})
        ludowell::argument(arguments, option);
    ludowell::hasFlag(arguments, "--hud");
    return 0;
}
