#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace zv {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), canvas_(1, 1) { setMouseTracking(true); }

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (stretch)
        p.drawImage(rect(), canvas_.Image());
    else
        p.drawImage(0, 0, canvas_.Image());
}

namespace {
PictureBox::MouseArgs Args(QMouseEvent* e) {
    PictureBox::MouseArgs a;
    a.button = e->button();
    a.buttons = e->buttons();
    a.modifiers = e->modifiers();
    a.x = static_cast<int>(e->position().x());
    a.y = static_cast<int>(e->position().y());
    return a;
}
} // namespace

void PictureBox::mousePressEvent(QMouseEvent* e) {
    pressed_ = true;
    if (onMouseDown) onMouseDown(Args(e));
}
void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove) onMouseMove(Args(e));
}
void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (onMouseUp) onMouseUp(Args(e));
    if (wasPressed && rect().contains(e->position().toPoint()) && onClick) onClick();
}
void PictureBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (onDoubleClick) onDoubleClick(Args(e));
}

} // namespace zv
