#include "PieceAlign.h"

#include <cmath>

namespace zv {

namespace {

double Lo(const Scene3D::Box& b, Axis a) { return a == Axis::X ? b.x0 : a == Axis::Y ? b.y0 : b.z0; }
double Hi(const Scene3D::Box& b, Axis a) { return a == Axis::X ? b.x1 : a == Axis::Y ? b.y1 : b.z1; }

void Delta(Axis a, double d, double& dx, double& dy, double& dz) {
    dx = a == Axis::X ? d : 0;
    dy = a == Axis::Y ? d : 0;
    dz = a == Axis::Z ? d : 0;
}

void StepScene(Scene3D& sc, const PieceStep& s) {
    double dx, dy, dz;
    Delta(s.axis, s.delta, dx, dy, dz);
    if (s.stretch)
        sc.StretchObject(false, s.piece, dx, dy, dz);
    else
        sc.MoveObject(s.piece, dx, dy, dz);
}

} // namespace

std::string LimitRefusal(const Scene3D::Box& b) {
    bool position = true, size = true;
    for (int k = 0; k < 3; ++k) {
        const Axis a = static_cast<Axis>(k);
        const double extent = Hi(b, a) - Lo(b, a);
        if (!(extent > 0)) return kSizeWouldVanish;
        position = position && PositionAccepted(Lo(b, a));
        size = size && extent <= kMaxFieldMillimetres;
    }
    if (!position) return kPiecePositionRefused;
    return size ? std::string() : kPieceSizeRefused;
}

std::string CheckStepPiece(const Furniture& f, const PieceStep& s) {
    if (!PositionAccepted(s.delta)) return kStepRefused;
    if (!f.scene.ValidPiece(s.piece)) return {};
    return LimitRefusal(PieceBoxAfter(f.scene, s.piece, [&](Scene3D& sc) { StepScene(sc, s); }));
}

EditResult StepPiece(Furniture& f, const PieceStep& s) {
    if (f.scene.ValidPiece(s.piece)) StepScene(f.scene, s);
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

namespace {
void AlignScene(Scene3D& s, const TangentEdit& t) {
    const TangentRow r = TangentRelation(t.relation);
    double dx, dy, dz;
    Delta(r.axis, TangentDelta(s, t.current, t.other, t.relation), dx, dy, dz);
    if (t.stretch)
        s.StretchObject(r.currentMin, t.current, dx, dy, dz);
    else
        s.MoveObject(t.current, dx, dy, dz);
}
} // namespace

std::string CheckTangent(const Furniture& f, const TangentEdit& t) {
    // Another piece outside the furniture is refused like the same piece.
    if (t.other == t.current || !f.scene.ValidPiece(t.other)) return kSamePieceTangent;
    if (!f.scene.ValidPiece(t.current) || t.relation < 0 || t.relation >= kTangentRelations) return {};
    return LimitRefusal(PieceBoxAfter(f.scene, t.current, [&](Scene3D& sc) { AlignScene(sc, t); }));
}

EditResult AlignTangent(Furniture& f, const TangentEdit& t) {
    if (!f.scene.ValidPiece(t.current) || !f.scene.ValidPiece(t.other) || t.relation < 0 ||
        t.relation >= kTangentRelations)
        return {};
    AlignScene(f.scene, t);
    return {};
}

namespace {
void ShrinkScene(Scene3D& s, const ShrinkEdit& e) {
    const double v = e.value;
    // Sides in the order the dialog lists them.
    if (e.left) s.StretchObject(true, e.piece, v, 0, 0);
    if (e.right) s.StretchObject(false, e.piece, -v, 0, 0);
    if (e.top) s.StretchObject(false, e.piece, 0, -v, 0);
    if (e.bottom) s.StretchObject(true, e.piece, 0, v, 0);
    if (e.front) s.StretchObject(true, e.piece, 0, 0, v);
    if (e.back) s.StretchObject(false, e.piece, 0, 0, -v);
}
} // namespace

std::string CheckShrink(const Furniture& f, const ShrinkEdit& e) {
    if (!PositionAccepted(e.value)) return kShrinkInvalid;
    if (!f.scene.ValidPiece(e.piece)) return {};
    return LimitRefusal(PieceBoxAfter(f.scene, e.piece, [&](Scene3D& sc) { ShrinkScene(sc, e); }));
}

EditResult ShrinkPiece(Furniture& f, const ShrinkEdit& e) {
    if (f.scene.ValidPiece(e.piece)) ShrinkScene(f.scene, e);
    return {};
}

} // namespace zv
