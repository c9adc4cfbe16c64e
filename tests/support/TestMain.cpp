// Every test program runs inside a QApplication, so tests can use fonts,
// pictures and windows; the platform (offscreen or xcb) comes from the environment.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
