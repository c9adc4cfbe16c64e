#pragma once
// Every modal window of the program runs through RunModal: the window's own
// event loop in the program, the next scripted answer in a test. A scripted
// answer may fill the dialog's fields before it returns its result.
#include <QDialog>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zv {

int RunModal(QDialog& d);

class ScopedModalScript {
public:
    ScopedModalScript();
    ~ScopedModalScript();
    ScopedModalScript(const ScopedModalScript&) = delete;
    ScopedModalScript& operator=(const ScopedModalScript&) = delete;

    // Taken in order; with none left a window is cancelled (QDialog::Rejected).
    std::deque<std::function<int(QDialog&)>> answers;
    // The object names of the windows run so far, in order.
    std::vector<std::string> shown;

    int Run(QDialog& d);

private:
    ScopedModalScript* previous_;
};

} // namespace zv
