// Every test program runs inside the program's own application object, so
// tests can use fonts, pictures and windows, and an error that reaches the
// event loop is reported as in the program; the platform (offscreen or xcb)
// comes from the environment.
#include "platform/widgets/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    zv::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
