#pragma once
// Guillotine cutting layouts, as a panel saw makes them: every cut runs
// straight through the whole part it divides and takes the kerf.
#include "Layout.h"

#include <cstdint>
#include <vector>

namespace rz {

struct PackOptions {
    double timeLimitSeconds = 0.8; // the search stops at this, whatever it found
    int maxAttempts = 4000;        // and after this many layouts tried
    std::uint32_t seed = 1;
};

// Pieces that do not fit the usable sheet, in either allowed direction, go to
// `oversize`; every other piece is placed once. Tries several piece orders and
// split rules and keeps the layout with the fewest sheets, then the largest
// kept offcuts, then the fewest cuts.
Layout Pack(const std::vector<Piece>& pieces, const SheetSettings& s, const PackOptions& o = {});

} // namespace rz
