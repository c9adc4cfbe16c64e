#include "render/Contour.h"

#include "model/Mobila.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Picture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <set>
#include <utility>

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

// ---- checking a triangulation against its outline ----

struct Pt {
    double x = 0, y = 0;
};
using Outline = std::vector<Pt>;

double Cross(const Pt& o, const Pt& a, const Pt& b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }
int Sgn(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }
bool OnSegment(const Pt& p, const Pt& a, const Pt& b) {
    return Cross(a, b, p) == 0 && std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}
// Closed segments a-b and c-d have a point in common.
bool Touch(const Pt& a, const Pt& b, const Pt& c, const Pt& d) {
    const int d1 = Sgn(Cross(a, b, c)), d2 = Sgn(Cross(a, b, d)), d3 = Sgn(Cross(c, d, a)), d4 = Sgn(Cross(c, d, b));
    if (d1 * d2 < 0 && d3 * d4 < 0) return true;
    return OnSegment(c, a, b) || OnSegment(d, a, b) || OnSegment(a, c, d) || OnSegment(b, c, d);
}
// Segments i-j and k-l of one outline meet at most in a shared end, without running along each other.
bool MeetOnlyAtSharedEnd(const Outline& P, int i, int j, int k, int l) {
    const int s = (i == k || i == l) ? i : (j == k || j == l) ? j : -1;
    if (s < 0) return !Touch(P[i], P[j], P[k], P[l]);
    const Pt& o = P[s];
    const Pt& x = P[s == i ? j : i];
    const Pt& y = P[s == k ? l : k];
    const bool sameWay = Cross(o, x, y) == 0 && (x.x - o.x) * (y.x - o.x) + (x.y - o.y) * (y.y - o.y) > 0;
    return !sameWay;
}
bool IsSimple(const Outline& P) {
    const int n = static_cast<int>(P.size());
    if (n < 3) return false;
    for (int i = 0; i < n; ++i)
        for (int k = i + 1; k < n; ++k)
            if (!MeetOnlyAtSharedEnd(P, i, (i + 1) % n, k, (k + 1) % n)) return false;
    return true;
}
double SignedArea(const Outline& P) {
    double a = 0;
    for (std::size_t i = 0; i < P.size(); ++i) {
        const Pt& p = P[i];
        const Pt& q = P[(i + 1) % P.size()];
        a += p.x * q.y - q.x * p.y;
    }
    return a / 2;
}
bool Inside(const Outline& P, const Pt& p) {
    bool in = false;
    for (std::size_t i = 0, j = P.size() - 1; i < P.size(); j = i++)
        if ((P[i].y > p.y) != (P[j].y > p.y) && p.x < (P[j].x - P[i].x) * (p.y - P[i].y) / (P[j].y - P[i].y) + P[i].x)
            in = !in;
    return in;
}
Outline ToOutline(const std::vector<double>& X, const std::vector<double>& Y) {
    Outline P;
    for (std::size_t i = 0; i < X.size(); ++i) P.push_back({X[i], Y[i]});
    return P;
}

// What is wrong with the triangles of a simple outline, or "" when they tile
// it: n - 2 triangles turning as the outline does, their areas summing to the
// outline's, and every side that is not an outline edge a diagonal inside it
// that touches no other vertex and crosses no edge.
std::string CheckTriangles(const Outline& P, const std::vector<ContourTriangle>& tris) {
    const int n = static_cast<int>(P.size());
    if (static_cast<int>(tris.size()) != n - 2) return "triangle count " + std::to_string(tris.size());
    const double area = SignedArea(P);
    double sum = 0;
    for (std::size_t k = 0; k < tris.size(); ++k) {
        const int c[3] = {tris[k].a, tris[k].b, tris[k].c};
        for (int i : c)
            if (i < 0 || i >= n) return "index out of range in triangle " + std::to_string(k);
        const double t = Cross(P[c[0]], P[c[1]], P[c[2]]) / 2;
        if (Sgn(t) != Sgn(area)) return "triangle " + std::to_string(k) + " turns the wrong way or is flat";
        sum += std::fabs(t);
        for (int e = 0; e < 3; ++e) {
            const int i = c[e], j = c[(e + 1) % 3];
            if (std::abs(i - j) == 1 || std::abs(i - j) == n - 1) continue; // an outline edge
            for (int m = 0; m < n; ++m)
                if (!MeetOnlyAtSharedEnd(P, i, j, m, (m + 1) % n))
                    return "diagonal " + std::to_string(i) + "-" + std::to_string(j) + " meets edge " +
                           std::to_string(m);
            if (!Inside(P, {(P[i].x + P[j].x) / 2, (P[i].y + P[j].y) / 2}))
                return "diagonal " + std::to_string(i) + "-" + std::to_string(j) + " runs outside";
        }
    }
    if (std::fabs(sum - std::fabs(area)) > 1e-9 * std::fabs(area))
        return "areas sum to " + std::to_string(sum) + ", outline " + std::to_string(std::fabs(area));
    return "";
}

// Triangulates an outline the way the cache does and checks the triangles.
std::string TriangulateAndCheck(const Outline& P) {
    ContourPolygon p;
    for (const Pt& q : P) {
        p.X.push_back(q.x);
        p.Y.push_back(q.y);
    }
    TriangulateContour(p.Count(), p.X.data(), p.Y.data(), p.corners);
    MatchCornerIndices(p);
    return CheckTriangles(P, p.triangles);
}

// A one-pixel black outline of the polygon on white, traced and simplified.
Outline TracedDrawing(const Outline& shape, int w, int h) {
    QImage img = White(w, h);
    {
        QPainter painter(&img);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 0));
        QPolygonF q;
        for (const Pt& p : shape) q << QPointF(p.x, p.y);
        painter.drawPolygon(q);
    }
    ContourTracer t;
    ContourPolygon poly;
    t.Trace(img, "shape", poly);
    return ToOutline(poly.X, poly.Y);
}

// Every boundary pixel of a rectangle as a point: long straight runs.
Outline PixelRectangle(int w, int h) {
    Outline P;
    for (int x = 0; x < w; ++x) P.push_back({double(x), 0});
    for (int y = 1; y < h; ++y) P.push_back({double(w - 1), double(y)});
    for (int x = w - 2; x >= 0; --x) P.push_back({double(x), double(h - 1)});
    for (int y = h - 2; y > 0; --y) P.push_back({0, double(y)});
    return P;
}

Outline Rounded(Outline P, double scale = 1) {
    for (Pt& p : P) {
        p.x = std::round(p.x * scale);
        p.y = std::round(p.y * scale);
    }
    return P;
}

// An arc band: the outer edge out, the inner edge back (a C, or a spiral when the radius grows).
Outline Band(double cx, double cy, double a0, double a1, int steps, double r0, double grow, double width) {
    Outline P;
    for (int i = 0; i <= steps; ++i) {
        const double a = a0 + (a1 - a0) * i / steps, r = r0 + grow * (a - a0);
        P.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    for (int i = steps; i >= 0; --i) {
        const double a = a0 + (a1 - a0) * i / steps, r = r0 + grow * (a - a0) - width;
        P.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return P;
}

// A corridor of half-width w around a square spiral turning left, its legs
// growing by `step` every second turn.
Outline SquareSpiral(int legs, double step, double w) {
    static constexpr double dx[4] = {1, 0, -1, 0}, dy[4] = {0, 1, 0, -1};
    std::vector<Pt> centre{{0, 0}};
    for (int k = 0; k < legs; ++k) {
        const double len = step * (k / 2 + 1);
        centre.push_back({centre.back().x + dx[k % 4] * len, centre.back().y + dy[k % 4] * len});
    }
    Outline left, right;
    for (std::size_t i = 0; i < centre.size(); ++i) {
        // The left normals of the legs in and out of this point.
        const int in = static_cast<int>(i == 0 ? 0 : (i - 1) % 4), out = static_cast<int>(i % 4);
        double nx = -dy[out], ny = dx[out];
        if (i > 0 && i < centre.size() - 1) {
            nx += -dy[in];
            ny += dx[in];
        } else if (i == centre.size() - 1) {
            nx = -dy[in];
            ny = dx[in];
        }
        left.push_back({centre[i].x + w * nx, centre[i].y + w * ny});
        right.push_back({centre[i].x - w * nx, centre[i].y - w * ny});
    }
    Outline P = right;
    P.insert(P.end(), left.rbegin(), left.rend());
    return P;
}

Outline StarOutline(int spikes, double cx, double cy, double r1, double r2) {
    std::vector<double> X, Y;
    Star(2 * spikes, r1, r2, X, Y);
    Outline P = ToOutline(X, Y);
    for (Pt& p : P) {
        p.x += cx - 500;
        p.y += cy - 500;
    }
    return P;
}

// A random simple polygon on a grid of (grid + 1)^2 points: a triangle grown
// by putting a new point into a random edge whenever the two new edges touch
// nothing else. Small grids give many points in a row and on each other's lines.
Outline RandomSimplePolygon(std::mt19937& rng, int n, int grid) {
    std::uniform_int_distribution<int> coord(0, grid);
    auto point = [&] { return Pt{double(coord(rng)), double(coord(rng))}; };
    Outline P;
    do P = {point(), point(), point()};
    while (Cross(P[0], P[1], P[2]) == 0);
    for (int tries = 0; static_cast<int>(P.size()) < n && tries < 30 * n; ++tries) {
        const int m = static_cast<int>(P.size());
        const int k = std::uniform_int_distribution<int>(0, m - 1)(rng);
        const Pt p = point();
        bool ok = true;
        for (const Pt& q : P) ok = ok && !(q.x == p.x && q.y == p.y);
        if (!ok) continue;
        Outline Q = P;
        Q.insert(Q.begin() + k + 1, p);
        // Only the two new edges, k-(k+1) and (k+1)-(k+2), need checking.
        const int mm = m + 1;
        for (int e : {k, k + 1})
            for (int f = 0; f < mm && ok; ++f)
                if (f != e) ok = MeetOnlyAtSharedEnd(Q, e % mm, (e + 1) % mm, f, (f + 1) % mm);
        if (ok) P = std::move(Q);
    }
    return P;
}

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

// A 12-spike star drawn one pixel wide: where the trace goes at each spike
// depends on the direction it starts with.
static QImage SpikeStar() {
    QImage img = White(300, 300);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    QPolygonF q;
    for (const Pt& p : StarOutline(12, 150, 150, 120, 40)) q << QPointF(std::round(p.x), std::round(p.y));
    painter.drawPolygon(q);
    return img;
}

TEST(ContourTracer, ATraceDependsOnlyOnItsPicture) {
    const QImage star = SpikeStar();
    QImage square = White(60, 60);
    Frame(square, 30, 30, 40, 40);
    const QImage model = MakeContourModelPicture(600, 300);

    ContourPolygon fresh;
    ContourTracer().Trace(star, "star", fresh);
    ASSERT_GE(fresh.Count(), 3);
    // Whatever direction an earlier trace ended with, and whatever was traced before.
    for (int d = 0; d < 8; ++d) {
        ContourTracer t;
        ContourPolygon p;
        t.state.direction = d;
        t.Trace(star, "star", p);
        EXPECT_EQ(p.X, fresh.X) << "direction " << d;
        EXPECT_EQ(p.Y, fresh.Y) << "direction " << d;
    }
    const QImage* pictures[3] = {&star, &square, &model};
    const std::vector<std::vector<int>> orders = {{0, 1, 2}, {1, 0, 2}, {2, 1, 0}, {0, 2, 1}};
    std::vector<ContourPolygon> first(3);
    for (std::size_t o = 0; o < orders.size(); ++o) {
        ContourTracer t; // one tracer for the whole run, as the program has
        for (int k : orders[o]) {
            ContourPolygon p;
            t.Trace(*pictures[k], "p", p);
            if (o == 0) {
                first[static_cast<std::size_t>(k)] = p;
                continue;
            }
            EXPECT_EQ(p.X, first[static_cast<std::size_t>(k)].X) << "order " << o << ", picture " << k;
            EXPECT_EQ(p.Y, first[static_cast<std::size_t>(k)].Y) << "order " << o << ", picture " << k;
        }
    }
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

INSTANTIATE_TEST_SUITE_P(Cases, ContourTracerBorder,
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

    // A closed outline of exactly 2500 pixels is already too long; 2498 is not.
    for (const auto& [width, pixels] : {std::pair{650, 2500}, {649, 2498}}) {
        QImage frame = White(700, 700);
        Frame(frame, 30, 30, 30 + width, 630);
        ContourTracer u;
        const auto said = u.Trace(frame, "f.bmp", poly);
        EXPECT_EQ(u.tracedCount, pixels);
        EXPECT_EQ(said.has_value(), pixels == 2500) << pixels;
    }
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

TEST(ContourTriangulation, PointsInOrOnTheEarBlockIt) {
    // The lowest point's ear (3, 0, 1) holds point 2.
    const double x[4] = {0, 10, 1, -10}, y[4] = {-1, 10, 2, 10};
    EXPECT_EQ(FindDiagonal(4, x, y), std::make_pair(0, 2));
    std::vector<std::array<ContourPoint, 3>> out;
    TriangulateContour(4, x, y, out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0][1].x, 10);  // (0, 1, 2) first
    EXPECT_EQ(out[1][2].x, -10); // then (0, 2, 3)
    EXPECT_TRUE(PointInTriangle(1, 2, -10, 10, 0, -1, 10, 10));
    EXPECT_TRUE(PointInTriangle(0, 10, -10, 10, 0, -1, 10, 10)); // on an edge: in
    EXPECT_FALSE(PointInTriangle(0, 11, -10, 10, 0, -1, 10, 10));
    EXPECT_TRUE(PointInTriangle(5, 5, 0, 0, 1, 1, 2, 2)); // flat: its whole line is in
    EXPECT_FALSE(PointInTriangle(5, 6, 0, 0, 1, 1, 2, 2));

    // A notch whose bottom (3) lies exactly on the cut of the pivot's ear
    // (5, 0, 1): cutting it would leave point 3 on an edge.
    const double wx[6] = {5, 10, 10, 5, 0, 0}, wy[6] = {0, 10, 20, 10, 20, 10};
    EXPECT_EQ(FindDiagonal(6, wx, wy), std::make_pair(0, 3));
    EXPECT_EQ(TriangulateAndCheck({{5, 0}, {10, 10}, {10, 20}, {5, 10}, {0, 20}, {0, 10}}), "");

    // Of the points in the ear, the one farthest from the cut: point 2, 4
    // below it, and not point 3, which is nearer the pivot but only 3 below.
    const double fx[5] = {0, 10, 5, 0, -10}, fy[5] = {0, 10, 6, 7, 10};
    EXPECT_EQ(FindDiagonal(5, fx, fy), std::make_pair(0, 2));
    EXPECT_EQ(TriangulateAndCheck({{0, 0}, {10, 10}, {5, 6}, {0, 7}, {-10, 10}}), "");
    // The pivot is the leftmost of the lowest: a point in a row along the bottom is never it.
    const double bx[5] = {5, 10, 10, 0, 0}, by[5] = {0, 0, 10, 10, 0};
    EXPECT_EQ(FindDiagonal(5, bx, by), std::make_pair(0, 3));
}

struct ShapeCase {
    std::string name;
    Outline outline;
};

std::vector<ShapeCase> TriangulationShapes() {
    std::vector<ShapeCase> shapes;
    auto add = [&](std::string name, Outline P) { shapes.push_back({std::move(name), std::move(P)}); };
    // Traced pixel outlines, mirrored and turned every way, as a piece's model is.
    auto addTraced = [&](const std::string& name, const std::vector<double>& X0, const std::vector<double>& Y0) {
        for (int m = 0; m < 2; ++m)
            for (int r = 0; r < 4; ++r) {
                std::vector<double> X = X0, Y = Y0;
                MirrorAndTurnContour(X, Y, m == 1, r);
                add(name + "_m" + std::to_string(m) + "_r" + std::to_string(r), ToOutline(X, Y));
            }
    };
    {
        QImage img;
        EXPECT_TRUE(LoadPicture(std::string(ZV_DATA_DIR) + "/Cerc.bmp", img).ok);
        ContourTracer t;
        ContourPolygon p;
        t.Trace(img, "Cerc.bmp", p);
        addTraced("Cerc_bmp", p.X, p.Y);
        t.Trace(MakeContourModelPicture(600, 300), "Model1.bmp", p);
        addTraced("own_model", p.X, p.Y);
    }
    // The tracer cannot turn back into a corner sharper than 45 degrees, so
    // the drawn shapes keep their corners wider than that.
    const Outline arrow = {{50, 100}, {90, 50}, {65, 55}, {70, 0}, {50, 20}, {30, 0}, {35, 55}, {10, 50}};
    const Outline fatArrow = {{0, 30}, {50, 30}, {50, 0}, {100, 50}, {50, 100}, {50, 70}, {0, 70}, {20, 50}};
    const Outline thinC = Band(0, 0, 0.5, 2 * M_PI - 0.5, 60, 100, 0, 6);
    const Outline spiral = Band(0, 0, 0, 5 * M_PI, 200, 20, 12, 9);
    const Outline squareSpiral = SquareSpiral(14, 10, 2);
    const Outline star = StarOutline(12, 0, 0, 100, 25);
    add("arrow", arrow);
    add("thin_C", Rounded(thinC));
    add("spiral", Rounded(spiral));
    add("square_spiral", squareSpiral);
    add("star_12", Rounded(star));
    auto traced = [&](const Outline& P, double scale, double shift, int size) {
        Outline Q = P;
        for (Pt& q : Q) q = {q.x * scale + shift, q.y * scale + shift};
        const Outline T = TracedDrawing(Q, size, size);
        std::vector<double> X, Y;
        for (const Pt& q : T) {
            X.push_back(q.x);
            Y.push_back(q.y);
        }
        return std::make_pair(X, Y);
    };
    {
        auto [X, Y] = traced(fatArrow, 4, 40, 480);
        addTraced("arrow_traced", X, Y);
    }
    {
        auto [X, Y] = traced(thinC, 2, 230, 460);
        addTraced("thin_C_traced", X, Y);
    }
    {
        auto [X, Y] = traced(squareSpiral, 2, 150, 300);
        addTraced("square_spiral_traced", X, Y);
    }
    {
        auto [X, Y] = traced(star, 2.5, 280, 560);
        addTraced("star_12_traced", X, Y);
    }
    // Points in a row: every pixel of a frame, a staircase, a comb, a U, an L.
    add("frame_every_pixel", PixelRectangle(40, 15));
    {
        Outline P;
        for (int s = 0; s < 8; ++s) {
            for (int k = 0; k < 3; ++k) P.push_back({double(s * 3 + k), double(s * 3)});
            for (int k = 0; k < 3; ++k) P.push_back({double(s * 3 + 3), double(s * 3 + k)});
        }
        P.push_back({24, 24});
        P.push_back({0, 24});
        for (int y = 23; y > 0; --y) P.push_back({0, double(y)});
        add("staircase_every_pixel", P);
    }
    {
        Outline P;
        for (int i = 0; i < 40; ++i) {
            P.push_back({i * 4.0, 30});
            P.push_back({i * 4.0 + 2, 30});
            P.push_back({i * 4.0 + 2, 5});
            P.push_back({i * 4.0 + 4, 5});
        }
        P.push_back({160, 0});
        P.push_back({80, 0});
        P.push_back({0, 0});
        add("comb", P);
    }
    add("U", {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}, {0, 2}});
    add("L", {{0, 0}, {4, 0}, {4, 1}, {3, 1}, {1, 1}, {1, 3}, {0, 3}});
    add("star_2500", StarOutline(1250, 500, 500, 450, 300));
    return shapes;
}

TEST(ContourTriangulation, TrianglesTileEveryShape) {
    for (const ShapeCase& s : TriangulationShapes()) {
        SCOPED_TRACE(s.name);
        if (!IsSimple(s.outline)) {
            ADD_FAILURE() << "the shape itself is not a simple outline";
            continue;
        }
        EXPECT_EQ(TriangulateAndCheck(s.outline), "");
    }
}

TEST(ContourTriangulation, RandomSimplePolygonsAreTiled) {
    std::mt19937 rng(20240611);
    int checked = 0, points = 0;
    for (int k = 0; k < 3000; ++k) {
        const int grid = k % 3 == 0 ? 8 : (k % 3 == 1 ? 40 : 1000);
        const int n = 4 + k % 37;
        const Outline P = RandomSimplePolygon(rng, n, grid);
        ASSERT_TRUE(IsSimple(P)) << k;
        const std::string wrong = TriangulateAndCheck(P);
        if (!wrong.empty()) {
            std::string pts;
            for (const Pt& q : P) pts += "(" + std::to_string(int(q.x)) + "," + std::to_string(int(q.y)) + ") ";
            FAIL() << "polygon " << k << ": " << wrong << "\n" << pts;
        }
        ++checked;
        points += static_cast<int>(P.size());
    }
    EXPECT_EQ(checked, 3000);
    EXPECT_GT(points, 3000 * 15) << "the polygons grew to a useful size";
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

TEST_F(ContourFiles, CachedOutlinesDoNotDependOnWhatWasTracedFirst) {
    Save(SpikeStar(), QString::fromStdString(Path("star.bmp")));
    Save(MakeContourModelPicture(600, 300), QString::fromStdString(Path("model.bmp")));
    auto f = OnePiece(600, 300, 18);
    f->scene.AddBox(0, 400, 0, 600, 300, 18);
    f->attrs.modelFile[0] = Path("star.bmp");
    f->attrs.modelFile[1] = Path("model.bmp");
    auto build = [&](std::initializer_list<int> order) {
        ContourCache cache;
        std::vector<ContourPolygon> out(2);
        for (int piece : order) EXPECT_TRUE(BuildContourModel(*f, piece, true, 0, 0, 600, 300, cache, out[piece]));
        return out;
    };
    const auto a = build({0, 1}), b = build({1, 0});
    for (int piece : {0, 1}) {
        EXPECT_EQ(a[piece].X, b[piece].X) << piece;
        EXPECT_EQ(a[piece].Y, b[piece].Y) << piece;
        EXPECT_EQ(a[piece].TriangleCount(), b[piece].TriangleCount()) << piece;
    }
}

TEST_F(ContourFiles, UnreadableModelGivesTheLoaderMessageOnce) {
    { std::ofstream(Path("bad.bmp")) << "not a picture"; }
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

    // A worktop of 9000 x 600: the drawing keeps its 15 : 1 shape.
    auto top = OnePiece(9000, 38, 600);
    const NewContourModelResult l = NewContourModel(*top, folder);
    ASSERT_TRUE(l.ok) << l.error;
    QImage longImg;
    ASSERT_TRUE(LoadPicture(l.fileName, longImg).ok);
    EXPECT_EQ(longImg.size(), QSize(2050, 183));
    EXPECT_EQ(qGray(longImg.pixel(2024, 157)), 0); // the far corner of the outline
    EXPECT_EQ(qGray(longImg.pixel(2025, 158)), 255);
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

TEST(ContourModelPicture, LongPiecesShrinkWholeAndSizesStayInRange) {
    static_assert(kMaxModelSide == 2000);
    struct Case {
        double length, width;
        int w, h; // margins included
    };
    const Case cases[] = {
        {600, 300, 250, 150},      // a pixel for 3 mm, with the margins
        {6000, 3000, 2050, 1050},  // at the limit: a third each
        {9000, 600, 2050, 183},    // 3000 x 200 shrunk by 2/3: the shape of the piece
        {12000, 6000, 2050, 1050}, // 4000 x 2000 halved
        {600, 7200, 217, 2050},    // the longer side may come second: 200 x 2400 by 5/6
        {1e12, 300, 2050, 51},     // the short side cannot fall below one pixel
        {-600, 300, 51, 150},      // a size below zero counts as none
        {NAN, NAN, 51, 51},        // nor does a size that is no number
        {INFINITY, 300, 51, 150},  // nor an endless one
        {7.5, 4.5, 52, 52},        // 2.5 and 1.5 round to even
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

TEST_F(ContourEditorRun, NewModelGoesOnTheFaceItWasDrawnFor) {
    setenv("ZARVELO_TRASALIN", stubPath.c_str(), 1);
    // The drawing is made from the two larger sizes: the model lies on the
    // face across the third, unturned and unmirrored, whatever was stored.
    const struct {
        const char* piece;
        double sx, sy, sz;
        bool named; // a model named whose file is gone
        int face;
        int w, h; // the new drawing, margins included
    } cases[] = {
        {"door", 600, 720, 18, false, 1, 250, 290},
        {"side", 18, 720, 500, true, 2, 217, 290},
        {"shelf", 564, 18, 480, false, 0, 238, 210},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.piece);
        auto f = OnePiece(c.sx, c.sy, c.sz);
        if (c.named) f->attrs.modelFile[0] = Path("gone.bmp");
        f->attrs.modelFace[0] = static_cast<std::uint8_t>((c.face + 1) % 3);
        f->attrs.modelRotation[0] = 2;
        f->attrs.modelMirror[0] = 1;
        ScopedDialogScript script;
        RunContourEditor(ContourEditor::Trasalin, *f, true, dir.path().toStdString(), {});
        const std::string& model = f->attrs.modelFile[0];
        ASSERT_TRUE(std::filesystem::exists(model));
        EXPECT_EQ(f->attrs.modelFace[0], c.face);
        EXPECT_EQ(f->attrs.modelRotation[0], 0);
        EXPECT_EQ(f->attrs.modelMirror[0], 0);
        QImage drawn;
        ASSERT_TRUE(LoadPicture(model, drawn).ok);
        EXPECT_EQ(drawn.size(), QSize(c.w, c.h));
        EXPECT_EQ(Recorded(), (std::vector<std::string>{model, "3"}));
        std::filesystem::remove(record);
    }
}

TEST_F(ContourEditorRun, ExistingModelIsOpenedAsItIs) {
    setenv("ZARVELO_PAINT", stubPath.c_str(), 1);
    auto f = OnePiece(600, 300, 18);
    Save(White(4, 4), QString::fromStdString(Path("mine.bmp")));
    f->attrs.modelFile[0] = Path("mine.bmp");
    f->attrs.modelFace[0] = 2; // the user's choice stays
    f->attrs.modelRotation[0] = 3;
    f->modified = false;
    bool assigned = false;
    ScopedDialogScript script;
    RunContourEditor(ContourEditor::Paint, *f, true, dir.path().toStdString(),
                     {nullptr, nullptr, [&] { assigned = true; }});
    EXPECT_FALSE(f->modified);
    EXPECT_FALSE(assigned);
    EXPECT_EQ(f->attrs.modelFace[0], 2);
    EXPECT_EQ(f->attrs.modelRotation[0], 3);
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
