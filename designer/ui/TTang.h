#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TTang : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TTang(QWidget* parent = nullptr);
};

} // namespace zv
