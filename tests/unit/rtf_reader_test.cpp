// The reader lives in the window library, which unit tests do not link; it
// needs no Qt, so it is compiled straight into this test.
#include "ui/code_pages.cpp"
#include "ui/rich_html.cpp"
#include "ui/rtf_reader.cpp"

#include <gtest/gtest.h>

#include "core/files.h"

using ludowell::readStyledText;
using ludowell::rtfToRichText;

namespace {

std::string sample(const std::string& name) {
    return ludowell::readFile(std::string(LUDOWELL_SOURCE_DIR) + "/tests/data/rtf/" + name).value_or("");
}

bool contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

}  // namespace

TEST(RtfReader, ReadsATextEditDocument) {
    const auto doc = rtfToRichText(sample("textedit.rtf"));
    // Trailing backslashes end paragraphs; code page 1252 gives typographic marks.
    EXPECT_TRUE(doc.text.starts_with("SAMPLE SOFTWARE LICENSE\n\nPLEASE READ THIS AGREEMENT CAREFULLY.")) << doc.text;
    EXPECT_TRUE(contains(doc.text, "the software \u201Cas is\u201D for evaluation \u2014 nothing more.\n"));
    // \uc0 means no fallback characters follow: nothing after \u is eaten.
    EXPECT_TRUE(contains(doc.text, "\t\u2022\tKeep the caf\u00e9\u2019s receipt.\n"));
    EXPECT_TRUE(contains(doc.text, "in \u20AC\u00A0and amounts < 5 & > 1 are \u201Csmall\u201D."));
    // Tables, list templates and colour names never leak into the text.
    for (const char* hidden : {"Helvetica", "disc", "csgray", ";;"}) EXPECT_FALSE(contains(doc.text, hidden)) << hidden;

    EXPECT_TRUE(contains(doc.html, "align=\"center\"><span style=\"font-weight:600; font-size:14px\">SAMPLE"));
    EXPECT_TRUE(contains(doc.html, "<span style=\"font-style:italic; font-size:12px\">not</span>"));
    EXPECT_TRUE(contains(doc.html, "text-decoration:underline; font-size:12px\">see section 2</span>"));
    EXPECT_TRUE(contains(doc.html, "amounts &lt; 5 &amp; &gt; 1"));
    EXPECT_TRUE(contains(doc.html, "margin-left:36px; margin-right:0px; text-indent:-36px"));
    EXPECT_TRUE(contains(doc.html, "&#x2003;\u2022&#x2003;Keep"));
}

TEST(RtfReader, ReadsAWordPadDocument) {
    const auto doc = rtfToRichText(sample("wordpad.rtf"));
    EXPECT_EQ(doc.text.substr(0, 17), "End User Licence\n");
    // \uN? escapes drop their fallback; surrogate pairs join into one character.
    EXPECT_TRUE(contains(doc.text, "Na\u00efve r\u00e9sum\u00e9 costs \u20AC100 \u2013 smile \U0001F600 please.\n"));
    EXPECT_TRUE(contains(doc.text, "\u00B7\tFirst point with emphasis.\n"));
    EXPECT_TRUE(contains(doc.text, "\u00B7\tSecond point\non two lines.\n"));
    // \uc2 skips two fallback characters, whether escaped bytes or plain ones.
    EXPECT_TRUE(contains(doc.text, "Greek \u0393 and \u03A9 done\n"));
    for (const char* hidden : {"Calibri", "Riched20", "0100090000", "pntxtb"}) EXPECT_FALSE(contains(doc.text, hidden)) << hidden;

    EXPECT_TRUE(contains(doc.html, "margin-bottom:10px;"));
    EXPECT_TRUE(contains(doc.html, "font-weight:600; font-size:16px\">End User Licence"));
    EXPECT_TRUE(contains(doc.html, "Second point</span><br />"));
}

// The text of small documents: code pages, font charsets, symbols and
// skipped destinations, then malformed input.
TEST(RtfReader, DecodesSmallDocumentsAndSurvivesMalformedOnes) {
    const std::pair<std::string, std::string> rows[] = {
        {R"({\rtf1\ansi \'80\'e9\'9f\'81})", "\u20AC\u00e9\u0178\uFFFD"},
        {R"({\rtf1\mac \'80\'8e\'d5})", "\u00C4\u00e9\u2019"},
        {R"({\rtf1\ansi\ansicpg10000 \'a5})", "\u2022"},
        {R"({\rtf1 a\{b\}c\\d\~e\_f\-g\emdash\bullet})", "a{b}c\\d\u00A0e\u2011fg\u2014\u2022"},
        {R"({\rtf1 \u-4064?\u55357?x\u56832?})", "\uF020\uFFFDx\uFFFD"},
        // Destinations and binary data are skipped.
        {"{\\rtf1{\\*\\unknowndest hidden{\\b deeper}}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
         "{\\header head}{\\*\\bkmkstart mark}{\\pict\\bin5 {}}\\par} shown}",
         " shown"},
        // "Привет, мир" as a Cyrillic word processor writes it.
        {"{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}}"
         "\\f0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, \\'ec\\'e8\\'f0}",
         "Привет, мир"},
        // The font's charset wins over the document's code page, per font.
        {"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 Times;}{\\f1\\fcharset161 Arial;}"
         "{\\f2\\fcharset238 Arial;}}\\f0\\'e9 {\\f1\\'e1\\'e2} \\f2\\'b9\\f0\\'e9}",
         "é αβ ąé"},
        // \uN stays as it is, whatever the font.
        {"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 A;}}\\f0\\u1046?\\'c6}", "ЖЖ"},
        // Code pages iconv does not have fall back to Windows-1252.
        {"{\\rtf1\\ansi\\ansicpg437 \\'e9}", "é"},
        // Unbalanced braces: the text around them still shows.
        {"{\\rtf1 a}}}b{\\b c", "abc"},
        // Truncated escapes at the end or before non-hex characters are dropped.
        {"{\\rtf1 x\\'4", "x"},
        {"{\\rtf1 x\\'4zy\\'", "xzy"},
        {"{\\rtf1 x\\", "x"},
        {"{\\rtf1 x\\u", "x"},
        // Huge parameters saturate instead of overflowing.
        {"{\\rtf1\\u99999999999? a\\li99999999999 b}", "\uFFFD ab"},
        {"{\\rtf1 {\\uc99999999999\\u65 lost} kept\\bin99999999999 x}", "A kept"},
        {"{\\rtf1 " + std::string(100000, '{') + "\\b deep" + std::string(100000, '}') + " end}", "deep end"},
        {"{\\rtf1 " + std::string(100000, '{') + "open", "open"},
    };
    for (const auto& [rtf, text] : rows) EXPECT_EQ(rtfToRichText(rtf).text, text) << rtf.substr(0, 200);

    auto huge = rtfToRichText("{\\rtf1\\fs99999999999999999999 big\\fs-5 small}");
    EXPECT_TRUE(contains(huge.html, "font-size:144px\">big")) << huge.html;
    EXPECT_TRUE(contains(huge.html, "font-size:1px\">small")) << huge.html;
    // Formatting inside the deepest groups does not outlive them.
    const auto nested = rtfToRichText("{\\rtf1 " + std::string(5000, '{') + "\\b x" + std::string(5000, '}') + "y}");
    EXPECT_TRUE(contains(nested.html, "</span>y</p>")) << nested.html.substr(nested.html.size() - 80);
}

TEST(RtfReader, DetectsTheFormatOfAFile) {
    EXPECT_EQ(readStyledText("\xEF\xBB\xBF\r\n {\\rtf1 hello}").value_or(ludowell::RichText{}).text, "hello");

    auto plain = readStyledText("Line <one>\r\n\r\nLine two");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->text, "Line <one>\n\nLine two");
    EXPECT_TRUE(contains(plain->html, "Line &lt;one&gt;</p>"));

    EXPECT_FALSE(readStyledText(""));
    EXPECT_FALSE(readStyledText("{\\rtf1{\\fonttbl\\f0 Helvetica;}\\par\\par }"));  // nothing to read
    EXPECT_FALSE(readStyledText(std::string("PK\x03\x04\0\0binary", 12)));
    EXPECT_FALSE(readStyledText("caf\xe9 in Latin-1"));
}
