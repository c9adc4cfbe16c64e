// The left tool panel: piece buttons, the step field, the mode and renderer
// choices, undo, the estimate and the display mode; the mini views' swap buttons.
#include "TMain.h"

#include "Forms.h"
#include "GLView.h"
#include "TCalculareDeviz.h"
#include "TJur_Imp.h"
#include "TTang.h"
#include "model/PieceAlign.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/widgets/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace zv {

// "fata/spate", "stanga/dreapta", "sus/jos": a mini view turns to the other side.
void TMain::BitBtn1Click() {
    SwapMiniView(0);
    DrawProjections(0);
}
void TMain::BitBtn2Click() {
    SwapMiniView(1);
    DrawProjections(0);
}
void TMain::BitBtn3Click() {
    SwapMiniView(2);
    DrawProjections(0);
}

void TMain::BitBtn6Click() { StepCurrentPiece(Axis::X, -1); }  // "<"
void TMain::BitBtn7Click() { StepCurrentPiece(Axis::X, +1); }  // ">"
void TMain::BitBtn8Click() { StepCurrentPiece(Axis::Y, +1); }  // "^" up
void TMain::BitBtn10Click() { StepCurrentPiece(Axis::Y, -1); } // "v" down
void TMain::BitBtn9Click() { StepCurrentPiece(Axis::Z, +1); }  // "^" deeper
void TMain::BitBtn11Click() { StepCurrentPiece(Axis::Z, -1); } // "v" nearer

void TMain::StepCurrentPiece(Axis axis, int sign) {
    const int c = model.scene.current;
    const int mode = RadioGroup1->ItemIndex();
    if (!DesignOpen() || !model.scene.ValidPiece(c) || (mode != 0 && mode != 1)) return;
    const auto step = ParseRealDot(Edit7->text().trimmed().toStdString());
    if (!step) {
        // Nothing moves on a step the user did not mean.
        Edit7->setText("100");
        return;
    }
    const PieceStep s{c, axis, sign * *step, mode == 1};
    if (const std::string why = CheckStepPiece(model, s); !why.empty()) {
        ShowWarning(why);
        return;
    }
    ApplyEdit([&] { return StepPiece(model, s); });
}

void TMain::BitBtn12Click() {
    const Scene3D& sc = model.scene;
    const int c = sc.current;
    if (!DesignOpen() || sc.pieceCount <= 0 || !sc.ValidPiece(c)) return;
    TTang* d = Forms().Tang;
    d->ShowPieces(model.pieceNames, sc.pieceCount);
    const std::string name = c < static_cast<int>(model.pieceNames.size()) ? model.pieceNames[c] : std::string();
    d->Label1->setText(QString("\"%1\" tangential cu:").arg(QString::fromStdString(name)));
    const int mode = RadioGroup1->ItemIndex();
    bool applied = false;
    if (mode == 0 || mode == 1) {
        d->setWindowTitle(mode == 0 ? "Translatare tangentiala" : "Redimensionare tangentiala");
        if (RunModal(*d) == QDialog::Accepted) {
            const TangentEdit t{c, d->ComboBox1->currentIndex(), d->ComboBox2->currentIndex(), mode == 1};
            d->OtherPiece = t.other;
            if (const std::string why = CheckTangent(model, t); !why.empty()) {
                ShowWarning(why);
            } else {
                ApplyEdit([&] { return AlignTangent(model, t); });
                applied = true;
            }
        }
    }
    if (!applied) ShowModelChange({});
}

void TMain::BitBtn14Click() {
    if (!DesignOpen()) return;
    Scene3D& s = model.scene;
    s.rotX = s.rotY = s.rotZ = 0;
    s.panX = s.panY = s.panZ = 0;
    Redraw3D();
    DrawAxes();
    SetModified(true);
}

void TMain::ShowShrinkDialog() {
    TJur_Imp* d = Forms().Jur_Imp;
    d->RefreshPieces();
    d->show();
    d->raise();
    d->activateWindow();
}

void TMain::ChooseShrinkPiece(int piece) {
    // The dialog may still list pieces deleted since it was filled.
    if (!DesignOpen() || !model.scene.ValidPiece(piece)) return;
    model.scene.current = piece;
    ShowModelChange({});
}

void TMain::ShrinkChosenPiece() {
    const int c = model.scene.current;
    if (!DesignOpen() || !model.scene.ValidPiece(c)) return;
    TJur_Imp* d = Forms().Jur_Imp;
    const auto v = ParseRealDot(d->Edit1->text().trimmed().toStdString());
    if (!v) {
        ShowError(kShrinkInvalid);
        return;
    }
    const ShrinkEdit e{c,
                       d->CheckBox1->isChecked(),
                       d->CheckBox2->isChecked(),
                       d->CheckBox3->isChecked(),
                       d->CheckBox4->isChecked(),
                       d->CheckBox5->isChecked(),
                       d->CheckBox6->isChecked(),
                       *v};
    if (const std::string why = CheckShrink(model, e); !why.empty()) {
        if (why == kShrinkInvalid)
            ShowError(why);
        else
            ShowWarning(why);
        return;
    }
    ApplyEdit([&] { return ShrinkPiece(model, e); });
}

void TMain::BitBtn13Click() {
    if (!UndoPossible()) return;
    SetModified(ModifiedAfterUndo(undo, model));
    RestoreUndo();
    RecomputeFurnitureSize();
    SetUndoPossible(false);
    EditResult r;
    r.texturesChanged = true;
    ShowModelChange(r);
}

void TMain::BitBtn17Click() { ShowProjection(1, true); } // "Proiectare &2D"
void TMain::BitBtn18Click() { ShowShrinkDialog(); }

void TMain::BitBtn15Click() {
    TCalculareDeviz* d = Forms().CalculareDeviz;
    d->Memo1->clear();
    RunModal(*d);
}

void TMain::RadioGroup1Click() {
    const int mode = RadioGroup1->ItemIndex();
    if (mode == 0) BitBtn12->setText("Transl. &tang.");
    if (mode == 1) BitBtn12->setText("Redim. &tang.");
}
void TMain::RadioGroup2Click() {
    if (RadioGroup2->ItemIndex() == 1) {
        Image4->hide();
        Timer1->stop();
        Timer2->start();
        Timer3->start();
        Panel6->show();
        GLView->setCursor(Qt::PointingHandCursor);
        ComboBox3->setItemText(1, "Sarmos");
        ComboBox3->setItemText(2, "Punctat");
    } else {
        Image4->show();
        Timer2->stop();
        Timer3->stop();
        ComboBox3->setItemText(1, "Fara iluminare");
        ComboBox3->setItemText(2, "Sarmos");
        Panel6->hide();
        GLView->setCursor(Qt::ArrowCursor);
        update();
        Timer1->start();
    }
}
void TMain::ComboBox3Change() {
    if (!DesignOpen() || model.scene.pieceCount <= 0) return;
    SetModified(true); // the mode is kept in the furniture file
    Redraw3D();
    DrawProjections(0);
}

} // namespace zv
