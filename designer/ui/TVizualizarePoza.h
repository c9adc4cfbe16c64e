#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

namespace zv {

class TVizualizarePoza : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TVizualizarePoza(QWidget* parent = nullptr);
};

} // namespace zv
