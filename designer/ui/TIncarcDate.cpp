#include "TIncarcDate.h"

namespace zv {

TIncarcDate::TIncarcDate(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("IncarcDate");
    setWindowTitle("Incarcare date....");
}

} // namespace zv
