// The tables' limits taken exactly at their values: a merge that fills the
// scene to its last point, piece and texture slot is accepted whole.
#include "model/BoxLimits.h"
#include "model/MobilaFile.h"
#include "support/ModelValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {
// `pieces` boxes of 24 points, side by side along X, starting at `x`.
std::unique_ptr<Furniture> Boxes(int pieces, double x, const std::string& name) {
    auto f = EmptyFurniture();
    for (int i = 0; i < pieces; ++i) {
        EXPECT_TRUE(f->scene.AddBox(x + i * 20.0, 0, 0, 18, 700, 500));
        f->pieceNames.push_back(name + std::to_string(i));
    }
    return f;
}
} // namespace

TEST(Limits, AMergeFillsTheTablesToExactly4800PointsAnd200Pieces) {
    // 198 pieces (4752 points) and 199 textures open; the file adds 2 pieces
    // (48 points) and 1 texture that one of them uses: every table ends exactly full.
    auto model = Boxes(198, 0, "Piesa");
    model->textures.count = kMaxTextureSlots - 1;
    auto added = Boxes(2, 10000, "Adaugat");
    MobilaFile file = CaptureMobilaFile(*added, 0);
    // Its first piece uses the one texture of its table.
    file.pieces[0].textureFile = std::string(ZV_DATA_DIR) + "/texturi/pal18_fag.bmp";
    file.textures = {MobilaTexture{200, 300, 400, 30, 40}};
    ASSERT_EQ(file.points.size(), 48u);

    // Staged behind the counts first, as the dialog does while it is open.
    auto staged = std::make_unique<Furniture>(*model);
    ASSERT_TRUE(AppendMobilaFile(file, *staged, false).has_value());
    EXPECT_EQ(staged->scene.pointCount, 4752);
    EXPECT_EQ(staged->scene.X[4799], 10020); // the last point of the last box: face 5, (x0, y1, z0)

    const auto r = AppendMobilaFile(file, *model, true);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->firstPoint, 4752);
    EXPECT_EQ(r->firstPiece, 198);
    EXPECT_EQ(r->firstTexture, 199);
    const Scene3D& s = model->scene;
    EXPECT_EQ(s.pointCount, Scene3D::kMaxPoints);
    EXPECT_EQ(s.pieceCount, Scene3D::kMaxPieces);
    EXPECT_EQ(model->textures.count, kMaxTextureSlots);
    EXPECT_EQ(model->textures.requestedHeight[199], 400);
    // The last piece runs to the last point of the table in use.
    EXPECT_EQ(s.faceFirst[199][0], 4776);
    EXPECT_EQ(s.faceFirst[199][5], 4796);
    EXPECT_EQ(s.PieceBox(199).x0, 10020);
    EXPECT_EQ(s.PieceBox(199).x1, 10038);
    EXPECT_EQ(s.Y[4799], 700);
    EXPECT_EQ(s.X[4800], 0) << "the spare slot past the limit stays unused";
    EXPECT_EQ(model->pieceNames.size(), 200u);
    EXPECT_EQ(model->pieceNames[199], "Adaugat1");
    EXPECT_DOUBLE_EQ(s.modelCx, (0 + 10038) / 2.0);

    // Full now: not one more point, piece or texture.
    auto one = Boxes(1, 0, "X");
    MobilaFile more = CaptureMobilaFile(*one, 0);
    EXPECT_FALSE(AppendMobilaFile(more, *model, true).has_value());
    // A table entry that no added piece uses takes no slot.
    MobilaFile texture;
    texture.textures = {MobilaTexture{}};
    EXPECT_TRUE(AppendMobilaFile(texture, *model, true).has_value());
    EXPECT_EQ(model->textures.count, kMaxTextureSlots);
}

TEST(Limits, ABoxKeepsPositionsAndSizesWithinAMillionMillimetres) {
    struct Row {
        Scene3D::Box box;
        bool within;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {{0, 0, 0, 18, 700, 500}, true},
        {{-1000000, 0, 0, 0, 1, 1}, true}, // the position at the limit, a size of a million
        {{1000000, 0, 0, 2000000, 1, 1}, true},
        {{18, 0, 0, 0, 700, 500}, true},           // corners in either order
        {{1000000.5, 0, 0, 1000001, 1, 1}, false}, // the position past the limit
        {{0, 0, 0, 1000000.5, 1, 1}, false},       // the size past the limit
        {{0, 0, 0, 18, 0, 500}, false},            // a size of 0
        {{1e308, 0, 0, 1e308 + 764, 1, 1}, false}, // a sum that lost the typed size
        {{0, 0, 0, inf, 1, 1}, false},
        {{0, 0, std::nan(""), 1, 1, 1}, false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(BoxWithinLimits(r.box), r.within)
            << r.box.x0 << " " << r.box.x1 << " " << r.box.y1 << " " << r.box.z0;
    }
}

TEST(Limits, EveryPieceOfTheSceneIsChecked) {
    auto f = Boxes(3, 0, "Piesa");
    EXPECT_TRUE(SceneWithinLimits(f->scene));
    f->scene.MoveObject(2, 2000000, 0, 0);
    EXPECT_TRUE(PiecesWithinLimits(f->scene, 0, 2));
    EXPECT_FALSE(PieceWithinLimits(f->scene, 2));
    EXPECT_FALSE(SceneWithinLimits(f->scene));
    EXPECT_FALSE(PieceWithinLimits(f->scene, 3)); // no such piece
}
