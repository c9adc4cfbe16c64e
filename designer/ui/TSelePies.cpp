#include "TSelePies.h"

namespace zv {

TSelePies::TSelePies(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SelePies");
    setWindowTitle("Selectare piesa");
}

} // namespace zv
