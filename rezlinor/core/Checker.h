#pragma once
// An independent check of a cutting layout: every piece placed once or listed
// as too large or too small, in its own sizes and turned only as the settings
// allow,
// inside the usable sheet, no two overlapping, and every sheet splitting
// recursively by straight full-length cuts that keep the kerf between the
// pieces on either side.
#include "Layout.h"

#include <string>
#include <vector>

namespace rz {

// Empty when the layout is sound; else what is wrong, first fault only.
std::string CheckLayout(const Layout& l, const std::vector<Piece>& pieces, const SheetSettings& s);

} // namespace rz
