#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TMobiNoua : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TMobiNoua(QWidget* parent = nullptr);
};

} // namespace zv
