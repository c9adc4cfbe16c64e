#pragma once
// One level of undo: a copy of the parts of the furniture an edit can change.
// The view (rotation, pan, observer), the dimensions, the mini-view pans, the
// atlas tables and the back type are not in it, so an undo leaves them alone.
#include "Mobila.h"

namespace zv {

struct UndoSnapshot {
    Scene3D scene;
    std::vector<std::string> pieceNames;
    PiesaAttributes attrs;
    std::string name;
    bool modified = false;
    // Saves counted when the snapshot was taken: a save after it means the
    // restored model differs from the file.
    unsigned saveCount = 0;
    bool operator==(const UndoSnapshot&) const = default;
};

void SaveUndo(const Furniture& live, UndoSnapshot& undo);
// Copies the snapshot back. Texture indices that no longer fit the atlas
// tables are reset to -1; the caller brings the textures up to date.
void RestoreUndo(const UndoSnapshot& undo, Furniture& live);
// The modified flag after an undo.
bool ModifiedAfterUndo(const UndoSnapshot& undo, const Furniture& live);

} // namespace zv
