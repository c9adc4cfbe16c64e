#pragma once
// The drawing being edited, with many undo and redo steps. A step is the list
// of pixels it changed: with two colours, undoing and redoing both flip them.
#include "core/Bitmap.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trasalin {

inline constexpr std::size_t kMaxUndoSteps = 1000;

class Drawing {
public:
    Drawing() : bitmap_(kDefaultWidth, kDefaultHeight) {}
    explicit Drawing(Bitmap b) : bitmap_(std::move(b)) {}

    const Bitmap& bitmap() const { return bitmap_; }
    // A new or opened picture: no history, nothing to save.
    void Reset(Bitmap b);

    // Sets the pixels to ink (or background); those outside the picture are
    // skipped. One undo step when anything changed; returns how many did.
    std::size_t Apply(const Path& pixels, bool ink);

    bool CanUndo() const { return pos_ > 0; }
    bool CanRedo() const { return pos_ < steps_.size(); }
    bool Undo();
    bool Redo();
    std::size_t UndoSteps() const { return pos_; }

    // Changed since it was last opened or saved.
    bool Modified() const { return !savedValid_ || savedPos_ != pos_; }
    void MarkSaved() {
        savedPos_ = pos_;
        savedValid_ = true;
    }

private:
    void FlipStep(const std::vector<std::size_t>& step);
    Bitmap bitmap_;
    std::vector<std::vector<std::size_t>> steps_;
    std::size_t pos_ = 0; // steps applied
    std::size_t savedPos_ = 0;
    bool savedValid_ = true;
};

// "400 x 300" -> the size, when both sides are 1..kMaxSide.
std::optional<std::pair<int, int>> ParseDrawingSize(const std::string& text);

// The zoom steps offered, and the largest at which a picture fits the room
// (at least 1).
inline constexpr int kZoomSteps[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 32};
int FittingZoom(int width, int height, int roomWidth, int roomHeight);

} // namespace trasalin
