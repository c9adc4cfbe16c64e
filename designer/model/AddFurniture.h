#pragma once
// Adding a saved furniture to the open one. The file is turned on a scratch
// furniture and measured there, so the open furniture is only read until the
// user confirms; then the turned furniture is appended, moved by the offsets.
#include "EditResult.h"
#include "Mobila.h"
#include "MobilaFile.h"

#include <span>
#include <string>

namespace zv {

// Where the added furniture goes, in the order of the dialog's "Pozitie:" list.
enum class AddPosition { Stanga = 0, Dreapta, Sus, Jos, FataStanga, FataDreapta };

struct AddOffsets {
    double x = 0, y = 0, z = 0;
    bool operator==(const AddOffsets&) const = default;
};

// The smallest (largest) of t[from..to]: the first entry is the start value
// and a later one replaces it only when strictly smaller (larger).
double MinOfRange(std::span<const double> t, int from, int to);
double MaxOfRange(std::span<const double> t, int from, int to);

// A file's furniture as it would be added.
struct StagedFurniture {
    MobilaFile file; // after the quarter turns
    int addedPointCount = 0, addedPieceCount = 0;
    AddOffsets offsets;
};

// Turns the file's furniture `quarterTurns` times (0..3) as the whole-furniture
// quarter turn does, and finds the offsets that put it at `pos` of `current`.
// `current` is only read.
StagedFurniture StageFurniture(const MobilaFile& f, int quarterTurns, AddPosition pos, const Furniture& current);

// Each offset is an extent of `current` minus one of `staged` (its points
// 0..pointCount-1). With no points on either side every offset is 0.
AddOffsets AddOffsetsFor(const Furniture& current, const Scene3D& staged, AddPosition pos);

// Why the file cannot be added to `current`: no points, or together more than
// 200 pieces, 4800 points or 200 texture slots (the open furniture's and one
// for each texture file of the added pieces that it does not use). Empty when it can.
std::string CheckAddFurniture(const MobilaFile& f, const Furniture& current);

// A texture file both furnitures use keeps the open furniture's slot size;
// where the added one asked for another size, this says so (empty otherwise).
std::string SharedTextureNote(const MobilaFile& f, const Furniture& current);

// Appends the staged furniture moved by the offsets and raises the counts;
// the added pieces' centres and the model centre are recomputed, the back type
// stays the furniture's own. Nothing changes when CheckAddFurniture refuses.
EditResult AddFurniture(Furniture& model, const MobilaFile& staged, const AddOffsets& off);

// Why the staged furniture moved by the offsets would break the limit of
// every box (the message), or empty. Tried on a scratch copy of `model`.
std::string AddLimitRefusal(const Furniture& model, const MobilaFile& staged, const AddOffsets& off);
inline constexpr const char* kAddOutOfLimits =
    "Mobila adaugata ar iesi din limite: pozitiile pieselor trebuie sa fie intre -1000000 si 1000000 mm. "
    "Verificati campurile \"X:\", \"Y:\" si \"Z:\".";

} // namespace zv
