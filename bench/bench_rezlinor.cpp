// The sheet optimiser's packer: sheets used beside the area lower bound
// ceil(sum of piece areas / usable sheet area), and the time beside the 1 s
// that a layout may take.
//  - generated cabinet sets of 20, 100 and 500 boards on 2800 x 2070 sheets,
//    4 mm kerf, 10 mm trim, grain (no turning) and plain (turning);
//  - the published instances of the two-dimensional bin-packing literature
//    (bench/data, 10 classes of 50 instances, without kerf or trim), the
//    sheets summed per class beside the area bound and beside the reference
//    figures that came with the data, without turning and with it; the totals
//    are printed at the end.
#include "bench_rezlinor_instances.h"
#include "core/Checker.h"
#include "core/Packer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
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

// The processor time of this thread: on a machine shared with other work
// the wall clock says more about the others than about the packer.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

struct Timed {
    rz::Layout layout;
    double seconds = 0, cpuSeconds = 0;
};

Timed PackTimed(const std::vector<Piece>& pieces, const SheetSettings& s) {
    Timed t;
    const auto t0 = std::chrono::steady_clock::now();
    const double c0 = ThreadSeconds();
    t.layout = rz::Pack(pieces, s);
    t.cpuSeconds = ThreadSeconds() - c0;
    t.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return t;
}

void Report(benchmark::State& state, const std::vector<Piece>& pieces, const SheetSettings& s) {
    rz::Layout l;
    double seconds = 0, cpu = 0;
    for (auto _ : state) {
        Timed t = PackTimed(pieces, s);
        l = std::move(t.layout);
        seconds = t.seconds;
        cpu = t.cpuSeconds;
        state.SetIterationTime(seconds);
    }
    if (const std::string e = rz::CheckLayout(l, pieces, s); !e.empty()) state.SkipWithError(e.c_str());
    const int bound = rz::AreaLowerBound(pieces, s);
    state.counters["sheets"] = static_cast<double>(l.sheets.size());
    state.counters["lower_bound"] = bound;
    state.counters["sheets_ratio"] = bound ? static_cast<double>(l.sheets.size()) / bound : 0;
    state.counters["waste_pct"] = rz::WastePercent(l, s);
    state.counters["seconds"] = seconds;
    state.counters["cpu_seconds"] = cpu;
    state.counters["limit_s"] = kLimitSeconds;
    state.counters["time_ratio"] = cpu / kLimitSeconds;
    state.counters["clock_stopped"] = l.clockStopped ? 1 : 0;
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

// The sheets of each class and turning, kept for the totals at the end.
struct ClassResult {
    int sheets = -1;
    double maxCpu = 0, medianCpu = 0;
};
ClassResult gResults[10][2];

void BM_PublishedClass(benchmark::State& state) {
    const int cls = static_cast<int>(state.range(0));
    const bool turn = state.range(1) != 0;
    const rzbench::ClassFigures& f = rzbench::kClasses[cls - 1];
    state.SetLabel(std::string("class ") + f.name + (turn ? ", turning" : ", no turning"));
    ClassResult r;
    for (auto _ : state) {
        r = ClassResult{0, 0, 0};
        std::vector<double> cpu;
        double wall = 0;
        for (int n : rzbench::kSizes)
            for (int k = 1; k <= 10; ++k) {
                const rzbench::Instance inst = rzbench::ReadInstance(cls, n, k, turn);
                if (inst.pieces.empty()) {
                    state.SkipWithError(("missing instance " + inst.name).c_str());
                    return;
                }
                const Timed t = PackTimed(inst.pieces, inst.sheet);
                if (const std::string e = rz::CheckLayout(t.layout, inst.pieces, inst.sheet); !e.empty()) {
                    state.SkipWithError((inst.name + ": " + e).c_str());
                    return;
                }
                r.sheets += static_cast<int>(t.layout.sheets.size());
                cpu.push_back(t.cpuSeconds);
                wall += t.seconds;
            }
        std::sort(cpu.begin(), cpu.end());
        r.maxCpu = cpu.back();
        r.medianCpu = cpu[cpu.size() / 2];
        state.SetIterationTime(wall);
    }
    gResults[cls - 1][turn ? 1 : 0] = r;
    const int ref = turn ? f.refOn : f.refOff;
    state.counters["sheets"] = r.sheets;
    state.counters["area_bound"] = f.bound;
    state.counters["reference"] = ref;
    state.counters["ratio_to_ref"] = static_cast<double>(r.sheets) / ref;
    state.counters["max_cpu_s"] = r.maxCpu;
    state.counters["median_cpu_s"] = r.medianCpu;
    state.counters["limit_s"] = kLimitSeconds;
}
BENCHMARK(BM_PublishedClass)
    ->ArgNames({"class", "turn"})
    ->ArgsProduct({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {0, 1}})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The table of the published classes: ours beside the bound and the reference.
void PrintTotals() {
    int ours[2] = {0, 0}, bound = 0, ref[2] = {0, 0};
    bool all = true;
    double maxCpu = 0;
    std::printf("\nclass  area bound  no turning: ours / reference   turning: ours / reference\n");
    for (int c = 0; c < 10; ++c) {
        const rzbench::ClassFigures& f = rzbench::kClasses[c];
        const ClassResult& off = gResults[c][0];
        const ClassResult& on = gResults[c][1];
        if (off.sheets < 0 || on.sheets < 0) {
            all = false;
            continue;
        }
        std::printf("%-5s  %10d  %10d / %-9d (%.3f)  %7d / %-9d (%.3f)\n", f.name, f.bound, off.sheets, f.refOff,
                    static_cast<double>(off.sheets) / f.refOff, on.sheets, f.refOn,
                    static_cast<double>(on.sheets) / f.refOn);
        ours[0] += off.sheets;
        ours[1] += on.sheets;
        ref[0] += f.refOff;
        ref[1] += f.refOn;
        bound += f.bound;
        maxCpu = std::max({maxCpu, off.maxCpu, on.maxCpu});
    }
    if (!all) return; // a filtered run: no totals
    std::printf("all    %10d  %10d / %-9d (%.3f)  %7d / %-9d (%.3f)\n", bound, ours[0], rzbench::kRefTotalOff,
                static_cast<double>(ours[0]) / rzbench::kRefTotalOff, ours[1], rzbench::kRefTotalOn,
                static_cast<double>(ours[1]) / rzbench::kRefTotalOn);
    std::printf("longest instance: %.3f s of processor time, limit %.1f s\n", maxCpu, kLimitSeconds);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintTotals();
    return 0;
}
