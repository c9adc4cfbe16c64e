#include "render/FurniturePreview.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zv;

namespace {
int CountPixels(const QImage& img, bool (*pred)(QRgb)) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += pred(img.pixel(x, y));
    return n;
}
} // namespace

TEST(FurniturePreview, DrawsTheFurnitureOfASampleFile) {
    const QImage img = FurniturePreview(ZV_DATA_DIR "/Dulap.mo4", 256, 212);
    ASSERT_EQ(img.size(), QSize(256, 212));
    // Boards in their colours fill a good part of the picture.
    const int coloured = CountPixels(img, [](QRgb c) { return qRed(c) != qGreen(c) || qGreen(c) != qBlue(c); });
    EXPECT_GT(coloured, 256 * 212 / 20);
}

TEST(FurniturePreview, SaysWhyWhenTheFileIsBad) {
    QTemporaryDir dir;
    const QString bad = dir.path() + "/bad.mo4";
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("xyz1234567");
    f.close();
    for (const QString& path : {bad, dir.path() + "/missing.mo4"}) {
        const QImage img = FurniturePreview(path.toStdString(), 200, 100);
        const int red = CountPixels(img, [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100; });
        EXPECT_GT(red, 10) << path.toStdString();
    }
}
