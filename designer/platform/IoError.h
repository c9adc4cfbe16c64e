#pragma once
// File errors: a code and the text the user sees for it.
#include <stdexcept>
#include <string>

namespace zv {

// 2 "File not found", 3 "Invalid filename", 4 "Too many open files",
// 5 "File access denied", 100 "Read beyond end of file", 101 "Disk full",
// 106 "Invalid numeric input", otherwise "I/O error %d".
std::string IoErrorText(int code);

// Maps an errno value to the codes above.
int IoCodeFromErrno(int err);

class IoError : public std::runtime_error {
public:
    explicit IoError(int code) : std::runtime_error(IoErrorText(code)), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

} // namespace zv
