// The help menu ("Ajutor"): help, demonstration, about.
#include "TMain.h"

#include "Forms.h"
#include "TDespre.h"
#include "THelp.h"
#include "platform/widgets/Modal.h"

#include "platform/Dialogs.h"
#include "platform/IoError.h"
#include "platform/Launcher.h"

#include <QFileInfo>

namespace zv {

// Not modal: the guide stays open beside the main window.
void TMain::Ajutor2Click() {
    THelp* h = Forms().Help;
    if (!h) return;
    h->show();
    h->raise();
    h->activateWindow();
}

// The slideshow player runs in the "Demo" folder as its own working folder;
// the designer's current folder stays the start-up folder, so relative file,
// texture and model names keep resolving where the user started.
void TMain::Demonstratie1Click() {
    const std::string demo = startupFolder + "/Demo";
    const QFileInfo info(QString::fromStdString(demo));
    if (!info.isDir() || !info.isExecutable()) {
        ShowError(IoErrorText(info.exists() ? 5 : 3));
        return;
    }
    if (StartFailed(StartOuterProgram(OuterProgram::DemoZarvelo, {}, demo)))
        ShowError("Nu am putut porni programul de demonstratie \"" + OuterProgramPath(OuterProgram::DemoZarvelo) +
                  "\".");
}

void TMain::Despre1Click() {
    if (TDespre* d = Forms().Despre) RunModal(*d);
}

} // namespace zv
