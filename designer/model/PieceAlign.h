#pragma once
// Moving and stretching the current piece: the arrow steps, the twelve
// tangential relations between two pieces and the shrink all round. No
// widgets. Each Check* returns "" when the edit may go ahead, or the message
// that refuses it (before any undo snapshot), the box it would store checked
// against the limit; each edit leaves the furniture alone when a piece index
// is not one of its pieces.
#include "EditResult.h"
#include "Mobila.h"
#include "PieceEdit.h"

#include <string>

namespace zv {

// Why a piece may not take the box it would get from one of these edits, or
// "" when the box keeps the limit: a size of 0 or less first, then a position
// past the limit, then a size past it.
std::string LimitRefusal(const Scene3D::Box& b);

// One press of an arrow: `delta` mm along the axis; a stretch moves the
// maximum side, a move the whole piece.
struct PieceStep {
    int piece = 0;
    Axis axis = Axis::X;
    double delta = 0;
    bool stretch = false;
};
std::string CheckStepPiece(const Furniture& f, const PieceStep& s);
EditResult StepPiece(Furniture& f, const PieceStep& s);

// The relations in the order of the tangential list: the first word names
// the face of the current piece, the second that of the other piece.
inline constexpr int kTangentRelations = 12;
extern const char* const kTangentRelationNames[kTangentRelations];
struct TangentRow {
    Axis axis;
    bool currentMin; // the current piece's face is its minimum side
    bool otherMin;   // the other piece's face is its minimum side
};
TangentRow TangentRelation(int relation);
// How far the current piece's named face must travel (0 for a bad index).
double TangentDelta(const Scene3D& s, int current, int other, int relation);
struct TangentEdit {
    int current = 0, other = 0, relation = 0;
    bool stretch = false; // only the named face moves
};
std::string CheckTangent(const Furniture& f, const TangentEdit& t);
EditResult AlignTangent(Furniture& f, const TangentEdit& t);

// The sides moved inwards by `value` mm (outwards when negative).
struct ShrinkEdit {
    int piece = 0;
    bool left = true, right = true, top = true, bottom = true, front = false, back = false;
    double value = 2;
};
std::string CheckShrink(const Furniture& f, const ShrinkEdit& e);
EditResult ShrinkPiece(Furniture& f, const ShrinkEdit& e);

// Messages.
inline constexpr const char* kSamePieceTangent = "Ati ales aceeasi piesa pentru calcule tangentiale!";
inline constexpr const char* kSizeWouldVanish =
    "Redimensionarea ar lasa piesa cu o dimensiune de 0 mm sau mai mica. Operatia nu s-a efectuat.";
inline constexpr const char* kStepRefused = "Pasul trebuie sa fie intre -1000000 si 1000000 mm.";
inline constexpr const char* kShrinkInvalid = "Valoare redimensionare invalida.";

} // namespace zv
