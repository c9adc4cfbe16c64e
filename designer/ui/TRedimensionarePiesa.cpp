#include "TRedimensionarePiesa.h"

namespace zv {

TRedimensionarePiesa::TRedimensionarePiesa(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("RedimensionarePiesa");
    setWindowTitle("Dimensiuni piesa");
}

} // namespace zv
