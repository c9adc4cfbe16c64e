#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TJur_Imp : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TJur_Imp(QWidget* parent = nullptr);
};

} // namespace zv
