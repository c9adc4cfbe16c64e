#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TRedimensionarePiesa : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TRedimensionarePiesa(QWidget* parent = nullptr);
};

} // namespace zv
