#include "model/Room.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace zv;

TEST(Room, PresetsForTheLeftField) {
    // A furniture from 0 to 800 in a room 4000 wide with walls of 55.
    EXPECT_DOUBLE_EQ(RoomPresetLeft(1, 0, 800, 4000, 55, 7), 1600);
    EXPECT_DOUBLE_EQ(RoomPresetLeft(2, 0, 800, 4000, 55, 7), 40);
    EXPECT_DOUBLE_EQ(RoomPresetLeft(3, 0, 800, 4000, 55, 7), 3050);
    EXPECT_DOUBLE_EQ(RoomPresetLeft(0, 0, 800, 4000, 55, 7), 7);
}

TEST(Room, FloorAndThreeWallsAroundTheFurniture) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->SetSlotDefaults();
    f->scene.AddBox(0, 100, 0, 800, 2000, 600);
    f->pieceNames = {"Dulap"};
    RoomParams p;
    p.left = 40;
    p.bottom = 100;
    p.back = 55;
    p.walls.color = 0x00FF00;
    p.floor.texture = "texturi/pal18_fag.bmp";
    p.floor.textureRepeated = true;
    ASSERT_TRUE(AddRoom(*f, p));
    ASSERT_EQ(f->scene.pieceCount, 5);
    EXPECT_EQ(f->pieceNames, (std::vector<std::string>{"Dulap", "Pardoseala", "Perete stanga", "Perete dreapta",
                                                       "Perete spate"}));
    const auto floor = f->scene.PieceBox(1), left = f->scene.PieceBox(2), right = f->scene.PieceBox(3),
               back = f->scene.PieceBox(4);
    EXPECT_DOUBLE_EQ(floor.y1, 0);        // the furniture stands 100 above the floor
    EXPECT_DOUBLE_EQ(left.x1, -40);       // 40 from the left wall's inner face
    EXPECT_DOUBLE_EQ(back.z0, 655);       // 55 behind the furniture
    EXPECT_DOUBLE_EQ(right.x0 - left.x1, 4000 - 110);
    EXPECT_DOUBLE_EQ(left.y1 - left.y0, 2500);
    EXPECT_DOUBLE_EQ(floor.x1 - floor.x0, 4000);
    EXPECT_DOUBLE_EQ(back.z1 - floor.z0, 4000);
    EXPECT_EQ(f->scene.color[2], 0x00FF00u);
    EXPECT_EQ(f->attrs.textureFile[1], "texturi/pal18_fag.bmp");
    EXPECT_EQ(f->attrs.textureRepeated[1], 1);
    EXPECT_TRUE(f->attrs.textureFile[2].empty());
}

TEST(Room, RefusedWithoutRoomOrPlace) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    RoomParams bad;
    bad.width = 100; // thinner than two walls
    EXPECT_FALSE(AddRoom(*f, bad));
    RoomParams nan;
    nan.height = std::nan("");
    EXPECT_FALSE(AddRoom(*f, nan));
    for (int i = 0; i < 197; ++i) f->scene.AddBox(i, 0, 0, 1, 1, 1);
    f->pieceNames.assign(197, "p");
    EXPECT_FALSE(AddRoom(*f, RoomParams{}));
    EXPECT_EQ(f->scene.pieceCount, 197);
    EXPECT_EQ(f->pieceNames.size(), 197u);
}
