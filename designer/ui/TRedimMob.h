#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TRedimMob : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TRedimMob(QWidget* parent = nullptr);
};

} // namespace zv
