#include "GLView.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QResizeEvent>
#include <QTimer>
#include <QWindow>

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
        owner_->LoadAtlas(pixels);
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
    if (surface_) surface_->update();
}

bool OpenGLView::Exposed() const {
    if (!surface_ || isHidden() || !isVisible()) return false;
    const QWidget* top = window();
    if (!top || top->isMinimized()) return false;
    const QWindow* w = top->windowHandle();
    return w && w->isExposed();
}

void OpenGLView::LoadAtlas(const AtlasPixels& pixels) {
    if (!MakeCurrent()) {
        pendingAtlas_ = pixels;
        atlasPending_ = true;
        return;
    }
    atlasPending_ = false;
    pendingAtlas_.Clear();
    unsigned name = renderer_.AtlasTexture();
    LoadTexture(pixels, name);
    renderer_.SetAtlasTexture(name);
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
