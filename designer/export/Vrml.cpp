#include "Vrml.h"

#include "platform/IoError.h"
#include "platform/Numbers.h"

#include <QSaveFile>
#include <cmath>
#include <sstream>

namespace zv {

namespace {
// Up to 15 significant digits; VRML wants "." whatever the locale.
std::string Num(double v) {
    std::string s = FormatGeneral(std::isfinite(v) ? v : 0.0);
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}

std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}
} // namespace

std::string FurnitureToVrml(const Furniture& f) {
    const Scene3D& s = f.scene;
    std::ostringstream o;
    o << "#VRML V1.0 ascii\n\n";
    o << "Separator {\n";
    o << "  Info { string " << Quoted(f.name) << " }\n";
    // Seen from outside, every face's points run counter-clockwise.
    o << "  ShapeHints { vertexOrdering COUNTERCLOCKWISE }\n";
    for (int p = 0; p < s.pieceCount && p < Scene3D::kMaxPieces; ++p) {
        const std::uint32_t c = s.color[p] & 0xFFFFFF;
        const std::string name = p < static_cast<int>(f.pieceNames.size()) ? f.pieceNames[p] : std::string();
        o << "  DEF Piesa" << p << " Separator {\n";
        o << "    Info { string " << Quoted(name) << " }\n";
        o << "    Material { diffuseColor " << Num((c & 255) / 255.0) << ' ' << Num(((c >> 8) & 255) / 255.0) << ' '
          << Num(((c >> 16) & 255) / 255.0) << " }\n";
        o << "    Coordinate3 { point [\n";
        const int first = s.faceFirst[p][0];
        const int count = s.PiecePointCount(p);
        for (int k = 0; k < count; ++k) {
            const int i = first + k;
            if (i < 0 || i >= Scene3D::kPointSlots) break;
            // Our depth grows towards the back; VRML's z grows towards the viewer.
            o << "      " << Num(s.X[i]) << ' ' << Num(s.Y[i]) << ' ' << Num(-s.Z[i]) << (k + 1 < count ? ",\n" : "\n");
        }
        o << "    ] }\n";
        o << "    IndexedFaceSet { coordIndex [\n";
        for (int fc = 0; fc < s.faceCount[p] && fc < Scene3D::kMaxFaces; ++fc) {
            o << "      ";
            for (int k = 0; k < s.facePoints[p][fc]; ++k) o << (s.faceFirst[p][fc] - first + k) << ", ";
            o << "-1" << (fc + 1 < s.faceCount[p] ? ",\n" : "\n");
        }
        o << "    ] }\n";
        o << "  }\n";
    }
    o << "}\n";
    return o.str();
}

std::string WriteVrmlFile(const Furniture& f, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return IoErrorText(file.error() == QFileDevice::PermissionsError ? 5 : 3);
    const std::string text = FurnitureToVrml(f);
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        file.cancelWriting();
        return IoErrorText(101);
    }
    if (!file.commit()) return IoErrorText(101);
    return {};
}

} // namespace zv
