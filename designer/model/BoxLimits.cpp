#include "BoxLimits.h"

#include <algorithm>
#include <cmath>

namespace zv {

bool SizeAccepted(double v) { return std::isfinite(v) && v >= 0 && v <= kMaxFieldMillimetres; }

bool PositionAccepted(double v) { return std::isfinite(v) && std::abs(v) <= kMaxFieldMillimetres; }

std::string FieldRefusalMessage(const std::string& label, const std::string& why) {
    return "Valoare invalida in campul \"" + label + "\": " + why + ".";
}

bool SpanWithinLimits(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b)) return false;
    const double lo = std::min(a, b), size = std::max(a, b) - lo;
    return PositionAccepted(lo) && size > 0 && size <= kMaxFieldMillimetres;
}

bool BoxWithinLimits(const Scene3D::Box& b) {
    return SpanWithinLimits(b.x0, b.x1) && SpanWithinLimits(b.y0, b.y1) && SpanWithinLimits(b.z0, b.z1);
}

bool PieceWithinLimits(const Scene3D& s, int piece) {
    return s.ValidPiece(piece) && BoxWithinLimits(s.PieceBox(piece));
}

bool PiecesWithinLimits(const Scene3D& s, int first, int count) {
    const int end = std::min(first + count, std::min(s.pieceCount, Scene3D::kMaxPieces));
    for (int i = std::max(first, 0); i < end; ++i) {
        if (!PieceWithinLimits(s, i)) return false;
    }
    return true;
}

int AxisOutOfLimits(const Scene3D& s, int first, int count) {
    const int end = std::min(first + count, std::min(s.pieceCount, Scene3D::kMaxPieces));
    for (int i = std::max(first, 0); i < end; ++i) {
        const Scene3D::Box b = s.PieceBox(i);
        if (!SpanWithinLimits(b.x0, b.x1)) return 0;
        if (!SpanWithinLimits(b.y0, b.y1)) return 1;
        if (!SpanWithinLimits(b.z0, b.z1)) return 2;
    }
    return -1;
}

bool SceneWithinLimits(const Scene3D& s) { return PiecesWithinLimits(s, 0, s.pieceCount); }

} // namespace zv
