#pragma once
// The interior of a drawer behind its front: a bottom board with the two
// sides and the back standing on it. The front is thin along Z and the
// interior goes from its back face towards +Z (towards the furniture's back).
//
//   sides    at the front's left/right distances, `side` thick, on the bottom;
//   bottom   under the whole box, reaching `overlap` under each side;
//   back     `side` thick at the far end: between the sides, or over their ends.
#include "BoxLimits.h"
#include "EditResult.h"
#include "Mobila.h"

#include <array>
#include <string>

namespace zv {

struct DrawerInput {
    double x = 0, y = 0, z = 0;                      // lower left corner of the front's back face
    double width = 0, height = 0;                    // the front ("Latime:", "Inaltime:")
    double depth = 0;                                // interior depth without the front
    double overlap = 0;                              // bottom under each side
    double bottomThickness = 0;                      // "Grosime carton (jos):"
    double sideThickness = 0;                        // "Grosime laterale:", also the back
    double left = 0, right = 0, top = 0, bottom = 0; // interior from the front's edges
    bool backOverSides = false;                      // "Peste laterale"
};

struct DrawerBox {
    std::string name;
    double x = 0, y = 0, z = 0;
    double sx = 0, sy = 0, sz = 0;
    bool bottomBoard = false; // the bottom's material, else the sides'
};

// Bottom, left side, right side, back.
inline constexpr int kDrawerBoards = 4;
using DrawerLayout = std::array<DrawerBox, kDrawerBoards>;

// The dialog's fields, in the order they are read.
enum class DrawerField { Depth, Overlap, BottomThickness, SideThickness, Left, Right, Top, Bottom, Width, Height };
inline constexpr int kDrawerFields = 10;
// Their labels, as the dialog shows them.
extern const char* const kDrawerFieldLabels[kDrawerFields];

// Why these sizes make no drawer behind the front at (x, y, z): sizes above 0
// and distances from 0, each at most the limit of every box; an interior that
// fits the front; the four boxes, as the scene would store them, within the
// limit. The field is a DrawerField.
FieldRefusal CheckDrawer(const DrawerInput& in);
// The four boxes; only for an input CheckDrawer accepts.
DrawerLayout LayOutDrawer(const DrawerInput& in);

struct DrawerMaterial {
    std::string code;
    std::uint32_t color = 0;
};

// Why the furniture takes no drawer now (piece or point tables), or empty.
std::string DrawerRoomRefusal(const Furniture& f);
// Appends the four boards with their codes and colours; the bottom is
// firstNewPiece. Nothing is added when the furniture is full.
EditResult AddDrawer(Furniture& f, const DrawerLayout& boxes, const DrawerMaterial& bottom,
                     const DrawerMaterial& sides);

} // namespace zv
