#pragma once
// Small drawings written as text, one row a line: '#' ink, '.' background.
#include "core/Bitmap.h"

#include <sstream>
#include <string>
#include <vector>

namespace trasalin::test {

inline Bitmap FromArt(const std::vector<std::string>& rows) {
    Bitmap b(rows.empty() ? 0 : static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.Set(x, y, rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#');
    return b;
}

inline std::string ToArt(const Bitmap& b) {
    std::string s;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) s += b.Ink(x, y) ? '#' : '.';
        s += '\n';
    }
    return s;
}

inline std::string ToArt(const std::vector<std::string>& rows) {
    std::string s;
    for (const std::string& r : rows) s += r + '\n';
    return s;
}

inline Bitmap Draw(const Path& p, int w, int h) {
    Bitmap b(w, h);
    for (const Pixel& q : p) b.Set(q.x, q.y, true);
    return b;
}

} // namespace trasalin::test
