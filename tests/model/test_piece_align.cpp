#include "model/PieceAlign.h"
#include "support/ModelValues.h"

#include <gtest/gtest.h>

#include "support/BoxCheck.h"

#include <memory>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {
using Box = Scene3D::Box;

// A 600 x 400 x 18 shelf and a 1000 x 800 x 500 box around it (the other piece).
std::unique_ptr<Furniture> ShelfAndBox() {
    auto f = EmptyFurniture();
    f->scene.AddBox(100, 200, 50, 600, 400, 18);
    f->scene.AddBox(0, 0, 0, 1000, 800, 500);
    f->pieceNames = {"Polita", "Corp"};
    return f;
}
} // namespace

TEST(PieceAlign, ArrowStepsInBothModes) {
    struct Case {
        Axis axis;
        double delta;
        bool stretch;
        Box want;
    } cases[] = {
        {Axis::X, -100, false, {0, 200, 50, 600, 600, 68}},
        {Axis::X, +100, false, {200, 200, 50, 800, 600, 68}},
        {Axis::Y, +100, false, {100, 300, 50, 700, 700, 68}},
        {Axis::Z, -100, false, {100, 200, -50, 700, 600, -32}},
        // A stretch moves the maximum side: "<" turns 600 into 500 keeping the left side.
        {Axis::X, -100, true, {100, 200, 50, 600, 600, 68}},
        {Axis::X, +100, true, {100, 200, 50, 800, 600, 68}},
        {Axis::Y, -100, true, {100, 200, 50, 700, 500, 68}},
        {Axis::Z, +100, true, {100, 200, 50, 700, 600, 168}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.axis) << " " << c.delta << " " << c.stretch);
        auto f = ShelfAndBox();
        const PieceStep s{0, c.axis, c.delta, c.stretch};
        ASSERT_EQ(CheckStepPiece(*f, s), "");
        StepPiece(*f, s);
        ExpectBox(f->scene.PieceBox(0), c.want);
        ExpectBox(f->scene.PieceBox(1), {0, 0, 0, 1000, 800, 500});
    }
}

TEST(PieceAlign, StepRefusals) {
    auto f = ShelfAndBox();
    // A stretch that would leave no size, and steps past a million millimetres.
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::Z, -18, true}), kSizeWouldVanish);
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::X, -700, true}), kSizeWouldVanish);
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::Z, -17.5, true}), "");
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::X, -700, false}), ""); // a move never inverts
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::X, 1000001, false}), kStepRefused);
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::X, -1000001, true}), kStepRefused);
    // The box the step would store: its corner and sizes within the limit.
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::X, 999900, false}), "");
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::X, 999901, false}), kPiecePositionRefused);
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::Y, -1000000, false}), "");
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::Y, 999400, true}), "");
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::Y, 999601, true}), kPieceSizeRefused);
    const auto before = std::make_unique<Furniture>(*f);
    EXPECT_EQ(CheckStepPiece(*f, {0, Axis::Z, 1000000, true}), kPieceSizeRefused);
    EXPECT_TRUE(*f == *before); // checked on a copy
    // No such piece: nothing happens.
    StepPiece(*f, {5, Axis::X, 100, false});
    StepPiece(*f, {-1, Axis::X, 100, false});
    ExpectBox(f->scene.PieceBox(0), {100, 200, 50, 700, 600, 68});
}

TEST(PieceAlign, TwelveRelationsInBothModes) {
    // Shelf x 100..700, y 200..600, z 50..68; box 0..1000, 0..800, 0..500.
    struct Case {
        int relation;
        Box moved, stretched;
    } cases[] = {
        {0, {0, 200, 50, 600, 600, 68}, {0, 200, 50, 700, 600, 68}},        // stanga-stanga
        {1, {400, 200, 50, 1000, 600, 68}, {100, 200, 50, 1000, 600, 68}},  // dreapta-dreapta
        {2, {1000, 200, 50, 1600, 600, 68}, {}},                            // stanga-dreapta: inverts
        {3, {-600, 200, 50, 0, 600, 68}, {}},                               // dreapta-stanga: inverts
        {4, {100, 400, 50, 700, 800, 68}, {100, 200, 50, 700, 800, 68}},    // sus-sus
        {5, {100, 0, 50, 700, 400, 68}, {100, 0, 50, 700, 600, 68}},        // jos-jos
        {6, {100, -400, 50, 700, 0, 68}, {}},                               // sus-jos: inverts
        {7, {100, 800, 50, 700, 1200, 68}, {}},                             // jos-sus: inverts
        {8, {100, 200, 0, 700, 600, 18}, {100, 200, 0, 700, 600, 68}},      // fata-fata
        {9, {100, 200, 482, 700, 600, 500}, {100, 200, 50, 700, 600, 500}}, // spate-spate
        {10, {100, 200, 500, 700, 600, 518}, {}},                           // fata-spate: inverts
        {11, {100, 200, -18, 700, 600, 0}, {}},                             // spate-fata: inverts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kTangentRelationNames[c.relation]);
        for (bool stretch : {false, true}) {
            auto f = ShelfAndBox();
            const TangentEdit t{0, 1, c.relation, stretch};
            const bool inverts = stretch && c.stretched.x1 == 0;
            EXPECT_EQ(CheckTangent(*f, t), inverts ? kSizeWouldVanish : "");
            if (inverts) continue;
            AlignTangent(*f, t);
            ExpectBox(f->scene.PieceBox(0), stretch ? c.stretched : c.moved);
            ExpectBox(f->scene.PieceBox(1), {0, 0, 0, 1000, 800, 500});
        }
    }
}

TEST(PieceAlign, RelationsTheOtherWayRoundAndRefusals) {
    auto f = ShelfAndBox();
    // The box stretched onto the shelf: its right side to the shelf's left.
    EXPECT_EQ(CheckTangent(*f, {1, 0, 3, true}), "");
    AlignTangent(*f, {1, 0, 3, true});
    ExpectBox(f->scene.PieceBox(1), {0, 0, 0, 100, 800, 500});
    // The same piece, or one outside the furniture, is refused.
    EXPECT_EQ(CheckTangent(*f, {0, 0, 0, false}), kSamePieceTangent);
    EXPECT_EQ(CheckTangent(*f, {0, 2, 0, false}), kSamePieceTangent);
    EXPECT_EQ(CheckTangent(*f, {0, -1, 0, false}), kSamePieceTangent);
    // A face far out: the box the move or the stretch would give is checked.
    auto far = ShelfAndBox();
    far->scene.MoveObject(1, 999500, 0, 0);                                 // the box from 999500 to 1000500
    EXPECT_EQ(CheckTangent(*far, {0, 1, 0, false}), "");                    // stanga-stanga: x 999500
    EXPECT_EQ(CheckTangent(*far, {0, 1, 2, false}), kPiecePositionRefused); // stanga-dreapta: x 1000500
    EXPECT_EQ(CheckTangent(*far, {0, 1, 1, true}), kPieceSizeRefused);      // dreapta-dreapta: 1000400 wide
    // A relation that is already met leaves the piece as it was.
    auto g = ShelfAndBox();
    AlignTangent(*g, {0, 1, 0, false});
    AlignTangent(*g, {0, 1, 0, false});
    ExpectBox(g->scene.PieceBox(0), {0, 200, 50, 600, 600, 68});
}

TEST(PieceAlign, ShrinkAllRound) {
    struct Case {
        ShrinkEdit e;
        const char* refusal;
        Box want;
    } cases[] = {
        // The default ticks, 2 mm: 596 x 396 x 18.
        {{0, true, true, true, true, false, false, 2}, "", {102, 202, 50, 698, 598, 68}},
        // Only the back, -5: 5 mm deeper.
        {{0, false, false, false, false, false, true, -5}, "", {100, 200, 50, 700, 600, 73}},
        {{0, false, false, false, false, true, true, 4}, "", {100, 200, 54, 700, 600, 64}},
        // Half the size or more is refused: 400 high, both sides by 200; 18 deep by 18 at one side.
        {{0, true, true, true, true, false, false, 200}, kSizeWouldVanish, {}},
        {{0, true, true, true, true, false, false, 300}, kSizeWouldVanish, {}},
        {{0, false, false, false, false, true, false, 18}, kSizeWouldVanish, {}},
        {{0, true, false, false, false, false, false, 2000000}, kShrinkInvalid, {}},
        // Outwards to the limit, 600 + 2 x 499700 wide, and past it.
        {{0, true, true, false, false, false, false, -499700}, "", {-499600, 200, 50, 500400, 600, 68}},
        {{0, true, true, false, false, false, false, -499800}, kPieceSizeRefused, {}},
        {{0, false, false, false, true, false, false, -1000000}, kPieceSizeRefused, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.e.value);
        auto f = ShelfAndBox();
        EXPECT_EQ(CheckShrink(*f, c.e), c.refusal);
        if (*c.refusal) continue;
        ShrinkPiece(*f, c.e);
        ExpectBox(f->scene.PieceBox(0), c.want);
    }
    // Each press shrinks again.
    auto f = ShelfAndBox();
    ShrinkPiece(*f, {});
    ShrinkPiece(*f, {});
    ExpectBox(f->scene.PieceBox(0), {104, 204, 50, 696, 596, 68});
    ShrinkPiece(*f, {7, true, true, true, true, true, true, 2}); // no such piece
    ExpectBox(f->scene.PieceBox(1), {0, 0, 0, 1000, 800, 500});
}
