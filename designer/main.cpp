// Zarvelo: the furniture designer.
#include "platform/widgets/Application.h"
#include "platform/widgets/QtDialogs.h"
#include "ui/Forms.h"
#include "ui/TMain.h"

#include <cfenv>

int main(int argc, char** argv) {
    zv::Application app(argc, argv);
    zv::QtDialogs dialogs;
    zv::SetDialogBackend(&dialogs);
    zv::CreateForms();
    zv::TMain* main = zv::Forms().Main;
    for (int i = 1; i < argc; ++i) main->commandLineArgs.emplace_back(argv[i]);
    main->show();
    const int rc = app.exec();
    zv::SetDialogBackend(nullptr);
    zv::DestroyForms();
    return rc;
}
