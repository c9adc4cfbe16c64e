#pragma once
// Every modal window of the program runs through RunModal: the window's own
// event loop in the program, the next scripted answer in a test. A scripted
// answer may fill the dialog's fields before it returns its result. A script
// reports at its end (see ReportScript) the answers no window took and the
// windows that found no answer left, so a test scripts exactly the windows
// it opens.
#include <QDialog>
#include <deque>
#include <functional>
#include <source_location>
#include <string>
#include <vector>

namespace zv {

int RunModal(QDialog& d);

class ScopedModalScript {
public:
    explicit ScopedModalScript(std::source_location where = std::source_location::current());
    ~ScopedModalScript();
    ScopedModalScript(const ScopedModalScript&) = delete;
    ScopedModalScript& operator=(const ScopedModalScript&) = delete;

    // Taken in order; with none left a window is cancelled (QDialog::Rejected)
    // and reported at the end of the script.
    std::deque<std::function<int(QDialog&)>> answers;
    // The object names of the windows run so far, in order.
    std::vector<std::string> shown;

    int Run(QDialog& d);

private:
    ScopedModalScript* previous_;
    std::source_location where_;
    std::vector<std::string> unanswered_; // windows run with no answer left
};

} // namespace zv
