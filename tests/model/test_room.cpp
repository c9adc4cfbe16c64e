#include "model/Room.h"
#include "support/ModelValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {
// A cupboard 800 wide, 2000 high, 600 deep, standing 100 above the origin.
std::unique_ptr<Furniture> Cupboard() {
    auto f = EmptyFurniture();
    f->scene.AddBox(0, 100, 0, 18, 2000, 600);
    f->scene.AddBox(782, 100, 0, 18, 2000, 600);
    f->pieceNames = {"Lateral stanga", "Lateral dreapta"};
    return f;
}

int CountNamed(const Furniture& f, const std::string& name) {
    int n = 0;
    for (const auto& s : f.pieceNames) n += s == name ? 1 : 0;
    return n;
}
} // namespace

TEST(Room, PresetsForTheLeftField) {
    // A furniture from 0 to 800 in a room 4000 wide with walls of 55: 3890
    // between the walls, so centred leaves 1545 on either side.
    const struct {
        int preset;
        double left;
    } cases[] = {{1, 1545}, {2, 40}, {3, 3050}, {0, 7}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoomPresetLeft(c.preset, 0, 800, 4000, 55, 7), c.left) << c.preset;
    // Away from the origin the furniture's own width counts.
    EXPECT_DOUBLE_EQ(RoomPresetLeft(1, 1000, 1800, 4000, 55, 7), 1545);
}

TEST(Room, FloorAndThreeWallsAroundTheFurniture) {
    auto f = Cupboard();
    RoomParams p;
    p.left = 40;
    p.bottom = 100;
    p.back = 55;
    p.walls.color = 0x00FF00;
    p.floor.texture = "texturi/pal18_fag.bmp";
    p.floor.textureRepeated = true;
    const EditResult r = AddRoom(*f, p);
    EXPECT_EQ(r.firstNewPiece, 2);
    EXPECT_EQ(r.newPieces, 4);
    ASSERT_EQ(f->scene.pieceCount, 6);
    EXPECT_EQ(f->pieceNames, (std::vector<std::string>{"Lateral stanga", "Lateral dreapta", "Pardoseala",
                                                       "Perete stanga", "Perete dreapta", "Perete spate"}));
    const auto floor = f->scene.PieceBox(2), left = f->scene.PieceBox(3), right = f->scene.PieceBox(4),
               back = f->scene.PieceBox(5);
    EXPECT_DOUBLE_EQ(floor.y1, 0);  // the furniture stands 100 above the floor
    EXPECT_DOUBLE_EQ(left.x1, -40); // 40 from the left wall's inner face
    EXPECT_DOUBLE_EQ(back.z0, 655); // 55 behind the furniture
    EXPECT_DOUBLE_EQ(right.x0 - left.x1, 4000 - 110);
    EXPECT_DOUBLE_EQ(left.y1 - left.y0, 2500);
    EXPECT_DOUBLE_EQ(floor.x1 - floor.x0, 4000);
    EXPECT_DOUBLE_EQ(back.z1 - floor.z0, 4000);
    EXPECT_EQ(f->scene.color[3], 0x00FF00u);
    EXPECT_EQ(f->attrs.textureFile[2], "texturi/pal18_fag.bmp");
    EXPECT_EQ(f->attrs.textureRepeated[2], 1);
    EXPECT_TRUE(f->attrs.textureFile[3].empty());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(IsRoomPiece(*f, i), i >= 2) << i;
}

TEST(Room, CentredBetweenTheWalls) {
    auto f = Cupboard();
    RoomParams p;
    double minX = 0, maxX = 0;
    ASSERT_TRUE(FurnitureExtentX(*f, minX, maxX));
    p.left = RoomPresetLeft(1, minX, maxX, p.width, p.wall, 0);
    AddRoom(*f, p);
    const double leftGap = f->scene.PieceBox(0).x0 - f->scene.PieceBox(3).x1;
    const double rightGap = f->scene.PieceBox(4).x0 - f->scene.PieceBox(1).x1;
    EXPECT_DOUBLE_EQ(leftGap, rightGap);
}

TEST(Room, ASecondRoomReplacesTheFirst) {
    auto f = Cupboard();
    f->scene.current = 1;
    RoomParams p;
    p.left = 100;
    AddRoom(*f, p);
    // A piece added after the room stays, and keeps being current.
    f->scene.AddBox(18, 1000, 0, 764, 18, 580);
    f->pieceNames.push_back("Polita");
    f->attrs.materialCode[6] = "PAL18";
    f->scene.current = 6;
    double minX = 0, maxX = 0;
    ASSERT_TRUE(FurnitureExtentX(*f, minX, maxX));
    EXPECT_EQ(minX, 0);
    EXPECT_EQ(maxX, 800);

    p.left = 1000;
    p.walls.color = 0x0000FF;
    const EditResult r = AddRoom(*f, p);
    EXPECT_EQ(r.firstNewPiece, 3);
    ASSERT_EQ(f->scene.pieceCount, 7);
    EXPECT_EQ(f->scene.pointCount, 7 * 24);
    for (const char* n : kRoomPieceNames) EXPECT_EQ(CountNamed(*f, n), 1) << n;
    EXPECT_EQ(f->pieceNames[2], "Polita");
    EXPECT_EQ(f->attrs.materialCode[2], "PAL18"); // the tables moved with the names
    EXPECT_EQ(f->scene.current, 2);
    // Placed from the furniture, not from the old room: no wall through it.
    const auto leftWall = f->scene.PieceBox(4), rightWall = f->scene.PieceBox(5);
    EXPECT_DOUBLE_EQ(leftWall.x1, -1000);
    EXPECT_GT(rightWall.x0, 800);
    EXPECT_EQ(f->scene.color[4], 0x0000FFu);
}

// Each refusal names the field to correct; the room's boxes are checked as
// the scene would store them around the furniture.
TEST(Room, SizesAndPositionsPastTheLimitNameTheirField) {
    using F = RoomField;
    const char* kSize = "trebuie sa fie mai mare decat 0 si cel mult 1000000 mm";
    const char* kPosition = "trebuie sa fie intre -1000000 si 1000000 mm";
    const char* kOut = "camera ar iesi din limita de 1000000 mm fata de origine";
    const struct {
        const char* what;
        void (*change)(RoomParams&);
        F field;
        const char* why;
    } cases[] = {
        {"width 1e300", [](RoomParams& p) { p.width = 1e300; }, F::Width, kSize},
        {"width past the limit", [](RoomParams& p) { p.width = 1000001; }, F::Width, kSize},
        {"no height", [](RoomParams& p) { p.height = 0; }, F::Height, kSize},
        {"NaN depth", [](RoomParams& p) { p.depth = std::nan(""); }, F::Depth, kSize},
        {"negative walls", [](RoomParams& p) { p.wall = -55; }, F::Wall, kSize},
        {"left past the limit", [](RoomParams& p) { p.left = -1000001; }, F::Left, kPosition},
        {"back 1e300", [](RoomParams& p) { p.back = 1e300; }, F::Back, kPosition},
        {"thinner than two walls", [](RoomParams& p) { p.width = 100; }, F::Width,
         "camera trebuie sa fie mai lata decat doi pereti"},
        {"shallower than a wall", [](RoomParams& p) { p.depth = 55; }, F::Depth,
         "camera trebuie sa fie mai adanca decat un perete"},
        {"the left wall past the limit", [](RoomParams& p) { p.left = 999990; }, F::Left, kOut},
        {"the floor past the limit", [](RoomParams& p) { p.bottom = -999990; }, F::Bottom, kOut},
        {"the walls past the limit in depth", [](RoomParams& p) { p.back = -999000; }, F::Back, kOut},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto f = Cupboard();
        const auto before = std::make_unique<Furniture>(*f);
        RoomParams p;
        c.change(p);
        const FieldRefusal r = CheckRoom(*f, p);
        EXPECT_EQ(r.field, int(c.field));
        EXPECT_EQ(r.message,
                  std::string("Valoare invalida in campul \"") + kRoomFieldLabels[int(c.field)] + "\": " + c.why + ".");
        EXPECT_EQ(AddRoom(*f, p).newPieces, 0);
        EXPECT_TRUE(*f == *before);
    }
    EXPECT_EQ(CheckRoom(*Cupboard(), RoomParams{}).message, "");
}

TEST(Room, RefusedWithoutRoomOrPlace) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    RoomParams bad;
    bad.width = 100; // thinner than two walls
    EXPECT_EQ(AddRoom(*f, bad).newPieces, 0);
    RoomParams nan;
    nan.height = std::nan("");
    EXPECT_FALSE(RoomFits(*f, nan));
    for (int i = 0; i < 196; ++i) f->scene.AddBox(i, 0, 0, 1, 1, 1);
    f->pieceNames.assign(196, "p");
    EXPECT_TRUE(RoomFits(*f, RoomParams{}));
    AddRoom(*f, RoomParams{});
    EXPECT_EQ(f->scene.pieceCount, 200);
    // Full, but the room made before makes place for the new one.
    EXPECT_TRUE(RoomFits(*f, RoomParams{}));
    EXPECT_EQ(AddRoom(*f, RoomParams{}).newPieces, 4);
    EXPECT_EQ(f->scene.pieceCount, 200);
    f->pieceNames[199] = "p"; // a wall renamed is the furniture's: no place left
    EXPECT_FALSE(RoomFits(*f, RoomParams{}));
    EXPECT_EQ(AddRoom(*f, RoomParams{}).newPieces, 0);
    EXPECT_EQ(f->scene.pieceCount, 200);
    EXPECT_EQ(f->pieceNames.size(), 200u);
}
