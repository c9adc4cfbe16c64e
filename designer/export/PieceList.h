#pragma once
// The piece list a spreadsheet opens (tab-separated, CR LF lines), the
// distances between two pieces, and the one way the exports replace a file.
#include "model/Mobila.h"

#include <string>

namespace zv {

// Millimetres of edge banding for a board of length l and width w by edge code 0..8.
double EdgeBandLength(int code, double length, double width);

// A field of an exported text file: tabs, CR and LF become blanks, so no
// name can break a line or a column.
std::string ExportField(const std::string& s);

// The whole list: furniture name, dimensions, header, then one line per
// board piece (IsBoardPiece) in piece order. Numbers in the general format.
std::string FormatPieceList(const Furniture& f);

// Writes `text` beside `path` and renames it into place, so a failed write
// keeps the previous file whole. Empty on success, else the error text.
std::string WriteExportFile(const std::string& path, const std::string& text);

// The twelve signed distances between the faces of pieces a and b, as the
// lines of the distances window (first piece's coordinate minus the second's).
std::string FormatPieceDistances(const Furniture& f, int a, int b);

} // namespace zv
