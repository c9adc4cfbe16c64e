#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TCreareSertar : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TCreareSertar(QWidget* parent = nullptr);
};

} // namespace zv
