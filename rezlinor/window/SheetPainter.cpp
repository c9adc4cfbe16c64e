#include "SheetPainter.h"

#include "core/CutList.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>
#include <functional>

namespace rz {

QString SizeText(double v) {
    const QString sep = QLocale::system().decimalPoint();
    const char c = sep.size() == 1 && sep.at(0).toLatin1() ? sep.at(0).toLatin1() : '.';
    return QString::fromStdString(FormatSize(v, c));
}

QString SizesText(double length, double width) { return SizeText(length) + " x " + SizeText(width); }

QString PieceName(const Piece& p) { return QString::fromUtf8(p.name.data(), static_cast<qsizetype>(p.name.size())); }

QString SheetHeading(const Layout& l, int sheet, const SheetSettings& s) {
    const SheetLayout& sh = l.sheets[static_cast<std::size_t>(sheet)];
    const double area = s.length * s.width;
    const double waste = area > 0 ? 100.0 * (area - PlacedArea(sh)) / area : 0;
    const int n = static_cast<int>(sh.placements.size());
    QString t = QString("Foaia %1 din %2: %3 %4, deseu %5 %")
                    .arg(sheet + 1)
                    .arg(l.sheets.size())
                    .arg(n)
                    .arg(n == 1 ? "piesa" : "piese")
                    .arg(QLocale::system().toString(waste, 'f', 1));
    return t;
}

QString CutKind(const Cut& c) {
    if (c.trim) return "Tundere margine";
    return c.acrossLength ? "Transversala" : "Longitudinala";
}

QString CutWhere(const Cut& c) {
    const char* at = c.acrossLength ? "x" : "y";
    const char* along = c.acrossLength ? "y" : "x";
    return QString("%1 = %2 (%3 %4 - %5)").arg(at, SizeText(c.pos), along, SizeText(c.from), SizeText(c.to));
}

QString CutLine(int number, const Cut& c) {
    return QString("%1. %2: %3, %4 mm").arg(number).arg(CutKind(c), CutWhere(c), SizeText(c.to - c.from));
}

QString OffcutLine(const Rect& o) {
    return QString("%1 la x = %2, y = %3").arg(SizesText(o.length, o.width), SizeText(o.x), SizeText(o.y));
}

QString PieceLine(int index, const Piece& p) {
    return QString("%1. %2: %3").arg(index + 1).arg(PieceName(p), SizesText(p.length, p.width));
}

namespace {

const QColor kTrim(170, 170, 170);
const QColor kWaste(215, 215, 215);
const QColor kPiece(240, 222, 178);
const QColor kOffcut(200, 235, 195);
const QColor kCut(200, 30, 30);

// Writes the first of `choices` that fits whole centred in `r` (its lines
// one under the other, turned a quarter when the part is tall and narrow) in
// the largest font between `minPx` and `maxPx` that lets it; never a cut-off
// word. Returns the index of the choice written, or -1 when none fitted; with
// `forceLast` the last choice is written all the same, in the smallest font.
int Label(QPainter& p, const QRectF& r, const std::vector<QStringList>& choices, double minPx, double maxPx,
          bool boldFirst, bool forceLast = false) {
    const bool upright = r.height() > r.width() * 1.3;
    const double along = upright ? r.height() : r.width();
    const double across = upright ? r.width() : r.height();
    auto font = [&](double px, bool bold) {
        QFont f = p.font();
        f.setPixelSize(std::max(1, static_cast<int>(px)));
        f.setBold(bold);
        return f;
    };
    auto fits = [&](const QStringList& lines, double px) {
        if (lines.size() * px * 1.3 > across) return false;
        for (int i = 0; i < lines.size(); ++i)
            if (QFontMetricsF(font(px, boldFirst && i == 0 && lines.size() > 1), p.device())
                    .horizontalAdvance(lines[i]) > along - px * 0.4)
                return false;
        return true;
    };
    int chosen = -1;
    double px = 0;
    for (std::size_t c = 0; c < choices.size() && chosen < 0; ++c)
        for (double size = maxPx; size >= minPx - 1e-9; size -= std::max(0.5, (maxPx - minPx) / 8))
            if (fits(choices[c], size)) {
                chosen = static_cast<int>(c);
                px = size;
                break;
            }
    if (chosen < 0 && forceLast && !choices.empty()) {
        chosen = static_cast<int>(choices.size()) - 1;
        px = minPx;
    }
    if (chosen < 0) return -1;
    const QStringList& use = choices[static_cast<std::size_t>(chosen)];
    p.save();
    p.translate(r.center());
    if (upright) p.rotate(-90);
    const double lineH = px * 1.3;
    double y = -lineH * use.size() / 2.0;
    for (int i = 0; i < use.size(); ++i) {
        p.setFont(font(px, boldFirst && i == 0 && use.size() > 1));
        p.drawText(QRectF(-along, y, 2 * along, lineH), Qt::AlignCenter, use[i]);
        y += lineH;
    }
    p.restore();
    return chosen;
}

// Diagonal lines `step` apart across `r`: the same on the screen and on
// paper, where Qt's pattern brushes come out at the printer's dot size.
void Hatch(QPainter& p, const QRectF& r, const QColor& ink, double step) {
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setPen(QPen(ink, 0));
    for (double d = -r.height(); d < r.width(); d += step)
        p.drawLine(QPointF(r.x() + d, r.bottom()), QPointF(r.x() + d + r.height(), r.top()));
    p.restore();
}

} // namespace

void PaintSheet(QPainter& p, const QRectF& area, const SheetLayout& sheet, const std::vector<Piece>& pieces,
                const SheetSettings& s, bool cutNumbers, std::vector<int>* unlabelled) {
    if (!(s.length > 0) || !(s.width > 0)) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const double dpi = p.device() ? p.device()->logicalDpiY() : 96;
    const double unit = dpi / 96.0; // a screen pixel in device pixels
    const double maxPx = 13 * unit, minPx = 7 * unit;
    if (unlabelled) unlabelled->clear();
    const double labelPx = std::clamp(area.height() * 0.03, minPx, maxPx);
    const double margin = labelPx * 1.6;
    const double scale = std::min((area.width() - margin) / s.length, (area.height() - margin) / s.width);
    if (!(scale > 0)) {
        p.restore();
        return;
    }
    const QRectF sheetR(area.x() + margin, area.y() + margin, s.length * scale, s.width * scale);
    auto R = [&](double x, double y, double l, double w) {
        return QRectF(sheetR.x() + x * scale, sheetR.y() + y * scale, l * scale, w * scale);
    };

    // The sheet's sizes, above and at the left.
    QFont f = p.font();
    f.setPixelSize(static_cast<int>(labelPx));
    f.setBold(false);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(sheetR.x(), area.y(), sheetR.width(), margin), Qt::AlignCenter, SizeText(s.length));
    p.save();
    p.translate(area.x() + margin / 2, sheetR.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-sheetR.height() / 2, -margin / 2, sheetR.height(), margin), Qt::AlignCenter, SizeText(s.width));
    p.restore();

    const QPen thin(Qt::black, 0);
    p.setPen(thin);
    p.setBrush(kTrim);
    p.drawRect(sheetR);
    const QRectF usable = R(s.trim, s.trim, UsableLength(s), UsableWidth(s));
    p.setPen(Qt::NoPen);
    p.setBrush(kWaste);
    p.drawRect(usable);
    Hatch(p, usable, QColor(190, 190, 190), 8 * unit);

    for (const Rect& o : KeptOffcuts(sheet)) {
        const QRectF r = R(o.x, o.y, o.length, o.width);
        p.setPen(Qt::NoPen);
        p.setBrush(kOffcut);
        p.drawRect(r);
        Hatch(p, r, QColor(150, 200, 145), 8 * unit);
        p.setPen(QColor(40, 110, 40));
        const QString sizes = SizesText(o.length, o.width);
        Label(p, r, {{"Rest", sizes}, {sizes}}, minPx, maxPx, false);
    }

    for (const Placement& pl : sheet.placements) {
        const QRectF r = R(pl.x, pl.y, pl.length, pl.width);
        p.setPen(thin);
        p.setBrush(kPiece);
        p.drawRect(r);
        const Piece& pc = pieces[static_cast<std::size_t>(pl.piece)];
        QString sizes = SizesText(pc.length, pc.width);
        if (pl.turned) sizes += " (rotita)";
        p.setPen(Qt::black);
        // The piece's number always; its name and sizes where there is room,
        // else in the legend.
        const QString number = QString::number(pl.piece + 1);
        const QString named = number + ". " + PieceName(pc);
        const int shown = Label(p, r, {{named, sizes}, {named + "  " + sizes}, {number}}, minPx, maxPx, true, true);
        if (shown == 2 && unlabelled) unlabelled->push_back(pl.piece);
    }

    if (cutNumbers) {
        QFont nf = p.font();
        nf.setBold(true);
        nf.setPixelSize(static_cast<int>(minPx * 1.1));
        p.setFont(nf);
        const QFontMetricsF fm(nf);
        for (std::size_t i = 0; i < sheet.cuts.size(); ++i) {
            const Cut& c = sheet.cuts[i];
            if (c.trim) continue;
            // The number sits where the cut begins, on its line.
            const QPointF at = c.acrossLength ? QPointF(sheetR.x() + c.pos * scale, sheetR.y() + c.from * scale)
                                              : QPointF(sheetR.x() + c.from * scale, sheetR.y() + c.pos * scale);
            const QString t = QString::number(i + 1);
            const QSizeF sz(fm.horizontalAdvance(t) + 3 * unit, fm.height());
            const QRectF box(c.acrossLength ? QPointF(at.x() - sz.width() / 2, at.y())
                                            : QPointF(at.x(), at.y() - sz.height() / 2),
                             sz);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(box);
            p.setPen(kCut);
            p.drawText(box, Qt::AlignCenter, t);
        }
    }
    p.restore();
}

namespace {

// Text lines flowed down columns, page after page: each line whole, wrapped
// at its blanks when it is wider than the column.
class Flow {
public:
    Flow(QPainter& p, QPagedPaintDevice& dev, std::function<double()> continuation)
        : p_(p), dev_(dev), continuation_(std::move(continuation)) {
        font_ = p.font();
        font_.setPointSizeF(8);
        font_.setBold(false);
    }

    // Columns to fill first, on the page begun.
    void Start(const QRectF& area, int columns) {
        area_ = area;
        columns_ = columns;
        col_ = 0;
        y_ = area.top();
    }

    void Add(const QString& line, bool bold = false) {
        QFont f = font_;
        f.setBold(bold);
        p_.setFont(f);
        const QFontMetricsF fm(f, &dev_);
        auto height = [&] {
            const QRectF need = fm.boundingRect(QRectF(0, 0, ColumnWidth(), 1e9), Qt::TextWordWrap,
                                                line.isEmpty() ? " " : line);
            return std::max(need.height(), fm.lineSpacing());
        };
        double h = height();
        if (y_ + h > area_.bottom() && y_ > area_.top()) {
            Next();
            p_.setFont(f);
            h = height(); // the columns of the next page may be narrower
        }
        const double colW = ColumnWidth();
        p_.setPen(Qt::black);
        p_.drawText(QRectF(area_.left() + col_ * (colW + Gap()), y_, colW, h), Qt::TextWordWrap | Qt::AlignLeft, line);
        y_ += h;
    }

private:
    double Gap() const { return QFontMetricsF(font_, &dev_).averageCharWidth() * 2; }
    double ColumnWidth() const { return (area_.width() - (columns_ - 1) * Gap()) / columns_; }
    void Next() {
        if (++col_ < columns_) {
            y_ = area_.top();
            return;
        }
        dev_.newPage();
        const double top = continuation_();
        const QRectF page = dev_.pageLayout().paintRectPixels(dev_.logicalDpiX());
        Start(QRectF(0, top, page.width(), page.height() - top), 3);
    }

    QPainter& p_;
    QPagedPaintDevice& dev_;
    std::function<double()> continuation_;
    QFont font_;
    QRectF area_;
    int columns_ = 1, col_ = 0;
    double y_ = 0;
};

} // namespace

bool PrintLayout(QPagedPaintDevice& dev, const QString& title, const Layout& l, const std::vector<Piece>& pieces,
                 const SheetSettings& s) {
    dev.setPageOrientation(QPageLayout::Landscape);
    QPainter p;
    if (!p.begin(&dev)) return false;
    const QRectF page = dev.pageLayout().paintRectPixels(dev.logicalDpiX());
    const QRectF full(0, 0, page.width(), page.height());
    auto heading = [&](const QString& text) {
        QFont f = p.font();
        f.setPointSizeF(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::black);
        const QFontMetricsF fm(f, p.device());
        const QRectF r = fm.boundingRect(QRectF(0, 0, full.width(), 1e9), Qt::TextWordWrap, text);
        p.drawText(QRectF(0, 0, full.width(), r.height()), Qt::TextWordWrap | Qt::AlignLeft, text);
        return r.height() + fm.lineSpacing() * 0.4;
    };
    bool first = true;
    auto newPage = [&] {
        if (!first) dev.newPage();
        first = false;
    };
    QString pageTitle;
    Flow flow(p, dev, [&] { return heading(pageTitle + " (continuare)"); });
    for (std::size_t k = 0; k < l.sheets.size(); ++k) {
        newPage();
        const SheetLayout& sh = l.sheets[k];
        pageTitle = title + " - " + SheetHeading(l, static_cast<int>(k), s);
        const double top = heading(pageTitle);
        // The drawing at the left, the cut sequence, the offcuts and the
        // legend beside it and on further pages.
        const QRectF drawing(0, top, full.width() * 0.64, full.height() - top);
        std::vector<int> unlabelled;
        PaintSheet(p, drawing, sh, pieces, s, true, &unlabelled);
        flow.Start(
            QRectF(drawing.right() + top * 0.5, top, full.width() - drawing.right() - top * 0.5, full.height() - top),
            1);
        flow.Add("Ordinea taierilor:", true);
        for (std::size_t i = 0; i < sh.cuts.size(); ++i) flow.Add(CutLine(static_cast<int>(i) + 1, sh.cuts[i]));
        flow.Add("");
        flow.Add(QString("Resturi de pastrat (cel putin %1 x %1 mm):").arg(SizeText(kKeptOffcut)), true);
        const auto kept = KeptOffcuts(sh);
        for (const Rect& o : kept) flow.Add(OffcutLine(o));
        if (kept.empty()) flow.Add("nu sunt");
        if (!unlabelled.empty()) {
            flow.Add("");
            flow.Add("Piese numerotate pe desen:", true);
            std::sort(unlabelled.begin(), unlabelled.end());
            for (int i : unlabelled) flow.Add(PieceLine(i, pieces[static_cast<std::size_t>(i)]));
        }
    }
    // The pieces left out, so none is forgotten.
    const std::pair<const std::vector<int>*, QString> apart[] = {
        {&l.oversize,
         QString("Piese care nu incap pe foaie (foaia utila %1 mm)").arg(SizesText(UsableLength(s), UsableWidth(s)))},
        {&l.tooSmall,
         QString("Piese prea mici (o dimensiune sub %1 mm)").arg(QLocale::system().toString(0.005, 'f', 3))},
    };
    for (const auto& [list, what] : apart) {
        if (list->empty()) continue;
        newPage();
        pageTitle = title + " - " + what;
        const double top = heading(pageTitle);
        flow.Start(QRectF(0, top, full.width(), full.height() - top), 3);
        for (int i : *list) flow.Add(PieceLine(i, pieces[static_cast<std::size_t>(i)]));
    }
    return p.end();
}

} // namespace rz
