// DemoZarvelo: plays the numbered pictures of the current folder.
#include "TForm1.h"

#include <QApplication>
#include <QScreen>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator qtRomanian; // Qt's own buttons and dialogs in Romanian
    if (qtRomanian.load(QStringLiteral(":/i18n/qt_ro.qm"))) QApplication::installTranslator(&qtRomanian);
    demo::TForm1 form;
    if (const QScreen* s = QApplication::primaryScreen())
        form.move(s->availableGeometry().center() - form.rect().center());
    form.show();
    return app.exec();
}
