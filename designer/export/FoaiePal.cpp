#include "FoaiePal.h"

#include "PieceList.h"
#include "platform/Numbers.h"

namespace zv {

int CountMaterialPieces(const Furniture& f, const std::string& code) {
    int n = 0;
    for (int p = 0; p < f.scene.pieceCount && p < kMaxPieces; ++p)
        if (f.attrs.materialCode[static_cast<std::size_t>(p)] == code) ++n;
    return n;
}

std::string FormatFoaiePal(const Furniture& f, const std::string& code) {
    const char* eol = "\r\n";
    std::string o;
    o += eol;
    o += eol;
    o += std::to_string(0xFFFFFF) + eol;
    o += std::to_string(CountMaterialPieces(f, code)) + eol;
    o += std::string("0") + eol;
    o += std::string("2") + eol;
    const Scene3D& s = f.scene;
    for (int p = 0; p < s.pieceCount && p < kMaxPieces; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (f.attrs.materialCode[i] != code) continue;
        const auto box = s.PieceBox(p);
        const double dx = box.x1 - box.x0, dy = box.y1 - box.y0, dz = box.z1 - box.z0;
        double a = dx, b = dy, c = dz;
        // The board's face: the two sizes across its thin axis.
        double first = dx, second = dy;
        switch (SortDimensions(a, b, c)) {
        case 0:
            first = dz;
            second = dx;
            break;
        case 2:
            first = dy;
            second = dz;
            break;
        default: break;
        }
        const std::string name = p < static_cast<int>(f.pieceNames.size()) ? f.pieceNames[i] : std::string();
        o += ExportField(name) + eol;
        o += FormatFixedDot(first, 2) + eol;
        o += FormatFixedDot(second, 2) + eol;
        o += ExportField(f.attrs.modelFile[i]) + eol;
        o += std::to_string(static_cast<int>(f.attrs.modelRotation[i])) + eol;
        o += std::to_string(static_cast<int>(f.attrs.modelMirror[i])) + eol;
        o += std::string("1") + eol;
        o += std::string("0") + eol;
    }
    return o;
}

} // namespace zv
