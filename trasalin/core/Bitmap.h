#pragma once
// The drawing: black ink on white, one flag per pixel. A contour model is
// monochrome by nature, so a picture read from disk is reduced to it.
#include <QImage>
#include <compare>
#include <cstdint>
#include <string>
#include <vector>

namespace trasalin {

struct Pixel {
    int x = 0, y = 0;
    auto operator<=>(const Pixel&) const = default;
};
using Path = std::vector<Pixel>;

// Touching, diagonals included (a pixel touches itself).
inline bool Touching(Pixel a, Pixel b) {
    return a.x - b.x >= -1 && a.x - b.x <= 1 && a.y - b.y >= -1 && a.y - b.y <= 1;
}

inline constexpr int kMaxSide = 4000; // pixels, either side
inline constexpr int kDefaultWidth = 400, kDefaultHeight = 300;

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height);

    int Width() const { return w_; }
    int Height() const { return h_; }
    bool Empty() const { return w_ <= 0 || h_ <= 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    bool Contains(Pixel p) const { return Contains(p.x, p.y); }
    // Outside the picture everything is background.
    bool Ink(int x, int y) const { return Contains(x, y) && bits_[Index(x, y)] != 0; }
    bool Ink(Pixel p) const { return Ink(p.x, p.y); }
    void Set(int x, int y, bool ink) {
        if (Contains(x, y)) bits_[Index(x, y)] = ink ? 1 : 0;
    }
    void Flip(std::size_t index) { bits_[index] ^= 1; }
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x);
    }
    std::size_t InkCount() const;
    bool operator==(const Bitmap&) const = default;

    // Black 0x000000 on white 0xFFFFFF.
    QImage ToImage() const;
    // Dark pixels (below middle grey) become ink, the rest background.
    static Bitmap FromImage(const QImage& picture);

private:
    int w_ = 0, h_ = 0;
    std::vector<std::uint8_t> bits_;
};

struct FileResult {
    bool ok = false;
    std::string error; // for the user when !ok
};

// A picture's size as its header gives it, read without decoding the pixels,
// so that one too large is refused before it costs any memory.
struct PictureHeader {
    enum class Check { Ok, CannotOpen, NotAPicture, Damaged } check = Check::CannotOpen;
    long long width = 0, height = 0;
};
PictureHeader ReadPictureHeader(const std::string& path);

// Any picture the designer reads (BMP or JPEG); too large a side is refused
// from the header. The messages name the file.
FileResult LoadDrawing(const std::string& path, Bitmap& out);
// A 24-bit BMP, written beside the file and renamed into place.
FileResult SaveDrawing(const std::string& path, const Bitmap& bitmap);

} // namespace trasalin
