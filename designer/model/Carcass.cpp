#include "Carcass.h"
#include "BoxLimits.h"

#include "platform/Text.h"

#include <cmath>
#include <memory>

namespace zv {

std::vector<CarcassPiece> CarcassTable(const CarcassInput& s) {
    const double W = s.W, H = s.H, D = s.D, G = s.G, P = s.P, B = s.B, S = s.S;
    // Height taken by the horizontal boards that lie over the sides.
    const double T = (s.topOver ? G : 0) + (s.bottomOver ? G : 0);
    const double sideY = s.bottomOver ? G : 0;
    const double e = G - B; // the back overlaps its neighbours by B on all four sides
    std::vector<CarcassPiece> t;
    t.push_back({"Spate", e, e + S, s.back == BackType::Aplicat ? D : D - P, W - 2 * e, H - 2 * e - S, P, 0, 1});
    t.push_back({"Stanga", 0, sideY, 0, G, H - T, D, 2, 2});
    t.push_back({"Dreapta", W - G, sideY, 0, G, H - T, D, 2, 2});
    if (s.topOver)
        t.push_back({"Sus", 0, H - G, 0, W, G, D, 6, 0});
    else
        t.push_back({"Sus", G, H - G, 0, W - 2 * G, G, D, 6, 0});
    if (s.bottomOver)
        t.push_back({"Jos", 0, 0, 0, W, G, D, 1, 0});
    else
        t.push_back({"Jos", G, S, 0, W - 2 * G, G, D, 1, 0});
    // The plinth stands 10 mm behind the front.
    if (S > 0) t.push_back({"Soclu", G, 0, 10, W - 2 * G, S, G, 0, 1});
    return t;
}

bool CarcassValid(const CarcassInput& s) {
    for (double v : {s.W, s.H, s.D, s.G, s.P, s.B, s.S})
        if (!std::isfinite(v)) return false;
    if (s.S < 0) return false;
    for (const CarcassPiece& p : CarcassTable(s)) {
        for (double v : {p.x, p.y, p.z, p.sx, p.sy, p.sz})
            if (!std::isfinite(v)) return false;
        // Written so that a NaN from an overflow is refused too.
        if (!(p.sx > 0 && p.sy > 0 && p.sz > 0)) return false;
    }
    // Boards that share their place: the sides meeting, or the top lying on
    // or below the bottom (a plinth taking the whole height).
    const double bottomTop = s.bottomOver ? s.G : s.S + s.G;
    if (!(s.W - 2 * s.G > 0) || !(s.H - s.G - bottomTop > 0)) return false;
    // The boxes as the scene stores them: a sum with a huge corner can lose a
    // board's size, which no check on the typed values sees.
    const auto scratch = std::make_unique<Scene3D>();
    for (const CarcassPiece& p : CarcassTable(s))
        if (!scratch->AddBox(p.x, p.y, p.z, p.sx, p.sy, p.sz)) return false;
    return SceneWithinLimits(*scratch);
}

void ReplaceWithCarcass(Furniture& f, const CarcassInput& s, const CarcassMaterials& m) {
    f.dim = {s.W, s.H, s.D, s.G, s.P, s.B, s.S};
    f.backType = s.back;
    f.name = CutFurnitureName(s.name);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kMaxPieces); ++i) {
        f.attrs.hardware[i].Clear();
        f.attrs.materialCode[i].clear();
        f.attrs.textureIndex[i] = -1;
    }
    f.textures.count = 0; // no piece holds a slot until the atlas is rebuilt

    // The view a new furniture starts from.
    f.projParams.Reset();
    f.exteriorView = 1;
    f.scene.panX = f.scene.panY = f.scene.panZ = 0;
    f.scene.currentFillStyle = 7;

    f.pieceNames.clear();
    f.scene.Clear();
    const std::vector<CarcassPiece> table = CarcassTable(s);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const CarcassPiece& p = table[i];
        f.scene.AddBox(p.x, p.y, p.z, p.sx, p.sy, p.sz);
        f.pieceNames.push_back(p.name);
        const bool back = i == 0;
        f.scene.color[i] = back ? m.backColor : m.bodyColor;
        f.attrs.edgeBand[i] = p.edgeBand;
        f.attrs.modelFace[i] = p.face;
        f.attrs.modelRotation[i] = 0;
        f.attrs.modelMirror[i] = 0;
        f.attrs.modelFile[i].clear();
        f.attrs.textureFile[i] = CutFileName(back ? m.backTexture : m.bodyTexture);
        f.attrs.textureRotated[i] = m.textureRotated ? 1 : 0;
        f.attrs.textureRepeated[i] = m.textureRepeated ? 1 : 0;
        f.attrs.materialCode[i] = CutCode(back ? m.backCode : m.bodyCode);
    }
    f.scene.current = kCarcassTop;

    // Never saved: the first save asks for a name and offers none.
    f.fileName.clear();
    f.hasFileName = false;
    f.modified = true;
}

ShelfPreset FirstShelfPreset(const Furniture& f) {
    const MobilaDimensions& d = f.dim;
    const Scene3D& sc = f.scene;
    ShelfPreset p;
    p.x = sc.MinX() + d.G;
    p.y = sc.MinY() + (d.H - d.G - d.S) / 2;
    p.z = sc.MinZ() + d.G;
    p.length = d.W - 2 * d.G;
    p.width = f.backType == BackType::Aplicat ? d.D - d.P - d.G : d.D - d.G;
    p.thickness = d.G;
    return p;
}

} // namespace zv
