#include "PieceTables.h"

namespace zv {

EditResult AddPiece(Furniture& f, const PieceBox& b, std::uint32_t color, const std::string& name) {
    Scene3D& s = f.scene;
    const int i = s.pieceCount;
    if (!s.AddBox(b.x, b.y, b.z, b.sx, b.sy, b.sz)) return EditResult{i, 0};
    s.color[static_cast<std::size_t>(i)] = color;
    // Names follow the piece index, whatever the list held before.
    f.pieceNames.resize(static_cast<std::size_t>(i));
    f.pieceNames.push_back(name);
    f.attrs.ClearSlot(i);
    return EditResult{i, 1};
}

EditResult DeletePiece(Furniture& f, int piece) {
    Scene3D& s = f.scene;
    if (!s.ValidPiece(piece)) return {};
    const int count = s.pieceCount;
    if (piece < static_cast<int>(f.pieceNames.size())) f.pieceNames.erase(f.pieceNames.begin() + piece);
    f.pieceNames.resize(static_cast<std::size_t>(count - 1));
    f.attrs.RemoveSlot(piece, count);
    f.attrs.ClearSlot(count - 1);
    s.DeleteObject(piece);
    return {};
}

void CopyPieceAttributes(Furniture& f, int from, int to) { f.attrs.CopySlot(f.attrs, from, to); }

} // namespace zv
