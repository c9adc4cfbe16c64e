#pragma once
// A room around the furniture: a floor and three walls added as pieces, so
// the furniture can be seen where it will stand.
#include "BoxLimits.h"
#include "EditResult.h"
#include "Mobila.h"

#include <string>

namespace zv {

struct RoomSurface {
    std::uint32_t color = 0xC0C0C0; // silver, red in the low byte
    std::string texture;            // empty: drawn in its colour
    bool textureRotated = false;
    bool textureRepeated = false;
};

struct RoomParams {
    double width = 4000, height = 2500, depth = 4000; // outside sizes, walls included
    double wall = 55;                                 // wall and floor thickness
    double left = 0, bottom = 0, back = 55;           // furniture from the left wall, the floor, the back wall
    RoomSurface walls, floor;
};

// The room's pieces are told from the furniture's by their names, which only
// the room gives; the furniture file stays as it is.
inline constexpr int kRoomPieces = 4;
extern const char* const kRoomPieceNames[kRoomPieces];
bool IsRoomPiece(const Furniture& f, int piece);

// The furniture's own extent along X, without the room's pieces; false when
// it has no piece of its own.
bool FurnitureExtentX(const Furniture& f, double& minX, double& maxX);

// "Stanga:" for a preset of the room dialog: 1 centred between the walls,
// 2 at the left, 3 at the right; 0 keeps `current`. The furniture's X extent
// is its own, not the room's.
double RoomPresetLeft(int preset, double minX, double maxX, double roomWidth, double wall, double current);

// The room dialog's fields, in the order they are read.
enum class RoomField { Width, Height, Depth, Wall, Left, Bottom, Back };
inline constexpr int kRoomFields = 7;
// Their labels, as the dialog shows them.
extern const char* const kRoomFieldLabels[kRoomFields];

// Checks the sizes and positions: each size above 0 and at most the limit of
// every box, each position within it, the walls leaving room inside, and the
// room's boxes, as the scene would store them around this furniture, within
// the limit. The tables are not looked at. The field is a RoomField.
FieldRefusal CheckRoom(const Furniture& f, const RoomParams& p);

// Whether CheckRoom accepts the sizes and the tables have place for the
// room's pieces once the room made before is taken away.
bool RoomFits(const Furniture& f, const RoomParams& p);

// Takes away the pieces of the room made before; the current piece stays the
// same piece when it is the furniture's, else becomes the first. The number
// of pieces taken away.
int RemoveRoom(Furniture& f);

// Replaces the room made before by a floor and the left, right and back walls
// around the furniture's own pieces. Nothing changes (no new pieces) when the
// sizes make no room or the tables have no place for it. The new pieces are
// the last four.
EditResult AddRoom(Furniture& f, const RoomParams& p);

} // namespace zv
