// The check made before saving: one closed outline, one pixel wide, that the
// designer's tracer follows all the way round; each fault with its place.
#include "Art.h"
#include "core/OutlineCheck.h"
#include "core/Shapes.h"
#include "render/Contour.h"

#include <gtest/gtest.h>

using namespace trasalin;
using trasalin::test::Draw;
using trasalin::test::FromArt;

namespace {

// A "C": its ends at (7, 2) and (7, 5).
const std::vector<std::string> kOpenC = {
    "..........", "...####...", "..#....#..", ".#........", ".#........", "..#....#..", "...####...", "..........",
};

struct CheckCase {
    const char* name;
    std::vector<std::string> art;
    OutlineFault fault;
    Pixel where;
};

TEST(OutlineCheck, FaultsAndTheirPlaces) {
    const CheckCase cases[] = {
        {"good outline",
         {"...........", "....###....", "...#...#...", "..#.....#..", ".#.......#.", "..#.....#..", "...#...#...",
          "....###....", "..........."},
         OutlineFault::None,
         {}},
        {"stairs whose inner corners lead the tracer off before it has come round",
         {"..........", "....##....", "...##.##..", "..##...##.", "..#.....#.", "..##...##.", "...##.##..",
          "....##....", ".........."},
         OutlineFault::Untraceable,
         {3, 3}},
        {"outline on the border of the picture", {"######", "#....#", "#....#", "######"}, OutlineFault::None, {}},
        {"nothing drawn", {"......", "......"}, OutlineFault::Empty, {}},
        {"open line", kOpenC, OutlineFault::Open, {7, 2}},
        {"two outlines",
         {"..........", "..#....#..", ".#.#..#.#.", "..#....#..", ".........."},
         OutlineFault::Several,
         {7, 1}},
        {"a stray dot beside the outline",
         {".......", ".####..", ".#..#..", ".####..", "......#"},
         OutlineFault::Several,
         {6, 4}},
        {"line two pixels thick",
         {"..........", ".########.", ".########.", ".##....##.", ".##....##.", ".########.", ".########.",
          ".........."},
         OutlineFault::Thick,
         {1, 1}},
        {"a bump on the inside",
         {"........", ".######.", ".#.#..#.", ".#....#.", ".######.", "........"},
         OutlineFault::Thick,
         {3, 2}},
        {"a line sticking out",
         {"............", "...####.....", "..#....#....", ".#......#...", ".#......####", ".#......#...",
          "..#....#....", "...####.....", "............"},
         OutlineFault::FreeEnd,
         {11, 4}},
        {"figure of eight",
         {".......", "...#...", "..#.#..", "...#...", "..#.#..", "...#...", "......."},
         OutlineFault::Touches,
         {3, 3}},
        {"a line across the inside",
         {"..........", ".########.", ".#......#.", ".########.", ".#......#.", ".########.", ".........."},
         OutlineFault::Touches,
         {1, 3}},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        const OutlineReport r = CheckOutline(FromArt(c.art));
        EXPECT_EQ(static_cast<int>(r.fault), static_cast<int>(c.fault)) << r.Text();
        if (c.fault != OutlineFault::None && c.fault != OutlineFault::Empty) {
            EXPECT_EQ(r.where, c.where) << r.Text();
        }
    }
    // A tall picture's last row is never where a trace starts.
    Bitmap tall(6, 30);
    for (int x = 2; x < 5; ++x) tall.Set(x, 29, true);
    const OutlineReport last = CheckOutline(tall);
    EXPECT_EQ(last.fault, OutlineFault::Untraceable);
    EXPECT_EQ(last.where, (Pixel{2, 29}));
}

TEST(OutlineCheck, MessagesShowWhere) {
    const OutlineReport open = CheckOutline(FromArt(kOpenC));
    ASSERT_TRUE(open.hasOther);
    EXPECT_EQ(open.other, (Pixel{7, 5}));
    EXPECT_EQ(open.Text(), "Conturul nu este inchis: linia se termina la x = 7, y = 2 si la x = 7, y = 5.");
    // A line whose start is one of its ends has only the other end to show.
    const OutlineReport line = CheckOutline(Draw(LinePixels({1, 1}, {8, 4}), 10, 6));
    EXPECT_EQ(line.fault, OutlineFault::Open);
    EXPECT_EQ(line.Text(), "Conturul nu este inchis: linia se termina la x = 8, y = 4.");
    EXPECT_EQ(CheckOutline(Bitmap(5, 5)).Text(), "Desenul nu are nici un contur.");

    OutlineReport r;
    r.where = {7, 1};
    r.fault = OutlineFault::Several;
    EXPECT_EQ(r.Text(), "Desenul are mai multe contururi: al doilea incepe la x = 7, y = 1.");
    r.fault = OutlineFault::Thick;
    EXPECT_EQ(r.Text(), "Conturul este mai gros de un punct la x = 7, y = 1.");
    r.fault = OutlineFault::Touches;
    EXPECT_EQ(r.Text(), "Conturul se atinge sau se intretaie cu el insusi la x = 7, y = 1.");
    r.fault = OutlineFault::FreeEnd;
    EXPECT_EQ(r.Text(), "Din contur iese o linie care se termina la x = 7, y = 1.");
}

TEST(OutlineCheck, TheDesignersOwnPicturesPass) {
    // The model bitmap the designer makes for a 600 x 300 piece.
    const OutlineReport model = CheckOutline(Bitmap::FromImage(zv::MakeContourModelPicture(600, 300)));
    EXPECT_TRUE(model.Ok()) << model.Text();
    EXPECT_EQ(model.points, 596);
    // The default model of rails, handles and legs.
    Bitmap cerc;
    ASSERT_TRUE(LoadDrawing(ZV_DATA_DIR "/Cerc.bmp", cerc).ok);
    const OutlineReport c = CheckOutline(cerc);
    EXPECT_TRUE(c.Ok()) << c.Text();
    EXPECT_EQ(static_cast<std::size_t>(c.points), cerc.InkCount());
}

TEST(OutlineCheck, TooLongForTheDesigner) {
    // A circle of about 2800 pixels: the designer's tracer stops at 2500.
    const Bitmap big = Draw(EllipsePixels({0, 0}, {1000, 1000}), 1001, 1001);
    const OutlineReport r = CheckOutline(big);
    ASSERT_EQ(r.fault, OutlineFault::TooLong) << r.Text();
    EXPECT_NE(r.Text().find("cel mult 2499"), std::string::npos);
    EXPECT_TRUE(big.Ink(r.where));
    // Shorter ones pass.
    EXPECT_TRUE(CheckOutline(Draw(EllipsePixels({0, 0}, {700, 700}), 701, 701)).Ok());
}

} // namespace
