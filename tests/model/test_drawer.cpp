// The interior of a drawer laid out behind its front, box by box.
#include "model/Drawer.h"
#include "model/NewPiece.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zv;

namespace {
// A 564 x 180 front at (100, 200), its back face at z = 18.
DrawerInput Front() {
    DrawerInput in;
    in.x = 100;
    in.y = 200;
    in.z = 18;
    in.width = 564;
    in.height = 180;
    in.depth = 450;
    in.overlap = 8;
    in.bottomThickness = 4;
    in.sideThickness = 16;
    in.left = 20;
    in.right = 20;
    in.top = 30;
    in.bottom = 20;
    return in;
}

void ExpectBox(const DrawerBox& b, const char* name, double x, double y, double z, double sx, double sy, double sz) {
    SCOPED_TRACE(name);
    EXPECT_EQ(b.name, name);
    EXPECT_DOUBLE_EQ(b.x, x);
    EXPECT_DOUBLE_EQ(b.y, y);
    EXPECT_DOUBLE_EQ(b.z, z);
    EXPECT_DOUBLE_EQ(b.sx, sx);
    EXPECT_DOUBLE_EQ(b.sy, sy);
    EXPECT_DOUBLE_EQ(b.sz, sz);
}
} // namespace

TEST(Drawer, BackBetweenTheSides) {
    const DrawerInput in = Front();
    ASSERT_EQ(CheckDrawer(in).message, "");
    const DrawerLayout b = LayOutDrawer(in);
    // Box 524 wide from x 120; the sides stand on the 4 mm bottom, 126 high.
    ExpectBox(b[0], "Jos sertar", 128, 220, 18, 508, 4, 450);
    ExpectBox(b[1], "Lateral stanga sertar", 120, 224, 18, 16, 126, 450);
    ExpectBox(b[2], "Lateral dreapta sertar", 628, 224, 18, 16, 126, 450);
    ExpectBox(b[3], "Spate sertar", 136, 224, 452, 492, 126, 16);
    EXPECT_TRUE(b[0].bottomBoard);
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(b[i].bottomBoard);
}

TEST(Drawer, BackOverTheSides) {
    DrawerInput in = Front();
    in.backOverSides = true;
    in.overlap = 0;
    const DrawerLayout b = LayOutDrawer(in);
    ExpectBox(b[0], "Jos sertar", 136, 220, 18, 492, 4, 450);
    ExpectBox(b[1], "Lateral stanga sertar", 120, 224, 18, 16, 126, 434);
    ExpectBox(b[2], "Lateral dreapta sertar", 628, 224, 18, 16, 126, 434);
    ExpectBox(b[3], "Spate sertar", 120, 224, 452, 524, 126, 16);
}

// Each refusal names the field to correct, which the dialog then focuses.
TEST(Drawer, SizesThatMakeNoDrawerAreRefused) {
    using F = DrawerField;
    const char* kSize = "trebuie sa fie mai mare decat 0 si cel mult 1000000 mm";
    const char* kDistance = "trebuie sa fie intre 0 si 1000000 mm";
    const char* kNoRoom = "interiorul sertarului nu incape in fata sertarului";
    const char* kOut = "sertarul ar iesi din limita de 1000000 mm fata de origine";
    const struct {
        const char* what;
        void (*change)(DrawerInput&);
        F field;
        const char* why;
    } cases[] = {
        {"no width", [](DrawerInput& i) { i.width = 0; }, F::Width, kSize},
        {"negative height", [](DrawerInput& i) { i.height = -180; }, F::Height, kSize},
        {"no depth", [](DrawerInput& i) { i.depth = 0; }, F::Depth, kSize},
        {"depth 1e300", [](DrawerInput& i) { i.depth = 1e300; }, F::Depth, kSize},
        {"depth past the limit", [](DrawerInput& i) { i.depth = 1000001; }, F::Depth, kSize},
        {"no bottom", [](DrawerInput& i) { i.bottomThickness = 0; }, F::BottomThickness, kSize},
        {"no sides", [](DrawerInput& i) { i.sideThickness = -1; }, F::SideThickness, kSize},
        {"NaN width", [](DrawerInput& i) { i.width = std::nan(""); }, F::Width, kSize},
        {"negative left", [](DrawerInput& i) { i.left = -1; }, F::Left, kDistance},
        {"negative overlap", [](DrawerInput& i) { i.overlap = -2; }, F::Overlap, kDistance},
        {"top past the limit", [](DrawerInput& i) { i.top = 2e6; }, F::Top, kDistance},
        {"wider than the front", [](DrawerInput& i) { i.left = i.right = 266; }, F::Width, kNoRoom},
        {"higher than the front",
         [](DrawerInput& i) {
             i.top = 100;
             i.bottom = 76;
         },
         F::Height, kNoRoom},
        {"shallower than the back", [](DrawerInput& i) { i.depth = 16; }, F::Depth, kNoRoom},
        {"bottom out of the sides", [](DrawerInput& i) { i.overlap = 17; }, F::Overlap,
         "cartonul nu poate iesi in afara lateralelor"},
        // A front far out: the boards as stored leave the limit on its axis.
        {"a front past the limit in depth", [](DrawerInput& i) { i.z = 1000001; }, F::Depth, kOut},
        {"a front at 1e308 across", [](DrawerInput& i) { i.x = 1e308; }, F::Width, kOut},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DrawerInput in = Front();
        c.change(in);
        const FieldRefusal r = CheckDrawer(in);
        EXPECT_EQ(r.field, int(c.field));
        EXPECT_EQ(r.message, std::string("Valoare invalida in campul \"") + kDrawerFieldLabels[int(c.field)] +
                                 "\": " + c.why + ".");
    }
    DrawerInput edge = Front();
    edge.left = edge.right = edge.top = edge.bottom = edge.overlap = 0;
    EXPECT_EQ(CheckDrawer(edge).message, "");
}

TEST(Drawer, AddedWithMaterialsOrNotAtAllWhenFull) {
    Furniture f;
    f.scene.AddBox(100, 200, 0, 564, 180, 18);
    f.pieceNames = {"Fata sertar"};
    const EditResult r = AddDrawer(f, LayOutDrawer(Front()), {"PFL4", 0x00AABBCC}, {"PAL16", 0x00112233});
    EXPECT_EQ(r.firstNewPiece, 1);
    EXPECT_EQ(r.newPieces, 4);
    ASSERT_EQ(f.scene.pieceCount, 5);
    EXPECT_EQ(f.pieceNames[4], "Spate sertar");
    EXPECT_EQ(f.attrs.materialCode[1], "PFL4");
    EXPECT_EQ(f.scene.color[1], 0x00AABBCCu);
    for (int i = 2; i < 5; ++i) {
        EXPECT_EQ(f.attrs.materialCode[i], "PAL16");
        EXPECT_EQ(f.scene.color[i], 0x00112233u);
    }
    const Scene3D::Box side = f.scene.PieceBox(2);
    EXPECT_DOUBLE_EQ(side.x0, 120);
    EXPECT_DOUBLE_EQ(side.z1, 468);

    Furniture full;
    for (int i = 0; i < Scene3D::kMaxPieces - 3; ++i) {
        full.scene.AddBox(0, 0, i, 10, 10, 1);
        full.pieceNames.push_back("P");
    }
    EXPECT_NE(DrawerRoomRefusal(full), "");
    EXPECT_EQ(AddDrawer(full, LayOutDrawer(Front()), {}, {}).newPieces, 0);
    EXPECT_EQ(full.scene.pieceCount, Scene3D::kMaxPieces - 3);
    full.scene.DeleteObject(0);
    EXPECT_EQ(DrawerRoomRefusal(full), "");
}
