#pragma once
// Guillotine cutting layouts, as a panel saw makes them: every cut runs
// straight through the whole part it divides and takes the kerf.
#include "Layout.h"

#include <cstdint>
#include <vector>

namespace rz {

// The search's budget is counted in work done, never in time, so the same
// pieces and settings give the same layout on any machine and at any load.
struct PackOptions {
    // Free parts weighed for a piece, and pieces placed, summed over all the
    // layouts tried.
    std::int64_t workBudget = 80'000'000;
    int maxAttempts = 40000; // piece orders tried at most
    // A safety net only, well above what the work takes: when it stops the
    // search the layout says so.
    double clockLimitSeconds = 10;
    std::uint32_t seed = 1;
};

// Pieces that do not fit the usable sheet, in any allowed direction, go to
// `oversize`, those with a size under 0.005 mm to `tooSmall`; every other
// piece is placed once. Tries several piece orders and split rules and keeps
// the layout with the fewest sheets, then the emptiest last sheets, then the
// largest kept offcuts, then the fewest cuts; then moves what it can off the
// emptiest sheet. With turning allowed the layout without turning is one of
// the candidates, so turning never costs a sheet.
Layout Pack(const std::vector<Piece>& pieces, const SheetSettings& s, const PackOptions& o = {});

} // namespace rz
