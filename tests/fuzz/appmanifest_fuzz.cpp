// Steam's application manifest as the library snapshot reads it.
#include "core/library_snapshot.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzzText(data, size);
    for (bool installed : {false, true}) {
        auto snapshot = ludowell::LibrarySnapshot::fromAppManifest(text, installed, !installed);
        if (snapshot.download && !(*snapshot.download >= 0 && *snapshot.download <= 1)) std::abort();
    }
    ludowell::LibrarySnapshot::value("StateFlags", text);
    return 0;
}
