#include "TCalculareDeviz.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Forms.h"
#include "TMain.h"
#include "catalog/Catalogue.h"
#include "export/Deviz.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

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
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setMinimumSize(460, 220);
    g->addWidget(Memo1, 4, 0, 1, 3);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TCalculareDeviz::BitBtn1Click() {
    double pct[3];
    QLineEdit* fields[3] = {Edit1, Edit2, Edit3};
    for (int i = 0; i < 3; ++i) {
        const auto v = ParseRealDot(fields[i]->text().trimmed().toStdString());
        if (!v || *v < 0) {
            ShowError("Procent invalid.");
            fields[i]->setFocus();
            return;
        }
        pct[i] = *v;
    }
    TMain* m = Forms().Main;
    const auto boards = ReadPalPflCatalogue(CataloguePath(m->startupFolder, kPalPflFile));
    const auto hardware = ReadFeronerieCatalogue(CataloguePath(m->startupFolder, kFeronerieFile));
    const MaterialList list = ListMaterials(m->model, boards.items, hardware.items);
    const Deviz d = ComputeDeviz(list, pct[0], pct[1], pct[2]);
    QString text = QString::fromStdString(FormatDeviz(list, d, pct[0], pct[1], pct[2]));
    text.replace("\r\n", "\n");
    Memo1->setPlainText(text);
}

} // namespace zv
