// The update feed, and the version order over whatever versions it holds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/update/appcast.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        auto items = ludowell::appcast::parse(text);
        ludowell::appcast::newest(items, "1.0.0");
    } catch (const ludowell::UpdateError&) {
    }
    const auto half = text.size() / 2;
    ludowell::appcast::compareVersions(text.substr(0, half), text.substr(half));
    return 0;
}
