#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TSelProiect : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSelProiect(QWidget* parent = nullptr);
};

} // namespace zv
