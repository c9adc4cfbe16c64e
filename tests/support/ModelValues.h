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

// A furniture of `count` boards side by side, each with its own colour, name and attributes.
inline std::unique_ptr<Furniture> FurnitureOf(int count) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->SetSlotDefaults();
    f->textures.count = 2;
    f->name = "Dulap";
    for (int i = 0; i < count; ++i) {
        AddPiece(*f, {i * 100.0, 0, 0, 50, 60 + i, 18}, static_cast<std::uint32_t>(0x102030 + i),
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

} // namespace zv::test
