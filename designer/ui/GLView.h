#pragma once
// The OpenGL drawing surface of the main window: a compatibility-profile
// context with a depth buffer and no multisampling, filling the client area
// behind the panels. It draws nothing of its own: the main window hands it
// what to do through the callbacks, and its mouse events go to the form's
// handlers. Where the platform has no OpenGL (the offscreen test platform)
// the view stays a white area and every drawing call does nothing.
#include "platform/widgets/PictureBox.h"
#include "render/Contour.h"
#include "render/GLRender.h"
#include "render/TextureAtlas.h"

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QSurfaceFormat>
#include <QWidget>
#include <functional>

class QTimer;

namespace zv {

class OpenGLView;

// The QOpenGLWidget itself, inside the view; mouse events pass through it.
class OpenGLSurface : public QOpenGLWidget {
public:
    explicit OpenGLSurface(OpenGLView* owner);
    ~OpenGLSurface() override;
    bool Ready() const { return ready_; }

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

private:
    void ContextGoing();
    OpenGLView* owner_;
    bool ready_ = false;
};

class OpenGLView : public QWidget {
    Q_OBJECT
public:
    explicit OpenGLView(QWidget* parent = nullptr);
    ~OpenGLView() override;

    // The format the view asks for.
    static QSurfaceFormat Format();
    // Whether the platform can give this view a context at all.
    static bool PlatformHasOpenGL();

    bool HasGL() const { return surface_ != nullptr; }
    GLSceneRenderer& Renderer() { return renderer_; }
    // Traced contour models of the pieces drawn here, kept until a file changes.
    ContourCache& Contours() { return contours_; }

    // Makes the context current (binding the view's frame buffer) for drawing
    // outside a paint; false while there is no usable context.
    bool MakeCurrent();
    // Asks for one frame to be painted. Paced, a frame comes no sooner than
    // one refresh after the last one; requests in between wait and merge.
    void Redraw();
    // Pacing is on from the start; off, every request paints at once (the
    // benchmark measures the drawing itself).
    void SetPaced(bool paced);
    bool Paced() const { return paced_; }
    // One refresh of the screen the view is on, in whole milliseconds (at
    // least 1); 60 Hz where the screen does not say.
    int FrameIntervalMs() const;
    // Frames painted since the view was made.
    long FramesPainted() const { return framesPainted_; }
    // The window shows the view: not hidden, minimised or unexposed.
    bool Exposed() const;
    // Loads the atlas as the one texture, dropping the earlier one; empty
    // pixels leave every piece in its colour. Before the context exists the
    // pixels wait and are loaded when it is made. whiteBand off draws each
    // untextured face with texturing switched off (the same picture, slower).
    void LoadAtlas(const AtlasPixels& pixels, bool whiteBand = true);

    std::function<void()> onInit;               // after the context is made
    std::function<void()> onPaint;              // draw one frame
    std::function<void(int w, int h)> onResize; // in device pixels
    using MouseArgs = PictureBox::MouseArgs;
    std::function<void(const MouseArgs&)> onMouseDown, onMouseMove, onMouseUp, onDoubleClick;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    friend class OpenGLSurface;
    void AfterPaint();
    OpenGLSurface* surface_ = nullptr;
    bool paced_ = true;
    QTimer* paceTimer_ = nullptr; // the wait until the next refresh
    QElapsedTimer lastFrame_;     // started at each painted frame
    long framesPainted_ = 0;
    GLSceneRenderer renderer_;
    ContourCache contours_;
    bool messagesDue_ = false;
    AtlasPixels pendingAtlas_;
    bool atlasPending_ = false, pendingBand_ = true;
};

} // namespace zv
