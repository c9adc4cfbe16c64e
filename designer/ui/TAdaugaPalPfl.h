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

// The inputs of one board: an enabled Edit1 means a new entry, a disabled
// one an existing entry whose code stays.
class TAdaugaPalPfl : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TAdaugaPalPfl(QWidget* parent = nullptr);
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6; // code, description, price, picture, thickness, edge price
    ColorPanel* Panel1;
    QPushButton *Button1, *Button2; // "....", "&Selectare culoare din poza"
    QPushButton *BitBtn1, *BitBtn2; // OK, "Abandonare"

    void SetColor(Color c);
    Color PanelColor() const;

    void FormShow() override;
    void Panel1Click();
    void Button1Click();
    void Button2Click();
};

// The picture dialog of both entry dialogs; empty when cancelled.
std::string PickCataloguePicture(const std::string& current);

} // namespace zv
