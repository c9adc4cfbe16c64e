#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

// "Micsorare jur-imprejur": moves chosen sides of a piece inwards. Not modal:
// it stays open beside the main window while the user edits.
class TJur_Imp : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TJur_Imp(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label3;
    QComboBox* ComboBox1;
    QFrame* Panel1;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6;
    QLineEdit* Edit1;
    QPushButton* Button1;

    void FormActivate() override;
    // The piece list filled again quietly, the current piece chosen.
    void RefreshPieces();
    void ComboBox1Change();
    void Button1Click();
};

} // namespace zv
