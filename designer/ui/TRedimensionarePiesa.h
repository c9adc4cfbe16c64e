#pragma once
// "&Dimensiuni piese" of the projection window: a piece chosen from the list
// and its three sizes typed, applied through the current-piece window's size
// rule and its messages. The undo snapshot is taken at the first size really
// applied, so a showing that changes no size leaves the undo copy alone; a
// refused size takes its run of typing back, that snapshot with it.
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
    void FormHide() override;
    void ComboBox1Change();
    void Edit1Change() { SizeTyped(0); }
    void Edit2Change() { SizeTyped(1); }
    void Edit3Change() { SizeTyped(2); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void SizeTyped(int k);
    // Field k left (or the dialog closed): the current-piece window's rule.
    void SizeLeft(int k);
    // The three fields show the current-piece window's sizes.
    void CopySizes();
    QLineEdit* fields_[3] = {};
    bool snapshotTaken_ = false;
    bool undoButtonBefore_ = false; // the projection window's "&Anulare" before this showing's snapshot
};

} // namespace zv
