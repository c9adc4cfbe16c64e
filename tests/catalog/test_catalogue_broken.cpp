// Broken catalogue files of every kind: each one is refused or read in part
// with the right status, and none reads past its bytes (run under the sanitizers).
#include "catalog/Catalogue.h"
#include "platform/Text.h"

#include <QFile>
#include <gtest/gtest.h>
#include <random>

using namespace zv;

namespace {

std::string ReadData(const char* name) {
    QFile f(QString(ZV_DATA_DIR) + "/" + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

template <class Cat> void CheckSound(const Cat& c, const std::string& what) {
    if (c.status == CatalogueStatus::NotFound) {
        EXPECT_TRUE(c.items.empty()) << what;
    } else {
        EXPECT_LE(c.items.size(), static_cast<std::size_t>(c.header.count)) << what;
        EXPECT_LE(c.items.size(), static_cast<std::size_t>(kMaxCatalogueEntries)) << what;
        EXPECT_GT(StripSlots(1, c.header.thumbWidth, c.header.thumbHeight), 0) << what;
    }
    EXPECT_EQ(c.ok(), c.Message().empty()) << what;
    for (const auto& it : c.items) EXPECT_LE(TextLength(it.code), kMaxCode) << what;
}

void CheckBoth(const std::string& bytes, const std::string& what) {
    CheckSound(ParsePalPflCatalogue(bytes), "pal " + what);
    CheckSound(ParseFeronerieCatalogue(bytes), "feron " + what);
}

} // namespace

TEST(CatalogueBroken, SampleFilesTruncatedAtEveryByte) {
    for (const char* name : {"pal-pfl.dat", "feron.dat"}) {
        const std::string whole = ReadData(name);
        ASSERT_FALSE(whole.empty()) << name;
        for (std::size_t n = 0; n <= whole.size(); ++n) CheckBoth(whole.substr(0, n), name + std::to_string(n));
    }
}

TEST(CatalogueBroken, TruncatedAtEveryLineKeepsTheWholeEntries) {
    const std::string whole = ReadData("feron.dat");
    const FeronerieCatalogue full = ParseFeronerieCatalogue(whole);
    ASSERT_TRUE(full.ok());
    std::size_t lines = 0;
    for (std::size_t pos = whole.find("\r\n"); pos != std::string::npos; pos = whole.find("\r\n", pos + 2)) {
        ++lines;
        const FeronerieCatalogue part = ParseFeronerieCatalogue(whole.substr(0, pos + 2));
        ASSERT_TRUE(part.ok()) << lines;
        // Whole entries read as in the full file; a cut entry keeps what it had.
        const std::size_t whole_entries = (lines - 1) / 4;
        ASSERT_GE(part.items.size(), whole_entries);
        for (std::size_t i = 0; i < whole_entries; ++i) EXPECT_EQ(part.items[i], full.items[i]) << lines;
    }
}

TEST(CatalogueBroken, HeadersAndJunk) {
    const std::string body = "A\r\nB\r\n1\r\nC\r\n2\r\n3\r\n4\r\n";
    const std::string cases[] = {
        "2147483647 2147483647 2147483647\r\n" + body,
        "64 64 2147483647\r\n" + body,
        "-2147483648 64 1\r\n" + body,
        "64 64 -2147483648\r\n" + body,
        "64 64 1" + std::string(100000, ' ') + "x\r\n" + body,
        "64 64 1\r\n" + std::string(200000, '\n') + "A",
        "64 64 3\r\n" + std::string("\0\0\0\r\n\xff\xfe\r\n1e999\r\n", 16),
        "64 64 3\r\nA\r\nB\r\nnan\r\n",
        "64 64 3\r\nA\r\nB\r\ninf\r\n",
        "64 64 3\r\nA\r\nB\r\n1\r\nC\r\n99999999999999999999\r\n",
        "\r\r\r\r",
        std::string("64\0 64 1\r\n", 10) + body,
    };
    for (const std::string& c : cases) CheckBoth(c, c.substr(0, 20));
    EXPECT_EQ(ParsePalPflCatalogue("64 64 3\r\nA\r\nB\r\nnan\r\n").status, CatalogueStatus::Corrupt);
    EXPECT_EQ(ParsePalPflCatalogue("64 64 2147483647\r\n" + body).status, CatalogueStatus::NotFound);
}

TEST(CatalogueBroken, RandomBytes) {
    std::mt19937 rng(20261210);
    const char alphabet[] = "0123456789 -.,+\r\n\tAbz\x01\xff";
    for (int round = 0; round < 3000; ++round) {
        std::string s = round % 2 ? "16 16 " + std::to_string(round % 40) + "\r\n" : "";
        const int len = static_cast<int>(rng() % 300);
        for (int i = 0; i < len; ++i) s += alphabet[rng() % (sizeof alphabet - 1)];
        CheckBoth(s, "round " + std::to_string(round));
    }
}
