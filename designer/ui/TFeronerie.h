#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TFeronerie : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TFeronerie(QWidget* parent = nullptr);
};

} // namespace zv
