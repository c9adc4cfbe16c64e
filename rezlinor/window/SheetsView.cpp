#include "SheetsView.h"

#include "SheetPainter.h"

#include <QPainter>

namespace rz {

SheetsView::SheetsView(QWidget* parent) : QWidget(parent) {
    QSizePolicy sp(QSizePolicy::Expanding, QSizePolicy::Preferred);
    sp.setHeightForWidth(true);
    setSizePolicy(sp);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void SheetsView::SetLayout(const Layout* l, const std::vector<Piece>* pieces, const SheetSettings& s) {
    layout_ = l;
    pieces_ = pieces;
    s_ = s;
    updateGeometry();
    update();
}

int SheetsView::HeadingHeight() const { return fontMetrics().height() * 2; }

int SheetsView::SheetHeight(int w) const {
    if (!(s_.length > 0)) return 0;
    return static_cast<int>((w - 16) * s_.width / s_.length) + 30;
}

int SheetsView::heightForWidth(int w) const {
    const int n = layout_ ? static_cast<int>(layout_->sheets.size()) : 0;
    return n * (HeadingHeight() + SheetHeight(w)) + 8;
}

QSize SheetsView::sizeHint() const { return {800, heightForWidth(800)}; }

void SheetsView::paintEvent(QPaintEvent*) {
    if (!layout_ || !pieces_) return;
    QPainter p(this);
    int y = 4;
    const int w = width();
    for (int k = 0; k < static_cast<int>(layout_->sheets.size()); ++k) {
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(160, 0, 0));
        p.drawText(QRect(8, y, w - 16, HeadingHeight()), Qt::AlignLeft | Qt::AlignVCenter,
                   SheetHeading(*layout_, k, s_));
        y += HeadingHeight();
        p.setFont(font());
        const int h = SheetHeight(w);
        PaintSheet(p, QRectF(4, y, w - 12, h), layout_->sheets[static_cast<std::size_t>(k)], *pieces_, s_, true);
        y += h;
    }
}

} // namespace rz
