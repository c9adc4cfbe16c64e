#include "Packer.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <numeric>
#include <random>
#include <tuple>
#include <utility>

namespace rz {

namespace {

constexpr double kEps = 1e-6;

// Which free part takes the next piece.
enum class Fit { Area, ShortSide, LongSide };
// Which of the two cuts that free a piece from its part comes first.
enum class Split { ShorterLeftover, LongerLeftover, MinArea, MaxArea, AcrossLength, AlongLength };

struct Rule {
    Fit fit;
    Split split;
    bool firstSheetFirst; // fill the sheets in turn rather than the best part anywhere
};

// A part of a sheet: a piece, a free part, or divided by one cut into two.
struct Node {
    Rect r;
    int a = -1, b = -1; // the two parts of a divided one (b may be -1: a sliver under the kerf)
    Cut cut;
    bool divided = false;
    int placement = -1;
    bool free = false;
};

struct SheetWork {
    std::vector<Node> nodes;
    std::vector<Placement> placements;
};

struct FreeRef {
    int sheet;
    int node;
    Rect r; // a copy, close at hand for the search
};

struct Score {
    int sheets = 0;
    double fill = 0; // sum of the squared fills of the sheets: the waste gathered on the last ones
    double kept = 0; // sum of the squared areas of the kept offcuts: one large rest beats two halves
    int cuts = 0;
    bool operator<(const Score& o) const {
        if (sheets != o.sheets) return sheets < o.sheets;
        if (fill != o.fill) return fill > o.fill;
        if (kept != o.kept) return kept > o.kept;
        return cuts < o.cuts;
    }
};

class Builder {
public:
    Builder(const std::vector<Piece>& pieces, const std::vector<int>& fit, const SheetSettings& s, const Rule& rule)
        : pieces_(pieces), s_(s), rule_(rule) {
        // A part narrower than every piece stays a leftover without being
        // searched again.
        for (int i : fit) {
            const Piece& p = pieces[static_cast<std::size_t>(i)];
            const double a = s.allowTurn ? std::min(p.length, p.width) : p.length;
            const double b = s.allowTurn ? std::min(p.length, p.width) : p.width;
            minLength_ = std::min(minLength_, a);
            minWidth_ = std::min(minWidth_, b);
        }
    }

    void Add(int piece) {
        const Piece& p = pieces_[static_cast<std::size_t>(piece)];
        if (!Choose(p)) {
            NewSheet();
            if (!Choose(p)) return; // cannot happen for a piece that fits the sheet
        }
        Place(piece, best_.ref, best_.turned);
    }

    std::int64_t Work() const { return work_; }

    Layout Finish() const {
        Layout l;
        for (const SheetWork& w : sheets_) {
            SheetLayout out;
            out.placements = w.placements;
            AddTrimCuts(out.cuts);
            Walk(w, 0, out);
            l.sheets.push_back(std::move(out));
        }
        return l;
    }

private:
    struct Choice {
        FreeRef ref{-1, -1, {}};
        bool turned = false;
        std::tuple<int, double, double> key{};
        bool found = false;
    };

    void NewSheet() {
        SheetWork w;
        Node root;
        root.r = Rect{s_.trim, s_.trim, UsableLength(s_), UsableWidth(s_)};
        root.free = true;
        w.nodes.push_back(root);
        sheets_.push_back(std::move(w));
        free_.push_back(FreeRef{static_cast<int>(sheets_.size()) - 1, 0, root.r});
    }

    bool Choose(const Piece& p) {
        best_ = Choice{};
        work_ += static_cast<std::int64_t>(free_.size()) * (s_.allowTurn ? 2 : 1) + 1;
        for (const FreeRef& f : free_) {
            const Rect& r = f.r;
            for (int t = 0; t < (s_.allowTurn ? 2 : 1); ++t) {
                const double l = t ? p.width : p.length, w = t ? p.length : p.width;
                const double dl = r.length - l, dw = r.width - w;
                if (dl < -kEps || dw < -kEps) continue;
                double k1 = 0, k2 = 0;
                switch (rule_.fit) {
                case Fit::Area:
                    k1 = r.length * r.width - l * w;
                    k2 = std::min(dl, dw);
                    break;
                case Fit::ShortSide:
                    k1 = std::min(dl, dw);
                    k2 = std::max(dl, dw);
                    break;
                case Fit::LongSide:
                    k1 = std::max(dl, dw);
                    k2 = std::min(dl, dw);
                    break;
                }
                const std::tuple<int, double, double> key{rule_.firstSheetFirst ? f.sheet : 0, k1, k2};
                if (!best_.found || key < best_.key) best_ = Choice{f, t == 1, key, true};
            }
        }
        return best_.found;
    }

    bool AcrossFirst(const Rect& r, double l, double w) const {
        const double dl = r.length - l, dw = r.width - w;
        // Across first: the rest beside the piece keeps the part's whole width;
        // along first: the rest above it keeps the part's whole length.
        const double acrossBig = std::max(dl * r.width, l * dw), alongBig = std::max(r.length * dw, dl * w);
        switch (rule_.split) {
        case Split::ShorterLeftover: return dl > dw;
        case Split::LongerLeftover: return dl <= dw;
        case Split::MinArea: return acrossBig < alongBig;
        case Split::MaxArea: return acrossBig >= alongBig;
        case Split::AcrossLength: return true;
        case Split::AlongLength: return false;
        }
        return true;
    }

    // Divides node `n` by one cut; returns the part at the lower side. The
    // other part becomes free when it is wider than the kerf.
    int Divide(SheetWork& w, int sheet, int n, bool across, double size) {
        const Rect r = w.nodes[static_cast<std::size_t>(n)].r;
        // The cut's axis and the one it runs along.
        double Rect::*at = across ? &Rect::x : &Rect::y;
        double Rect::*size_ = across ? &Rect::length : &Rect::width;
        double Rect::*along = across ? &Rect::y : &Rect::x;
        double Rect::*span = across ? &Rect::width : &Rect::length;
        const double rest = r.*size_ - size;
        if (rest <= kEps) return n; // the piece reaches the part's edge: no cut
        Node lower, upper;
        lower.r = r;
        upper.r = r;
        lower.r.*size_ = size;
        upper.r.*at = r.*at + size + s_.kerf;
        upper.r.*size_ = rest - s_.kerf;
        Cut c;
        c.acrossLength = across;
        c.pos = r.*at + size;
        c.from = r.*along;
        c.to = r.*along + r.*span;
        const int li = static_cast<int>(w.nodes.size());
        w.nodes.push_back(lower);
        int ui = -1;
        if (upper.r.length > kEps && upper.r.width > kEps) {
            upper.free = true;
            ui = static_cast<int>(w.nodes.size());
            w.nodes.push_back(upper);
            if (upper.r.length >= minLength_ - kEps && upper.r.width >= minWidth_ - kEps)
                free_.push_back(FreeRef{sheet, ui, upper.r});
        }
        Node& d = w.nodes[static_cast<std::size_t>(n)];
        d.divided = true;
        d.cut = c;
        d.a = li;
        d.b = ui;
        return li;
    }

    void Place(int piece, FreeRef ref, bool turned) {
        const auto it = std::find_if(free_.begin(), free_.end(),
                                     [&](const FreeRef& f) { return f.sheet == ref.sheet && f.node == ref.node; });
        *it = free_.back();
        free_.pop_back();
        SheetWork& w = sheets_[static_cast<std::size_t>(ref.sheet)];
        w.nodes[static_cast<std::size_t>(ref.node)].free = false;
        const Piece& p = pieces_[static_cast<std::size_t>(piece)];
        const double l = turned ? p.width : p.length, wd = turned ? p.length : p.width;
        const bool across = AcrossFirst(w.nodes[static_cast<std::size_t>(ref.node)].r, l, wd);
        int n = Divide(w, ref.sheet, ref.node, across, across ? l : wd);
        n = Divide(w, ref.sheet, n, !across, across ? wd : l);
        Node& leaf = w.nodes[static_cast<std::size_t>(n)];
        leaf.free = false;
        leaf.placement = static_cast<int>(w.placements.size());
        w.placements.push_back(Placement{piece, leaf.r.x, leaf.r.y, l, wd, turned});
    }

    void AddTrimCuts(std::vector<Cut>& cuts) const {
        if (s_.trim <= kEps) return;
        const double t = s_.trim;
        cuts.push_back(Cut{false, t, 0, s_.length, true});
        cuts.push_back(Cut{false, s_.width - t, 0, s_.length, true});
        cuts.push_back(Cut{true, t, t, s_.width - t, true});
        cuts.push_back(Cut{true, s_.length - t, t, s_.width - t, true});
    }

    // The saw's order: a part's cut, then everything in its lower part, then
    // in its upper part.
    void Walk(const SheetWork& w, int n, SheetLayout& out) const {
        const Node& d = w.nodes[static_cast<std::size_t>(n)];
        if (d.divided) {
            out.cuts.push_back(d.cut);
            Walk(w, d.a, out);
            if (d.b >= 0) Walk(w, d.b, out);
        } else if (d.free) {
            out.leftover.push_back(d.r);
        }
    }

    const std::vector<Piece>& pieces_;
    const SheetSettings& s_;
    Rule rule_;
    std::vector<SheetWork> sheets_;
    std::vector<FreeRef> free_;
    Choice best_;
    double minLength_ = 1e300, minWidth_ = 1e300;
    std::int64_t work_ = 0;
};

Score Evaluate(const Layout& l, const SheetSettings& s) {
    Score sc;
    sc.sheets = static_cast<int>(l.sheets.size());
    const double usable = UsableLength(s) * UsableWidth(s);
    for (const SheetLayout& sh : l.sheets) {
        const double f = PlacedArea(sh) / usable;
        sc.fill += f * f;
        for (const Rect& r : KeptOffcuts(sh)) sc.kept += (r.length * r.width) * (r.length * r.width);
        sc.cuts += static_cast<int>(sh.cuts.size());
    }
    return sc;
}

std::vector<Rule> Rules() {
    std::vector<Rule> out;
    for (bool first : {false, true})
        for (Fit f : {Fit::Area, Fit::ShortSide, Fit::LongSide})
            for (Split sp : {Split::ShorterLeftover, Split::AlongLength, Split::AcrossLength, Split::MaxArea,
                             Split::MinArea, Split::LongerLeftover})
                out.push_back(Rule{f, sp, first});
    return out;
}

using Clock = std::chrono::steady_clock;

struct Search {
    const std::vector<Piece>& pieces; // each in the direction it starts from
    const std::vector<int>& fit;
    const SheetSettings& s;
    const PackOptions& o;
    Clock::time_point start;
    bool clockStopped = false;

    Layout best;
    Score bestScore;

    Layout Run() {
        auto P = [&](int i) -> const Piece& { return pieces[static_cast<std::size_t>(i)]; };
        auto longSide = [&](int i) { return s.allowTurn ? std::max(P(i).length, P(i).width) : P(i).length; };
        auto shortSide = [&](int i) { return s.allowTurn ? std::min(P(i).length, P(i).width) : P(i).width; };
        using Key = std::function<std::pair<double, double>(int)>;
        const std::vector<Key> keys = {
            [&](int i) {
                return std::pair{P(i).length * P(i).width, longSide(i)};
            },
            [&](int i) {
                return std::pair{longSide(i), shortSide(i)};
            },
            [&](int i) {
                return std::pair{P(i).length + P(i).width, longSide(i)};
            },
            [&](int i) {
                return std::pair{shortSide(i), longSide(i)};
            },
            [&](int i) {
                return std::pair{P(i).width, P(i).length};
            },
            [&](int i) {
                return std::pair{P(i).length, P(i).width};
            },
        };
        std::vector<std::vector<int>> orders;
        for (const Key& k : keys) {
            std::vector<int> ord = fit;
            std::stable_sort(ord.begin(), ord.end(), [&](int a, int b) { return k(a) > k(b); });
            orders.push_back(std::move(ord));
        }

        const int bound = AreaLowerBound(pieces, s);
        const std::vector<Rule> rules = Rules();
        std::vector<int> bestOrder = orders.front();
        Rule bestRule = rules.front();
        bool have = false;
        int attempts = 0;
        std::int64_t work = 0;
        auto tryOne = [&](const std::vector<int>& ord, const Rule& r) {
            ++attempts;
            Builder b(pieces, fit, s, r);
            for (int i : ord) b.Add(i);
            work += b.Work();
            Layout l = b.Finish();
            const Score sc = Evaluate(l, s);
            if (!have || sc < bestScore || !(bestScore < sc)) {
                const bool better = !have || sc < bestScore;
                best = std::move(l);
                bestScore = sc;
                bestOrder = ord;
                bestRule = r;
                have = true;
                return better;
            }
            return false;
        };
        auto done = [&] {
            if (attempts >= o.maxAttempts || work >= o.workBudget) return true;
            // Looked at now and then: the clock is the only thing here that
            // differs between machines.
            if (attempts % 8 == 0 && std::chrono::duration<double>(Clock::now() - start).count() >= o.clockLimitSeconds)
                clockStopped = true;
            return clockStopped;
        };

        // Every order with every rule, the likeliest first.
        for (const Rule& r : rules)
            for (const auto& ord : orders) {
                if (have && done()) break;
                tryOne(ord, r);
            }
        // Then small changes of the best order: two pieces swapped, or one
        // moved, until a long run brings nothing better. An equal layout is
        // taken too, so the search walks across a plateau.
        std::mt19937 rng(o.seed);
        int sinceBetter = 0;
        while (fit.size() > 1 && !done()) {
            const int patience = bestScore.sheets <= bound ? 200 : 3000;
            if (sinceBetter >= patience) break;
            std::vector<int> ord = bestOrder;
            const int changes = 1 + static_cast<int>(rng() % 3);
            for (int c = 0; c < changes; ++c) {
                const std::size_t a = rng() % ord.size(), b = rng() % ord.size();
                if (rng() % 2) {
                    std::swap(ord[a], ord[b]);
                } else {
                    const int v = ord[a];
                    ord.erase(ord.begin() + static_cast<std::ptrdiff_t>(a));
                    ord.insert(ord.begin() + static_cast<std::ptrdiff_t>(b), v);
                }
            }
            const Rule r = (rng() % 4 == 0) ? rules[rng() % rules.size()] : bestRule;
            sinceBetter = tryOne(ord, r) ? 0 : sinceBetter + 1;
        }
        return best;
    }
};

} // namespace

Layout Pack(const std::vector<Piece>& pieces, const SheetSettings& s, const PackOptions& o) {
    const auto start = Clock::now();
    std::vector<int> fit, oversize, tooSmall;
    for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
        const Piece& p = pieces[static_cast<std::size_t>(i)];
        (p.TooSmall() ? tooSmall : FitsSheet(p, s) ? fit : oversize).push_back(i);
    }
    // Each piece in the direction the grain gives it; the builder turns it
    // from there only where turning is allowed.
    std::vector<Piece> grain = pieces;
    for (Piece& p : grain)
        if (GrainTurned(p, s)) std::swap(p.length, p.width);
    auto search = [&](const SheetSettings& with, Layout& out) {
        Search run{with.allowTurn ? pieces : grain, fit, with, o, start, false, {}, {}};
        out = run.Run();
        for (SheetLayout& sh : out.sheets)
            for (Placement& pl : sh.placements)
                if (!with.allowTurn && GrainTurned(pieces[static_cast<std::size_t>(pl.piece)], s))
                    pl.turned = !pl.turned;
        return std::pair{run.bestScore, run.clockStopped};
    };
    // The layout without turning, when it can hold every piece, is a
    // candidate that the one with turning has to beat.
    SheetSettings fixed = s;
    fixed.allowTurn = false;
    const bool fixedHoldsAll = std::all_of(
        fit.begin(), fit.end(), [&](int i) { return FitsSheet(pieces[static_cast<std::size_t>(i)], fixed); });
    Layout best;
    Score score;
    bool stopped = false;
    if (!s.allowTurn || fixedHoldsAll) std::tie(score, stopped) = search(fixed, best);
    if (s.allowTurn) {
        Layout turned;
        const auto [ts, tstopped] = search(s, turned);
        stopped = stopped || tstopped;
        if (!fixedHoldsAll || ts < score) best = std::move(turned);
    }
    best.oversize = oversize;
    best.tooSmall = tooSmall;
    best.clockStopped = stopped;
    return best;
}

} // namespace rz
