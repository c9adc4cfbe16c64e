// "Piesa &noua" and "&Sterge piesa": adding a piece through the new-piece
// dialog and deleting the current piece. The projection window calls the same two.
#include "Forms.h"
#include "TFeroneriePiesa.h"
#include "TMain.h"
#include "TPiesaNoua.h"
#include "model/NewPiece.h"
#include "model/PieceTables.h"
#include "platform/Dialogs.h"
#include "platform/widgets/Modal.h"

namespace zv {

void TMain::BitBtn4Click() {
    if (!DesignOpen()) return;
    if (const std::string why = NewPieceRefusal(model.scene); !why.empty()) {
        ShowWarning(why);
        return;
    }
    TPiesaNoua* d = Forms().PiesaNoua;
    d->SetSwatchColor(CurrentColor());
    // The board is chosen before the dialog shows; cancelling it ends the command.
    if (!d->BeginNewPiece() || RunModal(*d) != QDialog::Accepted) {
        RefreshPieceWindow();
        return;
    }
    std::optional<NewPiece> piece = d->ReadPiece();
    if (!piece) {
        ShowError("Date incorecte pentru pozitie sau dimensiuni.");
        RefreshPieceWindow();
        return;
    }
    piece->color = CurrentColor();
    ApplyEdit([&] { return AppendNewPiece(model, *piece); });
    RunModal(*Forms().FeroneriePiesa);
    RefreshPieceWindow();
}

void TMain::BitBtn5Click() {
    if (!DesignOpen() || model.scene.pieceCount <= 0) return;
    // The piece asked about is the one deleted, whatever the windows do meanwhile.
    const int piece = model.scene.current;
    if (!model.scene.ValidPiece(piece)) return;
    const auto k = static_cast<std::size_t>(piece);
    const std::string name = k < model.pieceNames.size() ? model.pieceNames[k] : std::string();
    if (!AskYesNo("Sterg piesa curenta (" + name + ") ?")) return;
    ApplyEdit([&] { return DeletePiece(model, piece); });
}

} // namespace zv
