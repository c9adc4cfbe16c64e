#include "TCreareSertar.h"

namespace zv {

TCreareSertar::TCreareSertar(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("CreareSertar");
    setWindowTitle("Creare sertar");
}

} // namespace zv
