#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TSchimbCulo : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSchimbCulo(QWidget* parent = nullptr);
};

} // namespace zv
