// The new-piece defaults of the 24 kinds, the copy of a piece, appending and
// deleting, without a display.
#include "model/NewPiece.h"
#include "support/ModelValues.h"
#include "model/PieceTables.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {

// The default carcass of a new furniture: 800 x 2000 x 300, G 18, P 4, B 10,
// S 70, back applied, top over and bottom between the sides, with a plinth.
std::unique_ptr<Furniture> Carcass() {
    auto f = EmptyFurniture();
    struct Box {
        const char* name;
        double x, y, z, sx, sy, sz;
    };
    const Box boxes[] = {{"Spate", 8, 78, 300, 784, 1914, 4},   {"Stanga", 0, 0, 0, 18, 1982, 300},
                         {"Dreapta", 782, 0, 0, 18, 1982, 300}, {"Sus", 0, 1982, 0, 800, 18, 300},
                         {"Jos", 18, 70, 0, 764, 18, 300},      {"Soclu", 18, 0, 10, 764, 70, 18}};
    for (const Box& b : boxes) {
        f->scene.AddBox(b.x, b.y, b.z, b.sx, b.sy, b.sz);
        f->pieceNames.push_back(b.name);
    }
    f->dim = {800, 2000, 304, 18, 4, 10, 70};
    f->backType = BackType::Aplicat;
    return f;
}

NewPieceContext ContextOf(const Furniture& f, double t = 18) {
    NewPieceContext c;
    SetExtents(c, f.scene);
    c.G = f.dim.G;
    c.P = f.dim.P;
    c.S = f.dim.S;
    c.t = t;
    c.back = f.backType;
    c.names = &f.pieceNames;
    c.startupFolder = "/opt/zarvelo";
    return c;
}

} // namespace

TEST(NewPieceDefaults, AllKindsOnTheDefaultCarcass) {
    const auto f = Carcass();
    const NewPieceContext c = ContextOf(*f);
    struct Row {
        const char* item;
        const char* name;
        double x, y, z, length, width, thickness;
        int band, face;
        bool model;
        double sx, sy, sz; // the box the sizes make
    };
    const double third = 764.0 / 3; // inset thirds keep their fraction
    const Row rows[kPiesaKindCount] = {
        {"Polita", "Polita1", 18, 956, 18, 764, 282, 18, 1, 0, false, 764, 18, 282},
        {"Bara haine", "Bara umerase", 18, 1800, 132, 40, 40, 764, 0, 2, true, 764, 40, 40},
        {"Despartitor", "Despartitor", 391, 88, 18, 282, 1894, 18, 2, 2, false, 18, 1894, 282},
        {"Despartitor 1/2", "Despartitor1/2", 258, 88, 18, 282, 1894, 18, 2, 2, false, 18, 1894, 282},
        {"Despartitor 2/2", "Despartitor2/2", 524, 88, 18, 282, 1894, 18, 2, 2, false, 18, 1894, 282},
        {"Usa aplicata", "Usa", 0, 70, -18, 800, 1930, 18, 8, 1, false, 800, 1930, 18},
        {"Usa aplicata 1/2", "Usa1/2", 0, 70, -18, 400, 1930, 18, 8, 1, false, 400, 1930, 18},
        {"Usa aplicata 2/2", "Usa2/2", 400, 70, -18, 400, 1930, 18, 8, 1, false, 400, 1930, 18},
        {"Usa aplicata 1/3", "Usa1/3", 0, 70, -18, 266, 1930, 18, 8, 1, false, 266, 1930, 18},
        {"Usa aplicata 2/3", "Usa2/3", 267, 70, -18, 266, 1930, 18, 8, 1, false, 266, 1930, 18},
        {"Usa aplicata 3/3", "Usa3/3", 533, 70, -18, 266, 1930, 18, 8, 1, false, 266, 1930, 18},
        {"Usa incastrata", "Usa", 18, 88, 0, 764, 1894, 18, 8, 1, false, 764, 1894, 18},
        {"Usa incastrata 1/2", "Usa1/2", 18, 88, 0, 382, 1894, 18, 8, 1, false, 382, 1894, 18},
        {"Usa incastrata 2/2", "Usa2/2", 400, 88, 0, 382, 1894, 18, 8, 1, false, 382, 1894, 18},
        {"Usa incastrata 1/3", "Usa1/3", 18, 88, 0, third, 1894, 18, 8, 1, false, third, 1894, 18},
        {"Usa incastrata 2/3", "Usa2/3", 273, 88, 0, third, 1894, 18, 8, 1, false, third, 1894, 18},
        {"Usa incastrata 3/3", "Usa3/3", 527, 88, 0, third, 1894, 18, 8, 1, false, third, 1894, 18},
        {"Maner vertical", "Maner vert", 390, 890, -20, 20, 20, 150, 0, 0, true, 20, 150, 20},
        {"Maner orizontal", "Maner oriz", 325, 955, -20, 20, 20, 150, 0, 2, true, 150, 20, 20},
        {"Picior 1", "Picior1", 50, -80, 50, 50, 50, 10, 0, 0, true, 50, 10, 50},
        {"Picior 2", "Picior2", 700, -80, 50, 50, 50, 10, 0, 0, true, 50, 10, 50},
        {"Picior 3", "Picior3", 50, -80, 204, 50, 50, 10, 0, 0, true, 50, 10, 50},
        {"Picior 4", "Picior4", 700, -80, 204, 50, 50, 10, 0, 0, true, 50, 10, 50},
        {"Blat", "Blat", 0, 2000, -30, 800, 334, 18, 6, 0, false, 800, 18, 334},
    };
    for (int k = 0; k < kPiesaKindCount; ++k) {
        const Row& r = rows[k];
        SCOPED_TRACE(r.item);
        EXPECT_STREQ(kPiesaKindTexts[k], r.item);
        const KindDefaults d = DefaultsForKind(k, c);
        EXPECT_EQ(d.name, r.name);
        EXPECT_DOUBLE_EQ(d.x, r.x);
        EXPECT_DOUBLE_EQ(d.y, r.y);
        EXPECT_DOUBLE_EQ(d.z, r.z);
        EXPECT_DOUBLE_EQ(d.length, r.length);
        EXPECT_DOUBLE_EQ(d.width, r.width);
        EXPECT_DOUBLE_EQ(d.thickness, r.thickness);
        EXPECT_EQ(d.edgeBand, r.band);
        EXPECT_EQ(d.face, r.face);
        EXPECT_EQ(d.modelFile, r.model ? "/opt/zarvelo/Cerc.bmp" : "");
        const BoxSizes b = BoxSizesForKind(k, d.length, d.width, d.thickness);
        EXPECT_DOUBLE_EQ(b.sx, r.sx);
        EXPECT_DOUBLE_EQ(b.sy, r.sy);
        EXPECT_DOUBLE_EQ(b.sz, r.sz);
    }
}

TEST(NewPieceDefaults, InsetBackAndBoardThickness) {
    auto f = Carcass();
    f->backType = BackType::Incastrat;
    const NewPieceContext c = ContextOf(*f, 16);
    // The shelf and the divider reach the back; t is the new board's, G stays in the shelf's height.
    const KindDefaults shelf = DefaultsForKind(KindPolita, c);
    EXPECT_DOUBLE_EQ(shelf.width, 304 - 16);
    EXPECT_DOUBLE_EQ(shelf.x, 16);
    EXPECT_DOUBLE_EQ(shelf.y, (2000 - 18 - 70) / 2.0);
    EXPECT_DOUBLE_EQ(shelf.thickness, 16);
    EXPECT_DOUBLE_EQ(DefaultsForKind(KindDespartitor, c).length, 304 - 16);
}

TEST(NewPieceDefaults, WhatIsAlreadyThereMovesDoorsHandlesAndLegs) {
    auto f = Carcass();
    f->pieceNames.push_back("uSA stanga"); // any letter case
    f->pieceNames.push_back("MANER");
    NewPieceContext c = ContextOf(*f);
    EXPECT_DOUBLE_EQ(DefaultsForKind(6, c).z, 0); // in line with the door there
    EXPECT_DOUBLE_EQ(DefaultsForKind(10, c).z, 0);
    EXPECT_DOUBLE_EQ(DefaultsForKind(5, c).z, -18); // the whole door always in front
    EXPECT_DOUBLE_EQ(DefaultsForKind(KindManerVertical, c).z, 0);
    EXPECT_DOUBLE_EQ(DefaultsForKind(KindManerOrizontal, c).z, 0);
    EXPECT_DOUBLE_EQ(DefaultsForKind(KindPicior1, c).z, 70);

    // A second leg stands at the bottom of the first; without a plinth legs are 80 high.
    auto g = Carcass();
    g->dim.S = 0;
    g->scene.AddBox(50, -80, 50, 50, 80, 50);
    g->pieceNames.push_back("Picior1");
    c = ContextOf(*g);
    const KindDefaults leg = DefaultsForKind(20, c);
    EXPECT_DOUBLE_EQ(leg.y, -80);
    EXPECT_DOUBLE_EQ(leg.thickness, 80);
}

TEST(NewPieceDefaults, DefaultModelIsInTheStartupFolder) {
    const auto f = Carcass();
    NewPieceContext c = ContextOf(*f);
    c.startupFolder = "/home/ana/Zarvelo/";
    EXPECT_EQ(DefaultsForKind(KindBaraHaine, c).modelFile, "/home/ana/Zarvelo/Cerc.bmp");
    c.startupFolder = "/home/ana/Zarvelo";
    EXPECT_EQ(DefaultsForKind(KindPicior1, c).modelFile, "/home/ana/Zarvelo/Cerc.bmp");
}

TEST(PiesaExists, PrefixIgnoringCase) {
    const std::vector<std::string> names = {"Spate", "usa2/2", "Us", "Maner vert"};
    struct Case {
        const char* prefix;
        bool found;
    };
    for (const Case& k : {Case{"Usa", true}, Case{"USA", true}, Case{"maner", true}, Case{"Us", true},
                          Case{"Picior", false}, Case{"Spatele", false}, Case{"pate", false}}) {
        SCOPED_TRACE(k.prefix);
        EXPECT_EQ(PiesaExists(names, k.prefix), k.found);
    }
    // "Us" is shorter than the prefix and never matches it.
    EXPECT_FALSE(PiesaExists({"Us"}, "Usa"));
    EXPECT_FALSE(PiesaExists({}, "Usa"));
}

TEST(NewPieceCopy, EachThinAxisGivesTheSameBoxBack) {
    struct Case {
        double sx, sy, sz;
        int kind;
    };
    for (const Case& k :
         {Case{764, 18, 282, KindPolita}, Case{800, 1930, 18, KindUsaAplicata}, Case{18, 1982, 300, KindDespartitor},
          Case{40, 40, 764, KindPolita}, Case{50, 50, 50, KindUsaAplicata}, Case{0.5, 300, 300, KindDespartitor}}) {
        SCOPED_TRACE(testing::Message() << k.sx << " x " << k.sy << " x " << k.sz);
        const CopiedLayout c = LayoutOfCopy(k.sx, k.sy, k.sz);
        EXPECT_EQ(c.kind, k.kind);
        EXPECT_GE(c.length, c.thickness);
        EXPECT_GE(c.width, c.thickness);
        const BoxSizes b = BoxSizesForKind(c.kind, c.length, c.width, c.thickness);
        EXPECT_EQ(b.sx, k.sx);
        EXPECT_EQ(b.sy, k.sy);
        EXPECT_EQ(b.sz, k.sz);
    }
}

TEST(NewPieceCopy, TakesEveryTableOfThePiece) {
    auto f = Carcass();
    auto& a = f->attrs;
    f->scene.color[1] = 0x123456;
    a.edgeBand[1] = 5;
    a.materialCode[1] = "PAL18STJ";
    a.hardware[1].Add("BALAMA", 4);
    a.modelFile[1] = "Model3.bmp";
    a.modelFace[1] = 2;
    a.modelRotation[1] = 3;
    a.modelMirror[1] = 1;
    a.textureFile[1] = "texturi/stejar.jpg";
    a.textureRepeated[1] = 0;
    a.textureRotated[1] = 1;
    const NewPiece p = CopyOfPiece(*f, 1);
    EXPECT_EQ(p.name, "Stanga");
    EXPECT_EQ(p.color, 0x123456u);
    EXPECT_DOUBLE_EQ(p.x, 0);
    EXPECT_DOUBLE_EQ(p.sy, 1982);
    EXPECT_DOUBLE_EQ(p.sz, 300);
    EXPECT_EQ(p.slot.edgeBand, 5);
    EXPECT_EQ(p.slot.materialCode, "PAL18STJ");
    EXPECT_EQ(p.slot.hardware, a.hardware[1]);
    EXPECT_EQ(p.slot.modelFile, "Model3.bmp");
    EXPECT_EQ(p.slot.modelFace, 2);
    EXPECT_EQ(p.slot.modelRotation, 3);
    EXPECT_EQ(p.slot.modelMirror, 1);
    EXPECT_EQ(p.slot.textureFile, "texturi/stejar.jpg");
    EXPECT_EQ(p.slot.textureRepeated, 0);
    EXPECT_EQ(p.slot.textureRotated, 1);
}

TEST(NewPieceAppend, WritesTheLastSlotAndMakesItCurrent) {
    auto f = Carcass();
    PieceSlot slot;
    slot.edgeBand = 1;
    slot.materialCode = "PAL18STJ-LUNG"; // the table keeps 10 characters
    slot.hardware.Add("SUPORT", 4);
    slot.textureFile = "texturi/pal18_stejar.jpg";
    const NewPiece p{"Polita1", 18, 956, 18, 764, 18, 282, 0xABCDEF, slot};
    f->attrs.textureIndex[6] = 3; // left from an earlier furniture
    const EditResult r = AppendNewPiece(*f, p);
    EXPECT_EQ(r.firstNewPiece, 6);
    EXPECT_EQ(r.newPieces, 1);
    EXPECT_EQ(f->scene.pieceCount, 7);
    EXPECT_EQ(f->scene.current, 6);
    EXPECT_EQ(f->scene.color[6], 0xABCDEFu);
    EXPECT_EQ(f->pieceNames.back(), "Polita1");
    EXPECT_EQ(f->pieceNames.size(), 7u);
    const Scene3D::Box b = f->scene.PieceBox(6);
    EXPECT_DOUBLE_EQ(b.x1, 782);
    EXPECT_DOUBLE_EQ(b.y1, 974);
    EXPECT_DOUBLE_EQ(b.z1, 300);
    EXPECT_EQ(f->attrs.edgeBand[6], 1);
    EXPECT_EQ(f->attrs.materialCode[6], "PAL18STJ-L");
    EXPECT_EQ(f->attrs.hardware[6].Count(), 1);
    EXPECT_EQ(f->attrs.textureFile[6], "texturi/pal18_stejar.jpg");
    EXPECT_EQ(f->attrs.textureIndex[6], -1);
}

TEST(NewPieceAppend, FullTablesWriteNothing) {
    // A piece read from a file that is not a box can hold most of the points.
    auto f = EmptyFurniture();
    f->scene.AddBox(0, 0, 0, 100, 100, 100);
    f->scene.faceCount[0] = 10;
    for (int q = 0; q < 10; ++q) {
        f->scene.faceFirst[0][q] = 479 * q;
        f->scene.facePoints[0][q] = 479;
    }
    f->scene.pointCount = 4790;
    f->pieceNames = {"Contur"};
    f->attrs.materialCode[0] = "PAL18FAG";
    f->scene.color[0] = 77;
    EXPECT_FALSE(NewPieceRefusal(f->scene).empty());
    const auto before = std::make_unique<Furniture>(*f);
    NewPiece p;
    p.name = "Polita1";
    p.sx = p.sy = p.sz = 10;
    p.slot.materialCode = "PAL18STJ";
    const EditResult r = AppendNewPiece(*f, p);
    EXPECT_EQ(r.newPieces, 0);
    EXPECT_EQ(f->scene.pieceCount, 1);
    EXPECT_EQ(f->scene.pointCount, 4790);
    EXPECT_EQ(f->attrs.materialCode, before->attrs.materialCode);
    EXPECT_EQ(f->scene.color, before->scene.color);
    EXPECT_EQ(f->pieceNames, before->pieceNames);

    // 200 pieces: refused with its own reason.
    Furniture g;
    g.scene.Init();
    for (int i = 0; i < 200; ++i) g.scene.AddBox(i, 0, 0, 1, 1, 1);
    EXPECT_NE(NewPieceRefusal(g.scene).find("200"), std::string::npos);
    EXPECT_TRUE(NewPieceRefusal(Carcass()->scene).empty());
    // 199 pieces: the 200th fits, ending exactly at 4800 points.
    g.scene.DeleteObject(199);
    ASSERT_EQ(g.scene.pointCount, 4776);
    EXPECT_EQ(NewPieceRefusal(g.scene), "");
}

// The box as the scene stores it: a far corner that swallows the size, a
// size or corner past the limit, a flat box. Nothing at all is written.
TEST(NewPieceAppend, BoxesPastTheLimitWriteNothing) {
    const struct {
        const char* what;
        double x, sx, sz;
        bool within;
    } cases[] = {
        {"a shelf", 18, 764, 282, true},
        {"at the limit", -1000000, 1000000, 282, true},
        {"corner 1e308: 1e308 + 764 is 1e308", 1e308, 764, 282, false},
        {"corner 1e17: 16 wide as stored", 1e17, 18, 282, false},
        {"corner past the limit", 1000000.5, 764, 282, false},
        {"wider than the limit", 0, 1000001, 282, false},
        {"deeper than the limit", 0, 764, 1e308, false},
        {"flat", 0, 764, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto f = Carcass();
        const auto before = std::make_unique<Furniture>(*f);
        const NewPiece p{"Polita1", c.x, 956, 18, c.sx, 18, c.sz, 0xABCDEF, {}};
        EXPECT_EQ(NewPieceWithinLimits(p), c.within);
        EXPECT_EQ(AppendNewPiece(*f, p).newPieces, c.within ? 1 : 0);
        if (!c.within) EXPECT_TRUE(*f == *before);
    }
}

TEST(NewPieceRemove, FirstOfThreeShiftsEveryTable) {
    auto f = EmptyFurniture();
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        f->scene.AddBox(i * 100.0, 0, 0, 50, 60, 18);
        f->scene.color[k] = static_cast<std::uint32_t>(10 + i);
        f->pieceNames.push_back("Piesa" + std::to_string(i));
        f->attrs.edgeBand[k] = i + 1;
        f->attrs.materialCode[k] = "P" + std::to_string(i);
        f->attrs.hardware[k].Add("BAL" + std::to_string(i), i + 1);
        f->attrs.modelFile[k] = "Model" + std::to_string(i) + ".bmp";
        f->attrs.modelFace[k] = static_cast<std::uint8_t>(i);
        f->attrs.modelRotation[k] = static_cast<std::uint8_t>(i + 1);
        f->attrs.modelMirror[k] = 1;
        f->attrs.textureFile[k] = "t" + std::to_string(i) + ".jpg";
        f->attrs.textureIndex[k] = i;
        f->attrs.textureRotated[k] = 1;
    }
    f->scene.current = 0;
    DeletePiece(*f, 0);
    EXPECT_EQ(f->scene.pieceCount, 2);
    EXPECT_EQ(f->scene.pointCount, 48);
    EXPECT_EQ(f->scene.current, 0);
    EXPECT_EQ(f->pieceNames, (std::vector<std::string>{"Piesa1", "Piesa2"}));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const auto k = static_cast<std::size_t>(i);
        const int was = i + 1;
        EXPECT_EQ(f->scene.color[k], static_cast<std::uint32_t>(10 + was));
        EXPECT_DOUBLE_EQ(f->scene.PieceBox(i).x0, was * 100.0);
        EXPECT_EQ(f->attrs.edgeBand[k], was + 1);
        EXPECT_EQ(f->attrs.materialCode[k], "P" + std::to_string(was));
        EXPECT_EQ(f->attrs.hardware[k].At(0).code, "BAL" + std::to_string(was));
        EXPECT_EQ(f->attrs.modelFile[k], "Model" + std::to_string(was) + ".bmp");
        EXPECT_EQ(f->attrs.modelFace[k], was);
        EXPECT_EQ(f->attrs.modelRotation[k], was + 1);
        EXPECT_EQ(f->attrs.textureFile[k], "t" + std::to_string(was) + ".jpg");
        EXPECT_EQ(f->attrs.textureIndex[k], was);
    }
    // The freed slot is empty again.
    EXPECT_EQ(f->attrs.edgeBand[2], 0);
    EXPECT_EQ(f->attrs.materialCode[2], "");
    EXPECT_EQ(f->attrs.hardware[2].Count(), 0);
    EXPECT_EQ(f->attrs.modelFile[2], "");
    EXPECT_EQ(f->attrs.modelFace[2], 0);
    EXPECT_EQ(f->attrs.modelRotation[2], 0);
    EXPECT_EQ(f->attrs.modelMirror[2], 0);
    EXPECT_EQ(f->attrs.textureFile[2], "");
    EXPECT_EQ(f->attrs.textureIndex[2], -1);
    EXPECT_EQ(f->attrs.textureRotated[2], 0);
    EXPECT_EQ(f->attrs.textureRepeated[2], 0);
}

TEST(NewPieceRemove, OnlyPieceLeavesAnEmptyFurniture) {
    Furniture f;
    f.scene.Init();
    f.scene.AddBox(0, 0, 0, 10, 10, 10);
    f.pieceNames = {"Polita1"};
    f.attrs.materialCode[0] = "PAL18FAG";
    DeletePiece(f, 0);
    EXPECT_EQ(f.scene.pieceCount, 0);
    EXPECT_EQ(f.scene.pointCount, 0);
    EXPECT_TRUE(f.pieceNames.empty());
    EXPECT_EQ(f.attrs.materialCode[0], "");
    // Nothing left: nothing more happens.
    DeletePiece(f, 0);
    EXPECT_EQ(f.scene.pieceCount, 0);
}

TEST(NewPiecePlinth, TakenFromThePieceNamedSoclu) {
    auto f = Carcass();
    f->dim.S = 0;
    EXPECT_DOUBLE_EQ(PlinthFromPieces(*f), 70);
    f->pieceNames[5] = "SOCLU";
    EXPECT_DOUBLE_EQ(PlinthFromPieces(*f), 70);
    f->pieceNames[5] = "Soclu fata";
    EXPECT_DOUBLE_EQ(PlinthFromPieces(*f), 0);
    Furniture empty;
    EXPECT_DOUBLE_EQ(PlinthFromPieces(empty), 0);
}
