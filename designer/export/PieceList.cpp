#include "PieceList.h"

#include "BoardPiece.h"
#include "platform/IoError.h"
#include "platform/Numbers.h"

#include <QSaveFile>
#include <cstdint>

namespace zv {

double EdgeBandLength(int code, double length, double width) {
    switch (code) {
    case 1: return length;
    case 2: return width;
    case 3: return 2 * length;
    case 4: return 2 * width;
    case 5: return length + width;
    case 6: return length + 2 * width;
    case 7: return 2 * length + width;
    case 8: return 2 * length + 2 * width;
    default: return 0;
    }
}

std::string ExportField(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return out;
}

namespace {
std::string PieceName(const Furniture& f, int p) {
    return p >= 0 && p < static_cast<int>(f.pieceNames.size()) ? f.pieceNames[static_cast<std::size_t>(p)]
                                                               : std::string();
}
} // namespace

std::string FormatPieceList(const Furniture& f) {
    const char* eol = "\r\n";
    std::string o;
    o += "DENUMIRE MOBILA: \t" + ExportField(f.name) + eol;
    o += eol;
    o += std::string("Dimensiuni mobila:") + eol;
    const std::pair<const char*, double> dims[] = {{"  Latime:       ", f.dim.W}, {"  Inaltime:     ", f.dim.H},
                                                   {"  Adancime:     ", f.dim.D}, {"  Grosime pal:  ", f.dim.G},
                                                   {"  Gros. carton: ", f.dim.P}, {"  Cant spate:   ", f.dim.B}};
    for (const auto& [label, v] : dims) o += std::string(label) + "\t" + FormatGeneral(v) + eol;
    o += eol;
    o += std::string("Denumire piesa\tLatime\tLungine\tGrosime\tPoz. x\tPoz. y\tPoz. z\tCant\tCuloare/textura") + eol;
    const Scene3D& s = f.scene;
    for (int p = 0; p < s.pieceCount && p < kMaxPieces; ++p) {
        if (!IsBoardPiece(f, p)) continue;
        const auto box = s.PieceBox(p);
        double l = box.x1 - box.x0, w = box.y1 - box.y0, t = box.z1 - box.z0;
        SortDimensions(l, w, t);
        const auto i = static_cast<std::size_t>(p);
        const std::string look = !f.attrs.textureFile[i].empty() ? ExportField(f.attrs.textureFile[i])
                                                                 : std::to_string(s.color[i] & 0xFFFFFFu);
        o += ExportField(PieceName(f, p)) + "\t" + FormatGeneral(l) + "\t" + FormatGeneral(w) + "\t" +
             FormatGeneral(t) + "\t" + FormatGeneral(box.x0) + "\t" + FormatGeneral(box.y0) + "\t" +
             FormatGeneral(box.z0) + "\t" + FormatGeneral(EdgeBandLength(f.attrs.edgeBand[i], l, w)) + "\t" + look +
             eol;
    }
    return o;
}

std::string WriteExportFile(const std::string& path, const std::string& text) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return IoErrorText(file.error() == QFileDevice::PermissionsError ? 5 : 3);
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return IoErrorText(101);
    }
    if (!file.commit()) return IoErrorText(101);
    return {};
}

std::string FormatPieceDistances(const Furniture& f, int a, int b) {
    const Scene3D& s = f.scene;
    if (!s.ValidPiece(a) || !s.ValidPiece(b)) return {};
    const auto p = s.PieceBox(a), q = s.PieceBox(b);
    const auto line = [](const char* label, double v) { return std::string(label) + FormatGeneral(v) + " mm\n"; };
    std::string o = "Distantele intre \"" + PieceName(f, a) + "\" si \"" + PieceName(f, b) + "\":\n\n";
    o += line("stanga-stanga:   ", p.x0 - q.x0);
    o += line("dreapta-dreapta: ", p.x1 - q.x1);
    o += line("stanga-dreapta:  ", p.x0 - q.x1);
    o += line("dreapta-stanga:  ", p.x1 - q.x0);
    o += "\n";
    o += line("sus-sus:         ", p.y1 - q.y1);
    o += line("jos-jos:         ", p.y0 - q.y0);
    o += line("sus-jos:         ", p.y1 - q.y0);
    o += line("jos-sus:         ", p.y0 - q.y1);
    o += "\n";
    o += line("fata-fata:       ", p.z0 - q.z0);
    o += line("spate-spate:     ", p.z1 - q.z1);
    o += line("fata-spate:      ", p.z0 - q.z1);
    o += line("spate-fata:      ", p.z1 - q.z0);
    o.pop_back(); // the memo holds lines, not a final empty one
    return o;
}

} // namespace zv
