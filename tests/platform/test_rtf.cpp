// The rich-text reader of the help window: formatting, characters, skipped
// groups, and damaged files that must give what could be read.
#include "platform/Rtf.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace zv;

namespace {
std::string Text(const std::string& rtf) { return ReadRtf(rtf).PlainText(); }
} // namespace

TEST(Rtf, TextAndCharacters) {
    const struct {
        const char* rtf;
        const char* text;
    } cases[] = {
        {R"({\rtf1\ansi Hello\par World\par})", "Hello\nWorld"},
        {R"({\rtf1 a\'e2\'ee b\'80})", "a\xC3\xA2\xC3\xAE b\xE2\x82\xAC"}, // Latin-1 and the euro of 1252
        {R"({\rtf1\uc1 \u537?\u-3?x})", "\xC8\x99\xEF\xBF\xBDx"},          // U+0219; a negative code
        {R"({\rtf1\uc2 \u259\'e3\'e3x})", "\xC4\x83x"},                    // both stand-ins dropped
        {R"({\rtf1 \u55357?\u56832?})", "\xF0\x9F\x98\x80"},               // a surrogate pair
        {R"({\rtf1 \{a\}\\ b\~c\line d\tab e})", "{a}\\ b\xC2\xA0"
                                                 "c\nd\te"},
        {"{\\rtf1 one\r\ntwo\\\nthree}", "onetwo\nthree"},
        {R"({\rtf1 x\bullet  y\emdash z})", "x\xE2\x80\xA2 y\xE2\x80\x94z"},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.rtf), c.text) << c.rtf;
}

TEST(Rtf, TablesAndStarredGroupsAreSkipped) {
    const std::string rtf = R"({\rtf1\ansi{\fonttbl{\f0\fswiss Arial;}{\f1 Courier;}}{\colortbl;\red255\green0\blue0;})"
                            R"({\stylesheet{\s1 Heading 1;}}{\info{\title T}{\author A}}{\*\generator X;})"
                            R"({\*\unknowndest hidden {nested} text}{\pict\pngblip 89504e47}Shown\par)"
                            R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}}})";
    EXPECT_EQ(Text(rtf), "Shown\nLink");
}

TEST(Rtf, BoldItalicSizesFollowTheGroups) {
    const RtfDocument d = ReadRtf(R"({\rtf1\fs20 a{\b b{\i\fs40 c}\b0 d}e\par\plain{\i f}\i0 g\par})");
    ASSERT_EQ(d.paragraphs.size(), 2u);
    const auto& r = d.paragraphs[0].runs;
    ASSERT_EQ(r.size(), 4u);
    // "d" after \b0 and "e" after the group have the same look: one run.
    const struct {
        const char* text;
        bool bold, italic;
        int size;
    } want[] = {{"a", false, false, 20}, {"b", true, false, 20}, {"c", true, true, 40}, {"de", false, false, 20}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r[i].text, want[i].text);
        EXPECT_EQ(r[i].bold, want[i].bold) << i;
        EXPECT_EQ(r[i].italic, want[i].italic) << i;
        EXPECT_EQ(r[i].halfPoints, want[i].size) << i;
    }
    const auto& r2 = d.paragraphs[1].runs;
    ASSERT_EQ(r2.size(), 2u);
    EXPECT_TRUE(r2[0].italic);
    EXPECT_EQ(r2[0].halfPoints, 24); // \plain
    EXPECT_FALSE(r2[1].italic);

    const std::string html = RtfToHtml(d);
    EXPECT_NE(html.find("font-weight:700;\">b</span>"), std::string::npos) << html;
    EXPECT_NE(html.find("font-size:20pt; font-weight:700; font-style:italic;\">c<"), std::string::npos) << html;
    EXPECT_NE(RtfToHtml(ReadRtf(R"({\rtf1 <a&b>})")).find("&lt;a&amp;b&gt;"), std::string::npos);
}

TEST(Rtf, DamagedFilesGiveWhatCouldBeRead) {
    std::string deep = R"({\rtf1 start )";
    for (int i = 0; i < 100000; ++i) deep += "{\\b ";
    deep += "inside";
    for (int i = 0; i < 100000; ++i) deep += "}";
    deep += " after}";
    const RtfDocument d = ReadRtf(deep);
    EXPECT_EQ(d.PlainText(), "start inside after");
    ASSERT_EQ(d.paragraphs[0].runs.size(), 3u);
    EXPECT_TRUE(d.paragraphs[0].runs[1].bold);
    EXPECT_FALSE(d.paragraphs[0].runs[2].bold); // every group closed again

    const struct {
        std::string rtf;
        const char* text;
    } cases[] = {
        {R"({\rtf1 open {\b never closed)", "open never closed"},
        {R"({\rtf1 a}}} b}}{ c)", "a b c"},
        {R"({\rtf1 cut\')", "cut"},
        {R"({\rtf1 cut\'4)", "cut4"},
        {R"({\rtf1 bad\'zz!})", "badzz!"},
        {R"({\rtf1 trailing\)", "trailing"},
        {R"({\rtf1 \u99999999999999999999?x})", "\xF4\x8F\xBF\xBF"
                                                "x"},
        {R"({\rtf1 \fs999999999999 big})", "big"},
        {std::string("{\\rtf1 nul\0byte}", 17), "nulbyte"},
        {"", ""},
        {"plain text without a header", "plain text without a header"},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.rtf), c.text) << c.rtf;
    EXPECT_EQ(ReadRtf(R"({\rtf1 \fs999999999999 big})").paragraphs[0].runs[0].halfPoints, 400);
}

TEST(Rtf, OurHelpDocumentReads) {
    std::ifstream in(std::string(ZV_DATA_DIR) + "/Ajutor.rtf", std::ios::binary);
    ASSERT_TRUE(in);
    std::stringstream ss;
    ss << in.rdbuf();
    const RtfDocument d = ReadRtf(ss.str());
    const std::string text = d.PlainText();
    EXPECT_EQ(text.rfind("Ghid de utilizare Zarvelo\n", 0), 0u) << text.substr(0, 80);
    for (const char* s :
         {"Creare interior sertar piesa curenta", "Spate sertar", "\"Anulare\"", "Mobila noua",
          "In stanga ferestrei principale", "14. Contururi de decupare (Trasalin)",
          "pe fata piesei din ale carei doua dimensiuni",
          "Regulile conturului:", "15. Optimizarea debitarii (Rezlinor)", "\"Latime taietura\"", "\"Margine tundere\"",
          "latura ei lunga de-a lungul lungimii foii (cei 2800 mm)", "toate taieturile si toate resturile",
          "16. Exporturi", "\"Fisier / Exporta piese in Excel\""})
        EXPECT_NE(text.find(s), std::string::npos) << s;
    EXPECT_EQ(text.find("In dreapta ferestrei"), std::string::npos);
    EXPECT_EQ(text.find("Arial"), std::string::npos); // the font table is no text
    EXPECT_EQ(text.find('\\'), std::string::npos);
    EXPECT_TRUE(d.paragraphs[0].runs[0].bold);
}
