#include "core/library_snapshot.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>

#include "core/utf8.h"

namespace ludowell {
namespace {

constexpr std::array<const char*, 6> kRawStages = {"setup", "signIn", "install", "downloading", "ready", "running"};

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// An optional sign and digits, nothing else; overflow does not parse.
std::optional<long long> parseInteger(const std::string& text) {
    size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    for (size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9') return std::nullopt;
    errno = 0;
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE) return std::nullopt;
    return value;
}

std::optional<double> parseNumber(const std::string& text) {
    if (text.empty() || isSpace(text[0])) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string rawValue(GameStage stage) { return kRawStages[static_cast<size_t>(stage)]; }

std::optional<GameStage> gameStageFromRaw(const std::string& raw) {
    for (size_t i = 0; i < kRawStages.size(); ++i)
        if (raw == kRawStages[i]) return static_cast<GameStage>(i);
    return std::nullopt;
}

std::optional<std::string> LibrarySnapshot::value(const std::string& key, const std::string& text) {
    // Equivalent to the pattern "KEY"\s+"([^"]*)" taking the leftmost match.
    const std::string quoted = "\"" + key + "\"";
    for (size_t at = text.find(quoted); at != std::string::npos; at = text.find(quoted, at + 1)) {
        size_t i = at + quoted.size();
        size_t spaceStart = i;
        while (i < text.size() && isSpace(text[i])) ++i;
        if (i == spaceStart || i >= text.size() || text[i] != '"') continue;
        size_t close = text.find('"', i + 1);
        if (close == std::string::npos) continue;
        return text.substr(i + 1, close - i - 1);
    }
    return std::nullopt;
}

LibrarySnapshot LibrarySnapshot::fromAppManifest(std::string manifest, bool gameInstalled, bool signInConfirmed) {
    if (!isValidUtf8(manifest)) manifest.clear();

    auto field = [&](const char* key) { return value(key, manifest); };
    long long state = 0;
    if (auto raw = field("StateFlags")) state = parseInteger(*raw).value_or(0);
    double done = 0, total = 0;
    if (auto raw = field("BytesDownloaded")) done = parseNumber(*raw).value_or(0);
    if (auto raw = field("BytesToDownload")) total = parseNumber(*raw).value_or(0);

    if (state == 4 && gameInstalled) return {GameStage::ready, std::nullopt};
    if (state != 4 && total > 0) {
        // "nan" and "inf" parse as numbers; no ratio of them is a fraction done.
        const double fraction = done / total;
        return {GameStage::downloading, fraction >= 0 ? std::min(fraction, 1.0) : 0.0};
    }
    if (signInConfirmed) return {GameStage::install, std::nullopt};
    return {GameStage::signIn, std::nullopt};
}

}  // namespace ludowell
