#pragma once
// The subset of HTML that Qt's rich-text engine reads, as the licence
// readers write it.
#include <string>
#include <string_view>

#include "ui/rtf_reader.h"

namespace ludowell::richhtml {

// A run of characters' look.
struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int script = 0;     // 1 superscript, -1 subscript
    int halfPoints = 0; // 0: the view's own size
    bool operator==(const CharFormat&) const = default;
};

// A paragraph's alignment and spacing.
struct ParaFormat {
    const char* align = nullptr;
    int left = 0, right = 0, first = 0, before = 0, after = 0;  // twips
};

// `c` as UTF-8, or U+FFFD where it is no character.
void appendUtf8(std::string& out, char32_t c);
// `c` as UTF-8, escaped for HTML text and attributes.
void appendEscaped(std::string& out, char32_t c);
std::string paragraphOpen(const ParaFormat& p);
// Empty for the view's own look.
std::string spanOpen(const CharFormat& f);

// Plain text, one paragraph per line.
RichText plainToRichText(std::string_view s);

}  // namespace ludowell::richhtml
