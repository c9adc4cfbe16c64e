#pragma once
// How the program is started: with nothing it opens an empty drawing; with a
// bitmap it opens that file, and Save writes it back. The designer adds the
// mode 3 after its model file: edit this contour model in place.
#include <string>
#include <vector>

namespace trasalin {

inline constexpr const char* kEditModelMode = "3";
inline constexpr const char* kBadArguments = "Numar incorect de parametri de executie ai programului.";

struct StartRequest {
    std::string file;  // absolute; empty: a new drawing
    std::string error; // for the user; then a new drawing
};

// args without the program's own name.
StartRequest ParseCommandLine(const std::vector<std::string>& args);

} // namespace trasalin
