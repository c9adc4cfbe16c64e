#include "TTang.h"

#include "model/PieceAlign.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace zv {

TTang::TTang(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Tang");
    setWindowTitle("Tangential");
    auto* g = new QGridLayout(this);
    Label1 = new QLabel("Piesa curenta tangentiala cu:", this);
    Label1->setObjectName("Label1");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setMinimumWidth(220);
    Label2 = new QLabel("Mod calculare tangential:", this);
    Label2->setObjectName("Label2");
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    for (const char* name : kTangentRelationNames) ComboBox2->addItem(name);
    BitBtn1 = new QPushButton("Calculare tangential", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton("Abandonare", this);
    BitBtn2->setObjectName("BitBtn2");
    g->addWidget(Label1, 0, 0, 1, 2);
    g->addWidget(ComboBox1, 1, 0, 1, 2);
    g->addWidget(Label2, 2, 0, 1, 2);
    g->addWidget(ComboBox2, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    g->addLayout(buttons, 4, 0, 1, 2);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    // What the user picks, not what filling the list reports.
    connect(ComboBox1, &QComboBox::activated, this, [this](int) { ComboBox1Change(); });
    FormCreate();
}

void TTang::FormCreate() {
    ComboBox2->setCurrentIndex(0);
    OtherPiece = 0;
}

void TTang::ShowPieces(const std::vector<std::string>& names, int pieceCount) {
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->clear();
    for (int i = 0; i < pieceCount; ++i)
        ComboBox1->addItem(QString::fromStdString(i < static_cast<int>(names.size()) ? names[i] : std::string()));
    ComboBox1->setCurrentIndex(OtherPiece >= 0 && OtherPiece < pieceCount ? OtherPiece : 0);
}

void TTang::ComboBox1Change() { OtherPiece = ComboBox1->currentIndex(); }

} // namespace zv
