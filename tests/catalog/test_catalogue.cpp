// The catalogue reader, writer, sort and code search shared by boards and hardware.
#include "catalog/Catalogue.h"
#include "catalog/Thumbnails.h"
#include "platform/Picture.h"
#include "platform/Text.h"

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

using namespace zv;

namespace {

// One board entry in the file's 7 lines.
std::string Board(const std::string& code, const std::string& price = "10.00", const std::string& thick = "18",
                  const std::string& color = "255") {
    return code + "\r\nDescriere " + code + "\r\n" + price + "\r\npoza.jpg\r\n" + color + "\r\n" + thick +
           "\r\n1.5\r\n";
}

std::string Hardware(const std::string& code, const std::string& price = "2.50") {
    return code + "\r\nBalama " + code + "\r\n" + price + "\r\nferonerie/" + code + ".bmp\r\n";
}

PalPflItem Code(const std::string& code, const std::string& description = "") {
    PalPflItem it;
    it.code = code;
    it.description = description;
    return it;
}

std::vector<std::string> Codes(const std::vector<PalPflItem>& items) {
    std::vector<std::string> out;
    for (const auto& i : items) out.push_back(i.code);
    return out;
}

} // namespace

TEST(CatalogueRead, BoardFieldsAndNumericRules) {
    // Numbers may stand behind blanks and after empty lines; the rest of their line is dropped.
    const std::string bytes = "64 48 2 trailing words\r\n"
                              "PAL18ALB\r\n"
                              "  Pal alb 18 mm  \r\n"
                              "  18.50 lei\r\n"
                              "texturi/alb.bmp\r\n"
                              "\r\n"
                              "16777215\r\n"
                              "18\r\n"
                              "1.25\r\n"
                              "PFL3\r\n"
                              "\r\n"
                              "7\r\n"
                              "\r\n"
                              "-1\r\n"
                              "3.2\r\n"
                              "0.5\r\n";
    const PalPflCatalogue c = ParsePalPflCatalogue(bytes);
    ASSERT_TRUE(c.ok()) << c.Message();
    EXPECT_EQ(c.header, (CatalogueHeader{64, 48, 2}));
    ASSERT_EQ(c.items.size(), 2u);
    EXPECT_EQ(c.items[0], (PalPflItem{"PAL18ALB", "  Pal alb 18 mm  ", 18.5, "texturi/alb.bmp", 0xFFFFFF, 18, 1.25}));
    // An empty description and picture are kept as empty lines; -1 is kept inside 24 bits.
    EXPECT_EQ(c.items[1], (PalPflItem{"PFL3", "", 7, "", 0xFFFFFF, 3.2, 0.5}));
}

TEST(CatalogueRead, HeaderAndCountFaults) {
    const struct {
        const char* name;
        std::string bytes;
        CatalogueStatus status;
        std::size_t items;
    } cases[] = {
        {"N = 0", "64 64 0\r\n", CatalogueStatus::Ok, 0},
        {"count above the entries stops at the end", "64 64 5\r\n" + Board("A") + Board("B"), CatalogueStatus::Ok, 2},
        {"trailing blank lines make no entry", "64 64 5\r\n" + Board("A") + "\r\n\r\n", CatalogueStatus::Ok, 1},
        {"entries after N are never read", "64 64 1\r\n" + Board("A") + Board("x,y", "1,5"), CatalogueStatus::Ok, 1},
        {"LF only", "64 64 1\n" + std::string("A\nd\n1\np\n2\n3\n4\n"), CatalogueStatus::Ok, 1},
        {"empty file", "", CatalogueStatus::NotFound, 0},
        {"two numbers", "64 64\r\n", CatalogueStatus::NotFound, 0},
        {"count on the next line", "64 64\r\n1\r\n" + Board("A"), CatalogueStatus::NotFound, 0},
        {"negative count", "64 64 -1\r\n" + Board("A"), CatalogueStatus::NotFound, 0},
        {"count above the grid over one entry", "64 64 1000000\r\n" + Board("A"), CatalogueStatus::Ok, 1},
        {"count no catalogue has", "64 64 1000001\r\n" + Board("A"), CatalogueStatus::NotFound, 0},
        {"count overflowing 32 bits", "64 64 99999999999\r\n", CatalogueStatus::NotFound, 0},
        {"zero width", "0 64 1\r\n" + Board("A"), CatalogueStatus::NotFound, 0},
        {"negative height", "64 -5 1\r\n" + Board("A"), CatalogueStatus::NotFound, 0},
        {"huge thumbnails", "100000 100000 1\r\n" + Board("A"), CatalogueStatus::NotFound, 0},
        {"thumbnail sides at their limit", "1024 1024 1\r\n" + Board("A"), CatalogueStatus::Ok, 1},
        {"width one past its limit", "1025 1024 1\r\n" + Board("A"), CatalogueStatus::NotFound, 0},
        {"height one past its limit", "1024 1025 1\r\n" + Board("A"), CatalogueStatus::NotFound, 0},
        {"large thumbnails, many entries", "1000 1000 1000\r\n" + Board("A"), CatalogueStatus::Ok, 1},
        {"real in the header", "64.5 64 1\r\n" + Board("A"), CatalogueStatus::NotFound, 0},
        {"decimal comma", "64 64 3\r\n" + Board("A") + Board("B", "12,50") + Board("C"), CatalogueStatus::Corrupt, 1},
        {"colour not an integer", "64 64 2\r\n" + Board("A") + Board("B", "1", "18", "1.5"), CatalogueStatus::Corrupt,
         1},
        {"thickness not a number", "64 64 1\r\n" + Board("A", "1", "18mm"), CatalogueStatus::Corrupt, 0},
    };
    for (const auto& c : cases) {
        const PalPflCatalogue r = ParsePalPflCatalogue(c.bytes);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.items.size(), c.items) << c.name;
    }
    EXPECT_EQ(ParsePalPflCatalogue("64 64 -1\r\n").Message(), "Nu am gasit fisierul cu feroneria.");
    EXPECT_EQ(ParsePalPflCatalogue("64 64 1\r\n" + Board("A", "1,5")).Message(), "Fisier cu feronerie alterat.");
}

TEST(CatalogueRead, EntryCutShortByTheEnd) {
    // The header promises two; the second stops after its price.
    const PalPflCatalogue c = ParsePalPflCatalogue("64 64 2\r\n" + Board("A") + "B\r\nDescriere\r\n4.5\r\n");
    ASSERT_TRUE(c.ok());
    ASSERT_EQ(c.items.size(), 2u);
    EXPECT_EQ(c.items[1], (PalPflItem{"B", "Descriere", 4.5, "", 0, 0, 0}));
}

TEST(CatalogueRead, CodesAreCutToTenCharacters) {
    const FeronerieCatalogue c = ParseFeronerieCatalogue("32 32 1\r\n" + Hardware("BALAMA-35-APLICATA"));
    ASSERT_EQ(c.items.size(), 1u);
    EXPECT_EQ(c.items[0].code, "BALAMA-35-");
    EXPECT_EQ(FindCode(c.items, "BALAMA-35-"), 0);
}

TEST(CatalogueRead, HardwareEntries) {
    const FeronerieCatalogue c = ParseFeronerieCatalogue("48 48 3\r\n" + Hardware("B1") + Hardware("M2", " 12.75 ") +
                                                         Hardware("S3", "2,5"));
    EXPECT_EQ(c.status, CatalogueStatus::Corrupt);
    ASSERT_EQ(c.items.size(), 2u);
    EXPECT_EQ(c.items[1], (FeronerieItem{"M2", "Balama M2", 12.75, "feronerie/M2.bmp"}));
}

TEST(CatalogueRead, MissingFile) {
    const PalPflCatalogue c = ReadPalPflCatalogue("/nonexistent/folder/pal-pfl.dat");
    EXPECT_EQ(c.status, CatalogueStatus::NotFound);
    EXPECT_TRUE(c.items.empty());
    EXPECT_FALSE(ReadCatalogueHeader("/nonexistent/folder/feron.dat").has_value());
}

TEST(CatalogueSort, ByUpperCasedCodeKeepingEqualCodesInFileOrder) {
    std::vector<PalPflItem> items = {Code("b2", "first"),  Code("A1"), Code("a0"),
                                     Code("B2", "second"), Code("_x"), Code("Z")};
    SortByCode(items);
    // '_' (0x5F) sorts after the upper-case letters but before nothing lower-case: "Z" < "_X".
    EXPECT_EQ(Codes(items), (std::vector<std::string>{"a0", "A1", "b2", "B2", "Z", "_x"}));
    EXPECT_EQ(items[2].description, "first");
    EXPECT_EQ(SortOrderByCode({"Z1", "A1"}), (std::vector<std::size_t>{1, 0}));
}

TEST(CatalogueSort, ManyEqualCodesKeepTheirFileOrder) {
    // Far more rows than a sort does by insertion, five codes in both cases:
    // an unstable sort would mix the rows of one code.
    const char* codes[] = {"pal18", "PAL18", "b", "Mdf", "a", "MDF", "B"};
    std::vector<PalPflItem> items;
    for (int i = 0; i < 700; ++i) items.push_back(Code(codes[(i * 5 + i / 7) % 7], std::to_string(i)));
    const std::vector<PalPflItem> original = items;
    std::vector<std::string> originalCodes = Codes(items);
    SortByCode(items);
    const std::vector<std::size_t> order = SortOrderByCode(originalCodes);
    ASSERT_EQ(items.size(), original.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i], original[order[i]]) << i;
        if (i == 0) continue;
        const std::string a = UpperAscii(items[i - 1].code), b = UpperAscii(items[i].code);
        EXPECT_LE(a, b) << i;
        if (a == b) {
            EXPECT_LT(std::stoi(items[i - 1].description), std::stoi(items[i].description)) << i;
        }
    }
}

TEST(CatalogueSearch, PrefixIgnoresCaseLookUpDoesNot) {
    const std::vector<std::string> codes = {"a0", "A1", "b2", "BALAMA", "C9"};
    const struct {
        const char* text;
        std::size_t row;
    } cases[] = {
        {"", 0}, {"a", 0}, {"A1", 1}, {"b", 2}, {"ba", 3}, {"BAM", 4}, {"c", 4}, {"zz", 0}, {"a0x", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(FindCodePrefix(codes, c.text), c.row) << c.text;
    EXPECT_EQ(FindCodePrefix({}, "a"), 0u);

    const std::vector<PalPflItem> items = {Code("a0"), Code("A1"), Code("")};
    EXPECT_EQ(FindCode(items, "A1"), 1);
    EXPECT_EQ(FindCode(items, "a1"), -1);
    EXPECT_EQ(FindCode(items, ""), -1); // a row of nothing is never a board
}

TEST(CatalogueWrite, ReadsBackTheSame) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("pal-pfl.dat").toStdString();
    const std::vector<PalPflItem> boards = {
        {"PAL18", "Pal stejar", 32.1, "texturi/stejar.jpg", 0x3366CC, 18, 1.2},
        {"PFL3", "  blanks kept  ", 0.1 + 0.2, "", 0, 3.2, 0},
        {"LONGCODE-12345", "line\r\nbreak", 1e-3, "C:\\poze\\x.bmp", 0xFFFFFF, 2.5, 100},
    };
    ASSERT_EQ(WritePalPflCatalogue(path, {64, 48, 99}, boards), "");
    const PalPflCatalogue back = ReadPalPflCatalogue(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.header, (CatalogueHeader{64, 48, 3}));
    ASSERT_EQ(back.items.size(), 3u);
    EXPECT_EQ(back.items[0], boards[0]);
    EXPECT_EQ(back.items[1], boards[1]); // 0.30000000000000004 survives
    EXPECT_EQ(back.items[2].code, "LONGCODE-1");
    EXPECT_EQ(back.items[2].description, "line  break");
    EXPECT_EQ(back.items[2].picture, boards[2].picture);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".tmp")));

    const std::string bytes = FormatFeronerieCatalogue({32, 32, 0}, {{"B1", "Balama", 2.5, "b.bmp"}});
    EXPECT_EQ(bytes, "32 32 1\r\nB1\r\nBalama\r\n2.5\r\nb.bmp\r\n");
    EXPECT_EQ(ParseFeronerieCatalogue(bytes).items, (std::vector<FeronerieItem>{{"B1", "Balama", 2.5, "b.bmp"}}));

    EXPECT_NE(WriteFeronerieCatalogue("/nonexistent/folder/feron.dat", {32, 32, 0}, {}), "");
}

// 8-bit letters (code page 1250) first, in the middle, last and at exactly the
// code's limit, in every text field of both catalogues: read, written and read
// again, the bytes and the texts stay.
TEST(CatalogueWrite, EightBitLettersComeBackInEveryTextField) {
    const struct {
        std::string file, text; // the field's bytes and the text the windows show
    } texts[] = {
        {"\xCEnalt", "\xC3\x8Enalt"},                                         // Î first
        {"M\xE2ner", "M\xC3\xA2ner"},                                         // â in the middle
        {"Comod\xE3", "Comod\xC4\x83"},                                       // ă last
        {"P18ALB\xE3\xBA\xFE\xEE", "P18ALB\xC4\x83\xC5\x9F\xC5\xA3\xC3\xAE"}, // ten, the limit of a code
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.text);
        for (int field = 0; field < 3; ++field) { // code, description, picture
            SCOPED_TRACE(field);
            const std::string code = field == 0 ? t.file : "PAL18";
            const std::string description = field == 1 ? t.file : "Pal";
            const std::string picture = field == 2 ? t.file : "p.jpg";
            const std::string common = code + "\r\n" + description + "\r\n9.5\r\n" + picture + "\r\n";
            const std::string boards = "64 64 1\r\n" + common + "1\r\n18\r\n1\r\n";
            const std::string hardware = "32 32 1\r\n" + common;

            const PalPflCatalogue b = ParsePalPflCatalogue(boards);
            ASSERT_TRUE(b.ok());
            ASSERT_EQ(b.items.size(), 1u);
            const std::string& shown = field == 0   ? b.items[0].code
                                       : field == 1 ? b.items[0].description
                                                    : b.items[0].picture;
            EXPECT_EQ(shown, t.text);
            EXPECT_EQ(FormatCatalogue(b.header, b.items), boards);
            EXPECT_EQ(ParsePalPflCatalogue(FormatCatalogue(b.header, b.items)).items, b.items);

            const FeronerieCatalogue h = ParseFeronerieCatalogue(hardware);
            ASSERT_EQ(h.items.size(), 1u);
            EXPECT_EQ(FormatCatalogue(h.header, h.items), hardware);
            EXPECT_EQ(ParseFeronerieCatalogue(FormatCatalogue(h.header, h.items)).items, h.items);
        }
    }
    // Eleven characters: the code keeps ten, cut between two letters.
    const PalPflCatalogue over = ParsePalPflCatalogue("64 64 1\r\n" + Board("P18ALB\xE3\xBA\xFE\xEE\xE3"));
    ASSERT_EQ(over.items.size(), 1u);
    EXPECT_EQ(over.items[0].code, "P18ALB\xC4\x83\xC5\x9F\xC5\xA3\xC3\xAE");
}

// Inputs on which the catalogue fuzz target once stopped: a code ending in an
// 8-bit letter lost that letter when it was written back.
TEST(CatalogueWrite, FuzzFindingsReadBackTheSame) {
    std::string ten; // "PA" and eight Ë, cb in the file
    ten = "PA";
    for (int k = 0; k < 8; ++k) ten += "\xC3\x8B";
    const struct {
        std::string bytes, code;
    } cases[] = {
        // 40 bytes: a one-entry board catalogue whose code ends in e3.
        {"64 64 1\r\nP18ALB\xe3\r\nAlb\r\n9.5\r\n\r\n1\r\n18\r\n1\r\n", "P18ALB\xC4\x83"},
        // A code line of 74 bytes, most of them cb, cut to its first ten.
        {"64 64 14\r\nPA" + std::string(67, '\xcb') + "4L188", ten},
    };
    EXPECT_EQ(cases[0].bytes.size(), 40u);
    for (const auto& c : cases) {
        const PalPflCatalogue boards = ParsePalPflCatalogue(c.bytes);
        ASSERT_TRUE(boards.ok());
        ASSERT_EQ(boards.items.size(), 1u);
        EXPECT_EQ(boards.items[0].code, c.code);
        EXPECT_EQ(ParsePalPflCatalogue(FormatCatalogue(boards.header, boards.items)).items, boards.items);
        const FeronerieCatalogue hardware = ParseFeronerieCatalogue(c.bytes);
        EXPECT_EQ(ParseFeronerieCatalogue(FormatCatalogue(hardware.header, hardware.items)).items, hardware.items);
    }
    // Nothing was lost in the first: it is written back byte for byte.
    const PalPflCatalogue first = ParsePalPflCatalogue(cases[0].bytes);
    EXPECT_EQ(FormatCatalogue(first.header, first.items), cases[0].bytes);
}

TEST(CatalogueCells, FormatsAndFallbacks) {
    EXPECT_EQ(CellReal(18.5, 2, 7), "  18.50");
    EXPECT_EQ(CellInt(3, 4), "   3");
    EXPECT_EQ(CellReal(123456.789, 2, 7), "123456.79");
    EXPECT_DOUBLE_EQ(CellToReal("  18.50", 18.0), 18.5);
    EXPECT_DOUBLE_EQ(CellToReal("abc", 18.0), 18.0);
    EXPECT_EQ(CellToInt(" 12 ", 0), 12);
    EXPECT_EQ(CellToColor("16777215", 0), 0xFFFFFFu);
    EXPECT_EQ(CellToColor("-1", 0), 0xFFFFFFu);
    EXPECT_EQ(CellToColor("rosu", 7), 7u);
    EXPECT_EQ(CellToColor("", 7), 7u);
    EXPECT_TRUE(IsBmpFile("c:\\Poze\\STEJAR.Bmp"));
    EXPECT_FALSE(IsBmpFile("stejar.jpg"));
    EXPECT_FALSE(IsBmpFile("bmp"));
    EXPECT_EQ(LeftPart("abc", 2), "ab");
    EXPECT_EQ(LeftPart("abc", 5), "abc");
}

namespace {
std::string ManyBoards(int n) {
    std::string s = "64 64 " + std::to_string(n) + "\r\n";
    for (int i = 0; i < n; ++i) s += Board("C" + std::to_string(i));
    return s;
}
} // namespace

TEST(CatalogueRead, TwentyThousandEntriesAreReadAndOneMoreIsSaid) {
    const PalPflCatalogue full = ParsePalPflCatalogue(ManyBoards(kMaxCatalogueEntries) + "\r\n\r\n");
    EXPECT_TRUE(full.ok()) << full.Message();
    ASSERT_EQ(full.items.size(), 20000u);
    EXPECT_EQ(full.items.back().code, "C19999");

    const PalPflCatalogue over = ParsePalPflCatalogue(ManyBoards(kMaxCatalogueEntries + 1));
    EXPECT_EQ(over.status, CatalogueStatus::TooLong);
    EXPECT_EQ(over.items.size(), 20000u) << "the first ones are there for the look-ups";
    EXPECT_EQ(over.Message(), "Fisierul are mai mult de 20000 de intrari: sunt citite doar primele 20000.");
}

TEST(CatalogueThumbnails, StripHoldsEveryEntryOfTheLongestCatalogue) {
    EXPECT_EQ(StripSlots(20000, 64, 64), 20000);
    EXPECT_EQ(StripSlots(20000, 1024, 1024), 78); // only the first rows of oversized thumbnails
    EXPECT_EQ(StripSlots(3, 1024, 1024), 3);
    EXPECT_EQ(StripSlots(5, 1025, 64), 0);
    EXPECT_EQ(StripSlots(0, 64, 64), 0);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string red = dir.filePath("rosu.bmp").toStdString();
    QImage pic(40, 20, QImage::Format_RGB32);
    pic.fill(qRgb(255, 0, 0));
    ASSERT_TRUE(SaveBmp(red, pic).ok);
    // Pictures in the first and the far slots; the rest have none.
    std::vector<std::string> pictures(20000);
    for (int i : {0, 16383, 16384, 19999}) pictures[static_cast<std::size_t>(i)] = red;
    const QImage strip = BuildThumbnailStrip(pictures, 64, 64);
    ASSERT_FALSE(strip.isNull());
    ASSERT_EQ(strip.size(), QSize(20000 * 64, 64));
    for (int i : {0, 16383, 16384, 19999}) {
        // Landscape: full width, 32 high, centred down.
        EXPECT_EQ(strip.pixel(i * 64 + 32, 32), qRgb(255, 0, 0)) << i;
        EXPECT_EQ(strip.pixel(i * 64 + 32, 8), qRgb(255, 255, 255)) << i;
    }
    EXPECT_EQ(strip.pixel(19998 * 64 + 32, 32), qRgb(255, 255, 255));
}

TEST(CatalogueThumbnails, PlacedInTheSlotKeepingProportions) {
    const struct {
        int w, h, slot;
        ThumbRect r;
    } cases[] = {
        {100, 200, 0, {16, 0, 32, 64}},  // portrait: full height, centred across
        {200, 100, 1, {64, 16, 64, 32}}, // landscape: full width, centred down
        {50, 50, 2, {128, 0, 64, 64}},   // square: the whole cell of the third slot
        {100, 300, 0, {21, 0, 21, 64}},  // 21.33 wide, 21.33 in
        {64, 128, 0, {16, 0, 32, 64}},   // exactly twice as high
        {0, 10, 0, {0, 0, 0, 0}},        // no width: nothing drawn
    };
    for (const auto& c : cases) EXPECT_EQ(ThumbnailPlace(c.w, c.h, 64, 64, c.slot), c.r) << c.w << "x" << c.h;
    // Half of 5 is 2.5 and goes to the even 2; 3.5 goes to 4.
    EXPECT_EQ(ThumbnailPlace(1, 2, 5, 5, 0), (ThumbRect{1, 0, 2, 5}));
    EXPECT_EQ(ThumbnailPlace(1, 2, 7, 7, 0), (ThumbRect{2, 0, 4, 7}));
}
