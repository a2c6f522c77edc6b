// The engine manifest: decoding and validation.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "engine/engine_manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ludowell::EngineManifest::decode(std::string(reinterpret_cast<const char*>(data), size)).validate();
    } catch (const std::exception&) {
    }
    return 0;
}
