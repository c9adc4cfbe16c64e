#pragma once
// The bounded texts of the model: every place that stores one cuts it here.
//
// Texts in the model and in the windows are UTF-8 (what Qt hands over). The
// furniture file and the catalogues hold 8-bit text in code page 1250, the
// Central European code page of Romanian Windows (ă â î ş ţ are e3 e2 ee ba
// fe). Their readers turn the bytes into UTF-8 with FromFileText and their
// writers turn UTF-8 back with ToFileText, so one character of the model is
// one byte of the file and the limits count characters.
#include <cstddef>
#include <string>
#include <string_view>

namespace zv {

inline constexpr std::size_t kMaxFurnitureName = 50;
inline constexpr std::size_t kMaxFileName = 255;
inline constexpr std::size_t kMaxCode = 10;

// Characters of a UTF-8 text. A byte that does not belong to a whole UTF-8
// character counts as one character of its own.
std::size_t TextLength(std::string_view s);

// The first n characters; the text itself when it has no more. A cut falls
// only between characters, so cutting again changes nothing.
std::string CutText(const std::string& s, std::size_t n);
inline std::string CutFurnitureName(const std::string& s) { return CutText(s, kMaxFurnitureName); }
inline std::string CutFileName(const std::string& s) { return CutText(s, kMaxFileName); }
inline std::string CutCode(const std::string& s) { return CutText(s, kMaxCode); }

// Code page 1250 bytes as UTF-8. Every byte has its character (the five bytes
// the code page leaves free stand for the control characters of the same
// number), so ToFileText gives the same bytes back.
std::string FromFileText(std::string_view bytes);
// UTF-8 as code page 1250 bytes, one per character. The comma-below ș ț Ș Ț
// become the cedilla letters the code page has; any other character it lacks,
// and a byte that is no whole character, becomes "?".
std::string ToFileText(std::string_view text);

// Codes are sorted and searched upper-cased, letters a to z only, byte by byte.
inline std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

} // namespace zv
