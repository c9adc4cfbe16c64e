#pragma once
#include "model/NewPiece.h"
#include "platform/widgets/FormBase.h"
#include "platform/widgets/PictureBox.h"

#include <QDialog>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace zv {

// "Piesa Noua": the piece the "Piesa noua" command adds. Its fields keep
// their values from one use to the next; a kind from the list fills in that
// kind's defaults, "C&opiaza piesa" takes every value of another piece.
class TPiesaNoua : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TPiesaNoua(QWidget* parent = nullptr);

    QLineEdit* Edit7;                 // "Denumire piesa:"
    QComboBox* ComboBox2;             // "Pozitionare:": the 24 kinds
    QComboBox* ComboBox1;             // "Cant:"
    QLineEdit *Edit1, *Edit2, *Edit3; // "Pozitie X:", "Pozitie Y:", "Pozitie Z:"
    QLineEdit *Edit4, *Edit5, *Edit6; // "Lungime:", "Latime:", "Grosime:"
    QLineEdit* Edit8;                 // contour-model file
    QPushButton* Button1;             // "..."
    QComboBox* ComboBox3;             // "Rotatie:"
    QComboBox* ComboBox4;             // "Simetrie:"
    QComboBox* ComboBox5;             // "Fata:"
    QPushButton* BitBtn1;             // board choice
    QFrame* Panel1;                   // the swatch: the colour, or the board's picture over it
    PictureBox* Image1;
    QCheckBox* CheckBox2; // "Repet"
    QCheckBox* CheckBox1; // "Rot. text."
    QPushButton* BitBtn2; // "C&opiaza piesa"
    QPushButton* BitBtn3; // "Creaza &piesa"
    QPushButton* BitBtn4; // "Abandon"

    // Board of the new piece, its hardware and its texture picture.
    std::string MaterialCode;
    PieceHardware HardwareList;
    std::string TextureFile;

    // The opening steps of the command, before the dialog shows: the model
    // choices reset, then the board asked for in the catalogue. False when
    // the board choice was cancelled: the command ends there.
    bool BeginNewPiece();
    // Sets the kind and the fields from code without filling in the kind's
    // defaults: the presets after start-up, an open and a new furniture.
    void Preset(int kind, const std::string& name, double x, double y, double z, double length, double width,
                double thickness, int edgeBand, int face);
    // A first shelf ("Fata" as it is).
    void PresetShelf(const std::string& name, double x, double y, double z, double length, double width,
                     double thickness);
    // The swatch in a colour, its picture kept as it is.
    void SetSwatchColor(std::uint32_t color);
    // The piece as the fields describe it (colour left 0), or nothing at the
    // first position or size that is not a number, a size of 0 or below, or a
    // box that breaks the limit of every box as the scene would store it.
    std::optional<NewPiece> ReadPiece() const;
    // Whether a piece name begins with the prefix (letter case ignored).
    bool PiesaExists(const std::string& prefix) const;

    void ComboBox2Change(); // a kind picked from the list
    void BitBtn1Click();    // "&Selectare material" or a click on the swatch
    void BitBtn2Click();    // "C&opiaza piesa"
    void Button1Click();    // "..."

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // A chosen board: its code, colour, picture and thickness.
    void TakeBoard(const std::string& code, std::uint32_t color, const std::string& picture, double thickness);
    // The swatch shows the picture when the file exists and loads, else only the colour.
    void ShowSwatchPicture(const std::string& file);
    void WriteFields(double x, double y, double z, double length, double width, double thickness);
};

} // namespace zv
