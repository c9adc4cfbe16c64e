#include "TVizualizarePoza.h"

namespace zv {

TVizualizarePoza::TVizualizarePoza(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("VizualizarePoza");
    setWindowTitle("Poza");
}

} // namespace zv
