#include "ui/code_pages.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <map>
#include <mutex>

namespace ludowell {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the holes stay unknown.
constexpr std::array<char16_t, 32> kCp1252 = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Mac OS Roman, 0x80..0xFF, for documents written with \mac or \ansicpg10000.
constexpr std::array<char16_t, 128> kMacRoman = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1,
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8,
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC,
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF,
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211,
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8,
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153,
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA,
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4,
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};

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

char32_t decodeUpperByte(long codePage, unsigned char byte) {
    if (auto c = decodeCodePageByte(codePage, byte)) return *c;
    if (codePage != 1252 && codePage != 10000 && decodeCodePageByte(codePage, 0x41)) return 0xFFFD;  // a hole
    if (codePage == 10000) return kMacRoman[byte - 0x80];
    if (byte < 0xA0) return kCp1252[byte - 0x80];
    return byte;  // 1252 and Latin-1 agree from 0xA0 on
}

}  // namespace ludowell
