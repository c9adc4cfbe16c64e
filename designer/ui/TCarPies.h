#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

namespace zv {

class TCarPies : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TCarPies(QWidget* parent = nullptr);
    QComboBox* ComboBox2; // the piece names, mirroring the model's list
    QCheckBox* CheckBox2; // "&Hasura": the current piece is cross-hatched
    QLabel* Label11;      // the red "*" shown while the furniture is modified

    // Fills the piece list from the model's names and selects the current piece.
    void MirrorPieceNames();
    void FormShow() override;

private:
    int ShowCount = 0;
};

} // namespace zv
