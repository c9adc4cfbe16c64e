#include "core/Bitmap.h"

#include "platform/Picture.h"

#include <algorithm>

namespace trasalin {

Bitmap::Bitmap(int width, int height)
    : w_(std::max(width, 0)), h_(std::max(height, 0)),
      bits_(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_), 0) {}

std::size_t Bitmap::InkCount() const { return static_cast<std::size_t>(std::count(bits_.begin(), bits_.end(), 1)); }

QImage Bitmap::ToImage() const {
    QImage img(w_, h_, QImage::Format_RGB32);
    for (int y = 0; y < h_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const std::uint8_t* row = bits_.data() + Index(0, y);
        for (int x = 0; x < w_; ++x) line[x] = row[x] ? 0xFF000000u : 0xFFFFFFFFu;
    }
    return img;
}

Bitmap Bitmap::FromImage(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    Bitmap b(rgb.width(), rgb.height());
    for (int y = 0; y < b.h_; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < b.w_; ++x) b.bits_[b.Index(x, y)] = qGray(line[x]) < 128 ? 1 : 0;
    }
    return b;
}

FileResult LoadDrawing(const std::string& path, Bitmap& out) {
    QImage img;
    const zv::PictureResult r = zv::LoadPicture(path, img);
    if (!r.ok) return {false, r.error};
    if (img.width() > kMaxSide || img.height() > kMaxSide)
        return {false, "Desenul este prea mare: " + std::to_string(img.width()) + " x " + std::to_string(img.height()) +
                           " puncte (cel mult " + std::to_string(kMaxSide) + " x " + std::to_string(kMaxSide) + ")."};
    out = Bitmap::FromImage(img);
    return {true, {}};
}

FileResult SaveDrawing(const std::string& path, const Bitmap& bitmap) {
    const zv::PictureResult r = zv::SaveBmp(path, bitmap.ToImage());
    return {r.ok, r.error};
}

} // namespace trasalin
