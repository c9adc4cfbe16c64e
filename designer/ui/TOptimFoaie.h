#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <cstdint>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

class PictureBox;

// The boards of one material written to "FoaiePal.app" and handed to the
// sheet optimiser.
class TOptimFoaie : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TOptimFoaie(QWidget* parent = nullptr);
    QFrame* Panel1;       // "Caracteristici material:"
    QLabel* Label1;       // the panel's heading
    QPushButton* Button1; // "Selectare"
    QFrame* Panel2;       // colour swatch
    PictureBox* Image1;   // the material's picture over the swatch
    QPushButton* Button2; // "&Textura", kept hidden
    QLabel* Label2;       // "Grosime (mm):"
    QLineEdit* Edit1;     // thickness, read-only
    QLabel* Label3;       // the code whose pieces are exported
    QPushButton* Button3; // "&Optimizare"
    QPushButton* BitBtn1; // "&Inchide"

    // The board code whose pieces are exported.
    std::string ChosenCode;
    // The picture dialog's file name: the picture of the material shown.
    std::string PictureFileName;

    // Shows the current piece's material, which becomes the one exported.
    void FormShow() override;
    void Button1Click();
    void Button2Click();
    // Writes "FoaiePal.app" in the current folder and starts the optimiser.
    void Button3Click();

private:
    void ShowMaterial(const std::string& code, std::uint32_t color, double thickness, const std::string& picture);
    // The picture over the swatch, hidden when the file cannot be shown.
    void ShowPicture(const std::string& picture);
};

} // namespace zv
