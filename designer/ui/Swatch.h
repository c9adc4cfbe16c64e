#pragma once
// The swatch beside a board or texture button: a framed square (41 x 41
// unless told) that shows a colour, with a hidden picture box over it for
// the board's picture.
#include "platform/widgets/PictureBox.h"
#include "platform/Canvas.h"

#include <QFrame>
#include <QPalette>
#include <cstdint>

namespace zv {

// The colour fills the frame's background; the picture box, when shown, covers it.
inline void PaintSwatch(QWidget* swatch, std::uint32_t color) {
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    swatch->setPalette(pal);
}

inline QFrame* NewSwatch(QWidget* parent, const char* name, PictureBox*& pic, int side = 41) {
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(name);
    swatch->setFixedSize(side, side);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    pic = new PictureBox(swatch);
    pic->setGeometry(1, 1, side - 2, side - 2);
    pic->stretch = true;
    pic->setVisible(false);
    return swatch;
}

} // namespace zv
