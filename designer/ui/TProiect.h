#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TProiect : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TProiect(QWidget* parent = nullptr);
};

} // namespace zv
