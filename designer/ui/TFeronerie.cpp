#include "TFeronerie.h"

namespace zv {

TFeronerie::TFeronerie(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Feronerie");
    setWindowTitle("Feronerie");
}

} // namespace zv
