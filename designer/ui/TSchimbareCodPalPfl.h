#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TSchimbareCodPalPfl : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSchimbareCodPalPfl(QWidget* parent = nullptr);
};

} // namespace zv
