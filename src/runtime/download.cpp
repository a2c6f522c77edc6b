#include <system_error>

#include "core/failure.h"
#include "runtime/digest.h"
#include "runtime/runtime.h"

namespace ludowell {

void Runtime::download(const std::string& source, const fs::path& to, const std::string& sha,
                       std::uint64_t limit) const {
    if (exists(to) && digest(to) == sha) return;  // verified copy: no network at all

    fs::path working = to;
    working += ".partial";
    std::error_code ignored;
    fs::remove(working, ignored);

    // A server that sends more than the pinned file holds is not sending
    // it: the transfer ends as soon as the working file outgrows the pin.
    auto outgrown = [&] {
        std::error_code ec;
        const auto size = fs::file_size(working, ec);
        return limit > 0 && !ec && size > limit;
    };
    const auto whole = runUntil("/usr/bin/curl",
                                {"--fail", "--location", "--proto", "=https", "--proto-redir", "=https",
                                 "--connect-timeout", "20", "--max-time", "600", "--retry", "2", "--output",
                                 working.string(), source},
                                std::nullopt, 650, {0}, outgrown);

    if (!whole || digest(working) != sha) {
        fs::remove(working, ignored);
        throw Failure(
            "The downloaded file differs from the validated version. Setup stopped without "
            "executing it. A newer launcher may be needed.");
    }
    // The old file goes only now that its replacement is known to be right.
    if (exists(to)) fs::remove(to);
    fs::rename(working, to);
}

}  // namespace ludowell
