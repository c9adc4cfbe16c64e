// Rebuilding the texture atlas for 20 distinct 500 x 500 JPEG textures, up to
// the pixels handed to OpenGL. The counters give the time of each stage.
#include "render/TextureAtlas.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

// A grain-like picture, so the JPEG has the detail of a real board texture.
QImage Grain(int w, int h, int seed) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double v = std::sin(x * 0.05 + std::sin(y * 0.02 + seed) * 3.0) * 0.5 + 0.5;
            const int n = static_cast<int>(((unsigned(x) * 73856093u) ^ (unsigned(y) * 19349663u) ^ (unsigned(seed) * 83492791u)) & 15u);
            line[x] = qRgb(120 + static_cast<int>(v * 80) + n, 80 + static_cast<int>(v * 50) + n, 40 + n + seed * 5);
        }
    }
    return img;
}

void BM_BuildTextureAtlas(benchmark::State& state) {
    QTemporaryDir dir;
    auto f = std::make_unique<zv::Furniture>();
    f->SetSlotDefaults();
    for (int k = 0; k < 20; ++k) {
        const std::string name = dir.filePath(QString("t%1.jpg").arg(k)).toStdString();
        zv::SaveJpeg(name, Grain(500, 500, k));
        f->scene.AddBox(0, 0, 0, 100, 100, 18);
        f->attrs.textureFile[static_cast<std::size_t>(k)] = name;
    }
    zv::AtlasOptions opt;
    opt.tempFolder = dir.path().toStdString();
    opt.showErrors = false;
    zv::AtlasPixels pixels;
    zv::AtlasStageTimes total;
    for (auto _ : state) {
        const zv::AtlasBuildResult r = zv::BuildTextureAtlas(*f, pixels, {}, opt);
        benchmark::DoNotOptimize(pixels.rgb.data());
        if (!r.errors.empty() || r.direct || pixels.width != 10000) state.SkipWithError("atlas not built");
        total.decode += r.times.decode;
        total.tile += r.times.tile;
        total.encode += r.times.encode;
        total.readBack += r.times.readBack;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["decode_ms"] = total.decode / n;
    state.counters["tile_ms"] = total.tile / n;
    state.counters["encode_ms"] = total.encode / n;
    state.counters["readback_ms"] = total.readBack / n;
}
BENCHMARK(BM_BuildTextureAtlas)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    // Pictures need no display: the offscreen platform unless one is named.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
