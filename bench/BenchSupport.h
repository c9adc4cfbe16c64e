#pragma once
// What several benchmarks share: a board-like picture and the platform
// choice of the programs that need no display.
#include <QByteArray>
#include <QImage>
#include <QtGlobal>

#include <cmath>

namespace zv::bench {

// A grain-like picture, so a JPEG of it has the detail of a real board texture.
inline QImage Grain(int w, int h, int seed) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double v = std::sin(x * 0.05 + std::sin(y * 0.02 + seed) * 3.0) * 0.5 + 0.5;
            const int n = static_cast<int>(
                ((unsigned(x) * 73856093u) ^ (unsigned(y) * 19349663u) ^ (unsigned(seed) * 83492791u)) & 15u);
            line[x] = qRgb(120 + static_cast<int>(v * 80) + n, 80 + static_cast<int>(v * 50) + n, 40 + n + seed * 5);
        }
    }
    return img;
}

// Pictures and fonts need no display: the offscreen platform unless
// QT_QPA_PLATFORM names one. Call before the application object is made.
inline void OffscreenUnlessNamed() {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
}

} // namespace zv::bench
