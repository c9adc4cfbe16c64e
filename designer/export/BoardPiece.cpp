#include "BoardPiece.h"

#include "model/Room.h"

namespace zv {

bool IsBoardPiece(double a, double b, double c) {
    if (!(a >= 3.5 && b >= 3.5 && c >= 3.5)) return false;
    const int thin = (a <= 50.0) + (b <= 50.0) + (c <= 50.0);
    return thin == 1;
}

bool IsBoardPiece(const Furniture& f, int piece) {
    if (!f.scene.ValidPiece(piece) || IsRoomPiece(f, piece)) return false;
    const auto box = f.scene.PieceBox(piece);
    return IsBoardPiece(box.x1 - box.x0, box.y1 - box.y0, box.z1 - box.z0);
}

} // namespace zv
