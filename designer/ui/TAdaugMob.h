#pragma once
#include "model/AddFurniture.h"
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zv {

// A saved furniture to be added: its file, where it goes, how it is turned
// and the offsets that move it there. The open furniture is only read here.
class TAdaugMob : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TAdaugMob(QWidget* parent = nullptr);

    QLineEdit* Edit1;                 // "Fisier:" (read-only)
    QComboBox* ComboBox1;             // "Pozitie:"
    QComboBox* ComboBox2;             // "Rotatie:"
    QLineEdit *Edit2, *Edit3, *Edit4; // offsets X, Y, Z
    QPushButton *BitBtn1, *BitBtn2;   // "Adauga mobila", "Abandoneaza"

    // Of the furniture staged last.
    int AddedPointCount = 0;
    int AddedPieceCount = 0;

    void FormCreate();
    // Shows the file and stages it against `current` with the position and
    // rotation chosen; `current` must outlive the showing (End forgets it).
    void Begin(const std::string& fileName, MobilaFile file, const Furniture& current);
    void End();
    // Stages the file again from scratch and shows the offsets.
    void ComboBox1Change();
    void ComboBox2Change() { ComboBox1Change(); }

    // The turned furniture of the last staging.
    const MobilaFile& Staged() const { return staged_.file; }
    // The offsets as typed, read with the system's decimal separator;
    // nothing when one is not a number.
    std::optional<AddOffsets> ReadOffsets() const;

    // A bad offset, or one that takes a box out of the limit, is reported and
    // the dialog stays open.
    void accept() override;

private:
    MobilaFile file_;
    const Furniture* current_ = nullptr;
    StagedFurniture staged_;
};

// The message for an offset that is not a number.
inline constexpr const char* kBadAddOffset = "Valoare invalida pentru pozitia mobilei adaugate.";

} // namespace zv
