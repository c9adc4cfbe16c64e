#include "TIntrodCamera.h"

namespace zv {

TIntrodCamera::TIntrodCamera(QWidget* parent) : FormBase<QDialog>(parent) {
    setObjectName("IntrodCamera");
    setWindowTitle("Introducere mobila in camera");
}

} // namespace zv
