#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace zv {

// "Tangential": the other piece and the face relation of the tangential
// command. The choice lasts between uses.
class TTang : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TTang(QWidget* parent = nullptr);

    QLabel *Label1, *Label2;
    QComboBox *ComboBox1, *ComboBox2;
    QPushButton *BitBtn1, *BitBtn2;
    int OtherPiece = 0; // the index last chosen in ComboBox1

    void FormCreate();
    // The piece list filled quietly (no change handler runs), the other piece
    // chosen again when it is still there.
    void ShowPieces(const std::vector<std::string>& names, int pieceCount);
    void ComboBox1Change();
};

} // namespace zv
