#include "render/Projection.h"

#include "model/Mobila.h"
#include "model/MobilaFile.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "support/GoldenImage.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

using namespace zv;

namespace {

struct Box {
    double x, y, z, sx, sy, sz;
};

Scene3D SceneOf(const std::vector<Box>& boxes) {
    Scene3D s;
    s.Init();
    for (const Box& b : boxes) EXPECT_TRUE(s.AddBox(b.x, b.y, b.z, b.sx, b.sy, b.sz));
    return s;
}

Furniture FurnitureOf(const std::vector<Box>& boxes, const std::vector<Color>& colors = {}) {
    Furniture f;
    f.scene = SceneOf(boxes);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        f.scene.color[i] = i < colors.size() ? colors[i] : Scene3D::kDefaultColor;
        f.pieceNames.push_back("Piesa " + std::to_string(i + 1));
    }
    return f;
}

struct LayoutCase {
    const char* name;
    std::vector<Box> boxes;
    int view;
    int w, h;
    bool figures;
    std::vector<double> hmarks, vmarks;
    double scale, ox, oy;
};

void ExpectMarks(const std::vector<double>& got, const std::vector<double>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-9) << "mark " << i;
}

} // namespace

TEST(ProjectionLayoutTest, Cases) {
    const std::vector<LayoutCase> cases = {
        {"shelf 18 mm between two sides: bottom edge marked, top not, shared edges once",
         {{0, 0, 0, 18, 720, 500}, {582, 0, 0, 18, 720, 500}, {18, 300, 0, 564, 18, 480}},
         1,
         600,
         720,
         false,
         {0, 18, 582, 600},
         {0, 420, 720},
         1.0,
         0,
         0},
        {"50 mm marks both edges, 49.9 mm only its minimum",
         {{0, 0, 0, 300, 10, 10}, {0, 10, 0, 50, 50, 10}, {200, 100, 0, 49.9, 49.9, 10}, {0, 200, 0, 10, 100, 10}},
         1,
         300,
         300,
         false,
         // horizontal: 0, 50 (50 wide), 200 (49.9 wide: no 249.9), 300
         // vertical, from the top (height 300): piece 4's bottom at 100; piece 3 (49.9 high) only its
         // bottom at 200; piece 2 (50 high) top 240 and bottom 290
         {0, 50, 200, 300},
         {0, 100, 200, 240, 290, 300},
         1.0,
         0,
         0},
        {"tall and narrow in a wide picture: height decides, centred horizontally",
         {{0, 0, 0, 100, 1000, 100}},
         1,
         1000,
         600,
         false,
         {0, 100},
         {0, 1000},
         0.6,
         470,
         0},
        {"bottom view: Z across, X up", {{0, 0, 0, 400, 18, 600}}, 0, 600, 400, false, {0, 600}, {0, 400}, 1.0, 0, 0},
        {"right view: Z across, Y up", {{0, 0, 0, 18, 300, 600}}, 2, 1200, 600, false, {0, 600}, {0, 300}, 2.0, 0, 0},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectionOptions o;
        o.view = c.view;
        o.figures = c.figures;
        const Scene3D s = SceneOf(c.boxes);
        const ProjectionPicture p = LayoutProjection(s, o, c.w, c.h);
        ASSERT_TRUE(p.Drawn());
        ExpectMarks(p.layout.hmarks, c.hmarks);
        ExpectMarks(p.layout.vmarks, c.vmarks);
        EXPECT_NEAR(p.fit.scale, c.scale, 1e-9);
        EXPECT_NEAR(p.fit.ox, c.ox, 1e-9);
        EXPECT_NEAR(p.fit.oy, c.oy, 1e-9);
        if (!c.figures) {
            EXPECT_TRUE(p.figures.empty());
        }
    }
}

namespace {
int TextWidth(const QFontMetrics& fm, const char* t) { return fm.horizontalAdvance(QString::fromLatin1(t)); }
} // namespace

TEST(ProjectionLayoutTest, OnePieceFiguresInTheirOrderAndPlaces) {
    // 600 x 720 in front: "720" and "0" to the right (the top mark first), "0" and "600" below.
    const Scene3D s = SceneOf({{0, 0, 0, 600, 720, 18}});
    ProjectionOptions o;
    const QFontMetrics fm(ProjectionFont(o.font));
    const int fh = fm.height();
    const int cw = std::max(kFigureColumnWidth, TextWidth(fm, "720") + kFigureGap);
    const int rh = std::max(kFigureRowHeight, fh);
    const ProjectionPicture p = LayoutProjection(s, o, 650, 760);
    ASSERT_TRUE(p.Drawn());
    EXPECT_EQ(p.columnWidth, cw);
    EXPECT_EQ(p.rowHeight, rh);
    EXPECT_EQ(p.areaRight, 650 - 2 * cw);
    EXPECT_EQ(p.areaBottom, 760 - 4 - 3 * rh);
    const double right = p.fit.right, bottom = p.fit.bottom;
    const std::vector<ProjectionFigure> want = {
        // The top figure starts inside the picture, not 2 pixels above it.
        {"720", RoundEven(right + 2), std::max(0, RoundEven(p.fit.oy - 2)), TextWidth(fm, "720"), fh},
        // The lowest moves up by the text's height and ends above the drawing's bottom edge.
        {"0", RoundEven(right + 2 + cw), RoundEven(bottom - 2) - fh, TextWidth(fm, "0"), fh},
        {"0", RoundEven(p.fit.ox), RoundEven(bottom + 2), TextWidth(fm, "0"), fh},
        {"600", RoundEven(right), RoundEven(bottom + 2 + rh), TextWidth(fm, "600"), fh},
    };
    EXPECT_EQ(p.figures, want);
}

TEST(ProjectionLayoutTest, FiguresReserveRoomOnlyWhenShown) {
    const Scene3D s = SceneOf({{0, 0, 0, 600, 720, 18}});
    ProjectionOptions o;
    o.rows = 3;
    o.columns = 2;
    ProjectionPicture on = LayoutProjection(s, o, 800, 600);
    EXPECT_EQ(on.areaRight, 800 - 2 * on.columnWidth);
    EXPECT_EQ(on.areaBottom, 600 - 4 - 3 * on.rowHeight);
    EXPECT_GE(on.columnWidth, kFigureColumnWidth);
    EXPECT_GE(on.rowHeight, kFigureRowHeight);
    o.figures = false;
    ProjectionPicture off = LayoutProjection(s, o, 800, 600);
    EXPECT_EQ(off.areaRight, 800);
    EXPECT_EQ(off.areaBottom, 600);
    // Rows and columns outside 1..9 are kept in range (no division by zero).
    o.figures = true;
    o.rows = 0;
    o.columns = 0;
    ProjectionPicture low = LayoutProjection(s, o, 800, 600);
    EXPECT_EQ(low.areaRight, 800 - on.columnWidth);
    EXPECT_EQ(low.areaBottom, 600 - 4 - on.rowHeight);
    o.rows = 40;
    o.columns = 40;
    EXPECT_EQ(LayoutProjection(s, o, 800, 600).areaRight, 800 - 9 * on.columnWidth);
    // A larger font: the rows as tall as its text, the columns as wide as the widest figure and a gap.
    o.rows = 3;
    o.columns = 2;
    o.font.family = "DejaVu Sans";
    o.font.pixelHeight = 30;
    const QFontMetrics fm(ProjectionFont(o.font));
    const ProjectionPicture big = LayoutProjection(s, o, 800, 600);
    EXPECT_EQ(big.rowHeight, fm.height());
    EXPECT_EQ(big.columnWidth, TextWidth(fm, "720") + kFigureGap);
    EXPECT_GT(big.rowHeight, on.rowHeight);
    EXPECT_GT(big.columnWidth, on.columnWidth);
    EXPECT_EQ(big.areaBottom, 600 - 4 - 3 * big.rowHeight);
}

TEST(ProjectionLayoutTest, NothingToDrawGivesNoFitAndNoFigures) {
    ProjectionOptions o;
    // No pieces.
    ProjectionPicture empty = LayoutProjection(SceneOf({}), o, 800, 600);
    EXPECT_FALSE(empty.Drawn());
    EXPECT_TRUE(empty.figures.empty());
    // 200 x 150 with 9 rows and 9 columns: no area left.
    o.rows = 9;
    o.columns = 9;
    ProjectionPicture small = LayoutProjection(SceneOf({{0, 0, 0, 600, 720, 18}}), o, 200, 150);
    EXPECT_FALSE(small.Drawn());
    EXPECT_TRUE(small.figures.empty());
    // A flat furniture (no extent on either axis of the view).
    EXPECT_FALSE(FitToArea(0, 0, 100, 100, 0, 0).ok);
    const ProjectionFit flat = FitToArea(0, 0, 100, 100, 0, 50);
    ASSERT_TRUE(flat.ok);
    EXPECT_DOUBLE_EQ(flat.scale, 2.0);
    EXPECT_DOUBLE_EQ(flat.ox, 50.0);
    EXPECT_FALSE(FitToArea(0, 0, 0, 100, 10, 10).ok);
}

TEST(ProjectionLayoutTest, SelectionPastTheCountIsNotUsed) {
    const Scene3D s = SceneOf({{0, 0, 0, 100, 100, 18}, {100, 0, 0, 100, 100, 18}});
    ProjectionOptions o;
    o.selected = 2;
    EXPECT_EQ(LayoutProjection(s, o, 400, 300).selected, -1);
    o.wireframe = true;
    const ProjectionPicture p = LayoutProjection(s, o, 400, 300);
    EXPECT_EQ(p.selected, -1);
    EXPECT_EQ(p.order, (std::vector<int>{0, 1}));
}

TEST(ProjectionLayoutTest, HighlightedHalf) {
    const Scene3D s = SceneOf({{0, 0, 0, 200, 100, 18}});
    ProjectionOptions o;
    o.figures = false;
    o.selected = 0;
    struct {
        bool vertical;
        int half;
        int x1, y1, x2, y2;
    } cases[] = {
        {true, 0, 0, 50, 200, 100}, {true, 1, 0, 0, 200, 50}, {false, 1, 100, 0, 200, 100}, {false, 0, 0, 0, 100, 100}};
    for (const auto& c : cases) {
        o.vertical = c.vertical;
        o.half = c.half;
        const ProjectionPicture p = LayoutProjection(s, o, 200, 100);
        EXPECT_EQ(p.highlight.x1, c.x1);
        EXPECT_EQ(p.highlight.y1, c.y1);
        EXPECT_EQ(p.highlight.x2, c.x2);
        EXPECT_EQ(p.highlight.y2, c.y2);
    }
}

TEST(ProjectionOrderTest, ThreeViewsEqualKeysInIndexOrder) {
    // Piece minima: 0 (x0 y0 z100), 1 (x50 y20 z0), 2 (x0 y0 z100), 3 (x10 y20 z50).
    const Scene3D s = SceneOf(
        {{0, 0, 100, 10, 10, 10}, {50, 20, 0, 10, 10, 10}, {0, 0, 100, 10, 10, 10}, {10, 20, 50, 10, 10, 10}});
    // Front: larger minimum Z first.
    EXPECT_EQ(DepthSortForDrawing(s, 1, false, -1), (std::vector<int>{0, 2, 3, 1}));
    // Bottom: larger minimum Y first.
    EXPECT_EQ(DepthSortForDrawing(s, 0, false, -1), (std::vector<int>{1, 3, 0, 2}));
    // Right: smaller minimum X first.
    EXPECT_EQ(DepthSortForDrawing(s, 2, false, -1), (std::vector<int>{0, 2, 3, 1}));
    // Wireframe: no sort, the selection drawn last.
    EXPECT_EQ(DepthSortForDrawing(s, 1, true, 1), (std::vector<int>{0, 3, 2, 1}));
    EXPECT_EQ(DepthSortForDrawing(s, 1, true, -1), (std::vector<int>{0, 1, 2, 3}));
}

// ---------------------------------------------------------------- painting

namespace {

ProjectionOptions Plain(int view) {
    ProjectionOptions o;
    o.view = view;
    o.figures = false;
    o.names = false;
    return o;
}

QImage Paint(const Furniture& f, const ProjectionOptions& o, int w, int h, ProjectionContours& contours) {
    Canvas c(w, h);
    const ProjectionPicture p = LayoutProjection(f.scene, o, w, h);
    PaintProjection(c, f, p, o, contours);
    return c.Image();
}

Color At(const QImage& img, int x, int y) { return FromQColor(QColor(img.pixel(x, y))); }

// An "L": a thick vertical bar on the left and a foot to the right, so
// mirrors and turns all look different.
QImage LShape() {
    QImage img(60, 80, QImage::Format_RGB32);
    img.fill(Qt::white);
    auto dot = [&](int x, int y) { img.setPixel(x, y, qRgb(0, 0, 0)); };
    const int pts[][2] = {{10, 10}, {25, 10}, {25, 55}, {50, 55}, {50, 70}, {10, 70}};
    for (int k = 0; k < 6; ++k) {
        const int* a = pts[k];
        const int* b = pts[(k + 1) % 6];
        for (int x = std::min(a[0], b[0]); x <= std::max(a[0], b[0]); ++x)
            for (int y = std::min(a[1], b[1]); y <= std::max(a[1], b[1]); ++y) dot(x, y);
    }
    return img;
}

constexpr Color kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

} // namespace

TEST(ProjectionPaintTest, NearestPieceDrawnOnTop) {
    // Two overlapping pieces in the front view; the one with the smaller minimum Z is nearer.
    Furniture f = FurnitureOf({{0, 0, 100, 100, 100, 10}, {50, 0, 0, 100, 100, 10}}, {kRed, kBlue});
    ProjectionContours contours;
    const QImage img = Paint(f, Plain(1), 150, 100, contours);
    EXPECT_EQ(At(img, 75, 50), kBlue);
    EXPECT_EQ(At(img, 20, 50), kRed);
}

TEST(ProjectionPaintTest, WireframeDrawsSelectionLast) {
    Furniture f = FurnitureOf({{0, 0, 0, 100, 100, 10}, {0, 0, 0, 100, 100, 10}});
    ProjectionContours contours;
    ProjectionOptions o = Plain(1);
    o.wireframe = true;
    o.selected = 0;
    o.half = 0;
    const QImage img = Paint(f, o, 101, 101, contours);
    // The red outline of the lower half lies over the black outline of piece 2.
    EXPECT_EQ(At(img, 0, 90), kRed);
    EXPECT_EQ(At(img, 50, 50), kRed);   // the half's inner edge
    EXPECT_EQ(At(img, 50, 25), kWhite); // hollow
}

TEST(ProjectionPaintTest, EmptySceneAndNoAreaGiveWhite) {
    ProjectionContours contours;
    Furniture none = FurnitureOf({});
    const QImage a = Paint(none, ProjectionOptions{}, 200, 150, contours);
    Furniture one = FurnitureOf({{0, 0, 0, 600, 720, 18}}, {0});
    ProjectionOptions o;
    o.rows = 9;
    o.columns = 9;
    o.names = true;
    const QImage b = Paint(one, o, 200, 150, contours);
    for (const QImage* img : {&a, &b})
        for (int y = 0; y < img->height(); ++y)
            for (int x = 0; x < img->width(); ++x) ASSERT_EQ(At(*img, x, y), kWhite) << x << "," << y;
}

class ProjectionContourTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string Path(const char* name) { return (dir.path() + "/" + name).toStdString(); }
};

TEST_F(ProjectionContourTest, RightViewShowsTheModelUnmirroredAndTurned) {
    const std::string file = Path("L.bmp");
    ASSERT_TRUE(SaveBmp(file, LShape()).ok);
    ProjectionContours contours;
    // The same 300 x 200 face in both views.
    Furniture right = FurnitureOf({{0, 0, 0, 300, 200, 300}}, {0});
    right.attrs.modelFile[0] = file;
    right.attrs.modelFace[0] = 2;
    right.attrs.modelMirror[0] = 1;
    right.attrs.modelRotation[0] = 1;
    Furniture front = right;
    front.attrs.modelFace[0] = 1;
    front.attrs.modelMirror[0] = 0;
    front.attrs.modelRotation[0] = 2;
    const QImage a = Paint(right, Plain(2), 300, 200, contours);
    const QImage b = Paint(front, Plain(1), 300, 200, contours);
    EXPECT_EQ(a, b);
    // And it is a contour, not the rectangle.
    Furniture plain = right;
    plain.attrs.modelFile[0].clear();
    EXPECT_NE(a, Paint(plain, Plain(2), 300, 200, contours));
    EXPECT_EQ(contours.Cache().TraceCount(), 1); // an unchanged file is read once
    EXPECT_TRUE(contours.TakeMessages().empty());
}

TEST_F(ProjectionContourTest, FaceOtherThanTheViewOrCutoutsOffDrawTheRectangle) {
    const std::string file = Path("L.bmp");
    ASSERT_TRUE(SaveBmp(file, LShape()).ok);
    ProjectionContours contours;
    Furniture f = FurnitureOf({{0, 0, 0, 300, 200, 300}}, {0});
    Furniture plain = f;
    f.attrs.modelFile[0] = file;
    f.attrs.modelFace[0] = 0;
    EXPECT_EQ(Paint(f, Plain(1), 300, 200, contours), Paint(plain, Plain(1), 300, 200, contours));
    f.attrs.modelFace[0] = 1;
    ProjectionOptions off = Plain(1);
    off.cutouts = false;
    EXPECT_EQ(Paint(f, off, 300, 200, contours), Paint(plain, off, 300, 200, contours));
}

TEST_F(ProjectionContourTest, BrokenOrEmptyFileOneMessageRectangleAndLaterPiecesDrawn) {
    const std::string broken = Path("stricat.bmp");
    {
        std::ofstream out(broken, std::ios::binary);
        out << "BM not a picture at all";
    }
    const std::string blank = Path("gol.bmp");
    QImage white(40, 40, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(SaveBmp(blank, white).ok);

    Furniture f = FurnitureOf({{0, 0, 0, 100, 100, 10}, {100, 0, 0, 100, 100, 10}, {200, 0, 0, 100, 100, 10}},
                              {kRed, kBlue, kRed});
    for (int i : {0, 1}) f.attrs.modelFace[static_cast<std::size_t>(i)] = 1;
    f.attrs.modelFile[0] = broken;
    f.attrs.modelFile[1] = blank;
    ProjectionContours contours;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        const QImage img = Paint(f, Plain(1), 300, 100, contours);
        EXPECT_EQ(At(img, 50, 50), kRed);   // the broken file's piece as its rectangle
        EXPECT_EQ(At(img, 150, 50), kBlue); // no contour: the rectangle
        EXPECT_EQ(At(img, 250, 50), kRed);  // later pieces still drawn
        const auto messages = contours.TakeMessages();
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].file, broken);
        EXPECT_EQ(messages[1].file, blank);
        EXPECT_EQ(messages[1].message.text, kNoContourText + blank);
        EXPECT_EQ(contours.Cache().TraceCount(), 2); // neither file read again
    }
}

// ---------------------------------------------------------------- golden pictures

namespace {
using zv::test::MatchesGolden;
// Antialiased edges and text may differ on one pixel in five hundred.
zv::test::GoldenTolerance Tolerance(int width, int height) {
    zv::test::GoldenTolerance t;
    t.pixels = width * height / 500;
    return t;
}
} // namespace

TEST(ProjectionGoldenTest, DulapInTheThreeViewsFilledAndWireframe) {
    Furniture f;
    ReplaceWithMobilaFile(ReadMobilaFile(ZV_DATA_DIR "/Dulap.mo4"), f);
    ASSERT_GT(f.scene.pieceCount, 0);
    ProjectionContours contours;
    const char* views[3] = {"jos", "fata", "dreapta"};
    for (int view = 0; view < 3; ++view) {
        for (bool wire : {false, true}) {
            ProjectionOptions o = Plain(view);
            o.wireframe = wire;
            const std::string name = std::string("dulap_") + views[view] + (wire ? "_sarmos" : "");
            SCOPED_TRACE(name);
            EXPECT_TRUE(MatchesGolden(Paint(f, o, 400, 300, contours), name, Tolerance(400, 300)));
        }
    }
}

TEST(ProjectionGoldenTest, CircleModelOnEachFaceInItsView) {
    const char* views[3] = {"jos", "fata", "dreapta"};
    for (int face = 0; face < 3; ++face) {
        // A board thin along the axis its face is seen across.
        const double sx = face == 2 ? 18 : 400, sy = face == 0 ? 18 : 300, sz = face == 1 ? 18 : 500;
        Furniture f = FurnitureOf({{0, 0, 0, sx, sy, sz}}, {Rgb(200, 160, 100)});
        f.attrs.modelFile[0] = ZV_DATA_DIR "/Cerc.bmp";
        f.attrs.modelFace[0] = static_cast<std::uint8_t>(face);
        ProjectionContours contours;
        const std::string name = std::string("cerc_") + views[face];
        SCOPED_TRACE(name);
        const QImage img = Paint(f, Plain(face), 300, 300, contours);
        EXPECT_TRUE(MatchesGolden(img, name, Tolerance(300, 300)));
        EXPECT_TRUE(contours.TakeMessages().empty());
        // The circle leaves the rectangle's corners white.
        const ProjectionPicture p = LayoutProjection(f.scene, Plain(face), 300, 300);
        EXPECT_EQ(At(img, p.rects[0].x1 + 1, p.rects[0].y1 + 1), kWhite);
    }
}

// ---------------------------------------------------------------- figures on the samples

namespace {

QRect FigureRect(const ProjectionFigure& f) { return {f.x, f.y, f.w, f.h}; }

// The figure as it reads alone: its text in black on its white box.
QImage FigureAlone(const ProjectionFigure& f, const FontChoice& font) {
    Canvas c(f.w, f.h);
    c.Clear(kWhite);
    QPainter painter(&c.Image());
    const QFont qf = ProjectionFont(font);
    painter.setFont(qf);
    painter.setPen(Qt::black);
    painter.drawText(0, QFontMetrics(qf).ascent(), QString::fromStdString(f.text));
    painter.end();
    return c.Image();
}

// Every figure inside the picture, clear of the drawing and of every other
// figure, as wide and tall as its text, in the marks' values and order.
void ExpectFiguresApart(const ProjectionPicture& p, const ProjectionOptions& o, int w, int h) {
    ASSERT_EQ(p.figures.size(), p.layout.vmarks.size() + p.layout.hmarks.size());
    const QFontMetrics fm(ProjectionFont(o.font));
    const QRect picture(0, 0, w, h);
    const QRect drawing(QPoint(RoundEven(p.fit.ox), RoundEven(p.fit.oy)),
                        QPoint(RoundEven(p.fit.right), RoundEven(p.fit.bottom)));
    for (std::size_t i = 0; i < p.figures.size(); ++i) {
        const ProjectionFigure& a = p.figures[i];
        const std::string where = a.text + " at " + std::to_string(a.x) + "," + std::to_string(a.y);
        ASSERT_EQ(a.w, fm.horizontalAdvance(QString::fromStdString(a.text))) << where;
        ASSERT_EQ(a.h, fm.height());
        EXPECT_TRUE(picture.contains(FigureRect(a))) << where;
        EXPECT_FALSE(drawing.intersects(FigureRect(a))) << where << " over the drawing";
        for (std::size_t j = i + 1; j < p.figures.size(); ++j) {
            const ProjectionFigure& b = p.figures[j];
            EXPECT_FALSE(FigureRect(a).intersects(FigureRect(b)))
                << where << " and " << b.text << " at " << b.x << "," << b.y;
        }
    }
    // Vertical figures from the top down, each column downwards; horizontal
    // ones from left to right, each row to the right.
    const std::size_t nv = p.layout.vmarks.size(), nh = p.layout.hmarks.size();
    const auto rows = static_cast<std::size_t>(o.rows), columns = static_cast<std::size_t>(o.columns);
    for (std::size_t c = 0; c < nv; ++c) {
        EXPECT_EQ(p.figures[c].text, std::to_string(RoundEven(p.layout.totalHeight - p.layout.vmarks[c])));
        if (c >= columns) EXPECT_GT(p.figures[c].y, p.figures[c - columns].y);
    }
    for (std::size_t c = 0; c < nh; ++c) {
        EXPECT_EQ(p.figures[nv + c].text, std::to_string(RoundEven(p.layout.hmarks[c])));
        if (c >= rows) EXPECT_GT(p.figures[nv + c].x, p.figures[nv + c - rows].x);
    }
}

} // namespace

TEST(ProjectionFiguresTest, EveryFigureReadableOnTheSamplesAtAnyFont) {
    FontChoice usual; // the window's
    usual.family = "MS Sans Serif";
    FontChoice large;
    large.family = "DejaVu Sans";
    large.pixelHeight = 24;
    large.bold = true;
    FontChoice italic;
    italic.family = "DejaVu Serif";
    italic.pixelHeight = 16;
    italic.italic = true;
    // The window's picture and a small one; the default rows and columns, the
    // fewest (one column holds every vertical figure) and the most.
    const struct {
        int rows, columns, w, h;
    } pictures[] = {{3, 2, 696, 566}, {3, 2, 400, 300}, {1, 1, 696, 566}, {9, 9, 696, 566}, {9, 9, 400, 300}};
    for (const char* sample : {"Dulap", "Comoda", "Biblioteca"}) {
        Furniture f;
        ReplaceWithMobilaFile(ReadMobilaFile(std::string(ZV_DATA_DIR "/") + sample + ".mo4"), f);
        ASSERT_GT(f.scene.pieceCount, 0) << sample;
        ProjectionContours contours;
        for (const FontChoice* font : {&usual, &large, &italic}) {
            for (int view = 0; view < 3; ++view) {
                for (const auto& pic : pictures) {
                    SCOPED_TRACE(::testing::Message()
                                 << sample << " view " << view << " font " << font->pixelHeight << " rows " << pic.rows
                                 << " columns " << pic.columns << " " << pic.w << "x" << pic.h);
                    ProjectionOptions o;
                    o.view = view;
                    o.font = *font;
                    o.rows = pic.rows;
                    o.columns = pic.columns;
                    const ProjectionPicture p = LayoutProjection(f.scene, o, pic.w, pic.h);
                    if (!p.Drawn()) {
                        // Nine rows of a large font in a small picture leave no room: nothing drawn or written.
                        EXPECT_TRUE(p.figures.empty());
                        continue;
                    }
                    ExpectFiguresApart(p, o, pic.w, pic.h);
                    if (pic.rows != 3 || pic.w != 696) continue;
                    // Painted, each figure reads as it does alone: nothing cuts or covers it.
                    Canvas canvas(pic.w, pic.h);
                    PaintProjection(canvas, f, p, o, contours);
                    for (const ProjectionFigure& a : p.figures)
                        EXPECT_EQ(canvas.Image().copy(FigureRect(a)), FigureAlone(a, *font))
                            << a.text << " at " << a.x << "," << a.y;
                }
            }
        }
    }
}
