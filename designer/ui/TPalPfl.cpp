#include "TPalPfl.h"

namespace zv {

TPalPfl::TPalPfl(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("PalPfl");
    setWindowTitle("Pal/pfl");
}

} // namespace zv
