#include "Checker.h"

#include <algorithm>
#include <cmath>

namespace rz {

namespace {

constexpr double kEps = 1e-6;

struct Box {
    double x0, y0, x1, y1;
};

// Whether the boxes can be separated by one cut across the whole region, then
// each side again, down to single boxes. The cut is `kerf` wide: the boxes on
// one side end at or before it, those on the other begin after it.
bool Guillotine(std::vector<Box> boxes, double kerf) {
    if (boxes.size() <= 1) return true;
    for (int axis = 0; axis < 2; ++axis) {
        auto lo = [axis](const Box& b) { return axis == 0 ? b.x0 : b.y0; };
        auto hi = [axis](const Box& b) { return axis == 0 ? b.x1 : b.y1; };
        std::sort(boxes.begin(), boxes.end(), [&](const Box& a, const Box& b) { return lo(a) < lo(b); });
        double reach = hi(boxes[0]);
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            if (lo(boxes[i]) >= reach + kerf - kEps) {
                const std::vector<Box> first(boxes.begin(), boxes.begin() + static_cast<std::ptrdiff_t>(i));
                const std::vector<Box> second(boxes.begin() + static_cast<std::ptrdiff_t>(i), boxes.end());
                return Guillotine(first, kerf) && Guillotine(second, kerf);
            }
            reach = std::max(reach, hi(boxes[i]));
        }
    }
    return false;
}

std::string Num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

} // namespace

std::string CheckLayout(const Layout& l, const std::vector<Piece>& pieces, const SheetSettings& s) {
    std::vector<int> seen(pieces.size(), 0);
    auto count = [&](int i) -> std::string {
        if (i < 0 || i >= static_cast<int>(pieces.size())) return "piece index " + std::to_string(i) + " out of range";
        ++seen[static_cast<std::size_t>(i)];
        return {};
    };
    for (int i : l.oversize) {
        if (auto e = count(i); !e.empty()) return e;
        if (FitsSheet(pieces[static_cast<std::size_t>(i)], s) || pieces[static_cast<std::size_t>(i)].TooSmall())
            return "piece " + std::to_string(i) + " fits but is listed as too large";
    }
    for (int i : l.tooSmall) {
        if (auto e = count(i); !e.empty()) return e;
        if (!pieces[static_cast<std::size_t>(i)].TooSmall())
            return "piece " + std::to_string(i) + " is listed as too small";
    }
    for (std::size_t k = 0; k < l.sheets.size(); ++k) {
        const auto& pl = l.sheets[k].placements;
        const std::string where = "sheet " + std::to_string(k + 1) + ": ";
        if (pl.empty()) return where + "no piece";
        std::vector<Box> boxes;
        for (const Placement& p : pl) {
            if (auto e = count(p.piece); !e.empty()) return where + e;
            const Piece& pc = pieces[static_cast<std::size_t>(p.piece)];
            const std::string what = where + "piece " + std::to_string(p.piece) + " ";
            if (!DirectionAllowed(pc, s, p.turned)) return what + "turned against the grain";
            const double l0 = p.turned ? pc.width : pc.length, w0 = p.turned ? pc.length : pc.width;
            if (std::abs(p.length - l0) > kEps || std::abs(p.width - w0) > kEps) return what + "placed in other sizes";
            if (p.x < s.trim - kEps || p.y < s.trim - kEps || p.x + p.length > s.length - s.trim + kEps ||
                p.y + p.width > s.width - s.trim + kEps)
                return what + "outside the usable sheet at " + Num(p.x) + ", " + Num(p.y);
            boxes.push_back(Box{p.x, p.y, p.x + p.length, p.y + p.width});
        }
        for (std::size_t a = 0; a < boxes.size(); ++a)
            for (std::size_t b = a + 1; b < boxes.size(); ++b) {
                const Box& p = boxes[a];
                const Box& q = boxes[b];
                if (p.x0 < q.x1 - kEps && q.x0 < p.x1 - kEps && p.y0 < q.y1 - kEps && q.y0 < p.y1 - kEps)
                    return where + "pieces " + std::to_string(pl[a].piece) + " and " + std::to_string(pl[b].piece) +
                           " overlap";
            }
        if (!Guillotine(boxes, s.kerf)) return where + "not cut by straight full-length cuts keeping the kerf";
    }
    for (std::size_t i = 0; i < seen.size(); ++i)
        if (seen[i] != 1)
            return "piece " + std::to_string(i) + (seen[i] ? " placed more than once" : " missing from the layout");
    return {};
}

} // namespace rz
