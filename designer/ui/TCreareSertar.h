#pragma once
#include "model/Drawer.h"
#include "platform/Canvas.h"
#include "platform/widgets/FormBase.h"
#include "platform/widgets/PictureBox.h"

#include <QDialog>
#include <optional>

class QFrame;
class QLineEdit;
class QPushButton;

namespace zv {

class RadioGroup;

// The boards of a drawer's interior: sizes, materials of the bottom and the
// sides, the interior's distances from the front's edges and the front's size.
class TCreareSertar : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TCreareSertar(QWidget* parent = nullptr);

    QLineEdit *Edit1, *Edit10, *Edit2, *Edit3; // depth, overlap, bottom and side thickness
    RadioGroup* RadioGroup1;                   // "Spate"
    QPushButton *BitBtn16, *BitBtn3, *Button5; // "Jos", "Laterale", "&Textura"
    QFrame *Panel5, *Panel8;                   // swatches of the bottom and the sides
    PictureBox *Image1, *Image2;
    QLineEdit *Edit4, *Edit5, *Edit6, *Edit7; // left, right, top, bottom distances
    QLineEdit *Edit8, *Edit9;                 // the front's width and height
    QPushButton *OkButton, *CancelButton;

    // The boards chosen: codes, colours and the file names of the two picture dialogs.
    std::string bottomCode, sideCode;
    Color bottomColor = 0xFFFFFF, sideColor = 0xFFFFFF; // ColorDialog1, ColorDialog2
    std::string bottomPicture, sidePicture;             // OpenPictureDialog1, OpenPictureDialog2

    void BitBtn16Click(); // "Jos"
    void BitBtn3Click();  // "Laterale"
    void Button5Click();  // "&Textura"

    // Every field read (with "." or the system's separator) and checked for a
    // drawer behind the current piece of `f`, its front. At the first wrong
    // field its message is shown, the field takes the focus, everything typed
    // stays and nothing is returned.
    std::optional<DrawerInput> ReadChecked(const Furniture& f);
    // "Creare &interior sertar" closes the dialog only when ReadChecked accepts.
    void accept() override;

private:
    void ChooseBoard(bool bottom);
    // Shows the picture in the swatch; false when it could not be read.
    bool ShowPicture(PictureBox* pic, const std::string& file);
};

} // namespace zv
