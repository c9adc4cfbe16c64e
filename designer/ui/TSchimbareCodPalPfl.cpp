#include "TSchimbareCodPalPfl.h"

#include "DialogButtons.h"
#include "Forms.h"
#include "TMain.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zv {

TSchimbareCodPalPfl::TSchimbareCodPalPfl(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SchimbareCodPalPfl");
    setWindowTitle("Schimbare cod pal piese");
    auto* top = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    top->addLayout(g);
    auto row = [&](int r, const char* label, QLineEdit*& edit, QPushButton*& button, const char* editName,
                   const char* buttonName) {
        g->addWidget(new QLabel(label, this), r, 0);
        edit = new QLineEdit(this);
        edit->setObjectName(editName);
        edit->setReadOnly(true);
        g->addWidget(edit, r, 1);
        button = new QPushButton("....", this);
        button->setObjectName(buttonName);
        g->addWidget(button, r, 2);
    };
    row(0, "Cod vechi:", Edit1, Button1, "Edit1", "Button1");
    row(1, "Cod nou:", Edit2, Button2, "Edit2", "Button2");
    AddOkCancelRow(this, top, BitBtn1, "BitBtn1", "OK", CancelButton, "Abandonare");
    connect(Button1, &QPushButton::clicked, this, &TSchimbareCodPalPfl::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSchimbareCodPalPfl::Button2Click);
}

void TSchimbareCodPalPfl::Begin(const std::string& code) {
    Edit1->setText(QString::fromStdString(code));
    Edit2->setText(QString::fromStdString(code));
    chosen_ = false;
}

void TSchimbareCodPalPfl::FormShow() { Button2->setFocus(); }

void TSchimbareCodPalPfl::Button1Click() {
    std::string code, picture;
    Color color = 0;
    double thickness = 0;
    if (Forms().Main->PickPalPfl(code, picture, color, thickness)) Edit1->setText(QString::fromStdString(code));
}

void TSchimbareCodPalPfl::Button2Click() {
    Choice c = remembered_;
    // An empty catalogue gives back no board.
    if (!Forms().Main->PickPalPfl(c.code, c.picture, c.color, c.thickness) || c.code.empty()) return;
    remembered_ = c;
    chosen_ = true;
    Edit2->setText(QString::fromStdString(c.code));
}

} // namespace zv
