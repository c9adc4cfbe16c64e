#include "Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace zv {

QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
Color FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

void Canvas::SetSize(int w, int h) {
    w = std::max(w, 1);
    h = std::max(h, 1);
    if (img_.width() == w && img_.height() == h) return;
    QImage n(w, h, QImage::Format_RGB32);
    n.fill(Qt::white);
    if (!img_.isNull()) {
        QPainter p(&n);
        p.drawImage(0, 0, img_);
    }
    img_ = std::move(n);
}

void Canvas::SetupPainter(QPainter& p, bool fill) const {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBackgroundMode(Qt::TransparentMode);
    if (penStyle == PenStyle::Clear) {
        p.setPen(Qt::NoPen);
    } else {
        QPen pen(ToQColor(penColor));
        pen.setWidth(penWidth <= 1 ? 0 : penWidth);
        pen.setStyle(penStyle == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
        p.setPen(pen);
    }
    if (!fill || brushStyle_ == BrushStyle::Clear) {
        p.setBrush(Qt::NoBrush);
    } else {
        p.setBrush(QBrush(ToQColor(brushColor_),
                          brushStyle_ == BrushStyle::DiagCross ? Qt::DiagCrossPattern : Qt::SolidPattern));
    }
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (img_.isNull()) return;
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    QPainter p(&img_);
    SetupPainter(p, true);
    const QBrush b = p.brush();
    if (b.style() != Qt::NoBrush) p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), b);
    if (penStyle != PenStyle::Clear) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
}

void Canvas::FillRect(int x1, int y1, int x2, int y2) {
    if (img_.isNull() || x2 <= x1 || y2 <= y1) return;
    QPainter p(&img_);
    SetupPainter(p, true);
    if (p.brush().style() != Qt::NoBrush) p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), p.brush());
}

void Canvas::Polygon(const std::vector<CanvasPoint>& pts) {
    if (img_.isNull() || pts.empty()) return;
    QPolygon poly;
    for (const auto& q : pts) poly << QPoint(q.x, q.y);
    QPainter p(&img_);
    SetupPainter(p, true);
    p.drawPolygon(poly);
}

void Canvas::Polyline(const std::vector<CanvasPoint>& pts) {
    if (img_.isNull() || pts.empty()) return;
    QPolygon poly;
    for (const auto& q : pts) poly << QPoint(q.x, q.y);
    QPainter p(&img_);
    SetupPainter(p, false);
    p.drawPolyline(poly);
    px_ = pts.back().x;
    py_ = pts.back().y;
}

void Canvas::LineTo(int x, int y) {
    if (!img_.isNull()) {
        QPainter p(&img_);
        SetupPainter(p, false);
        p.drawLine(px_, py_, x, y);
    }
    px_ = x;
    py_ = y;
}

namespace {
QFont MakeFont(const std::string& name, int size, bool bold) {
    QFont f = QGuiApplication::font();
    if (!name.empty()) f.setFamily(QString::fromStdString(name));
    f.setPointSize(size > 0 ? size : 8);
    f.setBold(bold);
    return f;
}
} // namespace

void Canvas::TextOut(int x, int y, const std::string& text) {
    if (img_.isNull()) return;
    QPainter p(&img_);
    const QFont f = MakeFont(fontName, fontPointSize, fontBold);
    p.setFont(f);
    p.setPen(ToQColor(fontColor));
    const QFontMetrics fm(f);
    p.drawText(x, y + fm.ascent(), QString::fromStdString(text));
}

int Canvas::TextWidth(const std::string& text) const {
    return QFontMetrics(MakeFont(fontName, fontPointSize, fontBold)).horizontalAdvance(QString::fromStdString(text));
}

int Canvas::TextHeight(const std::string&) const {
    return QFontMetrics(MakeFont(fontName, fontPointSize, fontBold)).height();
}

Color Canvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= img_.width() || y >= img_.height()) return 0xFFFFFFFF; // outside: no colour
    return FromQColor(img_.pixelColor(x, y));
}

void Canvas::SetPixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= img_.width() || y >= img_.height()) return;
    img_.setPixelColor(x, y, ToQColor(c));
}

void Canvas::CopyRect(int dx, int dy, const Canvas& src, int sx, int sy, int w, int h) {
    if (img_.isNull() || src.img_.isNull()) return;
    QPainter p(&img_);
    p.drawImage(QPoint(dx, dy), src.img_, QRect(sx, sy, w, h));
}

void Canvas::Clear(Color c) {
    if (!img_.isNull()) img_.fill(ToQColor(c));
}

} // namespace zv
