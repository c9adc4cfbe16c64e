#include "model/ProjectionEdit.h"
#include "support/ModelValues.h"

#include <gtest/gtest.h>

#include "support/BoxCheck.h"

#include <cmath>
#include <limits>
#include <memory>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {
using Box = Scene3D::Box;

// A side 18 x 700 x 400 standing at x 100, and a shelf.
std::unique_ptr<Furniture> SideAndShelf() {
    auto f = EmptyFurniture();
    f->scene.AddBox(100, 0, 0, 18, 700, 400);
    f->scene.AddBox(118, 300, 0, 500, 18, 380);
    f->pieceNames = {"Stanga", "Polita"};
    return f;
}

// The drag of piece `piece` as pressed now, travelling dh, dv millimetres.
ProjectionDragEdit Drag(const Furniture& f, int piece, int view, bool vertical, bool resize, double dh, double dv) {
    ProjectionDragEdit d;
    d.piece = piece;
    d.view = view;
    d.vertical = vertical;
    d.resize = resize;
    const Axis h = ViewHorizontalAxis(view), v = ViewVerticalAxis(view);
    d.hStart = PieceMinimum(f.scene, piece, h);
    d.vStart = PieceMinimum(f.scene, piece, v);
    d.widthAtPress = PieceExtent(f.scene, piece, h);
    d.heightAtPress = PieceExtent(f.scene, piece, v);
    d.dh = dh;
    d.dv = dv;
    return d;
}
} // namespace

TEST(ProjectionEdit, ViewAxes) {
    EXPECT_EQ(ViewHorizontalAxis(0), Axis::Z);
    EXPECT_EQ(ViewVerticalAxis(0), Axis::X);
    EXPECT_EQ(ViewHorizontalAxis(1), Axis::X);
    EXPECT_EQ(ViewVerticalAxis(1), Axis::Y);
    EXPECT_EQ(ViewHorizontalAxis(2), Axis::Z);
    EXPECT_EQ(ViewVerticalAxis(2), Axis::Y);
    EXPECT_EQ(DragAxis(0, true), Axis::X);
    EXPECT_EQ(DragAxis(1, false), Axis::X);
}

TEST(ProjectionEdit, StepTextBelowOneHundredthOrNotANumberIsOneMillimetre) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        std::optional<double> typed;
        double want;
    } cases[] = {{std::nullopt, 1}, {0.0, 1},     {-5.0, 1},  {0.001, 1}, {0.0099, 1},
                 {nan, 1},          {0.01, 0.01}, {10.0, 10}, {2.5, 2.5}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(DragStep(c.typed), c.want) << (c.typed ? *c.typed : -999);
}

TEST(ProjectionEdit, TravelInWholeStepsHalvesToEven) {
    // A step of 10 mm at 1 pixel per mm: 25 mm is 2.5 steps, rounded to 2; 35 mm to 4.
    EXPECT_DOUBLE_EQ(WholeSteps(25, 1.0, 10), 20);
    EXPECT_DOUBLE_EQ(WholeSteps(35, 1.0, 10), 40);
    EXPECT_DOUBLE_EQ(WholeSteps(-25, 1.0, 10), -20);
    EXPECT_DOUBLE_EQ(WholeSteps(-35, 1.0, 10), -40);
    // At half a pixel per mm, 25 pixels are 50 mm.
    EXPECT_DOUBLE_EQ(WholeSteps(25, 0.5, 1), 50);
    EXPECT_DOUBLE_EQ(WholeSteps(4, 1.0, 10), 0);
}

TEST(ProjectionEdit, MovesAlongTheChosenDirection) {
    struct Case {
        int view;
        bool vertical;
        double dh, dv;
        Box want;
    } cases[] = {
        // Front view, "Verticala": the screen's downward travel lowers the piece.
        {1, true, 0, 20, {100, -20, 0, 118, 680, 400}},
        {1, true, 0, -40, {100, 40, 0, 118, 740, 400}},
        // "Orizontala" in the front view moves along X, in the bottom and right views along Z.
        {1, false, 30, 0, {130, 0, 0, 148, 700, 400}},
        {2, false, -30, 0, {100, 0, -30, 118, 700, 370}},
        // The bottom view's vertical axis is X.
        {0, true, 0, -50, {150, 0, 0, 168, 700, 400}},
    };
    for (const Case& c : cases) {
        auto f = SideAndShelf();
        const ProjectionDragEdit d = Drag(*f, 0, c.view, c.vertical, false, c.dh, c.dv);
        EXPECT_TRUE(DragChanges(*f, d));
        ApplyProjectionDrag(*f, d);
        ExpectBox(f->scene.PieceBox(0), c.want);
    }
}

TEST(ProjectionEdit, ResizeKeepsTheMinimumAndGivesThePositiveSize) {
    auto f = SideAndShelf();
    // Up by 100 mm in the front view: 100 taller, the bottom fixed.
    ProjectionDragEdit d = Drag(*f, 0, 1, true, true, 0, -100);
    ApplyProjectionDrag(*f, d);
    ExpectBox(f->scene.PieceBox(0), {100, 0, 0, 118, 800, 400});
    // Later moves of the same press are measured from the press.
    d.dv = -150;
    ApplyProjectionDrag(*f, d);
    ExpectBox(f->scene.PieceBox(0), {100, 0, 0, 118, 850, 400});
    // Past the bottom by 100: 100 mm tall, from the same fixed bottom.
    d.dv = 800;
    ApplyProjectionDrag(*f, d);
    ExpectBox(f->scene.PieceBox(0), {100, 0, 0, 118, 100, 400});
    // Exactly onto the bottom: a size of 0 leaves the piece as it is.
    d.dv = 700;
    EXPECT_FALSE(DragChanges(*f, d));
    // "Orizontala" in the right view: the back edge follows.
    auto g = SideAndShelf();
    ApplyProjectionDrag(*g, Drag(*g, 1, 2, false, true, 20, 0));
    ExpectBox(g->scene.PieceBox(1), {118, 300, 0, 618, 318, 400});
}

TEST(ProjectionEdit, DragsKeepTheBoxWithinTheLimit) {
    auto f = SideAndShelf();
    f->scene.MoveObject(0, 0, 999000, 0); // the side from y 999000 up to 999700
    const struct {
        bool vertical, resize;
        double dh, dv;
        const char* refusal;
    } cases[] = {
        {true, false, 0, -1000, ""},                    // up to y 1000000
        {true, false, 0, -1001, kPiecePositionRefused}, // past it
        {true, true, 0, -999300, ""},                   // 1000000 tall
        {true, true, 0, -999301, kPieceSizeRefused},
        {false, false, -1000100, 0, ""}, // x from 100 to -1000000
        {false, false, -1000101, 0, kPiecePositionRefused},
        {true, false, 0, 0, ""}, // no travel: nothing to refuse
    };
    const auto before = std::make_unique<Furniture>(*f);
    for (const auto& c : cases)
        EXPECT_EQ(CheckProjectionDrag(*f, Drag(*f, 0, 1, c.vertical, c.resize, c.dh, c.dv)), c.refusal)
            << c.vertical << " " << c.resize << " " << c.dh << " " << c.dv;
    EXPECT_TRUE(*f == *before);
}

TEST(ProjectionEdit, NoTravelChangesNothing) {
    auto f = SideAndShelf();
    const Furniture before = *f;
    for (bool resize : {false, true})
        for (bool vertical : {false, true}) {
            const ProjectionDragEdit d = Drag(*f, 0, 1, vertical, resize, 0, 0);
            EXPECT_FALSE(DragChanges(*f, d));
            ApplyProjectionDrag(*f, d);
        }
    EXPECT_EQ(f->scene, before.scene);
    // A piece that is not there.
    ProjectionDragEdit missing;
    missing.piece = 7;
    missing.dv = 10;
    EXPECT_FALSE(DragChanges(*f, missing));
}

TEST(ProjectionEdit, AlignCaseNumbersTheTangentRelations) {
    const struct {
        Axis axis;
        int first, second, relation;
    } cases[] = {{Axis::X, 0, 0, 0}, {Axis::X, 1, 1, 1}, {Axis::X, 0, 1, 2},  {Axis::X, 1, 0, 3},
                 {Axis::Y, 1, 1, 4}, {Axis::Y, 0, 0, 5}, {Axis::Y, 1, 0, 6},  {Axis::Y, 0, 1, 7},
                 {Axis::Z, 0, 0, 8}, {Axis::Z, 1, 1, 9}, {Axis::Z, 0, 1, 10}, {Axis::Z, 1, 0, 11}};
    for (const auto& c : cases) {
        EXPECT_EQ(AlignCase(c.axis, c.first, c.second), c.relation);
        // The relation names the same faces.
        const TangentRow row = TangentRelation(c.relation);
        EXPECT_EQ(row.axis, c.axis);
        EXPECT_EQ(row.currentMin, c.first == 0);
        EXPECT_EQ(row.otherMin, c.second == 0);
    }
}

TEST(ProjectionEdit, AlignmentMovesOrStretchesOntoTheOtherEdge) {
    // Relation 7: the side's bottom onto the shelf's top.
    auto f = SideAndShelf();
    TangentEdit t = ProjectionAlignment(0, 1, Axis::Y, 0, 1, false);
    EXPECT_EQ(t.relation, 7);
    EXPECT_EQ(CheckTangent(*f, t), "");
    AlignTangent(*f, t);
    ExpectBox(f->scene.PieceBox(0), {100, 318, 0, 118, 1018, 400});
    // As a stretch: the bottom moves up, the top stays.
    f = SideAndShelf();
    t = ProjectionAlignment(0, 1, Axis::Y, 0, 1, true);
    AlignTangent(*f, t);
    ExpectBox(f->scene.PieceBox(0), {100, 318, 0, 118, 700, 400});
    // A stretch that would turn the piece inside out is refused.
    f = SideAndShelf();
    f->scene.MoveObject(1, 0, 500, 0); // the shelf's top at 818, above the side
    t = ProjectionAlignment(0, 1, Axis::Y, 0, 1, true);
    EXPECT_EQ(CheckTangent(*f, t), kSizeWouldVanish);
}

TEST(ProjectionEdit, SizeChangesPieceOnlyForANewSize) {
    auto f = SideAndShelf();
    EXPECT_TRUE(SizeChangesPiece(*f, 0, Axis::Y, 720));
    EXPECT_FALSE(SizeChangesPiece(*f, 0, Axis::Y, 700));
    EXPECT_FALSE(SizeChangesPiece(*f, 0, Axis::Y, 0));
    EXPECT_FALSE(SizeChangesPiece(*f, 0, Axis::Y, -5));
    EXPECT_FALSE(SizeChangesPiece(*f, 0, Axis::Y, 2e6));
    EXPECT_FALSE(SizeChangesPiece(*f, 5, Axis::Y, 720));
}
