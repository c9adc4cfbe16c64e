#include "TVizualizarePoza.h"

#include "platform/widgets/PictureBox.h"

#include <QGuiApplication>
#include <QScreen>

namespace zv {

TVizualizarePoza::TVizualizarePoza(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("VizualizarePoza");
    setWindowTitle("Poza");
    Image1 = new PictureBox(this);
    Image1->setObjectName("Image1");
    Image1->setCursor(Qt::CrossCursor);
    Image1->onMouseDown = [this](const PictureBox::MouseArgs& a) { Image1MouseDown(a.x, a.y); };
}

void TVizualizarePoza::LoadPicture(const QImage& img) {
    const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
    Image1->canvas().SetSize(rgb.width(), rgb.height());
    Image1->canvas().Image() = rgb;
    Image1->setGeometry(0, 0, rgb.width(), rgb.height());
    setFixedSize(rgb.width(), rgb.height());
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    Image1->update();
}

void TVizualizarePoza::FormShow() { PickedColor = -1; }

void TVizualizarePoza::Image1MouseDown(int x, int y) {
    const Canvas& c = Image1->canvas();
    if (x >= 0 && y >= 0 && x < c.Width() && y < c.Height())
        PickedColor = static_cast<int>(c.Pixel(x, y) & 0xFFFFFFu);
    accept();
}

} // namespace zv
