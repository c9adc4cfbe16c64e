#pragma once
// The cut list for a spreadsheet: one line a placed piece, the fields and
// the numbers separated as the user's spreadsheet expects, names quoted when
// they need it.
#include "Layout.h"

#include <string>
#include <vector>

namespace rz {

// Header: Foaie,Piesa,Lungime,Latime,x,y,Rotita. Lengths and widths are the
// piece's own sizes; x and y its lower corner on the sheet. Pieces larger
// than the sheet follow with "nu incape" for the sheet and no position, those
// too small with "prea mica". `field` goes between the fields, `decimal` in
// the numbers (";" and "," under a Romanian locale).
std::string FormatCutList(const Layout& l, const std::vector<Piece>& pieces, char field = ',', char decimal = '.');

// Writes through a temporary file renamed into place only when all of it was
// written; empty on success, else the message for the user, naming the file.
std::string WriteWholeFile(const std::string& path, const std::string& text);

// A size as this program shows and writes it: whole millimetres without
// decimals, else one or two, with `separator`.
std::string FormatSize(double v, char separator = '.');

} // namespace rz
