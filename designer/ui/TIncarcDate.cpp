#include "TIncarcDate.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace zv {

TIncarcDate::TIncarcDate(QWidget* parent) : FormBase<QDialog>(parent, Qt::FramelessWindowHint | Qt::Tool) {
    setObjectName("IncarcDate");
    setWindowTitle("Incarcare date....");
    setFixedSize(129, 42);
    Label1 = new QLabel("Incarcare date....", this);
    Label1->setObjectName("Label1");
    QFont f = Label1->font();
    f.setBold(true);
    f.setPointSize(8);
    Label1->setFont(f);
    Label1->setStyleSheet("color: red;");
    Label1->move(16, 16);
    Label1->adjustSize();
    // Wider fonts than the old one would cut the text: grow to fit it.
    if (Label1->width() + 24 > width()) setFixedSize(Label1->width() + 24, 42);
    Label1->move(16, (height() - Label1->height()) / 2 + 2);
}

void TIncarcDate::ShowNow() {
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    show();
    raise();
    // Paint now: the load that follows holds the event loop. Only the posted
    // events of the notice are run, so no timer or command runs in the middle.
    QCoreApplication::sendPostedEvents(this);
    repaint();
}

} // namespace zv
