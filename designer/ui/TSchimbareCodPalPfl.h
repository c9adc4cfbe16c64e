#pragma once
#include "platform/Canvas.h"
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace zv {

// The old and the new board code of a material replace over the whole furniture.
class TSchimbareCodPalPfl : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSchimbareCodPalPfl(QWidget* parent = nullptr);

    QLineEdit *Edit1, *Edit2; // "Cod vechi:", "Cod nou:" (read-only)
    QPushButton *Button1, *Button2, *BitBtn1, *CancelButton;

    // The last "Cod nou" chosen, kept for the whole run.
    struct Choice {
        std::string code, picture;
        Color color = 0;
        double thickness = 0;
    };
    const Choice& Remembered() const { return remembered_; }
    // Whether "Cod nou" was chosen since Begin: only then is the remembered
    // choice the one Edit2 shows.
    bool NewCodeChosen() const { return chosen_; }

    // A new showing: both fields show `code`.
    void Begin(const std::string& code);
    void FormShow() override;
    void Button1Click();
    void Button2Click();

private:
    Choice remembered_;
    bool chosen_ = false;
};

} // namespace zv
