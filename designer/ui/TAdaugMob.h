#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TAdaugMob : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TAdaugMob(QWidget* parent = nullptr);
};

} // namespace zv
