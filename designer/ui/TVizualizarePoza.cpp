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
    const int w = std::max(1, picture.width()), h = std::max(1, picture.height());
    const double k = std::min(
        {1.0, double(std::max(1, available.width())) / w, double(std::max(1, available.height())) / h});
    if (k >= 1.0) return {w, h};
    return {std::max(1, int(std::floor(w * k))), std::max(1, int(std::floor(h * k)))};
}

TVizualizarePoza::TVizualizarePoza(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("VizualizarePoza");
    setWindowTitle("Poza");
    Image1 = new PictureBox(this);
    Image1->setObjectName("Image1");
    Image1->setCursor(Qt::CrossCursor);
    Image1->onMouseDown = [this](const PictureBox::MouseArgs& a) { Image1MouseDown(a.x, a.y); };
}

void TVizualizarePoza::LoadPicture(const QImage& img) {
    picture_ = img.convertToFormat(QImage::Format_RGB32);
    // At its own size when the screen holds it, else shrunk whole onto the screen.
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), picture_.size());
    const QSize shown = FitPictureSize(picture_.size(),
                                       screen ? avail.size() - QSize(kFrameWidth, kFrameHeight) : picture_.size());
    const QImage view = shown == picture_.size()
                            ? picture_
                            : picture_.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Image1->canvas().SetSize(view.width(), view.height());
    Image1->canvas().Image() = view;
    Image1->setGeometry(0, 0, view.width(), view.height());
    setFixedSize(view.size());
    if (screen) move(avail.center() - rect().center());
    Image1->update();
}

void TVizualizarePoza::FormShow() { PickedColor = -1; }

void TVizualizarePoza::Image1MouseDown(int x, int y) {
    // The colour of the picture itself under the mouse, also when it is shown shrunk.
    if (Image1->width() > 0 && Image1->height() > 0) {
        x = static_cast<int>(static_cast<long long>(x) * picture_.width() / Image1->width());
        y = static_cast<int>(static_cast<long long>(y) * picture_.height() / Image1->height());
    }
    if (x >= 0 && y >= 0 && x < picture_.width() && y < picture_.height())
        PickedColor = static_cast<int>(FromQColor(picture_.pixelColor(x, y)) & 0xFFFFFFu);
    accept();
}

} // namespace zv
