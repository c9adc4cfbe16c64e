// The help menu ("Ajutor"): help, demonstration, about.
#include "TMain.h"

#include "Forms.h"
#include "TDespre.h"
#include "THelp.h"
#include "platform/widgets/Modal.h"

#include "platform/Dialogs.h"
#include "platform/IoError.h"
#include "platform/Launcher.h"

#include <QDir>

namespace zv {

// Not modal: the guide stays open beside the main window.
void TMain::Ajutor2Click() {
    THelp* h = Forms().Help;
    if (!h) return;
    h->show();
    h->raise();
    h->activateWindow();
}

// The slideshow player in the "Demo" folder, which stays the current folder.
void TMain::Demonstratie1Click() {
    const QString demo = QString::fromStdString(startupFolder) + "/Demo";
    if (!QDir::setCurrent(demo)) {
        ShowError(IoErrorText(QDir(demo).exists() ? 5 : 3));
        return;
    }
    StartOuterProgram(OuterProgram::DemoZarvelo, {}); // whether it started is not examined
}

void TMain::Despre1Click() {
    if (TDespre* d = Forms().Despre) RunModal(*d);
}

} // namespace zv
