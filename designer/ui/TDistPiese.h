#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace zv {

// The twelve signed distances between the faces of two pieces.
class TDistPiese : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TDistPiese(QWidget* parent = nullptr);
    QLabel *Label1, *Label2, *Label3;
    QComboBox* ComboBox1;  // "Prima piesa:"
    QComboBox* ComboBox2;  // "A doua piesa:"
    QPlainTextEdit* Memo1; // the distances, fixed-pitch

    // Both lists filled with the piece names, the current piece first chosen.
    void FormShow() override;
    // Either list changed: the distances written again.
    void ComboBox1Change();
};

} // namespace zv
