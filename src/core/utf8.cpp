#include "core/utf8.h"

#include <cstdint>

namespace ludowell {

namespace {
// Length of the valid UTF-8 sequence at `i`, or 0 when it is invalid.
size_t sequenceLength(std::string_view s, size_t i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    if (c < 0x80) return 1;
    size_t length;
    uint32_t minimum;
    uint32_t value;
    if ((c & 0xE0) == 0xC0) { length = 2; minimum = 0x80; value = c & 0x1F; }
    else if ((c & 0xF0) == 0xE0) { length = 3; minimum = 0x800; value = c & 0x0F; }
    else if ((c & 0xF8) == 0xF0) { length = 4; minimum = 0x10000; value = c & 0x07; }
    else return 0;
    if (i + length > s.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    return length;
}
}  // namespace

bool isValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        size_t n = sequenceLength(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string decodeUtf8Lossy(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        size_t n = sequenceLength(bytes, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(bytes.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::string lastCharacters(const std::string& text, size_t count) {
    size_t i = text.size();
    size_t seen = 0;
    while (i > 0 && seen < count) {
        --i;
        while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) --i;
        // CR LF is one user-perceived character; Wine's tools write it.
        if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') --i;
        ++seen;
    }
    return text.substr(i);
}

}  // namespace ludowell
