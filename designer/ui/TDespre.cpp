#include "TDespre.h"

namespace zv {

TDespre::TDespre(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Despre");
    setWindowTitle("Despre");
}

} // namespace zv
