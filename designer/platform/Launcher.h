#pragma once
// Starting another program without waiting, in place of the old WinExec:
// never through a shell, arguments passed as a list. A result of 31 or less
// means the start failed (2: the program was not found).
#include <string>
#include <vector>

namespace zv {

enum class OuterProgram { Paint, Spreadsheet, Trasalin, Rezlinor, DemoZarvelo };

// The Linux program that stands for an outside program. Each can be replaced
// through an environment variable (ZARVELO_PAINT, ZARVELO_SPREADSHEET,
// ZARVELO_TRASALIN, ZARVELO_REZLINOR, ZARVELO_DEMO), which is how tests put a
// recording stub in place.
std::string OuterProgramPath(OuterProgram p);
const char* OuterProgramEnvVar(OuterProgram p);

// Starts the program in workingFolder (the current folder when empty);
// returns 33 on success, 2 when it could not be started.
int StartProgram(const std::string& program, const std::vector<std::string>& args,
                 const std::string& workingFolder = {});
int StartOuterProgram(OuterProgram p, const std::vector<std::string>& args, const std::string& workingFolder = {});
inline bool StartFailed(int result) { return result <= 31; }

} // namespace zv
