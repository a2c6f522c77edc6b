// The bundled catalog, as any bytes.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include <nlohmann/json.hpp>

#include "core/game_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        for (const auto& profile : ludowell::GameProfile::decodeCatalog(std::string(reinterpret_cast<const char*>(data), size)))
            profile.toJson().dump();
    } catch (const std::exception&) {
    }
    return 0;
}
