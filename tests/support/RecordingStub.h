#pragma once
// An outside program for tests: a shell script that writes each argument it
// was started with on a line of its own, so a test sees exactly what the
// launcher passed.
#include <QThread>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

struct RecordingStub {
    std::string script, record;

    // Writes the script into the folder; the arguments go to `record`.
    explicit RecordingStub(const std::string& folder) : script(folder + "/stub.sh"), record(folder + "/args.txt") {
        {
            std::ofstream s(script);
            s << "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" << record << ".tmp'\nmv '" << record
              << ".tmp' '" << record << "'\n";
        }
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }
    bool Started() const { return std::filesystem::exists(record); }
    // The arguments, once the stub (running on its own) has written them.
    std::vector<std::string> Arguments() const {
        for (int i = 0; i < 500 && !Started(); ++i) QThread::msleep(10);
        std::vector<std::string> out;
        std::ifstream in(record);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
};
