#include "model/PieceTables.h"
#include "model/UndoSnapshot.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zv;

namespace {
std::unique_ptr<Furniture> ThreePieces() {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->SetSlotDefaults();
    f->textures.count = 2;
    for (int i = 0; i < 3; ++i) {
        AddPiece(*f, {i * 100.0, 0, 0, 50, 60, 18}, static_cast<std::uint32_t>(10 + i), "Piesa" + std::to_string(i));
        f->attrs.materialCode[i] = "P" + std::to_string(i);
        f->attrs.hardware[i].Add("BAL" + std::to_string(i), i + 1);
        f->attrs.textureFile[i] = "t" + std::to_string(i) + ".jpg";
        f->attrs.textureIndex[i] = i == 2 ? 1 : 0;
        f->attrs.modelFile[i] = "Model" + std::to_string(i + 1) + ".bmp";
        f->attrs.modelFace[i] = static_cast<std::uint8_t>(i);
        f->attrs.edgeBand[i] = i;
    }
    f->name = "Dulap";
    return f;
}
} // namespace

TEST(Undo, RestoresADeletionSlotForSlot) {
    auto f = ThreePieces();
    auto before = std::make_unique<Furniture>(*f);
    auto undo = std::make_unique<UndoSnapshot>();
    SaveUndo(*f, *undo);
    DeletePiece(*f, 1);
    ASSERT_EQ(f->attrs.modelFile[1], "Model3.bmp");

    RestoreUndo(*undo, *f);
    EXPECT_EQ(f->scene.pieceCount, 3);
    EXPECT_EQ(f->scene.pointCount, 72);
    EXPECT_EQ(f->pieceNames, before->pieceNames);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(f->scene.color[i], before->scene.color[i]);
        EXPECT_EQ(f->attrs.materialCode[i], before->attrs.materialCode[i]);
        EXPECT_EQ(f->attrs.hardware[i], before->attrs.hardware[i]);
        EXPECT_EQ(f->attrs.textureFile[i], before->attrs.textureFile[i]);
        EXPECT_EQ(f->attrs.textureIndex[i], before->attrs.textureIndex[i]);
        EXPECT_EQ(f->attrs.modelFile[i], before->attrs.modelFile[i]); // each piece its own model again
        EXPECT_EQ(f->attrs.modelFace[i], before->attrs.modelFace[i]);
        EXPECT_EQ(f->attrs.edgeBand[i], before->attrs.edgeBand[i]);
        EXPECT_EQ(f->scene.PieceBox(i).x0, before->scene.PieceBox(i).x0);
    }
}

TEST(Undo, LeavesTheViewAndDimensionsAlone) {
    auto f = ThreePieces();
    auto undo = std::make_unique<UndoSnapshot>();
    SaveUndo(*f, *undo);
    f->scene.MoveObject(0, 10, 0, 0);
    f->scene.rotY = 0.7;
    f->scene.panX = 33;
    f->dim.G = 18;
    f->projParams.x[0] = 99;
    f->backType = BackType::Incastrat;
    RestoreUndo(*undo, *f);
    EXPECT_EQ(f->scene.PieceBox(0).x0, 0);
    EXPECT_EQ(f->scene.rotY, 0.7);
    EXPECT_EQ(f->scene.panX, 33);
    EXPECT_EQ(f->dim.G, 18);
    EXPECT_EQ(f->projParams.x[0], 99);
    EXPECT_EQ(f->backType, BackType::Incastrat);
}

TEST(Undo, LongNamesComeBackCutAndStaleTexturesReset) {
    auto f = ThreePieces();
    f->pieceNames[0] = std::string(60, 'n');
    auto undo = std::make_unique<UndoSnapshot>();
    SaveUndo(*f, *undo);
    f->textures.count = 1; // the atlas shrank meanwhile
    RestoreUndo(*undo, *f);
    EXPECT_EQ(f->pieceNames[0], std::string(50, 'n'));
    EXPECT_EQ(f->attrs.textureIndex[2], -1);
    EXPECT_EQ(f->attrs.textureIndex[0], 0);
}

TEST(Undo, ModifiedAfterUndo) {
    auto f = ThreePieces();
    auto undo = std::make_unique<UndoSnapshot>();
    f->modified = false;
    SaveUndo(*f, *undo);
    EXPECT_FALSE(ModifiedAfterUndo(*undo, *f)); // saved before the edit
    f->saveCount++;                             // edit, then save, then undo
    EXPECT_TRUE(ModifiedAfterUndo(*undo, *f));
    f->modified = true;
    SaveUndo(*f, *undo);
    EXPECT_TRUE(ModifiedAfterUndo(*undo, *f));
}
