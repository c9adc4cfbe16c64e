#pragma once
#include "model/Room.h"
#include "platform/widgets/FormBase.h"
#include "platform/widgets/PictureBox.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zv {

// The room around the furniture: walls and floor with their colours or
// textures, the room's sizes and the furniture's place in it.
class TIntrodCamera : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TIntrodCamera(QWidget* parent = nullptr);

    QGroupBox *Panel1, *Panel2; // "Pereti", "Pardoseala"
    QPushButton *BitBtn4, *BitBtn3, *BitBtn1, *BitBtn2;
    QFrame *Panel3, *Panel4; // colour swatches
    PictureBox *ImagePereti, *ImagePardoseala;
    QCheckBox *CheckBox1, *CheckBox3, *CheckBox2, *CheckBox4;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7;
    QComboBox* ComboBox1;
    QPushButton *OkButton, *CancelButton;

    std::string wallTexture, floorTexture;
    std::uint32_t wallColor = 0xC0C0C0, floorColor = 0xC0C0C0;

    void FormShow() override;
    void BitBtn4Click(); // walls' texture
    void BitBtn3Click(); // walls' colour
    void BitBtn1Click(); // floor's texture
    void BitBtn2Click(); // floor's colour
    void ComboBox1Change();
    void Edit1Change();
    void Edit5Enter();

    // The fields read (with "." or the system's separator) and checked for a
    // room around `f`. At the first wrong field its message is shown, the field
    // takes the focus, everything typed stays and nothing is returned.
    std::optional<RoomParams> ReadChecked(const Furniture& f);
    // "Creaza &camera" closes the dialog only when ReadChecked accepts.
    void accept() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ChooseTexture(bool walls);
    void ChooseColor(bool walls);
};

} // namespace zv
