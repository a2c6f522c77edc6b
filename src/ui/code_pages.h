#pragma once
#include <optional>

namespace ludowell {

// Decodes one byte of a Windows single-byte code page (874, 1250 to 1258)
// or Mac Roman (10000) with the system's iconv. Empty when the code page is
// not one of those or the byte has no character there.
std::optional<char32_t> decodeCodePageByte(long codePage, unsigned char byte);

// A byte above 0x7F of `codePage`: U+FFFD for a hole in it. A code page
// the system cannot decode reads as Windows-1252, and 10000 as Mac Roman,
// from the two tables every Mac has.
char32_t decodeUpperByte(long codePage, unsigned char byte);

// The code page an RTF font's \fcharset stands for; empty for the ANSI and
// default charsets, which follow the document's \ansicpg.
std::optional<long> codePageOfCharset(long charset);

}  // namespace ludowell
