#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TIntrodCamera : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TIntrodCamera(QWidget* parent = nullptr);
};

} // namespace zv
