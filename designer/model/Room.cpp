#include "Room.h"

#include <cmath>

namespace zv {

const char* const kRoomPieceNames[kRoomPieces] = {"Pardoseala", "Perete stanga", "Perete dreapta", "Perete spate"};

double RoomPresetLeft(int preset, double minX, double maxX, double roomWidth, double wall, double current) {
    switch (preset) {
    case 1: return (minX + roomWidth - maxX) / 2;
    case 2: return 40;
    case 3: return minX + roomWidth - maxX - 2 * wall - 40;
    default: return current;
    }
}

bool RoomFits(const Furniture& f, const RoomParams& p) {
    const Scene3D& s = f.scene;
    const double vals[] = {p.width, p.height, p.depth, p.wall, p.left, p.bottom, p.back};
    for (double v : vals)
        if (!std::isfinite(v)) return false;
    if (p.wall <= 0 || p.width - 2 * p.wall <= 0 || p.depth - p.wall <= 0 || p.height <= 0) return false;
    return s.pieceCount + kRoomPieces <= Scene3D::kMaxPieces && s.pointCount + 24 * kRoomPieces <= Scene3D::kMaxPoints;
}

bool AddRoom(Furniture& f, const RoomParams& p) {
    if (!RoomFits(f, p)) return false;
    Scene3D& s = f.scene;
    const double innerW = p.width - 2 * p.wall, innerD = p.depth - p.wall;
    const bool empty = s.pieceCount == 0;
    const double minX = empty ? 0 : s.MinX(), minY = empty ? 0 : s.MinY(), maxZ = empty ? 0 : s.MaxZ();
    const double xl = minX - p.left;   // inner face of the left wall
    const double yf = minY - p.bottom; // top of the floor
    const double zb = maxZ + p.back;   // inner face of the back wall
    const double t = p.wall;
    struct Box { double x, y, z, sx, sy, sz; const RoomSurface* surface; };
    const Box boxes[kRoomPieces] = {
        {xl - t, yf - t, zb - innerD, innerW + 2 * t, t, innerD + t, &p.floor},
        {xl - t, yf, zb - innerD, t, p.height, innerD, &p.walls},
        {xl + innerW, yf, zb - innerD, t, p.height, innerD, &p.walls},
        {xl - t, yf, zb, innerW + 2 * t, p.height, t, &p.walls},
    };
    for (int k = 0; k < kRoomPieces; ++k) {
        const Box& b = boxes[k];
        const int i = s.pieceCount;
        s.AddBox(b.x, b.y, b.z, b.sx, b.sy, b.sz);
        s.color[i] = b.surface->color & 0xFFFFFF;
        f.pieceNames.resize(static_cast<std::size_t>(i));
        f.pieceNames.push_back(kRoomPieceNames[k]);
        auto& a = f.attrs;
        a.edgeBand[i] = 0;
        a.materialCode[i].clear();
        a.hardware[i].Clear();
        a.modelFile[i].clear();
        a.modelFace[i] = a.modelRotation[i] = a.modelMirror[i] = 0;
        a.textureFile[i] = b.surface->texture;
        a.textureRotated[i] = b.surface->textureRotated ? 1 : 0;
        a.textureRepeated[i] = b.surface->textureRepeated ? 1 : 0;
        a.textureIndex[i] = -1;
    }
    return true;
}

} // namespace zv
