#include "TSelePies.h"

#include "platform/widgets/Modal.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zv {

TSelePies::TSelePies(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SelePies");
    setWindowTitle("Selectare piesa");
    auto* g = new QGridLayout(this);
    Label1 = new QLabel("Piesa:", this);
    Label1->setObjectName("Label1");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setMinimumWidth(200);
    g->addWidget(Label1, 0, 0);
    g->addWidget(ComboBox1, 0, 1);
    auto* buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton("OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn2 = new QPushButton("Cancel", this);
    BitBtn2->setObjectName("BitBtn2");
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    g->addLayout(buttons, 1, 0, 1, 2);
    BitBtn1->setDefault(true);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

int TSelePies::Choose(const std::vector<std::string>& names, int current) {
    if (names.empty()) return -1;
    ComboBox1->clear();
    for (const std::string& n : names) ComboBox1->addItem(QString::fromStdString(n));
    ComboBox1->setCurrentIndex(current >= 0 && current < ComboBox1->count() ? current : 0);
    if (RunModal(*this) != QDialog::Accepted) return -1;
    return ComboBox1->currentIndex();
}

} // namespace zv
