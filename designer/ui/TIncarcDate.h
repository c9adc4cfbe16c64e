#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QLabel;

namespace zv {

// The loading notice: a borderless box shown while a catalogue or the
// texture atlas loads, which blocks the event loop.
class TIncarcDate : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TIncarcDate(QWidget* parent = nullptr);
    QLabel* Label1; // "Incarcare date...."

    // Shows the notice centred on the desktop and paints it before returning.
    void ShowNow();
};

} // namespace zv
