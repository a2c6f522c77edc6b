// The update feed, and the version order over whatever versions it holds.
#include "app/update/appcast.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzzText(data, size);
    try {
        auto items = ludowell::appcast::parse(text);
        ludowell::appcast::newest(items, "1.0.0", "26.0");
    } catch (const ludowell::UpdateError&) {
    }
    // The order must be antisymmetric, whatever the text.
    const auto half = text.size() / 2;
    const auto a = text.substr(0, half), b = text.substr(half);
    const int forward = ludowell::appcast::compareVersions(a, b), backward = ludowell::appcast::compareVersions(b, a);
    if ((forward > 0) != (backward < 0) || (forward == 0) != (backward == 0)) __builtin_trap();
    return 0;
}
