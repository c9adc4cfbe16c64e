#include "PieceAlign.h"

#include <cmath>

namespace zv {

namespace {

double Lo(const Scene3D::Box& b, Axis a) { return a == Axis::X ? b.x0 : a == Axis::Y ? b.y0 : b.z0; }
double Hi(const Scene3D::Box& b, Axis a) { return a == Axis::X ? b.x1 : a == Axis::Y ? b.y1 : b.z1; }

// The box's sizes after moving the min and max sides of each axis by the
// given amounts must all stay above 0.
struct SideMoves {
    double lo[3] = {0, 0, 0}, hi[3] = {0, 0, 0};
};
bool SizesStayPositive(const Scene3D::Box& b, const SideMoves& m) {
    for (int k = 0; k < 3; ++k) {
        const Axis a = static_cast<Axis>(k);
        const double size = (Hi(b, a) + m.hi[k]) - (Lo(b, a) + m.lo[k]);
        if (!(size > 0)) return false;
    }
    return true;
}

void Delta(Axis a, double d, double& dx, double& dy, double& dz) {
    dx = a == Axis::X ? d : 0;
    dy = a == Axis::Y ? d : 0;
    dz = a == Axis::Z ? d : 0;
}

} // namespace

std::string CheckStepPiece(const Furniture& f, const PieceStep& s) {
    if (!PositionAccepted(s.delta)) return kStepRefused;
    if (!f.scene.ValidPiece(s.piece) || !s.stretch) return {};
    SideMoves m;
    m.hi[static_cast<int>(s.axis)] = s.delta;
    return SizesStayPositive(f.scene.PieceBox(s.piece), m) ? std::string() : kSizeWouldVanish;
}

EditResult StepPiece(Furniture& f, const PieceStep& s) {
    if (!f.scene.ValidPiece(s.piece)) return {};
    double dx, dy, dz;
    Delta(s.axis, s.delta, dx, dy, dz);
    if (s.stretch)
        f.scene.StretchObject(false, s.piece, dx, dy, dz);
    else
        f.scene.MoveObject(s.piece, dx, dy, dz);
    return {};
}

const char* const kTangentRelationNames[kTangentRelations] = {
    "stanga-stanga", "dreapta-dreapta", "stanga-dreapta", "dreapta-stanga", "sus-sus",    "jos-jos",
    "sus-jos",       "jos-sus",         "fata-fata",      "spate-spate",    "fata-spate", "spate-fata"};

TangentRow TangentRelation(int relation) {
    // Per axis: min-min, max-max, min-max, max-min; Y lists "sus" (max) first.
    static const TangentRow rows[kTangentRelations] = {
        {Axis::X, true, true},   {Axis::X, false, false}, {Axis::X, true, false}, {Axis::X, false, true},
        {Axis::Y, false, false}, {Axis::Y, true, true},   {Axis::Y, false, true}, {Axis::Y, true, false},
        {Axis::Z, true, true},   {Axis::Z, false, false}, {Axis::Z, true, false}, {Axis::Z, false, true}};
    if (relation < 0 || relation >= kTangentRelations) return rows[0];
    return rows[relation];
}

double TangentDelta(const Scene3D& s, int current, int other, int relation) {
    if (!s.ValidPiece(current) || !s.ValidPiece(other) || relation < 0 || relation >= kTangentRelations) return 0;
    const TangentRow r = TangentRelation(relation);
    const Scene3D::Box c = s.PieceBox(current), o = s.PieceBox(other);
    const double target = r.otherMin ? Lo(o, r.axis) : Hi(o, r.axis);
    const double from = r.currentMin ? Lo(c, r.axis) : Hi(c, r.axis);
    return target - from;
}

std::string CheckTangent(const Furniture& f, const TangentEdit& t) {
    // Another piece outside the furniture is refused like the same piece.
    if (t.other == t.current || !f.scene.ValidPiece(t.other)) return kSamePieceTangent;
    if (!f.scene.ValidPiece(t.current) || !t.stretch) return {};
    const TangentRow r = TangentRelation(t.relation);
    SideMoves m;
    const double d = TangentDelta(f.scene, t.current, t.other, t.relation);
    (r.currentMin ? m.lo : m.hi)[static_cast<int>(r.axis)] = d;
    return SizesStayPositive(f.scene.PieceBox(t.current), m) ? std::string() : kSizeWouldVanish;
}

EditResult AlignTangent(Furniture& f, const TangentEdit& t) {
    if (!f.scene.ValidPiece(t.current) || !f.scene.ValidPiece(t.other) || t.relation < 0 ||
        t.relation >= kTangentRelations)
        return {};
    const TangentRow r = TangentRelation(t.relation);
    double dx, dy, dz;
    Delta(r.axis, TangentDelta(f.scene, t.current, t.other, t.relation), dx, dy, dz);
    if (t.stretch)
        f.scene.StretchObject(r.currentMin, t.current, dx, dy, dz);
    else
        f.scene.MoveObject(t.current, dx, dy, dz);
    return {};
}

namespace {
SideMoves ShrinkMoves(const ShrinkEdit& e) {
    SideMoves m;
    const double v = e.value;
    if (e.left) m.lo[0] += v;
    if (e.right) m.hi[0] -= v;
    if (e.top) m.hi[1] -= v;
    if (e.bottom) m.lo[1] += v;
    if (e.front) m.lo[2] += v;
    if (e.back) m.hi[2] -= v;
    return m;
}
} // namespace

std::string CheckShrink(const Furniture& f, const ShrinkEdit& e) {
    if (!PositionAccepted(e.value)) return kShrinkInvalid;
    if (!f.scene.ValidPiece(e.piece)) return {};
    return SizesStayPositive(f.scene.PieceBox(e.piece), ShrinkMoves(e)) ? std::string() : kSizeWouldVanish;
}

EditResult ShrinkPiece(Furniture& f, const ShrinkEdit& e) {
    if (!f.scene.ValidPiece(e.piece)) return {};
    const double v = e.value;
    Scene3D& s = f.scene;
    // Sides in the order the dialog lists them.
    if (e.left) s.StretchObject(true, e.piece, v, 0, 0);
    if (e.right) s.StretchObject(false, e.piece, -v, 0, 0);
    if (e.top) s.StretchObject(false, e.piece, 0, -v, 0);
    if (e.bottom) s.StretchObject(true, e.piece, 0, v, 0);
    if (e.front) s.StretchObject(true, e.piece, 0, 0, v);
    if (e.back) s.StretchObject(false, e.piece, 0, 0, -v);
    return {};
}

} // namespace zv
