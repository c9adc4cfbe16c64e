#pragma once
// What the mouse does with each tool, in picture pixels (the window has
// already zoomed and snapped them): the outline shown while it is drawn, and
// the pixels given to the drawing when it is finished.
#include "core/Shapes.h"

#include <optional>

namespace trasalin {

enum class Tool { Line, Polyline, Ellipse, Arc, RoundRect, Freehand, Eraser };

struct Stroke {
    Path pixels;
    bool ink = true; // false: rubbed out
};

class ToolSession {
public:
    Tool tool = Tool::Line;
    int cornerRadius = 10; // rounded rectangle
    int eraserSize = 5;
    // A polyline click this close to its first point (in pixels) closes it.
    int closeDistance = 0;

    void SetTool(Tool t);
    // Left button pressed, moved (held or not) and released.
    std::optional<Stroke> Press(Pixel p);
    void Move(Pixel p, bool held);
    std::optional<Stroke> Release(Pixel p);
    // A right click or a double click: the polyline ends where it is, open.
    std::optional<Stroke> Finish();
    void Cancel();

    bool Busy() const { return !points_.empty(); }
    // The outline to show now (rubbed-out pixels for the eraser).
    const Path& Preview() const { return preview_; }
    // The points clicked so far (polyline vertices, arc points).
    const std::vector<Pixel>& Points() const { return points_; }

private:
    Path Shape(Pixel to) const;
    std::vector<Pixel> points_;
    Path preview_;
    bool dragging_ = false;
};

} // namespace trasalin
