// DemoZarvelo: plays the numbered pictures of the current folder.
#include "TForm1.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    demo::TForm1 form;
    if (const QScreen* s = QApplication::primaryScreen())
        form.move(s->availableGeometry().center() - form.rect().center());
    form.show();
    return app.exec();
}
