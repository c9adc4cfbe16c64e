#pragma once
#include "platform/widgets/FormBase.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zv {

// "Despre": the program's name, version and date with its picture.
class TDespre : public FormBase<QDialog> {
    Q_OBJECT
public:
    explicit TDespre(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel *Label1, *Label2, *Label3;
    QPushButton* OkButton;
};

// The about box's picture: a small chest of drawers, drawn here.
QImage AboutPicture();

} // namespace zv
