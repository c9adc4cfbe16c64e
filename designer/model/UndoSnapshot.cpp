#include "UndoSnapshot.h"

#include "platform/Text.h"

#include <algorithm>

namespace zv {

namespace {
void CopySceneModel(const Scene3D& from, Scene3D& to) {
    to.screenCx = from.screenCx;
    to.screenCy = from.screenCy;
    to.pointCount = std::clamp(from.pointCount, 0, Scene3D::kPointSlots);
    to.pieceCount = std::clamp(from.pieceCount, 0, Scene3D::kMaxPieces);
    to.modelCx = from.modelCx;
    to.modelCy = from.modelCy;
    to.modelCz = from.modelCz;
    to.zoom = from.zoom;
    to.miniScale = from.miniScale;
    to.current = from.current;
    const auto np = static_cast<std::size_t>(to.pointCount);
    std::copy_n(from.X.begin(), np, to.X.begin());
    std::copy_n(from.Y.begin(), np, to.Y.begin());
    std::copy_n(from.Z.begin(), np, to.Z.begin());
    for (int i = 0; i < to.pieceCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        to.faceCount[k] = from.faceCount[k];
        to.faceFirst[k] = from.faceFirst[k];
        to.facePoints[k] = from.facePoints[k];
        to.pieceCx[k] = from.pieceCx[k];
        to.pieceCy[k] = from.pieceCy[k];
        to.pieceCz[k] = from.pieceCz[k];
        to.color[k] = from.color[k];
    }
}

void CopyAttrs(const PiesaAttributes& a, PiesaAttributes& b, int n) {
    // Contour-model names too: deleting a piece shifts that table as well.
    for (int i = 0; i < n; ++i) b.CopySlot(a, i, i);
}
} // namespace

void SaveUndo(const Furniture& live, UndoSnapshot& undo) {
    undo.modified = live.modified;
    undo.name = CutFurnitureName(live.name);
    undo.saveCount = live.saveCount;
    CopySceneModel(live.scene, undo.scene);
    const int n = undo.scene.pieceCount;
    undo.pieceNames.assign(static_cast<std::size_t>(n), std::string());
    for (int i = 0; i < n && i < static_cast<int>(live.pieceNames.size()); ++i)
        undo.pieceNames[static_cast<std::size_t>(i)] = CutFurnitureName(live.pieceNames[static_cast<std::size_t>(i)]);
    CopyAttrs(live.attrs, undo.attrs, n);
}

void RestoreUndo(const UndoSnapshot& undo, Furniture& live) {
    live.name = undo.name;
    CopySceneModel(undo.scene, live.scene);
    const int n = live.scene.pieceCount;
    live.pieceNames = undo.pieceNames;
    live.pieceNames.resize(static_cast<std::size_t>(n));
    CopyAttrs(undo.attrs, live.attrs, n);
    for (int i = 0; i < n; ++i) {
        auto& t = live.attrs.textureIndex[static_cast<std::size_t>(i)];
        if (t >= live.textures.count || t < -1) t = -1;
    }
}

bool ModifiedAfterUndo(const UndoSnapshot& undo, const Furniture& live) {
    return undo.modified || live.saveCount != undo.saveCount;
}

} // namespace zv
