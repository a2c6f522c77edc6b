#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "engine/engine_digest.h"
#include "engine/engine_manifest.h"
#include "platform/platform.h"
#include "runtime/digest.h"
#include "core/files.h"
#include "runtime/runtime.h"

namespace ludowell {
std::string engineDigest(const Runtime& runtime, const fs::path& file, const EngineManifest& manifest) {
    if (manifest.hashFormat != std::optional<std::string>(kUnsignedMachOFormat)) return digest(file);

    unsigned char head[4] = {};
    ssize_t count = 0;
    {
        int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            throw fs::filesystem_error("Could not open the file", file,
                                       std::error_code(errno, std::generic_category()));
        count = ::read(fd, head, 4);
        int error = errno;
        ::close(fd);
        if (count < 0)
            throw fs::filesystem_error("Could not read the file", file,
                                       std::error_code(error, std::generic_category()));
    }
    if (!isMachOHeader(head, size_t(count))) return digest(file);

    // Signatures change with every signing; the code under them does not.
    auto verify = runtime.host().signatureVerify(file);
    runtime.run(verify.executable, verify.arguments, std::nullopt, 15);

    // Inside the data root, not the shared temporary folder: a run killed
    // mid-hash leaves it where the next run holding the lock sweeps it.
    const fs::path working = runtime.root() / ("hash-staging-" + platform::makeUUID());
    runtime.make(working);
    ScopedRemoval removal{working};
    const fs::path payload = working / "payload";
    fs::copy_file(file, payload);
    auto strip = runtime.host().signatureRemove(payload);
    runtime.run(strip.executable, strip.arguments, std::nullopt, 15);
    return digest(payload);
}

}  // namespace ludowell
