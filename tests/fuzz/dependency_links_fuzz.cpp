// The dependency links: decoding, and the test that keeps them inside.
#include "engine/engine_manifest.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzzText(data, size);
    // A path that passes never starts at the root nor holds a ".." piece.
    if (!ludowell::escapingLinkPath(text) &&
        (text.starts_with("/") || text == ".." || text.starts_with("../") || text.ends_with("/..") ||
         text.find("/../") != std::string::npos))
        std::abort();
    try {
        for (const auto& [name, value] : ludowell::decodeDependencyLinks(text)) {
            ludowell::escapingLinkPath(name);
            ludowell::escapingLinkPath(value);
        }
    } catch (const std::exception&) {
    }
    return 0;
}
