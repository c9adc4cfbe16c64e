#include "TSalvImag.h"

#include "platform/widgets/RadioGroup.h"

#include <QGridLayout>
#include <QPushButton>

namespace zv {

TSalvImag::TSalvImag(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SalvImag");
    setWindowTitle("Salvare imagine BMP sau JPG");
    auto* g = new QGridLayout(this);
    RadioGroup1 = new RadioGroup("Format imagine", {"Jpeg (jpg)", "Bitmap (bmp)"}, this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->SetItemIndex(0);
    RadioGroup2 = new RadioGroup(
        "Imagine salvata", {"Imagine 3D", "Proiectie fata/spate", "Proiectie stanga/dreapta", "Proiectie sus/jos"},
        this);
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup2->SetItemIndex(0);
    BitBtn1 = new QPushButton("Salvare", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton("Abandonare", this);
    BitBtn2->setObjectName("BitBtn2");
    g->addWidget(RadioGroup1, 0, 0);
    g->addWidget(RadioGroup2, 0, 1);
    g->addWidget(BitBtn1, 1, 0);
    g->addWidget(BitBtn2, 1, 1);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace zv
