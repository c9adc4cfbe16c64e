// The software 3D view and the mini views on a tall wardrobe of 200 boards:
// a full redraw of the 1024 x 768 picture in each mode, and the three mini
// views together. Beside them the limit: filling the same pictures once, the
// cost of touching every pixel. Redraws and fills alternate, so the ratio
// (fill time over redraw time) holds on a busy machine.
#include "BenchSupport.h"
#include "render/SoftRender.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <string>

using namespace zv;

namespace {

// Two sides, back, top and bottom, four dividers and 191 shelves between them.
Scene3D Wardrobe() {
    Scene3D s;
    s.Init();
    s.miniScale = 0.05;
    s.currentFillStyle = 7;
    const double W = 2000, H = 2400, D = 600, G = 18;
    auto box = [&](double x, double y, double z, double sx, double sy, double sz, Color c) {
        s.AddBox(x, y, z, sx, sy, sz);
        s.color[s.pieceCount - 1] = c;
    };
    box(0, 0, 0, G, H, D, Rgb(150, 110, 70));
    box(W - G, 0, 0, G, H, D, Rgb(150, 110, 70));
    box(0, 0, D, W, H, 4, Rgb(230, 230, 220));
    box(G, 0, 0, W - 2 * G, G, D, Rgb(150, 110, 70));
    box(G, H - G, 0, W - 2 * G, G, D, Rgb(150, 110, 70));
    const int columns = 5;
    const double cw = (W - 2 * G - (columns - 1) * G) / columns;
    for (int k = 1; k < columns; ++k) box(G + k * cw + (k - 1) * G, G, 0, G, H - 2 * G, D, Rgb(120, 90, 60));
    int shelf = 0;
    while (s.pieceCount < 200) {
        const int col = shelf % columns, row = shelf / columns;
        const double y = G + (row + 1) * (H - 2 * G) / 40.0;
        box(G + col * (cw + G), y, 0, cw, G, D - 20, (shelf % 3) ? Rgb(200, 170, 120) : Rgb(90, 60, 40));
        ++shelf;
    }
    s.current = 57;
    s.rotY = 0.55;
    s.rotX = -0.35;
    FitViewScale(s, 1024, 768, H, W);
    return s;
}

// Seconds one call of f takes.
template <class F> double Timed(F&& f) {
    QElapsedTimer t;
    t.start();
    f();
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

// Fills every picture once with one colour: what touching each pixel costs.
void FillAll(Canvas* pictures, int count, unsigned& shade) {
    shade = (shade + 1) & 255;
    for (int k = 0; k < count; ++k) pictures[k].Image().fill(qRgb(static_cast<int>(shade), 255, 255));
    benchmark::DoNotOptimize(pictures[count - 1].Image().constBits());
}

// The redraw row times one redraw and one fill per iteration; the limit row
// times fills, with a redraw beside every 64th so the row does not take a
// redraw's time per fill. ratio = mean fill / mean redraw, and the redraw in fills.
template <class Redraw>
void Pair(benchmark::State& state, bool limitRow, Canvas* pictures, int count, Redraw&& redraw) {
    unsigned shade = 0;
    double redraws = 0, fills = 0;
    long redrawCount = 0, fillCount = 0;
    for (auto _ : state) {
        if (!limitRow || fillCount % 64 == 0) {
            const double r = Timed(redraw);
            redraws += r;
            ++redrawCount;
            if (!limitRow) state.SetIterationTime(r);
        }
        const double f = Timed([&] { FillAll(pictures, count, shade); });
        fills += f;
        ++fillCount;
        if (limitRow) state.SetIterationTime(f);
    }
    const double meanRedraw = redrawCount ? redraws / redrawCount : 0, meanFill = fillCount ? fills / fillCount : 0;
    state.counters["ratio"] = meanRedraw > 0 ? meanFill / meanRedraw : 0;
    state.counters["fills_per_redraw"] = meanFill > 0 ? meanRedraw / meanFill : 0;
}

const char* ModeName(int mode) { return mode == kModeLit ? "lit" : mode == kModeFlat ? "flat" : "outline"; }

void BM_Redraw3D(benchmark::State& state) {
    Scene3D s = Wardrobe();
    Canvas c(1024, 768);
    const int mode = static_cast<int>(state.range(0));
    const bool limit = state.range(1) != 0;
    Pair(state, limit, &c, 1, [&] {
        Redraw3DImage(s, c, 1024, 768, mode, 1);
        benchmark::DoNotOptimize(c.Image().constBits());
    });
    state.SetLabel(std::string(ModeName(mode)) + (limit ? ", limit: one fill of 1024 x 768" : ""));
}
BENCHMARK(BM_Redraw3D)
    ->ArgsProduct({{kModeLit, kModeFlat, kModeOutline}, {0, 1}})
    ->ArgNames({"mode", "limit"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_MiniViews(benchmark::State& state) {
    Scene3D s = Wardrobe();
    Canvas views[3];
    const int mode = static_cast<int>(state.range(0));
    const bool limit = state.range(1) != 0;
    // Sized by a first redraw, as the fills then touch the same pictures.
    RedrawProjectionImage(s, views[0], 168, 126, 1, 10, 10, mode);
    RedrawProjectionImage(s, views[1], 168, 126, 3, 10, 10, mode);
    RedrawProjectionImage(s, views[2], 168, 126, 6, 10, 10, mode);
    Pair(state, limit, views, 3, [&] {
        RedrawProjectionImage(s, views[0], 168, 126, 1, 10, 10, mode);
        RedrawProjectionImage(s, views[1], 168, 126, 3, 10, 10, mode);
        RedrawProjectionImage(s, views[2], 168, 126, 6, 10, 10, mode);
        benchmark::DoNotOptimize(views[2].Image().constBits());
    });
    state.SetLabel(std::string(ModeName(mode)) + (limit ? ", limit: one fill of the three 168 x 126" : ""));
}
BENCHMARK(BM_MiniViews)
    ->ArgsProduct({{kModeLit, kModeOutline}, {0, 1}})
    ->ArgNames({"mode", "limit"})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    zv::bench::OffscreenUnlessNamed(); // text and pictures need no display
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
