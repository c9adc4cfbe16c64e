#include "TDistPiese.h"

namespace zv {

TDistPiese::TDistPiese(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("DistPiese");
    setWindowTitle("Calculare distante intre doua piese");
}

} // namespace zv
