#include "TAdaugMob.h"

namespace zv {

TAdaugMob::TAdaugMob(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("AdaugMob");
    setWindowTitle("Adaugare mobila");
}

} // namespace zv
