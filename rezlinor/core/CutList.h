#pragma once
// The cut list for a spreadsheet: one line a placed piece, comma-separated,
// "." in the numbers whatever the locale, names quoted when they need it.
#include "Layout.h"

#include <string>
#include <vector>

namespace rz {

// Header: Foaie,Piesa,Lungime,Latime,x,y,Rotita. Lengths and widths are the
// piece's own sizes; x and y its lower corner on the sheet. Pieces larger
// than the sheet follow with "nu incape" for the sheet and no position.
std::string FormatCutList(const Layout& l, const std::vector<Piece>& pieces);

// Writes through a temporary file renamed into place; empty on success, else
// the message for the user.
std::string WriteTextFile(const std::string& path, const std::string& text);

// A size as this program shows and writes it: whole millimetres without
// decimals, else one or two, with `separator`.
std::string FormatSize(double v, char separator = '.');

} // namespace rz
