#include "export/Deviz.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zv;

TEST(Deviz, BoardPiecesAndEdgeBanding) {
    const struct { double a, b, c; bool board; } cases[] = {
        {600, 18, 500, true}, {18, 18, 600, false},  {600, 500, 51, false},
        {600, 3, 500, false}, {600, 50, 500, true},  {30, 800, 30, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsBoardPiece(c.a, c.b, c.c), c.board) << c.a << " " << c.b << " " << c.c;
    EXPECT_DOUBLE_EQ(EdgeBandMetres(0, 1000, 500), 0);
    EXPECT_DOUBLE_EQ(EdgeBandMetres(1, 1000, 500), 1.0);
    EXPECT_DOUBLE_EQ(EdgeBandMetres(4, 1000, 500), 1.0);
    EXPECT_DOUBLE_EQ(EdgeBandMetres(7, 1000, 500), 2.5);
    EXPECT_DOUBLE_EQ(EdgeBandMetres(8, 1000, 500), 3.0);
    EXPECT_DOUBLE_EQ(EdgeBandMetres(99, 1000, 500), 0);
}

TEST(Deviz, ListAndEstimate) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->scene.AddBox(0, 0, 0, 1000, 18, 500);   // 0.5 mp, 2 lengths banded
    f->scene.AddBox(0, 18, 0, 18, 1000, 500);  // 0.5 mp, none
    f->scene.AddBox(0, 0, 0, 20, 20, 900);     // a rail: not a board
    f->scene.AddBox(0, 0, 500, 1000, 1000, 3); // back, another material
    f->attrs.materialCode = {};
    f->attrs.materialCode[0] = "PAL18";
    f->attrs.materialCode[1] = "PAL18";
    f->attrs.materialCode[3] = "PFL3";
    f->attrs.edgeBand[0] = 3;
    f->attrs.hardware[0].Add("BAL", 2);
    f->attrs.hardware[1].Add("BAL", 2);
    f->attrs.hardware[1].Add("NOPE", 1);
    std::vector<PalPflItem> boards(1);
    boards[0].code = "PAL18";
    boards[0].description = "Pal 18";
    boards[0].price = 40;
    boards[0].edgePrice = 2;
    boards[0].thickness = 18;
    std::vector<FeronerieItem> hw(1);
    hw[0].code = "BAL";
    hw[0].price = 5;
    const MaterialList list = ListMaterials(*f, boards, hw);
    ASSERT_EQ(list.boards.size(), 2u);
    EXPECT_EQ(list.boards[0].pieces, 2);
    EXPECT_DOUBLE_EQ(list.boards[0].area, 1.0);
    EXPECT_DOUBLE_EQ(list.boards[0].edgeMetres, 2.0);
    EXPECT_FALSE(list.boards[1].listed);
    EXPECT_DOUBLE_EQ(list.boards[1].thickness, 3);
    ASSERT_EQ(list.hardware.size(), 2u);
    EXPECT_EQ(list.hardware[0].quantity, 4);
    const Deviz d = ComputeDeviz(list, 10, 10, 40);
    EXPECT_NEAR(d.boards, 44.0, 1e-9);   // 1 mp * 1.1 * 40
    EXPECT_NEAR(d.edges, 4.4, 1e-9);     // 2 ml * 1.1 * 2
    EXPECT_NEAR(d.hardware, 20.0, 1e-9); // 4 * 5
    EXPECT_NEAR(d.total, (44 + 4.4 + 20) * 1.4, 1e-9);
    const std::string text = FormatDeviz(list, d, 10, 10, 40);
    EXPECT_NE(text.find("NOPE: 1 buc. x 0.00 = 0.00 (cod negasit in catalog)"), std::string::npos);
    EXPECT_NE(text.find("Total deviz: 95.76"), std::string::npos);
    EXPECT_NE(FormatMaterialList(list).find("PAL18 (Pal 18): 2 piese, 1.000 mp, cant 2.00 ml"), std::string::npos);
}
