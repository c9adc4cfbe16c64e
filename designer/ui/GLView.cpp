#include "GLView.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace zv {

namespace {
OpenGLView::MouseArgs ArgsOf(const QMouseEvent* e) {
    OpenGLView::MouseArgs a;
    a.button = e->button();
    a.buttons = e->buttons();
    a.modifiers = e->modifiers();
    const QPoint p = e->position().toPoint();
    a.x = p.x();
    a.y = p.y();
    return a;
}
} // namespace

// ---- the surface ----

OpenGLSurface::OpenGLSurface(OpenGLView* owner) : QOpenGLWidget(owner), owner_(owner) {
    setFormat(OpenGLView::Format());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

OpenGLSurface::~OpenGLSurface() {
    // The base class still announces the context's end: this object is gone by then.
    if (context()) disconnect(context(), nullptr, this, nullptr);
    if (ready_ && context()) {
        makeCurrent();
        owner_->renderer_.ReleaseGL(true);
        doneCurrent();
    }
}

void OpenGLSurface::ContextGoing() {
    if (!ready_) return;
    makeCurrent();
    owner_->renderer_.ReleaseGL(context() && context()->isValid());
    doneCurrent();
    ready_ = false;
}

void OpenGLSurface::initializeGL() {
    if (!context() || !context()->isValid()) return;
    ready_ = true;
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] { ContextGoing(); });
    InitGL();
    if (owner_->onInit) owner_->onInit();
    if (owner_->atlasPending_) {
        const AtlasPixels pixels = std::move(owner_->pendingAtlas_);
        owner_->LoadAtlas(pixels, owner_->pendingBand_);
    }
}

void OpenGLSurface::resizeGL(int w, int h) {
    if (!ready_) return;
    const int dw = static_cast<int>(w * devicePixelRatio()), dh = static_cast<int>(h * devicePixelRatio());
    if (owner_->onResize)
        owner_->onResize(dw, dh);
    else
        SetupProjection(dw, dh);
}

void OpenGLSurface::paintGL() {
    owner_->lastFrame_.start();
    ++owner_->framesPainted_;
    if (!ready_) return;
    if (owner_->onPaint)
        owner_->onPaint();
    else
        ClearGLFrame(0);
    owner_->AfterPaint();
}

// ---- the view ----

QSurfaceFormat OpenGLView::Format() {
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setVersion(2, 1);
    f.setRedBufferSize(8);
    f.setGreenBufferSize(8);
    f.setBlueBufferSize(8);
    f.setDepthBufferSize(24);
    f.setSamples(0);
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    // Where the platform honours it the swap waits for the refresh (the
    // default interval of 1); the view's own pacing covers the platforms that
    // do not. A program that sets another default (the benchmark) keeps it.
    f.setSwapInterval(QSurfaceFormat::defaultFormat().swapInterval());
    return f;
}

bool OpenGLView::PlatformHasOpenGL() {
    static const bool has = [] {
        const QString p = QGuiApplication::platformName();
        if (p == "offscreen" || p == "minimal") return false;
        QOpenGLContext probe;
        probe.setFormat(Format());
        return probe.create();
    }();
    return has;
}

OpenGLView::OpenGLView(QWidget* parent) : QWidget(parent) {
    setObjectName("GLView");
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    if (PlatformHasOpenGL()) {
        surface_ = new OpenGLSurface(this);
        surface_->setGeometry(rect());
    }
    paceTimer_ = new QTimer(this);
    paceTimer_->setSingleShot(true);
    paceTimer_->setTimerType(Qt::PreciseTimer);
    connect(paceTimer_, &QTimer::timeout, this, [this] {
        if (surface_) surface_->update();
    });
}

OpenGLView::~OpenGLView() {
    delete surface_; // before the renderer it frees
    surface_ = nullptr;
}

bool OpenGLView::MakeCurrent() {
    if (!surface_ || !surface_->Ready() || !surface_->context() || !surface_->context()->isValid()) return false;
    surface_->makeCurrent();
    return QOpenGLContext::currentContext() == surface_->context();
}

void OpenGLView::Redraw() {
    if (!surface_) return;
    if (!paced_ || !lastFrame_.isValid()) {
        surface_->update();
        return;
    }
    if (paceTimer_->isActive()) return; // a frame is already waiting for its turn
    const qint64 left = FrameIntervalMs() - lastFrame_.elapsed();
    if (left <= 0)
        surface_->update();
    else
        paceTimer_->start(static_cast<int>(left));
}

void OpenGLView::SetPaced(bool paced) {
    paced_ = paced;
    if (!paced_ && paceTimer_->isActive()) {
        paceTimer_->stop();
        if (surface_) surface_->update();
    }
}

int OpenGLView::FrameIntervalMs() const {
    const QScreen* sc = screen();
    qreal hz = sc ? sc->refreshRate() : 0;
    if (!(hz >= 20 && hz <= 500)) hz = 60; // unknown or implausible
    return std::max(1, static_cast<int>(std::ceil(1000.0 / hz)));
}

bool OpenGLView::Exposed() const {
    if (!surface_ || isHidden() || !isVisible()) return false;
    const QWidget* top = window();
    if (!top || top->isMinimized()) return false;
    const QWindow* w = top->windowHandle();
    return w && w->isExposed();
}

void OpenGLView::LoadAtlas(const AtlasPixels& pixels, bool whiteBand) {
    if (!MakeCurrent()) {
        pendingAtlas_ = pixels;
        atlasPending_ = true;
        pendingBand_ = whiteBand;
        return;
    }
    atlasPending_ = false;
    pendingAtlas_.Clear();
    unsigned name = renderer_.AtlasTexture();
    bool band = false;
    LoadTexture(pixels, name, whiteBand ? &band : nullptr);
    renderer_.SetAtlasTexture(name, band);
}

void OpenGLView::AfterPaint() {
    // A model that could not be traced says so once, after the frame.
    if (contours_.HasMessages() && !messagesDue_) {
        messagesDue_ = true;
        QTimer::singleShot(0, this, [this] {
            contours_.ShowMessages();
            messagesDue_ = false;
        });
    }
}

void OpenGLView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (surface_) surface_->setGeometry(rect());
}

void OpenGLView::mousePressEvent(QMouseEvent* e) {
    if (onMouseDown) onMouseDown(ArgsOf(e));
}
void OpenGLView::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove) onMouseMove(ArgsOf(e));
}
void OpenGLView::mouseReleaseEvent(QMouseEvent* e) {
    if (onMouseUp) onMouseUp(ArgsOf(e));
}
void OpenGLView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (onDoubleClick) onDoubleClick(ArgsOf(e));
}

} // namespace zv
