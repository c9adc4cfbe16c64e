#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TFeroneriePiesa : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TFeroneriePiesa(QWidget* parent = nullptr);
};

} // namespace zv
