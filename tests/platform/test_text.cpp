// Bounded texts and the 8-bit text of the files: cuts fall between
// characters and only past the limit, and every byte of a file comes back.
#include "platform/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zv;

TEST(CutText, CutsOnlyPastTheLimitAndBetweenCharacters) {
    const struct {
        std::string in;
        std::size_t n;
        std::string out;
    } cases[] = {
        {"Comod\xC4\x83", 10, "Comod\xC4\x83"}, // under the limit, last byte c4 83 kept whole
        {"P18ALB\xE3", 10, "P18ALB\xE3"},       // a lone byte of e3 or more is a character too
        {"\xC4\x83"
         "abc",
         4,
         "\xC4\x83"
         "abc"}, // 8-bit letter first, exactly at the limit
        {"ab\xC4\x83"
         "cd",
         3, "ab\xC4\x83"}, // the limit falls after the letter
        {"ab\xC4\x83"
         "cd",
         2, "ab"},                               // ... or before it
        {"ab\xE2\x82\xAC", 3, "ab\xE2\x82\xAC"}, // a 3-byte character is one
        {"ab\xF0\x9F\x98\x80x", 3, "ab\xF0\x9F\x98\x80"},
        {"ab\xC4", 2, "ab"}, // a broken character past the limit goes
        {"ab\xC4"
         "c",
         3, "ab\xC4"},                       // within it, it stays
        {"\xC0\x80\xFF\xFE", 2, "\xC0\x80"}, // bytes of no character count one each
        {"", 0, ""},
        {"abc", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(CutText(c.in, c.n), c.out);
        EXPECT_EQ(CutText(c.out, c.n), c.out);
    }
    EXPECT_EQ(TextLength("Comod\xC4\x83"), 6u);
    EXPECT_EQ(TextLength("P18ALB\xE3"), 7u);
}

TEST(CutText, EveryShortTextCutOnceStaysCut) {
    // All texts of up to 4 bytes over bytes that start, continue or break characters.
    const std::vector<char> bytes = {'a', '\x80', '\xBF', '\xC2', '\xC4', '\xE2', '\xF0', '\xFF', '\x83'};
    std::vector<std::string> texts = {""};
    for (int len = 1; len <= 4; ++len) {
        std::vector<std::string> longer;
        for (const std::string& t : texts)
            if (t.size() == static_cast<std::size_t>(len - 1))
                for (char b : bytes) longer.push_back(t + b);
        texts.insert(texts.end(), longer.begin(), longer.end());
    }
    for (const std::string& t : texts)
        for (std::size_t n = 0; n <= 5; ++n) {
            const std::string once = CutText(t, n);
            ASSERT_EQ(CutText(once, n), once) << n;
            ASSERT_EQ(t.compare(0, once.size(), once), 0);
            ASSERT_EQ(TextLength(once), std::min(n, TextLength(t)));
            if (TextLength(t) <= n) ASSERT_EQ(once, t);
        }
}

TEST(FileText, EveryByteOfTheCodePageComesBack) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string text = FromFileText(one);
        EXPECT_EQ(TextLength(text), 1u) << b;
        EXPECT_EQ(ToFileText(text), one) << b;
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(ToFileText(FromFileText(all)), all);
}

TEST(FileText, RomanianLettersAndWhatTheCodePageLacks) {
    const struct {
        std::string file, text;
    } letters[] = {
        {"Comod\xE3", "Comod\xC4\x83"},                                       // ă
        {"\xE2\xEE\xBA\xFE", "\xC3\xA2\xC3\xAE\xC5\x9F\xC5\xA3"},             // â î ş ţ
        {"\xC3\xC2\xCE\xAA\xDE", "\xC4\x82\xC3\x82\xC3\x8E\xC5\x9E\xC5\xA2"}, // Ă Â Î Ş Ţ
        {"\x80", "\xE2\x82\xAC"},                                             // €
    };
    for (const auto& l : letters) {
        EXPECT_EQ(FromFileText(l.file), l.text);
        EXPECT_EQ(ToFileText(l.text), l.file);
    }
    // The comma-below letters are written as the cedilla ones the code page has.
    EXPECT_EQ(ToFileText("\xC8\x99\xC8\x9B\xC8\x98\xC8\x9A"), "\xBA\xFE\xAA\xDE");
    // Anything else it lacks, and a byte that is no character, become "?".
    EXPECT_EQ(ToFileText("a\xE6\x97\xA5"
                         "b\xC4"),
              "a?b?");
}
