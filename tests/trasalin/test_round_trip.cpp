// What Trasalin saves, the designer reads: drawn outlines are saved as 24-bit
// BMP files, traced by the designer's contour code and cut into triangles.
#include "Art.h"
#include "core/Drawing.h"
#include "core/OutlineCheck.h"
#include "core/Shapes.h"
#include "platform/Picture.h"
#include "render/Contour.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace trasalin;

namespace {

double PolygonArea(const zv::ContourPolygon& p) {
    double a = 0;
    for (int i = 0, n = p.Count(); i < n; ++i) {
        const int j = (i + 1) % n;
        a += p.X[static_cast<std::size_t>(i)] * p.Y[static_cast<std::size_t>(j)] -
             p.X[static_cast<std::size_t>(j)] * p.Y[static_cast<std::size_t>(i)];
    }
    return std::fabs(a) / 2;
}

double TrianglesArea(const zv::ContourPolygon& p) {
    double sum = 0;
    for (const zv::ContourTriangle& t : p.triangles) {
        const auto x = [&](int i) { return p.X[static_cast<std::size_t>(i)]; };
        const auto y = [&](int i) { return p.Y[static_cast<std::size_t>(i)]; };
        sum += std::fabs((x(t.b) - x(t.a)) * (y(t.c) - y(t.a)) - (x(t.c) - x(t.a)) * (y(t.b) - y(t.a))) / 2;
    }
    return sum;
}

TEST(RoundTrip, DrawnOutlinesAreTracedAndTriangulatedByTheDesigner) {
    const struct {
        const char* name;
        Path outline;
    } shapes[] = {
        {"circle", EllipsePixels({20, 20}, {140, 140})},
        {"ellipse", EllipsePixels({5, 30}, {230, 120})},
        {"arrow", PolylinePixels({{20, 70}, {120, 70}, {120, 40}, {200, 90}, {120, 140}, {120, 110}, {20, 110}}, true)},
        {"rounded rectangle", RoundRectPixels({10, 10}, {220, 160}, 25)},
        {"arcs closed by a line",
         [] {
             Path p = ArcPixels({30, 100}, {100, 20}, {170, 100});
             const Path back = ArcPixels({170, 100}, {100, 160}, {30, 100});
             p.insert(p.end(), back.begin() + 1, back.end() - 1);
             return p;
         }()},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& s : shapes) {
        SCOPED_TRACE(s.name);
        Drawing d(Bitmap(240, 180));
        d.Apply(s.outline, true);
        const OutlineReport check = CheckOutline(d.bitmap());
        ASSERT_TRUE(check.Ok()) << check.Text();

        const std::string file = dir.filePath(QString(s.name) + ".bmp").toStdString();
        ASSERT_TRUE(SaveDrawing(file, d.bitmap()).ok);
        QFile f(QString::fromStdString(file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray head = f.read(30);
        EXPECT_EQ(head.left(2), QByteArray("BM"));
        EXPECT_EQ(static_cast<int>(head[28]), 24); // bits per pixel

        zv::ContourCache cache;
        const zv::ContourPolygon* poly = cache.Lookup(file, false, 0, true);
        ASSERT_NE(poly, nullptr);
        EXPECT_TRUE(cache.TakeMessages().empty());
        // Every pixel of the outline is walked, once.
        EXPECT_EQ(static_cast<std::size_t>(cache.Tracer().tracedCount), d.bitmap().InkCount());
        ASSERT_GE(poly->Count(), 3);
        EXPECT_EQ(poly->TriangleCount(), poly->Count() - 2);
        EXPECT_NEAR(TrianglesArea(*poly), PolygonArea(*poly), 1e-6 * PolygonArea(*poly));
        // The traced polygon spans the drawn outline (rows stored upwards).
        int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
        for (const Pixel& p : s.outline) {
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        }
        EXPECT_EQ(*std::min_element(poly->X.begin(), poly->X.end()), minX);
        EXPECT_EQ(*std::max_element(poly->X.begin(), poly->X.end()), maxX);
        EXPECT_EQ(*std::min_element(poly->Y.begin(), poly->Y.end()), -maxY);
        EXPECT_EQ(*std::max_element(poly->Y.begin(), poly->Y.end()), -minY);
    }
}

TEST(RoundTrip, TheDesignersModelComesBackUnchanged) {
    QTemporaryDir dir;
    const QImage model = zv::MakeContourModelPicture(600, 300);
    const std::string file = dir.filePath("Model1.bmp").toStdString();
    ASSERT_TRUE(zv::SaveBmp(file, model).ok);
    Bitmap b;
    ASSERT_TRUE(LoadDrawing(file, b).ok);
    EXPECT_EQ(b.Width(), 250);
    EXPECT_EQ(b.Height(), 150);
    ASSERT_TRUE(SaveDrawing(file, b).ok);
    QImage again;
    ASSERT_TRUE(zv::LoadPicture(file, again).ok);
    EXPECT_EQ(again.convertToFormat(QImage::Format_RGB32), model.convertToFormat(QImage::Format_RGB32));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Model1.bmp"});
}

TEST(RoundTrip, ReadingRefusesWhatIsNoPicture) {
    QTemporaryDir dir;
    const QString bad = dir.filePath("nu.bmp");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM not really a picture");
    f.close();
    Bitmap b(3, 3);
    const FileResult r = LoadDrawing(bad.toStdString(), b);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(b.Width(), 3); // left as it was
    // A picture wider than 4000 points is refused; 4000 is read.
    for (const int width : {4000, 4001}) {
        const std::string wide = dir.filePath("lat.bmp").toStdString();
        QImage img(width, 1, QImage::Format_RGB32);
        img.fill(Qt::white);
        ASSERT_TRUE(zv::SaveBmp(wide, img).ok);
        Bitmap w(3, 3);
        EXPECT_EQ(LoadDrawing(wide, w).ok, width == 4000) << width;
        EXPECT_EQ(w.Width(), width == 4000 ? 4000 : 3) << width;
    }
    // Grey and coloured pixels are split at middle grey.
    QImage img(3, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(127, 127, 127));
    img.setPixel(1, 0, qRgb(128, 128, 128));
    img.setPixel(2, 0, qRgb(0, 0, 255));
    const Bitmap m = Bitmap::FromImage(img);
    EXPECT_TRUE(m.Ink(0, 0));
    EXPECT_FALSE(m.Ink(1, 0));
    EXPECT_TRUE(m.Ink(2, 0));
}

} // namespace
