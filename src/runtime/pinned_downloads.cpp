#include "runtime/pinned_downloads.h"

#include "platform/host.h"

namespace ludowell {

PinnedDownload packageDownload(const platform::Host& host) {
    const auto source = host.downloads().package;
    return {source.url, source.sha, source.size, source.limit ? source.limit : source.size};
}

PinnedDownload steamInstallerDownload(const platform::Host& host) {
    const auto source = host.downloads().steamInstaller;
    return {source.url, source.sha, source.size, source.limit ? source.limit : source.size};
}

}  // namespace ludowell
