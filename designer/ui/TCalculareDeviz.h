#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zv {

class TCalculareDeviz : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TCalculareDeviz(QWidget* parent = nullptr);
    QLineEdit* Edit1;      // "Procent pierdere pal/pfl:"
    QLineEdit* Edit2;      // "Procent pierdere cant:"
    QLineEdit* Edit3;      // "Procent adaos comercial:"
    QPushButton* BitBtn1;  // "&Calculare deviz"
    QPlainTextEdit* Memo1; // the estimate

    // Reads the three percentages, then writes the estimate of the main
    // window's furniture on the prices of the two catalogues.
    void BitBtn1Click();
};

} // namespace zv
