#pragma once
#include "platform/Canvas.h"
#include "platform/widgets/FormBase.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zv {

// A colour swatch that can be clicked.
class ColorPanel : public QWidget {
public:
    explicit ColorPanel(QWidget* parent = nullptr) : QWidget(parent) {}
    Color color = 0xFFFFFF;
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
};

// What the board and hardware entry dialogs share: the code, description,
// price and picture fields, the picture button, OK and "Abandonare". OK
// closes the dialog only when `validate` (set by the window that opens it)
// accepts the fields; otherwise `validate` has said why and the dialog stays
// open with what was typed.
class CatalogueEntryDialog : public FormBase<QDialog> {
public:
    explicit CatalogueEntryDialog(QWidget* parent = nullptr) : FormBase<QDialog>(parent) {}
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr,
              *Edit4 = nullptr;                         // code, description, price, picture
    QPushButton* Button1 = nullptr;                     // "...."
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr; // OK, "Abandonare"
    std::function<bool()> validate;

    void FormShow() override;
    void Button1Click();
    void OkClick();

protected:
    // Makes the picture button, OK and "Abandonare" and wires them.
    void MakeButtons(int pictureY, int buttonsY);
};

// The inputs of one board: an enabled Edit1 means a new entry, a disabled
// one an existing entry whose code stays.
class TAdaugaPalPfl : public CatalogueEntryDialog {
    Q_OBJECT
public:
    explicit TAdaugaPalPfl(QWidget* parent = nullptr);
    QLineEdit *Edit5, *Edit6; // thickness, edge price
    ColorPanel* Panel1;
    QPushButton* Button2; // "&Selectare culoare din poza"

    void SetColor(Color c);
    Color PanelColor() const;

    void Panel1Click();
    void Button2Click();
};

// The picture dialog of both entry dialogs; empty when cancelled.
std::string PickCataloguePicture(const std::string& current);

} // namespace zv
