#include "SoftRender.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace zv {

namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kRed = 0x0000FF;
constexpr Color kYellow = 0x00FFFF;
constexpr Color kBlue = 0xFF0000;

// Screen coordinates are kept far inside what the rasteriser takes; a point
// that is not finite is never converted.
constexpr double kScreenLimit = 1.0e6;

double ClampScreen(double v) { return std::clamp(v, -kScreenLimit, kScreenLimit); }

int PieceLimit(const Scene3D& s) { return std::clamp(s.pieceCount, 0, Scene3D::kMaxPieces); }

// The face's run of points inside the points in use, or false.
bool FaceRun(const Scene3D& s, int piece, int f, int& first, int& n, int maxPoints) {
    first = s.faceFirst[piece][f];
    n = s.facePoints[piece][f];
    const int used = std::clamp(s.pointCount, 0, Scene3D::kPointSlots);
    return n >= 3 && n <= maxPoints && first >= 0 && first <= used - n;
}

int FaceLimit(const Scene3D& s, int piece) { return std::clamp(s.faceCount[piece], 0, Scene3D::kMaxFaces); }

BrushStyle FillStyleOf(std::uint8_t style) {
    switch (style) {
    case 7: return BrushStyle::DiagCross;
    case 1: return BrushStyle::Clear;
    default: return BrushStyle::Solid;
    }
}

// Pen black on light colours, yellow on dark ones.
Color ContrastPen(Color color) { return IsLightColor(color) ? kBlack : kYellow; }

bool AnyBelow200(Color color) {
    int r, g, b;
    SplitColor(color, r, g, b);
    return r < 200 || g < 200 || b < 200;
}

void ResetPenAndBrush(Canvas& c) {
    c.penColor = kBlack;
    c.penStyle = PenStyle::Solid;
    c.SetBrushStyle(BrushStyle::Solid);
}

void QuickSort(std::int32_t* order, const double* key, int first, int last, bool ascending) {
    const double pivot = key[order[first]];
    int i = first, j = last;
    do {
        if (ascending) {
            while (i < last && key[order[i]] < pivot) ++i;
            while (j > first && key[order[j]] > pivot) --j;
        } else {
            while (i < last && key[order[i]] > pivot) ++i;
            while (j > first && key[order[j]] < pivot) --j;
        }
        if (i <= j) {
            std::swap(order[i], order[j]);
            ++i;
            --j;
        }
    } while (j >= i);
    if (j > first) QuickSort(order, key, first, j, ascending);
    if (i < last) QuickSort(order, key, i, last, ascending);
}

// The draw order as it stands when it is a permutation of the pieces, else 0..n-1.
void KeepOrMendDrawOrder(Scene3D& s) {
    const int n = PieceLimit(s);
    std::array<bool, Scene3D::kMaxPieces> seen{};
    bool ok = true;
    for (int k = 0; k < n && ok; ++k) {
        const int p = s.drawOrder[k];
        ok = p >= 0 && p < n && !seen[p];
        if (ok) seen[p] = true;
    }
    if (!ok)
        for (int k = 0; k < n; ++k) s.drawOrder[k] = k;
}

// One mini-view point; false when it is not finite.
bool MiniPoint(double x, double y, double z, double scale, double panX, double panY, int view, CanvasPoint& out) {
    double sx, sy;
    switch (view) {
    case 3:
    case 4:
        sx = 20.0 - z * scale + panX;
        sy = 135.0 - y * scale - panY;
        break;
    case 5:
    case 6:
        sx = x * scale + panX;
        sy = 135.0 - z * scale - panY;
        break;
    default:
        sx = x * scale + panX;
        sy = 135.0 - y * scale - panY;
        break;
    }
    if (!std::isfinite(sx) || !std::isfinite(sy)) return false;
    out.x = RoundEven(ClampScreen(sx));
    out.y = RoundEven(ClampScreen(sy));
    return true;
}

// ---- drawing straight into the bitmap ----
// Thousands of faces per redraw: a painter per polygon costs more than the
// polygon, so faces and outlines are rasterised here, with the canvas's pen
// and brush and the same pixel rules (a pixel is filled when its centre is
// inside; one-pixel pens cover both ends of every edge).

bool DirectDrawable(const Canvas& c) {
    const QImage& img = c.Image();
    return !img.isNull() && c.penWidth <= 1 &&
           (img.format() == QImage::Format_RGB32 || img.format() == QImage::Format_ARGB32);
}

inline std::uint32_t Argb(Color color) {
    return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(color)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(color)) << 8) | static_cast<std::uint32_t>(BlueOf(color));
}

struct Raster {
    std::uint32_t* bits;
    int w, h, stride; // stride in pixels

    explicit Raster(QImage& img)
        : bits(reinterpret_cast<std::uint32_t*>(img.bits())), w(img.width()), h(img.height()),
          stride(static_cast<int>(img.bytesPerLine() / 4)) {}

    void Fill(const CanvasPoint* pts, int n, std::uint32_t argb, bool hatch) {
        int top = pts[0].y, bottom = pts[0].y, left = pts[0].x, right = pts[0].x;
        for (int i = 1; i < n; ++i) {
            top = std::min(top, pts[i].y);
            bottom = std::max(bottom, pts[i].y);
            left = std::min(left, pts[i].x);
            right = std::max(right, pts[i].x);
        }
        // No pixel centre lies inside a polygon without width or height.
        if (left == right || top == bottom || right < 0 || left >= w) return;
        top = std::max(top, 0);
        bottom = std::min(bottom, h); // the row of the lowest vertex has its centre below it
        struct Edge {
            double ylo, yhi, x0, y0, dxdy;
        } edges[kMaxProjectedPoints];
        int ne = 0;
        for (int i = 0, j = n - 1; i < n; j = i++) {
            if (pts[i].y == pts[j].y) continue;
            Edge& e = edges[ne++];
            e.ylo = std::min(pts[i].y, pts[j].y);
            e.yhi = std::max(pts[i].y, pts[j].y);
            e.x0 = pts[j].x;
            e.y0 = pts[j].y;
            e.dxdy = static_cast<double>(pts[i].x - pts[j].x) / (pts[i].y - pts[j].y);
        }
        double xs[kMaxProjectedPoints];
        for (int y = top; y < bottom; ++y) {
            const double yc = y + 0.5;
            int k = 0;
            for (int i = 0; i < ne; ++i) {
                const Edge& e = edges[i];
                if (yc < e.ylo || yc > e.yhi) continue;
                // Insertion sort: a face crosses a row at two or a few points.
                const double x = e.x0 + (yc - e.y0) * e.dxdy;
                int m = k++;
                while (m > 0 && xs[m - 1] > x) {
                    xs[m] = xs[m - 1];
                    --m;
                }
                xs[m] = x;
            }
            std::uint32_t* row = bits + static_cast<std::ptrdiff_t>(y) * stride;
            for (int m = 0; m + 1 < k; m += 2) {
                // Pixels x with x + 0.5 in [xa, xb).
                const int x0 = std::max(0, static_cast<int>(std::ceil(xs[m] - 0.5)));
                const int x1 = std::min(w, static_cast<int>(std::ceil(xs[m + 1] - 0.5)));
                if (x0 >= x1) continue;
                if (!hatch) {
                    std::fill(row + x0, row + x1, argb);
                } else {
                    // Diagonal cross every 8 pixels; the background shows between.
                    for (int x = x0; x < x1; ++x)
                        if (((x + y) & 7) == 0 || ((x - y) & 7) == 0) row[x] = argb;
                }
            }
        }
    }

    // One-pixel line, both ends included. Dotted lines draw every other pixel
    // by its position along the line's main axis, so edges that two faces
    // share stay dotted.
    void Line(int xa, int ya, int xb, int yb, std::uint32_t argb, bool dotted) {
        int ax = xa, ay = ya, bx = xb, by = yb;
        if (!Inside(ax, ay) || !Inside(bx, by)) {
            double x0 = xa, y0 = ya, x1 = xb, y1 = yb;
            if (!Clip(x0, y0, x1, y1)) return;
            ax = static_cast<int>(std::lround(x0));
            ay = static_cast<int>(std::lround(y0));
            bx = static_cast<int>(std::lround(x1));
            by = static_cast<int>(std::lround(y1));
        }
        const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
        const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
        const bool steep = -dy > dx;
        int err = dx + dy;
        for (;;) {
            if (!dotted || (((steep ? ay : ax) & 1) == 0))
                if (ax >= 0 && ay >= 0 && ax < w && ay < h) bits[static_cast<std::ptrdiff_t>(ay) * stride + ax] = argb;
            if (ax == bx && ay == by) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                ax += sx;
            }
            if (e2 <= dx) {
                err += dx;
                ay += sy;
            }
        }
    }

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }

    // Liang-Barsky against the bitmap, so long lines cost only their visible part.
    bool Clip(double& x0, double& y0, double& x1, double& y1) const {
        double t0 = 0, t1 = 1;
        const double dx = x1 - x0, dy = y1 - y0;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {x0, (w - 1) - x0, y0, (h - 1) - y0};
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0) return false;
                continue;
            }
            const double t = q[i] / p[i];
            if (p[i] < 0) {
                if (t > t1) return false;
                t0 = std::max(t0, t);
            } else {
                if (t < t0) return false;
                t1 = std::min(t1, t);
            }
        }
        const double ox = x0, oy = y0;
        x0 = ox + t0 * dx;
        y0 = oy + t0 * dy;
        x1 = ox + t1 * dx;
        y1 = oy + t1 * dy;
        return true;
    }
};

// A filled polygon outlined with the pen, as Canvas::Polygon draws it.
void PaintPolygon(Canvas& c, const CanvasPoint* pts, int n) {
    if (!DirectDrawable(c)) {
        c.Polygon(std::vector<CanvasPoint>(pts, pts + n));
        return;
    }
    Raster r(c.Image());
    const BrushStyle brush = c.GetBrushStyle();
    if (brush != BrushStyle::Clear) r.Fill(pts, n, Argb(c.BrushColor()), brush == BrushStyle::DiagCross);
    if (c.penStyle == PenStyle::Clear) return;
    const std::uint32_t pen = Argb(c.penColor);
    const bool dotted = c.penStyle == PenStyle::Dot;
    for (int i = 0, j = n - 1; i < n; j = i++) r.Line(pts[j].x, pts[j].y, pts[i].x, pts[i].y, pen, dotted);
}

// An open polyline with the pen, as Canvas::Polyline draws it.
void PaintPolyline(Canvas& c, const CanvasPoint* pts, int n) {
    if (!DirectDrawable(c)) {
        c.Polyline(std::vector<CanvasPoint>(pts, pts + n));
        return;
    }
    if (c.penStyle == PenStyle::Clear) return;
    Raster r(c.Image());
    const std::uint32_t pen = Argb(c.penColor);
    const bool dotted = c.penStyle == PenStyle::Dot;
    for (int i = 1; i < n; ++i) r.Line(pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y, pen, dotted);
}

} // namespace

void SplitColor(Color color, int& red, int& green, int& blue) {
    color &= 0xFFFFFF;
    red = static_cast<int>(color % 256);
    green = static_cast<int>((color / 256) % 256);
    blue = static_cast<int>(color / 65536);
}

bool IsLightColor(Color color) {
    int r, g, b;
    SplitColor(color, r, g, b);
    return r > 127 || g > 127 || b > 127;
}

void SortObjects(Scene3D& s, const double* key, bool ascending) {
    const int n = PieceLimit(s);
    for (int i = 0; i < n; ++i) s.drawOrder[i] = i;
    if (n > 1) QuickSort(s.drawOrder.data(), key, 0, n - 1, ascending);
}

void ProjectPolygon(const Scene3D& s, int n, const double* X, const double* Y, const double* Z, CanvasPoint* out,
                    int& count, int cx, int cy) {
    count = 0;
    const double oz = s.observerZ;
    auto put = [&](double x, double y) {
        if (count >= kMaxProjectedPoints || !std::isfinite(x) || !std::isfinite(y)) return;
        out[count].x = TruncZero(ClampScreen(x));
        out[count].y = TruncZero(ClampScreen(y));
        ++count;
    };
    // The point where the edge i -> j crosses z = 0 (there f = 1).
    auto cut = [&](int i, int j) {
        const double t = Z[i] / (Z[i] - Z[j]);
        put(cx + X[i] + (X[j] - X[i]) * t, cy + Y[i] + (Y[j] - Y[i]) * t);
    };
    for (int i = 0; i < n; ++i) {
        if (Z[i] > 0) {
            const double f = oz / (oz - Z[i]);
            put(X[i] * f + cx, Y[i] * f + cy);
        }
        if (i < n - 1) {
            if (Z[i] * Z[i + 1] < 0) cut(i, i + 1);
        } else if (Z[i] * Z[0] < 0) {
            cut(i, 0);
        }
    }
}

double ShadeFace(const Scene3D& s, int n, const double* X, const double* Y, const double* Z, double lx, double ly,
                 double lz, double exponent, int sideMode) {
    if (n < 3) return -1.0;
    const double ax = X[1] - X[0], ay = Y[1] - Y[0], az = Z[1] - Z[0];
    const double bx = X[2] - X[0], by = Y[2] - Y[0], bz = Z[2] - Z[0];
    const double nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
    const double d0 = nx * (X[0] - s.observerX) + ny * (Y[0] - s.observerY) + nz * (Z[0] - s.observerZ);
    bool drawn;
    switch (sideMode) {
    case 0: drawn = d0 > 0; break;
    case 1: drawn = d0 < 0; break;
    case 2: drawn = true; break;
    default: drawn = false; break;
    }
    if (!drawn) return -1.0;
    const double vx = X[0] - lx, vy = Y[0] - ly, vz = Z[0] - lz;
    double d = nx * vx + ny * vy + nz * vz;
    const double nn = nx * nx + ny * ny + nz * nz;
    const double vv = vx * vx + vy * vy + vz * vz;
    if (nn == 0 || vv == 0) return -1.0;
    if (sideMode == 1) d = -d;
    if (sideMode == 2) d = std::fabs(d);
    if (!(d > 0)) return 0.0;
    const double c = d / std::sqrt(nn * vv);
    if (exponent == 1) return c;
    if (exponent == 2) return std::sqrt(c);
    if (exponent > 2) return std::pow(c, exponent);
    return 0.0;
}

void DrawFace(const Scene3D& s, Canvas& c, int n, int fill, int cx, int cy, double ambient, int red, int green,
              int blue, int sideMode, double exponent, double lx, double ly, double lz, const double* X,
              const double* Y, const double* Z) {
    if (n < 3) return;
    CanvasPoint pts[kMaxProjectedPoints];
    int count = 0;
    if (fill == 1) {
        const double r = ShadeFace(s, n, X, Y, Z, lx, ly, lz, exponent, sideMode);
        if (r < 0) return;
        ProjectPolygon(s, n, X, Y, Z, pts, count, cx, cy);
        if (count < 3) return;
        auto shade = [&](int v) {
            const int base = RoundEven(v * ambient);
            return std::clamp(RoundEven(base + (v - base) * r), 0, 255);
        };
        c.SetBrushColor(Rgb(shade(red), shade(green), shade(blue)));
        PaintPolygon(c, pts, count);
    } else {
        ProjectPolygon(s, n, X, Y, Z, pts, count, cx, cy);
        if (count < 3) return;
        c.SetBrushStyle(BrushStyle::Clear);
        PaintPolygon(c, pts, count);
    }
}

void DrawObject(Scene3D& s, Canvas& c, int piece, int sideMode, int mode) {
    if (!s.ValidPiece(piece)) return;
    mode = std::max(mode, 0);
    const Color color = s.color[piece] & 0xFFFFFF;
    const bool current = piece == s.current;
    if (!current) {
        c.penColor = ContrastPen(color);
        c.penStyle = PenStyle::Solid;
        c.SetBrushStyle(BrushStyle::Solid);
    } else {
        c.penColor = mode >= kModeOutline ? kRed : kWhite - color;
        c.penStyle = PenStyle::Dot;
        c.SetBrushStyle(FillStyleOf(s.currentFillStyle));
    }
    int red, green, blue;
    SplitColor(color, red, green, blue);
    if (mode >= kModeOutline && !current && AnyBelow200(color)) c.penColor = color;

    const double cosX = std::cos(s.rotX), sinX = std::sin(s.rotX);
    const double cosY = std::cos(s.rotY), sinY = std::sin(s.rotY);
    const double cosZ = std::cos(s.rotZ), sinZ = std::sin(s.rotZ);
    const int fill = mode >= kModeOutline ? 0 : 1;
    const double ambient = mode == kModeFlat ? 1.0 : 0.3;
    double tx[kMaxFacePoints], ty[kMaxFacePoints], tz[kMaxFacePoints];
    const int faces = FaceLimit(s, piece);
    for (int f = 0; f < faces; ++f) {
        int first, n;
        if (!FaceRun(s, piece, f, first, n, kMaxFacePoints)) continue;
        bool finite = true;
        for (int k = 0; k < n; ++k) {
            double x = s.X[first + k] - s.modelCx, y = s.Y[first + k] - s.modelCy, z = s.Z[first + k] - s.modelCz;
            Scene3D::RotatePair(y, z, cosX, sinX);
            Scene3D::RotatePair(z, x, cosY, sinY);
            Scene3D::RotatePair(x, y, cosZ, sinZ);
            tx[k] = x * s.zoom + s.panX;
            ty[k] = -y * s.zoom + s.panY;
            tz[k] = z * s.zoom + 1000.0 + s.panZ;
            finite = finite && std::isfinite(tx[k]) && std::isfinite(ty[k]) && std::isfinite(tz[k]);
        }
        // A corner that is not a number has no place: the face would be drawn
        // with a corner missing, so it is not drawn at all.
        if (!finite) continue;
        DrawFace(s, c, n, fill, s.screenCx, s.screenCy, ambient, red, green, blue, sideMode, 1.0, 0, 0, -500, tx, ty,
                 tz);
    }
    ResetPenAndBrush(c);
}

namespace {

struct Bounds {
    double lo[3], hi[3];
    bool ok = false;
};

// The smallest box holding every point of the piece's sound faces.
Bounds PieceBounds(const Scene3D& s, int piece) {
    Bounds b;
    for (int a = 0; a < 3; ++a) {
        b.lo[a] = std::numeric_limits<double>::infinity();
        b.hi[a] = -std::numeric_limits<double>::infinity();
    }
    const std::array<const double*, 3> axes = {s.X.data(), s.Y.data(), s.Z.data()};
    const int faces = FaceLimit(s, piece);
    for (int f = 0; f < faces; ++f) {
        int first, n;
        if (!FaceRun(s, piece, f, first, n, kMaxFacePoints)) continue;
        for (int k = first; k < first + n; ++k)
            for (int a = 0; a < 3; ++a) {
                b.lo[a] = std::min(b.lo[a], axes[a][k]);
                b.hi[a] = std::max(b.hi[a], axes[a][k]);
            }
    }
    b.ok = true;
    for (int a = 0; a < 3; ++a) b.ok = b.ok && std::isfinite(b.lo[a]) && std::isfinite(b.hi[a]);
    return b;
}

// The eye of the 3D view in model coordinates: the centre of the
// perspective, (0, 0, observer z) on the screen side, taken back through the
// pan, the zoom and the three rotations of DrawObject.
bool EyeInModel(const Scene3D& s, double eye[3]) {
    if (!(s.zoom > 0) || !std::isfinite(s.zoom)) return false;
    const double ex = 0, ey = 0, ez = s.observerZ;
    double x = (ex - s.panX) / s.zoom;
    double y = (s.panY - ey) / s.zoom;
    double z = (ez - 1000.0 - s.panZ) / s.zoom;
    Scene3D::RotatePair(x, y, std::cos(s.rotZ), -std::sin(s.rotZ));
    Scene3D::RotatePair(z, x, std::cos(s.rotY), -std::sin(s.rotY));
    Scene3D::RotatePair(y, z, std::cos(s.rotX), -std::sin(s.rotX));
    eye[0] = x + s.modelCx;
    eye[1] = y + s.modelCy;
    eye[2] = z + s.modelCz;
    return std::isfinite(eye[0]) && std::isfinite(eye[1]) && std::isfinite(eye[2]);
}

// Which of two boxes must be painted first, judged by the planes that
// separate them: -1 a first (b is nearer the eye), +1 b first, 0 when no
// plane decides (they overlap, or they cannot cover each other on screen).
int SeparatedOrder(const Bounds& a, const Bounds& b, const double eye[3]) {
    int verdict = 0;
    bool separated = false;
    for (int k = 0; k < 3; ++k) {
        const Bounds* low = nullptr; // the box on the smaller side of a plane across axis k
        const Bounds* high = nullptr;
        if (a.hi[k] <= b.lo[k]) {
            low = &a;
            high = &b;
        } else if (b.hi[k] <= a.lo[k]) {
            low = &b;
            high = &a;
        } else {
            continue;
        }
        separated = true;
        int v;
        if (eye[k] < low->hi[k])
            v = low == &a ? +1 : -1; // the eye is on the low box's side: that one is nearer
        else if (eye[k] > high->lo[k])
            v = high == &a ? +1 : -1;
        else
            return 0;                               // the eye lies in a separating plane: no sight line meets both
        if (verdict != 0 && v != verdict) return 0; // planes disagree: they never cover each other
        verdict = v;
    }
    return separated ? verdict : 0;
}

} // namespace

void SortForView(Scene3D& s) {
    const int n = PieceLimit(s);
    const double cosX = std::cos(s.rotX), sinX = std::sin(s.rotX);
    const double cosY = std::cos(s.rotY), sinY = std::sin(s.rotY);
    std::array<double, Scene3D::kMaxPieces> key{};
    for (int i = 0; i < n; ++i) key[i] = s.DepthKey(i, cosX, sinX, cosY, sinY);
    SortObjects(s, key.data(), false);
    double eye[3];
    if (n < 2 || !EyeInModel(s, eye)) return;

    // The farthest-point key alone puts a shelf that reaches deeper than a
    // door over that door. A plane between two boxes settles which one can
    // hide the other; the key only orders the rest.
    std::array<int, Scene3D::kMaxPieces> rank{};
    for (int k = 0; k < n; ++k) rank[s.drawOrder[k]] = k;
    std::array<Bounds, Scene3D::kMaxPieces> box;
    for (int i = 0; i < n; ++i) box[i] = PieceBounds(s, i);
    std::array<std::bitset<Scene3D::kMaxPieces>, Scene3D::kMaxPieces> after{}; // after[i]: pieces painted after i
    std::array<int, Scene3D::kMaxPieces> waiting{};                            // pieces still to paint before this one
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            if (!box[i].ok || !box[j].ok) continue;
            const int v = SeparatedOrder(box[i], box[j], eye);
            if (v < 0) {
                after[i].set(j);
                ++waiting[j];
            } else if (v > 0) {
                after[j].set(i);
                ++waiting[i];
            }
        }
    // Each step paints, of the pieces nothing is waiting for, the one the key
    // puts first; should the planes ever form a ring, the key breaks it.
    std::array<bool, Scene3D::kMaxPieces> done{};
    std::array<std::int32_t, Scene3D::kMaxPieces> order{};
    for (int k = 0; k < n; ++k) {
        int pick = -1, stuck = -1;
        for (int i = 0; i < n; ++i) {
            if (done[i]) continue;
            if (waiting[i] == 0 && (pick < 0 || rank[i] < rank[pick])) pick = i;
            if (stuck < 0 || rank[i] < rank[stuck]) stuck = i;
        }
        if (pick < 0) pick = stuck;
        done[pick] = true;
        order[k] = pick;
        for (int j = 0; j < n; ++j)
            if (after[pick].test(j)) --waiting[j];
    }
    std::copy(order.begin(), order.begin() + n, s.drawOrder.begin());
}

void DrawScene(Scene3D& s, Canvas& c, int mode, int sideMode) {
    const int n = PieceLimit(s);
    SortForView(s);
    for (int k = 0; k < n; ++k) DrawObject(s, c, s.drawOrder[k], sideMode, mode);
    // The current piece's outline on top of every other; only a real piece.
    if (mode >= kModeOutline && s.ValidPiece(s.current)) DrawObject(s, c, s.current, sideMode, mode);
}

int PickPiece(Scene3D& s, int width, int height, int mode, int sideMode, int x, int y) {
    const int n = PieceLimit(s);
    if (n <= 0 || x < 0 || y < 0 || x >= width || y >= height) return -1;
    const auto fillStyle = s.currentFillStyle;
    s.currentFillStyle = 1; // solid: the hatch would show the pieces behind
    auto fill = [&](Canvas& c, Color color) {
        c.SetSize(width, height);
        c.SetBrushStyle(BrushStyle::Solid);
        c.SetBrushColor(color);
        c.FillRect(0, 0, width, height);
    };
    Canvas picture;
    fill(picture, kWhite);
    DrawScene(s, picture, mode, sideMode);
    const Color clicked = picture.Pixel(x, y) & 0xFFFFFF;
    Canvas tries;
    fill(tries, ~clicked & 0xFFFFFF); // never the clicked colour
    SortForView(s);
    int found = -1;
    for (int k = n - 1; k >= 0 && found < 0; --k) {
        const int piece = s.drawOrder[k];
        DrawObject(s, tries, piece, sideMode, mode);
        if ((tries.Pixel(x, y) & 0xFFFFFF) == clicked) found = piece;
    }
    s.currentFillStyle = fillStyle;
    return found;
}

void DrawProjectedObject(Scene3D& s, Canvas& c, int piece, double panX, double panY, int mode, int view) {
    if (!s.ValidPiece(piece)) return;
    const Color color = s.color[piece] & 0xFFFFFF;
    const bool current = piece == s.current;
    c.penColor = kBlack;
    c.SetBrushColor(color);
    if (current) {
        c.penColor = mode < kModeOutline ? kWhite - color : kRed;
        c.penStyle = PenStyle::Dot;
    } else {
        c.penColor = ContrastPen(color);
        c.penStyle = PenStyle::Solid;
        c.SetBrushStyle(BrushStyle::Solid);
    }
    const bool outlines = mode >= kModeOutline;
    if (outlines && !current && AnyBelow200(color)) c.penColor = color;
    CanvasPoint pts[kMaxProjectedPoints];
    const int faces = FaceLimit(s, piece);
    for (int f = 0; f < faces; ++f) {
        int first, n;
        if (!FaceRun(s, piece, f, first, n, kMaxProjectedPoints)) continue;
        int count = 0;
        for (int k = 0; k < n; ++k) {
            const double x = s.X[first + k], y = s.Y[first + k], z = s.Z[first + k];
            // As in the 3D view: a face with a corner that is not a number is left out whole.
            if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) break;
            if (MiniPoint(x, y, z, s.miniScale, panX, panY, view, pts[count])) ++count;
        }
        if (count < n) continue;
        if (outlines)
            PaintPolyline(c, pts, count);
        else
            PaintPolygon(c, pts, count);
    }
    ResetPenAndBrush(c);
}

void DrawProjection(Scene3D& s, Canvas& c, int view, double panX, double panY, int mode) {
    const int n = PieceLimit(s);
    std::array<double, Scene3D::kMaxPieces> key{};
    const auto& centre = (view == 1 || view == 2) ? s.pieceCz : (view == 3 || view == 4) ? s.pieceCx : s.pieceCy;
    for (int i = 0; i < n; ++i) key[i] = centre[i];
    switch (view) {
    case 1: SortObjects(s, key.data(), false); break;
    case 2: SortObjects(s, key.data(), true); break;
    case 3: SortObjects(s, key.data(), false); break;
    case 4: SortObjects(s, key.data(), true); break;
    case 5: SortObjects(s, key.data(), true); break;
    case 6: SortObjects(s, key.data(), false); break;
    default: KeepOrMendDrawOrder(s); break;
    }
    for (int k = 0; k < n; ++k) DrawProjectedObject(s, c, s.drawOrder[k], panX, panY, mode, view);
}

void FitViewScale(Scene3D& s, int width, int height, double H, double W) {
    s.screenCx = width / 2;
    s.screenCy = height / 2;
    if (H == 0 || W == 0) return;
    const double a = s.screenCy * 0.0025 / H * 2000;
    const double b = s.screenCx * 0.008 / W * 600;
    const double zoom = a < b ? a : b;
    // A furniture size that is not a number leaves the zoom as it was.
    if (std::isfinite(zoom)) s.zoom = zoom;
}

void DrawAxes(Canvas& c, int height) {
    const int h = height - 15;
    c.penColor = kRed;
    c.penStyle = PenStyle::Solid;
    c.SetBrushColor(kWhite);
    c.fontColor = kRed;
    c.fontBold = false;
    auto line = [&](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    c.TextOut(2, h, "o");
    line(10, h + 7, 50, h + 7);
    line(50, h + 7, 43, h + 3);
    line(50, h + 7, 43, h + 11);
    c.TextOut(52, h - 1, "x");
    line(10, h + 7, 10, h - 33);
    line(10, h - 33, 6, h - 26);
    line(10, h - 33, 14, h - 26);
    c.TextOut(7, h - 49, "y");
    line(10, h + 7, 38, h - 16);
    line(38, h - 16, 36, h - 9);
    line(38, h - 16, 31, h - 16);
    c.TextOut(40, h - 26, "z");
    c.penColor = kBlack;
}

namespace {
// The bitmap sized (at least 1 x 1) and filled white, outlined with `frame`.
void ClearPicture(Canvas& c, int width, int height, Color frame) {
    c.SetSize(std::max(width, 1), std::max(height, 1));
    c.penColor = frame;
    c.penStyle = PenStyle::Solid;
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(kWhite);
    c.Rectangle(0, 0, c.Width(), c.Height());
}
} // namespace

void Redraw3DImage(Scene3D& s, Canvas& c, int width, int height, int mode, int sideMode) {
    ClearPicture(c, width, height, kBlack);
    c.fontColor = kBlue;
    c.fontBold = true;
    c.TextOut(4, 4, "3D");
    c.fontBold = false;
    DrawScene(s, c, mode, sideMode);
}

void RedrawProjectionImage(Scene3D& s, Canvas& c, int width, int height, int view, double panX, double panY, int mode) {
    ClearPicture(c, width, height, kWhite);
    DrawProjection(s, c, view, panX, panY, mode);
}

} // namespace zv
