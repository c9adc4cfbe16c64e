#include "core/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

namespace trasalin {

Path LinePixels(Pixel a, Pixel b) {
    Path out;
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    Pixel p = a;
    out.reserve(static_cast<std::size_t>(std::max(dx, -dy)) + 1);
    for (;;) {
        out.push_back(p);
        if (p == b) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.y += sy;
        }
    }
    return out;
}

namespace {

void AppendRun(Path& out, const Path& run) {
    for (const Pixel& p : run)
        if (out.empty() || out.back() != p) out.push_back(p);
}

// Removes the pixel between two neighbours that touch, until none is left.
// Open paths keep both ends; a closed loop of four or fewer stays as it is.
bool ThinOnce(Path& path, bool closed, const std::set<Pixel>& keep) {
    const std::size_t n = path.size();
    if (n < 3 || (closed && n <= 4)) return false;
    Path out;
    out.reserve(n);
    bool changed = false;
    for (std::size_t i = 0; i < n; ++i) {
        const bool end = i == 0 || i + 1 == n;
        if ((end && !closed) || keep.count(path[i])) {
            out.push_back(path[i]);
            continue;
        }
        const Pixel prev = out.empty() ? path[n - 1] : out.back();
        const Pixel next = path[(i + 1) % n];
        if (Touching(prev, next)) {
            changed = true;
            continue;
        }
        out.push_back(path[i]);
    }
    path.swap(out);
    return changed;
}

// Nearest pixel to a centre plus an offset, rounded the same way on both sides
// of the centre: the centre is a whole or a half pixel.
int RoundFromCentre(double centre2, double offset) {
    // centre2 is twice the centre, a whole number.
    const bool half = static_cast<long long>(std::llround(centre2)) % 2 != 0;
    const double m = std::fabs(offset);
    const double mag = half ? std::floor(m) + 0.5 : std::floor(m + 0.5);
    const double v = centre2 / 2.0 + (offset < 0 ? -mag : mag);
    return static_cast<int>(std::lround(v));
}

// A quarter of an ellipse with centre (c2x/2, c2y/2), from the point on the x
// axis to the point on the y axis, in the quadrant of the signs sx, sy; thin.
Path QuarterEllipse(int c2x, int c2y, double rx, double ry, int sx, int sy) {
    const int steps = static_cast<int>(std::ceil((rx + ry) * 2.0)) + 8;
    std::vector<Pixel> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = (std::numbers::pi / 2) * i / steps;
        const double ox = i == steps ? 0.0 : rx * std::cos(t);
        const double oy = i == 0 ? 0.0 : ry * std::sin(t);
        points.push_back({RoundFromCentre(c2x, sx * ox), RoundFromCentre(c2y, sy * oy)});
    }
    Path q = ConnectPoints(points, false);
    ThinPath(q, false);
    return q;
}

} // namespace

Path ConnectPoints(const std::vector<Pixel>& points, bool closed) {
    Path out;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (out.empty())
            out.push_back(points[i]);
        else
            AppendRun(out, LinePixels(out.back(), points[i]));
    }
    if (closed && out.size() > 1) {
        AppendRun(out, LinePixels(out.back(), out.front()));
        if (out.size() > 1 && out.back() == out.front()) out.pop_back();
    }
    return out;
}

void ThinPath(Path& path, bool closed) { ThinPath(path, closed, {}); }

void ThinPath(Path& path, bool closed, const std::set<Pixel>& keep) {
    Path dedup;
    dedup.reserve(path.size());
    for (const Pixel& p : path)
        if (dedup.empty() || dedup.back() != p) dedup.push_back(p);
    if (closed)
        while (dedup.size() > 1 && dedup.back() == dedup.front()) dedup.pop_back();
    path.swap(dedup);
    while (ThinOnce(path, closed, keep)) {
    }
}

Path PolylinePixels(const std::vector<Pixel>& vertices, bool closed) {
    closed = closed && vertices.size() > 2;
    // A corner of 90 degrees or more keeps its pixel; at a sharper one the
    // two sides run side by side near the tip, and the tracer would cut
    // across them, so there the path is thinned like a curve.
    std::set<Pixel> keep;
    const std::size_t n = vertices.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (!closed && (i == 0 || i + 1 == n)) continue;
        const Pixel a = vertices[(i + n - 1) % n], v = vertices[i], b = vertices[(i + 1) % n];
        const long long dot = static_cast<long long>(a.x - v.x) * (b.x - v.x) +
                              static_cast<long long>(a.y - v.y) * (b.y - v.y);
        if (dot <= 0) keep.insert(v);
    }
    Path out = ConnectPoints(vertices, closed);
    ThinPath(out, closed, keep);
    return out;
}

Path EllipsePixels(Pixel c1, Pixel c2) {
    const int x0 = std::min(c1.x, c2.x), x1 = std::max(c1.x, c2.x);
    const int y0 = std::min(c1.y, c2.y), y1 = std::max(c1.y, c2.y);
    if (x0 == x1 || y0 == y1) return LinePixels({x0, y0}, {x1, y1});
    const int c2x = x0 + x1, c2y = y0 + y1;
    const double rx = (x1 - x0) / 2.0, ry = (y1 - y0) / 2.0;
    // Each quarter is thinned on its own and mirrored, so the shape stays
    // symmetric; they follow one another round the loop.
    const Path q1 = QuarterEllipse(c2x, c2y, rx, ry, 1, 1); // right to bottom
    Path loop = q1;
    auto mirror = [&](bool mx, bool my, bool reverse) {
        Path q;
        q.reserve(q1.size());
        for (const Pixel& p : q1) q.push_back({mx ? c2x - p.x : p.x, my ? c2y - p.y : p.y});
        if (reverse) std::reverse(q.begin(), q.end());
        AppendRun(loop, ConnectPoints(q, false));
    };
    mirror(true, false, true); // bottom to left
    mirror(true, true, false); // left to top
    mirror(false, true, true); // top to right
    while (loop.size() > 1 && loop.back() == loop.front()) loop.pop_back();
    return loop;
}

Path ArcPixels(Pixel p1, Pixel p2, Pixel p3) {
    const double ax = p1.x, ay = p1.y, bx = p2.x, by = p2.y, cx = p3.x, cy = p3.y;
    const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
    if (d == 0 || p1 == p3) return PolylinePixels({p1, p2, p3}, false);
    const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    const double ux = (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d;
    const double uy = (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d;
    const double r = std::hypot(ax - ux, ay - uy);
    const double t1 = std::atan2(ay - uy, ax - ux);
    double t2 = std::atan2(by - uy, bx - ux), t3 = std::atan2(cy - uy, cx - ux);
    // Go from t1 towards t3 the way that passes t2.
    const double full = 2 * std::numbers::pi;
    auto ahead = [&](double t) { return std::fmod(std::fmod(t - t1, full) + full, full); };
    double sweep = ahead(t3);
    if (ahead(t2) > sweep) sweep -= full;
    const int steps = std::max(8, static_cast<int>(std::ceil(std::fabs(sweep) * r * 2.0)));
    std::vector<Pixel> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    points.push_back(p1);
    for (int i = 1; i < steps; ++i) {
        const double t = t1 + sweep * i / steps;
        points.push_back({static_cast<int>(std::floor(ux + r * std::cos(t) + 0.5)),
                          static_cast<int>(std::floor(uy + r * std::sin(t) + 0.5))});
    }
    points.push_back(p3);
    Path out = ConnectPoints(points, false);
    ThinPath(out, false);
    return out;
}

Path RoundRectPixels(Pixel c1, Pixel c2, int radius) {
    const int x0 = std::min(c1.x, c2.x), x1 = std::max(c1.x, c2.x);
    const int y0 = std::min(c1.y, c2.y), y1 = std::max(c1.y, c2.y);
    const int r = std::clamp(radius, 0, std::min(x1 - x0, y1 - y0) / 2);
    if (x0 == x1 || y0 == y1) return LinePixels({x0, y0}, {x1, y1});
    if (r == 0) return PolylinePixels({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, true);
    // One quarter circle, turned round the four corners; the straight sides
    // are the runs that join them.
    const Path q = QuarterEllipse(0, 0, r, r, 1, 1); // offsets from (r, 0) to (0, r)
    std::vector<Pixel> points;
    auto corner = [&](int ox, int oy, int sx, int sy, bool reverse) {
        Path c;
        for (const Pixel& p : q) c.push_back({ox + sx * p.x, oy + sy * p.y});
        if (reverse) std::reverse(c.begin(), c.end());
        points.insert(points.end(), c.begin(), c.end());
    };
    corner(x1 - r, y1 - r, 1, 1, false);   // bottom right: right side to bottom side
    corner(x0 + r, y1 - r, -1, 1, true);   // bottom left
    corner(x0 + r, y0 + r, -1, -1, false); // top left
    corner(x1 - r, y0 + r, 1, -1, true);   // top right
    Path loop = ConnectPoints(points, true);
    ThinPath(loop, true);
    return loop;
}

Path FreehandPixels(const std::vector<Pixel>& points) {
    Path out = ConnectPoints(points, false);
    ThinPath(out, false);
    return out;
}

Path EraserPixels(const std::vector<Pixel>& points, int size) {
    const int s = std::max(size, 1);
    const Path stroke = ConnectPoints(points, false);
    std::set<Pixel> seen;
    Path out;
    for (const Pixel& c : stroke) {
        const int left = c.x - s / 2, top = c.y - s / 2;
        for (int y = top; y < top + s; ++y)
            for (int x = left; x < left + s; ++x)
                if (seen.insert({x, y}).second) out.push_back({x, y});
    }
    return out;
}

Pixel SnapToGrid(Pixel p, int step) {
    if (step < 2) return p;
    auto snap = [step](int v) { return static_cast<int>(std::floor(static_cast<double>(v) / step + 0.5)) * step; };
    return {snap(p.x), snap(p.y)};
}

} // namespace trasalin
