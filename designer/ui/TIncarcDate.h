#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TIncarcDate : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TIncarcDate(QWidget* parent = nullptr);
};

} // namespace zv
