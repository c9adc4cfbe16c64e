#pragma once
// What an edit touched, so that the main window shows that and nothing more.
namespace zv {

struct EditResult {
    int firstNewPiece = 0, newPieces = 0; // pieces appended by the edit
    bool extentsChanged = false;          // the whole view is fitted again
    bool texturesChanged = false;         // every piece's texture brought up to date
};

} // namespace zv
