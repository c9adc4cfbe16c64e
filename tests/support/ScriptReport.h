// A scripted window or dialog answer left unused (or a window shown with no
// answer left) fails the test that made the script; main installs it.
#pragma once

#include <string>

namespace zv::test {
void FailUnusedScript(const char* file, int line, const std::string& what);
}
