#include "Packer.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>
#include <numeric>
#include <random>
#include <tuple>
#include <utility>

namespace rz {

namespace {

constexpr double kEps = 1e-6;
// The work of placing a piece, in free parts weighed: its two cuts.
constexpr std::int64_t kPlaceWork = 16;

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
    double area = 0; // of the pieces placed
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

// Lays pieces one after another. Kept between layouts so that its storage
// is reused.
class Builder {
public:
    Builder(const std::vector<Piece>& pieces, const SheetSettings& s) : pieces_(pieces), s_(s) {}

    void Start(const std::vector<int>& set, const Rule& rule) {
        rule_ = rule;
        used_ = 0;
        free_.clear();
        // A part narrower than every piece stays a leftover without being
        // searched again.
        minLength_ = minWidth_ = 1e300;
        for (int i : set) {
            const Piece& p = pieces_[static_cast<std::size_t>(i)];
            const double a = s_.allowTurn ? std::min(p.length, p.width) : p.length;
            const double b = s_.allowTurn ? std::min(p.length, p.width) : p.width;
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
        Place(piece, best_.index, best_.turned);
    }

    double LeastSheetArea() const {
        double a = 1e300;
        for (int k = 0; k < used_; ++k) a = std::min(a, sheets_[static_cast<std::size_t>(k)].area);
        return a;
    }

    // The pieces of the sheet that holds the least.
    void EmptiestSheet(std::vector<int>& out) const {
        out.clear();
        if (used_ == 0) return;
        int k = 0;
        for (int j = 1; j < used_; ++j)
            if (sheets_[static_cast<std::size_t>(j)].area < sheets_[static_cast<std::size_t>(k)].area) k = j;
        for (const Placement& p : sheets_[static_cast<std::size_t>(k)].placements) out.push_back(p.piece);
    }

    // Work done so far, over every layout.
    std::int64_t Work() const { return work_; }
    int Sheets() const { return used_; }

    // What Evaluate would say of Finish(), without making the layout.
    Score Quick() const {
        Score sc;
        sc.sheets = used_;
        const double usable = UsableLength(s_) * UsableWidth(s_);
        for (int k = 0; k < used_; ++k) {
            const SheetWork& w = sheets_[static_cast<std::size_t>(k)];
            const double f = w.area / usable;
            sc.fill += f * f;
            for (const Node& n : w.nodes) {
                if (n.divided) ++sc.cuts;
                else if (n.free && n.r.length >= kKeptOffcut && n.r.width >= kKeptOffcut)
                    sc.kept += (n.r.length * n.r.width) * (n.r.length * n.r.width);
            }
            if (s_.trim > kEps) sc.cuts += 4;
        }
        return sc;
    }

    Layout Finish() const {
        Layout l;
        for (int k = 0; k < used_; ++k) {
            const SheetWork& w = sheets_[static_cast<std::size_t>(k)];
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
        std::size_t index = 0; // in free_
        bool turned = false;
        bool found = false;
    };

    void NewSheet() {
        if (static_cast<std::size_t>(used_) == sheets_.size()) sheets_.emplace_back();
        SheetWork& w = sheets_[static_cast<std::size_t>(used_)];
        w.nodes.clear();
        w.placements.clear();
        w.area = 0;
        Node root;
        root.r = Rect{s_.trim, s_.trim, UsableLength(s_), UsableWidth(s_)};
        root.free = true;
        w.nodes.push_back(root);
        free_.push_back(FreeRef{used_, 0, root.r});
        ++used_;
    }

    bool Choose(const Piece& p) {
        const int turns = s_.allowTurn ? 2 : 1;
        work_ += static_cast<std::int64_t>(free_.size()) * turns + 1;
        switch (rule_.fit) {
        case Fit::Area: return ChooseBy<Fit::Area>(p, turns);
        case Fit::ShortSide: return ChooseBy<Fit::ShortSide>(p, turns);
        case Fit::LongSide: return ChooseBy<Fit::LongSide>(p, turns);
        }
        return false;
    }

    // The free part with the least key (sheet when filling in turn, then the
    // rule's two measures); the first of equals.
    template <Fit F>
    bool ChooseBy(const Piece& p, int turns) {
        best_ = Choice{};
        int bestSheet = 0;
        double b1 = 0, b2 = 0;
        const bool inTurn = rule_.firstSheetFirst;
        for (std::size_t i = 0; i < free_.size(); ++i) {
            const FreeRef& f = free_[i];
            const Rect& r = f.r;
            for (int t = 0; t < turns; ++t) {
                const double l = t ? p.width : p.length, w = t ? p.length : p.width;
                const double dl = r.length - l, dw = r.width - w;
                if (dl < -kEps || dw < -kEps) continue;
                double k1, k2;
                if constexpr (F == Fit::Area) {
                    k1 = r.length * r.width - l * w;
                    k2 = std::min(dl, dw);
                } else if constexpr (F == Fit::ShortSide) {
                    k1 = std::min(dl, dw);
                    k2 = std::max(dl, dw);
                } else {
                    k1 = std::max(dl, dw);
                    k2 = std::min(dl, dw);
                }
                const int k0 = inTurn ? f.sheet : 0;
                if (best_.found) {
                    if (k0 > bestSheet) continue;
                    if (k0 == bestSheet && (k1 > b1 || (k1 == b1 && k2 >= b2))) continue;
                }
                best_.index = i;
                best_.turned = t == 1;
                best_.found = true;
                bestSheet = k0;
                b1 = k1;
                b2 = k2;
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

    void Place(int piece, std::size_t index, bool turned) {
        work_ += kPlaceWork;
        const FreeRef ref = free_[index];
        free_[index] = free_.back();
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
        w.area += l * wd;
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
    Rule rule_{};
    std::vector<SheetWork> sheets_; // the first used_ are this layout's
    int used_ = 0;
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
    Search(const std::vector<Piece>& pieces, const std::vector<int>& fit, const SheetSettings& s,
           const PackOptions& o, Clock::time_point start)
        : pieces(pieces), fit(fit), s(s), o(o), start(start) {}

    const std::vector<Piece>& pieces; // each in the direction it starts from
    const std::vector<int>& fit;
    const SheetSettings& s;
    const PackOptions& o;
    Clock::time_point start;
    bool clockStopped = false;

    Layout best;
    Score bestScore;
    std::int64_t work = 0;
    Builder builder{pieces, s};
    std::mt19937 rng;
    std::vector<Rule> rules = Rules();

    const Piece& P(int i) const { return pieces[static_cast<std::size_t>(i)]; }
    double Area(int i) const { return P(i).length * P(i).width; }

    // The piece orders that start the search, the likeliest first.
    std::vector<std::vector<int>> Orders(const std::vector<int>& set) const {
        auto longSide = [&](int i) { return s.allowTurn ? std::max(P(i).length, P(i).width) : P(i).length; };
        auto shortSide = [&](int i) { return s.allowTurn ? std::min(P(i).length, P(i).width) : P(i).width; };
        using Key = std::function<std::pair<double, double>(int)>;
        const std::vector<Key> keys = {
            [&](int i) {
                return std::pair{Area(i), longSide(i)};
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
        std::vector<std::vector<int>> out;
        for (const Key& k : keys) {
            std::vector<int> ord = set;
            std::stable_sort(ord.begin(), ord.end(), [&](int a, int b) { return k(a) > k(b); });
            out.push_back(std::move(ord));
        }
        return out;
    }

    // Lays `ord` out with `r`; false, leaving the layout unfinished, as soon
    // as it takes more than `most` sheets.
    bool Build(const std::vector<int>& ord, const Rule& r, int most = std::numeric_limits<int>::max()) {
        const std::int64_t before = builder.Work();
        builder.Start(ord, r);
        bool within = true;
        for (int i : ord) {
            builder.Add(i);
            if (builder.Sheets() > most) {
                within = false;
                break;
            }
        }
        // Starting and finishing a layout cost as much as a few pieces.
        work += builder.Work() - before + 64 + static_cast<std::int64_t>(ord.size());
        return within;
    }

    double share = 1; // of the budget that the current stage may use
    int looks = 0;
    bool OutOfWork() {
        if (static_cast<double>(work) >= static_cast<double>(o.workBudget) * share) return true;
        // Looked at now and then: the clock is the only thing here that
        // differs between machines.
        if (++looks % 8 == 0 && std::chrono::duration<double>(Clock::now() - start).count() >= o.clockLimitSeconds)
            clockStopped = true;
        return clockStopped;
    }

    // Lays `set` out on at most `most` sheets with the orders and rules of
    // the search: the layout whose emptiest sheet holds the least, or none.
    bool Repack(const std::vector<int>& set, int most, Layout& out, bool anyFit = false) {
        double area = 0;
        for (int i : set) area += Area(i);
        if (area > most * UsableLength(s) * UsableWidth(s) + kEps) return false;
        bool found = false;
        double bestLeast = 0;
        auto tryOne = [&](const std::vector<int>& ord, const Rule& r) {
            if (!Build(ord, r, most)) return false;
            const double least = builder.Sheets() < most ? 0 : builder.LeastSheetArea();
            if (!found || least < bestLeast - kEps) {
                out = builder.Finish();
                work += static_cast<std::int64_t>(set.size()) * 4;
                bestLeast = least;
                found = true;
            }
            return least <= kEps || most == 1 || anyFit;
        };
        const std::vector<std::vector<int>> orders = Orders(set);
        work += static_cast<std::int64_t>(set.size()) * 40;
        for (const auto& ord : orders)
            for (const Rule& r : rules) {
                if (OutOfWork()) return found;
                if (tryOne(ord, r)) return true;
            }
        // Then the likeliest orders a little shuffled.
        for (int t = 0; t < 400 && set.size() > 1; ++t) {
            if (OutOfWork()) return found;
            std::vector<int> ord = orders[rng() % orders.size()];
            const int changes = 1 + static_cast<int>(rng() % 4);
            for (int c = 0; c < changes; ++c) std::swap(ord[rng() % ord.size()], ord[rng() % ord.size()]);
            if (tryOne(ord, rules[rng() % rules.size()])) return true;
        }
        return found;
    }

    // Empties the emptiest sheet where it can: its pieces one at a time into
    // another sheet that can be laid out again with the piece, or it and
    // another sheet laid out again together so that the emptier of the two
    // holds less. Each step leaves the sheets fuller at the front, so it ends.
    void Improve() {
        std::vector<std::vector<int>> sets;
        std::vector<double> areas;
        auto take = [&](std::size_t k) {
            sets[k].clear();
            for (const Placement& pl : best.sheets[k].placements) sets[k].push_back(pl.piece);
            areas[k] = PlacedArea(best.sheets[k]);
        };
        auto drop = [&](std::size_t k) {
            sets.erase(sets.begin() + static_cast<std::ptrdiff_t>(k));
            areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(k));
            best.sheets.erase(best.sheets.begin() + static_cast<std::ptrdiff_t>(k));
        };
        sets.resize(best.sheets.size());
        areas.resize(best.sheets.size());
        for (std::size_t k = 0; k < best.sheets.size(); ++k) take(k);
        const double usable = UsableLength(s) * UsableWidth(s);
        bool changed = false;
        while (best.sheets.size() > 1 && !OutOfWork()) {
            const std::size_t L = static_cast<std::size_t>(std::min_element(areas.begin(), areas.end()) - areas.begin());
            std::vector<std::size_t> others;
            for (std::size_t j = 0; j < sets.size(); ++j)
                if (j != L) others.push_back(j);
            std::stable_sort(others.begin(), others.end(), [&](std::size_t a, std::size_t b) { return areas[a] < areas[b]; });
            std::vector<int> mine = sets[L];
            std::stable_sort(mine.begin(), mine.end(), [&](int a, int b) { return Area(a) > Area(b); });
            bool moved = false;
            for (int p : mine)
                for (std::size_t j : others) {
                    if (areas[j] + Area(p) > usable + kEps) continue;
                    std::vector<int> set = sets[j];
                    set.push_back(p);
                    Layout l;
                    if (!Repack(set, 1, l)) continue;
                    best.sheets[j] = std::move(l.sheets[0]);
                    take(j);
                    sets[L].erase(std::find(sets[L].begin(), sets[L].end(), p));
                    moved = true;
                    break;
                }
            if (moved) {
                changed = true;
                Layout l;
                if (sets[L].empty()) {
                    drop(L);
                } else if (Repack(sets[L], 1, l)) {
                    best.sheets[L] = std::move(l.sheets[0]);
                    take(L);
                } else {
                    // The pieces moved away leave their places free.
                    SheetLayout& sh = best.sheets[L];
                    std::vector<Placement> stay;
                    for (const Placement& pl : sh.placements)
                        if (std::find(sets[L].begin(), sets[L].end(), pl.piece) != sets[L].end()) stay.push_back(pl);
                        else sh.leftover.push_back(Rect{pl.x, pl.y, pl.length, pl.width});
                    sh.placements = std::move(stay);
                    take(L);
                }
                continue;
            }
            for (std::size_t j : others) {
                std::vector<int> set = sets[L];
                set.insert(set.end(), sets[j].begin(), sets[j].end());
                Layout l;
                if (!Repack(set, 2, l)) continue;
                if (l.sheets.size() == 1) l.sheets.emplace_back();
                if (PlacedArea(l.sheets[0]) < PlacedArea(l.sheets[1])) std::swap(l.sheets[0], l.sheets[1]);
                if (PlacedArea(l.sheets[1]) >= areas[L] - kEps) continue;
                best.sheets[j] = std::move(l.sheets[0]);
                best.sheets[L] = std::move(l.sheets[1]);
                take(j);
                take(L);
                if (sets[L].empty()) drop(L);
                moved = true;
                break;
            }
            // Or it and two others laid out on two sheets.
            for (std::size_t a = 0; !moved && a < others.size(); ++a)
                for (std::size_t b = a + 1; !moved && b < others.size(); ++b) {
                    const std::size_t j = others[a], k = others[b];
                    if (areas[L] + areas[j] + areas[k] > 2 * usable + kEps) continue;
                    std::vector<int> set = sets[L];
                    set.insert(set.end(), sets[j].begin(), sets[j].end());
                    set.insert(set.end(), sets[k].begin(), sets[k].end());
                    Layout l;
                    if (!Repack(set, 2, l, true)) continue;
                    if (l.sheets.size() == 1) l.sheets.emplace_back();
                    best.sheets[j] = std::move(l.sheets[0]);
                    best.sheets[k] = std::move(l.sheets[1]);
                    take(j);
                    take(k);
                    drop(L);
                    if (sets[k - (k > L)].empty()) drop(k - (k > L));
                    moved = true;
                }
            if (!moved) break;
            changed = true;
        }
        if (changed) bestScore = Evaluate(best, s);
    }

    Layout Run() {
        const std::vector<std::vector<int>> orders = Orders(fit);
        const int bound = AreaLowerBound(pieces, s);
        std::vector<int> bestOrder = orders.front();
        Rule bestRule = rules.front();
        std::vector<int> emptiest; // the pieces of the best layout's emptiest sheet
        bool have = false;
        int attempts = 0;
        // Takes an equal layout too, so the search walks across a plateau;
        // true when better.
        auto tryOne = [&](const std::vector<int>& ord, const Rule& r) {
            ++attempts;
            Build(ord, r);
            const Score sc = builder.Quick();
            if (have && bestScore < sc) return false;
            const bool better = !have || sc < bestScore;
            bestScore = sc;
            bestOrder = ord;
            bestRule = r;
            builder.EmptiestSheet(emptiest);
            have = true;
            return better;
        };
        auto done = [&] { return attempts >= o.maxAttempts || OutOfWork(); };

        // Every order with every rule, the likeliest first.
        for (const Rule& r : rules)
            for (const auto& ord : orders) {
                if (have && done()) break;
                tryOne(ord, r);
            }
        // Then small changes of the best order, until a long run brings
        // nothing better: two pieces swapped, one moved, or one of the
        // emptiest sheet's moved earlier. The rest of the budget is for
        // emptying the emptiest sheet.
        share = 0.6;
        rng.seed(o.seed);
        int sinceBetter = 0;
        while (fit.size() > 1 && !done()) {
            const int patience = bestScore.sheets <= bound ? 200 : 3000;
            if (sinceBetter >= patience) break;
            std::vector<int> ord = bestOrder;
            auto move = [&](std::size_t a, std::size_t b) {
                const int v = ord[a];
                ord.erase(ord.begin() + static_cast<std::ptrdiff_t>(a));
                ord.insert(ord.begin() + static_cast<std::ptrdiff_t>(b), v);
            };
            if (bestScore.sheets > 1 && rng() % 2) {
                const int v = emptiest[rng() % emptiest.size()];
                const std::size_t a = static_cast<std::size_t>(std::find(ord.begin(), ord.end(), v) - ord.begin());
                move(a, rng() % (a + 1));
            } else {
                const int changes = 1 + static_cast<int>(rng() % 3);
                for (int c = 0; c < changes; ++c) {
                    const std::size_t a = rng() % ord.size(), b = rng() % ord.size();
                    if (rng() % 2) std::swap(ord[a], ord[b]);
                    else move(a, b);
                }
            }
            const Rule r = (rng() % 4 == 0) ? rules[rng() % rules.size()] : bestRule;
            sinceBetter = tryOne(ord, r) ? 0 : sinceBetter + 1;
        }
        Build(bestOrder, bestRule);
        best = builder.Finish();
        share = 1;
        if (bestScore.sheets > bound) Improve();
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
        // Two walks from different seeds, each with half the budget: a long
        // walk stays stuck where a second one often finds its way.
        constexpr int kWalks = 2;
        PackOptions part = o;
        part.workBudget = o.workBudget / kWalks;
        part.maxAttempts = o.maxAttempts / kWalks;
        Score score;
        bool stopped = false;
        for (int k = 0; k < kWalks; ++k) {
            part.seed = o.seed + static_cast<std::uint32_t>(k);
            Search run(with.allowTurn ? pieces : grain, fit, with, part, start);
            Layout l = run.Run();
            stopped = stopped || run.clockStopped;
            if (k == 0 || run.bestScore < score) {
                out = std::move(l);
                score = run.bestScore;
            }
            if (score.sheets <= AreaLowerBound(with.allowTurn ? pieces : grain, with)) break;
        }
        for (SheetLayout& sh : out.sheets)
            for (Placement& pl : sh.placements)
                if (!with.allowTurn && GrainTurned(pieces[static_cast<std::size_t>(pl.piece)], s))
                    pl.turned = !pl.turned;
        return std::pair{score, stopped};
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
