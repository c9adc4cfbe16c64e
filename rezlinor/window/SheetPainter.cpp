#include "SheetPainter.h"

#include "core/CutList.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

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

namespace {

const QColor kTrim(170, 170, 170);
const QColor kWaste(215, 215, 215);
const QColor kPiece(240, 222, 178);
const QColor kOffcut(200, 235, 195);
const QColor kCut(200, 30, 30);

// Writes up to two lines centred in `r`, turned a quarter when the part is
// tall and narrow, in the largest font between `minPx` and `maxPx` that fits;
// with too little room only the last line, or nothing.
void Label(QPainter& p, const QRectF& r, const QStringList& lines, double minPx, double maxPx, bool boldFirst) {
    const bool upright = r.height() > r.width() * 1.3;
    const double along = upright ? r.height() : r.width();
    const double across = upright ? r.width() : r.height();
    QStringList use = lines;
    double px = std::min(maxPx, across / (1.35 * use.size() + 0.3));
    if (px < minPx && use.size() > 1) {
        // One line: the name and the sizes when they fit side by side, else the sizes.
        px = std::min(maxPx * 0.85, across / 1.6);
        QFont f = p.font();
        f.setPixelSize(std::max(1, static_cast<int>(px)));
        const QString both = lines.join("  ");
        use = QStringList{QFontMetricsF(f).horizontalAdvance(both) < along - px ? both : lines.back()};
        boldFirst = false;
    }
    if (px < minPx || along < minPx * 3) return;
    p.save();
    p.translate(r.center());
    if (upright) p.rotate(-90);
    const double lineH = px * 1.3;
    double y = -lineH * use.size() / 2.0;
    for (int i = 0; i < use.size(); ++i) {
        QFont f = p.font();
        f.setPixelSize(std::max(1, static_cast<int>(px)));
        f.setBold(boldFirst && i == 0 && use.size() > 1);
        p.setFont(f);
        const QFontMetricsF fm(f);
        const QString text = fm.elidedText(use[i], Qt::ElideRight, along - px * 0.6);
        p.drawText(QRectF(-along / 2, y, along, lineH), Qt::AlignCenter, text);
        y += lineH;
    }
    p.restore();
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
                const SheetSettings& s, bool cutNumbers) {
    if (!(s.length > 0) || !(s.width > 0)) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const double dpi = p.device() ? p.device()->logicalDpiY() : 96;
    const double unit = dpi / 96.0; // a screen pixel in device pixels
    const double maxPx = 13 * unit, minPx = 7 * unit;
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
        Label(p, r, {"Rest", SizesText(o.length, o.width)}, minPx, maxPx, false);
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
        Label(p, r, {PieceName(pc), sizes}, minPx, maxPx, true);
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

// Lines flowed into as many columns as they need, at most two, in the
// largest font from 9 points down to 6 that lets them fit.
void FlowText(QPainter& p, const QRectF& area, const QStringList& lines) {
    for (double pt = 9; pt >= 6; pt -= 0.5) {
        QFont f = p.font();
        f.setPointSizeF(pt);
        f.setBold(false);
        const QFontMetricsF fm(f, p.device());
        const int perColumn = std::max(1, static_cast<int>(area.height() / fm.lineSpacing()));
        const int columns = (static_cast<int>(lines.size()) + perColumn - 1) / perColumn;
        if (columns > 2 && pt > 6) continue;
        p.setFont(f);
        const double colW = area.width() / std::max(1, std::min(columns, 2));
        for (int i = 0; i < lines.size(); ++i) {
            const int col = i / perColumn, row = i % perColumn;
            if (col >= 2) break; // what does not fit even so is cut off
            const QRectF r(area.x() + col * colW, area.y() + row * fm.lineSpacing(), colW - fm.averageCharWidth(),
                           fm.lineSpacing());
            p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, fm.elidedText(lines[i], Qt::ElideRight, r.width()));
        }
        return;
    }
}

} // namespace

bool PrintLayout(QPrinter& printer, const QString& title, const Layout& l, const std::vector<Piece>& pieces,
                 const SheetSettings& s) {
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF full(0, 0, page.width(), page.height());
    auto heading = [&](const QString& text) {
        QFont f = p.font();
        f.setPointSizeF(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::black);
        const QFontMetricsF fm(f, p.device());
        p.drawText(QRectF(0, 0, full.width(), fm.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter, text);
        return fm.lineSpacing() * 1.4;
    };
    for (std::size_t k = 0; k < l.sheets.size(); ++k) {
        if (k > 0) printer.newPage();
        const SheetLayout& sh = l.sheets[k];
        const double top = heading(title + " - " + SheetHeading(l, static_cast<int>(k), s));
        // The drawing at the left, the cut sequence and the offcuts beside it.
        const QRectF drawing(0, top, full.width() * 0.64, full.height() - top);
        PaintSheet(p, drawing, sh, pieces, s, true);
        QStringList lines{"Ordinea taierilor:"};
        for (std::size_t i = 0; i < sh.cuts.size(); ++i) lines << CutLine(static_cast<int>(i) + 1, sh.cuts[i]);
        lines << "" << QString("Resturi de pastrat (cel putin %1 x %1 mm):").arg(SizeText(kKeptOffcut));
        const auto kept = KeptOffcuts(sh);
        for (const Rect& o : kept)
            lines << QString("%1 la x = %2, y = %3").arg(SizesText(o.length, o.width), SizeText(o.x), SizeText(o.y));
        if (kept.empty()) lines << "nu sunt";
        p.setPen(Qt::black);
        FlowText(
            p,
            QRectF(drawing.right() + top * 0.5, top, full.width() - drawing.right() - top * 0.5, full.height() - top),
            lines);
    }
    if (!l.oversize.empty()) {
        if (!l.sheets.empty()) printer.newPage();
        const double top = heading(title + " - " +
                                   QString("Piese care nu incap pe foaie (foaia utila %1 mm)")
                                       .arg(SizesText(UsableLength(s), UsableWidth(s))));
        QStringList lines;
        for (int i : l.oversize) {
            const Piece& pc = pieces[static_cast<std::size_t>(i)];
            lines << PieceName(pc) + ": " + SizesText(pc.length, pc.width);
        }
        FlowText(p, QRectF(0, top, full.width(), full.height() - top), lines);
    }
    return p.end();
}

} // namespace rz
