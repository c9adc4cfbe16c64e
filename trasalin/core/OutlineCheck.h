#pragma once
// Whether the designer can use the drawing as a cut-out outline: one closed
// line, one pixel wide, that its tracer follows all the way round. Each fault
// comes with the place to show the user.
#include "core/Bitmap.h"

#include <string>

namespace trasalin {

enum class OutlineFault {
    None,
    Empty,       // nothing drawn
    Several,     // a second separate outline (or a stray dot)
    Open,        // the line does not close
    FreeEnd,     // a line sticks out of the outline
    Touches,     // the outline touches or crosses itself
    Thick,       // thicker than one pixel
    TooLong,     // more points than the designer's tracer takes
    Untraceable, // the tracer stops before it has come round
};

struct OutlineReport {
    OutlineFault fault = OutlineFault::None;
    Pixel where; // the place of the fault
    Pixel other; // the second end of an open line
    bool hasOther = false;
    int points = 0; // pixels the tracer walked
    bool Ok() const { return fault == OutlineFault::None; }
    // The message for the user.
    std::string Text() const;
};

OutlineReport CheckOutline(const Bitmap& bitmap);

} // namespace trasalin
