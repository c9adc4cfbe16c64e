#pragma once
// The per-piece tables of the furniture (the scene's pieces, every attribute
// table, the piece names) change in step: a piece is added, deleted or takes
// another's attributes only through these functions.
#include "EditResult.h"
#include "Mobila.h"

#include <cstdint>
#include <string>

namespace zv {

// A box by its minimum corner and its sizes along x, y, z.
struct PieceBox {
    double x = 0, y = 0, z = 0;
    double sx = 0, sy = 0, sz = 0;
};

// Appends the box as the last piece with its colour and name; every attribute
// slot of it starts blank. At the piece or point limit nothing changes and the
// result holds no new piece. The current piece stays the caller's.
EditResult AddPiece(Furniture& f, const PieceBox& box, std::uint32_t color, const std::string& name);

// Removes the piece from the scene, from every attribute table and from the
// names; the slot freed at the end is blank again and piece 0 becomes current.
// A piece that is not there changes nothing. The atlas and the furniture size
// are left as they are.
EditResult DeletePiece(Furniture& f, int piece);

// Every attribute table's slot `from` copied into slot `to` (geometry, colour
// and name stay).
void CopyPieceAttributes(Furniture& f, int from, int to);

} // namespace zv
