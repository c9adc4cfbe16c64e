#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TSalvImag : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSalvImag(QWidget* parent = nullptr);
};

} // namespace zv
