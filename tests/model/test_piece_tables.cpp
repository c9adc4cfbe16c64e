// Adding, deleting and copying pieces keeps the scene, every attribute table
// and the names in step.
#include "model/PieceTables.h"

#include <gtest/gtest.h>

#include "support/ModelValues.h"

using namespace zv;
using zv::test::Differences;
using zv::test::FurnitureOf;

namespace {
// Slot `from` of a alone, in slot 0 of an otherwise empty value, for comparing one slot.
std::unique_ptr<PiesaAttributes> SlotOf(const PiesaAttributes& a, int from) {
    auto s = std::make_unique<PiesaAttributes>();
    s->CopySlot(a, from, 0);
    return s;
}
std::unique_ptr<PiesaAttributes> BlankSlot() {
    auto s = std::make_unique<PiesaAttributes>();
    s->ClearSlot(0);
    return s;
}
} // namespace

TEST(PieceTables, AddPieceAppendsBoxColourNameAndABlankSlot) {
    auto f = FurnitureOf(2);
    f->scene.current = 1;
    // What a deleted or merged piece may have left past the end.
    test::FillPieceAttributes(*f, 2);
    const EditResult r = AddPiece(*f, {10, 20, 30, 600, 18, 400}, 0xABCDEF, "Polita");
    EXPECT_EQ(r.firstNewPiece, 2);
    EXPECT_EQ(r.newPieces, 1);
    EXPECT_EQ(f->scene.pieceCount, 3);
    EXPECT_EQ(f->scene.PieceBox(2).x1, 610);
    EXPECT_EQ(f->scene.color[2], 0xABCDEFu);
    EXPECT_EQ(f->pieceNames, (std::vector<std::string>{"Piesa 0", "Piesa 1", "Polita"}));
    EXPECT_EQ(Differences(*SlotOf(f->attrs, 2), *BlankSlot()), "");
    EXPECT_EQ(f->attrs.textureIndex[2], -1);
    EXPECT_EQ(f->scene.current, 1) << "the caller chooses the current piece";
}

TEST(PieceTables, AddPieceAtTheLimitChangesNothing) {
    auto f = FurnitureOf(0);
    for (int i = 0; i < kMaxPieces; ++i) ASSERT_EQ(AddPiece(*f, {0, 0, 0, 1, 1, 1}, 0, "p").newPieces, 1);
    const EditResult r = AddPiece(*f, {0, 0, 0, 1, 1, 1}, 0, "one too many");
    EXPECT_EQ(r.newPieces, 0);
    EXPECT_EQ(f->scene.pieceCount, kMaxPieces);
    EXPECT_EQ(f->pieceNames.size(), static_cast<std::size_t>(kMaxPieces));
}

TEST(PieceTables, AddPieceKeepsNamesOnTheirPieces) {
    // A name list shorter than the scene (a file of an older program) still
    // gives the new piece the name at its own index.
    auto f = FurnitureOf(3);
    f->pieceNames.resize(1);
    AddPiece(*f, {0, 0, 0, 1, 1, 1}, 0, "Usa");
    ASSERT_EQ(f->pieceNames.size(), 4u);
    EXPECT_EQ(f->pieceNames[3], "Usa");
}

TEST(PieceTables, DeletePieceFirstMiddleAndLast) {
    struct Case {
        int deleted;
        int kept[2]; // the pieces that stay, in order
    } cases[] = {{0, {1, 2}}, {1, {0, 2}}, {2, {0, 1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE("deleted piece " + std::to_string(c.deleted));
        const auto before = FurnitureOf(3);
        auto f = std::make_unique<Furniture>(*before);
        f->scene.current = c.deleted;
        DeletePiece(*f, c.deleted);

        EXPECT_EQ(f->scene.pieceCount, 2);
        EXPECT_EQ(f->scene.pointCount, 48);
        EXPECT_EQ(f->scene.current, 0);
        ASSERT_EQ(f->pieceNames.size(), 2u);
        for (int i = 0; i < 2; ++i) {
            const int from = c.kept[i];
            SCOPED_TRACE("slot " + std::to_string(i));
            EXPECT_EQ(f->pieceNames[i], before->pieceNames[from]);
            EXPECT_EQ(f->scene.color[i], before->scene.color[from]);
            EXPECT_EQ(f->scene.PieceBox(i).x0, before->scene.PieceBox(from).x0);
            EXPECT_EQ(f->scene.PieceBox(i).y1, before->scene.PieceBox(from).y1);
            EXPECT_EQ(Differences(*SlotOf(f->attrs, i), *SlotOf(before->attrs, from)), "");
        }
        // The slot past the end is blank, and those after it untouched.
        EXPECT_EQ(Differences(*SlotOf(f->attrs, 2), *BlankSlot()), "");
        EXPECT_EQ(Differences(*SlotOf(f->attrs, 3), *SlotOf(before->attrs, 3)), "");
    }
}

TEST(PieceTables, DeletePieceNotThereChangesNothing) {
    const auto before = FurnitureOf(2);
    for (int piece : {-1, 2, 199, 200}) {
        auto f = std::make_unique<Furniture>(*before);
        DeletePiece(*f, piece);
        EXPECT_EQ(f->scene.pieceCount, 2) << piece;
        EXPECT_EQ(f->pieceNames, before->pieceNames) << piece;
        EXPECT_EQ(Differences(f->attrs, before->attrs), "") << piece;
    }
    auto empty = FurnitureOf(0);
    DeletePiece(*empty, 0);
    EXPECT_EQ(empty->scene.pieceCount, 0);
    EXPECT_TRUE(empty->pieceNames.empty());
}

TEST(PieceTables, CopyPieceAttributesCopiesEveryTableAndNothingElse) {
    const auto before = FurnitureOf(3);
    auto f = std::make_unique<Furniture>(*before);
    CopyPieceAttributes(*f, 2, 0);
    EXPECT_EQ(Differences(*SlotOf(f->attrs, 0), *SlotOf(before->attrs, 2)), "");
    EXPECT_EQ(Differences(*SlotOf(f->attrs, 1), *SlotOf(before->attrs, 1)), "");
    EXPECT_EQ(Differences(*SlotOf(f->attrs, 2), *SlotOf(before->attrs, 2)), "");
    EXPECT_EQ(f->pieceNames, before->pieceNames);
    EXPECT_EQ(f->scene.color[0], before->scene.color[0]);
    EXPECT_EQ(f->scene.PieceBox(0).x1, before->scene.PieceBox(0).x1);
    CopyPieceAttributes(*f, 0, kMaxPieces); // outside the tables: nothing
    EXPECT_EQ(Differences(*SlotOf(f->attrs, 0), *SlotOf(before->attrs, 2)), "");
}
