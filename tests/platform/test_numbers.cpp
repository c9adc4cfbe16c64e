#include "platform/IoError.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zv;

namespace {
struct SepGuard {
    explicit SepGuard(char c) { OverrideDecimalSeparator(c); }
    ~SepGuard() { OverrideDecimalSeparator(0); }
};
} // namespace

TEST(Numbers, RoundingHalvesToEvenAndTruncTowardsZero) {
    const struct {
        double v;
        int round, trunc;
    } cases[] = {
        {12.5, 12, 12},    {13.5, 14, 13},
        {-12.5, -12, -12}, {-13.5, -14, -13},
        {0.4999, 0, 0},    {2.6, 3, 2},
        {-2.6, -3, -2},    {1e12, std::numeric_limits<int>::max(), std::numeric_limits<int>::max()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundEven(c.v), c.round) << c.v;
        EXPECT_EQ(TruncZero(c.v), c.trunc) << c.v;
    }
    EXPECT_EQ(RoundEven(std::nan("")), 0);
    EXPECT_EQ(TruncZero(-std::numeric_limits<double>::infinity()), std::numeric_limits<int>::min());
}

class NumbersUnderSeparator : public ::testing::TestWithParam<char> {};

TEST_P(NumbersUnderSeparator, GeneralFormatUsesTheSystemSeparator) {
    const char sep = GetParam();
    SepGuard g(sep);
    const std::string half = std::string("0") + sep + "5";
    EXPECT_EQ(FormatGeneral(18), "18");
    EXPECT_EQ(FormatGeneral(0.5), half);
    EXPECT_EQ(FormatGeneral(-1234.25), std::string("-1234") + sep + "25");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), std::string("0") + sep + "3"); // 15 digits hide the binary noise
    EXPECT_EQ(FormatGeneral(1e20), "1E20");
    EXPECT_EQ(FormatGeneral(0), "0");
    // Catalogue thicknesses always with ".".
    EXPECT_EQ(FormatFixedDot(18, 2), "18.00");
    EXPECT_EQ(FormatFixedDot(2.5, 2), "2.50");
}

TEST_P(NumbersUnderSeparator, ParsingDotAndSystem) {
    const char sep = GetParam();
    SepGuard g(sep);
    EXPECT_EQ(ParseRealDot("18.5"), 18.5);
    EXPECT_EQ(ParseRealDot("-3"), -3.0);
    EXPECT_EQ(ParseRealDot("1e3"), 1000.0);
    EXPECT_EQ(ParseRealDot(".5"), 0.5);
    const std::string sys = std::string("2") + sep + "25";
    EXPECT_EQ(ParseRealSystem(sys), 2.25);
    if (sep != '.') {
        EXPECT_FALSE(ParseRealDot(sys));
        EXPECT_FALSE(ParseRealSystem("2.25"));
    }
    for (const char* bad : {"", " 1", "1 ", "abc", "1.2.3", "nan", "inf", "1e", "-", "1e999", "0x10", "+"})
        EXPECT_FALSE(ParseRealDot(bad)) << bad;
}

// Whatever a field shows, reading it back gives the value that was written.
TEST_P(NumbersUnderSeparator, FieldsReadBackWhatTheyShow) {
    const char sep = GetParam();
    SepGuard g(sep);
    for (double v : {0.0, 12.5, -0.25, 600.0, 1e-7, 1e20, 1234567.891, -1000000.0, 0.1 + 0.2, 1.0 / 3.0}) {
        const std::string shown = FormatField(v);
        const auto back = ParseField(shown);
        ASSERT_TRUE(back) << shown;
        EXPECT_NEAR(*back, v, std::abs(v) * 1e-14) << shown;
    }
    EXPECT_EQ(FormatField(12.5), std::string("12") + sep + "5");
    // What users type: "." always, the system's separator too, a point still being typed.
    const struct {
        const char* text;
        double value;
    } typed[] = {
        {"12.5", 12.5}, {"12.", 12}, {" 7 ", 7}, {"-3", -3}, {".5", 0.5}, {"1E3", 1000},
    };
    for (const auto& t : typed) {
        const auto v = ParseField(t.text);
        ASSERT_TRUE(v) << t.text;
        EXPECT_EQ(*v, t.value) << t.text;
    }
    EXPECT_EQ(ParseField("12,5"), sep == ',' ? std::optional<double>(12.5) : std::nullopt);
    for (const char* bad : {"", "  ", "abc", "1,2.3", "1.2,3", "12a", "-", "NAN", "INF", "1e999"})
        EXPECT_FALSE(ParseField(bad)) << bad;
}

INSTANTIATE_TEST_SUITE_P(DotAndComma, NumbersUnderSeparator, ::testing::Values('.', ','));

TEST(Numbers, IntegersAndBlanks) {
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt("-7"), -7);
    EXPECT_EQ(ParseInt("+7"), 7);
    EXPECT_FALSE(ParseInt("4.2"));
    EXPECT_FALSE(ParseInt("99999999999"));
    EXPECT_FALSE(ParseInt(""));
    EXPECT_EQ(RemoveBlanks("  18.50 \t"), "18.50");
    EXPECT_EQ(ParseRealDot(RemoveBlanks("  18.50")), 18.5);
}

TEST(Text, BoundedTextsAreCutInOnePlace) {
    EXPECT_EQ(CutFurnitureName(std::string(60, 'a')).size(), 50u);
    EXPECT_EQ(CutCode("ABCDEFGHIJKL"), "ABCDEFGHIJ");
    EXPECT_EQ(CutFileName(std::string(300, 'f')).size(), 255u);
    EXPECT_EQ(UpperAscii("pal-18 \xC8x"), "PAL-18 \xC8X");
}

TEST(IoErrors, TextsByCode) {
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {32, "I/O error 32"},
    };
    for (const auto& c : cases) EXPECT_EQ(IoErrorText(c.code), c.text);
    EXPECT_EQ(IoError(5).code(), 5);
    EXPECT_STREQ(IoError(101).what(), "Disk full");
}
