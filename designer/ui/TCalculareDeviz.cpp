#include "TCalculareDeviz.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zv {

TCalculareDeviz::TCalculareDeviz(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("CalculareDeviz");
    setWindowTitle("Deviz");
    auto* g = new QGridLayout(this);
    auto row = [&](int r, const char* label, const char* value) {
        g->addWidget(new QLabel(label, this), r, 0);
        auto* e = new QLineEdit(value, this);
        e->setObjectName(QString("Edit%1").arg(r + 1));
        g->addWidget(e, r, 1);
        g->addWidget(new QLabel("%", this), r, 2);
        return e;
    };
    Edit1 = row(0, "Procent pierdere pal/pfl:", "10");
    Edit2 = row(1, "Procent pierdere cant:", "10");
    Edit3 = row(2, "Procent adaos comercial:", "40");
    BitBtn1 = new QPushButton("&Calculare deviz", this);
    BitBtn1->setObjectName("BitBtn1");
    g->addWidget(BitBtn1, 3, 0, 1, 3);
}

} // namespace zv
