#include "TTang.h"

namespace zv {

TTang::TTang(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Tang");
    setWindowTitle("Tangential");
}

} // namespace zv
