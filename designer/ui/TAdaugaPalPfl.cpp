#include "TAdaugaPalPfl.h"

namespace zv {

TAdaugaPalPfl::TAdaugaPalPfl(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("AdaugaPalPfl");
    setWindowTitle("Adauga pal/pfl");
}

} // namespace zv
