#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TOptimFoaie : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TOptimFoaie(QWidget* parent = nullptr);
};

} // namespace zv
