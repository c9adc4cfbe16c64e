#include "render/Contour.h"

#include "model/Mobila.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Picture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

using namespace zv;

namespace {

QImage White(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

void Dot(QImage& img, int x, int y) { img.setPixel(x, y, qRgb(0, 0, 0)); }

// Outline of the rectangle with corners (x0, y0) and (x1, y1), both included.
void Frame(QImage& img, int x0, int y0, int x1, int y1) {
    for (int x = x0; x <= x1; ++x) {
        Dot(img, x, y0);
        Dot(img, x, y1);
    }
    for (int y = y0; y <= y1; ++y) {
        Dot(img, x0, y);
        Dot(img, x1, y);
    }
}

double PolygonArea(const std::vector<double>& X, const std::vector<double>& Y) {
    double a = 0;
    const std::size_t n = X.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        a += X[i] * Y[j] - X[j] * Y[i];
    }
    return std::fabs(a) / 2;
}

double TriangleArea(const std::array<ContourPoint, 3>& t) {
    return std::fabs((t[1].x - t[0].x) * (t[2].y - t[0].y) - (t[2].x - t[0].x) * (t[1].y - t[0].y)) / 2;
}

// A star-shaped simple polygon of n points (radii alternate).
void Star(int n, double r1, double r2, std::vector<double>& X, std::vector<double>& Y) {
    X.resize(static_cast<std::size_t>(n));
    Y.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double a = 2 * M_PI * i / n;
        const double r = (i % 2) ? r2 : r1;
        X[static_cast<std::size_t>(i)] = 500 + r * std::cos(a);
        Y[static_cast<std::size_t>(i)] = 500 + r * std::sin(a);
    }
}

std::unique_ptr<Furniture> OnePiece(double sx, double sy, double sz) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->scene.AddBox(0, 0, 0, sx, sy, sz);
    f->pieceNames.push_back("Polita");
    f->scene.current = 0;
    return f;
}

void Save(const QImage& img, const QString& path) { ASSERT_TRUE(img.save(path, "BMP")); }

} // namespace

// ---------------------------------------------------------------- tracer

TEST(ContourTracer, OwnModelOf600x300PieceTracesToFiveCorners) {
    const QImage model = MakeContourModelPicture(600, 300);
    ASSERT_EQ(model.width(), 250);
    ASSERT_EQ(model.height(), 150);
    // Outline pixels: columns 25..224 and rows 25..124, inside white.
    EXPECT_EQ(qGray(model.pixel(25, 25)), 0);
    EXPECT_EQ(qGray(model.pixel(224, 124)), 0);
    EXPECT_EQ(qGray(model.pixel(225, 125)), 255);
    EXPECT_EQ(qGray(model.pixel(100, 70)), 255);
    EXPECT_EQ(qGray(model.pixel(24, 24)), 255);

    ContourTracer t; // fresh: facing east, white background, black outline
    ContourPolygon poly;
    EXPECT_FALSE(t.Trace(model, "Model1.bmp", poly).has_value());
    EXPECT_EQ(t.tracedCount, 596);
    ASSERT_EQ(poly.Count(), 5);
    const double ex[5] = {25, 224, 224, 25, 25}, ey[5] = {-25, -25, -124, -124, -26};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(poly.X[static_cast<std::size_t>(i)], ex[i]) << i;
        EXPECT_EQ(poly.Y[static_cast<std::size_t>(i)], ey[i]) << i;
    }
    // The picture itself is left as it was.
    EXPECT_EQ(qGray(model.pixel(25, 25)), 0);
}

TEST(ContourTracer, DirectionCarriesOverAndAFreshTracerStartsEast) {
    QImage img = White(60, 60);
    Frame(img, 30, 30, 40, 40);
    ContourTracer a;
    ContourPolygon p1, p2;
    a.Trace(img, "a", p1);
    const int after = a.state.direction;
    EXPECT_EQ(after, 2); // ended going up the left side
    ContourTracer b;
    b.Trace(img, "a", p2);
    EXPECT_EQ(p1.X, p2.X);
    ContourTracer c(ContourTraceOptions{kContourMaxPoints, true, true});
    c.state.direction = 5;
    c.Trace(img, "a", p2);
    EXPECT_EQ(p1.X, p2.X); // the reset option starts east again
}

struct BorderCase {
    const char* name;
    int w, h;
    int x0, y0, x1, y1; // frame drawn; x0 < 0 draws nothing, x0 == -2 fills black
    int traced;         // points before simplifying
    bool message;
};

void PrintTo(const BorderCase& c, std::ostream* os) { *os << c.name; }

class ContourTracerBorder : public ::testing::TestWithParam<BorderCase> {};

// Under AddressSanitizer: nothing read or written outside the picture.
TEST_P(ContourTracerBorder, StaysInsideThePicture) {
    const BorderCase& c = GetParam();
    QImage img = White(c.w, c.h);
    if (c.x0 == -2)
        img.fill(Qt::black);
    else if (c.x0 >= 0)
        Frame(img, c.x0, c.y0, c.x1, c.y1);
    ContourTracer t;
    ContourPolygon poly;
    const auto msg = t.Trace(img, "f.bmp", poly);
    EXPECT_EQ(t.tracedCount, c.traced);
    EXPECT_EQ(msg.has_value(), c.message);
    if (c.message) {
        EXPECT_EQ(msg->kind, MsgKind::Error);
        EXPECT_EQ(msg->text, "Nu am gasit nici un contur in fisierul f.bmp");
        EXPECT_EQ(poly.Count(), 0);
    }
    for (std::size_t i = 0; i < poly.X.size(); ++i) {
        EXPECT_GE(poly.X[i], 0);
        EXPECT_LT(poly.X[i], c.w);
        EXPECT_LE(poly.Y[i], 0);
        EXPECT_GT(poly.Y[i], -c.h);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContourTracerBorder,
    ::testing::Values(BorderCase{"frame_on_the_border", 40, 40, 0, 0, 39, 39, 156, false},
                      BorderCase{"ten_by_ten", 10, 10, 1, 1, 8, 8, 28, false},
                      BorderCase{"ten_by_ten_on_border", 10, 10, 0, 0, 9, 9, 36, false},
                      BorderCase{"all_black_three_rows", 5, 3, -2, 0, 0, 0, 15, false},
                      BorderCase{"one_pixel", 1, 1, 0, 0, 0, 0, 1, false},
                      BorderCase{"all_white", 30, 30, -1, 0, 0, 0, 0, true},
                      BorderCase{"all_white_tiny", 2, 1, -1, 0, 0, 0, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContourTracer, StartScanRows) {
    // Only rows 0..24 hold black: found by the second scan.
    QImage img = White(80, 80);
    Frame(img, 10, 5, 20, 15);
    ContourTracer t;
    ContourPolygon poly;
    EXPECT_FALSE(t.Trace(img, "x", poly));
    EXPECT_EQ(t.tracedCount, 40);
    // Rows 25.. come first, even when a higher outline exists.
    Frame(img, 40, 40, 50, 50);
    ContourTracer u;
    u.Trace(img, "x", poly);
    EXPECT_EQ(poly.X[0], 40);
    EXPECT_EQ(poly.Y[0], -40);
    // A non-black dark pixel is followed but never starts a trace.
    QImage grey = White(60, 60);
    for (int x = 30; x < 40; ++x) grey.setPixel(x, 30, qRgb(50, 50, 50));
    ContourTracer g;
    EXPECT_TRUE(g.Trace(grey, "g", poly).has_value());
}

TEST(ContourTracer, LongOutlineStopsAtTheLimitWithTheMessage) {
    QImage img = White(900, 600);
    Frame(img, 30, 30, 829, 529); // 800 x 500: 2596 outline pixels
    ContourTracer t;
    ContourPolygon poly;
    const auto msg = t.Trace(img, "big.bmp", poly);
    EXPECT_EQ(t.tracedCount, 2500);
    ASSERT_TRUE(msg.has_value());
    EXPECT_EQ(msg->kind, MsgKind::Information);
    EXPECT_EQ(msg->text, "Prea multe puncte in conturul din fisierul big.bmp");
    EXPECT_EQ(poly.Count(), 5); // start, three corners and the last point up the left side
}

TEST(ContourTracer, OpenLineIsFollowedOneWay) {
    QImage img = White(60, 60);
    for (int x = 10; x <= 40; ++x) Dot(img, x, 30);
    ContourTracer t;
    ContourPolygon poly;
    t.Trace(img, "line", poly);
    EXPECT_EQ(t.tracedCount, 31);
    EXPECT_EQ(poly.Count(), 2);
}

// ---------------------------------------------------------------- outline work

TEST(ContourOutline, SimplifyLeavesShortContours) {
    std::vector<double> X{1, 2}, Y{0, 0};
    SimplifyContour(X, Y);
    EXPECT_EQ(X.size(), 2u);
    std::vector<double> X3{0, 1, 2, 3, 3}, Y3{0, 0, 0, 0, 1};
    SimplifyContour(X3, Y3);
    EXPECT_EQ(X3, (std::vector<double>{0, 3, 3}));
    EXPECT_EQ(Y3, (std::vector<double>{0, 0, 1}));
}

TEST(ContourOutline, QuarterTurnAndMirror) {
    // An arrow pointing right: the tip is the rightmost point.
    const std::vector<double> X0{0, 4, 0, 1}, Y0{0, 1, 2, 1};
    auto turned = [&](bool mirror, int rot) {
        std::vector<double> X = X0, Y = Y0;
        MirrorAndTurnContour(X, Y, mirror, rot);
        FitContourToRect(X, Y, 0, 0, 1, 1);
        return std::make_pair(X, Y);
    };
    {
        auto [X, Y] = turned(false, 0);
        EXPECT_EQ(X[1], 1); // tip right
        EXPECT_EQ(Y[1], 0.5);
    }
    {
        auto [X, Y] = turned(false, 1); // counter-clockwise: the tip points up
        EXPECT_EQ(X[1], 0.5);
        EXPECT_EQ(Y[1], 1);
        EXPECT_EQ(Y[0], 0); // (0, 0) went to the bottom right
        EXPECT_EQ(X[0], 1);
    }
    {
        auto [X, Y] = turned(true, 0); // the tip points left
        EXPECT_EQ(X[1], 0);
    }
    {
        // Mirror with a half turn flips top to bottom only.
        std::vector<double> X = {0, 4, 1, 0}, Y = {0, 0, 1, 3}; // asymmetric both ways
        std::vector<double> RX = X, RY = Y;
        FitContourToRect(RX, RY, 0, 0, 1, 1);
        MirrorAndTurnContour(X, Y, true, 2);
        FitContourToRect(X, Y, 0, 0, 1, 1);
        for (std::size_t i = 0; i < X.size(); ++i) {
            EXPECT_DOUBLE_EQ(X[i], RX[i]) << i;
            EXPECT_DOUBLE_EQ(Y[i], 1 - RY[i]) << i;
        }
    }
}

TEST(ContourOutline, FitStretchesEachAxisAndSkipsFlatOutlines) {
    std::vector<double> X{10, 20, 20}, Y{-5, -5, -1};
    FitContourToRect(X, Y, 100, 0, 300, 40);
    EXPECT_EQ(X, (std::vector<double>{100, 300, 300}));
    EXPECT_EQ(Y, (std::vector<double>{0, 0, 40}));
    std::vector<double> FX{3, 3, 3}, FY{1, 2, 3};
    FitContourToRect(FX, FY, 0, 0, 10, 10);
    EXPECT_EQ(FX, (std::vector<double>{3, 3, 3}));
    EXPECT_EQ(FY, (std::vector<double>{1, 2, 3}));
}

TEST(ContourOutline, RectangleContour) {
    ContourPolygon p;
    p.corners.push_back({});
    SetRectangleContour(p, 1, 2, 3, 4);
    EXPECT_EQ(p.X, (std::vector<double>{1, 1, 3, 3}));
    EXPECT_EQ(p.Y, (std::vector<double>{2, 4, 4, 2}));
    ASSERT_EQ(p.TriangleCount(), 2);
    EXPECT_EQ(p.triangles[0].a, 0);
    EXPECT_EQ(p.triangles[0].b, 1);
    EXPECT_EQ(p.triangles[0].c, 3);
    EXPECT_EQ(p.triangles[1].a, 1);
    EXPECT_EQ(p.triangles[1].b, 2);
    EXPECT_EQ(p.triangles[1].c, 3);
    EXPECT_EQ(p.corners.size(), 1u);
}

// ---------------------------------------------------------------- triangulation

TEST(ContourTriangulation, SmallPolygons) {
    std::vector<std::array<ContourPoint, 3>> out;
    const double sx[4] = {0, 1, 1, 0}, sy[4] = {0, 0, 1, 1};
    TriangulateContour(4, sx, sy, out);
    EXPECT_EQ(out.size(), 2u);
    EXPECT_EQ(FindDiagonal(4, sx, sy), std::make_pair(1, 3)); // the pivot's ear (3, 0, 1)

    out.clear();
    TriangulateContour(3, sx, sy, out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0][2].x, 1);
    EXPECT_EQ(out[0][2].y, 1);

    for (int n : {0, 1, 2}) {
        out.clear();
        TriangulateContour(n, sx, sy, out);
        EXPECT_TRUE(out.empty()) << n;
    }
}

TEST(ContourTriangulation, EarWithAPointInsideSplitsToThatPoint) {
    // The lowest point's ear (3, 0, 1) holds point 2.
    const double x[4] = {0, 10, 1, -10}, y[4] = {-1, 10, 2, 10};
    EXPECT_EQ(FindDiagonal(4, x, y), std::make_pair(0, 2));
    std::vector<std::array<ContourPoint, 3>> out;
    TriangulateContour(4, x, y, out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0][1].x, 10); // (0, 1, 2) first
    EXPECT_EQ(out[1][2].x, -10); // then (0, 2, 3)
    EXPECT_TRUE(PointInTriangle(1, 2, -10, 10, 0, -1, 10, 10));
    EXPECT_FALSE(PointInTriangle(0, 10, -10, 10, 0, -1, 10, 10)); // on an edge: outside
    EXPECT_TRUE(PointInTriangle(5, 5, 0, 0, 1, 1, 2, 2));         // flat: its whole line is inside
}

TEST(ContourTriangulation, ConcaveShapesCoverTheirArea) {
    struct Shape {
        const char* name;
        std::vector<double> X, Y;
    };
    std::vector<Shape> shapes = {
        {"L", {0, 4, 4, 1, 1, 0}, {0, 0, 1, 1, 3, 3}},
        {"U", {0, 3, 3, 2, 2, 1, 1, 0}, {0, 0, 3, 3, 1, 1, 3, 3}},
        {"comb", {}, {}},
        {"star_2500", {}, {}},
    };
    // A comb of 40 teeth.
    for (int i = 0; i < 40; ++i) {
        shapes[2].X.insert(shapes[2].X.end(), {i * 4.0, i * 4.0 + 2, i * 4.0 + 2, i * 4.0 + 4});
        shapes[2].Y.insert(shapes[2].Y.end(), {30.0, 30.0, 5.0, 5.0});
    }
    shapes[2].X.push_back(160);
    shapes[2].Y.push_back(0);
    shapes[2].X.push_back(0);
    shapes[2].Y.push_back(0);
    Star(2500, 450, 300, shapes[3].X, shapes[3].Y);

    for (auto& s : shapes) {
        SCOPED_TRACE(s.name);
        ContourPolygon p;
        p.X = s.X;
        p.Y = s.Y;
        const int n = p.Count();
        TriangulateContour(n, p.X.data(), p.Y.data(), p.corners);
        ASSERT_EQ(p.corners.size(), static_cast<std::size_t>(n - 2));
        double sum = 0;
        for (const auto& t : p.corners) sum += TriangleArea(t);
        EXPECT_NEAR(sum, PolygonArea(p.X, p.Y), 1e-6 * PolygonArea(p.X, p.Y));
        MatchCornerIndices(p);
        ASSERT_EQ(p.TriangleCount(), n - 2);
        for (std::size_t k = 0; k < p.triangles.size(); ++k) {
            for (int idx : {p.triangles[k].a, p.triangles[k].b, p.triangles[k].c}) {
                ASSERT_GE(idx, 0);
                ASSERT_LT(idx, n);
            }
            EXPECT_EQ(p.X[static_cast<std::size_t>(p.triangles[k].a)], p.corners[k][0].x);
            EXPECT_EQ(p.Y[static_cast<std::size_t>(p.triangles[k].c)], p.corners[k][2].y);
        }
    }
}

// The ordered look-up must cut exactly as the scan of every point does.
TEST(ContourTriangulation, SameCutsAsThePlainScan) {
    std::vector<std::pair<std::vector<double>, std::vector<double>>> polys;
    std::vector<double> X, Y;
    Star(2500, 450, 300, X, Y);
    polys.emplace_back(X, Y);
    // Two points at the same distance inside the pivot's ear: the first is taken.
    const std::vector<double> tieX{0, 10, 1, 0, -1, -10}, tieY{0, 10, 2, 9, 2, 10};
    EXPECT_EQ(FindDiagonal(6, tieX.data(), tieY.data()), std::make_pair(0, 2));
    polys.emplace_back(tieX, tieY);
    // Star-shaped outlines with random radii, on whole and on fractional coordinates.
    unsigned seed = 12345;
    auto rnd = [&] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<double>((seed >> 8) & 0xFFFF) / 65536.0;
    };
    for (int k = 0; k < 20; ++k) {
        const int n = 4 + k * 37;
        X.assign(static_cast<std::size_t>(n), 0);
        Y.assign(static_cast<std::size_t>(n), 0);
        for (int i = 0; i < n; ++i) {
            const double a = 2 * M_PI * i / n, r = 50 + 400 * rnd();
            X[static_cast<std::size_t>(i)] = 500 + r * std::cos(a);
            Y[static_cast<std::size_t>(i)] = 500 + r * std::sin(a);
            if (k % 2) {
                X[static_cast<std::size_t>(i)] = std::round(X[static_cast<std::size_t>(i)]);
                Y[static_cast<std::size_t>(i)] = std::round(Y[static_cast<std::size_t>(i)]);
            }
        }
        polys.emplace_back(X, Y);
    }
    // Traced outlines, mirrored and turned every way.
    QImage img;
    ASSERT_TRUE(LoadPicture(std::string(ZV_DATA_DIR) + "/Cerc.bmp", img).ok);
    for (const QImage& pic : {img, MakeContourModelPicture(600, 300)}) {
        ContourTracer t;
        ContourPolygon p;
        t.Trace(pic, "p", p);
        for (int m = 0; m < 2; ++m)
            for (int r = 0; r < 4; ++r) {
                std::vector<double> TX = p.X, TY = p.Y;
                MirrorAndTurnContour(TX, TY, m == 1, r);
                polys.emplace_back(TX, TY);
            }
    }
    for (std::size_t k = 0; k < polys.size(); ++k) {
        const auto& [PX, PY] = polys[k];
        std::vector<std::array<ContourPoint, 3>> fast, plain;
        TriangulateContour(static_cast<int>(PX.size()), PX.data(), PY.data(), fast);
        detail::TriangulateContourPlain(static_cast<int>(PX.size()), PX.data(), PY.data(), plain);
        ASSERT_EQ(fast.size(), plain.size()) << k;
        for (std::size_t i = 0; i < fast.size(); ++i)
            for (int c = 0; c < 3; ++c) {
                ASSERT_EQ(fast[i][c].x, plain[i][c].x) << k << " " << i;
                ASSERT_EQ(fast[i][c].y, plain[i][c].y) << k << " " << i;
            }
    }
}

TEST(ContourTriangulation, CornerMatchTakesTheLastPointWithinTolerance) {
    ContourPolygon p;
    p.X = {0, 5, 0.005, 9};
    p.Y = {0, 0, 0.005, 9};
    p.corners.push_back({ContourPoint{0, 0}, ContourPoint{5, 0}, ContourPoint{100, 100}});
    MatchCornerIndices(p);
    ASSERT_EQ(p.TriangleCount(), 1);
    EXPECT_EQ(p.triangles[0].a, 2);
    EXPECT_EQ(p.triangles[0].b, 1);
    EXPECT_EQ(p.triangles[0].c, 0); // no match: still a point
}

// ---------------------------------------------------------------- files, cache, build

class ContourFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(ContourFiles, CacheTracesOnceAndGivesEachMessageOnce) {
    QImage good = White(80, 80);
    Frame(good, 30, 30, 60, 50);
    Save(good, QString::fromStdString(Path("good.bmp")));
    Save(White(40, 40), QString::fromStdString(Path("white.bmp")));

    auto f = OnePiece(600, 300, 18);
    f->scene.AddBox(0, 400, 0, 600, 300, 18);
    f->attrs.modelFile[0] = Path("good.bmp");
    f->attrs.modelFile[1] = Path("white.bmp");

    ContourCache cache;
    ContourPolygon poly;
    for (int frame = 0; frame < 5; ++frame) {
        EXPECT_TRUE(BuildContourModel(*f, 0, true, 0, 0, 600, 300, cache, poly));
        EXPECT_EQ(poly.Count(), 5);
        EXPECT_EQ(poly.TriangleCount(), 3);
        // A piece whose model has no outline: no triangles left from the piece before.
        EXPECT_FALSE(BuildContourModel(*f, 1, true, 0, 0, 600, 300, cache, poly));
        EXPECT_EQ(poly.Count(), 0);
        EXPECT_EQ(poly.TriangleCount(), 0);
    }
    EXPECT_EQ(cache.TraceCount(), 2);
    const auto msgs = cache.TakeMessages();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].text, "Nu am gasit nici un contur in fisierul " + Path("white.bmp"));
    EXPECT_TRUE(cache.TakeMessages().empty());

    // Mirror and rotation are cached apart; the fit still lands on the rectangle.
    f->attrs.modelRotation[0] = 1;
    EXPECT_TRUE(BuildContourModel(*f, 0, false, 10, 20, 110, 220, cache, poly));
    EXPECT_EQ(poly.TriangleCount(), 0);
    EXPECT_DOUBLE_EQ(*std::min_element(poly.X.begin(), poly.X.end()), 10);
    EXPECT_DOUBLE_EQ(*std::max_element(poly.Y.begin(), poly.Y.end()), 220);
    EXPECT_EQ(cache.TraceCount(), 2);

    // A changed file is traced again.
    QImage other = White(80, 80);
    Frame(other, 30, 30, 40, 70);
    Dot(other, 35, 45); // not an outline pixel of the frame, left alone
    Save(other, QString::fromStdString(Path("good.bmp")));
    std::filesystem::last_write_time(Path("good.bmp"),
                                     std::filesystem::last_write_time(Path("good.bmp")) + std::chrono::seconds(2));
    EXPECT_TRUE(BuildContourModel(*f, 0, true, 0, 0, 1, 1, cache, poly));
    EXPECT_EQ(cache.TraceCount(), 3);

    // A missing file or no model: nothing, silently.
    f->attrs.modelFile[0] = Path("gone.bmp");
    EXPECT_FALSE(BuildContourModel(*f, 0, true, 0, 0, 1, 1, cache, poly));
    f->attrs.modelFile[0].clear();
    EXPECT_FALSE(BuildContourModel(*f, 0, true, 0, 0, 1, 1, cache, poly));
    EXPECT_FALSE(BuildContourModel(*f, 7, true, 0, 0, 1, 1, cache, poly));
    EXPECT_TRUE(cache.TakeMessages().empty());
}

TEST_F(ContourFiles, UnreadableModelGivesTheLoaderMessageOnce) {
    {
        std::ofstream(Path("bad.bmp")) << "not a picture";
    }
    auto f = OnePiece(100, 100, 18);
    f->attrs.modelFile[0] = Path("bad.bmp");
    ContourCache cache;
    ContourPolygon poly;
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(BuildContourModel(*f, 0, true, 0, 0, 1, 1, cache, poly));
    ScopedDialogScript script;
    cache.ShowMessages();
    ASSERT_EQ(script->Messages().size(), 1u);
    EXPECT_EQ(script->records[0].kind, MsgKind::Error);
    EXPECT_FALSE(script->Messages()[0].empty());
}

TEST_F(ContourFiles, SampleCircleIsOneClosedOutline) {
    QImage img;
    ASSERT_TRUE(LoadPicture(std::string(ZV_DATA_DIR) + "/Cerc.bmp", img).ok);
    int black = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) black += qGray(img.pixel(x, y)) == 0;
    ContourTracer t;
    ContourPolygon poly;
    EXPECT_FALSE(t.Trace(img, "Cerc.bmp", poly).has_value());
    EXPECT_EQ(t.tracedCount, black); // every outline pixel, once
    EXPECT_GE(poly.Count(), 3);
    // Closed: the last point touches the first.
    EXPECT_LE(std::fabs(poly.X.back() - poly.X.front()), 1);
    EXPECT_LE(std::fabs(poly.Y.back() - poly.Y.front()), 1);
    std::vector<std::array<ContourPoint, 3>> tris;
    TriangulateContour(poly.Count(), poly.X.data(), poly.Y.data(), tris);
    EXPECT_EQ(tris.size(), static_cast<std::size_t>(poly.Count() - 2));
}

TEST_F(ContourFiles, NewModelTakesTheNextFreeNumber) {
    auto f = OnePiece(600, 300, 18);
    const std::string folder = dir.path().toStdString();
    Save(White(5, 5), dir.filePath("Model1.bmp"));
    const NewContourModelResult r = NewContourModel(*f, folder);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.fileName, folder + "/Model2.bmp");
    QImage img;
    ASSERT_TRUE(LoadPicture(r.fileName, img).ok);
    EXPECT_EQ(img.width(), 250);
    EXPECT_EQ(img.height(), 150);
    ContourTracer t;
    ContourPolygon poly;
    t.Trace(img, r.fileName, poly);
    EXPECT_EQ(t.tracedCount, 596);
    EXPECT_EQ(NextContourModelName(folder), folder + "/Model3.bmp");

    // A side panel gives the same drawing: the sizes are sorted first.
    auto side = OnePiece(18, 300, 600);
    const NewContourModelResult s = NewContourModel(*side, folder);
    ASSERT_TRUE(s.ok) << s.error;
    EXPECT_EQ(s.fileName, folder + "/Model3.bmp");
    QImage sideImg;
    ASSERT_TRUE(LoadPicture(s.fileName, sideImg).ok);
    EXPECT_EQ(sideImg.size(), img.size());
}

TEST_F(ContourFiles, NewModelNeedsAPieceAndAWorkingSave) {
    auto none = std::make_unique<Furniture>();
    none->scene.Init();
    EXPECT_FALSE(NewContourModel(*none, dir.path().toStdString()).ok);
    EXPECT_FALSE(std::filesystem::exists(Path("Model1.bmp")));

    auto f = OnePiece(600, 300, 18);
    const NewContourModelResult r = NewContourModel(*f, Path("no-such-folder"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
}

TEST(ContourModelPicture, SizesAreKeptInRange) {
    struct Case {
        double length, width;
        int w, h;
    };
    const Case cases[] = {
        {600, 300, 250, 150},
        {-600, 300, 51, 150},
        {NAN, NAN, 51, 51},
        {1e12, INFINITY, kMaxModelSide + 50, kMaxModelSide + 50},
        {7.5, 4.5, 52, 52}, // 2.5 and 1.5 round to even
    };
    for (const auto& c : cases) {
        const QImage img = MakeContourModelPicture(c.length, c.width);
        EXPECT_EQ(img.width(), c.w) << c.length;
        EXPECT_EQ(img.height(), c.h) << c.width;
    }
}

// ---------------------------------------------------------------- the drawing programs

class ContourEditorRun : public ContourFiles {
protected:
    void SetUp() override {
        ContourFiles::SetUp();
        record = Path("args.txt");
        const std::string stub = Path("stub.sh");
        {
            std::ofstream s(stub);
            s << "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" << record << ".tmp'\nmv '" << record
              << ".tmp' '" << record << "'\n";
        }
        std::filesystem::permissions(stub, std::filesystem::perms::owner_all);
        stubPath = stub;
    }
    void TearDown() override {
        unsetenv("ZARVELO_TRASALIN");
        unsetenv("ZARVELO_PAINT");
    }
    // The arguments the stub was started with (it runs on its own).
    std::vector<std::string> Recorded() {
        for (int i = 0; i < 500 && !std::filesystem::exists(record); ++i) QThread::msleep(10);
        std::vector<std::string> out;
        std::ifstream in(record);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    std::string record, stubPath;
};

TEST_F(ContourEditorRun, PieceWithoutModelGetsANewOneAndIsModified) {
    setenv("ZARVELO_TRASALIN", stubPath.c_str(), 1);
    auto f = OnePiece(600, 300, 18);
    f->attrs.modelFile[0] = Path("gone.bmp"); // named, but the file is missing
    Save(White(5, 5), dir.filePath("Model1.bmp"));
    f->modified = false;
    std::vector<std::string> calls;
    ContourEditorHooks hooks{[&] { calls.push_back("stop"); }, [&] { calls.push_back("restart"); },
                             [&] { calls.push_back("assigned"); }};
    ScopedDialogScript script;
    RunContourEditor(ContourEditor::Trasalin, *f, true, dir.path().toStdString(), hooks);
    const std::string model = dir.path().toStdString() + "/Model2.bmp";
    EXPECT_EQ(f->attrs.modelFile[0], model);
    EXPECT_TRUE(f->modified);
    EXPECT_TRUE(std::filesystem::exists(model));
    EXPECT_EQ(calls, (std::vector<std::string>{"stop", "restart", "assigned"}));
    EXPECT_EQ(script->Messages(), (std::vector<std::string>{kContourInstructions, kContourEditDone}));
    EXPECT_EQ(Recorded(), (std::vector<std::string>{model, "3"}));
}

TEST_F(ContourEditorRun, ExistingModelIsOpenedAsItIs) {
    setenv("ZARVELO_PAINT", stubPath.c_str(), 1);
    auto f = OnePiece(600, 300, 18);
    Save(White(4, 4), QString::fromStdString(Path("mine.bmp")));
    f->attrs.modelFile[0] = Path("mine.bmp");
    f->modified = false;
    bool assigned = false;
    ScopedDialogScript script;
    RunContourEditor(ContourEditor::Paint, *f, true, dir.path().toStdString(), {nullptr, nullptr, [&] { assigned = true; }});
    EXPECT_FALSE(f->modified);
    EXPECT_FALSE(assigned);
    EXPECT_EQ(Recorded(), (std::vector<std::string>{Path("mine.bmp")}));
    EXPECT_FALSE(std::filesystem::exists(Path("Model1.bmp")));
}

TEST_F(ContourEditorRun, MissingProgramsAndNoFurniture) {
    struct Case {
        ContourEditor editor;
        const char* env;
        bool open;
        const char* error;
    };
    const Case cases[] = {
        {ContourEditor::Trasalin, "ZARVELO_TRASALIN", false, kTrasalinNotFound},
        {ContourEditor::Trasalin, "ZARVELO_TRASALIN", true, kTrasalinNotFound},
        {ContourEditor::Paint, "ZARVELO_PAINT", false, kPaintNotFound},
        {ContourEditor::Paint, "ZARVELO_PAINT", true, kPaintNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.env) + (c.open ? " open" : " closed"));
        setenv(c.env, Path("no-such-program").c_str(), 1);
        auto f = OnePiece(600, 300, 18);
        ScopedDialogScript script;
        RunContourEditor(c.editor, *f, c.open, dir.path().toStdString(), {});
        ASSERT_EQ(script->Messages().size(), 2u);
        EXPECT_EQ(script->Messages()[0], kContourInstructions);
        EXPECT_EQ(script->Messages()[1], c.error);
        EXPECT_EQ(script->records[1].kind, MsgKind::Error);
        // The model made before the start stays the piece's.
        EXPECT_EQ(f->attrs.modelFile[0].empty(), !c.open);
        unsetenv(c.env);
        std::filesystem::remove(Path("Model1.bmp"));
    }
    // Without a furniture the program starts alone.
    setenv("ZARVELO_TRASALIN", stubPath.c_str(), 1);
    auto f = OnePiece(600, 300, 18);
    ScopedDialogScript script;
    RunContourEditor(ContourEditor::Trasalin, *f, false, dir.path().toStdString(), {});
    EXPECT_TRUE(Recorded().empty());
    EXPECT_TRUE(std::filesystem::exists(record));
    EXPECT_EQ(script->Messages().size(), 1u);
    EXPECT_TRUE(f->attrs.modelFile[0].empty());
}
