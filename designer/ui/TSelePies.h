#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TSelePies : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSelePies(QWidget* parent = nullptr);
};

} // namespace zv
