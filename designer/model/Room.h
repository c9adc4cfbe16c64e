#pragma once
// A room around the furniture: a floor and three walls added as pieces, so
// the furniture can be seen where it will stand.
#include "Mobila.h"

#include <string>

namespace zv {

struct RoomSurface {
    std::uint32_t color = 0xC0C0C0; // silver, red in the low byte
    std::string texture; // empty: drawn in its colour
    bool textureRotated = false;
    bool textureRepeated = false;
};

struct RoomParams {
    double width = 4000, height = 2500, depth = 4000; // outside sizes, walls included
    double wall = 55;                                // wall and floor thickness
    double left = 0, bottom = 0, back = 55;          // furniture from the left wall, the floor, the back wall
    RoomSurface walls, floor;
};

inline constexpr int kRoomPieces = 4;
extern const char* const kRoomPieceNames[kRoomPieces];

// "Stanga:" for a preset of the room dialog: 1 centred at the back, 2 at the
// left, 3 at the right; the furniture's X extent from the scene.
double RoomPresetLeft(int preset, double minX, double maxX, double roomWidth, double wall, double current);

// Whether the sizes make a room and the tables have place for its pieces.
bool RoomFits(const Furniture& f, const RoomParams& p);

// Adds the floor and the left, right and back walls behind the furniture's
// pieces. False, changing nothing, when the sizes make no room or the piece
// tables have no place for four more pieces.
bool AddRoom(Furniture& f, const RoomParams& p);

} // namespace zv
