#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <QImage>
#include <QSize>

namespace zv {

class PictureBox;

// The size a picture is shown at: its own when it fits `available`, else
// shrunk by one factor for both sides so that it fits whole.
QSize FitPictureSize(QSize picture, QSize available);

// The picture viewer, also a colour picker: a click takes the colour of
// the pixel under the mouse and closes it.
class TVizualizarePoza : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TVizualizarePoza(QWidget* parent = nullptr);
    PictureBox* Image1;
    // RGB with red in the low byte; -1 when nothing was picked.
    int PickedColor = -1;

    // Puts the picture in the box and sizes the client area to it, or to the
    // picture shrunk onto the available screen when it is larger.
    void LoadPicture(const QImage& img);

    void FormShow() override;
    void Image1MouseDown(int x, int y);

private:
    QImage picture_; // as loaded; the box may show it shrunk
};

} // namespace zv
