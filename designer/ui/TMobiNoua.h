#pragma once
#include "model/Carcass.h"
#include "platform/widgets/FormBase.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/RadioGroup.h"

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

// "Mobila noua": the dimensions and choices of a new carcass and its two
// boards. Created once; every control keeps its value from one use to the next.
class TMobiNoua : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TMobiNoua(QWidget* parent = nullptr);

    QLineEdit* Edit1;                 // "Denumire mobila:"
    QLineEdit *Edit2, *Edit3, *Edit4; // width, height, depth
    QLineEdit *Edit5, *Edit6;         // chipboard and back board thickness
    QLineEdit* Edit7;                 // nail border
    QLineEdit* Edit8;                 // plinth height
    QLabel* Label8;                   // "Inaltime soclu:", enabled with Edit8
    RadioGroup* RadioGroup1;          // "Spate": "Aplicat", "Incastrat"
    QComboBox *ComboBox1, *ComboBox2; // "Sus:", "Jos:": "Peste laterale", "Intre laterale"
    RadioGroup* RadioGroup2;          // "Cu soclu", "Fara soclu"
    QCheckBox* CheckBox2;             // "Textura aplicata repetat"
    QCheckBox* CheckBox1;             // "Model textura rotit"
    QPushButton *BitBtn3, *BitBtn5;   // "Material mobila", "Material spate"
    QFrame *Panel3, *Panel4;          // their swatches
    PictureBox *Image1, *Image2;      // the boards' pictures over the swatches
    QPushButton *BitBtn1, *BitBtn2;   // "Creaza &mobila", "&Abandoneaza"

    // The two boards, kept between uses so the catalogue opens on them again.
    std::uint32_t BodyColor = kSilver, BackColor = kSilver;
    std::string BodyCode, BackCode;
    std::string BodyTexture, BackTexture; // empty when the board has no picture on disk

    enum class Board { Body, Back };
    // Picks the board in the catalogue and shows it here; false when cancelled.
    bool ChooseBoard(Board b);

    void FormShow() override;
    void BitBtn3Click() { ChooseBoard(Board::Body); }
    void BitBtn5Click() { ChooseBoard(Board::Back); }
    void RadioGroup2Click();
    void ComboBox2Change();

    // The numbers in field order, stopping at the first text that is not one;
    // "Fara soclu" gives S = 0 without reading Edit8. The choices as shown.
    std::optional<CarcassInput> ReadCarcass() const;
    // Materials of the carcass pieces from the two boards and the check boxes.
    CarcassMaterials Materials() const;

    static constexpr std::uint32_t kSilver = 0xC0C0C0;

private:
    // Edit8 and its label follow "Cu soclu" / "Fara soclu".
    void ShowPlinthChoice();
};

} // namespace zv
