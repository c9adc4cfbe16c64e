#include "support/LocaleText.h"
#include "support/ModelValues.h"
#include "export/BoardPiece.h"
#include "export/Deviz.h"
#include "model/Room.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {

// One piece of the given sizes, named.
int Add(Furniture& f, double sx, double sy, double sz, const std::string& name = "Piesa",
        const std::string& code = "PAL") {
    const int i = f.scene.pieceCount;
    f.scene.AddBox(0, 0, 0, sx, sy, sz);
    f.pieceNames.push_back(name);
    f.attrs.materialCode[static_cast<std::size_t>(i)] = code;
    return i;
}

PalPflItem Board(const std::string& code, double price, double edgePrice) {
    PalPflItem b;
    b.code = code;
    b.price = price;
    b.edgePrice = edgePrice;
    b.thickness = 18;
    return b;
}
} // namespace

// The one board rule, for the piece list, the material list and the estimate.
TEST(BoardPiece, BySizesAndNotARoomPiece) {
    const struct {
        double a, b, c;
        const char* name;
        bool board;
    } cases[] = {
        {600, 18, 500, "Polita", true},
        {600, 300, 18, "Usa", true},
        {600, 50, 500, "Polita groasa", true},
        {600, 50.5, 500, "Bloc", false},
        {600, 500, 51, "Bloc", false},
        {18, 18, 600, "Sipca", false},
        {40, 40, 600, "Bara", false},
        {20, 20, 150, "Maner", false},
        {50, 50, 50, "Cub", false},
        {600, 3.5, 400, "Spate", true},
        {600, 3.4, 400, "Spate subtire", false},
        {2, 400, 600, "Folie", false},
        {4000, 50, 2500, "Perete spate", false},
        {4000, 50, 2500, "Perete", true},
        {4000, 40, 4000, "Pardoseala", false},
    };
    auto f = EmptyFurniture();
    for (const auto& c : cases) {
        const int i = Add(*f, c.a, c.b, c.c, c.name);
        EXPECT_EQ(IsBoardPiece(*f, i), c.board) << c.name << " " << c.a << " x " << c.b << " x " << c.c;
        if (!IsRoomPiece(*f, i)) {
            EXPECT_EQ(IsBoardPiece(c.a, c.b, c.c), c.board);
        }
    }
    EXPECT_FALSE(IsBoardPiece(*f, -1));
    EXPECT_FALSE(IsBoardPiece(*f, f->scene.pieceCount));
}

TEST(Deviz, EdgeBandingByCode) {
    // A board 1000 long and 500 wide: metres of banding for codes 0..8, and
    // none for a code outside the table.
    const struct {
        int code;
        double metres;
    } cases[] = {{0, 0},   {1, 1.0}, {2, 0.5}, {3, 2.0}, {4, 1.0}, {5, 1.5},
                 {6, 2.0}, {7, 2.5}, {8, 3.0}, {9, 0},   {-1, 0}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(EdgeBandMetres(c.code, 1000, 500), c.metres) << c.code;
        // The same through the material list: length and width as the piece
        // list sorts them.
        auto f = EmptyFurniture();
        const int i = Add(*f, 1000, 18, 500);
        f->attrs.edgeBand[static_cast<std::size_t>(i)] = c.code;
        const MaterialList list = ListMaterials(*f, {}, {});
        ASSERT_EQ(list.boards.size(), 1u);
        EXPECT_DOUBLE_EQ(list.boards[0].edgeMetres, c.metres) << c.code;
    }
}

TEST(Deviz, EdgeLengthAndWidthAsThePieceListSortsThem) {
    // A side panel of a new carcass carries "1 latime": its front edge, the
    // height of the furniture (length 600 along the depth, width 2000).
    auto f = EmptyFurniture();
    const int i = Add(*f, 18, 2000, 600);
    f->attrs.edgeBand[static_cast<std::size_t>(i)] = 2;
    EXPECT_DOUBLE_EQ(ListMaterials(*f, {}, {}).boards[0].edgeMetres, 2.0);
}

TEST(Deviz, ListAndEstimate) {
    auto f = EmptyFurniture();
    f->scene.AddBox(0, 0, 0, 1000, 18, 500);   // 0.5 mp, 2 lengths banded
    f->scene.AddBox(0, 18, 0, 18, 1000, 500);  // 0.5 mp, none
    f->scene.AddBox(0, 0, 0, 20, 20, 900);     // a rail: not a board
    f->scene.AddBox(0, 0, 500, 1000, 1000, 4); // back, another material
    f->scene.AddBox(0, 0, 0, 1000, 50, 500);   // exactly 50 thick: a board
    f->scene.AddBox(0, 0, 0, 1000, 50.5, 500); // 50.5 thick: not a board
    f->pieceNames = {"Jos", "Lateral", "Bara", "Spate", "Blat", "Bloc"};
    f->attrs.materialCode[0] = "PAL18";
    f->attrs.materialCode[1] = "PAL18";
    f->attrs.materialCode[3] = "PFL4";
    f->attrs.materialCode[4] = "BLAT50";
    f->attrs.materialCode[5] = "BLAT50";
    f->attrs.edgeBand[0] = 3;
    f->attrs.edgeBand[4] = 8;
    f->attrs.edgeBand[5] = 8;
    f->attrs.hardware[0].Add("BAL", 2);
    f->attrs.hardware[1].Add("BAL", 2);
    f->attrs.hardware[1].Add("NOPE", 1);
    const std::vector<PalPflItem> boards = {Board("PAL18", 40, 2), Board("BLAT50", 100, 5)};
    std::vector<FeronerieItem> hw(1);
    hw[0].code = "BAL";
    hw[0].price = 5;
    const MaterialList list = ListMaterials(*f, boards, hw);
    ASSERT_EQ(list.boards.size(), 3u);
    EXPECT_EQ(list.boards[0].code, "PAL18");
    EXPECT_EQ(list.boards[0].pieces, 2);
    EXPECT_DOUBLE_EQ(list.boards[0].area, 1.0);
    EXPECT_DOUBLE_EQ(list.boards[0].edgeMetres, 2.0);
    EXPECT_FALSE(list.boards[1].listed);
    EXPECT_DOUBLE_EQ(list.boards[1].thickness, 4);
    EXPECT_EQ(list.boards[2].code, "BLAT50");
    EXPECT_EQ(list.boards[2].pieces, 1); // the 50.5 mm block is left out
    EXPECT_DOUBLE_EQ(list.boards[2].area, 0.5);
    EXPECT_DOUBLE_EQ(list.boards[2].edgeMetres, 3.0);
    ASSERT_EQ(list.hardware.size(), 2u);
    EXPECT_EQ(list.hardware[0].quantity, 4);

    // Losses that differ: boards 10 %, edges 25 %, margin 40 %.
    const Deviz d = ComputeDeviz(list, 10, 25, 40);
    EXPECT_NEAR(d.boards, 1.0 * 1.1 * 40 + 0.5 * 1.1 * 100, 1e-9);
    EXPECT_NEAR(d.edges, 2.0 * 1.25 * 2 + 3.0 * 1.25 * 5, 1e-9);
    EXPECT_NEAR(d.hardware, 20.0, 1e-9); // 4 * 5, NOPE has no price
    EXPECT_NEAR(d.subtotal, 99 + 23.75 + 20, 1e-9);
    EXPECT_NEAR(d.total, (99 + 23.75 + 20) * 1.4, 1e-9);
    const std::string text = FormatDeviz(list, d, 10, 25, 40);
    EXPECT_NE(text.find(WithSystemSeparator("PAL18: 1.100 mp x 40.00 = 44.00; cant 2.50 ml x 2.00 = 5.00")),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(WithSystemSeparator("NOPE: 1 buc. x 0.00 = 0.00 (cod negasit in catalog)")), std::string::npos);
    EXPECT_NE(text.find(WithSystemSeparator("Total deviz: 199.85")), std::string::npos) << text;
    EXPECT_NE(FormatMaterialList(list).find(WithSystemSeparator("PAL18: 2 piese, 1.000 mp, cant 2.00 ml")),
              std::string::npos);
}

TEST(Deviz, TheRoomIsNoPartOfIt) {
    auto f = EmptyFurniture();
    Add(*f, 800, 18, 500);
    RoomParams p;
    p.wall = 50; // as thin as a board
    ASSERT_EQ(AddRoom(*f, p).newPieces, 4);
    f->attrs.hardware[2].Add("CUI", 10);
    const MaterialList list = ListMaterials(*f, {}, {});
    ASSERT_EQ(list.boards.size(), 1u);
    EXPECT_EQ(list.boards[0].pieces, 1);
    EXPECT_DOUBLE_EQ(list.boards[0].area, 0.4);
    EXPECT_TRUE(list.hardware.empty());
}
