#include "TSalvImag.h"

namespace zv {

TSalvImag::TSalvImag(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("SalvImag");
    setWindowTitle("Salvare imagine BMP sau JPG");
}

} // namespace zv
