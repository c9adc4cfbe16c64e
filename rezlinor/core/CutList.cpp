#include "CutList.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cmath>
#include <cstdio>

namespace rz {

std::string FormatSize(double v, char separator) {
    if (!std::isfinite(v)) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s = buf;
    for (char& c : s)
        if (c == ',' || c == '.') c = separator; // the C library's locale may use either
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == separator) s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string FormatCutList(const Layout& l, const std::vector<Piece>& pieces, char field, char decimal) {
    auto quoted = [&](const std::string& s) {
        if (s.find_first_of(std::string{field, '"', '\r', '\n'}) == std::string::npos) return s;
        std::string o = "\"";
        for (char c : s) {
            if (c == '"') o += '"';
            o += c;
        }
        return o + "\"";
    };
    auto row = [&](const std::vector<std::string>& cells) {
        std::string o;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i) o += field;
            o += cells[i];
        }
        return o + "\r\n";
    };
    auto size = [&](double v) { return FormatSize(v, decimal); };
    std::string o = row({"Foaie", "Piesa", "Lungime", "Latime", "x", "y", "Rotita"});
    for (std::size_t k = 0; k < l.sheets.size(); ++k)
        for (const Placement& p : l.sheets[k].placements) {
            const Piece& pc = pieces[static_cast<std::size_t>(p.piece)];
            o += row({std::to_string(k + 1), quoted(pc.name), size(pc.length), size(pc.width), size(p.x), size(p.y),
                      p.turned ? "da" : "nu"});
        }
    // Listed too, so a board that needs another sheet, or a size corrected,
    // is not forgotten.
    const std::pair<const std::vector<int>*, const char*> apart[] = {{&l.oversize, "nu incape"},
                                                                     {&l.tooSmall, "prea mica"}};
    for (const auto& [list, what] : apart)
        for (int i : *list) {
            const Piece& pc = pieces[static_cast<std::size_t>(i)];
            o += row({what, quoted(pc.name), size(pc.length), size(pc.width), "", "", ""});
        }
    return o;
}

std::string WriteWholeFile(const std::string& path, const std::string& text) {
    QSaveFile f(QString::fromStdString(path));
    // Unbuffered, so a write the disk takes only in part is seen here and the
    // old file is kept.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        f.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !f.commit())
        return "Nu pot scrie fisierul " + path + ".";
    return {};
}

} // namespace rz
