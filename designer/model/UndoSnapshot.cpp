#include "UndoSnapshot.h"

#include "platform/Text.h"

#include <algorithm>

namespace zv {

namespace {
// The model part of the scene, whole tables: slots past the counts come back
// too, so an undone addition leaves no trace in the slot it used. The view
// (rotation, pan, observer, draw order, fill style) is not copied.
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
    to.X = from.X;
    to.Y = from.Y;
    to.Z = from.Z;
    to.faceCount = from.faceCount;
    to.faceFirst = from.faceFirst;
    to.facePoints = from.facePoints;
    to.pieceCx = from.pieceCx;
    to.pieceCy = from.pieceCy;
    to.pieceCz = from.pieceCz;
    to.color = from.color;
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
    // Every table whole, contour-model names too: deleting a piece shifts that table as well.
    undo.attrs = live.attrs;
}

void RestoreUndo(const UndoSnapshot& undo, Furniture& live) {
    live.name = undo.name;
    CopySceneModel(undo.scene, live.scene);
    const int n = live.scene.pieceCount;
    live.pieceNames = undo.pieceNames;
    live.pieceNames.resize(static_cast<std::size_t>(n));
    live.attrs = undo.attrs;
    for (int i = 0; i < n; ++i) {
        auto& t = live.attrs.textureIndex[static_cast<std::size_t>(i)];
        if (t >= live.textures.count || t < -1) t = -1;
    }
}

bool ModifiedAfterUndo(const UndoSnapshot& undo, const Furniture& live) {
    return undo.modified || live.saveCount != undo.saveCount;
}

} // namespace zv
