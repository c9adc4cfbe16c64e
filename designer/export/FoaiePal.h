#pragma once
// "FoaiePal.app": the boards of one material handed to the sheet optimiser,
// one value a line, CR LF.
#include "model/Mobila.h"

#include <string>

namespace zv {

inline constexpr const char* kFoaiePalFile = "FoaiePal.app";

// Pieces whose material code equals `code` exactly (case-sensitive).
int CountMaterialPieces(const Furniture& f, const std::string& code);

// The file's text: 6 header lines, then 8 lines for each piece of the material.
std::string FormatFoaiePal(const Furniture& f, const std::string& code);

} // namespace zv
