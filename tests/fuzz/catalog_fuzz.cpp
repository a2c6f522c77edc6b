// The bundled catalog, as any bytes.
#include <nlohmann/json.hpp>

#include "core/game_profile.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        for (const auto& profile : ludowell::GameProfile::decodeCatalog(fuzzText(data, size)))
            profile.toJson().dump();
    } catch (const std::exception&) {
    }
    return 0;
}
