#include "TRedimMob.h"

namespace zv {

TRedimMob::TRedimMob(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("RedimMob");
    setWindowTitle("Redimensionare Mobila");
}

} // namespace zv
