#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TDespre : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TDespre(QWidget* parent = nullptr);
};

} // namespace zv
