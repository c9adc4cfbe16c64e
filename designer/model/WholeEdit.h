#pragma once
// Edits of the furniture as a whole: resize, quarter turn, mirror, rounding,
// overall size, colour and name. No widgets, no undo and no redraw: the main
// window wraps each in one edit, and adding a saved furniture turns a loaded
// one with them as often as it needs.
#include "EditResult.h"
#include "Mobila.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zv {

// New overall sizes (width on X, height on Y, depth on Z).
struct ResizeParams {
    double W = 0, H = 0, D = 0;
};

// Differences below this are taken as no change, both for the check and for
// each axis of the resize, so a resize that passes the check always acts.
inline constexpr double kResizeMinChange = 0.1;
inline constexpr const char* kResizeBadInput = "Date incorect introduse pentru noile dimensiuni.";
inline constexpr const char* kResizeTooSmall = "Mobila este prea mica pe una din axe pentru a putea fi redimensionata.";

// Why the resize is refused ("" when it may go on). New sizes are compared
// with the extents of the model, which is what the dialog shows; a resize
// that would take a box out of the limit of every box is refused too.
std::string CheckResize(const Furniture& f, const ResizeParams& p);
// Boards whose thickness lies along a resized axis keep it and stay joined;
// the others scale. W, H, D and the centres are recomputed.
EditResult ResizeFurniture(Furniture& f, const ResizeParams& p);

// One axis of the resize over the rigid pieces `rigid` and the scaled pieces
// `scaled`, by factor k about origin o; `old` holds the positions from before
// the pass on that axis.
void ResizeAxisPass(Scene3D& s, const Scene3D& old, int axis, const std::vector<int>& rigid,
                    const std::vector<int>& scaled, double k, double o);

// Whether `edit`, run on a scratch copy of `f`, leaves every piece that kept
// the limit of every box within it. A piece already outside it (from an older
// file) does not stop the edit.
bool KeepsBoxLimits(const Furniture& f, const std::function<void(Furniture&)>& edit);
// The turn, mirror and rounding refused by that check.
inline constexpr const char* kWholeEditOutOfLimits =
    "Operatia nu poate fi facuta: o piesa ar iesi din limite (pozitia intre -1000000 si 1000000 mm, "
    "dimensiunile mai mari decat 0 si cel mult 1000000 mm).";

// A quarter turn about the vertical axis, (x, y, z) to (-z, y, x).
EditResult TurnFurniture(Furniture& f);
// The mirror in the plane x = 0.
EditResult MirrorFurniture(Furniture& f);
// Every coordinate to the nearest whole millimetre (halves to even); the
// stored W, H, D stay until the next recompute.
EditResult RoundFurniture(Furniture& f);
// W, H, D from the extents; centres recomputed.
EditResult RecomputeFurniture(Furniture& f);

std::vector<int> PiecesWithColor(const Furniture& f, std::uint32_t color);
std::vector<int> PiecesWithCode(const Furniture& f, const std::string& code);
EditResult ReplaceColor(Furniture& f, std::uint32_t from, std::uint32_t to);
EditResult RenameFurniture(Furniture& f, const std::string& name);

} // namespace zv
