#pragma once
// The one limit every stored box keeps, whichever command made it: its
// minimum corner within a million millimetres of the origin, each size above 0
// and at most a million millimetres. The check reads the box as the scene
// stores it, so a sum that lost the typed value (1e308 + 764) is refused too.
// Commands compute their result on a scratch copy, check it here, and only
// then take the undo snapshot and change the furniture.
#include "Scene3D.h"

#include <memory>
#include <string>

namespace zv {

inline constexpr double kMaxFieldMillimetres = 1000000.0;

// A size a field takes: 0 (which leaves the size as it is) up to the limit.
bool SizeAccepted(double v);
// A position a field takes: within the limit either side of the origin.
bool PositionAccepted(double v);

// A refusal that names the dialog's field: Valoare invalida in campul "<label>": <why>.
std::string FieldRefusalMessage(const std::string& label, const std::string& why);
// Why a dialog's numbers are refused: the field to correct (its index in the
// dialog's reading order) and a message naming it; an empty message accepts.
struct FieldRefusal {
    int field = 0;
    std::string message;
};
inline constexpr const char* kNotANumber = "nu este un numar";
inline constexpr const char* kSizeOutOfLimits = "trebuie sa fie mai mare decat 0 si cel mult 1000000 mm";
inline constexpr const char* kPositionOutOfLimits = "trebuie sa fie intre -1000000 si 1000000 mm";

// One axis of a box, ends in either order, keeps the limit.
bool SpanWithinLimits(double a, double b);
// The box, corners in either order, keeps the limit.
bool BoxWithinLimits(const Scene3D::Box& b);
// The piece's box keeps the limit; false for a piece the scene does not hold.
bool PieceWithinLimits(const Scene3D& s, int piece);
// Pieces first..first+count-1 (clipped to the scene) keep it.
bool PiecesWithinLimits(const Scene3D& s, int first, int count);
// The first axis (0 X, 1 Y, 2 Z) on which one of pieces first..first+count-1
// breaks the limit, so a message can name the field that moves along it; -1
// when they all keep it.
int AxisOutOfLimits(const Scene3D& s, int first, int count);
// Every piece of the scene keeps it.
bool SceneWithinLimits(const Scene3D& s);

// The box `piece` would have once `edit` (a callable taking a Scene3D&) has
// changed the scene: the edit runs on a scratch copy, the scene is left alone.
// `piece` must be one of the scene's pieces.
template <class Edit> Scene3D::Box PieceBoxAfter(const Scene3D& s, int piece, Edit&& edit) {
    const auto scratch = std::make_unique<Scene3D>(s);
    edit(*scratch);
    return scratch->PieceBox(piece);
}

} // namespace zv
