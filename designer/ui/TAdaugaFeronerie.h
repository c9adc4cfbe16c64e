#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zv {

// The inputs of one hardware item: an enabled Edit1 means a new entry.
class TAdaugaFeronerie : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TAdaugaFeronerie(QWidget* parent = nullptr);
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4; // code, description, price, picture
    QPushButton* Button1;           // "...."
    QPushButton *BitBtn1, *BitBtn2; // OK, "Abandonare"

    void FormShow() override;
    void Button1Click();
};

} // namespace zv
