#pragma once
// The pieces, the sheet settings and the cutting layout that the packer
// makes of them. Lengths in millimetres; on a sheet x runs along its length
// and y along its width, from the corner where the trim begins.
#include <string>
#include <vector>

namespace rz {

struct Piece {
    std::string name;
    double length = 0; // first size of the file
    double width = 0;  // second size
    // Smaller than the file's two decimals can hold: written as 0.00.
    bool TooSmall() const { return !(length >= 0.005 && width >= 0.005); }
    std::string modelFile;
    int modelRotation = 0;
    int modelMirror = 0;
};

struct SheetSettings {
    double length = 2800;
    double width = 2070;
    double kerf = 4;        // saw blade width
    double trim = 10;       // trimmed off each of the four edges
    bool allowTurn = false; // plain colours may turn; wood grain may not
    // Turning off, the grain of a decorative board runs along the sheet's
    // length and so does each piece's longer side. The literature's test
    // instances instead keep every piece as the file gives it.
    bool asGiven = false;
};

// Empty when the settings leave a usable sheet; else the message for the user.
std::string CheckSettings(const SheetSettings& s);
double UsableLength(const SheetSettings& s);
double UsableWidth(const SheetSettings& s);
// Whether the piece fits the usable sheet, its length along the sheet's
// length, or turned when `turned`.
bool FitsSheet(const Piece& p, const SheetSettings& s, bool turned);
// Whether it fits in a direction the settings allow.
bool FitsSheet(const Piece& p, const SheetSettings& s);
// Whether the settings let the piece lie turned (its first size along the
// sheet's width) or not: either way when turning is allowed; else the way
// that puts its longer side along the sheet's length, a square either way.
bool DirectionAllowed(const Piece& p, const SheetSettings& s, bool turned);
// The one direction a piece takes when turning is off.
bool GrainTurned(const Piece& p, const SheetSettings& s);

struct Placement {
    int piece = -1;      // index into the piece list
    double x = 0, y = 0; // lower corner on the sheet
    double length = 0;   // extent along the sheet's length (x)
    double width = 0;    // extent along the sheet's width (y)
    bool turned = false; // the piece's length lies along the sheet's width
};

// One straight cut through a part of the sheet: at x = pos from y = from to
// y = to when `acrossLength`, else at y = pos from x = from to x = to.
struct Cut {
    bool acrossLength = true;
    double pos = 0, from = 0, to = 0;
    bool trim = false; // one of the four edge trims
};

struct Rect {
    double x = 0, y = 0, length = 0, width = 0;
};

struct SheetLayout {
    std::vector<Placement> placements;
    std::vector<Cut> cuts;      // in the order the saw makes them
    std::vector<Rect> leftover; // the parts the cuts leave without a piece
};

struct Layout {
    std::vector<SheetLayout> sheets;
    std::vector<int> oversize; // pieces larger than the usable sheet, not placed
    std::vector<int> tooSmall; // pieces with a size under 0.005 mm, not placed
    bool clockStopped = false; // the search ran out of time before its work was done
};

// Leftover parts worth keeping: at least `min` x `min` mm.
inline constexpr double kKeptOffcut = 300.0;
std::vector<Rect> KeptOffcuts(const SheetLayout& s, double min = kKeptOffcut);

// Waste in percent of the full sheets used: what is not a placed piece.
double WastePercent(const Layout& l, const SheetSettings& s);
// Total area of the pieces placed, in mm^2.
double PlacedArea(const SheetLayout& s);
// The least number of sheets the area of the pieces that fit allows:
// ceil(area / usable area).
int AreaLowerBound(const std::vector<Piece>& pieces, const SheetSettings& s);

} // namespace rz
