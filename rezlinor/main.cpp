// Rezlinor: cutting layouts for the boards that the designer lists in
// "FoaiePal.app". The file to open is the only argument.
#include "window/TRezlinor.h"

#include <QApplication>
#include <QScreen>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator qtRomanian; // Qt's own buttons and dialogs in Romanian
    if (qtRomanian.load(QStringLiteral(":/i18n/qt_ro.qm"))) QApplication::installTranslator(&qtRomanian);
    QApplication::setOrganizationName("Zarvelo");
    QApplication::setApplicationName("Rezlinor");
    rz::TRezlinor w;
    if (const QScreen* s = QApplication::primaryScreen()) {
        const QRect a = s->availableGeometry();
        w.resize(std::min(1200, a.width()), std::min(800, a.height()));
        w.move(a.center() - w.rect().center());
    }
    w.show();
    if (argc > 1) w.OpenFile(QString::fromLocal8Bit(argv[1]));
    return app.exec();
}
