#include "TPiesaNoua.h"

#include "model/Mobila.h"
#include "platform/Numbers.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace zv {

TPiesaNoua::TPiesaNoua(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("PiesaNoua");
    setWindowTitle("Piesa Noua");
    auto* f = new QFormLayout(this);
    auto edit = [&](const char* name, const char* label, const char* text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(name);
        f->addRow(label, e);
        return e;
    };
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName("ComboBox2");
    f->addRow("Tip piesa:", ComboBox2);
    Edit7 = edit("Edit7", "Nume:", "");
    Edit1 = edit("Edit1", "X:", "0");
    Edit2 = edit("Edit2", "Y:", "0");
    Edit3 = edit("Edit3", "Z:", "0");
    Edit4 = edit("Edit4", "Lungime:", "0");
    Edit5 = edit("Edit5", "Latime:", "0");
    Edit6 = edit("Edit6", "Grosime:", "0");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    for (const char* t : kEdgeBandTexts) ComboBox1->addItem(t);
    f->addRow("Cant:", ComboBox1);
}

void TPiesaNoua::PresetShelf(const std::string& name, double x, double y, double z, double length, double width,
                             double thickness) {
    ComboBox1->setCurrentIndex(1);
    if (ComboBox2->count() > 0) ComboBox2->setCurrentIndex(0);
    Edit7->setText(QString::fromStdString(name));
    Edit1->setText(QString::fromStdString(FormatGeneral(x)));
    Edit2->setText(QString::fromStdString(FormatGeneral(y)));
    Edit3->setText(QString::fromStdString(FormatGeneral(z)));
    Edit4->setText(QString::fromStdString(FormatGeneral(length)));
    Edit5->setText(QString::fromStdString(FormatGeneral(width)));
    Edit6->setText(QString::fromStdString(FormatGeneral(thickness)));
}

} // namespace zv
