#include "model/PieceTables.h"
#include "model/Room.h"
#include "model/UndoSnapshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "support/ModelValues.h"

using namespace zv;

namespace {
std::unique_ptr<Furniture> ThreePieces() { return zv::test::FurnitureOf(3); }
} // namespace

// Every kind of edit the program makes, undone: the furniture comes back as a
// whole value, so a table the snapshot leaves out shows up here.
TEST(Undo, EveryEditComesBackWhole) {
    struct Case {
        const char* edit;
        std::function<void(Furniture&)> apply;
    } cases[] = {
        {"move", [](Furniture& f) { f.scene.MoveObject(1, 10, -5, 3); }},
        {"resize", [](Furniture& f) { f.scene.SetObjectSize(2, 300, 0, 20); }},
        {"scale",
         [](Furniture& f) {
             f.scene.ScaleObject(0, 0, 0, 0, 2, 1, 0.5);
             f.scene.UpdateObjectCentre(0);
             f.scene.UpdateModelCentre();
         }},
        {"stretch the minimum side", [](Furniture& f) { f.scene.StretchObject(true, 1, -4, 0, 6); }},
        {"stretch the maximum side", [](Furniture& f) { f.scene.StretchObject(false, 1, 0, 12, 0); }},
        {"delete the first piece", [](Furniture& f) { DeletePiece(f, 0); }},
        {"delete the middle piece", [](Furniture& f) { DeletePiece(f, 1); }},
        {"delete the last piece", [](Furniture& f) { DeletePiece(f, 2); }},
        {"add a piece",
         [](Furniture& f) {
             AddPiece(f, {0, 500, 0, 600, 18, 400}, 0x00FF00, "Polita");
             f.scene.current = 3;
             test::FillPieceAttributes(f, 3);
         }},
        {"room", [](Furniture& f) { ASSERT_GT(AddRoom(f, RoomParams{}).newPieces, 0); }},
        {"material and edge band",
         [](Furniture& f) {
             f.attrs.materialCode[1] = "PFL3";
             f.attrs.edgeBand[1] = 8;
         }},
        {"hardware", [](Furniture& f) { f.attrs.hardware[2].Add("SURUB", 16); }},
        {"texture",
         [](Furniture& f) {
             f.attrs.textureFile[0] = "nuc.jpg";
             f.attrs.textureRepeated[0] = 0;
             f.attrs.textureRotated[0] = 1;
             f.attrs.textureIndex[0] = 1;
         }},
        {"contour model",
         [](Furniture& f) {
             f.attrs.modelFile[2] = "Model9.bmp";
             f.attrs.modelFace[2] = 1;
             f.attrs.modelRotation[2] = 3;
             f.attrs.modelMirror[2] = 0;
         }},
        {"attributes of another piece", [](Furniture& f) { CopyPieceAttributes(f, 0, 2); }},
        {"piece name, colour and current piece",
         [](Furniture& f) {
             f.pieceNames[1] = "Usa";
             f.scene.color[1] = 0x0000FF;
             f.scene.current = 2;
         }},
        {"furniture name", [](Furniture& f) { f.name = "Comoda"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        auto f = ThreePieces();
        const auto before = std::make_unique<Furniture>(*f);
        auto undo = std::make_unique<UndoSnapshot>();
        SaveUndo(*f, *undo);
        c.apply(*f);
        ASSERT_NE(test::Differences(*f, *before), "") << "the edit changed nothing";
        RestoreUndo(*undo, *f);
        EXPECT_EQ(test::Differences(*f, *before), "");
        EXPECT_TRUE(*f == *before);
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
    EXPECT_EQ(f->attrs.textureIndex[1], -1);
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
