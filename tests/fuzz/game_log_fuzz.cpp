// Steam's game-process log, decoded as the tracker decodes its tail.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/game_profile.h"
#include "core/process_tracking.h"
#include "core/files.h"
#include "core/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = ludowell::decodeUtf8Lossy(std::string_view(reinterpret_cast<const char*>(data), size));
    ludowell::hasTrackedGame(text, ludowell::GameProfile::aoeIV());
    ludowell::lastCharacters(text, 2000);
    return 0;
}
