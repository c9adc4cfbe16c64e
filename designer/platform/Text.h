#pragma once
// The bounded texts of the model: every place that stores one cuts it here.
#include <cstddef>
#include <string>

namespace zv {

inline constexpr std::size_t kMaxFurnitureName = 50;
inline constexpr std::size_t kMaxFileName = 255;
inline constexpr std::size_t kMaxCode = 10;

inline std::string CutText(const std::string& s, std::size_t n) { return s.size() > n ? s.substr(0, n) : s; }
inline std::string CutFurnitureName(const std::string& s) { return CutText(s, kMaxFurnitureName); }
inline std::string CutFileName(const std::string& s) { return CutText(s, kMaxFileName); }
inline std::string CutCode(const std::string& s) { return CutText(s, kMaxCode); }

// Codes are sorted and searched upper-cased, letters a to z only, byte by byte.
inline std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

} // namespace zv
