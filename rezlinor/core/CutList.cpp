#include "CutList.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cmath>
#include <cstdio>

namespace rz {

namespace {
std::string CsvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string o = "\"";
    for (char c : s) {
        if (c == '"') o += '"';
        o += c;
    }
    return o + "\"";
}
} // namespace

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

std::string FormatCutList(const Layout& l, const std::vector<Piece>& pieces) {
    std::string o = "Foaie,Piesa,Lungime,Latime,x,y,Rotita\r\n";
    for (std::size_t k = 0; k < l.sheets.size(); ++k)
        for (const Placement& p : l.sheets[k].placements) {
            const Piece& pc = pieces[static_cast<std::size_t>(p.piece)];
            o += std::to_string(k + 1) + "," + CsvField(pc.name) + "," + FormatSize(pc.length) + "," +
                 FormatSize(pc.width) + "," + FormatSize(p.x) + "," + FormatSize(p.y) + "," + (p.turned ? "da" : "nu") +
                 "\r\n";
        }
    // Listed too, so a board that needs another sheet size is not forgotten.
    for (int i : l.oversize) {
        const Piece& pc = pieces[static_cast<std::size_t>(i)];
        o += "nu incape," + CsvField(pc.name) + "," + FormatSize(pc.length) + "," + FormatSize(pc.width) + ",,,\r\n";
    }
    return o;
}

std::string WriteTextFile(const std::string& path, const std::string& text) {
    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !f.commit())
        return "Nu pot scrie fisierul " + path + ".";
    return {};
}

} // namespace rz
