#include "ui/code_pages.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <map>
#include <mutex>

namespace ludowell {
namespace {

const char* iconvName(long codePage) {
    switch (codePage) {
    case 874: return "CP874";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1252: return "CP1252";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1255: return "CP1255";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    case 10000: return "MACINTOSH";
    default: return nullptr;
    }
}

// 128 upper-half characters per code page, decoded once; 0 marks a hole.
using Table = std::array<char32_t, 128>;

std::optional<Table> buildTable(const char* name) {
    iconv_t converter = iconv_open("UTF-32LE", name);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    Table table{};
    for (int b = 0x80; b <= 0xFF; ++b) {
        char in = static_cast<char>(b);
        unsigned char out[16] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        size_t inLeft = 1, outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);  // no state from the last byte
        // One code point exactly: 1258's combining marks may be held back
        // waiting for a base character, and then count as a hole.
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1) && sizeof out - outLeft == 4)
            table[b - 0x80] = char32_t(out[0]) | char32_t(out[1]) << 8 | char32_t(out[2]) << 16 |
                              char32_t(out[3]) << 24;
    }
    iconv_close(converter);
    return table;
}

}  // namespace

std::optional<char32_t> decodeCodePageByte(long codePage, unsigned char byte) {
    const char* name = iconvName(codePage);
    if (!name) return std::nullopt;
    if (byte < 0x80) return byte;
    static std::mutex mutex;
    static std::map<long, std::optional<Table>> tables;
    std::lock_guard lock(mutex);
    auto found = tables.find(codePage);
    if (found == tables.end()) found = tables.emplace(codePage, buildTable(name)).first;
    if (!found->second) return std::nullopt;
    const char32_t c = (*found->second)[byte - 0x80];
    if (c == 0) return std::nullopt;
    return c;
}

std::optional<long> codePageOfCharset(long charset) {
    switch (charset) {
    case 77: return 10000;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return std::nullopt;
    }
}

}  // namespace ludowell
