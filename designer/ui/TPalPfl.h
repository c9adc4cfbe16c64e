#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TPalPfl : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TPalPfl(QWidget* parent = nullptr);
};

} // namespace zv
