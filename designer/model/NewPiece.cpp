#include "NewPiece.h"
#include "BoxLimits.h"
#include "PieceTables.h"

#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace zv {

const char* const kPiesaKindTexts[kPiesaKindCount] = {"Polita",
                                                      "Bara haine",
                                                      "Despartitor",
                                                      "Despartitor 1/2",
                                                      "Despartitor 2/2",
                                                      "Usa aplicata",
                                                      "Usa aplicata 1/2",
                                                      "Usa aplicata 2/2",
                                                      "Usa aplicata 1/3",
                                                      "Usa aplicata 2/3",
                                                      "Usa aplicata 3/3",
                                                      "Usa incastrata",
                                                      "Usa incastrata 1/2",
                                                      "Usa incastrata 2/2",
                                                      "Usa incastrata 1/3",
                                                      "Usa incastrata 2/3",
                                                      "Usa incastrata 3/3",
                                                      "Maner vertical",
                                                      "Maner orizontal",
                                                      "Picior 1",
                                                      "Picior 2",
                                                      "Picior 3",
                                                      "Picior 4",
                                                      "Blat"};

void SetExtents(NewPieceContext& c, const Scene3D& s) {
    c.minX = s.MinX();
    c.minY = s.MinY();
    c.minZ = s.MinZ();
    c.maxX = s.MaxX();
    c.maxY = s.MaxY();
    c.maxZ = s.MaxZ();
}

bool PiesaExists(const std::vector<std::string>& names, const std::string& prefix) {
    const std::string p = UpperAscii(prefix);
    for (const std::string& n : names)
        if (n.size() >= p.size() && UpperAscii(n.substr(0, p.size())) == p) return true;
    return false;
}

namespace {
bool Exists(const NewPieceContext& c, const char* prefix) { return c.names && PiesaExists(*c.names, prefix); }

std::string ModelFile(const NewPieceContext& c) {
    std::string folder = c.startupFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + kDefaultModelFile;
}
} // namespace

KindDefaults DefaultsForKind(int kind, const NewPieceContext& c) {
    const double W = c.maxX - c.minX, H = c.maxY - c.minY, D = c.maxZ - c.minZ;
    const double G = c.G, P = c.P, S = c.S, t = c.t;
    const bool applied = c.back == BackType::Aplicat;
    const double shelfDepth = applied ? D - P - t : D - t;
    KindDefaults d;
    auto row = [&](const char* name, double x, double y, double z, double l, double w, double th, int band, int face,
                   bool model) { d = {name, x, y, z, l, w, th, band, face, model ? ModelFile(c) : std::string()}; };
    const double x0 = c.minX, y0 = c.minY, z0 = c.minZ;
    // An applied door lies in front of the carcass, or in line with a door already there.
    const double appliedDoorZ = Exists(c, "Usa") ? z0 : z0 - t;
    // Handles stand 20 in front of the doors; legs go under the first one.
    const double handleZ = Exists(c, "Maner") ? z0 : z0 - 20;
    const double legY = Exists(c, "Picior") ? y0 : y0 - 80;
    const double legZ = Exists(c, "Maner") ? z0 + 70 : z0 + 50;
    auto divider = [&](const char* name, double x) {
        row(name, x, y0 + t + S, z0 + t, shelfDepth, H - 2 * t - S, t, 2, 2, false);
    };
    const double insetY = y0 + S + t, insetHeight = H - 2 * t - S;
    const double insetThird = TruncZero(W - 2 * t) / 3.0;
    switch (kind) {
    case 0: row("Polita1", x0 + t, y0 + (H - G - S) / 2, z0 + t, W - 2 * t, shelfDepth, t, 1, 0, false); break;
    case 1: row("Bara umerase", x0 + t, c.maxY - 200, (D - 40) / 2, 40, 40, W - 2 * t, 0, 2, true); break;
    case 2: divider("Despartitor", x0 + (W - t) / 2); break;
    case 3: divider("Despartitor1/2", RoundEven(x0 + W / 3 - t / 2)); break;
    case 4: divider("Despartitor2/2", RoundEven(x0 + 2 * W / 3 - t / 2)); break;
    case 5: row("Usa", x0, y0 + S, z0 - t, W, H - S, t, 8, 1, false); break;
    case 6: row("Usa1/2", x0, y0 + S, appliedDoorZ, W / 2, H - S, t, 8, 1, false); break;
    case 7: row("Usa2/2", x0 + W / 2, y0 + S, appliedDoorZ, W / 2, H - S, t, 8, 1, false); break;
    case 8: row("Usa1/3", x0, y0 + S, appliedDoorZ, TruncZero(W / 3), H - S, t, 8, 1, false); break;
    case 9: row("Usa2/3", x0 + RoundEven(W / 3), y0 + S, appliedDoorZ, TruncZero(W / 3), H - S, t, 8, 1, false); break;
    case 10:
        row("Usa3/3", x0 + RoundEven(2 * W / 3), y0 + S, appliedDoorZ, TruncZero(W / 3), H - S, t, 8, 1, false);
        break;
    case 11: row("Usa", x0 + t, insetY, z0, W - 2 * t, insetHeight, t, 8, 1, false); break;
    case 12: row("Usa1/2", x0 + t, insetY, z0, (W - 2 * t) / 2, insetHeight, t, 8, 1, false); break;
    case 13: row("Usa2/2", x0 + t + (W - 2 * t) / 2, insetY, z0, (W - 2 * t) / 2, insetHeight, t, 8, 1, false); break;
    case 14: row("Usa1/3", x0 + t, insetY, z0, insetThird, insetHeight, t, 8, 1, false); break;
    case 15:
        row("Usa2/3", RoundEven(x0 + t + (W - 2 * t) / 3), insetY, z0, insetThird, insetHeight, t, 8, 1, false);
        break;
    case 16:
        row("Usa3/3", RoundEven(x0 + t + 2 * (W - 2 * t) / 3), insetY, z0, insetThird, insetHeight, t, 8, 1, false);
        break;
    case 17: row("Maner vert", x0 + (W - 20) / 2, y0 + (H - S - 150) / 2, handleZ, 20, 20, 150, 0, 0, true); break;
    case 18: row("Maner oriz", x0 + (W - 150) / 2, y0 + (H - S - 20) / 2, handleZ, 20, 20, 150, 0, 2, true); break;
    case 19: row("Picior1", x0 + 50, legY, legZ, 50, 50, 80 - S, 0, 0, true); break;
    case 20: row("Picior2", c.maxX - 100, legY, legZ, 50, 50, 80 - S, 0, 0, true); break;
    case 21: row("Picior3", x0 + 50, legY, c.maxZ - 100, 50, 50, 80 - S, 0, 0, true); break;
    case 22: row("Picior4", c.maxX - 100, legY, c.maxZ - 100, 50, 50, 80 - S, 0, 0, true); break;
    case 23: row("Blat", x0, c.maxY, z0 - 30, W, D + 30, t, 6, 0, false); break;
    default: break;
    }
    return d;
}

BoxSizes BoxSizesForKind(int kind, double length, double width, double thickness) {
    if ((kind >= 1 && kind <= 4) || kind == KindManerOrizontal) return {thickness, width, length}; // upright, deep
    if (kind >= 5 && kind <= 16) return {length, width, thickness};                                // doors
    return {length, thickness, width}; // lying boards, the vertical handle, legs, the top
}

NewPiece CopyOfPiece(const Furniture& f, int k) {
    NewPiece p;
    if (!f.scene.ValidPiece(k)) return p;
    const auto i = static_cast<std::size_t>(k);
    const Scene3D::Box b = f.scene.PieceBox(k);
    p.x = b.x0;
    p.y = b.y0;
    p.z = b.z0;
    p.sx = b.x1 - b.x0;
    p.sy = b.y1 - b.y0;
    p.sz = b.z1 - b.z0;
    p.color = f.scene.color[i];
    if (i < f.pieceNames.size()) p.name = f.pieceNames[i];
    const PiesaAttributes& a = f.attrs;
    p.slot = {a.edgeBand[i],      a.materialCode[i], a.hardware[i],    a.modelFile[i],       a.modelFace[i],
              a.modelRotation[i], a.modelMirror[i],  a.textureFile[i], a.textureRepeated[i], a.textureRotated[i]};
    return p;
}

CopiedLayout LayoutOfCopy(double sx, double sy, double sz) {
    CopiedLayout c{KindPolita, sx, sy, sz};
    switch (SortDimensions(c.length, c.width, c.thickness)) {
    case 1: c.kind = KindUsaAplicata; break;
    case 2: c.kind = KindDespartitor; break;
    default: c.kind = KindPolita; break;
    }
    return c;
}

std::string NewPieceRefusal(const Scene3D& s) {
    if (s.pieceCount >= Scene3D::kMaxPieces) return "Mobila are deja 200 de piese. Nu mai pot adauga alta piesa.";
    if (s.pointCount < 0 || s.pointCount + 24 > Scene3D::kMaxPoints)
        return "Mobila are prea multe puncte. Nu mai pot adauga alta piesa.";
    return {};
}

namespace {
void PutSlot(PiesaAttributes& a, std::size_t i, const PieceSlot& s) {
    a.edgeBand[i] = std::clamp(s.edgeBand, 0, 8);
    a.materialCode[i] = CutCode(s.materialCode);
    a.hardware[i] = s.hardware;
    a.modelFile[i] = CutFileName(s.modelFile);
    a.modelFace[i] = s.modelFace;
    a.modelRotation[i] = s.modelRotation;
    a.modelMirror[i] = s.modelMirror;
    a.textureFile[i] = CutFileName(s.textureFile);
    a.textureRepeated[i] = s.textureRepeated;
    a.textureRotated[i] = s.textureRotated;
    // The atlas slot is found again from the file once the piece is in.
    a.textureIndex[i] = -1;
}
} // namespace

bool NewPieceWithinLimits(const NewPiece& p) {
    // Stored on a scratch scene: the far corner is a sum, which can lose a
    // typed size against a huge corner.
    const auto scratch = std::make_unique<Scene3D>();
    return scratch->AddBox(p.x, p.y, p.z, p.sx, p.sy, p.sz) && PieceWithinLimits(*scratch, 0);
}

EditResult AppendNewPiece(Furniture& f, const NewPiece& p) {
    if (!NewPieceRefusal(f.scene).empty() || !NewPieceWithinLimits(p)) return {};
    const EditResult r = AddPiece(f, PieceBox{p.x, p.y, p.z, p.sx, p.sy, p.sz}, p.color, p.name);
    if (r.newPieces == 0) return {};
    f.scene.current = r.firstNewPiece;
    PutSlot(f.attrs, static_cast<std::size_t>(r.firstNewPiece), p.slot);
    return r;
}

double PlinthFromPieces(const Furniture& f) {
    const int n = std::min<int>(f.scene.pieceCount, static_cast<int>(f.pieceNames.size()));
    for (int i = 0; i < n; ++i) {
        if (UpperAscii(f.pieceNames[static_cast<std::size_t>(i)]) != "SOCLU") continue;
        const Scene3D::Box b = f.scene.PieceBox(i);
        const double h = b.y1 - b.y0;
        return std::isfinite(h) ? h : 0.0;
    }
    return 0.0;
}

} // namespace zv
