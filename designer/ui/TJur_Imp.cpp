#include "TJur_Imp.h"

#include "Forms.h"
#include "TMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zv {

TJur_Imp::TJur_Imp(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Jur_Imp");
    setWindowTitle("Micsorare jur-imprejur");
    setToolTip("Redimensionarea unei piese jur-imprejur");
    setModal(false);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* top = new QVBoxLayout(this);
    Label3 = new QLabel("Piesa:", this);
    Label3->setObjectName("Label3");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setToolTip("Piesa ce se redimensioneaza");
    ComboBox1->setMinimumWidth(200);
    Label1 = new QLabel("Redimensionare:", this);
    Label1->setObjectName("Label1");
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setToolTip("Unde se aplica redimensionarea");
    auto* sides = new QVBoxLayout(Panel1);
    auto box = [&](const char* name, const char* text, bool on) {
        auto* b = new QCheckBox(text, Panel1);
        b->setObjectName(name);
        b->setChecked(on);
        sides->addWidget(b);
        return b;
    };
    CheckBox1 = box("CheckBox1", "Stanga", true);
    CheckBox2 = box("CheckBox2", "Dreapta", true);
    CheckBox3 = box("CheckBox3", "Sus", true);
    CheckBox4 = box("CheckBox4", "Jos", true);
    CheckBox5 = box("CheckBox5", "Fata", false);
    CheckBox6 = box("CheckBox6", "Spate", false);
    Label2 = new QLabel("Valoare (mm):", this);
    Label2->setObjectName("Label2");
    Edit1 = new QLineEdit("2", this);
    Edit1->setObjectName("Edit1");
    Edit1->setToolTip("Valoarea cu care se micsoreaza piesa curenta");
    Button1 = new QPushButton("&Micsorare piesa curenta", this);
    Button1->setObjectName("Button1");
    Button1->setToolTip("Redimensionarea piesei selectate");
    for (QWidget* w : std::initializer_list<QWidget*>{Label3, ComboBox1, Label1, Panel1, Label2, Edit1, Button1})
        top->addWidget(w);
    connect(ComboBox1, &QComboBox::activated, this, [this](int) { ComboBox1Change(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TJur_Imp::FormActivate() { RefreshPieces(); }

void TJur_Imp::RefreshPieces() {
    TMain* m = Forms().Main;
    if (!m) return;
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    const Furniture& f = m->model;
    for (int i = 0; i < f.scene.pieceCount; ++i)
        ComboBox1->addItem(
            QString::fromStdString(i < static_cast<int>(f.pieceNames.size()) ? f.pieceNames[i] : std::string()));
    ComboBox1->setCurrentIndex(f.scene.ValidPiece(f.scene.current) ? f.scene.current : -1);
}

void TJur_Imp::ComboBox1Change() {
    if (TMain* m = Forms().Main) m->ChooseShrinkPiece(ComboBox1->currentIndex());
}

void TJur_Imp::Button1Click() {
    if (TMain* m = Forms().Main) m->ShrinkChosenPiece();
}

} // namespace zv
