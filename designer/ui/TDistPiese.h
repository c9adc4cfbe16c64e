#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TDistPiese : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TDistPiese(QWidget* parent = nullptr);
};

} // namespace zv
