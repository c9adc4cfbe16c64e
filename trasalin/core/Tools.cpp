#include "core/Tools.h"

#include <cstdlib>

namespace trasalin {

void ToolSession::SetTool(Tool t) {
    Cancel();
    tool = t;
}

void ToolSession::Cancel() {
    points_.clear();
    preview_.clear();
    dragging_ = false;
}

// The outline from the points so far to the mouse.
Path ToolSession::Shape(Pixel to) const {
    const Pixel a = points_.front();
    switch (tool) {
    case Tool::Line: return LinePixels(a, to);
    case Tool::Ellipse: return EllipsePixels(a, to);
    case Tool::RoundRect: return RoundRectPixels(a, to, cornerRadius);
    case Tool::Freehand: return FreehandPixels(points_);
    case Tool::Eraser: return EraserPixels(points_, eraserSize);
    case Tool::Polyline: {
        std::vector<Pixel> v = points_;
        v.push_back(to);
        return PolylinePixels(v, false);
    }
    case Tool::Arc:
        if (points_.size() == 1) return LinePixels(a, to);
        return ArcPixels(a, points_[1], to);
    }
    return {};
}

std::optional<Stroke> ToolSession::Press(Pixel p) {
    switch (tool) {
    case Tool::Polyline: {
        if (points_.size() >= 3 && std::abs(p.x - points_.front().x) <= closeDistance &&
            std::abs(p.y - points_.front().y) <= closeDistance) {
            Stroke s{PolylinePixels(points_, true), true};
            Cancel();
            return s;
        }
        if (points_.empty() || points_.back() != p) points_.push_back(p);
        preview_ = Shape(p);
        return std::nullopt;
    }
    case Tool::Arc: {
        if (points_.size() == 2) {
            Stroke s{ArcPixels(points_[0], points_[1], p), true};
            Cancel();
            return s;
        }
        points_.push_back(p);
        preview_ = Shape(p);
        return std::nullopt;
    }
    default:
        Cancel();
        points_.push_back(p);
        dragging_ = true;
        preview_ = Shape(p);
        return std::nullopt;
    }
}

void ToolSession::Move(Pixel p, bool held) {
    if (points_.empty()) return;
    if (tool == Tool::Polyline || tool == Tool::Arc) {
        preview_ = Shape(p);
        return;
    }
    if (!dragging_ || !held) return;
    if ((tool == Tool::Freehand || tool == Tool::Eraser) && points_.back() != p) points_.push_back(p);
    preview_ = Shape(p);
}

std::optional<Stroke> ToolSession::Release(Pixel p) {
    if (!dragging_) return std::nullopt;
    Move(p, true);
    Stroke s{preview_, tool != Tool::Eraser};
    Cancel();
    return s;
}

std::optional<Stroke> ToolSession::Finish() {
    if (tool == Tool::Polyline && points_.size() >= 2) {
        Stroke s{PolylinePixels(points_, false), true};
        Cancel();
        return s;
    }
    Cancel();
    return std::nullopt;
}

} // namespace trasalin
