#include "TProiect.h"

namespace zv {

TProiect::TProiect(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Proiect");
    setWindowTitle("Proiectie");
}

} // namespace zv
