// Steam's game-process log, decoded as the tracker decodes its tail.
#include "core/game_profile.h"
#include "core/process_tracking.h"
#include "core/utf8.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = ludowell::decodeUtf8Lossy(fuzzText(data, size));
    ludowell::hasTrackedGame(text, ludowell::GameProfile::aoeIV());
    ludowell::lastCharacters(text, 2000);
    return 0;
}
