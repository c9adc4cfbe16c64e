#include "TAdaugaFeronerie.h"

#include "TAdaugaPalPfl.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zv {

TAdaugaFeronerie::TAdaugaFeronerie(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("AdaugaFeronerie");
    setWindowTitle("Adauga feronerie");
    setFixedSize(440, 176);
    auto field = [this](const char* name, const char* label, int y, int width) {
        auto* l = new QLabel(label, this);
        l->setGeometry(12, y + 3, 80, 16);
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setGeometry(96, y, width, 22);
        return e;
    };
    Edit1 = field("Edit1", "Cod:", 12, 100);
    Edit1->setMaxLength(10);
    Edit2 = field("Edit2", "Descriere:", 40, 330);
    Edit3 = field("Edit3", "Pret:", 68, 100);
    Edit4 = field("Edit4", "Poza:", 96, 290);
    Button1 = new QPushButton("....", this);
    Button1->setObjectName("Button1");
    Button1->setToolTip("Cautare fisier cu poza");
    Button1->setGeometry(392, 96, 34, 22);
    BitBtn1 = new QPushButton("OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(126, 136, 90, 27);
    BitBtn2 = new QPushButton("Abandonare", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(230, 136, 90, 27);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TAdaugaFeronerie::FormShow() {
    if (Edit1->isEnabled())
        Edit1->setFocus();
    else
        Edit2->setFocus();
}

void TAdaugaFeronerie::Button1Click() {
    const std::string f = PickCataloguePicture(Edit4->text().toStdString());
    if (!f.empty()) Edit4->setText(QString::fromStdString(f));
}

} // namespace zv
