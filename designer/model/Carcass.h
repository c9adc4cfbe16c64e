#pragma once
// The carcass of a new furniture: back, two sides, top, bottom and an optional
// plinth, computed from the overall dimensions and the board choices; and the
// furniture that replaces the open one. No widgets: tested box by box.
#include "Mobila.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zv {

// What the new-furniture dialog gives, read and not yet checked.
struct CarcassInput {
    std::string name;
    double W = 800, H = 2000, D = 300; // width, height, depth
    double G = 18;                     // chipboard (body) thickness
    double P = 4;                      // back board thickness
    double B = 10;                     // nail border: how far the back overlaps its neighbours
    double S = 70;                     // plinth height; 0 without a plinth
    BackType back = BackType::Aplicat;
    bool topOver = true;     // top "Peste laterale", else "Intre laterale"
    bool bottomOver = false; // bottom likewise
};

// One board of the carcass: minimum corner, sizes, and what the piece tables get.
struct CarcassPiece {
    std::string name;
    double x = 0, y = 0, z = 0;
    double sx = 0, sy = 0, sz = 0;
    std::int32_t edgeBand = 0; // EdgeBandCode
    std::uint8_t face = 0;     // contour-model face: 0 thin along Y, 1 along Z, 2 along X
};

// Index of the top in the carcass: the current piece of a new furniture.
inline constexpr int kCarcassTop = 3;

// "Spate", "Stanga", "Dreapta", "Sus", "Jos" and, when S > 0, "Soclu", in this order.
std::vector<CarcassPiece> CarcassTable(const CarcassInput& s);

// True when every number is finite, S is not negative, every board of the
// carcass has a size above 0 along each axis, no two boards share their place
// (the sides leave room between them, the top lies above the bottom) and
// every box as stored keeps the limit of every box. A flat or inverted box
// would be read wrongly by every later command, which takes a box's minimum
// from its first point.
bool CarcassValid(const CarcassInput& s);

// The boards' materials, the same on every body piece; the back has its own.
struct CarcassMaterials {
    std::uint32_t bodyColor = 0, backColor = 0;
    std::string bodyCode, backCode;
    std::string bodyTexture, backTexture; // empty: drawn in the colour
    bool textureRotated = false;
    bool textureRepeated = true;
};

// Replaces the furniture by the carcass of `s` (which CarcassValid accepted):
// dimensions, back type, name, every piece slot emptied, the boxes with their
// names, edge bands, colours, materials, textures and faces; the view state a
// new furniture starts from; the top current; unsaved, without a file name,
// and modified. W, H, D stay those of `s` until the caller recomputes them.
void ReplaceWithCarcass(Furniture& f, const CarcassInput& s, const CarcassMaterials& m);

// The new-piece dialog's values for a first shelf in a new carcass.
struct ShelfPreset {
    std::string name = "Polita1";
    double x = 0, y = 0, z = 0;
    double length = 0, width = 0, thickness = 0;
    int edgeBand = 1; // "1 lungime"
    int face = 0;
};

// From the furniture's extents (W, H, D recomputed) and the scene's minima:
// inside the carcass, halfway up the space above the plinth, behind a front
// gap of G, in front of an applied back.
ShelfPreset FirstShelfPreset(const Furniture& f);

} // namespace zv
