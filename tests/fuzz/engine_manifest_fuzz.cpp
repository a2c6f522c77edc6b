// The engine manifest: decoding and validation.
#include "engine/engine_manifest.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ludowell::EngineManifest::decode(fuzzText(data, size)).validate();
    } catch (const std::exception&) {
    }
    return 0;
}
