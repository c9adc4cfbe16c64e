#pragma once
// "&Dimensiuni piese" of the projection window: a piece chosen from the list
// and its three sizes typed, applied through the current-piece window's size
// rule. The undo snapshot is taken at the first size really applied, so a
// showing that changes no size leaves the undo copy alone.
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

class TRedimensionarePiesa : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TRedimensionarePiesa(QWidget* parent = nullptr);

    QLabel* Label1;       // "Piesa (placa):"
    QComboBox* ComboBox1; // the piece names
    QFrame* Panel1;       // "Dimensiuni piesa curenta"
    QLabel *Label2, *Label3, *Label4;
    QLineEdit *Edit1, *Edit2, *Edit3; // width, height, depth
    QPushButton* BitBtn1;             // "&Inchide fereastra"

    // Whether this showing has taken the undo snapshot.
    bool SnapshotTaken() const { return snapshotTaken_; }

    void FormShow() override;
    void ComboBox1Change();
    void Edit1Change() { SizeTyped(0); }
    void Edit2Change() { SizeTyped(1); }
    void Edit3Change() { SizeTyped(2); }

private:
    void SizeTyped(int k);
    // The three fields show the current-piece window's sizes.
    void CopySizes();
    QLineEdit* fields_[3] = {};
    bool snapshotTaken_ = false;
};

} // namespace zv
