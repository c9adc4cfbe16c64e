#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TAdaugaPalPfl : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TAdaugaPalPfl(QWidget* parent = nullptr);
};

} // namespace zv
