#pragma once
// The pixels each drawing tool sets. Every outline is one pixel wide: a line
// is 8-connected, and curves lose the corner pixels of their stairs, so that
// the designer's tracer walks them pixel by pixel without a choice to make.
#include "core/Bitmap.h"

#include <set>

namespace trasalin {

// From a to b, both ends included.
Path LinePixels(Pixel a, Pixel b);
// Straight segments through the vertices; closed joins the last to the first.
// A corner of 90 degrees or more keeps its pixel (a rectangle stays sharp).
Path PolylinePixels(const std::vector<Pixel>& vertices, bool closed);
// The ellipse inscribed in the box of two opposite corners (a circle in a
// square box), symmetric about both axes of the box.
Path EllipsePixels(Pixel corner1, Pixel corner2);
// The circle arc from p1 through p2 to p3; three points on one line (or two
// equal ones) give the straight segments p1-p2-p3.
Path ArcPixels(Pixel p1, Pixel p2, Pixel p3);
// The box of two opposite corners with quarter-circle corners of the radius
// (at most half the shorter side; 0 gives sharp corners).
Path RoundRectPixels(Pixel corner1, Pixel corner2, int radius);
// The stroke through the points the mouse passed over.
Path FreehandPixels(const std::vector<Pixel>& points);
// Squares of size x size pixels along the stroke (rubbed out, not drawn).
Path EraserPixels(const std::vector<Pixel>& points, int size);

// The point on the grid nearest to p (step < 2: p itself).
Pixel SnapToGrid(Pixel p, int step);

// Joins consecutive points by straight runs, so no gap is left.
Path ConnectPoints(const std::vector<Pixel>& points, bool closed);
// Drops repeated pixels and every pixel whose two neighbours along the path
// touch each other. An open path keeps its two ends.
void ThinPath(Path& path, bool closed);
// The same, never dropping the pixels in keep.
void ThinPath(Path& path, bool closed, const std::set<Pixel>& keep);

} // namespace trasalin
