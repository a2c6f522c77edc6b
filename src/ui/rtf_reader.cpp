#include "ui/rtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "ui/code_pages.h"
#include "ui/rich_html.h"
#include "core/utf8.h"

namespace ludowell {
namespace {

using namespace richhtml;

constexpr char32_t kReplacement = 0xFFFD;

// Groups whose content is never shown: tables, metadata, pictures, objects,
// headers and footers. Starred groups are skipped as well.
constexpr std::string_view kDestinations[] = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "objdata",
    "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
    "footerf", "footnote", "fldinst", "themedata", "colorschememapping",
    "latentstyles", "datastore", "listtable", "listoverridetable", "rsidtbl",
    "generator", "filetbl", "revtbl", "pgdsctbl", "xmlnstbl", "mmathPr",
    "nonshppict", "shp", "private", "xe", "tc", "userprops"};

struct GroupState {
    CharFormat chr;
    ParaFormat para;
    long skipAfterUnicode = 1;
    bool hidden = false;
    bool fontTable = false;  // inside \fonttbl: \f defines a font instead of choosing one
    long font = -1;          // -1: the document's default font
};

// Deeper groups share the state of this level, so hostile nesting costs
// no more memory than a sane document.
constexpr std::size_t kMaxDepth = 4096;

long clampLong(long long v, long lo, long hi) {
    return static_cast<long>(std::clamp<long long>(v, lo, hi));
}

class Converter {
public:
    explicit Converter(std::string_view in) : in_(in) {}

    RichText run() {
        while (pos_ < in_.size()) {
            const unsigned char c = static_cast<unsigned char>(in_[pos_++]);
            switch (c) {
            case '{': openGroup(); break;
            case '}': closeGroup(); break;
            case '\\': control(); break;
            case '\r':
            case '\n': break;
            default:
                if (consumeFallback()) break;
                character(c >= 0x80 ? decode(c) : c);
            }
        }
        flushSurrogate();
        if (!para_.empty()) {
            flushParagraph(cur_.para);
            out_.text.pop_back();  // no paragraph mark ended it
        }
        return std::move(out_);
    }

private:
    void openGroup() {
        skipChars_ = 0;
        if (stack_.size() >= kMaxDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(cur_);
    }

    void closeGroup() {
        skipChars_ = 0;
        if (overflow_ > 0) {
            --overflow_;
        } else if (!stack_.empty()) {
            cur_ = stack_.back();
            stack_.pop_back();
        }
        // A closing brace too many is ignored: the text around it still shows.
    }

    // After \uN the reader skips the N fallback characters that follow; a
    // brace ends that early.
    bool consumeFallback() {
        if (skipChars_ <= 0) return false;
        --skipChars_;
        return true;
    }

    void control() {
        if (pos_ >= in_.size()) return;  // a lone backslash at the very end
        const char c = in_[pos_];
        if (!isAlpha(c)) {
            ++pos_;
            symbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && isAlpha(in_[pos_])) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        bool negative = false, hasParam = false;
        long long param = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            hasParam = true;
            // Saturate instead of overflowing; the digits are still consumed.
            param = std::min<long long>(param * 10 + (in_[pos_] - '0'), 1LL << 40);
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;

        if (word == "bin") {
            // Raw bytes follow; they must never be read as markup.
            pos_ += static_cast<std::size_t>(std::clamp<long long>(param, 0, in_.size() - pos_));
            return;
        }
        if (consumeFallback()) return;
        keyword(word, hasParam, param);
    }

    void symbol(char c) {
        if (c == '\'') {
            int value = 0, digits = 0;
            while (digits < 2 && pos_ < in_.size() && hexValue(in_[pos_]) >= 0) {
                value = value * 16 + hexValue(in_[pos_++]);
                ++digits;
            }
            if (consumeFallback() || digits < 2) return;  // a truncated escape is dropped
            character(value >= 0x80 ? decode(static_cast<unsigned char>(value)) : static_cast<char32_t>(value));
            return;
        }
        if (c == '*') {
            cur_.hidden = true;
            return;
        }
        if (consumeFallback()) return;
        switch (c) {
        case '\\':
        case '{':
        case '}': character(static_cast<unsigned char>(c)); break;
        case '~': character(0x00A0); break;
        case '_': character(0x2011); break;
        case '\r':
        case '\n': endParagraph(); break;
        default: break;  // optional hyphen, index and formula marks
        }
    }

    void keyword(std::string_view w, bool hasParam, long long param) {
        const bool on = !hasParam || param != 0;
        CharFormat& f = cur_.chr;
        ParaFormat& p = cur_.para;
        if (w == "par" || w == "sect" || w == "page" || w == "row") endParagraph();
        else if (w == "line") lineBreak();
        else if (w == "tab" || w == "cell") character('\t');
        else if (w == "u" && hasParam) {
            unicode(static_cast<long>(param < 0 ? param + 65536 : param));
            skipChars_ = cur_.skipAfterUnicode;
        } else if (w == "uc") cur_.skipAfterUnicode = clampLong(param, 0, 1 << 20);
        else if (w == "ansi") codepage_ = 1252;
        else if (w == "mac") codepage_ = 10000;
        else if (w == "pc" || w == "pca") codepage_ = 437;
        else if (w == "ansicpg") codepage_ = clampLong(param, 0, 1 << 20);
        else if (w == "deff" && hasParam) defaultFont_ = clampLong(param, 0, 1 << 20);
        else if (w == "f" && hasParam && cur_.fontTable) definingFont_ = clampLong(param, 0, 1 << 20);
        else if (w == "f" && hasParam) cur_.font = clampLong(param, 0, 1 << 20);
        else if (w == "fcharset" && cur_.fontTable && definingFont_ >= 0) {
            if (auto page = codePageOfCharset(param)) fontCodePages_[definingFont_] = *page;
            else fontCodePages_.erase(definingFont_);
        } else if (w == "fonttbl") {
            cur_.hidden = true;
            cur_.fontTable = true;
        }
        else if (w == "plain") f = CharFormat{};
        else if (w == "pard") p = ParaFormat{};
        else if (w == "b") f.bold = on;
        else if (w == "i") f.italic = on;
        else if (w == "strike" || w == "striked") f.strike = on;
        else if (w == "ulnone") f.underline = false;
        else if (w == "ul" || w == "uld" || w == "uldb" || w == "uldash" || w == "ulw" || w == "ulwave" ||
                 w == "ulth")
            f.underline = on;
        else if (w == "fs") f.halfPoints = hasParam ? clampLong(param, 2, 288) : 24;
        else if (w == "super") f.script = 1;
        else if (w == "sub") f.script = -1;
        else if (w == "nosupersub") f.script = 0;
        else if (w == "ql") p.align = nullptr;
        else if (w == "qc") p.align = "center";
        else if (w == "qr") p.align = "right";
        else if (w == "qj") p.align = "justify";
        else if (w == "li") p.left = clampLong(param, 0, 7200);
        else if (w == "ri") p.right = clampLong(param, 0, 7200);
        else if (w == "fi") p.first = clampLong(param, -7200, 7200);
        else if (w == "sb") p.before = clampLong(param, 0, 1440);
        else if (w == "sa") p.after = clampLong(param, 0, 1440);
        else if (w == "emdash") character(0x2014);
        else if (w == "endash") character(0x2013);
        else if (w == "emspace") character(0x2003);
        else if (w == "enspace") character(0x2002);
        else if (w == "qmspace") character(0x2005);
        else if (w == "bullet") character(0x2022);
        else if (w == "lquote") character(0x2018);
        else if (w == "rquote") character(0x2019);
        else if (w == "ldblquote") character(0x201C);
        else if (w == "rdblquote") character(0x201D);
        else if (std::find(std::begin(kDestinations), std::end(kDestinations), w) != std::end(kDestinations))
            cur_.hidden = true;
    }

    // \u takes UTF-16 code units; astral characters arrive as a surrogate pair.
    void unicode(long unit) {
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            flushSurrogate();
            high_ = static_cast<char16_t>(unit);
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF && high_) {
            const char32_t c = 0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00);
            high_ = 0;
            character(c);
            return;
        }
        character(unit < 0 || unit > 0xFFFF ? kReplacement : static_cast<char32_t>(unit));
    }

    void flushSurrogate() {
        if (!high_) return;
        high_ = 0;
        character(kReplacement);
    }

    // A byte above 0x7F is in the current font's charset, or else in the
    // document's code page.
    char32_t decode(unsigned char b) const {
        long page = codepage_;
        const long font = cur_.font >= 0 ? cur_.font : defaultFont_;
        if (auto found = fontCodePages_.find(font); found != fontCodePages_.end()) page = found->second;
        return decodeUpperByte(page, b);
    }

    void character(char32_t c) {
        if (high_ && (c < 0xDC00 || c > 0xDFFF)) {
            high_ = 0;
            character(kReplacement);
        }
        if (cur_.hidden || (c < 0x20 && c != '\t')) return;
        if (!spanOpenFor(cur_.chr)) {
            closeSpan();
            span_ = spanOpen(cur_.chr);
            para_ += span_;
            spanFormat_ = cur_.chr;
            spanValid_ = true;
        }
        // Rich text has no tab stops of its own; an em space keeps list
        // bullets and hanging indents close to where the writer put them.
        if (c == '\t') para_ += "&#x2003;";
        else appendEscaped(para_, c);
        appendUtf8(out_.text, c);
    }

    bool spanOpenFor(const CharFormat& f) const { return spanValid_ && spanFormat_ == f; }

    void closeSpan() {
        if (spanValid_ && !span_.empty()) para_ += "</span>";
        spanValid_ = false;
        span_.clear();
    }

    void lineBreak() {
        if (cur_.hidden) return;
        closeSpan();
        para_ += "<br />";
        out_.text += '\n';
    }

    void endParagraph() {
        if (!cur_.hidden) flushParagraph(cur_.para);
    }

    // RTF gives a paragraph the formatting in force at its end mark.
    void flushParagraph(const ParaFormat& format) {
        closeSpan();
        // An empty paragraph still takes a line, as it does in a word processor.
        out_.html += paragraphOpen(format) + (para_.empty() ? "&nbsp;" : para_) + "</p>\n";
        out_.text += '\n';
        para_.clear();
    }

    static bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::size_t overflow_ = 0;
    GroupState cur_;
    long codepage_ = 1252;
    long defaultFont_ = 0;
    long definingFont_ = -1;
    std::map<long, long> fontCodePages_;
    long skipChars_ = 0;
    char16_t high_ = 0;
    std::string para_;
    std::string span_;
    CharFormat spanFormat_;
    bool spanValid_ = false;
    RichText out_;
};

std::string_view trimBom(std::string_view s) {
    if (s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
    return s;
}

// A NUL never belongs in a text document, however well encoded.
bool validUtf8(std::string_view s) { return s.find('\0') == std::string_view::npos && isValidUtf8(s); }

bool hasVisibleText(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return c != ' ' && c != '\t' && c != '\n' && c != '\r'; });
}

}  // namespace

RichText rtfToRichText(std::string_view rtf) {
    // Whatever precedes the document's opening brace (a byte-order mark, blank
    // lines) is not part of it.
    if (const auto open = rtf.find('{'); open != std::string_view::npos) rtf.remove_prefix(open);
    return Converter(rtf).run();
}

bool looksLikeRtf(std::string_view bytes) {
    bytes = trimBom(bytes);
    while (!bytes.empty() && (bytes.front() == ' ' || bytes.front() == '\t' || bytes.front() == '\r' ||
                              bytes.front() == '\n'))
        bytes.remove_prefix(1);
    return bytes.substr(0, 5) == "{\\rtf";
}

std::optional<RichText> readStyledText(std::string_view bytes) {
    std::optional<RichText> result;
    if (looksLikeRtf(bytes)) result = rtfToRichText(bytes);
    else if (validUtf8(trimBom(bytes))) result = plainToRichText(trimBom(bytes));
    if (!result || !hasVisibleText(result->text)) return std::nullopt;
    return result;
}

}  // namespace ludowell
