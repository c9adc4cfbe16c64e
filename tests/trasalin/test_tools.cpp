// The pixels each drawing tool sets, the mouse gestures that drive them, and
// undo and redo over many steps.
#include "Art.h"
#include "core/CommandLine.h"
#include "core/Drawing.h"
#include "core/Tools.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace trasalin;
using trasalin::test::Draw;
using trasalin::test::FromArt;
using trasalin::test::ToArt;

namespace {

struct ToolCase {
    const char* name;
    std::function<Path()> draw;
    std::vector<std::string> expected;
};

// A circle in the box (1, 1)-(9, 9).
const std::vector<std::string> kCircle = {
    "...........", "....###....", "...#...#...", "..#.....#..", ".#.......#.", ".#.......#.",
    ".#.......#.", "..#.....#..", "...#...#...", "....###....", "...........",
};

const std::vector<ToolCase>& ToolCases() {
    static const std::vector<ToolCase> cases = {
        {"line",
         [] {
             return LinePixels({0, 0}, {7, 3});
         },
         {"##.......", "..##.....", "....##...", "......##.", "........."}},
        {"line drawn backwards",
         [] {
             return LinePixels({7, 3}, {0, 0});
         },
         {"##.......", "..##.....", "....##...", "......##.", "........."}},
        // The sharp corners lose their tips: the sides would run side by side.
        {"polyline closed on its first point",
         [] {
             return PolylinePixels({{1, 1}, {8, 1}, {4, 6}}, true);
         },
         {"..........", "...####...", "..#....#..", "..#...#...", "...#..#...", "...#.#....", "....#.....",
          ".........."}},
        {"right angles keep their corners",
         [] {
             return PolylinePixels({{1, 1}, {6, 1}, {6, 3}, {3, 3}, {3, 5}, {1, 5}}, true);
         },
         {"........", ".######.", ".#....#.", ".#.####.", ".#.#....", ".###....", "........"}},
        {"polyline left open",
         [] {
             return PolylinePixels({{1, 1}, {6, 1}, {6, 4}}, false);
         },
         {"........", ".######.", "......#.", "......#.", "......#.", "........"}},
        {"circle in a square box",
         [] {
             return EllipsePixels({9, 9}, {1, 1});
         },
         kCircle},
        {"ellipse of even sides",
         [] {
             return EllipsePixels({1, 1}, {10, 6});
         },
         {"............", "...######...", "..#......#..", ".#........#.", ".#........#.", "..#......#..",
          "...######...", "............"}},
        {"arc through three points",
         [] {
             return ArcPixels({1, 6}, {5, 1}, {9, 6});
         },
         {"...........", "....###....", "...#...#...", "..#.....#..", ".#.......#.", ".#.......#.", ".#.......#.",
          "..........."}},
        {"arc the other way round",
         [] {
             return ArcPixels({1, 1}, {5, 6}, {9, 1});
         },
         {"...........", ".#.......#.", ".#.......#.", ".#.......#.", "..#.....#..", "...#...#...", "....###....",
          "..........."}},
        {"arc through points on one line",
         [] {
             return ArcPixels({1, 1}, {4, 1}, {7, 1});
         },
         {".........", ".#######.", "........."}},
        {"rounded rectangle",
         [] {
             return RoundRectPixels({1, 1}, {12, 8}, 3);
         },
         {"..............", "...########...", "..#........#..", ".#..........#.", ".#..........#.", ".#..........#.",
          ".#..........#.", "..#........#..", "...########...", ".............."}},
        {"rectangle of radius 0",
         [] {
             return RoundRectPixels({6, 4}, {1, 1}, 0);
         },
         {"........", ".######.", ".#....#.", ".#....#.", ".######.", "........"}},
        {"radius larger than half the box",
         [] {
             return RoundRectPixels({1, 1}, {9, 9}, 50);
         },
         kCircle},
        {"freehand without stairs",
         [] {
             return FreehandPixels({{1, 1}, {3, 2}, {6, 2}, {7, 5}});
         },
         {".........", ".#.......", "..####...", "......#..", ".......#.", ".......#.", "........."}},
        {"eraser square along the stroke",
         [] {
             return EraserPixels({{2, 2}, {5, 2}}, 3);
         },
         {"........", ".######.", ".######.", ".######.", "........"}},
    };
    return cases;
}

TEST(Tools, EachToolSetsItsPixels) {
    for (const ToolCase& c : ToolCases()) {
        SCOPED_TRACE(c.name);
        const Bitmap expected = FromArt(c.expected);
        EXPECT_EQ(ToArt(Draw(c.draw(), expected.Width(), expected.Height())), ToArt(c.expected));
    }
}

TEST(Tools, CurvesAreOnePixelWide) {
    // No pixel of a curve has both its neighbours along the path touching.
    const std::vector<Path> curves = {EllipsePixels({0, 0}, {57, 31}), EllipsePixels({0, 0}, {40, 40}),
                                      ArcPixels({0, 30}, {20, 2}, {44, 25}), RoundRectPixels({0, 0}, {60, 40}, 13),
                                      FreehandPixels({{0, 0}, {5, 1}, {9, 7}, {10, 20}, {3, 22}})};
    for (const Path& p : curves) {
        ASSERT_GE(p.size(), 3u);
        for (std::size_t i = 1; i + 1 < p.size(); ++i) {
            EXPECT_TRUE(Touching(p[i - 1], p[i])) << i;
            EXPECT_FALSE(Touching(p[i - 1], p[i + 1])) << i;
        }
    }
}

TEST(Tools, EveryToolIsUndoneAndRedoneStepByStep) {
    Drawing d(Bitmap(16, 12));
    std::vector<Bitmap> states{d.bitmap()};
    const std::vector<std::pair<Path, bool>> strokes = {
        {LinePixels({0, 0}, {15, 11}), true},        {PolylinePixels({{2, 2}, {12, 2}, {7, 9}}, true), true},
        {EllipsePixels({1, 1}, {14, 10}), true},     {ArcPixels({1, 10}, {7, 3}, {14, 10}), true},
        {RoundRectPixels({3, 3}, {13, 9}, 2), true}, {FreehandPixels({{0, 11}, {5, 6}, {9, 9}}), true},
        {EraserPixels({{4, 4}, {10, 4}}, 3), false},
    };
    for (const auto& [pixels, ink] : strokes) {
        EXPECT_GT(d.Apply(pixels, ink), 0u);
        states.push_back(d.bitmap());
    }
    EXPECT_TRUE(d.Modified());
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(d.Undo());
        EXPECT_EQ(ToArt(d.bitmap()), ToArt(states[i - 1])) << "undo to " << i - 1;
    }
    EXPECT_FALSE(d.Undo());
    EXPECT_FALSE(d.Modified()); // back where it was opened
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(d.Redo());
        EXPECT_EQ(ToArt(d.bitmap()), ToArt(states[i])) << "redo to " << i;
    }
    EXPECT_FALSE(d.Redo());
}

TEST(Tools, UndoHistoryRules) {
    Drawing d(Bitmap(10, 10));
    // Nothing changed, no step: pixels outside the picture and ink on ink.
    EXPECT_EQ(d.Apply({{-1, 3}, {10, 0}}, true), 0u);
    EXPECT_EQ(d.Apply({{2, 2}}, true), 1u);
    EXPECT_EQ(d.Apply({{2, 2}}, true), 0u);
    EXPECT_EQ(d.UndoSteps(), 1u);
    d.MarkSaved();
    EXPECT_FALSE(d.Modified());
    d.Undo();
    EXPECT_TRUE(d.Modified());
    // A new stroke after an undo drops the redo steps, and the saved state
    // cannot come back by undoing.
    d.Apply({{5, 5}}, true);
    EXPECT_FALSE(d.CanRedo());
    EXPECT_TRUE(d.Modified()); // as many steps as at the save, but another drawing
    d.Undo();
    EXPECT_TRUE(d.Modified());
    EXPECT_EQ(d.bitmap().InkCount(), 0u);

    // The oldest steps go once there are too many.
    Drawing many(Bitmap(100, 100));
    for (std::size_t i = 0; i < kMaxUndoSteps + 5; ++i)
        many.Apply({{static_cast<int>(i % 100), static_cast<int>(i / 100)}}, true);
    EXPECT_EQ(many.UndoSteps(), kMaxUndoSteps);
    while (many.Undo()) {
    }
    EXPECT_EQ(many.bitmap().InkCount(), 5u);
    EXPECT_TRUE(many.Modified());
}

TEST(ToolSession, DragToolsDrawOnRelease) {
    ToolSession s;
    s.SetTool(Tool::Ellipse);
    EXPECT_FALSE(s.Press({1, 1}));
    s.Move({5, 5}, true);
    EXPECT_EQ(s.Preview(), EllipsePixels({1, 1}, {5, 5}));
    const auto stroke = s.Release({9, 9});
    ASSERT_TRUE(stroke);
    EXPECT_EQ(stroke->pixels, EllipsePixels({1, 1}, {9, 9}));
    EXPECT_TRUE(stroke->ink);
    EXPECT_FALSE(s.Busy());
    EXPECT_TRUE(s.Preview().empty());
    // A move without the button does not drag.
    EXPECT_FALSE(s.Release({3, 3}));

    s.SetTool(Tool::Eraser);
    s.eraserSize = 1;
    s.Press({0, 0});
    s.Move({2, 0}, true);
    const auto rub = s.Release({2, 2});
    ASSERT_TRUE(rub);
    EXPECT_FALSE(rub->ink);
    EXPECT_EQ(rub->pixels, (Path{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}}));

    s.SetTool(Tool::RoundRect);
    s.cornerRadius = 0;
    s.Press({1, 1});
    EXPECT_EQ(s.Release({6, 4})->pixels, RoundRectPixels({1, 1}, {6, 4}, 0));
}

TEST(ToolSession, PolylineClosesOnItsFirstPoint) {
    ToolSession s;
    s.SetTool(Tool::Polyline);
    s.closeDistance = 1;
    EXPECT_FALSE(s.Press({1, 1}));
    EXPECT_FALSE(s.Release({1, 1}));
    EXPECT_FALSE(s.Press({8, 1}));
    s.Move({4, 6}, false);
    EXPECT_EQ(s.Preview(), PolylinePixels({{1, 1}, {8, 1}, {4, 6}}, false));
    EXPECT_FALSE(s.Press({4, 6}));
    EXPECT_EQ(s.Points().size(), 3u);
    const auto closed = s.Press({2, 2}); // within one pixel of the first point
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->pixels, PolylinePixels({{1, 1}, {8, 1}, {4, 6}}, true));
    EXPECT_FALSE(s.Busy());

    // Two points are no outline to close: the first point becomes a corner.
    s.Press({1, 1});
    s.Press({8, 1});
    EXPECT_FALSE(s.Press({1, 1}));
    EXPECT_EQ(s.Points().size(), 3u);
    // A right click ends it open; with fewer than two points nothing is drawn.
    const auto open = s.Finish();
    ASSERT_TRUE(open);
    EXPECT_EQ(open->pixels, PolylinePixels({{1, 1}, {8, 1}, {1, 1}}, false));
    s.Press({3, 3});
    EXPECT_FALSE(s.Finish());
    EXPECT_FALSE(s.Busy());
}

TEST(ToolSession, ArcTakesThreeClicks) {
    ToolSession s;
    s.SetTool(Tool::Arc);
    EXPECT_FALSE(s.Press({1, 6}));
    s.Move({5, 1}, false);
    EXPECT_EQ(s.Preview(), LinePixels({1, 6}, {5, 1}));
    EXPECT_FALSE(s.Press({5, 1}));
    s.Move({9, 6}, false);
    EXPECT_EQ(s.Preview(), ArcPixels({1, 6}, {5, 1}, {9, 6}));
    const auto arc = s.Press({9, 6});
    ASSERT_TRUE(arc);
    EXPECT_EQ(arc->pixels, ArcPixels({1, 6}, {5, 1}, {9, 6}));
    // Changing the tool drops what was begun.
    s.Press({1, 1});
    s.SetTool(Tool::Line);
    EXPECT_FALSE(s.Busy());
}

TEST(Grid, SnapsToTheNearestPoint) {
    const struct {
        Pixel p;
        int step;
        Pixel expected;
    } cases[] = {
        {{13, 8}, 10, {10, 10}}, {{15, 14}, 10, {20, 10}}, {{-4, -6}, 10, {0, -10}},
        {{7, 7}, 1, {7, 7}},     {{7, 7}, 0, {7, 7}},      {{11, 13}, 4, {12, 12}},
    };
    for (const auto& c : cases) EXPECT_EQ(SnapToGrid(c.p, c.step), c.expected) << c.p.x << "," << c.p.y;
}

TEST(Sizes, ParseAndFit) {
    EXPECT_EQ(ParseDrawingSize("400 x 300"), (std::pair{400, 300}));
    EXPECT_EQ(ParseDrawingSize(" 25X4000 "), (std::pair{25, 4000}));
    EXPECT_EQ(ParseDrawingSize("25*40"), (std::pair{25, 40}));
    EXPECT_EQ(ParseDrawingSize("4000 x 25"), (std::pair{4000, 25}));
    for (const char* bad :
         {"", "400", "0 x 10", "10 x 4001", "4001 x 10", "a x 3", "4 x 3 x 2", "-5 x 5", "99999999999 x 1"})
        EXPECT_FALSE(ParseDrawingSize(bad)) << bad;
    EXPECT_EQ(FittingZoom(251, 251, 900, 600), 2);
    EXPECT_EQ(FittingZoom(40, 30, 900, 600), 16);
    EXPECT_EQ(FittingZoom(2000, 2000, 900, 600), 1);
}

TEST(CommandLine, AsTheDesignerStartsIt) {
    EXPECT_EQ(ParseCommandLine({}).file, "");
    EXPECT_EQ(ParseCommandLine({}).error, "");
    const StartRequest model = ParseCommandLine({"/tmp/modele/Model1.bmp", "3"});
    EXPECT_EQ(model.file, "/tmp/modele/Model1.bmp");
    EXPECT_EQ(model.error, "");
    // A relative name is taken from the current folder, once, at the start.
    EXPECT_EQ(ParseCommandLine({"Cerc.bmp"}).file, QDir::current().absoluteFilePath("Cerc.bmp").toStdString());
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"a.bmp", "2"}, {"a.bmp", "3", "x"}, {"", "3"}}) {
        const StartRequest r = ParseCommandLine(bad);
        EXPECT_EQ(r.file, "");
        EXPECT_EQ(r.error, kBadArguments);
    }
}

} // namespace
