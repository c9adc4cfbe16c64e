#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace zv {

// "Selectare piesa": picks one piece by name.
class TSelePies : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSelePies(QWidget* parent = nullptr);

    QLabel* Label1;                 // "Piesa:"
    QComboBox* ComboBox1;           // the piece names
    QPushButton *BitBtn1, *BitBtn2; // OK, Cancel

    // Lists the names with `current` selected and runs the window modally:
    // the chosen index, or -1 when cancelled or there is nothing to choose.
    int Choose(const std::vector<std::string>& names, int current);
};

} // namespace zv
