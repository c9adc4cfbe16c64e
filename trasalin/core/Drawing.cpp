#include "core/Drawing.h"

#include <regex>

namespace trasalin {

std::optional<std::pair<int, int>> ParseDrawingSize(const std::string& text) {
    static const std::regex re(R"(^\s*(\d{1,5})\s*[xX*]\s*(\d{1,5})\s*$)");
    std::smatch m;
    if (!std::regex_match(text, m, re)) return std::nullopt;
    const int w = std::stoi(m[1].str()), h = std::stoi(m[2].str());
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) return std::nullopt;
    return std::pair{w, h};
}

int FittingZoom(int width, int height, int roomWidth, int roomHeight) {
    int best = 1;
    for (int z : kZoomSteps)
        if (static_cast<long long>(width) * z <= roomWidth && static_cast<long long>(height) * z <= roomHeight)
            best = z;
    return best;
}

void Drawing::Reset(Bitmap b) {
    bitmap_ = std::move(b);
    steps_.clear();
    pos_ = 0;
    MarkSaved();
}

std::size_t Drawing::Apply(const Path& pixels, bool ink) {
    std::vector<std::size_t> changed;
    for (const Pixel& p : pixels) {
        if (!bitmap_.Contains(p) || bitmap_.Ink(p) == ink) continue;
        const std::size_t i = bitmap_.Index(p.x, p.y);
        bitmap_.Flip(i);
        changed.push_back(i);
    }
    if (changed.empty()) return 0;
    steps_.resize(pos_);
    if (savedValid_ && savedPos_ > pos_) savedValid_ = false; // the saved state cannot come back
    steps_.push_back(std::move(changed));
    ++pos_;
    if (steps_.size() > kMaxUndoSteps) {
        steps_.erase(steps_.begin());
        --pos_;
        if (savedPos_ == 0)
            savedValid_ = false;
        else
            --savedPos_;
    }
    return steps_[pos_ - 1].size();
}

void Drawing::FlipStep(const std::vector<std::size_t>& step) {
    for (std::size_t i : step) bitmap_.Flip(i);
}

bool Drawing::Undo() {
    if (!CanUndo()) return false;
    FlipStep(steps_[--pos_]);
    return true;
}

bool Drawing::Redo() {
    if (!CanRedo()) return false;
    FlipStep(steps_[pos_++]);
    return true;
}

} // namespace trasalin
