#include "TOptimFoaie.h"

namespace zv {

TOptimFoaie::TOptimFoaie(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("OptimFoaie");
    setWindowTitle("Optimizare piese pe foaie pal");
}

} // namespace zv
