#include "Scene3D.h"

#include <cmath>

namespace zv {

// Box point order. Face f of a box starting at point v occupies v+4f..v+4f+3:
//   0 front  z=z0: (x0,y0) (x1,y0) (x1,y1) (x0,y1)
//   1 back   z=z1: (x0,y1) (x1,y1) (x1,y0) (x0,y0)
//   2 left   x=x0: (y0,z0) (y1,z0) (y1,z1) (y0,z1)
//   3 right  x=x1: (y0,z1) (y1,z1) (y1,z0) (y0,z0)
//   4 bottom y=y0: (x0,z0) (x0,z1) (x1,z1) (x1,z0)
//   5 top    y=y1: (x1,z0) (x1,z1) (x0,z1) (x0,z0)
namespace {
// For each face and point of a box: 1 when the point lies on the maximum side
// of the axis, 0 on the minimum side.
constexpr int kOnMaxX[6][4] = {{0, 1, 1, 0}, {0, 1, 1, 0}, {0, 0, 0, 0}, {1, 1, 1, 1}, {0, 0, 1, 1}, {1, 1, 0, 0}};
constexpr int kOnMaxY[6][4] = {{0, 0, 1, 1}, {1, 1, 0, 0}, {0, 1, 1, 0}, {0, 1, 1, 0}, {0, 0, 0, 0}, {1, 1, 1, 1}};
constexpr int kOnMaxZ[6][4] = {{0, 0, 0, 0}, {1, 1, 1, 1}, {0, 0, 1, 1}, {1, 1, 0, 0}, {0, 1, 1, 0}, {0, 1, 1, 0}};

bool InTable(int i) { return i >= 0 && i < Scene3D::kPointSlots; }
} // namespace

void Scene3D::Init() {
    observerX = 0;
    observerY = 0;
    observerZ = -500;
    screenCx = 285;
    screenCy = 160;
    pointCount = 0;
    pieceCount = 0;
    zoom = 1.0;
    current = 0;
    color.fill(kDefaultColor);
}

void Scene3D::Clear() {
    pointCount = 0;
    pieceCount = 0;
    rotX = rotY = rotZ = 0.0;
}

template <class Fn> void Scene3D::ForEachPoint(int piece, Fn fn) const {
    const int fc = faceCount[piece];
    for (int f = 0; f < fc && f < kMaxFaces; ++f) {
        const int first = faceFirst[piece][f];
        const int n = facePoints[piece][f];
        for (int k = 0; k < n; ++k)
            if (InTable(first + k)) fn(first + k);
    }
}

int Scene3D::PiecePointCount(int piece) const {
    int k = 0;
    for (int f = 0; f < faceCount[piece] && f < kMaxFaces; ++f) k += facePoints[piece][f];
    return k;
}

Scene3D::Box Scene3D::PieceBox(int piece) const {
    const int v = faceFirst[piece][0];
    if (v < 0 || v + 10 >= kPointSlots) return {0, 0, 0, 0, 0, 0};
    return {X[v], Y[v], Z[v], X[v + 1], Y[v + 2], Z[v + 10]};
}

bool Scene3D::AddBox(double x, double y, double z, double sx, double sy, double sz) {
    if (pieceCount >= kMaxPieces) return false;
    if (pointCount < 0 || pointCount + 24 > kMaxPoints) return false;
    const int n = pieceCount;
    const int v = pointCount;
    faceCount[n] = 6;
    for (int f = 0; f < 6; ++f) {
        faceFirst[n][f] = v + 4 * f;
        facePoints[n][f] = 4;
    }
    for (int f = 6; f < kMaxFaces; ++f) {
        faceFirst[n][f] = 0;
        facePoints[n][f] = 0;
    }
    const double x0 = x, y0 = y, z0 = z, x1 = x + sx, y1 = y + sy, z1 = z + sz;
    const double pts[24][3] = {
        {x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y0, z1}, {x0, y0, z1},
        {x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1}, {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x1, y1, z0}, {x1, y0, z0},
        {x0, y0, z0}, {x0, y0, z1}, {x1, y0, z1}, {x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}, {x0, y1, z0},
    };
    for (int k = 0; k < 24; ++k) {
        X[v + k] = pts[k][0];
        Y[v + k] = pts[k][1];
        Z[v + k] = pts[k][2];
    }
    pointCount += 24;
    UpdateObjectCentreUnchecked(n);
    ++pieceCount;
    UpdateModelCentre();
    return true;
}

void Scene3D::MoveObject(int piece, double dx, double dy, double dz) {
    if (!ValidPiece(piece)) return;
    // A NaN delta compares unequal to 0 but must change nothing.
    const bool mx = dx != 0.0 && !std::isnan(dx);
    const bool my = dy != 0.0 && !std::isnan(dy);
    const bool mz = dz != 0.0 && !std::isnan(dz);
    ForEachPoint(piece, [&](int i) {
        if (mx) X[i] += dx;
        if (my) Y[i] += dy;
        if (mz) Z[i] += dz;
    });
    UpdateObjectCentre(piece);
    UpdateModelCentre();
}

void Scene3D::ScaleObject(int piece, double cx, double cy, double cz, double kx, double ky, double kz) {
    if (!ValidPiece(piece)) return;
    ForEachPoint(piece, [&](int i) {
        if (kx != 1.0) X[i] = (X[i] - cx) * kx + cx;
        if (ky != 1.0) Y[i] = (Y[i] - cy) * ky + cy;
        if (kz != 1.0) Z[i] = (Z[i] - cz) * kz + cz;
    });
}

namespace {
template <class Fn> void ForBoxSide(const Scene3D& s, int piece, const int (&table)[6][4], int side, Fn fn) {
    const int fc = s.faceCount[piece] < 6 ? s.faceCount[piece] : 6;
    for (int f = 0; f < fc; ++f) {
        const int first = s.faceFirst[piece][f];
        const int n = s.facePoints[piece][f] < 4 ? s.facePoints[piece][f] : 4;
        for (int k = 0; k < n; ++k)
            if (table[f][k] == side && InTable(first + k)) fn(first + k);
    }
}
} // namespace

void Scene3D::SetObjectSize(int piece, double sx, double sy, double sz) {
    if (!ValidPiece(piece)) return;
    const int v = faceFirst[piece][0];
    if (!InTable(v)) return;
    const double bx = X[v], by = Y[v], bz = Z[v];
    if (sx != 0.0) ForBoxSide(*this, piece, kOnMaxX, 1, [&](int i) { X[i] = bx + sx; });
    if (sy != 0.0) ForBoxSide(*this, piece, kOnMaxY, 1, [&](int i) { Y[i] = by + sy; });
    if (sz != 0.0) ForBoxSide(*this, piece, kOnMaxZ, 1, [&](int i) { Z[i] = bz + sz; });
    UpdateObjectCentre(piece);
    UpdateModelCentre();
}

void Scene3D::StretchObject(bool minSide, int piece, double dx, double dy, double dz) {
    if (!ValidPiece(piece)) return;
    const int side = minSide ? 0 : 1;
    if (dx != 0.0) ForBoxSide(*this, piece, kOnMaxX, side, [&](int i) { X[i] += dx; });
    if (dy != 0.0) ForBoxSide(*this, piece, kOnMaxY, side, [&](int i) { Y[i] += dy; });
    if (dz != 0.0) ForBoxSide(*this, piece, kOnMaxZ, side, [&](int i) { Z[i] += dz; });
    UpdateObjectCentre(piece);
    UpdateModelCentre();
}

void Scene3D::DeleteObject(int piece) {
    if (pieceCount <= 0) return;
    if (!ValidPiece(piece)) return;
    const int k = PiecePointCount(piece);
    const int s = faceFirst[piece][0];
    if (s < 0 || s + k > pointCount || k < 0) return;
    for (int i = s; i + k < pointCount; ++i) {
        X[i] = X[i + k];
        Y[i] = Y[i + k];
        Z[i] = Z[i + k];
    }
    for (int j = piece + 1; j < pieceCount; ++j) {
        color[j - 1] = color[j];
        faceCount[j - 1] = faceCount[j];
        for (int f = 0; f < kMaxFaces; ++f) {
            faceFirst[j - 1][f] = f < faceCount[j] ? faceFirst[j][f] - k : faceFirst[j][f];
            facePoints[j - 1][f] = facePoints[j][f];
        }
    }
    pointCount -= k;
    --pieceCount;
    for (int j = 0; j < pieceCount; ++j) UpdateObjectCentre(j);
    UpdateModelCentre();
    current = 0;
}

void Scene3D::UpdateObjectCentreUnchecked(int piece) {
    double sx = 0, sy = 0, sz = 0;
    int n = 0;
    ForEachPoint(piece, [&](int i) {
        sx += X[i];
        sy += Y[i];
        sz += Z[i];
        ++n;
    });
    if (n == 0) {
        pieceCx[piece] = pieceCy[piece] = pieceCz[piece] = 0.0;
        return;
    }
    pieceCx[piece] = sx / n;
    pieceCy[piece] = sy / n;
    pieceCz[piece] = sz / n;
}

void Scene3D::UpdateObjectCentre(int piece) {
    if (!ValidPiece(piece)) return;
    UpdateObjectCentreUnchecked(piece);
}

void Scene3D::UpdateModelCentre() {
    if (pointCount <= 0) return;
    const int n = pointCount < kPointSlots ? pointCount : kPointSlots;
    modelCx = MidRange(n, X.data());
    modelCy = MidRange(n, Y.data());
    modelCz = MidRange(n, Z.data());
}

double Scene3D::MidRange(int n, const double* values) {
    if (n <= 0) return 0.0;
    double mn = values[0], mx = values[0];
    for (int i = 1; i < n; ++i) {
        if (values[i] > mx)
            mx = values[i];
        else if (values[i] < mn)
            mn = values[i];
    }
    return (mn + mx) / 2;
}

double Scene3D::Extent(const std::array<double, kPointSlots>& t, bool max) const {
    double r = t[0];
    const int n = pointCount < kPointSlots ? pointCount : kPointSlots;
    for (int i = 1; i < n; ++i) {
        if (max ? t[i] > r : t[i] < r) r = t[i];
    }
    return r;
}

void Scene3D::RotatePair(double& a, double& b, double cos, double sin) {
    const double na = a * cos - b * sin;
    const double nb = a * sin + b * cos;
    a = na;
    b = nb;
}

void Scene3D::RotateAround(double& x, double& y, double cos, double sin, double cx, double cy) {
    const double dx = x - cx, dy = y - cy;
    x = dx * cos - dy * sin + cx;
    y = dx * sin + dy * cos + cy;
}

double Scene3D::DepthKey(int piece, double cosX, double sinX, double cosY, double sinY) const {
    double key = -100000.0;
    if (!ValidPiece(piece)) return key;
    ForEachPoint(piece, [&](int i) {
        double x = X[i] - modelCx, y = Y[i] - modelCy, z = Z[i] - modelCz;
        RotatePair(y, z, cosX, sinX);
        RotatePair(z, x, cosY, sinY);
        if (z > key) key = z;
    });
    return key;
}

} // namespace zv
