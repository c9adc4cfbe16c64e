#include "TMobiNoua.h"

namespace zv {

TMobiNoua::TMobiNoua(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("MobiNoua");
    setWindowTitle("Mobila noua");
}

} // namespace zv
