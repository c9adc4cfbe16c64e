#include "Contour.h"

#include "model/Mobila.h"
#include "model/PieceEdit.h"
#include "model/Scene3D.h"
#include "platform/IoError.h"
#include "platform/Launcher.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>

namespace zv {

// ---------------------------------------------------------------- tracer

namespace {
constexpr int kStepX[8] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int kStepY[8] = {0, -1, -1, -1, 0, 1, 1, 1};
} // namespace

void ContourTracer::Begin(const QImage& picture) {
    if (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32)
        img_ = picture; // shared, never written
    else
        img_ = picture.convertToFormat(QImage::Format_RGB32);
    w_ = img_.isNull() ? 0 : img_.width();
    h_ = img_.isNull() ? 0 : img_.height();
    const std::size_t bits = static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_);
    visited_.assign((bits + 63) / 64, 0);
}

Color ContourTracer::PixelAt(int x, int y) const {
    const Color bg = static_cast<Color>(state.background) & 0xFFFFFFu;
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return bg;
    const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x);
    if (visited_[i >> 6] & (std::uint64_t{1} << (i & 63))) return bg;
    const QRgb p = reinterpret_cast<const QRgb*>(img_.constScanLine(y))[x];
    return Rgb(qRed(p), qGreen(p), qBlue(p));
}

void ContourTracer::MarkVisited(int x, int y) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x);
    visited_[i >> 6] |= std::uint64_t{1} << (i & 63);
}

bool ContourTracer::FindContourStart() {
    const Color ink = static_cast<Color>(state.contour) & 0xFFFFFFu;
    auto scan = [&](int from, int to) {
        from = std::max(from, 0);
        to = std::min(to, h_ - 1);
        for (int y = from; y <= to; ++y)
            for (int x = 0; x < w_; ++x)
                if (PixelAt(x, y) == ink) {
                    state.cursorX = x;
                    state.cursorY = y;
                    return true;
                }
        return false;
    };
    if (!options.scanFromRow25) return scan(0, h_ - 2);
    return scan(25, h_ - 2) || scan(0, 24);
}

std::pair<int, int> ContourTracer::ContourNeighbour(int direction) const {
    const int d = direction & 7;
    return {state.cursorX + kStepX[d], state.cursorY + kStepY[d]};
}

bool ContourTracer::IsContourEdgePixel(int x, int y) const {
    const Color bg = static_cast<Color>(state.background) & 0xFFFFFFu;
    if (PixelAt(x, y) == bg) return false;
    return PixelAt(x + 1, y) == bg || PixelAt(x, y - 1) == bg || PixelAt(x - 1, y) == bg || PixelAt(x, y + 1) == bg;
}

bool ContourTracer::ContourStep() {
    static constexpr int kOrder[7] = {0, 1, -1, 2, -2, 3, -3};
    for (int k : kOrder) {
        const int d = TurnDirection(k);
        const auto [x, y] = ContourNeighbour(d);
        if (IsContourEdgePixel(x, y)) {
            state.cursorX = x;
            state.cursorY = y;
            state.direction = d;
            return true;
        }
    }
    return false;
}

std::optional<ContourMessage> ContourTracer::Trace(const QImage& picture, const std::string& fileName,
                                                   ContourPolygon& poly) {
    poly.Clear();
    tracedCount = 0;
    Begin(picture);
    // Not the direction the previous trace ended with: the same picture must
    // give the same outline whatever was traced before it.
    state.direction = 0;
    if (!FindContourStart()) {
        img_ = QImage();
        return ContourMessage{MsgKind::Error, kNoContourText + fileName};
    }
    const int limit = std::max(options.maxPoints, 1);
    poly.X.reserve(static_cast<std::size_t>(std::min(limit, 4096)));
    poly.Y.reserve(static_cast<std::size_t>(std::min(limit, 4096)));
    for (;;) {
        poly.X.push_back(state.cursorX);
        poly.Y.push_back(-static_cast<double>(state.cursorY));
        MarkVisited(state.cursorX, state.cursorY);
        const bool moved = ContourStep();
        if (!moved || poly.Count() >= limit) break;
    }
    img_ = QImage();
    tracedCount = poly.Count();
    std::optional<ContourMessage> msg;
    if (poly.Count() >= limit) msg = ContourMessage{MsgKind::Information, kTooManyPointsText + fileName};
    SimplifyContour(poly.X, poly.Y);
    return msg;
}

// ---------------------------------------------------------------- outline work

bool Collinear(double x1, double y1, double x2, double y2, double x3, double y3) {
    return (x2 - x1) * (y3 - y1) == (x3 - x1) * (y2 - y1);
}

void SimplifyContour(std::vector<double>& X, std::vector<double>& Y) {
    const std::size_t n = std::min(X.size(), Y.size());
    if (n < 3) return;
    std::size_t k = 2; // kept points are X[0..k-1]
    for (std::size_t i = 2; i < n; ++i) {
        if (Collinear(X[k - 2], Y[k - 2], X[k - 1], Y[k - 1], X[i], Y[i])) {
            X[k - 1] = X[i];
            Y[k - 1] = Y[i];
        } else {
            X[k] = X[i];
            Y[k] = Y[i];
            ++k;
        }
    }
    X.resize(k);
    Y.resize(k);
}

void MirrorAndTurnContour(std::vector<double>& X, std::vector<double>& Y, bool mirror, int rotation) {
    const std::size_t n = std::min(X.size(), Y.size());
    if (n < 1) return;
    double sx = 0, sy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sx += X[i];
        sy += Y[i];
    }
    // The mean point taken to whole units: whole-pixel outlines then stay on
    // whole numbers, so the triangulation's exact tests see every point where
    // it is. The fit removes the shift.
    const double cx = std::round(sx / static_cast<double>(n)), cy = std::round(sy / static_cast<double>(n));
    if (mirror)
        for (std::size_t i = 0; i < n; ++i) X[i] = cx - X[i];
    // Quarter turns with exact cosines, so pixel outlines stay on whole numbers.
    static constexpr double kCos[4] = {1, 0, -1, 0};
    static constexpr double kSin[4] = {0, 1, 0, -1};
    const int r = ((rotation % 4) + 4) % 4;
    if (r == 0) return;
    for (std::size_t i = 0; i < n; ++i) Scene3D::RotateAround(X[i], Y[i], kCos[r], kSin[r], cx, cy);
}

void FitContourToRect(std::vector<double>& X, std::vector<double>& Y, double x1, double y1, double x2, double y2) {
    const std::size_t n = std::min(X.size(), Y.size());
    double minX = 2000000000.0, maxX = -2000000000.0, minY = 2000000000.0, maxY = -2000000000.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (X[i] < minX) minX = X[i];
        if (X[i] > maxX) maxX = X[i];
        if (Y[i] < minY) minY = Y[i];
        if (Y[i] > maxY) maxY = Y[i];
    }
    if (maxX == minX || maxY == minY) return;
    const double sx = (x2 - x1) / (maxX - minX);
    const double sy = (y2 - y1) / (maxY - minY);
    for (std::size_t i = 0; i < n; ++i) {
        X[i] = (X[i] - minX) * sx + x1;
        Y[i] = (Y[i] - minY) * sy + y1;
    }
}

// ---------------------------------------------------------------- triangulation

namespace {
inline int Sign(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }
inline int Orient(double px, double py, double vx, double vy, double ux, double uy) {
    return Sign((uy - vy) * (px - vx) - (py - vy) * (ux - vx));
}
// Inside the triangle or on one of its edges: no two signs strictly opposite.
inline bool InClosedTriangle(double px, double py, double ax, double ay, double bx, double by, double cx, double cy) {
    const int s1 = Orient(px, py, ax, ay, bx, by);
    const int s2 = Orient(px, py, bx, by, cx, cy);
    const int s3 = Orient(px, py, cx, cy, ax, ay);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}
// How far P lies from the line A-C, times |AC| (the same for every P, so only the order counts).
inline double DepthFromCut(double px, double py, double ax, double ay, double cx, double cy) {
    return std::fabs((cx - ax) * (py - ay) - (cy - ay) * (px - ax));
}
// The pivot: the lowest point, and of the lowest the leftmost. That corner
// is always convex, even when the bottom edge holds several points in a row.
inline bool LowerLeft(double x1, double y1, double x2, double y2) { return y1 < y2 || (y1 == y2 && x1 < x2); }

// The ear at the pivot can be cut only when no other point lies in it or on
// its edges: a point on the cut prev-next would leave a later cut crossing
// the outline. Otherwise the diagonal goes from the pivot to the point of the
// ear farthest from the cut; nothing lies between them.
std::pair<int, int> FindDiagonalOf(const int* id, int n, const double* X, const double* Y) {
    int pivot = 0;
    for (int i = 1; i < n; ++i)
        if (LowerLeft(X[id[i]], Y[id[i]], X[id[pivot]], Y[id[pivot]])) pivot = i;
    const int prev = pivot == 0 ? n - 1 : pivot - 1;
    const int next = pivot == n - 1 ? 0 : pivot + 1;
    const double ax = X[id[prev]], ay = Y[id[prev]];
    const double bx = X[id[pivot]], by = Y[id[pivot]];
    const double cx = X[id[next]], cy = Y[id[next]];
    int best = -1;
    // A flat corner (a spike folded back on itself) holds no area: cut it.
    if (Orient(cx, cy, ax, ay, bx, by) != 0) {
        const double lox = std::min({ax, bx, cx}), hix = std::max({ax, bx, cx});
        const double loy = std::min({ay, by, cy}), hiy = std::max({ay, by, cy});
        double bestDepth = -1;
        for (int i = 0; i < n; ++i) {
            if (i == prev || i == pivot || i == next) continue;
            const double px = X[id[i]], py = Y[id[i]];
            if (px < lox || px > hix || py < loy || py > hiy) continue;
            if (!InClosedTriangle(px, py, ax, ay, bx, by, cx, cy)) continue;
            const double d = DepthFromCut(px, py, ax, ay, cx, cy);
            if (d > bestDepth) {
                best = i;
                bestDepth = d;
            }
        }
    }
    int a = prev, b = next;
    if (best >= 0) {
        a = pivot;
        b = best;
    }
    if (a > b) std::swap(a, b);
    return {a, b};
}
} // namespace

int OrientationSign(double px, double py, double vx, double vy, double ux, double uy) {
    return Orient(px, py, vx, vy, ux, uy);
}

bool PointInTriangle(double px, double py, double ax, double ay, double bx, double by, double cx, double cy) {
    return InClosedTriangle(px, py, ax, ay, bx, by, cx, cy);
}

std::pair<int, int> FindDiagonal(int n, const double* X, const double* Y) {
    if (n < 3) return {0, n > 1 ? 1 : 0};
    std::vector<int> id(static_cast<std::size_t>(n));
    std::iota(id.begin(), id.end(), 0);
    return FindDiagonalOf(id.data(), n, X, Y);
}

namespace {
// One sub-polygon waiting to be cut. Its ids always rise: every split keeps
// the outline's order (part A is a run, part B a head and a tail), so a
// position order is an id order.
struct Part {
    std::vector<int> ids;
    std::vector<int> byY; // the same ids, lowest and then leftmost first; unused in the plain mode
};

class Triangulator {
public:
    Triangulator(int n, const double* X, const double* Y, bool indexed, std::vector<std::array<ContourPoint, 3>>& out)
        : n_(n), X_(X), Y_(Y), indexed_(indexed), out_(out), alive_(static_cast<std::size_t>(n), 0) {}

    void Run() {
        Part first;
        first.ids.resize(static_cast<std::size_t>(n_));
        std::iota(first.ids.begin(), first.ids.end(), 0);
        if (indexed_) {
            first.byY = first.ids;
            std::sort(first.byY.begin(), first.byY.end(), [&](int p, int q) {
                if (LowerLeft(X_[p], Y_[p], X_[q], Y_[q])) return true;
                if (LowerLeft(X_[q], Y_[q], X_[p], Y_[p])) return false;
                return p < q;
            });
        }
        // The top is worked first, so part A is finished (with all its own
        // splits) before part B, as a recursion would, without using the call stack.
        std::vector<Part> pending;
        pending.push_back(std::move(first));
        while (!pending.empty()) {
            Part part = std::move(pending.back());
            pending.pop_back();
            Work(part, pending);
        }
    }

private:
    bool Alive(int id) const { return alive_[static_cast<std::size_t>(id)] == stamp_; }
    void Kill(int id) { alive_[static_cast<std::size_t>(id)] = 0; }
    void Add(int p, int q, int r) {
        out_.push_back({ContourPoint{X_[p], Y_[p]}, ContourPoint{X_[q], Y_[q]}, ContourPoint{X_[r], Y_[r]}});
    }

    // FindDiagonal on the part, looking only at the points the pivot's ear can hold.
    std::pair<int, int> Diagonal(const std::vector<int>& cur, const std::vector<int>& byY, std::size_t& head) {
        const int m = static_cast<int>(cur.size());
        if (!indexed_) return FindDiagonalOf(cur.data(), m, X_, Y_);
        while (!Alive(byY[head])) ++head;
        const int pivotId = byY[head];
        const int pivot = static_cast<int>(std::lower_bound(cur.begin(), cur.end(), pivotId) - cur.begin());
        const int prev = pivot == 0 ? m - 1 : pivot - 1;
        const int next = pivot == m - 1 ? 0 : pivot + 1;
        const int prevId = cur[static_cast<std::size_t>(prev)], nextId = cur[static_cast<std::size_t>(next)];
        const double ax = X_[prevId], ay = Y_[prevId], bx = X_[pivotId], by = Y_[pivotId];
        const double cx = X_[nextId], cy = Y_[nextId];
        int bestId = -1;
        if (Orient(cx, cy, ax, ay, bx, by) != 0) {
            const double lox = std::min({ax, bx, cx}), hix = std::max({ax, bx, cx});
            const double hiy = std::max({ay, by, cy});
            double bestDepth = -1;
            // Every point of the part lies at or above the pivot.
            for (std::size_t k = head + 1; k < byY.size(); ++k) {
                const int id = byY[k];
                const double py = Y_[id];
                if (py > hiy) break;
                if (!Alive(id) || id == prevId || id == nextId) continue;
                const double px = X_[id];
                if (px < lox || px > hix) continue;
                if (!InClosedTriangle(px, py, ax, ay, bx, by, cx, cy)) continue;
                const double d = DepthFromCut(px, py, ax, ay, cx, cy);
                // Of equal depths the first position, which is the smallest id.
                if (d > bestDepth || (d == bestDepth && id < bestId)) {
                    bestId = id;
                    bestDepth = d;
                }
            }
        }
        int a = prev, b = next;
        if (bestId >= 0) {
            a = pivot;
            b = static_cast<int>(std::lower_bound(cur.begin(), cur.end(), bestId) - cur.begin());
        }
        if (a > b) std::swap(a, b);
        return {a, b};
    }

    void Work(Part& part, std::vector<Part>& pending) {
        std::vector<int>& cur = part.ids;
        ++stamp_;
        for (int id : cur) alive_[static_cast<std::size_t>(id)] = stamp_;
        std::size_t head = 0;
        while (cur.size() > 2) {
            const int m = static_cast<int>(cur.size());
            const auto [a, b] = Diagonal(cur, part.byY, head);
            const int sizeA = b - a + 1;
            const int sizeB = a + 1 + (m - b);
            const int idA = cur[static_cast<std::size_t>(a)], idB = cur[static_cast<std::size_t>(b)];
            if (sizeA >= 4 && sizeB >= 4) {
                Part partA, partB;
                partA.ids.assign(cur.begin() + a, cur.begin() + b + 1);
                partB.ids.assign(cur.begin(), cur.begin() + a + 1);
                partB.ids.insert(partB.ids.end(), cur.begin() + b, cur.end());
                if (indexed_) {
                    partA.byY.reserve(partA.ids.size());
                    partB.byY.reserve(partB.ids.size());
                    for (std::size_t k = head; k < part.byY.size(); ++k) {
                        const int id = part.byY[k];
                        if (!Alive(id)) continue;
                        if (id >= idA && id <= idB) partA.byY.push_back(id);
                        if (id <= idA || id >= idB) partB.byY.push_back(id);
                    }
                }
                pending.push_back(std::move(partB));
                pending.push_back(std::move(partA));
                return;
            }
            if (sizeA != 3 && sizeB != 3) return; // cannot happen for 3 or more points; never loop
            int triB[3] = {0, 0, 0};
            if (sizeB == 3) {
                int k = 0;
                for (int i = 0; i <= a; ++i) triB[k++] = cur[static_cast<std::size_t>(i)];
                for (int i = b; i < m; ++i) triB[k++] = cur[static_cast<std::size_t>(i)];
            }
            if (sizeA == 3) {
                Add(idA, cur[static_cast<std::size_t>(a + 1)], idB);
                if (sizeB == 3) {
                    Add(triB[0], triB[1], triB[2]);
                    return;
                }
                Kill(cur[static_cast<std::size_t>(a + 1)]); // on with part B
                cur.erase(cur.begin() + a + 1);
            } else {
                Add(triB[0], triB[1], triB[2]);
                for (int i = b + 1; i < m; ++i) Kill(cur[static_cast<std::size_t>(i)]); // on with part A
                for (int i = 0; i < a; ++i) Kill(cur[static_cast<std::size_t>(i)]);
                cur.erase(cur.begin() + b + 1, cur.end());
                cur.erase(cur.begin(), cur.begin() + a);
            }
        }
    }

    int n_;
    const double* X_;
    const double* Y_;
    bool indexed_;
    std::vector<std::array<ContourPoint, 3>>& out_;
    std::vector<int> alive_;
    int stamp_ = 0;
};

void Triangulate(int n, const double* X, const double* Y, bool indexed, std::vector<std::array<ContourPoint, 3>>& out) {
    if (n < 3) return; // no triangle can be formed
    if (n < 4) {
        out.push_back({ContourPoint{X[0], Y[0]}, ContourPoint{X[1], Y[1]}, ContourPoint{X[2], Y[2]}});
        return;
    }
    // The ordered look-up needs comparable coordinates; anything else takes the plain scan.
    for (int i = 0; i < n && indexed; ++i)
        if (!std::isfinite(X[i]) || !std::isfinite(Y[i])) indexed = false;
    Triangulator(n, X, Y, indexed, out).Run();
}
} // namespace

void TriangulateContour(int n, const double* X, const double* Y, std::vector<std::array<ContourPoint, 3>>& out) {
    Triangulate(n, X, Y, true, out);
}

namespace detail {
void TriangulateContourPlain(int n, const double* X, const double* Y, std::vector<std::array<ContourPoint, 3>>& out) {
    Triangulate(n, X, Y, false, out);
}
} // namespace detail

void MatchCornerIndices(ContourPolygon& poly) {
    const int n = poly.Count();
    poly.triangles.assign(poly.corners.size(), ContourTriangle{});
    if (n == 0) return;
    // Points by X, so each corner looks only at its neighbours on that axis;
    // the rule stays "the last point within 0.01 on both axes".
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j)
        if (!std::isnan(poly.X[static_cast<std::size_t>(j)])) order.push_back(j);
    std::sort(order.begin(), order.end(), [&](int p, int q) {
        const double xp = poly.X[static_cast<std::size_t>(p)], xq = poly.X[static_cast<std::size_t>(q)];
        return xp < xq || (xp == xq && p < q);
    });
    auto find = [&](const ContourPoint& c) {
        int found = 0;
        int bestJ = -1;
        auto lo = std::lower_bound(order.begin(), order.end(), c.x - 0.02,
                                   [&](int j, double v) { return poly.X[static_cast<std::size_t>(j)] < v; });
        for (auto it = lo; it != order.end(); ++it) {
            const int j = *it;
            const double x = poly.X[static_cast<std::size_t>(j)];
            if (x > c.x + 0.02) break;
            if (NearlyEqual(0.01, x, c.x) && NearlyEqual(0.01, poly.Y[static_cast<std::size_t>(j)], c.y) && j > bestJ)
                bestJ = j;
        }
        if (bestJ >= 0) found = bestJ;
        return found;
    };
    for (std::size_t k = 0; k < poly.corners.size(); ++k) {
        poly.triangles[k].a = find(poly.corners[k][0]);
        poly.triangles[k].b = find(poly.corners[k][1]);
        poly.triangles[k].c = find(poly.corners[k][2]);
    }
}

void SetRectangleContour(ContourPolygon& poly, double x1, double y1, double x2, double y2) {
    poly.X.assign({x1, x1, x2, x2});
    poly.Y.assign({y1, y2, y2, y1});
    poly.triangles.assign({ContourTriangle{0, 1, 3}, ContourTriangle{1, 2, 3}});
}

// ---------------------------------------------------------------- cache

ContourCache::ContourCache() : ContourCache(ContourTraceOptions{}) {}

ContourCache::ContourCache(ContourTraceOptions options)
    : tracer_(options), loader_([](const std::string& p, QImage& img) { return LoadPicture(p, img); }) {}

const ContourPolygon* ContourCache::Lookup(const std::string& file, bool mirror, int rotation, bool triangulate) {
    struct stat st {};
    if (file.empty() || ::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
    const long long stamp = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    const long long size = static_cast<long long>(st.st_size);

    FileEntry& e = files_[file];
    if (e.size != size || e.stamp != stamp) {
        e = FileEntry{};
        e.stamp = stamp;
        e.size = size;
        ++traces_;
        QImage img;
        const PictureResult r = loader_(file, img);
        if (!r.ok) {
            messages_.push_back({MsgKind::Error, r.error.empty() ? IoErrorText(2) : r.error});
        } else {
            ContourPolygon traced;
            if (auto msg = tracer_.Trace(img, file, traced)) messages_.push_back(*msg);
            e.X = std::move(traced.X);
            e.Y = std::move(traced.Y);
        }
    }

    const int r = ((rotation % 4) + 4) % 4;
    Variant& v = e.variants[(mirror ? 4 : 0) + r];
    if (!v.built) {
        v.built = true;
        v.poly.X = e.X;
        v.poly.Y = e.Y;
        MirrorAndTurnContour(v.poly.X, v.poly.Y, mirror, r);
        v.triangulated = false;
    }
    if (triangulate && !v.triangulated) {
        v.poly.corners.clear();
        if (v.poly.Count() >= 3) {
            TriangulateContour(v.poly.Count(), v.poly.X.data(), v.poly.Y.data(), v.poly.corners);
            MatchCornerIndices(v.poly);
        } else {
            v.poly.triangles.clear();
        }
        v.triangulated = true;
    }
    return &v.poly;
}

std::vector<ContourMessage> ContourCache::TakeMessages() {
    std::vector<ContourMessage> out;
    out.swap(messages_);
    return out;
}

void ContourCache::ShowMessages() {
    for (const auto& m : TakeMessages()) ShowMessage(m.kind, m.text);
}

bool BuildContourModel(const Furniture& f, int piece, bool triangulate, double x1, double y1, double x2, double y2,
                       ContourCache& cache, ContourPolygon& out) {
    out.Clear();
    if (!f.scene.ValidPiece(piece)) return false;
    const std::string& file = f.attrs.modelFile[static_cast<std::size_t>(piece)];
    const ContourPolygon* shape = cache.Lookup(file, f.attrs.modelMirror[static_cast<std::size_t>(piece)] == 1,
                                               f.attrs.modelRotation[static_cast<std::size_t>(piece)], triangulate);
    if (!shape) return false;
    out.X = shape->X;
    out.Y = shape->Y;
    const bool usable = out.Count() >= 3;
    if (triangulate && usable) {
        out.triangles = shape->triangles;
        out.corners = shape->corners;
    }
    FitContourToRect(out.X, out.Y, x1, y1, x2, y2);
    return usable;
}

// ---------------------------------------------------------------- new models

std::string NextContourModelName(const std::string& startupFolder) {
    std::string base = startupFolder;
    if (!base.empty() && base.back() != '/') base += '/';
    for (long n = 1;; ++n) {
        std::string name = base + "Model" + std::to_string(n) + ".bmp";
        std::error_code ec;
        if (!std::filesystem::exists(name, ec) && !ec) return name;
        if (n >= 1000000) return name; // a folder this full is not worth scanning further
    }
}

QImage MakeContourModelPicture(double length, double width) {
    double a = std::isfinite(length) ? length / 3 : 0;
    double b = std::isfinite(width) ? width / 3 : 0;
    // A piece too long for the drawing is shrunk whole, so the outline keeps its shape.
    const double longest = std::max(a, b);
    if (longest > kMaxModelSide) {
        const double k = kMaxModelSide / longest;
        a *= k;
        b *= k;
    }
    const int w = std::clamp(RoundEven(a), 1, kMaxModelSide);
    const int h = std::clamp(RoundEven(b), 1, kMaxModelSide);
    Canvas c(w + 50, h + 50);
    c.Clear(0xFFFFFF);
    c.penColor = 0;
    c.penStyle = PenStyle::Solid;
    c.penWidth = 1;
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(0xFFFFFF);
    c.Rectangle(25, 25, w + 25, h + 25);
    return c.Image();
}

NewContourModelResult NewContourModel(const Furniture& f, const std::string& startupFolder) {
    NewContourModelResult res;
    const Scene3D& s = f.scene;
    if (!s.ValidPiece(s.current)) return res; // no piece, no model
    const int v = s.PieceFirstPoint(s.current);
    if (v < 0 || v + 10 >= Scene3D::kPointSlots) return res;
    double dx = s.X[v + 1] - s.X[v];
    double dy = s.Y[v + 2] - s.Y[v + 1];
    double dz = s.Z[v + 10] - s.Z[v + 9];
    SortDimensions(dx, dy, dz);
    const std::string name = NextContourModelName(startupFolder);
    res.fileName = name;
    if (TextLength(name) > kMaxFileName) {
        res.error = IoErrorText(3);
        return res;
    }
    const PictureResult saved = SaveBmp(name, MakeContourModelPicture(dx, dy));
    if (!saved.ok) {
        res.error = saved.error.empty() ? IoErrorText(5) : saved.error;
        return res;
    }
    res.ok = true;
    return res;
}

// ---------------------------------------------------------------- drawing programs

std::vector<std::string> ContourEditorArguments(ContourEditor editor, const std::string& modelFile) {
    if (editor == ContourEditor::Trasalin) return {modelFile, "3"};
    return {modelFile};
}

void RunContourEditor(ContourEditor editor, Furniture& f, bool furnitureOpen, const std::string& startupFolder,
                      const ContourEditorHooks& hooks) {
    const OuterProgram program = editor == ContourEditor::Trasalin ? OuterProgram::Trasalin : OuterProgram::Paint;
    const char* notFound = editor == ContourEditor::Trasalin ? kTrasalinNotFound : kPaintNotFound;
    ShowInfo(kContourInstructions);

    const int c = f.scene.current;
    if (!furnitureOpen || !f.scene.ValidPiece(c)) {
        // Nothing to draw for: the program opens on its own.
        if (StartFailed(StartOuterProgram(program, {}))) ShowError(notFound);
        return;
    }

    std::string file = f.attrs.modelFile[static_cast<std::size_t>(c)];
    bool created = false;
    std::error_code ec;
    if (file.empty() || !std::filesystem::is_regular_file(file, ec)) {
        const NewContourModelResult made = NewContourModel(f, startupFolder);
        if (!made.ok) {
            if (!made.error.empty()) ShowError(made.error);
            return;
        }
        file = made.fileName;
        // The new drawing is of the face across the thinnest side: the model
        // goes there, unturned, as for a piece that never had one (a file
        // that is gone leaves no model behind).
        f.attrs.modelFile[static_cast<std::size_t>(c)].clear();
        SetPieceModelFile(f, c, file);
        f.modified = true; // the piece's model is part of the saved furniture
        created = true;
    }

    if (hooks.stopTimers) hooks.stopTimers();
    if (!StartFailed(StartOuterProgram(program, ContourEditorArguments(editor, file))))
        ShowInfo(kContourEditDone);
    else
        ShowError(notFound);
    if (hooks.restartTimers) hooks.restartTimers();
    if (created && hooks.modelAssigned) hooks.modelAssigned();
}

} // namespace zv
