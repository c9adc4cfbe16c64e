// The left tool panel: piece buttons, the step field, the mode and renderer
// choices, undo, the estimate and the display mode; the mini views' swap buttons.
#include "TMain.h"

#include "Forms.h"
#include "GLView.h"
#include "TCalculareDeviz.h"
#include "platform/widgets/Modal.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace zv {

void TMain::BitBtn1Click() {
    Label1->setText(Label1->text() == "Fata:" ? "Spate:" : "Fata:");
    DrawProjections(0);
}
void TMain::BitBtn2Click() {
    Label2->setText(Label2->text() == "Stanga:" ? "Dreapta:" : "Stanga:");
    DrawProjections(0);
}
void TMain::BitBtn3Click() {
    Label3->setText(Label3->text() == "Sus:" ? "Jos:" : "Sus:");
    DrawProjections(0);
}

void TMain::BitBtn6Click() {}
void TMain::BitBtn7Click() {}
void TMain::BitBtn8Click() {}
void TMain::BitBtn9Click() {}
void TMain::BitBtn10Click() {}
void TMain::BitBtn11Click() {}
void TMain::BitBtn12Click() {}
void TMain::BitBtn14Click() {}

void TMain::BitBtn13Click() {
    if (!BitBtn13->isEnabled()) return;
    SetModified(ModifiedAfterUndo(undo, model));
    RestoreUndo();
    RecomputeFurnitureSize();
    BitBtn13->setEnabled(false);
    EditResult r;
    r.texturesChanged = true;
    ShowModelChange(r);
}

void TMain::BitBtn17Click() { ShowProjection(1, true); } // "Proiectare &2D"
void TMain::BitBtn18Click() {}

void TMain::BitBtn15Click() {
    TCalculareDeviz* d = Forms().CalculareDeviz;
    d->Memo1->clear();
    RunModal(*d);
}

void TMain::RadioGroup1Click() {}
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
void TMain::ComboBox3Change() {}

} // namespace zv
