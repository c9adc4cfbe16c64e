#pragma once
// A small chooser that opens the projection window on the chosen view.
#include "platform/widgets/FormBase.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace zv {

class TSelProiect : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSelProiect(QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* ComboBox1;
    QPushButton* BitBtn1;

    void FormShow() override;
    void BitBtn1Click();
};

} // namespace zv
