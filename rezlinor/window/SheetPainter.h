#pragma once
// Drawing a sheet to scale and the texts about it, the same on the screen,
// on paper and in a PDF.
#include "core/Layout.h"

#include <QString>
#include <QStringList>

class QPainter;
class QPagedPaintDevice;
class QRectF;

namespace rz {

// A length in millimetres with the system's decimal separator.
QString SizeText(double v);
QString SizesText(double length, double width); // "596 x 300"
QString PieceName(const Piece& p);

// "Foaia 2 din 3: 14 piese, deseu 12,5 %".
QString SheetHeading(const Layout& l, int sheet, const SheetSettings& s);
// The cut's kind and where it runs, for the cut sequence.
QString CutKind(const Cut& c);
QString CutWhere(const Cut& c); // "x = 606 (y 10 - 2060)"
// One line of the cut sequence: "3. Transversala: x = 606 (y 10 - 2060), 2050 mm".
QString CutLine(int number, const Cut& c);
// A kept offcut in the list: "2160 x 1378 la x = 630, y = 682".
QString OffcutLine(const Rect& o);
// A piece by its number in the list (from 0): "12. Polita: 596 x 300".
QString PieceLine(int index, const Piece& p);

// The sheet to scale inside `area`, its sizes written above and beside it:
// pieces with their numbers in the list, and their names and sizes where
// there is room for them whole, the kept offcuts hatched green with their
// sizes, the rest grey, the trim darker; `cutNumbers` marks where each cut
// begins with its number in the sequence. The pieces shown by their number
// alone go to `unlabelled`.
void PaintSheet(QPainter& p, const QRectF& area, const SheetLayout& sheet, const std::vector<Piece>& pieces,
                const SheetSettings& s, bool cutNumbers, std::vector<int>* unlabelled = nullptr);

// One page a sheet (drawing, cut sequence, kept offcuts, the names and sizes
// of the pieces numbered only), continued on further pages as long as it
// takes, then the pieces too large or too small for the sheet. The printer and
// the PDF get the same pages. False when the painting could not start or end.
bool PrintLayout(QPagedPaintDevice& dev, const QString& title, const Layout& l, const std::vector<Piece>& pieces,
                 const SheetSettings& s);

} // namespace rz
