#pragma once
// A new piece: the defaults of the 24 kinds of the new-piece dialog, the copy
// of an existing piece, appending the piece and deleting one. No widgets: the
// dialog only writes these values into its fields and reads them back.
#include "EditResult.h"
#include "Mobila.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zv {

inline constexpr int kPiesaKindCount = 24;

// Index = position in the dialog's kind list.
enum PiesaKind : int {
    KindPolita = 0,
    KindBaraHaine = 1,
    KindDespartitor = 2,
    KindDespartitor12 = 3,
    KindDespartitor22 = 4,
    KindUsaAplicata = 5,
    KindUsaIncastrata = 11,
    KindManerVertical = 17,
    KindManerOrizontal = 18,
    KindPicior1 = 19,
    KindBlat = 23,
};

// The items of the kind list.
extern const char* const kPiesaKindTexts[kPiesaKindCount];

// The name of the default contour model of rails, handles and legs.
inline constexpr const char* kDefaultModelFile = "Cerc.bmp";

// What the defaults are computed from.
struct NewPieceContext {
    double minX = 0, minY = 0, minZ = 0, maxX = 0, maxY = 0, maxZ = 0; // extents of the scene
    double G = 0, P = 0, S = 0;                                        // chipboard, back thickness, plinth height
    double t = 0;                                                      // thickness of the new piece's board
    BackType back = BackType::Aplicat;
    const std::vector<std::string>* names = nullptr; // the piece names, for the "exists" tests
    std::string startupFolder;
};

// The extents of the scene in a context, everything else left as it is.
void SetExtents(NewPieceContext& c, const Scene3D& s);

// The fields the dialog fills in for a kind.
struct KindDefaults {
    std::string name;
    double x = 0, y = 0, z = 0;                  // minimum corner
    double length = 0, width = 0, thickness = 0; // "Lungime", "Latime", "Grosime"
    int edgeBand = 0;                            // "Cant" index
    int face = 0;                                // "Fata" index
    std::string modelFile;                       // empty: the model field stays empty
};

// The defaults of kind 0..23; W, H and D are the extents' spans.
KindDefaults DefaultsForKind(int kind, const NewPieceContext& c);

// True when some name begins with the prefix, letter case ignored; a name
// shorter than the prefix never matches.
bool PiesaExists(const std::vector<std::string>& names, const std::string& prefix);

struct BoxSizes {
    double sx = 0, sy = 0, sz = 0;
};
// The three sizes of the dialog as the box's extents along X, Y, Z by kind.
BoxSizes BoxSizesForKind(int kind, double length, double width, double thickness);

// One piece's entries in every per-piece table.
struct PieceSlot {
    std::int32_t edgeBand = 0;
    std::string materialCode;
    PieceHardware hardware;
    std::string modelFile;
    std::uint8_t modelFace = 0, modelRotation = 0, modelMirror = 0;
    std::string textureFile;
    std::int32_t textureRepeated = 1, textureRotated = 0;
};

// A piece to append: its box, colour, name and table entries.
struct NewPiece {
    std::string name;
    double x = 0, y = 0, z = 0;    // minimum corner
    double sx = 0, sy = 0, sz = 0; // sizes along X, Y, Z
    std::uint32_t color = 0;
    PieceSlot slot;
};

// Everything of piece k that the copy takes: its box, colour, name and tables.
NewPiece CopyOfPiece(const Furniture& f, int k);

// The kind list entry that lays a copied box out again: "Polita" for a box
// thin along Y, "Usa aplicata" along Z, "Despartitor" along X. The sizes
// come back sorted as length, width, thickness.
struct CopiedLayout {
    int kind = KindPolita;
    double length = 0, width = 0, thickness = 0;
};
CopiedLayout LayoutOfCopy(double sx, double sy, double sz);

// Why no piece can be added now (the piece or point tables are full), or empty.
std::string NewPieceRefusal(const Scene3D& s);

// The piece's box, as the scene would store it, keeps the limit of every box.
bool NewPieceWithinLimits(const NewPiece& p);

// Appends the piece as the last one and makes it current. When the scene
// refuses the box or the box breaks the limit, nothing at all is written and
// newPieces is 0.
EditResult AppendNewPiece(Furniture& f, const NewPiece& p);

// The plinth height of an opened furniture (the file does not hold it): the
// height of a piece named "Soclu", else 0.
double PlinthFromPieces(const Furniture& f);

} // namespace zv
