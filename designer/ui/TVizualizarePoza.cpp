#include "TVizualizarePoza.h"

#include "platform/widgets/PictureBox.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace zv {

namespace {
// Room left around the window for its frame and title bar.
constexpr int kFrameWidth = 16, kFrameHeight = 48;
} // namespace

QSize FitPictureSize(QSize picture, QSize available) {
    if (picture.width() <= 0 || picture.height() <= 0) return QSize(std::max(1, picture.width()), std::max(1, picture.height()));
    const double k = std::min({1.0, double(std::max(1, available.width())) / picture.width(),
                               double(std::max(1, available.height())) / picture.height()});
    if (k >= 1.0) return picture;
    return QSize(std::max(1, int(std::floor(picture.width() * k))), std::max(1, int(std::floor(picture.height() * k))));
}

TVizualizarePoza::TVizualizarePoza(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("VizualizarePoza");
    setWindowTitle("Poza");
    Image1 = new PictureBox(this);
    Image1->setObjectName("Image1");
    Image1->setCursor(Qt::CrossCursor);
    Image1->stretch = true;
    Image1->onMouseDown = [this](const PictureBox::MouseArgs& a) { Image1MouseDown(a.x, a.y); };
}

void TVizualizarePoza::LoadPicture(const QImage& img) {
    const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
    Image1->canvas().SetSize(rgb.width(), rgb.height());
    Image1->canvas().Image() = rgb;
    // At its own size when the screen holds it, else shrunk whole onto the screen.
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, rgb.width(), rgb.height());
    const QSize shown =
        FitPictureSize(rgb.size(), screen ? avail.size() - QSize(kFrameWidth, kFrameHeight) : rgb.size());
    Image1->setGeometry(0, 0, shown.width(), shown.height());
    setFixedSize(shown);
    if (screen) move(avail.center() - rect().center());
    Image1->update();
}

void TVizualizarePoza::FormShow() { PickedColor = -1; }

void TVizualizarePoza::Image1MouseDown(int x, int y) {
    const Canvas& c = Image1->canvas();
    // A shrunk picture: the pixel under the mouse in the picture's own size.
    if (Image1->width() > 0 && Image1->height() > 0) {
        x = static_cast<int>(static_cast<long long>(x) * c.Width() / Image1->width());
        y = static_cast<int>(static_cast<long long>(y) * c.Height() / Image1->height());
    }
    if (x >= 0 && y >= 0 && x < c.Width() && y < c.Height())
        PickedColor = static_cast<int>(c.Pixel(x, y) & 0xFFFFFFu);
    accept();
}

} // namespace zv
