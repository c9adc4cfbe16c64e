#include "TRedimMob.h"

#include "DialogButtons.h"
#include "Fields.h"
#include "platform/Numbers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zv {

TRedimMob::TRedimMob(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("RedimMob");
    setWindowTitle("Redimensionare Mobila");
    auto* top = new QVBoxLayout(this);
    auto* panels = new QHBoxLayout;
    top->addLayout(panels);
    auto panel = [&](const char* title, QLineEdit*& w, QLineEdit*& h, QLineEdit*& d, int firstEdit, bool readOnly) {
        auto* box = new QGroupBox(title, this);
        auto* g = new QGridLayout(box);
        const char* labels[3] = {"Latime:", "Inaltime:", "Adancime:"};
        QLineEdit** edits[3] = {&w, &h, &d};
        for (int i = 0; i < 3; ++i) {
            g->addWidget(new QLabel(labels[i], box), i, 0);
            auto* e = new QLineEdit(box);
            e->setObjectName(QString("Edit%1").arg(firstEdit + i));
            e->setReadOnly(readOnly);
            g->addWidget(e, i, 1);
            *edits[i] = e;
        }
        panels->addWidget(box);
        return box;
    };
    panel("Vechile dimensiuni:", Edit1, Edit2, Edit3, 1, true);
    QGroupBox* fresh = panel("Noile dimensiuni:", Edit4, Edit5, Edit6, 4, false);
    fresh->setStyleSheet("QGroupBox { color: red; }");
    AddOkCancelRow(this, top, OkButton, "OkButton", "Redimensionare mobila", CancelButton, "Abandonare");
}

void TRedimMob::ShowSizes(double w, double h, double d) {
    const double v[3] = {w, h, d};
    QLineEdit* edits[6] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    for (int i = 0; i < 6; ++i) edits[i]->setText(QString::fromStdString(FormatField(v[i % 3])));
}

std::optional<ResizeParams> TRedimMob::ReadParams() const {
    const auto v = ReadThreeFields(Edit4, Edit5, Edit6);
    if (!v) return std::nullopt;
    return ResizeParams{(*v)[0], (*v)[1], (*v)[2]};
}

void TRedimMob::FormShow() {
    Edit4->setFocus();
    Edit4->selectAll();
}

} // namespace zv
