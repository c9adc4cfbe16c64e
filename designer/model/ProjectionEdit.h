#pragma once
// Editing on the flat projection drawing: the drag of a pressed piece in whole
// steps along one screen direction, moved or resized, and the alignment of a
// selected piece's edge onto another's. No widgets.
#include "EditResult.h"
#include "Mobila.h"
#include "PieceAlign.h"
#include "PieceEdit.h"

#include <optional>
#include <string>

namespace zv {

// The model axes a view shows: 0 "Jos" (Z right, X up), 1 "Fata" (X right,
// Y up), 2 "Dreapta" (Z right, Y up).
Axis ViewHorizontalAxis(int view);
Axis ViewVerticalAxis(int view);
// The axis a drag or an alignment works on: the view's vertical axis on
// "Verticala", its horizontal one on "Orizontala".
Axis DragAxis(int view, bool vertical);

// The piece's minimum along an axis.
double PieceMinimum(const Scene3D& s, int piece, Axis axis);
double PieceExtent(const Scene3D& s, int piece, Axis axis);

// "Pas (mm):" as the drag uses it: a text that is not a number, or a step
// below 0.01 mm (0 and negatives included), counts as 1 mm.
inline constexpr double kMinDragStep = 0.01;
double DragStep(const std::optional<double>& typed);
// A mouse travel in pixels as millimetres in whole steps, halves to even.
double WholeSteps(double pixels, double scale, double step);

// A drag from the press: the travel dh (to the right) and dv (downwards on
// screen) in millimetres, already in whole steps.
struct ProjectionDragEdit {
    int piece = 0;
    int view = 1;
    bool vertical = true;                       // "Verticala"
    bool resize = false;                        // Shift held: the maximum edge follows, the minimum stays
    double hStart = 0, vStart = 0;              // the piece's minima at the press
    double widthAtPress = 0, heightAtPress = 0; // its extents on the view at the press
    double dh = 0, dv = 0;
};
// What the drag asks of the piece's axis: the new minimum (move) or the new
// size (resize; a negative size becomes positive, from the fixed minimum).
double DragTarget(const ProjectionDragEdit& d, const Scene3D& s);
// Whether the drag would change the piece at all.
bool DragChanges(const Furniture& f, const ProjectionDragEdit& d);
// "" when the drag may go ahead, or why the box it would give the piece is
// refused (LimitRefusal). A drag that changes nothing is not refused.
std::string CheckProjectionDrag(const Furniture& f, const ProjectionDragEdit& d);
EditResult ApplyProjectionDrag(Furniture& f, const ProjectionDragEdit& d);

// The tangential relation (0..11) of an alignment on an axis, from the edges
// of the selected (first) and of the other (second) piece: 0 the minimum, 1
// the maximum.
int AlignCase(Axis axis, int firstEdge, int secondEdge);
// The alignment of the selected piece onto the other, moved or, with
// `stretch`, with only its named edge moved.
TangentEdit ProjectionAlignment(int selected, int other, Axis axis, int firstEdge, int secondEdge, bool stretch);

// Whether typing `size` into a size field would change the piece (0 leaves
// the size as it is).
bool SizeChangesPiece(const Furniture& f, int piece, Axis axis, double size);

} // namespace zv
