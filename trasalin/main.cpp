// Trasalin: draws the contour models the designer cuts pieces to.
//   Trasalin                 an empty drawing
//   Trasalin model.bmp [3]   that bitmap, saved back under its name
#include "core/CommandLine.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/QtDialogs.h"
#include "ui/TTrasalin.h"

int main(int argc, char** argv) {
    zv::Application app(argc, argv);
    zv::QtDialogs dialogs;
    zv::SetDialogBackend(&dialogs);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    int rc = 0;
    {
        trasalin::TTrasalin window;
        window.show();
        window.Start(trasalin::ParseCommandLine(args));
        rc = app.exec();
    }
    zv::SetDialogBackend(nullptr);
    return rc;
}
