#include "TAdaugaFeronerie.h"

#include <QLabel>
#include <QLineEdit>

namespace zv {

TAdaugaFeronerie::TAdaugaFeronerie(QWidget* parent) : CatalogueEntryDialog(parent) {
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
    MakeButtons(96, 136);
}

} // namespace zv
