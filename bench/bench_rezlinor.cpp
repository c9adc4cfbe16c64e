// The sheet optimiser's packer: sheets used beside the area lower bound
// ceil(sum of piece areas / usable sheet area), and the time beside the 1 s
// that a layout of 500 pieces may take.
//  - generated cabinet sets of 20, 100 and 500 boards on 2800 x 2070 sheets,
//    4 mm kerf, 10 mm trim, grain (no turning) and plain (turning);
//  - the random classes of the two-dimensional bin-packing literature: items
//    uniform in ranges of the bin size, classes I..VI on bins of 10, 30, 40,
//    100, 100 and 300, classes VII..X mixing four item types on 100 x 100
//    bins, without turning, kerf or trim.
#include "core/Checker.h"
#include "core/Packer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>

namespace {

constexpr double kLimitSeconds = 1.0;

using rz::Piece;
using rz::SheetSettings;

Piece Board(const std::string& name, double l, double w) {
    Piece p;
    p.name = name;
    p.length = std::round(l);
    p.width = std::round(w);
    return p;
}

// Carcasses of kitchen and wardrobe units: sides, top, bottom, shelves,
// doors and drawer fronts, until `n` boards.
std::vector<Piece> CabinetSet(int n, unsigned seed) {
    std::mt19937 rng(seed);
    auto uni = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    std::vector<Piece> out;
    auto add = [&](const std::string& name, double l, double w) {
        if (static_cast<int>(out.size()) < n) out.push_back(Board(name, l, w));
    };
    while (static_cast<int>(out.size()) < n) {
        const bool tall = rng() % 3 == 0;
        const double W = uni(300, 1000), H = tall ? uni(1800, 2400) : uni(700, 900),
                     D = tall ? uni(550, 600) : uni(300, 580);
        const double inner = W - 36;
        add("Lateral", H, D);
        add("Lateral", H, D);
        add("Capac", D, inner);
        add("Baza", D, inner);
        const int shelves = static_cast<int>(rng() % (tall ? 5 : 3));
        for (int i = 0; i < shelves; ++i) add("Polita", D - 20, inner - 2);
        if (rng() % 3 == 0) {
            for (int i = 0; i < 3; ++i) add("Front sertar", W / 1 - 4, (H - 16) / 3);
        } else {
            const int doors = W > 600 ? 2 : 1;
            for (int i = 0; i < doors; ++i) add("Usa", H - 4, W / doors - 4);
        }
        add("Soclu", inner, 100);
    }
    return out;
}

struct LiteratureClass {
    const char* name;
    double bin;
    int type; // 0: items uniform in [lo, hi] both ways; else the 70% item type of a mixed class
    double lo, hi;
};

const LiteratureClass kClasses[] = {
    {"I", 10, 0, 1, 10},    {"II", 30, 0, 1, 10},  {"III", 40, 0, 1, 35},  {"IV", 100, 0, 1, 35}, {"V", 100, 0, 1, 100},
    {"VI", 300, 0, 1, 100}, {"VII", 100, 1, 0, 0}, {"VIII", 100, 2, 0, 0}, {"IX", 100, 3, 0, 0},  {"X", 100, 4, 0, 0},
};

std::vector<Piece> LiteratureSet(const LiteratureClass& c, int n, unsigned seed) {
    std::mt19937 rng(seed);
    auto u = [&](double a, double b) { return std::floor(std::uniform_real_distribution<double>(a, b + 1)(rng)); };
    const double W = c.bin, H = c.bin;
    std::vector<Piece> out;
    for (int i = 0; i < n; ++i) {
        double w = 0, h = 0;
        int type = c.type;
        if (type > 0) {
            // 70% of the class's own type, 10% each of the other three.
            const int r = static_cast<int>(rng() % 10);
            if (r >= 7) type = 1 + (type - 1 + (r - 6)) % 4;
        }
        switch (type) {
        case 0:
            w = u(c.lo, c.hi);
            h = u(c.lo, c.hi);
            break;
        case 1:
            w = u(std::ceil(2 * W / 3), W);
            h = u(1, H / 2);
            break;
        case 2:
            w = u(1, W / 2);
            h = u(std::ceil(2 * H / 3), H);
            break;
        case 3:
            w = u(W / 2, W);
            h = u(H / 2, H);
            break;
        default:
            w = u(1, W / 2);
            h = u(1, H / 2);
            break;
        }
        out.push_back(Board("i" + std::to_string(i), std::min(w, W), std::min(h, H)));
    }
    return out;
}

void Report(benchmark::State& state, const std::vector<Piece>& pieces, const SheetSettings& s) {
    rz::Layout l;
    double seconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        l = rz::Pack(pieces, s);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.SetIterationTime(seconds);
    }
    if (const std::string e = rz::CheckLayout(l, pieces, s); !e.empty()) state.SkipWithError(e.c_str());
    const int bound = rz::AreaLowerBound(pieces, s);
    state.counters["sheets"] = static_cast<double>(l.sheets.size());
    state.counters["lower_bound"] = bound;
    state.counters["sheets_ratio"] = bound ? static_cast<double>(l.sheets.size()) / bound : 0;
    state.counters["waste_pct"] = rz::WastePercent(l, s);
    state.counters["seconds"] = seconds;
    state.counters["limit_s"] = kLimitSeconds;
    state.counters["time_ratio"] = seconds / kLimitSeconds;
}

void BM_CabinetSet(benchmark::State& state) {
    SheetSettings s;
    s.allowTurn = state.range(1) != 0;
    Report(state, CabinetSet(static_cast<int>(state.range(0)), 7), s);
}
BENCHMARK(BM_CabinetSet)
    ->ArgNames({"pieces", "turn"})
    ->ArgsProduct({{20, 100, 500}, {0, 1}})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Three instances of 100 items a class.
void BM_LiteratureClass(benchmark::State& state) {
    const LiteratureClass& c = kClasses[state.range(0)];
    SheetSettings s{c.bin, c.bin, 0, 0, false};
    state.SetLabel(std::string("class ") + c.name);
    Report(state, LiteratureSet(c, 100, static_cast<unsigned>(state.range(1))), s);
}
BENCHMARK(BM_LiteratureClass)
    ->ArgNames({"class", "instance"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3}})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
