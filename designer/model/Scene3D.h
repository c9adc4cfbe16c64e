#pragma once
// The geometric store of the furniture: every corner point of every piece,
// the pieces as runs of faces, colours, centres and the view state that both
// 3D renderers read. A plain value with fixed tables: copying it is the undo.
#include <array>
#include <cstdint>

namespace zv {

class Scene3D {
public:
    static constexpr int kMaxPieces = 200;
    static constexpr int kPointSlots = 4801;
    static constexpr int kMaxPoints = 4800;
    static constexpr int kMaxFaces = 11;
    static constexpr std::uint32_t kDefaultColor = 140 | (140 << 8) | (140 << 16);

    // --- fields, in the order of the record ---
    std::int32_t observerX = 0, observerY = 0, observerZ = 0;
    std::int32_t screenCx = 0, screenCy = 0;
    std::int32_t pointCount = 0;
    std::array<double, kPointSlots> X{}, Y{}, Z{};
    std::int32_t pieceCount = 0;
    double modelCx = 0, modelCy = 0, modelCz = 0;
    std::array<std::int32_t, kMaxPieces> faceCount{};
    std::array<std::array<std::int32_t, kMaxFaces>, kMaxPieces> faceFirst{};
    std::array<std::array<std::int32_t, kMaxFaces>, kMaxPieces> facePoints{};
    std::array<double, kMaxPieces> pieceCx{}, pieceCy{}, pieceCz{};
    std::array<std::int32_t, kMaxPieces> drawOrder{};
    std::array<std::uint32_t, kMaxPieces> color{};
    double panX = 0, panY = 0, panZ = 0;
    double zoom = 0;
    double miniScale = 0;
    double rotX = 0, rotY = 0, rotZ = 0;
    std::int32_t current = 0;
    std::uint8_t currentFillStyle = 0;

    // --- operations ---
    void Init();
    void Clear();
    void SetObserver(int x, int y, int z) {
        observerX = x;
        observerY = y;
        observerZ = z;
    }
    int ObserverX() const { return observerX; }
    int ObserverY() const { return observerY; }
    int ObserverZ() const { return observerZ; }

    // Appends a box (minimum corner, sizes) as the last piece; nothing at the
    // piece or point limit. Colour slot and current piece are the caller's.
    bool AddBox(double x, double y, double z, double sx, double sy, double sz);
    void MoveObject(int piece, double dx, double dy, double dz);
    void ScaleObject(int piece, double cx, double cy, double cz, double kx, double ky, double kz);
    void SetObjectSize(int piece, double sx, double sy, double sz);
    void StretchObject(bool minSide, int piece, double dx, double dy, double dz);
    void DeleteObject(int piece);
    void UpdateObjectCentre(int piece);
    void UpdateModelCentre();
    static double MidRange(int n, const double* values);

    double MaxX() const { return Extent(X, true); }
    double MaxY() const { return Extent(Y, true); }
    double MaxZ() const { return Extent(Z, true); }
    double MinX() const { return Extent(X, false); }
    double MinY() const { return Extent(Y, false); }
    double MinZ() const { return Extent(Z, false); }

    static void RotatePair(double& a, double& b, double cos, double sin);
    static void RotateAround(double& x, double& y, double cos, double sin, double cx, double cy);
    double DepthKey(int piece, double cosX, double sinX, double cosY, double sinY) const;

    // A piece index the tables can take (0..pieceCount-1).
    bool ValidPiece(int piece) const { return piece >= 0 && piece < pieceCount && piece < kMaxPieces; }
    // First point of a piece's run (face 0), and the number of points it holds.
    int PieceFirstPoint(int piece) const { return faceFirst[piece][0]; }
    int PiecePointCount(int piece) const;

    // Box reading by the fixed point order (see the table in Scene3D.cpp).
    struct Box {
        double x0, y0, z0, x1, y1, z1;
    };
    Box PieceBox(int piece) const;

    // Every field and every table slot, in use or not (NaN never gets into the tables).
    bool operator==(const Scene3D&) const = default;

private:
    double Extent(const std::array<double, kPointSlots>& t, bool max) const;
    void UpdateObjectCentreUnchecked(int piece);
    // Calls fn(pointIndex) for every point of every face of the piece, with
    // indices kept inside the point tables.
    template <class Fn> void ForEachPoint(int piece, Fn fn) const;
};

} // namespace zv
