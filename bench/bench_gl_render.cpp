// Frames of the OpenGL view at 1024 x 768, unpaced, each from the request to
// the frame shown: 12, 50 and 200 pieces, plain, all textured, and all with
// the "Cerc.bmp" contour, in "Cu iluminare" and "Sarmos". Beside each case,
// its limit: the same triangles, normals, colours and texture coordinates in
// one static vertex buffer drawn with one call, through the same widget and
// present; and the empty frame, the fixed cost of the present. Our frames and
// the limit's alternate, so the ratio holds on a busy machine. Run it on a
// display (under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" ./bench_gl_render).
#include "ui/Forms.h"
#include "ui/GLView.h"
#include "ui/TMain.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QWindow>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
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
        // The drawing is measured, not the wait for the screen's refresh.
        QSurfaceFormat f = QSurfaceFormat::defaultFormat();
        f.setSwapInterval(0);
        QSurfaceFormat::setDefaultFormat(f);
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
        m->GLView->SetPaced(false);
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

// The limit: the frame's triangles in one static buffer, one draw call.
class LimitFrame {
public:
    // Takes the triangles of the current model; the buffer is made on the next paint.
    void Take(TMain* m) {
        tri_ = FrameTriangles{};
        m->GLView->Renderer().CollectTriangles(m->GLInputs(), tri_);
        uploaded_ = false;
    }
    std::size_t Vertices() const { return tri_.VertexCount(); }

    void Paint(TMain* m) {
        QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
        if (!uploaded_) Upload(gl);
        const GLFrameInputs in = m->GLInputs();
        ClearGLFrame(in.displayMode);
        const float p = static_cast<float>(in.ambient) / in.ambientMax,
                    q = static_cast<float>(in.diffuse) / in.diffuseMax;
        const float amb[4] = {p, p, p, 1}, dif[4] = {q, q, q, 1};
        glLightfv(GL_LIGHT1, GL_AMBIENT, amb);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, dif);
        if (tri_.VertexCount() == 0) return;
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixd(tri_.modelview);
        glEnable(GL_COLOR_MATERIAL);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        const unsigned atlas = m->GLView->Renderer().AtlasTexture();
        const bool textured = tri_.textured && atlas != 0;
        if (textured) {
            glBindTexture(GL_TEXTURE_2D, atlas);
            glEnable(GL_TEXTURE_2D);
        }
        gl->glBindBuffer(GL_ARRAY_BUFFER, buffer_);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glEnableClientState(GL_EDGE_FLAG_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, reinterpret_cast<const void*>(offPos_));
        glNormalPointer(GL_FLOAT, 0, reinterpret_cast<const void*>(offNrm_));
        glColorPointer(3, GL_FLOAT, 0, reinterpret_cast<const void*>(offCol_));
        glEdgeFlagPointer(0, reinterpret_cast<const void*>(offEdge_));
        if (textured) {
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            glTexCoordPointer(2, GL_FLOAT, 0, reinterpret_cast<const void*>(offTex_));
        }
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(tri_.VertexCount()));
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_EDGE_FLAG_ARRAY);
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_COLOR_MATERIAL);
        glLoadIdentity();
    }

private:
    void Upload(QOpenGLFunctions* gl) {
        if (buffer_ == 0) gl->glGenBuffers(1, &buffer_);
        auto bytes = [](const auto& v) { return static_cast<std::size_t>(v.size() * sizeof(v[0])); };
        offPos_ = 0;
        offNrm_ = offPos_ + bytes(tri_.position);
        offCol_ = offNrm_ + bytes(tri_.normal);
        offTex_ = offCol_ + bytes(tri_.color);
        offEdge_ = offTex_ + bytes(tri_.texCoord);
        const std::size_t total = offEdge_ + bytes(tri_.edge);
        gl->glBindBuffer(GL_ARRAY_BUFFER, buffer_);
        gl->glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(total), nullptr, GL_STATIC_DRAW);
        auto put = [&](std::size_t off, const auto& v) {
            if (!v.empty())
                gl->glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(off), static_cast<GLsizeiptr>(bytes(v)),
                                    v.data());
        };
        put(offPos_, tri_.position);
        put(offNrm_, tri_.normal);
        put(offCol_, tri_.color);
        put(offTex_, tri_.texCoord);
        put(offEdge_, tri_.edge);
        gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
        uploaded_ = true;
    }
    FrameTriangles tri_;
    GLuint buffer_ = 0;
    std::size_t offPos_ = 0, offNrm_ = 0, offCol_ = 0, offTex_ = 0, offEdge_ = 0;
    bool uploaded_ = false;
};

enum class Painter { Ours, Limit, Empty };

struct Bench {
    TMain* m = nullptr;
    std::function<void()> ours; // the window's own frame
    LimitFrame limit;
    Painter painter = Painter::Ours;
    int builtFor[3] = {-1, -1, -1};

    static Bench& Get() {
        static Bench b = [] {
            Bench x;
            x.m = Window();
            x.ours = x.m->GLView->onPaint;
            return x;
        }();
        return b;
    }

    void Use(Painter p) {
        painter = p;
        m->GLView->onPaint = [this] {
            switch (painter) {
            case Painter::Ours: ours(); break;
            case Painter::Limit: limit.Paint(m); break;
            case Painter::Empty: ClearGLFrame(m->DisplayMode()); break;
            }
        };
    }

    // One frame from the request until it is shown; in seconds.
    double Frame(Painter p) {
        Use(p);
        const long before = m->GLView->FramesPainted();
        QElapsedTimer t;
        t.start();
        m->GLView->Redraw();
        // The frame is painted and presented within one pass of the loop.
        while (m->GLView->FramesPainted() == before) QCoreApplication::processEvents();
        return static_cast<double>(t.nsecsElapsed()) / 1e9;
    }

    void Prepare(int n, Kind kind, int mode) {
        if (builtFor[0] == n && builtFor[1] == kind && builtFor[2] == mode) return;
        Build(m, n, kind);
        if (kind != Plain) {
            static const AtlasPixels wood = WoodPicture(500, 500);
            m->GLView->LoadAtlas(wood);
        } else {
            m->GLView->LoadAtlas(AtlasPixels{});
        }
        m->ComboBox3->setCurrentIndex(mode);
        m->Timer2->stop(); // frames are asked for here, one at a time
        m->Timer3->stop();
        limit.Take(m);
        // Warm up: our geometry is built, the limit's buffer filled.
        for (int k = 0; k < 3; ++k) {
            Frame(Painter::Ours);
            Frame(Painter::Limit);
        }
        builtFor[0] = n;
        builtFor[1] = kind;
        builtFor[2] = mode;
    }
};

std::string KindName(Kind k) { return k == Plain ? "plain" : k == Textured ? "textured" : "Cerc.bmp contour"; }

// Each iteration times one frame of the row's painter, then one of the other,
// so both see the same load; the ratio is our frame rate over the limit's.
void RunPair(benchmark::State& state, int n, Kind kind, int mode, Painter row) {
    Bench& b = Bench::Get();
    b.Prepare(n, kind, mode);
    const Painter other = row == Painter::Ours ? Painter::Limit : Painter::Ours;
    double own = 0, others = 0;
    const long rebuilt = b.m->GLView->Renderer().RebuildCount();
    for (auto _ : state) {
        const double t = b.Frame(row);
        state.SetIterationTime(t);
        own += t;
        others += b.Frame(other);
    }
    const double ours = row == Painter::Ours ? own : others, lim = row == Painter::Ours ? others : own;
    state.counters["fps"] = own > 0 ? static_cast<double>(state.iterations()) / own : 0;
    state.counters["ratio"] = ours > 0 ? lim / ours : 0;
    state.counters["triangles"] = static_cast<double>(b.limit.Vertices() / 3);
    state.counters["rebuilt"] = static_cast<double>(b.m->GLView->Renderer().RebuildCount() - rebuilt);
    state.SetLabel(KindName(kind) + (mode == 0 ? ", Cu iluminare" : ", Sarmos") +
                   (row == Painter::Ours ? "" : ", limit"));
}

// The present alone: the same window cleared, nothing drawn.
void BM_EmptyFrame(benchmark::State& state) {
    Bench& b = Bench::Get();
    b.Prepare(12, Plain, 0);
    double total = 0;
    for (auto _ : state) {
        const double t = b.Frame(Painter::Empty);
        state.SetIterationTime(t);
        total += t;
    }
    state.counters["fps"] = total > 0 ? static_cast<double>(state.iterations()) / total : 0;
    state.SetLabel("no pieces, 1024 x 768");
}

void RegisterAll() {
    benchmark::RegisterBenchmark("GLFrame/empty", BM_EmptyFrame)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->MinTime(0.5);
    for (int mode : {0, 1})
        for (Kind kind : {Plain, Textured, Contoured})
            for (int n : {12, 50, 200})
                for (Painter row : {Painter::Ours, Painter::Limit}) {
                    const std::string name = "GLFrame/" + std::to_string(n) + "/" +
                                             (kind == Plain      ? "plain"
                                              : kind == Textured ? "textured"
                                                                 : "contour") +
                                             (mode == 0 ? "/lit" : "/wire") +
                                             (row == Painter::Ours ? "/ours" : "/limit");
                    benchmark::RegisterBenchmark(name.c_str(),
                                                 [=](benchmark::State& st) { RunPair(st, n, kind, mode, row); })
                        ->Unit(benchmark::kMillisecond)
                        ->UseManualTime()
                        ->MinTime(0.5);
                }
}

} // namespace
} // namespace zv

int main(int argc, char** argv) {
    // The view needs OpenGL on a display; say so rather than let the platform abort.
    if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty()) {
        std::fprintf(stderr, "bench_gl_render needs a display: xvfb-run -a -s \"-screen 0 1280x1024x24\" %s\n",
                     argv[0]);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    zv::RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
