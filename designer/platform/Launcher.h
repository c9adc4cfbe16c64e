#pragma once
// Starting another program without waiting, in place of the old WinExec:
// never through a shell, arguments passed as a list. A result of 31 or less
// means the start failed (2: the program was not found).
#include <string>
#include <vector>

namespace zv {

enum class OuterProgram { Paint, Spreadsheet, Trasalin, Rezlinor, DemoZarvelo };

// The Linux program that stands for an outside program, looked for in this
// order: the environment variable that replaces it (ZARVELO_PAINT,
// ZARVELO_SPREADSHEET, ZARVELO_TRASALIN, ZARVELO_REZLINOR, ZARVELO_DEMO),
// when set, which is how tests put a recording stub in place; for our own
// programs then the one in `startupFolder` (when given), then the one beside
// the designer, then the name alone, for the PATH.
std::string OuterProgramPath(OuterProgram p, const std::string& startupFolder = {});
const char* OuterProgramEnvVar(OuterProgram p);

// Starts the program in workingFolder (the current folder when empty), which
// leaves the caller's own current folder alone; returns 33 on success, 2 when
// it could not be started.
int StartProgram(const std::string& program, const std::vector<std::string>& args,
                 const std::string& workingFolder = {});
int StartOuterProgram(OuterProgram p, const std::vector<std::string>& args, const std::string& workingFolder = {});
inline bool StartFailed(int result) { return result <= 31; }

} // namespace zv
