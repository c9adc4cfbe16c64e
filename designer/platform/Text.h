#pragma once
// The bounded texts of the model: every place that stores one cuts it here.
#include <cstddef>
#include <string>

namespace zv {

inline constexpr std::size_t kMaxFurnitureName = 50;
inline constexpr std::size_t kMaxFileName = 255;
inline constexpr std::size_t kMaxCode = 10;

// Limits count bytes, as the files store them, and a cut never leaves part of
// a UTF-8 character behind: a character that does not fit goes whole. A text
// that already ends in a broken character (cut elsewhere) loses that too.
inline std::string CutText(const std::string& s, std::size_t n) {
    std::size_t end = s.size() < n ? s.size() : n;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    // Back to the start of the last character that begins before `end`.
    std::size_t lead = end;
    while (lead > 0 && end - lead < 4 && (byte(lead - 1) & 0xC0) == 0x80) --lead;
    if (lead > 0 && byte(lead - 1) >= 0xC0) {
        const unsigned char b = byte(lead - 1);
        const std::size_t want = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        if (end - (lead - 1) < want) end = lead - 1;
    }
    return s.substr(0, end);
}
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
