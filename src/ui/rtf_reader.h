#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace ludowell {

// Styled text for a rich-text view: `html` is the subset of HTML that Qt's
// rich-text engine understands, `text` the same content without markup.
struct RichText {
    std::string html;
    std::string text;
};

// Converts Rich Text Format into RichText. Never throws on bad input: broken
// documents give whatever text could be recovered. Needs no Qt, so it can be
// exercised without a window.
RichText rtfToRichText(std::string_view rtf);

// True when the bytes begin like an RTF document ("{\rtf", after an optional
// byte-order mark and white space).
bool looksLikeRtf(std::string_view bytes);

// Reads a document whose format is detected from its content: RTF, or plain
// UTF-8 text. Empty when the bytes are neither, or hold no visible text.
std::optional<RichText> readStyledText(std::string_view bytes);

}  // namespace ludowell
