// Frames per second of the OpenGL view, counted where frames are painted, at
// 1024 x 768: 12, 50 and 200 pieces, plain, all textured, and all with the
// "Cerc.bmp" contour, in "Cu iluminare" and "Sarmos". Run it on a display
// (under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" ./bench_gl_render).
#include "ui/Forms.h"
#include "ui/GLView.h"
#include "ui/TMain.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QWindow>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace zv {
namespace {

// Runs the event loop until the condition holds or the time is up.
template <class Cond> bool WaitFor(Cond cond, int ms) {
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_gl_render";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "xcb" : qgetenv("QT_QPA_PLATFORM"));
        return new QApplication(argc, argv);
    }();
    return *app;
}

TMain* Window() {
    static TMain* main = [] {
        App();
        CreateForms();
        TMain* m = Forms().Main;
        m->resize(1024, 768 + m->menuBar()->sizeHint().height());
        m->show();
        WaitFor([m] { return m->windowHandle() && m->windowHandle()->isExposed(); }, 5000);
        WaitFor([m] { return m->GLView->MakeCurrent(); }, 5000);
        // Make the client area exactly 1024 x 768 whatever the menu bar took.
        const QSize c = m->centralWidget()->size();
        m->resize(m->width() + 1024 - c.width(), m->height() + 768 - c.height());
        WaitFor([] { return false; }, 200);
        return m;
    }();
    return main;
}

// A board-like wood picture for the atlas: 500 x 500 RGB, rows bottom first.
AtlasPixels WoodPicture(int w, int h) {
    AtlasPixels px;
    px.width = w;
    px.height = h;
    px.rowBytes = (w * 3 + 3) / 4 * 4;
    px.rgb.assign(static_cast<std::size_t>(px.rowBytes * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double ring = 0.5 + 0.5 * std::sin(x * 0.09 + 6 * std::sin(y * 0.011));
            unsigned char* p = &px.rgb[static_cast<std::size_t>(y * px.rowBytes + x * 3)];
            p[0] = static_cast<unsigned char>(150 + 70 * ring);
            p[1] = static_cast<unsigned char>(100 + 50 * ring);
            p[2] = static_cast<unsigned char>(50 + 30 * ring);
        }
    return px;
}

enum Kind { Plain = 0, Textured = 1, Contoured = 2 };

// n pieces as a wall of panels 300 x 400 x 18, thin along Z, facing the eye.
void Build(TMain* m, int n, Kind kind) {
    Furniture& f = m->model;
    Scene3D& s = f.scene;
    s.Clear();
    f.pieceNames.clear();
    const int cols = static_cast<int>(std::ceil(std::sqrt(n)));
    for (int i = 0; i < n; ++i) {
        const int cx = i % cols, cy = i / cols;
        s.AddBox(cx * 320.0, cy * 420.0, (i % 3) * 30.0, 300, 400, 18);
        s.color[static_cast<std::size_t>(i)] = Rgb(100 + (i * 37) % 150, 90 + (i * 53) % 150, 80 + (i * 71) % 150);
        f.pieceNames.push_back("Piesa");
        f.attrs.modelFace[static_cast<std::size_t>(i)] = 1; // thickness along Z
        f.attrs.textureIndex[static_cast<std::size_t>(i)] = kind == Plain ? -1 : 0;
        f.attrs.textureRepeated[static_cast<std::size_t>(i)] = 1;
        f.attrs.modelFile[static_cast<std::size_t>(i)] = kind == Contoured ? std::string(ZV_DATA_DIR "/Cerc.bmp") : "";
    }
    s.current = 0;
    s.rotX = 0.35;
    s.rotY = -0.5;
    f.textures.count = kind == Plain ? 0 : 1;
    f.textures.width[0] = f.textures.height[0] = 500;
    f.textures.requestedWidth[0] = f.textures.requestedHeight[0] = 500;
    f.textures.repeatScale[0] = 200;
    f.exteriorView = 1;
    m->EnableDesignControls();
}

void BM_GLFrames(benchmark::State& state) {
    TMain* m = Window();
    const int n = static_cast<int>(state.range(0));
    const Kind kind = static_cast<Kind>(state.range(1));
    const int mode = static_cast<int>(state.range(2));
    Build(m, n, kind);
    if (kind != Plain) {
        static const AtlasPixels wood = WoodPicture(500, 500);
        m->GLView->LoadAtlas(wood);
    } else {
        m->GLView->LoadAtlas(AtlasPixels{});
    }
    m->ComboBox3->setCurrentIndex(mode);
    m->Timer3->stop(); // the counter is read here, not shown
    m->Timer2->start();
    // Warm up: the geometry is built on the first frames.
    m->frameCounter = 0;
    while (m->frameCounter < 5) QCoreApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    int frames = 0;
    for (auto _ : state) {
        const int before = m->frameCounter;
        while (m->frameCounter == before) QCoreApplication::processEvents();
        ++frames;
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    state.counters["fps"] = seconds > 0 ? frames / seconds : 0;
    state.SetLabel(std::string(kind == Plain ? "plain" : kind == Textured ? "textured" : "Cerc.bmp contour") +
                   (mode == 0 ? ", Cu iluminare" : ", Sarmos"));
    m->Timer2->stop();
}

BENCHMARK(BM_GLFrames)
    ->ArgsProduct({{12, 50, 200}, {Plain, Textured, Contoured}, {0, 1}})
    ->ArgNames({"pieces", "kind", "mode"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0);

} // namespace
} // namespace zv

BENCHMARK_MAIN();
