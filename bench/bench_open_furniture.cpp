// Opening a furniture file of 12, 50 and 200 pieces, the file limit: read
// and checked whole; the whole open command of the main window (atlas, the
// software and mini views, the piece window); and the program's start with
// the file as its argument (the 29 windows made, shown, the file opened,
// then closed again). A third of the pieces carry one of four textures. Runs
// without a display (the offscreen platform) unless QT_QPA_PLATFORM says
// otherwise.
#include "BenchSupport.h"
#include "model/MobilaFile.h"
#include "platform/Dialogs.h"
#include "platform/Picture.h"
#include "ui/Forms.h"
#include "ui/TMain.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace zv {
namespace {

QTemporaryDir& Folder() {
    static QTemporaryDir dir;
    return dir;
}

// A wardrobe-like furniture of n boards written as a "mo4" file; its path.
std::string FurnitureFile(int n) {
    const std::string path = Folder().filePath(QString("mobila%1.mo4").arg(n)).toStdString();
    if (QFile::exists(QString::fromStdString(path))) return path;
    std::string textures[4];
    for (int k = 0; k < 4; ++k) {
        textures[k] = Folder().filePath(QString("lemn%1.jpg").arg(k)).toStdString();
        SaveJpeg(textures[k], bench::Grain(400, 400, k));
    }
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->SetSlotDefaults();
    f->name = "Dulap " + std::to_string(n);
    f->dim = MobilaDimensions{2000, 2400, 600, 18, 4, 10, 0};
    const int columns = 5;
    for (int i = 0; i < n; ++i) {
        const int col = i % columns, row = i / columns;
        f->scene.AddBox(col * 400.0, row * 2400.0 / 41, 0, 382, 18, 580);
        f->scene.color[static_cast<std::size_t>(i)] = Rgb(120 + (i * 37) % 120, 90 + (i * 53) % 120, 60);
        f->pieceNames.push_back("Polita " + std::to_string(i + 1));
        if (i % 3 == 0) f->attrs.textureFile[static_cast<std::size_t>(i)] = textures[i % 4];
        f->attrs.materialCode[static_cast<std::size_t>(i)] = "PAL18";
    }
    f->scene.current = 0;
    f->scene.UpdateModelCentre();
    WriteMobilaFile(path, CaptureMobilaFile(*f, 0));
    return path;
}

void BM_ReadFile(benchmark::State& state) {
    const std::string path = FurnitureFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        MobilaFile f = ReadMobilaFile(path);
        benchmark::DoNotOptimize(f.points.data());
    }
    state.SetLabel("read and checked");
}
BENCHMARK(BM_ReadFile)->ArgName("pieces")->Arg(12)->Arg(50)->Arg(200)->Unit(benchmark::kMicrosecond);

// The messages of a run count as failures of the benchmark.
struct Quiet {
    ScriptedDialogs dialogs;
    Quiet() { SetDialogBackend(&dialogs); }
    ~Quiet() { SetDialogBackend(nullptr); }
    bool Spoke() const { return !dialogs.records.empty(); }
};

void BM_OpenCommand(benchmark::State& state) {
    const std::string path = FurnitureFile(static_cast<int>(state.range(0)));
    Quiet quiet;
    CreateForms();
    TMain* m = Forms().Main;
    m->show();
    // Soft rendering: the views the open command draws are the software ones.
    for (auto _ : state) {
        m->model.fileName = path;
        if (!m->OpenFurniture()) state.SkipWithError("not opened");
        m->AfterFileOpened();
    }
    if (quiet.Spoke()) state.SkipWithError("a message was shown");
    state.SetLabel("atlas, views, piece window");
    DestroyForms();
}
BENCHMARK(BM_OpenCommand)->ArgName("pieces")->Arg(12)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_StartWithFile(benchmark::State& state) {
    const std::string path = FurnitureFile(static_cast<int>(state.range(0)));
    Quiet quiet;
    for (auto _ : state) {
        CreateForms();
        TMain* m = Forms().Main;
        m->commandLineArgs = {path};
        m->show();
        if (m->model.scene.pieceCount != state.range(0)) state.SkipWithError("not opened");
        DestroyForms();
    }
    if (quiet.Spoke()) state.SkipWithError("a message was shown");
    state.SetLabel("windows made, file opened, closed");
}
BENCHMARK(BM_StartWithFile)->ArgName("pieces")->Arg(12)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zv

int main(int argc, char** argv) {
    zv::bench::OffscreenUnlessNamed(); // text and pictures need no display
    QApplication app(argc, argv);
    // The offscreen platform warns at every window raised; the table is what counts.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
