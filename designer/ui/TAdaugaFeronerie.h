#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TAdaugaFeronerie : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TAdaugaFeronerie(QWidget* parent = nullptr);
};

} // namespace zv
