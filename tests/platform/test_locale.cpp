// The suite runs twice: under the C locale and under the users' ro_RO.UTF-8
// (see tests/CMakeLists.txt). The second run is worth something only when that
// locale is really in force; on a machine where it was never generated the C
// library silently stays at "." and every test would pass without checking ",".
#include "platform/Numbers.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

using namespace zv;

TEST(Locale, TheLocaleOfTheRunIsInForce) {
    const char* all = std::getenv("LC_ALL");
    const bool romanian = all && std::string(all).rfind("ro_RO", 0) == 0;
    // The application object took the locale from the environment, as in the program.
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(numeric, nullptr);
    if (romanian) {
        EXPECT_EQ(std::string(numeric).rfind("ro_RO", 0), 0u)
            << "the locale " << all << " is not installed (scripts/install-deps.sh generates it)";
        EXPECT_EQ(SystemDecimalSeparator(), ',');
        EXPECT_EQ(QLocale::system().decimalPoint(), ",");
        EXPECT_EQ(FormatGeneral(-1234.5), "-1234,5");
        EXPECT_EQ(ParseRealSystem("0,25"), 0.25);
    } else {
        EXPECT_EQ(SystemDecimalSeparator(), '.');
        EXPECT_EQ(FormatGeneral(-1234.5), "-1234.5");
    }
}
