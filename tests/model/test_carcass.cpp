// The carcass of a new furniture, box by box, and the furniture it replaces.
#include "model/Carcass.h"
#include "support/ModelValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {

struct Expected {
    const char* name;
    double x, y, z, sx, sy, sz;
    int edgeBand, face;
};

void ExpectPiece(const CarcassPiece& p, const Expected& e) {
    SCOPED_TRACE(e.name);
    EXPECT_EQ(p.name, e.name);
    EXPECT_DOUBLE_EQ(p.x, e.x);
    EXPECT_DOUBLE_EQ(p.y, e.y);
    EXPECT_DOUBLE_EQ(p.z, e.z);
    EXPECT_DOUBLE_EQ(p.sx, e.sx);
    EXPECT_DOUBLE_EQ(p.sy, e.sy);
    EXPECT_DOUBLE_EQ(p.sz, e.sz);
    EXPECT_EQ(p.edgeBand, e.edgeBand);
    EXPECT_EQ(p.face, e.face);
}

void ExpectBox(const Scene3D& s, int piece, const Expected& e) {
    SCOPED_TRACE(e.name);
    const Scene3D::Box b = s.PieceBox(piece);
    EXPECT_DOUBLE_EQ(b.x0, e.x);
    EXPECT_DOUBLE_EQ(b.y0, e.y);
    EXPECT_DOUBLE_EQ(b.z0, e.z);
    EXPECT_DOUBLE_EQ(b.x1 - b.x0, e.sx);
    EXPECT_DOUBLE_EQ(b.y1 - b.y0, e.sy);
    EXPECT_DOUBLE_EQ(b.z1 - b.z0, e.sz);
}

// 800 x 2000 x 300, G 18, P 4, B 10, S 70; applied back, top over and
// bottom between the sides.
const Expected kDefault[] = {
    {"Spate", 8, 78, 300, 784, 1914, 4, 0, 1},   {"Stanga", 0, 0, 0, 18, 1982, 300, 2, 2},
    {"Dreapta", 782, 0, 0, 18, 1982, 300, 2, 2}, {"Sus", 0, 1982, 0, 800, 18, 300, 6, 0},
    {"Jos", 18, 70, 0, 764, 18, 300, 1, 0},      {"Soclu", 18, 0, 10, 764, 70, 18, 0, 1},
};

CarcassMaterials Boards() {
    CarcassMaterials m;
    m.bodyColor = 0x112233;
    m.backColor = 0x445566;
    m.bodyCode = "PAL18STEJAR-NATUR"; // longer than a code: cut to 10
    m.backCode = "PFL4ALB";
    m.bodyTexture = "texturi/stejar.jpg";
    m.backTexture = "";
    m.textureRotated = true;
    m.textureRepeated = false;
    return m;
}

// An open furniture with something in every table a new carcass must clear.
std::unique_ptr<Furniture> OldFurniture() {
    auto f = EmptyFurniture();
    for (int i = 0; i < 8; ++i) {
        f->scene.AddBox(i * 50.0, 0, 0, 18, 600, 400);
        f->pieceNames.push_back("Vechi" + std::to_string(i));
        f->attrs.hardware[static_cast<std::size_t>(i)].Add("BAL35", 4);
        f->attrs.materialCode[static_cast<std::size_t>(i)] = "VECHI";
        f->attrs.modelFile[static_cast<std::size_t>(i)] = "Model3.bmp";
        f->attrs.modelRotation[static_cast<std::size_t>(i)] = 2;
        f->attrs.modelMirror[static_cast<std::size_t>(i)] = 1;
        f->attrs.textureIndex[static_cast<std::size_t>(i)] = 0;
    }
    f->attrs.hardware[150].Add("STRAY", 1);
    f->textures.count = 3;
    f->name = "Dulap vechi";
    f->fileName = "/tmp/Dulap.mo4";
    f->hasFileName = true;
    f->modified = false;
    f->backType = BackType::Incastrat;
    f->exteriorView = 0;
    f->projParams.x[1] = 55;
    f->scene.panX = 12;
    f->scene.panZ = -7;
    f->scene.rotY = 0.5;
    f->scene.current = 6;
    f->scene.currentFillStyle = 1;
    return f;
}

} // namespace

TEST(Carcass, DefaultTableBoxByBox) {
    const auto t = CarcassTable(CarcassInput{});
    ASSERT_EQ(t.size(), 6u);
    for (std::size_t i = 0; i < t.size(); ++i) ExpectPiece(t[i], kDefault[i]);
    EXPECT_TRUE(CarcassValid(CarcassInput{}));
}

TEST(Carcass, ReplacesTheOpenFurnitureWhole) {
    auto f = OldFurniture();
    CarcassInput s;
    s.name = std::string(60, 'M');
    ReplaceWithCarcass(*f, s, Boards());

    ASSERT_EQ(f->scene.pieceCount, 6);
    EXPECT_EQ(f->scene.pointCount, 6 * 24);
    for (int i = 0; i < 6; ++i) ExpectBox(f->scene, i, kDefault[i]);
    EXPECT_EQ(f->pieceNames, (std::vector<std::string>{"Spate", "Stanga", "Dreapta", "Sus", "Jos", "Soclu"}));
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const bool back = i == 0;
        EXPECT_EQ(f->attrs.edgeBand[i], kDefault[i].edgeBand);
        EXPECT_EQ(f->attrs.modelFace[i], kDefault[i].face);
        EXPECT_EQ(f->scene.color[i], back ? 0x445566u : 0x112233u);
        EXPECT_EQ(f->attrs.materialCode[i], back ? "PFL4ALB" : "PAL18STEJA");
        EXPECT_EQ(f->attrs.textureFile[i], back ? "" : "texturi/stejar.jpg");
        EXPECT_EQ(f->attrs.textureRotated[i], 1);
        EXPECT_EQ(f->attrs.textureRepeated[i], 0);
        EXPECT_EQ(f->attrs.modelFile[i], "");
        EXPECT_EQ(f->attrs.modelRotation[i], 0);
        EXPECT_EQ(f->attrs.modelMirror[i], 0);
    }
    // Every slot emptied, also those past the new pieces.
    for (std::size_t i = 0; i < static_cast<std::size_t>(kMaxPieces); ++i) {
        EXPECT_EQ(f->attrs.hardware[i].Count(), 0) << i;
        EXPECT_EQ(f->attrs.textureIndex[i], -1) << i;
        if (i >= 6) {
            EXPECT_EQ(f->attrs.materialCode[i], "") << i;
        }
    }
    EXPECT_EQ(f->textures.count, 0);

    EXPECT_EQ(f->scene.current, kCarcassTop);
    EXPECT_EQ(f->name, std::string(50, 'M'));
    EXPECT_EQ(f->backType, BackType::Aplicat);
    EXPECT_EQ(f->dim.G, 18);
    EXPECT_EQ(f->dim.P, 4);
    EXPECT_EQ(f->dim.B, 10);
    EXPECT_EQ(f->dim.S, 70);
    // The view starts over: no pan, no turn, exterior, hatched current piece.
    EXPECT_EQ(f->scene.panX, 0);
    EXPECT_EQ(f->scene.panZ, 0);
    EXPECT_EQ(f->scene.rotY, 0);
    EXPECT_EQ(f->exteriorView, 1);
    EXPECT_EQ(f->projParams.x[1], 10.0);
    EXPECT_EQ(f->scene.currentFillStyle, 7);
    // Never saved, and no file name left to be offered by the first save.
    EXPECT_FALSE(f->hasFileName);
    EXPECT_TRUE(f->fileName.empty());
    EXPECT_TRUE(f->modified);

    // The applied back adds P to the depth; the first shelf sits in front of it.
    RecomputeFurnitureSize(f->scene, f->dim);
    EXPECT_EQ(f->dim.W, 800);
    EXPECT_EQ(f->dim.H, 2000);
    EXPECT_EQ(f->dim.D, 304);
    const ShelfPreset p = FirstShelfPreset(*f);
    EXPECT_EQ(p.name, "Polita1");
    EXPECT_EQ(p.x, 18);
    EXPECT_EQ(p.y, 956);
    EXPECT_EQ(p.z, 18);
    EXPECT_EQ(p.length, 764);
    EXPECT_EQ(p.width, 282);
    EXPECT_EQ(p.thickness, 18);
    EXPECT_EQ(p.edgeBand, 1);
    EXPECT_EQ(p.face, 0);
}

// The choices that move boards, each against the default table.
TEST(Carcass, ChoicesTable) {
    struct Case {
        const char* what;
        CarcassInput input;
        std::vector<Expected> pieces;
        double shelfWidth, shelfX, shelfY; // of the preset, after the extents are recomputed
    };
    CarcassInput inset;
    inset.back = BackType::Incastrat;
    CarcassInput bothOver;
    bothOver.bottomOver = true;
    bothOver.S = 0;
    CarcassInput bothBetween;
    bothBetween.topOver = false;
    CarcassInput wideBorder; // B larger than G: the back reaches past the sides
    wideBorder.B = 30;
    wideBorder.S = 0;
    const Case cases[] = {
        {"Incastrat moves only the back",
         inset,
         {{"Spate", 8, 78, 296, 784, 1914, 4, 0, 1}, kDefault[1], kDefault[2], kDefault[3], kDefault[4], kDefault[5]},
         282,
         18,
         956},
        {"both over the sides, no plinth",
         bothOver,
         {{"Spate", 8, 8, 300, 784, 1984, 4, 0, 1},
          {"Stanga", 0, 18, 0, 18, 1964, 300, 2, 2},
          {"Dreapta", 782, 18, 0, 18, 1964, 300, 2, 2},
          kDefault[3],
          {"Jos", 0, 0, 0, 800, 18, 300, 1, 0}},
         282,
         18,
         991},
        {"both between the sides: T = 0",
         bothBetween,
         {kDefault[0],
          {"Stanga", 0, 0, 0, 18, 2000, 300, 2, 2},
          {"Dreapta", 782, 0, 0, 18, 2000, 300, 2, 2},
          {"Sus", 18, 1982, 0, 764, 18, 300, 6, 0},
          kDefault[4],
          kDefault[5]},
         282,
         18,
         956},
        {"B larger than G",
         wideBorder,
         {{"Spate", -12, -12, 300, 824, 2024, 4, 0, 1},
          kDefault[1],
          kDefault[2],
          kDefault[3],
          {"Jos", 18, 0, 0, 764, 18, 300, 1, 0}},
         282,
         6,
         991}, // the extents widen: MinX = MinY = -12, W 824, H 2024
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(CarcassValid(c.input));
        const auto t = CarcassTable(c.input);
        ASSERT_EQ(t.size(), c.pieces.size());
        for (std::size_t i = 0; i < t.size(); ++i) ExpectPiece(t[i], c.pieces[i]);

        Furniture f;
        f.scene.Init();
        ReplaceWithCarcass(f, c.input, CarcassMaterials{});
        RecomputeFurnitureSize(f.scene, f.dim);
        const ShelfPreset p = FirstShelfPreset(f);
        EXPECT_DOUBLE_EQ(p.width, c.shelfWidth);
        EXPECT_DOUBLE_EQ(p.x, c.shelfX);
        EXPECT_DOUBLE_EQ(p.y, c.shelfY);
    }
}

// A board of size 0, boards sharing their place, a box past the limit as
// the scene stores it.
TEST(Carcass, DimensionsThatGiveNoBoardAreRefused) {
    struct Case {
        const char* what;
        void (*change)(CarcassInput&);
        bool valid;
    };
    const Case cases[] = {
        {"W = 30 with G = 18: the top and bottom between the sides", [](CarcassInput& s) { s.W = 30; }, false},
        {"W = 2G", [](CarcassInput& s) { s.W = 36; }, false},
        {"narrow, every board over the sides: the sides overlap",
         [](CarcassInput& s) {
             s.W = 30;
             s.topOver = s.bottomOver = true;
             s.S = 0;
         },
         false},
        {"88 high, plinth 70: the top where the bottom is", [](CarcassInput& s) { s.H = 88; }, false},
        {"107 high, plinth 70: 1 mm between the top and the bottom", [](CarcassInput& s) { s.H = 107; }, true},
        {"W = 1e308: the right side 0 wide as stored", [](CarcassInput& s) { s.W = 1e308; }, false},
        {"W = 1e17: the right side 16 wide as stored", [](CarcassInput& s) { s.W = 1e17; }, false},
        {"W past the limit", [](CarcassInput& s) { s.W = 1000001; }, false},
        {"W at the limit", [](CarcassInput& s) { s.W = 1000000; }, true},
        {"H = T",
         [](CarcassInput& s) {
             s.H = 36;
             s.topOver = s.bottomOver = true;
             s.S = 0;
         },
         false},
        {"D = 0", [](CarcassInput& s) { s.D = 0; }, false},
        {"G negative", [](CarcassInput& s) { s.G = -18; }, false},
        {"P = 0", [](CarcassInput& s) { s.P = 0; }, false},
        {"S negative", [](CarcassInput& s) { s.S = -5; }, false},
        {"S = 0: no plinth", [](CarcassInput& s) { s.S = 0; }, true},
        {"the plinth leaves no back", [](CarcassInput& s) { s.S = 1990; }, false},
        {"B larger than G", [](CarcassInput& s) { s.B = 40; }, true},
        {"B negative", [](CarcassInput& s) { s.B = -5; }, true},
        {"infinite height", [](CarcassInput& s) { s.H = std::numeric_limits<double>::infinity(); }, false},
        {"NaN border", [](CarcassInput& s) { s.B = std::numeric_limits<double>::quiet_NaN(); }, false},
        {"an overflow in G - B",
         [](CarcassInput& s) {
             s.G = 1e308;
             s.B = -1e308;
         },
         false},
    };
    for (const Case& c : cases) {
        CarcassInput s;
        c.change(s);
        EXPECT_EQ(CarcassValid(s), c.valid) << c.what;
    }
}
