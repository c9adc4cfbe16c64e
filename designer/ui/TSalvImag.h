#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QPushButton;

namespace zv {

class RadioGroup;

// Which picture to save and in which format; the choices stay from one use to the next.
class TSalvImag : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSalvImag(QWidget* parent = nullptr);
    RadioGroup* RadioGroup1; // "Format imagine": 0 JPEG, 1 BMP
    RadioGroup* RadioGroup2; // "Imagine salvata": 0 3D, 1 front, 2 left, 3 top
    QPushButton* BitBtn1;    // "Salvare"
    QPushButton* BitBtn2;    // "Abandonare"
};

} // namespace zv
