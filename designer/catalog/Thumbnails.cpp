#include "Thumbnails.h"

#include "Catalogue.h"
#include "platform/Picture.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
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
    const int n = static_cast<int>(std::min<std::size_t>(pictures.size(), kMaxCatalogueEntries));
    const int slots = StripSlots(n, thumbW, thumbH);
    if (n > 0 && slots == 0) return {};
    // 24 bits a pixel. A strip of no rows still has one white slot, so it is
    // never a null image; rows past the slots it holds show no thumbnail.
    QImage strip(std::max(1, slots) * thumbW, thumbH, QImage::Format_RGB888);
    if (strip.isNull()) return {};
    std::memset(strip.bits(), 0xFF, static_cast<std::size_t>(strip.sizeInBytes())); // white, quickly
    // Each picture is drawn into a slot of its own and copied into the strip,
    // so no drawing works at the far end of a strip a million pixels wide.
    QImage slot(thumbW, thumbH, QImage::Format_RGB888);
    if (slot.isNull()) return {};
    const qsizetype slotBytes = static_cast<qsizetype>(thumbW) * 3;
    for (int i = 0; i < slots; ++i) {
        QImage pic;
        if (!LoadCataloguePicture(pictures[static_cast<std::size_t>(i)], pic)) continue;
        const ThumbRect r = ThumbnailPlace(pic.width(), pic.height(), thumbW, thumbH, 0);
        if (r.width <= 0 || r.height <= 0) continue;
        slot.fill(Qt::white);
        {
            QPainter p(&slot);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(r.left, r.top, r.width, r.height), pic);
        }
        for (int y = 0; y < thumbH; ++y)
            std::memcpy(strip.scanLine(y) + static_cast<qsizetype>(i) * slotBytes, slot.constScanLine(y),
                        static_cast<std::size_t>(slotBytes));
    }
    return strip;
}

} // namespace zv
