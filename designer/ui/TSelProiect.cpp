#include "TSelProiect.h"

#include "Forms.h"
#include "TMain.h"

#include <QGuiApplication>
#include <QScreen>

namespace zv {

TSelProiect::TSelProiect(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SelProiect");
    setWindowTitle("Selectare proiectie");
    setFixedSize(240, 90);
    Label1 = new QLabel("Proiectie:", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(10, 12, 60, 20);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems({"Proiectie sus", "Proiectie fata", "Proiectie dreapta"});
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setGeometry(72, 10, 158, 24);
    BitBtn1 = new QPushButton("&Afisare proiectie", this);
    BitBtn1->setObjectName("BitBtn1");
    QFont bold = BitBtn1->font();
    bold.setBold(true);
    BitBtn1->setFont(bold);
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(60, 50, 130, 28);
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        BitBtn1Click();
        accept();
    });
}

void TSelProiect::FormShow() {
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    if (ComboBox1->currentIndex() < 0) ComboBox1->setCurrentIndex(1);
}

void TSelProiect::BitBtn1Click() {
    const int view = ComboBox1->currentIndex() < 0 ? 1 : ComboBox1->currentIndex();
    Forms().Main->ShowProjection(view, true);
}

} // namespace zv
