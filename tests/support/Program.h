#pragma once
// The program's windows for one test: created in their order, the main
// window first, and destroyed at the end of the test.
#include "ui/Forms.h"
#include "ui/TMain.h"

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
