#include "TAdaugaFeronerie.h"

namespace zv {

TAdaugaFeronerie::TAdaugaFeronerie(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("AdaugaFeronerie");
    setWindowTitle("Adauga feronerie");
}

} // namespace zv
