#include "model/PieceEdit.h"
#include "support/ModelValues.h"
#include "model/UndoSnapshot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {
// Two pieces: a 600 x 400 x 18 front at the origin and a side panel.
std::unique_ptr<Furniture> TwoPieces() {
    auto f = EmptyFurniture();
    f->scene.AddBox(0, 0, 0, 600, 400, 18);
    f->scene.AddBox(700, 10, 20, 18, 720, 500);
    f->pieceNames = {"Usa", "Lateral"};
    return f;
}
} // namespace

TEST(PieceEdit, SizeAndPositionAlongEachAxis) {
    auto f = TwoPieces();
    SetPieceSize(*f, 1, Axis::Y, 800);
    EXPECT_EQ(f->scene.PieceBox(1).y0, 10);
    EXPECT_EQ(f->scene.PieceBox(1).y1, 810);
    SetPieceSize(*f, 1, Axis::X, 0); // 0 leaves the size
    EXPECT_EQ(f->scene.PieceBox(1).x1 - f->scene.PieceBox(1).x0, 18);
    SetPiecePosition(*f, 1, Axis::Z, -5);
    const Scene3D::Box b = f->scene.PieceBox(1);
    EXPECT_EQ(b.z0, -5);
    EXPECT_EQ(b.z1, 495);
    EXPECT_EQ(b.x0, 700);
    SetPiecePosition(*f, 1, Axis::X, 0); // 0 is a position like any other
    EXPECT_EQ(f->scene.PieceBox(1).x0, 0);
    EXPECT_DOUBLE_EQ(f->scene.pieceCx[1], 9);
    // The other piece is untouched.
    EXPECT_EQ(f->scene.PieceBox(0).x1, 600);
}

TEST(PieceEdit, FieldBounds) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double v;
        bool size, position;
    } cases[] = {
        {0, true, true},           {600, true, true},   {1000000, true, true},
        {1000000.5, false, false}, {-1, false, true},   {-1000000, false, true},
        {-1000001, false, false},  {inf, false, false}, {std::nan(""), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SizeAccepted(c.v), c.size) << c.v;
        EXPECT_EQ(PositionAccepted(c.v), c.position) << c.v;
    }
}

TEST(PieceEdit, FieldsCheckTheBoxAsStored) {
    auto f = TwoPieces();
    const struct {
        int piece;
        Axis axis;
        bool position;
        double value;
        bool accepted;
    } cases[] = {
        {0, Axis::Y, false, 1e308, false},  {0, Axis::Y, false, 99999999, false},
        {0, Axis::Y, false, 1000000, true}, {0, Axis::Y, false, 0, true},
        {0, Axis::X, true, 1e308, false},   {0, Axis::X, true, -99999999, false},
        {0, Axis::X, true, -1000000, true}, {1, Axis::Z, true, 1000000, true},
        {1, Axis::X, false, 1e-14, false}, // 700 + 1e-14 is stored as 700: a size of 0
        {0, Axis::X, false, 1e-14, true},  // from 0 the size survives
        {2, Axis::X, false, 600, false},   // no such piece
    };
    const auto before = std::make_unique<Furniture>(*f);
    for (const auto& c : cases)
        EXPECT_EQ(PieceFieldAccepted(f->scene, c.piece, c.axis, c.position, c.value), c.accepted)
            << c.piece << " " << int(c.axis) << " " << c.position << " " << c.value;
    EXPECT_TRUE(*f == *before); // checked on a copy
}

TEST(PieceEdit, NameEdgeBandMaterialAndFlags) {
    auto f = TwoPieces();
    RenamePiece(*f, 0, std::string(60, 'n'));
    EXPECT_EQ(f->pieceNames[0], std::string(50, 'n')); // as the undo cuts it
    SetPieceEdgeBand(*f, 0, 8);
    EXPECT_EQ(f->attrs.edgeBand[0], 8);
    SetPieceEdgeBand(*f, 0, 9); // no such code
    EXPECT_EQ(f->attrs.edgeBand[0], 8);

    f->attrs.textureIndex[0] = 3;
    SetPieceMaterial(*f, 0, "PAL18STEJARX", 0x123456, "texturi/stejar.jpg");
    EXPECT_EQ(f->attrs.materialCode[0], "PAL18STEJA");
    EXPECT_EQ(f->scene.color[0], 0x123456u);
    EXPECT_EQ(f->attrs.textureFile[0], "texturi/stejar.jpg");
    EXPECT_EQ(f->attrs.textureIndex[0], -1); // the slot is found afterwards
    SetPieceMaterial(*f, 0, "PFL3", 7, "");
    EXPECT_EQ(f->attrs.textureFile[0], "");

    SetPieceTextureRotated(*f, 1, true);
    SetPieceTextureRepeated(*f, 1, false);
    EXPECT_EQ(f->attrs.textureRotated[1], 1);
    EXPECT_EQ(f->attrs.textureRepeated[1], 0);
}

TEST(PieceEdit, ContourModelButtonsCycle) {
    auto f = TwoPieces();
    f->attrs.modelRotation[0] = 2;
    f->attrs.modelMirror[0] = 1;
    f->attrs.modelFace[0] = 0;
    // A first model starts on the face across the thinnest side (Z here).
    SetPieceModelFile(*f, 0, "Model1.bmp");
    EXPECT_EQ(f->attrs.modelFace[0], 1);
    EXPECT_EQ(f->attrs.modelRotation[0], 0);
    EXPECT_EQ(f->attrs.modelMirror[0], 0);
    // Turned, mirrored, on another face: a second model keeps all three.
    TurnPieceModel(*f, 0);
    MirrorPieceModel(*f, 0);
    NextPieceModelFace(*f, 0);
    SetPieceModelFile(*f, 0, "Model2.bmp");
    EXPECT_EQ(f->attrs.modelFile[0], "Model2.bmp");
    EXPECT_EQ(f->attrs.modelRotation[0], 1);
    EXPECT_EQ(f->attrs.modelMirror[0], 1);
    EXPECT_EQ(f->attrs.modelFace[0], 2);

    const int turns[] = {2, 3, 0, 1};
    for (int t : turns) {
        TurnPieceModel(*f, 0);
        EXPECT_EQ(f->attrs.modelRotation[0], t);
    }
    const int faces[] = {0, 1, 2};
    for (int face : faces) {
        NextPieceModelFace(*f, 0);
        EXPECT_EQ(f->attrs.modelFace[0], face);
    }
    f->attrs.modelFace[0] = 9; // a damaged file
    NextPieceModelFace(*f, 0);
    EXPECT_EQ(f->attrs.modelFace[0], 0);

    RemovePieceModel(*f, 0);
    EXPECT_EQ(f->attrs.modelFile[0], "");
    EXPECT_EQ(f->attrs.modelRotation[0], 0);
    EXPECT_EQ(f->attrs.modelMirror[0], 0);
    EXPECT_EQ(f->attrs.modelFace[0], 0); // stays
    EXPECT_EQ(ThinnestFace(f->scene, 1), 2);
}

TEST(PieceEdit, NoPieceNoChange) {
    auto f = TwoPieces();
    const auto before = std::make_unique<Furniture>(*f);
    for (int piece : {-1, 2, 200, 1000}) {
        SetPieceSize(*f, piece, Axis::X, 5);
        SetPiecePosition(*f, piece, Axis::Y, 5);
        RenamePiece(*f, piece, "x");
        SetPieceEdgeBand(*f, piece, 1);
        SetPieceMaterial(*f, piece, "C", 1, "t.jpg");
        SetPieceTextureRepeated(*f, piece, false);
        SetPieceTextureRotated(*f, piece, true);
        SetPieceModelFile(*f, piece, "m.bmp");
        TurnPieceModel(*f, piece);
        MirrorPieceModel(*f, piece);
        NextPieceModelFace(*f, piece);
        RemovePieceModel(*f, piece);
    }
    EXPECT_EQ(f->scene.X, before->scene.X);
    EXPECT_EQ(f->pieceNames, before->pieceNames);
    EXPECT_EQ(f->attrs.modelFile, before->attrs.modelFile);
    EXPECT_EQ(f->attrs.modelRotation, before->attrs.modelRotation);
    EXPECT_EQ(f->attrs.materialCode, before->attrs.materialCode);
    EXPECT_EQ(f->attrs.textureRepeated, before->attrs.textureRepeated);
}
