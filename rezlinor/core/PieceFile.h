#pragma once
// "FoaiePal.app", the designer's list of the boards of one material: 6 header
// lines (the 4th holds the piece count N), then 8 lines for each piece: name,
// first size, second size, contour model, model rotation, model mirror and
// two constant lines. Lines end in CR LF or LF; sizes are written with ".".
#include "Layout.h"

#include <string>
#include <vector>

namespace rz {

struct PieceFileResult {
    std::vector<Piece> pieces; // empty unless the whole file is good
    std::string error;         // the message for the user, naming the line
    bool ok() const { return error.empty(); }
};

PieceFileResult ParsePieceFile(const std::string& text);
PieceFileResult ReadPieceFile(const std::string& path);

// A number as this program reads it from files and fields: "." or "," as the
// decimal separator, blanks around it ignored. Nothing for NaN, infinities
// and anything that is not wholly a number.
bool ParseNumber(const std::string& text, double& value);

} // namespace rz
