#include "ui/rich_html.h"

namespace ludowell::richhtml {

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendEscaped(std::string& out, char32_t c) {
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    default: appendUtf8(out, c);
    }
}

std::string paragraphOpen(const ParaFormat& p) {
    // Twips to points; a point is one logical pixel in the view.
    auto px = [](int twips) { return std::to_string(twips / 20); };
    std::string s = "<p style=\"margin-top:" + px(p.before) + "px; margin-bottom:" + px(p.after) +
                    "px; margin-left:" + px(p.left) + "px; margin-right:" + px(p.right) +
                    "px; text-indent:" + px(p.first) + "px; white-space:pre-wrap;\"";
    if (p.align) s += std::string(" align=\"") + p.align + "\"";
    return s + ">";
}

std::string spanOpen(const CharFormat& f) {
    std::string style;
    if (f.bold) style += "font-weight:600; ";
    if (f.italic) style += "font-style:italic; ";
    if (f.underline && f.strike) style += "text-decoration:underline line-through; ";
    else if (f.underline) style += "text-decoration:underline; ";
    else if (f.strike) style += "text-decoration:line-through; ";
    if (f.halfPoints > 0) style += "font-size:" + std::to_string((f.halfPoints + 1) / 2) + "px; ";
    if (f.script > 0) style += "vertical-align:super; ";
    if (f.script < 0) style += "vertical-align:sub; ";
    if (style.empty()) return {};
    style.resize(style.size() - 2);
    return "<span style=\"" + style + "\">";
}

RichText plainToRichText(std::string_view s) {
    RichText out;
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t end = s.find('\n', start);
        if (end == std::string_view::npos) end = s.size();
        std::string_view line = s.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string p;
        for (char c : line) appendEscaped(p, static_cast<unsigned char>(c));
        out.html += paragraphOpen({}) + (p.empty() ? "&nbsp;" : p) + "</p>\n";
        if (start > 0) out.text += '\n';
        out.text.append(line);
        start = end + 1;
    }
    return out;
}

}  // namespace ludowell::richhtml
