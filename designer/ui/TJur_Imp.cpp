#include "TJur_Imp.h"

namespace zv {

TJur_Imp::TJur_Imp(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Jur_Imp");
    setWindowTitle("Micsorare jur-imprejur");
}

} // namespace zv
