#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class THelp : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit THelp(QWidget* parent = nullptr);
};

} // namespace zv
