#include "Application.h"

#include "platform/Dialogs.h"

#include <exception>

namespace zv {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

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
