// Steam's application manifest as the library snapshot reads it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/library_snapshot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (bool installed : {false, true}) {
        auto snapshot = ludowell::LibrarySnapshot::fromAppManifest(text, installed, !installed);
        if (snapshot.download && !(*snapshot.download >= 0 && *snapshot.download <= 1)) std::abort();
    }
    ludowell::LibrarySnapshot::value("StateFlags", text);
    return 0;
}
