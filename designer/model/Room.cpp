#include "Room.h"
#include "BoxLimits.h"
#include "PieceTables.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace zv {

const char* const kRoomPieceNames[kRoomPieces] = {"Pardoseala", "Perete stanga", "Perete dreapta", "Perete spate"};
const char* const kRoomFieldLabels[kRoomFields] = {
    "Latime:", "Inaltime:", "Adancime:", "Gros pereti:", "Stanga:", "Jos:", "Spate:"};

bool IsRoomPiece(const Furniture& f, int piece) {
    if (piece < 0 || static_cast<std::size_t>(piece) >= f.pieceNames.size()) return false;
    const std::string& name = f.pieceNames[static_cast<std::size_t>(piece)];
    for (const char* n : kRoomPieceNames)
        if (name == n) return true;
    return false;
}

bool FurnitureExtentX(const Furniture& f, double& minX, double& maxX) {
    const Scene3D& s = f.scene;
    bool any = false;
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (int p = 0; p < s.pieceCount && p < kMaxPieces; ++p) {
        if (IsRoomPiece(f, p)) continue;
        const int first = s.PieceFirstPoint(p), count = s.PiecePointCount(p);
        for (int i = first; i < first + count; ++i) {
            if (i < 0 || i >= Scene3D::kPointSlots) break;
            lo = std::min(lo, s.X[static_cast<std::size_t>(i)]);
            hi = std::max(hi, s.X[static_cast<std::size_t>(i)]);
            any = true;
        }
    }
    if (any) {
        minX = lo;
        maxX = hi;
    }
    return any;
}

double RoomPresetLeft(int preset, double minX, double maxX, double roomWidth, double wall, double current) {
    // The space between the walls less the furniture's width.
    const double free = minX + roomWidth - maxX - 2 * wall;
    switch (preset) {
    case 1: return free / 2;
    case 2: return 40;
    case 3: return free - 40;
    default: return current;
    }
}

namespace {
int RoomPieceCount(const Furniture& f) {
    int n = 0;
    for (int p = 0; p < f.scene.pieceCount && p < kMaxPieces; ++p) n += IsRoomPiece(f, p) ? 1 : 0;
    return n;
}

int RoomPointCount(const Furniture& f) {
    int n = 0;
    for (int p = 0; p < f.scene.pieceCount && p < kMaxPieces; ++p)
        if (IsRoomPiece(f, p)) n += f.scene.PiecePointCount(p);
    return n;
}

// The furniture's own extents that the room is placed from; 0 without pieces.
struct Anchor {
    double minX = 0, minY = 0, maxZ = 0;
};
Anchor FurnitureAnchor(const Furniture& f) {
    const Scene3D& s = f.scene;
    if (s.pieceCount == 0 || s.pointCount == 0) return {};
    return {s.MinX(), s.MinY(), s.MaxZ()};
}

// The floor and the three walls around the furniture's pieces (the room made
// before already taken away); the tables must have place for them.
void AppendRoomBoxes(Furniture& f, const RoomParams& p) {
    const double innerW = p.width - 2 * p.wall, innerD = p.depth - p.wall;
    const Anchor a = FurnitureAnchor(f);
    const double xl = a.minX - p.left;   // inner face of the left wall
    const double yf = a.minY - p.bottom; // top of the floor
    const double zb = a.maxZ + p.back;   // inner face of the back wall
    const double t = p.wall;
    struct Box {
        double x, y, z, sx, sy, sz;
        const RoomSurface* surface;
    };
    const Box boxes[kRoomPieces] = {
        {xl - t, yf - t, zb - innerD, innerW + 2 * t, t, innerD + t, &p.floor},
        {xl - t, yf, zb - innerD, t, p.height, innerD, &p.walls},
        {xl + innerW, yf, zb - innerD, t, p.height, innerD, &p.walls},
        {xl - t, yf, zb, innerW + 2 * t, p.height, t, &p.walls},
    };
    for (int k = 0; k < kRoomPieces; ++k) {
        const Box& b = boxes[k];
        const int i = AddPiece(f, PieceBox{b.x, b.y, b.z, b.sx, b.sy, b.sz}, b.surface->color & 0xFFFFFF,
                               kRoomPieceNames[k])
                          .firstNewPiece;
        auto& at = f.attrs;
        at.textureFile[i] = b.surface->texture;
        at.textureRotated[i] = b.surface->textureRotated ? 1 : 0;
        at.textureRepeated[i] = b.surface->textureRepeated ? 1 : 0;
    }
}

bool HasPlace(const Furniture& f) {
    const Scene3D& s = f.scene;
    const int pieces = s.pieceCount - RoomPieceCount(f);
    const int points = s.pointCount - RoomPointCount(f);
    return pieces + kRoomPieces <= Scene3D::kMaxPieces && points + 24 * kRoomPieces <= Scene3D::kMaxPoints;
}

FieldRefusal Refused(RoomField field, const char* why) {
    const int i = static_cast<int>(field);
    return {i, FieldRefusalMessage(kRoomFieldLabels[i], why)};
}
} // namespace

FieldRefusal CheckRoom(const Furniture& f, const RoomParams& p) {
    const double sizes[] = {p.width, p.height, p.depth, p.wall};
    for (int i = 0; i < 4; ++i)
        if (!SizeAccepted(sizes[i]) || sizes[i] == 0) return Refused(static_cast<RoomField>(i), kSizeOutOfLimits);
    const double positions[] = {p.left, p.bottom, p.back};
    for (int i = 0; i < 3; ++i)
        if (!PositionAccepted(positions[i])) return Refused(static_cast<RoomField>(4 + i), kPositionOutOfLimits);
    if (p.width - 2 * p.wall <= 0) return Refused(RoomField::Width, "camera trebuie sa fie mai lata decat doi pereti");
    if (p.depth - p.wall <= 0) return Refused(RoomField::Depth, "camera trebuie sa fie mai adanca decat un perete");
    if (!HasPlace(f)) return {}; // the tables refuse it; no boxes to look at
    // The boxes as the scene would store them around this furniture; the
    // position field of the axis they leave the limit on is the one to change.
    const auto scratch = std::make_unique<Furniture>(f);
    RemoveRoom(*scratch);
    const int first = scratch->scene.pieceCount;
    AppendRoomBoxes(*scratch, p);
    if (const int axis = AxisOutOfLimits(scratch->scene, first, kRoomPieces); axis >= 0)
        return Refused(axis == 0   ? RoomField::Left
                       : axis == 1 ? RoomField::Bottom
                                   : RoomField::Back,
                       "camera ar iesi din limita de 1000000 mm fata de origine");
    return {};
}

bool RoomFits(const Furniture& f, const RoomParams& p) { return HasPlace(f) && CheckRoom(f, p).message.empty(); }

int RemoveRoom(Furniture& f) {
    Scene3D& s = f.scene;
    int current = s.current;
    int removed = 0;
    for (int p = std::min(s.pieceCount, kMaxPieces) - 1; p >= 0; --p) {
        if (!IsRoomPiece(f, p)) continue;
        if (current == p)
            current = -1;
        else if (current > p)
            --current;
        DeletePiece(f, p);
        ++removed;
    }
    if (removed) s.current = s.ValidPiece(current) ? current : 0;
    return removed;
}

EditResult AddRoom(Furniture& f, const RoomParams& p) {
    if (!RoomFits(f, p)) return {};
    RemoveRoom(f);
    const int first = f.scene.pieceCount;
    AppendRoomBoxes(f, p);
    EditResult r;
    r.firstNewPiece = first;
    r.newPieces = kRoomPieces;
    r.extentsChanged = true;
    return r;
}

} // namespace zv
