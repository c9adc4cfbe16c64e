#include "core/CommandLine.h"

#include <QFileInfo>

namespace trasalin {

StartRequest ParseCommandLine(const std::vector<std::string>& args) {
    StartRequest r;
    if (args.empty()) return r;
    if (args.size() > 2 || (args.size() == 2 && args[1] != kEditModelMode) || args[0].empty()) {
        r.error = kBadArguments;
        return r;
    }
    r.file = QFileInfo(QString::fromStdString(args[0])).absoluteFilePath().toStdString();
    return r;
}

} // namespace trasalin
