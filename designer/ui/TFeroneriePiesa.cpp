#include "TFeroneriePiesa.h"

namespace zv {

TFeroneriePiesa::TFeroneriePiesa(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("FeroneriePiesa");
    setWindowTitle("Feronerie piesa");
}

} // namespace zv
