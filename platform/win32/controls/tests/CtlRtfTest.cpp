#include "win32/controls/CtlRtf.h"
#include "win32/controls/RichEdit.h"

#include <gtest/gtest.h>

namespace {

std::u16string TextOf(const std::string& rtf)
{
    CtlRichText out;
    EXPECT_TRUE(CtlReadRtf(rtf, CtlCharFormat{}, out)) << rtf;
    return out.text;
}

TEST(CtlRtf, ReadsTheTextOfTheSubset)
{
    struct Case {
        const char* rtf;
        std::u16string text;
    } cases[] = {
        {R"({\rtf1\ansi plain})", u"plain"},
        {R"({\rtf1 a\par b\line c\tab d})", u"a\rb\vc\td"},
        {R"({\rtf1 \{braces\} and \\ back})", u"{braces} and \\ back"},
        {R"({\rtf1\ansicpg1252 caf\'e9 \'80})", u"caf\u00e9 \u20ac"},
        {R"({\rtf1\uc1 \u8364?\u-3913?x})", u"\u20ac\uf0b7x"},
        {R"({\rtf1\uc2 \u233\'3f\'3fy})", u"\u00e9y"},
        {R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl ;\red255\green0\blue0;}{\*\generator x;}{\info{\title t}}text})", u"text"},
        {R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt shown}}})", u"shown"},
        {"{\\rtf1 one\r\ntwo}", u"onetwo"},
        {R"({\rtf1 \emdash\lquote q\rquote})", u"\u2014\u2018q\u2019"},
        {R"({\rtf1 unclosed {\b group)", u"unclosed group"},
        {R"({\rtf1 a\bin3 xyzb})", u"ab"},
        {R"({\rtf1\ansicpg65001 \'c3\'a9t\'c3\'a9})", u"\u00e9t\u00e9"},
    };
    for (const auto& c : cases) EXPECT_EQ(TextOf(c.rtf), c.text) << c.rtf;
}

TEST(CtlRtf, RefusesWhatIsNotRichText)
{
    CtlRichText out;
    EXPECT_FALSE(CtlReadRtf("plain text", CtlCharFormat{}, out));
    EXPECT_FALSE(CtlReadRtf("", CtlCharFormat{}, out));
    EXPECT_FALSE(CtlReadRtf(std::string("{\\rtf1 ") + std::string(5000, '{'), CtlCharFormat{}, out));
    EXPECT_TRUE(out.text.empty());
}

TEST(CtlRtf, TextBeyondTheLimitIsDropped)
{
    CtlRichText out;
    ASSERT_TRUE(CtlReadRtf(R"({\rtf1 ab\par cdef\par gh})", CtlCharFormat{}, out, 4));
    EXPECT_EQ(out.text, u"ab\rc");
    EXPECT_EQ(out.charFormat.size(), 4u);
    EXPECT_EQ(out.paraFormats.size(), 2u); // one paragraph mark, then the last paragraph
}

TEST(CtlRtf, ReadsCharacterAndParagraphFormats)
{
    CtlRichText out;
    ASSERT_TRUE(CtlReadRtf(R"({\rtf1\deff1{\fonttbl{\f0\fswiss Arial;}{\f1\fcharset2 Symbol;}}{\colortbl;\red0\green0\blue255;})"
                           R"(\pard\qc d{\b\i b\ul u\ulnone\cf1 c}\plain\fs40 p\par\pard\qr r})",
                           CtlCharFormat{}, out));
    ASSERT_EQ(out.text, u"dbucp\rr");
    EXPECT_EQ(out.FormatOf(0).face, "Symbol"); // the default font
    EXPECT_EQ(out.FormatOf(0).charSet, 2);
    EXPECT_EQ(out.FormatOf(1).effects & (CFE_BOLD | CFE_ITALIC), static_cast<DWORD>(CFE_BOLD | CFE_ITALIC));
    EXPECT_TRUE(out.FormatOf(2).effects & CFE_UNDERLINE);
    EXPECT_FALSE(out.FormatOf(3).effects & CFE_UNDERLINE);
    EXPECT_EQ(out.FormatOf(3).color, RGB(0, 0, 255));
    EXPECT_FALSE(out.FormatOf(3).effects & CFE_AUTOCOLOR);
    EXPECT_FALSE(out.FormatOf(4).effects & CFE_BOLD);
    EXPECT_EQ(out.FormatOf(4).height, 400);
    ASSERT_EQ(out.paraFormats.size(), 2u);
    EXPECT_EQ(out.paraFormats[0].alignment, PFA_CENTER);
    EXPECT_EQ(out.paraFormats[1].alignment, PFA_RIGHT);
}

TEST(CtlRtf, WrittenTextReadsBackTheSame)
{
    CtlRichText doc;
    doc.text = u"a{b}\\ \u00e9\u20ac\ttab\x01\rline two";
    CtlCharFormat bold;
    bold.effects = CFE_BOLD;
    bold.face = "Times New Roman \xc3\xa9";
    CtlCharFormat red;
    red.effects = CFE_UNDERLINE;
    red.color = RGB(200, 0, 0);
    red.height = 360;
    std::u16string text = doc.text;
    doc.text.clear();
    for (size_t i = 0; i < text.size(); ++i) doc.Append(text[i], i < 4 ? bold : red);
    CtlParaFormat centre;
    centre.alignment = PFA_CENTER;
    centre.startIndent = 720;
    doc.paraFormats = {centre, CtlParaFormat{}};

    std::string rtf = CtlWriteRtf(doc);
    CtlRichText back;
    ASSERT_TRUE(CtlReadRtf(rtf, CtlCharFormat{}, back));
    // Every paragraph is written with its \par, the last too.
    ASSERT_EQ(back.text, doc.text + u"\r");
    for (size_t i = 0; i < doc.text.size(); ++i) EXPECT_EQ(back.FormatOf(i), doc.FormatOf(i)) << i;
    EXPECT_EQ(back.paraFormats[0], centre);
    EXPECT_EQ(back.paraFormats[1], CtlParaFormat{});
}

} // namespace
