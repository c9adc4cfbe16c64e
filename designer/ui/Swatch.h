#pragma once
// The 41 x 41 swatch beside a board or texture button: a framed square that
// shows a colour, with a hidden picture box over it for the board's picture.
#include "platform/widgets/PictureBox.h"

#include <QFrame>

namespace zv {

inline QFrame* NewSwatch(QWidget* parent, const char* name, PictureBox*& pic) {
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(name);
    swatch->setFixedSize(41, 41);
    swatch->setFrameShape(QFrame::Box);
    pic = new PictureBox(swatch);
    pic->setGeometry(1, 1, 39, 39);
    pic->stretch = true;
    pic->setVisible(false);
    return swatch;
}

} // namespace zv
