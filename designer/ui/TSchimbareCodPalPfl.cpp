#include "TSchimbareCodPalPfl.h"

namespace zv {

TSchimbareCodPalPfl::TSchimbareCodPalPfl(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SchimbareCodPalPfl");
    setWindowTitle("Schimbare cod pal piese");
}

} // namespace zv
