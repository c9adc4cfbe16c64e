#include "Thumbnails.h"

#include "Catalogue.h"
#include "platform/Picture.h"

#include <QPainter>
#include <filesystem>
#include <system_error>

namespace zv {

bool LoadCataloguePicture(const std::string& fileName, QImage& out) {
    std::error_code ec;
    if (fileName.empty() || !std::filesystem::is_regular_file(fileName, ec)) return false;
    QImage img;
    const PictureResult r = IsBmpFile(fileName) ? LoadBmp(fileName, img) : LoadJpeg(fileName, img);
    if (!r.ok || img.isNull()) return false;
    out = img;
    return true;
}

QImage BuildThumbnailStrip(const std::vector<std::string>& pictures, int thumbW, int thumbH) {
    const int n = static_cast<int>(pictures.size());
    if (!StripSizeOk(n, thumbW, thumbH)) return {};
    // A strip of no rows still has one white slot, so it is never a null image.
    QImage strip(std::max(1, n) * thumbW, thumbH, QImage::Format_RGB32);
    if (strip.isNull()) return {};
    strip.fill(Qt::white);
    QPainter p(&strip);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < n; ++i) {
        QImage pic;
        if (!LoadCataloguePicture(pictures[static_cast<std::size_t>(i)], pic)) continue;
        const ThumbRect r = ThumbnailPlace(pic.width(), pic.height(), thumbW, thumbH, i);
        if (r.width <= 0 || r.height <= 0) continue;
        // Clip to the slot so a picture never spills into its neighbour.
        p.setClipRect(i * thumbW, 0, thumbW, thumbH);
        p.drawImage(QRect(r.left, r.top, r.width, r.height), pic);
    }
    return strip;
}

} // namespace zv
