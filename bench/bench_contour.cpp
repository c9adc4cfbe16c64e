// Contour work per model: trace, simplify and triangulate with a fresh tracer,
// and the cached look-up every frame of the OpenGL view makes.
#include "BenchSupport.h"
#include "render/Contour.h"

#include "model/Mobila.h"
#include "platform/Picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void Line(QImage& img, int x0, int y0, int x1, int y1) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        img.setPixel(x0, y0, qRgb(0, 0, 0));
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// A 1000 x 1000 bitmap with a twelve-pointed star whose closed outline is
// 2496 pixels, just inside the tracer's 2500.
QImage StarPicture() {
    QImage img(1000, 1000, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int k = 24;
    int px = 0, py = 0;
    for (int i = 0; i <= k; ++i) {
        const double a = 2 * M_PI * (i % k) / k;
        const double r = (i % 2) ? 255 : 340;
        const int x = static_cast<int>(std::lround(500 + r * std::cos(a)));
        const int y = static_cast<int>(std::lround(500 + r * std::sin(a)));
        if (i > 0) Line(img, px, py, x, y);
        px = x;
        py = y;
    }
    return img;
}

QImage& Picture(int which) {
    static QImage own = zv::MakeContourModelPicture(600, 300);
    static QImage circle = [] {
        QImage img;
        zv::LoadPicture(std::string(ZV_DATA_DIR) + "/Cerc.bmp", img);
        return img;
    }();
    static QImage star = StarPicture();
    return which == 0 ? own : which == 1 ? circle : star;
}

void BM_TraceSimplifyTriangulate(benchmark::State& state) {
    const QImage& img = Picture(static_cast<int>(state.range(0)));
    int traced = 0, kept = 0, triangles = 0;
    for (auto _ : state) {
        zv::ContourTracer tracer;
        zv::ContourPolygon poly;
        tracer.Trace(img, "bench", poly);
        zv::TriangulateContour(poly.Count(), poly.X.data(), poly.Y.data(), poly.corners);
        zv::MatchCornerIndices(poly);
        benchmark::DoNotOptimize(poly.triangles.data());
        traced = tracer.tracedCount;
        kept = poly.Count();
        triangles = poly.TriangleCount();
    }
    state.counters["traced"] = traced;
    state.counters["points"] = kept;
    state.counters["triangles"] = triangles;
}
BENCHMARK(BM_TraceSimplifyTriangulate)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("own600x300_cerc_star")
    ->Unit(benchmark::kMicrosecond);

// The triangulation alone on a 2500-corner star polygon (no straight runs).
void BM_TriangulateStar2500(benchmark::State& state) {
    std::vector<double> X(2500), Y(2500);
    for (int i = 0; i < 2500; ++i) {
        const double a = 2 * M_PI * i / 2500, r = (i % 2) ? 300 : 450;
        X[static_cast<std::size_t>(i)] = 500 + r * std::cos(a);
        Y[static_cast<std::size_t>(i)] = 500 + r * std::sin(a);
    }
    std::vector<std::array<zv::ContourPoint, 3>> out;
    for (auto _ : state) {
        out.clear();
        zv::TriangulateContour(2500, X.data(), Y.data(), out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["triangles"] = static_cast<double>(out.size());
}
BENCHMARK(BM_TriangulateStar2500)->Unit(benchmark::kMicrosecond);

// What a frame pays for a piece whose model is already traced.
void BM_CachedBuildContourModel(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("star.bmp").toStdString();
    zv::SaveBmp(file, Picture(2));
    auto f = std::make_unique<zv::Furniture>();
    f->scene.Init();
    f->scene.AddBox(0, 0, 0, 600, 300, 18);
    f->attrs.modelFile[0] = file;
    zv::ContourCache cache;
    zv::ContourPolygon poly;
    zv::BuildContourModel(*f, 0, true, 0, 0, 600, 300, cache, poly);
    for (auto _ : state) {
        zv::BuildContourModel(*f, 0, true, 0, 0, 600, 300, cache, poly);
        benchmark::DoNotOptimize(poly.X.data());
    }
    state.counters["traces"] = cache.TraceCount();
    state.counters["points"] = poly.Count();
}
BENCHMARK(BM_CachedBuildContourModel)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    zv::bench::OffscreenUnlessNamed(); // text and pictures need no display
    QGuiApplication app(argc, argv);   // fonts and pictures
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
