#include "TSchimbCulo.h"

namespace zv {

TSchimbCulo::TSchimbCulo(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SchimbCulo");
    setWindowTitle("Schimbare culoare");
}

} // namespace zv
