#pragma once
// A picture control: shows a Canvas and passes its mouse events on.
#include "platform/Canvas.h"

#include <QWidget>
#include <functional>

namespace zv {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }
    // Sizes the bitmap to the control (at least 1 x 1).
    void FitCanvas() { canvas_.SetSize(width(), height()); }
    // When set, the bitmap is drawn scaled to the control.
    bool stretch = false;

    struct MouseArgs {
        Qt::MouseButton button = Qt::NoButton;
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
        int x = 0, y = 0;
    };
    std::function<void(const MouseArgs&)> onMouseDown, onMouseMove, onMouseUp, onDoubleClick;
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    Canvas canvas_;
    bool pressed_ = false;
};

} // namespace zv
