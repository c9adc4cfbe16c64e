#pragma once
// Furniture values for model tests: pieces whose every table holds a value of
// its own, and a difference report that names the tables two values differ in.
#include "model/PieceTables.h"

#include <memory>
#include <string>

namespace zv::test {

// Every per-piece table of piece i set to something only that piece has.
inline void FillPieceAttributes(Furniture& f, int i) {
    const auto k = static_cast<std::size_t>(i);
    const std::string n = std::to_string(i);
    PiesaAttributes& a = f.attrs;
    a.edgeBand[k] = 1 + i % 8;
    a.materialCode[k] = "PAL" + n;
    a.hardware[k].Clear();
    a.hardware[k].Add("BAL" + n, i + 1);
    a.hardware[k].Add("MAN" + n, 2 * i + 1);
    a.modelFile[k] = "Model" + n + ".bmp";
    a.modelFace[k] = static_cast<std::uint8_t>(i % 3);
    a.modelRotation[k] = static_cast<std::uint8_t>(1 + i % 3);
    a.modelMirror[k] = 1;
    a.textureFile[k] = "textura" + n + ".jpg";
    a.textureRepeated[k] = 1;
    a.textureRotated[k] = i % 2;
    a.textureIndex[k] = i % 2;
}

// A furniture with no pieces, its tables at their defaults, as a new one starts.
inline std::unique_ptr<Furniture> EmptyFurniture() {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->SetSlotDefaults();
    return f;
}

// A furniture of `count` boards side by side, each with its own colour, name and attributes.
inline std::unique_ptr<Furniture> FurnitureOf(int count) {
    auto f = EmptyFurniture();
    f->textures.count = 2;
    f->name = "Dulap";
    for (int i = 0; i < count; ++i) {
        AddPiece(*f, {i * 100.0, 0, 0, 50, 60.0 + i, 18}, static_cast<std::uint32_t>(0x102030 + i),
                 "Piesa " + std::to_string(i));
        FillPieceAttributes(*f, i);
    }
    return f;
}

// The parts in which two values differ, by name; empty when they are equal.
inline std::string Differences(const PiesaAttributes& a, const PiesaAttributes& b) {
    std::string d;
    auto check = [&](bool same, const char* name) {
        if (!same) d += std::string(d.empty() ? "" : ", ") + name;
    };
    check(a.edgeBand == b.edgeBand, "edgeBand");
    check(a.materialCode == b.materialCode, "materialCode");
    check(a.hardware == b.hardware, "hardware");
    check(a.modelFile == b.modelFile, "modelFile");
    check(a.modelFace == b.modelFace, "modelFace");
    check(a.modelRotation == b.modelRotation, "modelRotation");
    check(a.modelMirror == b.modelMirror, "modelMirror");
    check(a.textureFile == b.textureFile, "textureFile");
    check(a.textureRepeated == b.textureRepeated, "textureRepeated");
    check(a.textureRotated == b.textureRotated, "textureRotated");
    check(a.textureIndex == b.textureIndex, "textureIndex");
    if (d.empty() && !(a == b)) d = "a table not named here";
    return d;
}

inline std::string Differences(const Scene3D& a, const Scene3D& b) {
    std::string d;
    auto check = [&](bool same, const char* name) {
        if (!same) d += std::string(d.empty() ? "" : ", ") + name;
    };
    check(a.pointCount == b.pointCount && a.pieceCount == b.pieceCount, "counts");
    check(a.X == b.X && a.Y == b.Y && a.Z == b.Z, "points");
    check(a.faceCount == b.faceCount && a.faceFirst == b.faceFirst && a.facePoints == b.facePoints, "faces");
    check(a.pieceCx == b.pieceCx && a.pieceCy == b.pieceCy && a.pieceCz == b.pieceCz, "piece centres");
    check(a.modelCx == b.modelCx && a.modelCy == b.modelCy && a.modelCz == b.modelCz, "model centre");
    check(a.color == b.color, "colours");
    check(a.current == b.current, "current piece");
    check(a.zoom == b.zoom && a.miniScale == b.miniScale && a.screenCx == b.screenCx && a.screenCy == b.screenCy,
          "scale");
    if (d.empty() && !(a == b)) d = "the view or a field not named here";
    return d;
}

inline std::string Differences(const Furniture& a, const Furniture& b) {
    std::string d;
    auto add = [&](const std::string& part) {
        if (!part.empty()) d += std::string(d.empty() ? "" : "; ") + part;
    };
    if (const std::string s = Differences(a.scene, b.scene); !s.empty()) add("scene: " + s);
    if (const std::string t = Differences(a.attrs, b.attrs); !t.empty()) add("attributes: " + t);
    if (a.pieceNames != b.pieceNames) add("piece names");
    if (a.name != b.name) add("name");
    if (!(a.dim == b.dim)) add("dimensions");
    if (!(a.textures == b.textures)) add("texture table");
    if (!(a.projParams == b.projParams)) add("mini-view pans");
    if (a.backType != b.backType || a.exteriorView != b.exteriorView) add("back type or side shown");
    if (a.fileName != b.fileName || a.hasFileName != b.hasFileName || a.modified != b.modified ||
        a.saveCount != b.saveCount)
        add("file state");
    if (d.empty() && !(a == b)) d = "a part not named here";
    return d;
}

} // namespace zv::test
