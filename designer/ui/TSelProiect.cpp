#include "TSelProiect.h"

namespace zv {

TSelProiect::TSelProiect(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SelProiect");
    setWindowTitle("Selectare proiectie");
}

} // namespace zv
