// Every test program runs inside the program's own application object, so
// tests can use fonts, pictures and windows, and an error that reaches the
// event loop is reported as in the program; the platform (offscreen or xcb)
// comes from the environment.
#include "platform/Dialogs.h"
#include "platform/widgets/Application.h"
#include "support/ScriptReport.h"

#include <gtest/gtest.h>

namespace zv::test {
// After a fatal failure the test stopped early, so its script is left over
// by design; reporting it would only hide the real cause.
void FailUnusedScript(const char* file, int line, const std::string& what) {
    if (::testing::Test::HasFatalFailure()) return;
    ADD_FAILURE_AT(file, line) << what;
}
} // namespace zv::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    zv::Application app(argc, argv);
    zv::SetScriptReporter(&zv::test::FailUnusedScript);
    return RUN_ALL_TESTS();
}
