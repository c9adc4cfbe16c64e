#include "Launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <cstdlib>

namespace zv {

const char* OuterProgramEnvVar(OuterProgram p) {
    switch (p) {
    case OuterProgram::Paint: return "ZARVELO_PAINT";
    case OuterProgram::Spreadsheet: return "ZARVELO_SPREADSHEET";
    case OuterProgram::Trasalin: return "ZARVELO_TRASALIN";
    case OuterProgram::Rezlinor: return "ZARVELO_REZLINOR";
    case OuterProgram::DemoZarvelo: return "ZARVELO_DEMO";
    }
    return "";
}

// Our own programs ship in the start-up folder or beside the designer;
// elsewhere they are looked up on the PATH.
static std::string OurOwn(const char* name, const std::string& startupFolder) {
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    for (const QString& folder : {QString::fromStdString(startupFolder), dir}) {
        if (folder.isEmpty()) continue;
        const QFileInfo beside(folder + "/" + name);
        if (beside.isFile() && beside.isExecutable()) return beside.filePath().toStdString();
    }
    return name;
}

std::string OuterProgramPath(OuterProgram p, const std::string& startupFolder) {
    if (const char* v = std::getenv(OuterProgramEnvVar(p)); v && *v) return v;
    switch (p) {
    case OuterProgram::Paint: return "xdg-open";       // the desktop's picture editor or viewer
    case OuterProgram::Spreadsheet: return "xdg-open"; // the desktop's spreadsheet for the text file
    case OuterProgram::Trasalin: return OurOwn("Trasalin", startupFolder);
    case OuterProgram::Rezlinor: return OurOwn("Rezlinor", startupFolder);
    case OuterProgram::DemoZarvelo: return OurOwn("DemoZarvelo", startupFolder);
    }
    return {};
}

int StartProgram(const std::string& program, const std::vector<std::string>& args, const std::string& workingFolder) {
    if (program.empty()) return 2;
    QString prog = QString::fromStdString(program);
    if (!prog.contains('/')) {
        const QString found = QStandardPaths::findExecutable(prog);
        if (found.isEmpty()) return 2;
        prog = found;
    } else if (!QFileInfo(prog).isExecutable()) {
        return 2;
    }
    QStringList list;
    for (const auto& a : args) list << QString::fromStdString(a);
    const QString folder = workingFolder.empty() ? QDir::currentPath() : QString::fromStdString(workingFolder);
    if (!QFileInfo(folder).isDir()) return 2;
    const bool ok = QProcess::startDetached(prog, list, folder);
    return ok ? 33 : 2;
}

int StartOuterProgram(OuterProgram p, const std::vector<std::string>& args, const std::string& workingFolder) {
    return StartProgram(OuterProgramPath(p), args, workingFolder);
}

} // namespace zv
