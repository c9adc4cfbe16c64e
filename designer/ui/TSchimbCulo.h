#pragma once
#include "platform/Canvas.h"
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QFrame;
class QPushButton;

namespace zv {

// The old and the new colour of a colour replace over the whole furniture.
class TSchimbCulo : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TSchimbCulo(QWidget* parent = nullptr);

    QFrame *Panel1, *Panel2; // "Vechea culoare", "Noua culoare"
    QPushButton *OkButton, *CancelButton;

    Color OldColor() const { return old_; }
    Color NewColor() const { return new_; }
    // Both panels take this colour (the current piece's when showing).
    void SetColors(Color oldColor, Color newColor);
    // Each runs its panel's colour dialog; on OK the panel takes the colour.
    void Panel1Click();
    void Panel2Click();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Color old_ = 0, new_ = 0;
};

} // namespace zv
