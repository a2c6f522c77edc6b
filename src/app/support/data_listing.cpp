#include "app/support/data_listing.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <deque>
#include <vector>

namespace ludowell {
namespace fs = std::filesystem;
namespace {

std::string stamp(std::time_t time) {
    char text[32];
    std::tm parts{};
    ::gmtime_r(&time, &parts);
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &parts);
    return text;
}

}  // namespace

std::string listDataRoot(const fs::path& root, const Redaction& redaction, int depth, std::size_t maxEntries) {
    struct Entry {
        fs::path relative;
        int level;
    };
    std::deque<Entry> pending{{fs::path(), 0}};
    std::vector<std::pair<std::string, std::string>> lines;  // path, line
    std::size_t left = 0;
    while (!pending.empty()) {
        const Entry folder = pending.front();
        pending.pop_front();
        std::error_code ec;
        std::vector<fs::path> names;
        for (fs::directory_iterator it(root / folder.relative, ec), end; !ec && it != end; it.increment(ec))
            names.push_back(it->path().filename());
        std::sort(names.begin(), names.end());
        for (const auto& name : names) {
            if (Redaction::isPrivateName(name.string())) continue;
            const fs::path relative = folder.relative / name;
            struct stat info{};
            if (::lstat((root / relative).c_str(), &info) != 0) continue;  // gone meanwhile
            if (lines.size() >= maxEntries) {
                ++left;
                continue;
            }
            std::string shown;
            for (const auto& part : relative) {
                std::string piece = part.string();
                // Wine names the user's folder after the account.
                if (shown.ends_with("drive_c/users") &&
                    std::find(redaction.accounts.begin(), redaction.accounts.end(), piece) != redaction.accounts.end())
                    piece = "~";
                shown += (shown.empty() ? "" : "/") + piece;
            }
            const char kind = S_ISDIR(info.st_mode) ? 'd' : S_ISLNK(info.st_mode) ? 'l' : '-';
            std::string line = std::string(1, kind) + " " + std::to_string(info.st_size) + " " +
                               stamp(info.st_mtime) + " " + shown + (kind == 'd' ? "/" : "");
            if (kind == 'l') {
                std::error_code linkError;
                line += " -> " + fs::read_symlink(root / relative, linkError).string();
            }
            lines.emplace_back(shown, redaction.apply(line));
            if (kind == 'd' && folder.level + 1 < depth) pending.push_back({relative, folder.level + 1});
        }
    }
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const auto& entry : lines) text += entry.second + "\n";
    if (left) text += "… " + std::to_string(left) + " deeper entries not listed\n";
    return text;
}

}  // namespace ludowell
