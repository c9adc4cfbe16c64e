#include "ProjectionEdit.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace zv {

Axis ViewHorizontalAxis(int view) { return view == 1 ? Axis::X : Axis::Z; }
Axis ViewVerticalAxis(int view) { return view == 0 ? Axis::X : Axis::Y; }
Axis DragAxis(int view, bool vertical) { return vertical ? ViewVerticalAxis(view) : ViewHorizontalAxis(view); }

namespace {
void Sides(const Scene3D& s, int piece, Axis axis, double& lo, double& hi) {
    const Scene3D::Box b = s.PieceBox(piece);
    const double a = axis == Axis::X ? b.x0 : axis == Axis::Y ? b.y0 : b.z0;
    const double c = axis == Axis::X ? b.x1 : axis == Axis::Y ? b.y1 : b.z1;
    lo = std::min(a, c);
    hi = std::max(a, c);
}
void OnAxis(Axis axis, double v, double& dx, double& dy, double& dz) {
    dx = axis == Axis::X ? v : 0;
    dy = axis == Axis::Y ? v : 0;
    dz = axis == Axis::Z ? v : 0;
}
} // namespace

double PieceMinimum(const Scene3D& s, int piece, Axis axis) {
    double lo, hi;
    Sides(s, piece, axis, lo, hi);
    return lo;
}

double PieceExtent(const Scene3D& s, int piece, Axis axis) {
    double lo, hi;
    Sides(s, piece, axis, lo, hi);
    return hi - lo;
}

double DragStep(const std::optional<double>& typed) {
    // The drag divides by the step: nothing at or near 0 may reach it.
    if (!typed || !(*typed >= kMinDragStep)) return 1.0;
    return *typed;
}

double WholeSteps(double pixels, double scale, double step) {
    if (!(scale > 0) || !(step > 0)) return 0;
    return RoundEven(pixels / scale / step) * step;
}

double DragTarget(const ProjectionDragEdit& d, const Scene3D& s) {
    const Axis axis = DragAxis(d.view, d.vertical);
    // Screen y grows downwards, the model's vertical axis upwards.
    const double minimum = d.vertical ? d.vStart - d.dv : d.hStart + d.dh;
    if (!d.resize) return minimum;
    const double size = minimum - PieceMinimum(s, d.piece, axis) + (d.vertical ? d.heightAtPress : d.widthAtPress);
    return std::abs(size);
}

bool DragChanges(const Furniture& f, const ProjectionDragEdit& d) {
    if (!f.scene.ValidPiece(d.piece)) return false;
    const Axis axis = DragAxis(d.view, d.vertical);
    const double target = DragTarget(d, f.scene);
    if (!std::isfinite(target)) return false;
    if (!d.resize) return target != PieceMinimum(f.scene, d.piece, axis);
    // A size of 0 leaves the piece as it is.
    return target != 0 && target != PieceExtent(f.scene, d.piece, axis);
}

namespace {
void DragScene(Scene3D& s, const ProjectionDragEdit& d) {
    const Axis axis = DragAxis(d.view, d.vertical);
    const double target = DragTarget(d, s);
    double dx, dy, dz;
    if (d.resize) {
        OnAxis(axis, target, dx, dy, dz);
        s.SetObjectSize(d.piece, dx, dy, dz);
    } else {
        OnAxis(axis, target - PieceMinimum(s, d.piece, axis), dx, dy, dz);
        s.MoveObject(d.piece, dx, dy, dz);
    }
}
} // namespace

std::string CheckProjectionDrag(const Furniture& f, const ProjectionDragEdit& d) {
    if (!DragChanges(f, d)) return {};
    return LimitRefusal(PieceBoxAfter(f.scene, d.piece, [&](Scene3D& s) { DragScene(s, d); }));
}

EditResult ApplyProjectionDrag(Furniture& f, const ProjectionDragEdit& d) {
    if (DragChanges(f, d)) DragScene(f.scene, d);
    return {};
}

int AlignCase(Axis axis, int firstEdge, int secondEdge) {
    const bool a = firstEdge == 1, b = secondEdge == 1;
    int base = 0;
    switch (axis) {
    case Axis::X: base = 0; break;
    case Axis::Y:
        // "sus" (the maximum) comes first on Y.
        if (a == b) return a ? 4 : 5;
        return a ? 6 : 7;
    case Axis::Z: base = 8; break;
    }
    if (a == b) return base + (a ? 1 : 0);
    return base + (a ? 3 : 2);
}

TangentEdit ProjectionAlignment(int selected, int other, Axis axis, int firstEdge, int secondEdge, bool stretch) {
    return TangentEdit{selected, other, AlignCase(axis, firstEdge, secondEdge), stretch};
}

bool SizeChangesPiece(const Furniture& f, int piece, Axis axis, double size) {
    if (!f.scene.ValidPiece(piece) || !SizeAccepted(size) || size == 0) return false;
    return size != PieceExtent(f.scene, piece, axis);
}

} // namespace zv
