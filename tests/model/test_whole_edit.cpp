// Whole-furniture edits without a window: resize, turn, mirror, rounding, names.
#include "export/Deviz.h"
#include "support/ModelValues.h"
#include "model/WholeEdit.h"
#include "platform/Text.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <vector>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {

int Add(Furniture& f, const char* name, double x, double y, double z, double sx, double sy, double sz) {
    const int i = f.scene.pieceCount;
    f.scene.AddBox(x, y, z, sx, sy, sz);
    f.pieceNames.push_back(name);
    return i;
}

// An 800 x 720 carcass 300 deep: 18 mm sides, a top between them and a 4 mm
// back applied behind, 8 mm in from each side.
std::unique_ptr<Furniture> Carcass() {
    auto f = EmptyFurniture();
    Add(*f, "Lateral stanga", 0, 0, 0, 18, 720, 300);
    Add(*f, "Lateral dreapta", 782, 0, 0, 18, 720, 300);
    Add(*f, "Blat", 18, 702, 0, 764, 18, 300);
    Add(*f, "Spate", 8, 8, 300, 784, 704, 4);
    RecomputeFurnitureSize(f->scene, f->dim);
    return f;
}

struct Span3 {
    double lo, hi;
};
Span3 OnX(const Furniture& f, int piece) {
    const Scene3D::Box b = f.scene.PieceBox(piece);
    return {b.x0, b.x1};
}

} // namespace

TEST(WholeResize, CarcassWidthBoxByBox) {
    auto f = Carcass();
    ASSERT_EQ(CheckResize(*f, {1000, 720, 304}), "");
    const EditResult r = ResizeFurniture(*f, {1000, 720, 304});
    EXPECT_TRUE(r.extentsChanged);
    const struct {
        int piece;
        double lo, hi;
    } want[] = {{0, 0, 18}, {1, 982, 1000}, {2, 18, 982}, {3, 8, 992}};
    for (const auto& w : want) {
        EXPECT_DOUBLE_EQ(OnX(*f, w.piece).lo, w.lo) << w.piece;
        EXPECT_DOUBLE_EQ(OnX(*f, w.piece).hi, w.hi) << w.piece;
    }
    // Height and depth as they were; the sizes follow the extents.
    EXPECT_DOUBLE_EQ(f->scene.PieceBox(2).y0, 702);
    EXPECT_DOUBLE_EQ(f->scene.PieceBox(3).z1, 304);
    EXPECT_DOUBLE_EQ(f->dim.W, 1000);
    EXPECT_DOUBLE_EQ(f->dim.H, 720);
    EXPECT_DOUBLE_EQ(f->dim.D, 304);
    EXPECT_DOUBLE_EQ(f->scene.pieceCx[1], 991);
}

TEST(WholeResize, ComparesWithTheExtentsShown) {
    auto f = Carcass();
    f->scene.DeleteObject(3); // the back goes: stored depth 304, extent 300
    ASSERT_DOUBLE_EQ(f->dim.D, 304);
    EXPECT_EQ(CheckResize(*f, {800, 720, 300}), kResizeBadInput); // the dialog unchanged
    ASSERT_EQ(CheckResize(*f, {800, 720, 304}), "");
    ResizeFurniture(*f, {800, 720, 304});
    EXPECT_DOUBLE_EQ(f->scene.MaxZ() - f->scene.MinZ(), 304);
    EXPECT_DOUBLE_EQ(f->dim.D, 304);
}

TEST(WholeResize, SmallChangesAreMadeAndBadSizesRefused) {
    auto f = Carcass();
    ASSERT_EQ(CheckResize(*f, {800.5, 720, 304}), "");
    ResizeFurniture(*f, {800.5, 720, 304});
    EXPECT_DOUBLE_EQ(OnX(*f, 1).hi, 800.5);
    EXPECT_DOUBLE_EQ(OnX(*f, 1).lo, 782.5);
    EXPECT_DOUBLE_EQ(f->dim.W, 800.5);

    const ResizeParams refused[] = {{800.45, 720, 304}, {0, 720, 304},
                                    {-800, 720, 304},   {800, 0, 304},
                                    {800, 720, -1},     {std::numeric_limits<double>::infinity(), 720, 304}};
    for (const ResizeParams& p : refused)
        EXPECT_EQ(CheckResize(*f, p), kResizeBadInput) << p.W << " " << p.H << " " << p.D;

    // Nothing to scale on an axis: a message, not silence.
    auto e = EmptyFurniture();
    EXPECT_EQ(CheckResize(*e, {100, 100, 100}), kResizeTooSmall);
}

// Tried on a scratch copy: a piece the edit would take out of the limit stops
// it, one already outside it (from an older file) does not.
TEST(WholeLimits, EditsThatWouldTakeABoxOutOfTheLimit) {
    const struct {
        const char* what;
        double x, y, z, sx, sy, sz; // a piece added to the carcass
        EditResult (*edit)(Furniture&);
        bool keeps;
    } cases[] = {
        {"turn: a board ending past the limit in depth", 0, 0, 999000, 18, 18, 1500, TurnFurniture, false},
        {"turn: a board inside", 0, 0, 990000, 18, 18, 1500, TurnFurniture, true},
        {"mirror: a board ending past the limit in width", 999000, 0, 0, 1500, 18, 18, MirrorFurniture, false},
        {"round: a board 0.2 thick rounds flat", 10.2, 0, 0, 0.2, 18, 18, RoundFurniture, false},
        {"turn: a board already outside", 5000000, 0, 0, 18, 18, 18, TurnFurniture, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto f = Carcass();
        Add(*f, "Departe", c.x, c.y, c.z, c.sx, c.sy, c.sz);
        const auto before = std::make_unique<Furniture>(*f);
        EXPECT_EQ(KeepsBoxLimits(*f, [&](Furniture& g) { c.edit(g); }), c.keeps);
        EXPECT_TRUE(*f == *before); // only the copy was edited
    }
    // The resize: scaled boards past the limit.
    auto f = Carcass();
    for (const ResizeParams& p : {ResizeParams{2000000, 720, 304}, ResizeParams{800, 720, 1e300}})
        EXPECT_EQ(CheckResize(*f, p), kResizeBadInput) << p.W << " " << p.D;
    EXPECT_EQ(CheckResize(*f, {999000, 720, 304}), "");
}

TEST(WholeResize, HeightPassKeepsShelvesAndScalesSides) {
    auto f = Carcass();
    const int shelf = Add(*f, "Polita", 18, 300, 0, 764, 18, 300); // centre at 309 of 720
    ResizeFurniture(*f, {800, 1440, 304});
    const Scene3D& s = f->scene;
    EXPECT_DOUBLE_EQ(s.PieceBox(0).y1, 1440);
    EXPECT_DOUBLE_EQ(s.PieceBox(2).y0, 1422);                          // the top rides on the sides' end
    EXPECT_DOUBLE_EQ(s.PieceBox(shelf).y1 - s.PieceBox(shelf).y0, 18); // keeps its thickness
    EXPECT_DOUBLE_EQ(s.PieceBox(shelf).y0, 609);                       // free: its centre follows the scaling
    EXPECT_DOUBLE_EQ(s.PieceBox(3).y1, 1432);                          // the back's top end 10 under the top again
}

namespace {

// Every coordinate and table the turn and the mirror touch.
void ExpectSameGeometry(const Furniture& a, const Furniture& b) {
    ASSERT_EQ(a.scene.pointCount, b.scene.pointCount);
    ASSERT_EQ(a.scene.pieceCount, b.scene.pieceCount);
    for (int i = 0; i < a.scene.pointCount; ++i) {
        ASSERT_EQ(a.scene.X[i], b.scene.X[i]) << i;
        ASSERT_EQ(a.scene.Y[i], b.scene.Y[i]) << i;
        ASSERT_EQ(a.scene.Z[i], b.scene.Z[i]) << i;
    }
    EXPECT_EQ(a.scene.faceCount, b.scene.faceCount);
    EXPECT_EQ(a.scene.faceFirst, b.scene.faceFirst);
    EXPECT_EQ(a.scene.facePoints, b.scene.facePoints);
    EXPECT_EQ(a.scene.color, b.scene.color);
    EXPECT_EQ(a.scene.current, b.scene.current);
    EXPECT_EQ(a.attrs.edgeBand, b.attrs.edgeBand);
    EXPECT_EQ(a.attrs.modelFace, b.attrs.modelFace);
    EXPECT_EQ(a.attrs.modelRotation, b.attrs.modelRotation);
    EXPECT_EQ(a.attrs.modelMirror, b.attrs.modelMirror);
    EXPECT_EQ(a.attrs.textureRotated, b.attrs.textureRotated);
    EXPECT_EQ(a.attrs.textureRepeated, b.attrs.textureRepeated);
    EXPECT_EQ(a.pieceNames, b.pieceNames);
}

// A carcass with every orientation on some piece, odd coordinates included.
std::unique_ptr<Furniture> Oriented() {
    auto f = Carcass();
    Add(*f, "Usa", 0.1, 0.3, -20.7, 399.9, 716.3, 18.3);
    PiesaAttributes& a = f->attrs;
    const struct {
        std::uint8_t face, rot, mir;
        int band, texRot;
    } o[] = {{2, 1, 0, 3, 0}, {2, 3, 1, 5, 1}, {0, 0, 0, 1, 0}, {1, 2, 0, 6, 1}, {1, 0, 1, 8, 0}};
    for (int i = 0; i < 5; ++i) {
        a.modelFace[i] = o[i].face;
        a.modelRotation[i] = o[i].rot;
        a.modelMirror[i] = o[i].mir;
        a.edgeBand[i] = o[i].band;
        a.textureRotated[i] = o[i].texRot;
        f->scene.color[i] = 1000u + static_cast<unsigned>(i);
    }
    f->scene.current = 3;
    return f;
}

double BandMetres(const Furniture& f, int piece) {
    const Scene3D::Box b = f.scene.PieceBox(piece);
    double l = b.x1 - b.x0, w = b.y1 - b.y0, t = b.z1 - b.z0;
    SortDimensions(l, w, t);
    return EdgeBandMetres(f.attrs.edgeBand[piece], l, w);
}

} // namespace

TEST(WholeTurn, FourTurnsAndTwoMirrorsGiveEverythingBack) {
    auto f = Oriented();
    const auto before = std::make_unique<Furniture>(*f);
    for (int k = 0; k < 4; ++k) TurnFurniture(*f);
    ExpectSameGeometry(*f, *before);
    for (int k = 0; k < 2; ++k) MirrorFurniture(*f);
    ExpectSameGeometry(*f, *before);
}

TEST(WholeTurn, OneTurnMapsBoxesAndOrientation) {
    auto f = Oriented();
    const auto before = std::make_unique<Furniture>(*f);
    TurnFurniture(*f);
    // (x, y, z) to (-z, y, x): the back 8..792 x 300..304 lies at -304..-300 x 8..792.
    const Scene3D::Box b = f->scene.PieceBox(3);
    EXPECT_DOUBLE_EQ(b.x0, -304);
    EXPECT_DOUBLE_EQ(b.x1, -300);
    EXPECT_DOUBLE_EQ(b.z0, 8);
    EXPECT_DOUBLE_EQ(b.z1, 792);
    EXPECT_DOUBLE_EQ(f->dim.W, 324.7); // 304 + 20.7 deep before the turn
    const PiesaAttributes& a = f->attrs;
    EXPECT_EQ(a.modelRotation[2], 3); // flat, r 0 -> 3
    EXPECT_EQ(a.textureRotated[2], 1);
    EXPECT_EQ(a.modelFace[0], 1);
    EXPECT_EQ(a.modelRotation[0], 2);
    EXPECT_EQ(a.modelFace[3], 2);
    EXPECT_EQ(a.modelRotation[3], 1);
    EXPECT_EQ(a.modelMirror[3], 1);
    // The flat top's length and width swap places, and so do its codes;
    // every board keeps its metres of banding.
    EXPECT_EQ(a.edgeBand[2], 2);
    EXPECT_EQ(a.edgeBand[3], 6);
    for (int i = 0; i < f->scene.pieceCount; ++i) EXPECT_DOUBLE_EQ(BandMetres(*f, i), BandMetres(*before, i)) << i;
    const int swapped[9] = {0, 2, 1, 4, 3, 5, 7, 6, 8};
    for (int code = 0; code <= 8; ++code) {
        f->attrs.edgeBand[2] = code;
        const double metres = BandMetres(*f, 2);
        TurnFurniture(*f);
        EXPECT_EQ(f->attrs.edgeBand[2], swapped[code]);
        EXPECT_DOUBLE_EQ(BandMetres(*f, 2), metres) << code;
    }
    EXPECT_EQ(f->scene.color, before->scene.color);
}

TEST(WholeTurn, MirrorMapsBoxesAndOrientation) {
    auto f = Oriented();
    MirrorFurniture(*f);
    EXPECT_DOUBLE_EQ(f->scene.PieceBox(1).x0, -800);
    EXPECT_DOUBLE_EQ(f->scene.PieceBox(1).x1, -782);
    const PiesaAttributes& a = f->attrs;
    EXPECT_EQ(a.modelMirror[0], 0); // f = 2 keeps its bytes
    EXPECT_EQ(a.modelRotation[0], 1);
    EXPECT_EQ(a.modelMirror[2], 1); // flat: mirrored and turned twice
    EXPECT_EQ(a.modelRotation[2], 2);
    EXPECT_EQ(a.modelMirror[3], 1);
    EXPECT_EQ(a.modelRotation[3], 2);
}

TEST(WholeTurn, PieceThatIsNotABoxSurvives) {
    auto f = EmptyFurniture();
    // A wedge of 5 faces and 16 points before a box: rebuilt in place, the
    // box's first points would be overwritten before they were read.
    Scene3D& s = f->scene;
    const double pts[16][3] = {{0, 0, 0},   {100, 0, 0}, {0, 50, 0},                // front triangle
                               {0, 0, 30},  {0, 50, 30}, {100, 0, 30},              // back triangle
                               {0, 0, 0},   {0, 50, 0},  {0, 50, 30},  {0, 0, 30},  // left
                               {0, 0, 0},   {0, 0, 30},  {100, 0, 30}, {100, 0, 0}, // bottom
                               {100, 0, 0}, {0, 50, 0}};                            // slope (2 points)
    for (int i = 0; i < 16; ++i) {
        s.X[i] = pts[i][0];
        s.Y[i] = pts[i][1];
        s.Z[i] = pts[i][2];
    }
    s.pointCount = 16;
    s.pieceCount = 1;
    s.faceCount[0] = 5;
    const int first[5] = {0, 3, 6, 10, 14}, count[5] = {3, 3, 4, 4, 2};
    for (int k = 0; k < 5; ++k) {
        s.faceFirst[0][k] = first[k];
        s.facePoints[0][k] = count[k];
    }
    f->pieceNames.push_back("Pana");
    Add(*f, "Raft", 200, 10, 20, 300, 18, 400);
    const auto before = std::make_unique<Furniture>(*f);

    TurnFurniture(*f);
    ASSERT_EQ(s.pieceCount, 2);
    EXPECT_EQ(s.faceCount[0], 5);
    EXPECT_EQ(s.facePoints[0], before->scene.facePoints[0]);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(s.X[i], -pts[i][2]);
        EXPECT_EQ(s.Y[i], pts[i][1]);
        EXPECT_EQ(s.Z[i], pts[i][0]);
    }
    const Scene3D::Box b = s.PieceBox(1);
    EXPECT_EQ(s.PieceFirstPoint(1), 16);
    EXPECT_DOUBLE_EQ(b.x0, -420);
    EXPECT_DOUBLE_EQ(b.x1, -20);
    EXPECT_DOUBLE_EQ(b.y0, 10);
    EXPECT_DOUBLE_EQ(b.z0, 200);
    EXPECT_DOUBLE_EQ(b.z1, 500);
    for (int k = 0; k < 3; ++k) TurnFurniture(*f);
    ExpectSameGeometry(*f, *before);
}

TEST(WholeRound, HalvesToEvenInDoubles) {
    auto f = EmptyFurniture();
    Add(*f, "Cub", 2.5, 3.5, -2.5, 1, 1, 1);
    Add(*f, "Departe", 3e9 + 0.5, 0, 0, 1, 1, 1); // past the 32-bit range
    f->dim.W = 123;
    f->dim.H = 45;
    f->dim.D = 6;
    RoundFurniture(*f);
    const Scene3D::Box b = f->scene.PieceBox(0);
    EXPECT_EQ(b.x0, 2);
    EXPECT_EQ(b.x1, 4); // 3.5
    EXPECT_EQ(b.y0, 4); // 3.5
    EXPECT_EQ(b.y1, 4); // 4.5
    EXPECT_EQ(b.z0, -2);
    EXPECT_EQ(b.z1, -2); // -1.5
    EXPECT_EQ(f->scene.PieceBox(1).x0, 3e9);
    EXPECT_EQ(f->scene.pieceCx[0], 3);
    EXPECT_EQ(f->dim.W, 123);
    EXPECT_EQ(f->dim.H, 45);
    EXPECT_EQ(f->dim.D, 6);
}

TEST(WholeRename, NamesCutToFiftyCharactersWithoutSplittingOne) {
    auto f = EmptyFurniture();
    const std::string letters49(49, 'a');
    const struct {
        std::string in, out;
    } cases[] = {
        {std::string(51, 'b'), std::string(50, 'b')},
        {letters49 + "\xC4\x83", letters49 + "\xC4\x83"}, // "a" x 49 + "ă": 50 characters fit
        {letters49 + "\xC4\x83\xC4\x83", letters49 + "\xC4\x83"},
        {letters49 + "\xE2\x82\xAC", letters49 + "\xE2\x82\xAC"}, // a 3-byte character is one too
        {std::string(50, 'a') + "\xE2\x82\xAC", std::string(50, 'a')},
        {"", ""},
    };
    for (const auto& c : cases) {
        RenameFurniture(*f, c.in);
        EXPECT_EQ(f->name, c.out) << c.in;
    }
    // A byte that is no whole character counts as one and is kept.
    EXPECT_EQ(CutFurnitureName("ab\xC4"), "ab\xC4");
    EXPECT_EQ(CutCode("PAL18\xC8\x98\xC8\x98\xC8\x98\xC8\x98\xC8\x98\xC8\x98"),
              "PAL18\xC8\x98\xC8\x98\xC8\x98\xC8\x98\xC8\x98");
}

TEST(WholeColour, ReplacesOnlyTheExactColour) {
    auto f = Carcass();
    f->scene.color[0] = 5;
    f->scene.color[2] = 5;
    f->scene.color[1] = 6;
    EXPECT_EQ(PiecesWithColor(*f, 5), (std::vector<int>{0, 2}));
    ReplaceColor(*f, 5, 7);
    EXPECT_EQ(f->scene.color[0], 7u);
    EXPECT_EQ(f->scene.color[1], 6u);
    EXPECT_EQ(f->scene.color[2], 7u);
    EXPECT_TRUE(PiecesWithColor(*f, 5).empty());
}
