#pragma once
// The program's windows for one test: created in their order, the main
// window first, and destroyed at the end of the test.
#include "ui/Forms.h"
#include "ui/GLView.h"
#include "ui/TMain.h"

#include <QTest>
#include <gtest/gtest.h>

struct TestProgram {
    TestProgram() {
        zv::CreateForms();
        main = zv::Forms().Main;
    }
    ~TestProgram() { zv::DestroyForms(); }
    TestProgram(const TestProgram&) = delete;
    TestProgram& operator=(const TestProgram&) = delete;
    zv::TMain* main = nullptr;
};

// The main window shown at the given size, once the OpenGL view has its
// context (it is made on the view's first paint).
inline ::testing::AssertionResult ShownWithOpenGL(zv::TMain* main, int width, int height) {
    main->resize(width, height);
    main->show();
    if (!QTest::qWaitForWindowExposed(main)) return ::testing::AssertionFailure() << "the main window is not shown";
    if (!QTest::qWaitFor([&] { return main->GLView->MakeCurrent(); }, 3000))
        return ::testing::AssertionFailure() << "the OpenGL view has no context";
    return ::testing::AssertionSuccess();
}
