#include "Application.h"

#include "platform/Dialogs.h"

#include <QTranslator>
#include <exception>

namespace zv {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt's own buttons and dialogs (Da, Nu, Anulare, the file dialog) speak
    // Romanian like our windows, whatever the system's language.
    auto* qtRomanian = new QTranslator(this);
    if (qtRomanian->load(QStringLiteral(":/i18n/qt_ro.qm"))) installTranslator(qtRomanian);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowMessage(MsgKind::Error, e.what());
    } catch (...) {
        ShowMessage(MsgKind::Error, "Eroare necunoscuta");
    }
    return false;
}

} // namespace zv
