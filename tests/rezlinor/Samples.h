#pragma once
// Piece files as the designer writes them, for the tests.
#include "core/Layout.h"

#include <string>
#include <vector>

namespace rz::test {

// Lines joined with `eol`, each one ended by it.
inline std::string Lines(const std::vector<std::string>& lines, const std::string& eol = "\r\n") {
    std::string o;
    for (const auto& l : lines) o += l + eol;
    return o;
}

inline std::vector<std::string> Header(int n) { return {"", "", "16777215", std::to_string(n), "0", "2"}; }

inline std::vector<std::string> PieceLines(const std::string& name, const std::string& a, const std::string& b,
                                           const std::string& model = "", const std::string& rot = "0",
                                           const std::string& mirror = "0") {
    return {name, a, b, model, rot, mirror, "1", "0"};
}

// A 596 x 18 x 300 shelf and a 18 x 720 x 300 side: 22 lines.
inline std::vector<std::string> ShelfAndSide() {
    std::vector<std::string> l = Header(2);
    for (const auto& x : PieceLines("Polita 1", "300.00", "596.00")) l.push_back(x);
    for (const auto& x : PieceLines("Lateral stanga", "720.00", "300.00", "Model1.bmp", "1", "1")) l.push_back(x);
    return l;
}

inline Piece P(const std::string& name, double length, double width) {
    Piece p;
    p.name = name;
    p.length = length;
    p.width = width;
    return p;
}

} // namespace rz::test
