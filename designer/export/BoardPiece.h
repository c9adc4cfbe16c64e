#pragma once
// Which pieces are boards: the one rule of the piece list, the material list
// and the estimate.
#include "model/Mobila.h"

namespace zv {

// Three sizes of a board (not a rail, handle or leg): every size at least
// 3.5 mm and exactly one of them at most 50 mm.
bool IsBoardPiece(double a, double b, double c);

// A piece of the furniture that is a board by its sizes; the pieces of the
// room around the furniture are not.
bool IsBoardPiece(const Furniture& f, int piece);

} // namespace zv
