#include "THelp.h"

namespace zv {

THelp::THelp(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("Help");
    setWindowTitle("Ajutor");
}

} // namespace zv
