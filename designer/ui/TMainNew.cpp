// "Mobila noua": a carcass replaces the open furniture.
#include "platform/widgets/Modal.h"
#include "TMain.h"

#include "Forms.h"
#include "TCarPies.h"
#include "TFeroneriePiesa.h"
#include "TMobiNoua.h"
#include "TPiesaNoua.h"
#include "model/Carcass.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>

namespace zv {

namespace {
const char* const kBadDimensions = "Dimensiuni incorecte. Nu pot crea mobila.";
const char* const kAskSave = "Mobila curenta nu este salvata. Salvez ?";
} // namespace

void TMain::PresetFirstShelf() {
    TPiesaNoua* d = Forms().PiesaNoua;
    if (!d) return;
    const ShelfPreset p = FirstShelfPreset(model);
    d->PresetShelf(p.name, p.x, p.y, p.z, p.length, p.width, p.thickness);
    d->ComboBox1->setCurrentIndex(p.edgeBand);
    // "Fata", the contour-model face of the new piece.
    if (auto* face = d->findChild<QComboBox*>("ComboBox5")) face->setCurrentIndex(p.face);
}

void TMain::Nou1Click() {
    TMobiNoua* d = Forms().MobiNoua;
    if (!d) return;
    if (!d->ChooseBoard(TMobiNoua::Board::Back)) return;
    if (!d->ChooseBoard(TMobiNoua::Board::Body)) return;
    // The dialog shows the furniture's back type; the furniture takes the
    // dialog's only with the new carcass, so a cancel changes nothing.
    d->RadioGroup1->SetItemIndex(static_cast<int>(model.backType));
    if (RunModal(*d) != QDialog::Accepted) return;
    const std::optional<CarcassInput> input = d->ReadCarcass();
    if (!input || !CarcassValid(*input)) {
        ShowError(kBadDimensions);
        return;
    }
    if (!SoftRenderChosen()) {
        Timer2->start();
        Timer3->start();
    }
    if (model.NeedsSaveQuestion() && ShowMessage(MsgKind::Warning, kAskSave, MsgButtons::YesNo) == MsgResult::Yes) {
        // The user wanted it kept: a save that did not happen keeps it open.
        const SaveOutcome saved = SaveCurrent();
        if (saved == SaveOutcome::Failed || saved == SaveOutcome::Cancelled) return;
    }

    // The whole carcass with every attribute before any window opens: the
    // OpenGL view draws it while the hardware windows are up.
    ReplaceWithCarcass(model, *input, d->Materials());
    SetHatch(true);
    BitBtn13->setEnabled(false); // the old furniture's undo copy is not offered
    EnableDesignControls();
    UpdateCaption();
    RefreshPieceWindow();
    for (int i = 0; i < model.scene.pieceCount; ++i) {
        model.scene.current = i;
        RunModal(*Forms().FeroneriePiesa);
    }
    model.scene.current = kCarcassTop;

    EditResult shown;
    shown.texturesChanged = true; // one atlas rebuild when a board has a picture
    shown.extentsChanged = true;
    ShowModelChange(shown);
    DrawAxes();
    RecomputeFurnitureSize();
    PresetFirstShelf();
    SetModified(true);
    if (Forms().CarPies) Forms().CarPies->show();
}

} // namespace zv
