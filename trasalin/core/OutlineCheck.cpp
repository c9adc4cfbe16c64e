#include "core/OutlineCheck.h"

#include "render/Contour.h"

#include <array>
#include <set>

namespace trasalin {

namespace {

std::string At(Pixel p) { return "x = " + std::to_string(p.x) + ", y = " + std::to_string(p.y); }

constexpr std::array<Pixel, 8> kAround{{{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}}};
constexpr std::array<Pixel, 4> kSides{{{1, 0}, {0, -1}, {-1, 0}, {0, 1}}};

int InkAround(const Bitmap& b, Pixel p) {
    int n = 0;
    for (const Pixel d : kAround) n += b.Ink(p.x + d.x, p.y + d.y) ? 1 : 0;
    return n;
}

// Labels on a grid one pixel larger on every side than the picture, so that
// label 0 is everything outside an outline, however it touches the border.
class Regions {
public:
    explicit Regions(const Bitmap& b) : b_(b), w_(b.Width() + 2), h_(b.Height() + 2) {
        label_.assign(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_), -1);
        std::vector<int> stack;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                if (Ink(x, y) || label_[Idx(x, y)] >= 0) continue;
                label_[Idx(x, y)] = count_;
                stack.push_back(Idx(x, y));
                while (!stack.empty()) {
                    const int i = stack.back();
                    stack.pop_back();
                    const int cx = i % w_, cy = i / w_;
                    for (const Pixel d : kSides) {
                        const int nx = cx + d.x, ny = cy + d.y;
                        if (nx < 0 || ny < 0 || nx >= w_ || ny >= h_ || Ink(nx, ny) || label_[Idx(nx, ny)] >= 0)
                            continue;
                        label_[Idx(nx, ny)] = count_;
                        stack.push_back(Idx(nx, ny));
                    }
                }
                ++count_;
            }
    }
    int Count() const { return count_; }
    // The background regions next to a picture pixel, diagonals included.
    std::set<int> Around(Pixel p) const {
        std::set<int> s;
        for (const Pixel d : kAround) {
            const int l = label_[Idx(p.x + d.x + 1, p.y + d.y + 1)];
            if (l >= 0) s.insert(l);
        }
        return s;
    }

private:
    bool Ink(int gx, int gy) const { return b_.Ink(gx - 1, gy - 1); }
    int Idx(int gx, int gy) const { return gy * w_ + gx; }
    const Bitmap& b_;
    int w_, h_;
    std::vector<int> label_;
    int count_ = 0;
};

// The ink pixels joined to p, diagonals included.
std::vector<std::uint8_t> PieceOf(const Bitmap& b, Pixel start) {
    std::vector<std::uint8_t> mark(static_cast<std::size_t>(b.Width()) * static_cast<std::size_t>(b.Height()), 0);
    std::vector<Pixel> stack{start};
    mark[b.Index(start.x, start.y)] = 1;
    while (!stack.empty()) {
        const Pixel p = stack.back();
        stack.pop_back();
        for (const Pixel d : kAround) {
            const Pixel q{p.x + d.x, p.y + d.y};
            if (!b.Ink(q) || mark[b.Index(q.x, q.y)]) continue;
            mark[b.Index(q.x, q.y)] = 1;
            stack.push_back(q);
        }
    }
    return mark;
}

// The walk of the designer's tracer: from its start pixel round the line
// until it can go no further. With `back`, the walk then goes from the start
// the other way, to find the second end of an open line.
struct Walk {
    Path path;
    bool found = false;
    std::optional<Pixel> otherEnd;
};

Walk TraceLikeTheDesigner(const Bitmap& b, bool back) {
    Walk w;
    zv::ContourTracer t;
    t.Begin(b.ToImage());
    t.state.direction = 0;
    if (!t.FindContourStart()) return w;
    w.found = true;
    const Pixel start{t.state.cursorX, t.state.cursorY};
    // One more than the designer takes, so that too long an outline shows.
    const std::size_t limit = static_cast<std::size_t>(zv::kContourMaxPoints) + 1;
    for (;;) {
        w.path.push_back({t.state.cursorX, t.state.cursorY});
        t.MarkVisited(t.state.cursorX, t.state.cursorY);
        if (!t.ContourStep() || w.path.size() >= limit) break;
    }
    if (back) {
        t.state.cursorX = start.x;
        t.state.cursorY = start.y;
        t.state.direction = 4;
        Pixel last = start;
        for (std::size_t n = 0; n < limit && t.ContourStep(); ++n) {
            last = {t.state.cursorX, t.state.cursorY};
            t.MarkVisited(last.x, last.y);
        }
        if (last != start) w.otherEnd = last;
    }
    return w;
}

} // namespace

std::string OutlineReport::Text() const {
    switch (fault) {
    case OutlineFault::None: return "Conturul este inchis si are grosimea de un punct.";
    case OutlineFault::Empty: return "Desenul nu are nici un contur.";
    case OutlineFault::Several: return "Desenul are mai multe contururi: al doilea incepe la " + At(where) + ".";
    case OutlineFault::Open:
        if (hasOther) return "Conturul nu este inchis: linia se termina la " + At(where) + " si la " + At(other) + ".";
        return "Conturul nu este inchis: linia se termina la " + At(where) + ".";
    case OutlineFault::FreeEnd: return "Din contur iese o linie care se termina la " + At(where) + ".";
    case OutlineFault::Touches: return "Conturul se atinge sau se intretaie cu el insusi la " + At(where) + ".";
    case OutlineFault::Thick: return "Conturul este mai gros de un punct la " + At(where) + ".";
    case OutlineFault::TooLong:
        return "Conturul are prea multe puncte (cel mult " + std::to_string(zv::kContourMaxPoints - 1) + "); punctul " +
               std::to_string(zv::kContourMaxPoints) + " este la " + At(where) + ".";
    case OutlineFault::Untraceable:
        return "Conturul nu poate fi urmarit pana la capat: urmarirea se opreste la " + At(where) +
               " (stergeti punctele de prisos din jur).";
    }
    return {};
}

OutlineReport CheckOutline(const Bitmap& b) {
    OutlineReport r;
    const Walk walk = TraceLikeTheDesigner(b, false);
    if (!walk.found) {
        r.fault = OutlineFault::Empty;
        // Ink only in the last row, where the designer never starts a trace.
        for (int x = 0; x < b.Width() && r.fault == OutlineFault::Empty; ++x)
            if (b.Ink(x, b.Height() - 1)) {
                r.fault = OutlineFault::Untraceable;
                r.where = {x, b.Height() - 1};
            }
        return r;
    }
    const Path& path = walk.path;
    r.points = static_cast<int>(path.size());

    // Anything not joined to the line the designer traces is a second outline.
    const std::vector<std::uint8_t> piece = PieceOf(b, path.front());
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Ink(x, y) && !piece[b.Index(x, y)]) {
                r.fault = OutlineFault::Several;
                r.where = {x, y};
                return r;
            }

    const Regions regions(b);
    if (regions.Count() < 2) {
        // Nothing enclosed: the walk ran from its start to one end; the other
        // end is found by walking from the start the other way.
        const Walk both = TraceLikeTheDesigner(b, true);
        r.fault = OutlineFault::Open;
        r.where = both.path.back();
        if (both.otherEnd && *both.otherEnd != r.where) {
            r.other = *both.otherEnd;
            r.hasOther = true;
        }
        return r;
    }
    auto firstInk = [&](auto&& pred) -> std::optional<Pixel> {
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                if (b.Ink(x, y) && pred(Pixel{x, y})) return Pixel{x, y};
        return std::nullopt;
    };
    if (auto p = firstInk([&](Pixel q) { return InkAround(b, q) <= 1; })) {
        r.fault = OutlineFault::FreeEnd;
        r.where = *p;
        return r;
    }
    if (regions.Count() > 2) {
        auto p = firstInk([&](Pixel q) { return regions.Around(q).size() >= 3; });
        if (!p) p = firstInk([&](Pixel q) { return regions.Around(q).count(2) > 0; });
        r.fault = OutlineFault::Touches;
        r.where = p.value_or(path.front());
        return r;
    }
    // Thick: a square of four, or a pixel crowded by the line on one side
    // only (a corner tip has two neighbours and is fine).
    auto square = [&](Pixel q) { return b.Ink(q.x + 1, q.y) && b.Ink(q.x, q.y + 1) && b.Ink(q.x + 1, q.y + 1); };
    auto crowded = [&](Pixel q) { return InkAround(b, q) >= 3 && regions.Around(q).size() < 2; };
    if (auto p = firstInk(square)) {
        r.fault = OutlineFault::Thick;
        r.where = *p;
        return r;
    }
    if (auto p = firstInk(crowded)) {
        r.fault = OutlineFault::Thick;
        r.where = *p;
        return r;
    }
    if (path.size() >= static_cast<std::size_t>(zv::kContourMaxPoints)) {
        r.fault = OutlineFault::TooLong;
        r.where = path[static_cast<std::size_t>(zv::kContourMaxPoints) - 1];
        return r;
    }
    // The walk must come back beside its start, and leave behind only the
    // inner corners of stairs (a pixel beside two successive steps).
    if (path.size() < 4 || !Touching(path.back(), path.front())) {
        r.fault = OutlineFault::Untraceable;
        r.where = path.back();
        return r;
    }
    // A pixel the walk passed by (the inner corner of a stair, the very tip
    // of a sharp corner) costs the outline nothing; one it never came near
    // is a part of the drawing the designer would not see.
    std::vector<std::uint8_t> walked(static_cast<std::size_t>(b.Width()) * static_cast<std::size_t>(b.Height()), 0);
    for (const Pixel& p : path) walked[b.Index(p.x, p.y)] = 1;
    auto besideWalk = [&](Pixel q) {
        if (walked[b.Index(q.x, q.y)]) return true;
        for (const Pixel d : kAround) {
            const Pixel s{q.x + d.x, q.y + d.y};
            if (b.Contains(s) && walked[b.Index(s.x, s.y)]) return true;
        }
        return false;
    };
    if (auto p = firstInk([&](Pixel q) { return !besideWalk(q); })) {
        r.fault = OutlineFault::Untraceable;
        r.where = *p;
        return r;
    }
    return r;
}

} // namespace trasalin
