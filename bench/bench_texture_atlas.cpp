// Rebuilding the texture atlas for 20 distinct 500 x 500 JPEG textures, up to
// the pixels handed to OpenGL. The counters give the time of each stage.
#include "BenchSupport.h"
#include "render/TextureAtlas.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

void BM_BuildTextureAtlas(benchmark::State& state) {
    QTemporaryDir dir;
    auto f = std::make_unique<zv::Furniture>();
    f->SetSlotDefaults();
    for (int k = 0; k < 20; ++k) {
        const std::string name = dir.filePath(QString("t%1.jpg").arg(k)).toStdString();
        zv::SaveJpeg(name, zv::bench::Grain(500, 500, k));
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
    zv::bench::OffscreenUnlessNamed(); // text and pictures need no display
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
