#include "PieceEdit.h"

#include "platform/Text.h"

#include <cmath>

namespace zv {

namespace {
std::size_t Slot(int piece) { return static_cast<std::size_t>(piece); }

void SizeOnScene(Scene3D& s, int piece, Axis axis, double size) {
    s.SetObjectSize(piece, axis == Axis::X ? size : 0, axis == Axis::Y ? size : 0, axis == Axis::Z ? size : 0);
}

void PositionOnScene(Scene3D& s, int piece, Axis axis, double position) {
    const Scene3D::Box b = s.PieceBox(piece);
    switch (axis) {
    case Axis::X: s.MoveObject(piece, position - b.x0, 0, 0); break;
    case Axis::Y: s.MoveObject(piece, 0, position - b.y0, 0); break;
    case Axis::Z: s.MoveObject(piece, 0, 0, position - b.z0); break;
    }
}
} // namespace

EditResult SetPieceSize(Furniture& f, int piece, Axis axis, double size) {
    if (f.scene.ValidPiece(piece)) SizeOnScene(f.scene, piece, axis, size);
    return {};
}

EditResult SetPiecePosition(Furniture& f, int piece, Axis axis, double position) {
    if (f.scene.ValidPiece(piece)) PositionOnScene(f.scene, piece, axis, position);
    return {};
}

bool PieceFieldAccepted(const Scene3D& s, int piece, Axis axis, bool position, double value) {
    if (!s.ValidPiece(piece) || !(position ? PositionAccepted(value) : SizeAccepted(value))) return false;
    return BoxWithinLimits(PieceBoxAfter(s, piece, [&](Scene3D& scratch) {
        if (position)
            PositionOnScene(scratch, piece, axis, value);
        else
            SizeOnScene(scratch, piece, axis, value);
    }));
}

EditResult RenamePiece(Furniture& f, int piece, const std::string& name) {
    if (!f.scene.ValidPiece(piece)) return {};
    if (f.pieceNames.size() <= Slot(piece)) f.pieceNames.resize(Slot(piece) + 1);
    f.pieceNames[Slot(piece)] = CutFurnitureName(name);
    return {};
}

EditResult SetPieceEdgeBand(Furniture& f, int piece, int code) {
    if (!f.scene.ValidPiece(piece) || code < 0 || code > 8) return {};
    f.attrs.edgeBand[Slot(piece)] = code;
    return {};
}

EditResult SetPieceMaterial(Furniture& f, int piece, const std::string& code, std::uint32_t color,
                            const std::string& textureFile) {
    if (!f.scene.ValidPiece(piece)) return {};
    const std::size_t p = Slot(piece);
    f.attrs.materialCode[p] = CutCode(code);
    f.scene.color[p] = color;
    f.attrs.textureFile[p] = CutFileName(textureFile);
    f.attrs.textureIndex[p] = -1;
    return {};
}

EditResult SetPieceTextureRepeated(Furniture& f, int piece, bool on) {
    if (f.scene.ValidPiece(piece)) f.attrs.textureRepeated[Slot(piece)] = on ? 1 : 0;
    return {};
}

EditResult SetPieceTextureRotated(Furniture& f, int piece, bool on) {
    if (f.scene.ValidPiece(piece)) f.attrs.textureRotated[Slot(piece)] = on ? 1 : 0;
    return {};
}

int ThinnestFace(const Scene3D& scene, int piece) {
    const Scene3D::Box b = scene.PieceBox(piece);
    double dx = b.x1 - b.x0, dy = b.y1 - b.y0, dz = b.z1 - b.z0;
    return SortDimensions(dx, dy, dz);
}

EditResult SetPieceModelFile(Furniture& f, int piece, const std::string& file) {
    if (!f.scene.ValidPiece(piece)) return {};
    const std::size_t p = Slot(piece);
    if (f.attrs.modelFile[p].empty()) {
        f.attrs.modelFace[p] = static_cast<std::uint8_t>(ThinnestFace(f.scene, piece));
        f.attrs.modelMirror[p] = 0;
        f.attrs.modelRotation[p] = 0;
    }
    f.attrs.modelFile[p] = CutFileName(file);
    return {};
}

EditResult TurnPieceModel(Furniture& f, int piece) {
    if (!f.scene.ValidPiece(piece)) return {};
    std::uint8_t& r = f.attrs.modelRotation[Slot(piece)];
    r = r >= 3 ? 0 : static_cast<std::uint8_t>(r + 1);
    return {};
}

EditResult MirrorPieceModel(Furniture& f, int piece) {
    if (!f.scene.ValidPiece(piece)) return {};
    std::uint8_t& m = f.attrs.modelMirror[Slot(piece)];
    m = m == 1 ? 0 : 1;
    return {};
}

EditResult NextPieceModelFace(Furniture& f, int piece) {
    if (!f.scene.ValidPiece(piece)) return {};
    std::uint8_t& face = f.attrs.modelFace[Slot(piece)];
    face = face >= 2 ? 0 : static_cast<std::uint8_t>(face + 1);
    return {};
}

EditResult RemovePieceModel(Furniture& f, int piece) {
    if (!f.scene.ValidPiece(piece)) return {};
    const std::size_t p = Slot(piece);
    f.attrs.modelFile[p].clear();
    f.attrs.modelMirror[p] = 0;
    f.attrs.modelRotation[p] = 0;
    return {};
}

} // namespace zv
