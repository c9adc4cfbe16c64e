// What the edits of one piece leave behind besides its box: the piece's
// centre and the model's centre, which the views, the file and the depth order
// read; and the current piece, which an undo must give back.
#include "model/Scene3D.h"
#include "support/ModelValues.h"
#include "model/UndoSnapshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {
struct Box {
    double x0, y0, z0, x1, y1, z1;
};

// Piece 0 stays where it is; piece 1 is the one edited.
constexpr Box kStill{0, 0, 0, 100, 200, 300};
constexpr Box kEdited{1000, 0, 0, 1100, 200, 300};

std::unique_ptr<Scene3D> TwoPieces() {
    auto s = std::make_unique<Scene3D>();
    s->Init();
    s->AddBox(kStill.x0, kStill.y0, kStill.z0, 100, 200, 300);
    s->AddBox(kEdited.x0, kEdited.y0, kEdited.z0, 100, 200, 300);
    return s;
}

// The model centre from the corners of both boxes, whichever way round a
// stretch has left them.
double Mid(double a0, double a1, double b0, double b1) {
    return (std::min({a0, a1, b0, b1}) + std::max({a0, a1, b0, b1})) / 2;
}
} // namespace

TEST(SceneCentres, FollowAMoveAResizeAndAStretch) {
    const struct {
        const char* what;
        std::function<void(Scene3D&)> edit;
        Box after;
    } cases[] = {
        {"move", [](Scene3D& s) { s.MoveObject(1, 10, -20, 30); }, {1010, -20, 30, 1110, 180, 330}},
        {"move on one axis", [](Scene3D& s) { s.MoveObject(1, 0, 0, -500); }, {1000, 0, -500, 1100, 200, -200}},
        {"new sizes", [](Scene3D& s) { s.SetObjectSize(1, 50, 0, 40); }, {1000, 0, 0, 1050, 200, 40}},
        // The resize of the whole furniture scales, then recomputes both centres itself.
        {"scale, centres recomputed by the caller",
         [](Scene3D& s) {
             s.ScaleObject(1, 1000, 0, 0, 2, 0.5, 1);
             s.UpdateObjectCentre(1);
             s.UpdateModelCentre();
         },
         {1000, 0, 0, 1200, 100, 300}},
        {"stretch the minimum side",
         [](Scene3D& s) { s.StretchObject(true, 1, 30, -40, 0); },
         {1030, -40, 0, 1100, 200, 300}},
        {"stretch the maximum side",
         [](Scene3D& s) { s.StretchObject(false, 1, 0, 0, -100); },
         {1000, 0, 0, 1100, 200, 200}},
        {"stretch past the other side",
         [](Scene3D& s) { s.StretchObject(true, 1, 150, 0, 0); },
         {1150, 0, 0, 1100, 200, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto s = TwoPieces();
        c.edit(*s);
        const Box& b = c.after;
        // The mean of the piece's 24 points: the middle of its box.
        EXPECT_DOUBLE_EQ(s->pieceCx[1], (b.x0 + b.x1) / 2);
        EXPECT_DOUBLE_EQ(s->pieceCy[1], (b.y0 + b.y1) / 2);
        EXPECT_DOUBLE_EQ(s->pieceCz[1], (b.z0 + b.z1) / 2);
        // The piece left alone keeps its centre.
        EXPECT_DOUBLE_EQ(s->pieceCx[0], 50);
        EXPECT_DOUBLE_EQ(s->pieceCy[0], 100);
        EXPECT_DOUBLE_EQ(s->pieceCz[0], 150);
        EXPECT_DOUBLE_EQ(s->modelCx, Mid(kStill.x0, kStill.x1, b.x0, b.x1));
        EXPECT_DOUBLE_EQ(s->modelCy, Mid(kStill.y0, kStill.y1, b.y0, b.y1));
        EXPECT_DOUBLE_EQ(s->modelCz, Mid(kStill.z0, kStill.z1, b.z0, b.z1));
    }
}

TEST(SceneCentres, UndoGivesBackTheCurrentPiece) {
    auto f = EmptyFurniture();
    for (int i = 0; i < 3; ++i) {
        f->scene.AddBox(i * 100.0, 0, 0, 18, 700, 500);
        f->pieceNames.push_back("Piesa" + std::to_string(i));
    }
    auto undo = std::make_unique<UndoSnapshot>();

    // Another piece chosen after the snapshot.
    f->scene.current = 1;
    SaveUndo(*f, *undo);
    f->scene.current = 2;
    f->scene.MoveObject(2, 5, 0, 0);
    RestoreUndo(*undo, *f);
    EXPECT_EQ(f->scene.current, 1);

    // Deleting a piece makes the first one current; the undo brings back the deleted one.
    f->scene.current = 2;
    SaveUndo(*f, *undo);
    f->scene.DeleteObject(2);
    f->attrs.RemoveSlot(2, 3);
    f->pieceNames.pop_back();
    ASSERT_EQ(f->scene.current, 0);
    RestoreUndo(*undo, *f);
    EXPECT_EQ(f->scene.current, 2);
    EXPECT_EQ(f->scene.pieceCount, 3);
    EXPECT_EQ(f->pieceNames[2], "Piesa2");
}
