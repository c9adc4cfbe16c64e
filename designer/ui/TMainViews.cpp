// The views: the software 3D view and the mini views, their mouse drags, the
// timers, the texture atlas and the OpenGL view.
#include "TMain.h"

#include "Forms.h"
#include "GLView.h"
#include "TIncarcDate.h"
#include "render/SoftRender.h"

#include <GL/gl.h>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QOpenGLFramebufferObject>
#include <cmath>
#include <QLabel>
#include <QSlider>
#include <QTimer>

namespace zv {

void TMain::Redraw3D() {
    if (!SoftRenderChosen()) return;
    Redraw3DImage(model.scene, Image4->canvas(), Image4->width(), Image4->height(), DisplayMode(), model.exteriorView);
    Image4->update();
}

void TMain::SwapMiniView(int k) {
    static const char* const labels[7] = {"", "Fata:", "Spate:", "Stanga:", "Dreapta:", "Sus:", "Jos:"};
    if (k < 0 || k > 2) return;
    int& v = miniView_[k];
    v = v % 2 == 1 ? v + 1 : v - 1; // 1 and 2, 3 and 4, 5 and 6 face each other
    QLabel* const shown[3] = {Label1, Label2, Label3};
    shown[k]->setText(labels[v]);
}

void TMain::DrawProjections(int which) {
    PictureBox* images[3] = {Image1, Image2, Image3};
    for (int k = 0; k < 3; ++k) {
        if (which != 0 && which != k + 1) continue;
        PictureBox* img = images[k];
        RedrawProjectionImage(model.scene, img->canvas(), img->width(), img->height(), MiniViewShown(k),
                              model.projParams.x[k], model.projParams.y[k], DisplayMode());
        img->update();
    }
}

void TMain::DrawAxes() {
    zv::DrawAxes(Image4->canvas(), Image4->height());
    Image4->update();
}

void TMain::FitViewScale() {
    zv::FitViewScale(model.scene, Image4->width(), Image4->height(), model.dim.H, model.dim.W);
}

void TMain::BuildTextureAtlas() {
    AtlasHooks hooks;
    hooks.showNotice = [] {
        if (Forms().IncarcDate) Forms().IncarcDate->ShowNow();
    };
    hooks.hideNotice = [] {
        if (Forms().IncarcDate) Forms().IncarcDate->hide();
    };
    hooks.pauseTimer = [this] {
        const bool running = Timer2->isActive();
        Timer2->stop();
        return running;
    };
    hooks.restoreTimer = [this](bool running) {
        if (running) Timer2->start();
    };
    AtlasOptions options;
    GLint maxTexture = 0;
    if (GLView->MakeCurrent()) glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTexture);
    options.maxTextureSize = maxTexture;
    zv::BuildTextureAtlas(model, atlasPixels, hooks, options);
    GLView->LoadAtlas(atlasPixels);
}

void TMain::UpdatePieceTexture(int piece) {
    if (zv::UpdatePieceTexture(model, piece)) BuildTextureAtlas();
}

namespace {
int ButtonState(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 3;
    default: return 0;
    }
}
// While a drag goes on the hatched redraw waits for a pause, so every drag
// step is one redraw; once the button is up it comes at once.
constexpr int kDragPauseMs = 150;
} // namespace

void TMain::Image4MouseDown(const PictureBox::MouseArgs& a) {
    pickX = a.x;
    pickY = a.y;
    mouse3DMode = ButtonState(a.button);
}

void TMain::Image4MouseMove(const PictureBox::MouseArgs& a) {
    if (last3DX == 0 && last3DY == 0) {
        last3DX = a.x;
        last3DY = a.y;
    }
    const int dx = a.x - last3DX, dy = a.y - last3DY;
    const bool shift = a.modifiers & Qt::ShiftModifier;
    Scene3D& s = model.scene;
    if (mouse3DMode == 1) {
        if (shift)
            s.rotZ += dx / 200.0;
        else
            s.rotY -= dx / 200.0;
        s.rotX -= dy / 200.0;
    } else if (mouse3DMode == 2) {
        if (shift)
            s.panY += dy;
        else
            s.panZ -= dy;
        s.panX += dx;
    }
    if (mouse3DMode == 1 || mouse3DMode == 2) {
        s.currentFillStyle = 1;
        Timer1->start(kDragPauseMs);
        Redraw3D();
        if (DesignOpen()) SetModified(true); // turning the empty view changes no furniture
    }
    last3DX = a.x;
    last3DY = a.y;
}

void TMain::Image4MouseUp(const PictureBox::MouseArgs& a) {
    mouse3DMode = 0;
    last3DX = a.x;
    last3DY = a.y;
    if (Timer1->isActive()) Timer1->start(1);
}

void TMain::ImageMiniMouseDown(int view, const PictureBox::MouseArgs& a) {
    if (view < 0 || view > 2) return;
    viewDrag[view].button = ButtonState(a.button);
}

void TMain::ImageMiniMouseMove(int view, const PictureBox::MouseArgs& a) {
    if (view < 0 || view > 2) return;
    ViewDrag& d = viewDrag[view];
    if (!(a.buttons & Qt::LeftButton)) {
        d.button = 0;
        d.lastX = d.lastY = 0;
        return;
    }
    if (d.lastX == 0 && d.lastY == 0) {
        d.lastX = a.x;
        d.lastY = a.y;
    }
    if (d.button == 1 || d.button == 2) {
        model.projParams.x[view] += a.x - d.lastX;
        model.projParams.y[view] += d.lastY - a.y;
        Timer1->start(kDragPauseMs);
        DrawProjections(view + 1);
        if (DesignOpen()) SetModified(true);
        d.lastX = a.x;
        d.lastY = a.y;
    }
}

void TMain::ImageMiniMouseUp(int view, const PictureBox::MouseArgs& a) {
    if (view < 0 || view > 2) return;
    viewDrag[view].button = 0;
    viewDrag[view].lastX = a.x;
    viewDrag[view].lastY = a.y;
    if (Timer1->isActive()) Timer1->start(1);
}

void TMain::Timer1Timer() {
    model.scene.currentFillStyle = HatchChecked() ? 7 : 1;
    Timer1->stop();
    Timer1->setInterval(1); // a drag may have left its pause interval
    Redraw3D();
}
namespace {
// Tick of the redraw timer while there is nothing to draw or nowhere to show it.
constexpr int kIdleRedrawMs = 200;
} // namespace

void TMain::Timer2Timer() {
    // Hidden or minimised: nothing is drawn, and the timer slows down until
    // the window shows again.
    if (!GLView->Exposed()) {
        Timer2->setInterval(kIdleRedrawMs);
        return;
    }
    if (DesignOpen()) {
        Timer2->setInterval(GLView->FrameIntervalMs()); // one frame a refresh
        glShowsFurniture_ = true;
        GLView->Redraw(); // the frame is counted where it is painted
    } else if (glShowsFurniture_) {
        glShowsFurniture_ = false;
        GLView->Redraw();
    } else {
        Timer2->setInterval(kIdleRedrawMs);
    }
}

void TMain::Timer3Timer() {
    Label6->setText("Frame/sec: " + QString::number(frameCounter));
    frameCounter = 0;
    GLView->Renderer().RecheckModelFiles();
}

GLFrameInputs TMain::GLInputs() const {
    GLFrameInputs in;
    in.scene = &model.scene;
    in.attrs = &model.attrs;
    in.textures = &model.textures;
    in.ambient = TrackBar1->value();
    in.ambientMax = TrackBar1->maximum();
    in.diffuse = TrackBar2->value();
    in.diffuseMax = TrackBar2->maximum();
    in.displayMode = DisplayMode();
    in.hatchCurrent = HatchChecked();
    in.concaveModels = ConcaveModels();
    in.miniViewsShown = MiniViewsShown();
    in.exteriorView = model.exteriorView;
    return in;
}

void TMain::PaintGLFrame() {
    if (DesignOpen()) {
        ++frameCounter;
        GLView->Renderer().RenderScene(-1, GLInputs());
    } else {
        zv::ClearGLFrame(DisplayMode());
    }
}

void TMain::InitGL() {
    if (GLView->MakeCurrent()) zv::InitGL();
}

void TMain::FormPaint() {
    if (GLView->MakeCurrent()) SetupLights(lights);
    frameCounter = 0;
}

void TMain::RenderScene(int piece) {
    if (!GLView->MakeCurrent()) return;
    GLView->Renderer().RenderScene(piece, GLInputs());
    if (piece == -1) SwapGLBuffers();
}

void TMain::ClearGLFrame() {
    if (GLView->MakeCurrent()) zv::ClearGLFrame(DisplayMode());
}

void TMain::SwapGLBuffers() { GLView->Redraw(); }

void TMain::WindowShotGL2(QImage& bitmap) {
    if (GLView->MakeCurrent())
        zv::WindowShotGL2(bitmap);
    else
        bitmap = QImage();
}

int TMain::PickGL(int x, int y) {
    if (!GLView->MakeCurrent()) return -1;
    // The frame is in device pixels; the pick point in widget pixels.
    const qreal ratio = GLView->devicePixelRatioF();
    const int w = qRound(GLView->width() * ratio), h = qRound(GLView->height() * ratio);
    const int px = static_cast<int>(std::floor(x * ratio)), py = static_cast<int>(std::floor(y * ratio));
    if (w <= 0 || h <= 0 || px < 0 || py < 0 || px >= w || py >= h) return -1;
    // A frame buffer of its own: the view's buffer is what Qt shows.
    int hit = -1;
    {
        QOpenGLFramebufferObject fbo(w, h, QOpenGLFramebufferObject::Depth);
        if (fbo.isValid() && fbo.bind()) hit = GLView->Renderer().PickPiece(GLInputs(), w, h, px, py);
    }
    GLView->MakeCurrent(); // the view's frame buffer bound again
    return hit;
}

void TMain::FormDblClick() {
    if (!DesignOpen() || SoftRenderChosen() || model.scene.pieceCount <= 0) return;
    // No timer tick may draw while the pick pass is in the context.
    const bool render = Timer2->isActive(), rate = Timer3->isActive();
    Timer2->stop();
    Timer3->stop();
    const int hit = PickGL(pickX, pickY);
    if (render) Timer2->start();
    if (rate) Timer3->start();
    if (hit < 0) return;
    model.scene.current = hit;
    RefreshPieceWindow();
    SetModified(true);
    DrawProjections(0);
    GLView->Redraw();
}

void TMain::Image4DblClick() {
    if (!DesignOpen() || !SoftRenderChosen()) return;
    const int hit = PickPiece(model.scene, Image4->width(), Image4->height(), ComboBox3->currentIndex(),
                              model.exteriorView, pickX, pickY);
    if (hit < 0) return;
    model.scene.current = hit;
    ShowModelChange({});
    SetModified(true);
}

// Rotation and pan on the OpenGL view follow the software view's rules, on the same fields.
void TMain::FormMouseDown(const PictureBox::MouseArgs& a) { Image4MouseDown(a); }
void TMain::FormMouseMove(const PictureBox::MouseArgs& a) { Image4MouseMove(a); }
void TMain::FormMouseUp(const PictureBox::MouseArgs& a) { Image4MouseUp(a); }

} // namespace zv
