#pragma once
// Drawing a sheet to scale and the texts about it, the same on the screen,
// on paper and in a PDF.
#include "core/Layout.h"

#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;
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

// The sheet to scale inside `area`, its sizes written above and beside it:
// pieces with their names and sizes, the kept offcuts hatched green with
// their sizes, the rest grey, the trim darker; `cutNumbers` marks where each
// cut begins with its number in the sequence.
void PaintSheet(QPainter& p, const QRectF& area, const SheetLayout& sheet, const std::vector<Piece>& pieces,
                const SheetSettings& s, bool cutNumbers);

// One page a sheet (drawing, cut sequence, kept offcuts), then a page with the
// pieces too large for the sheet when there are any. False when the printer
// cannot start.
bool PrintLayout(QPrinter& printer, const QString& title, const Layout& l, const std::vector<Piece>& pieces,
                 const SheetSettings& s);

} // namespace rz
