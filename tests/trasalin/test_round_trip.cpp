// What Trasalin saves, the designer reads: drawn outlines are saved as 24-bit
// BMP files, traced by the designer's contour code and cut into triangles.
#include "Art.h"
#include "core/Drawing.h"
#include "core/OutlineCheck.h"
#include "core/Shapes.h"
#include "platform/Picture.h"
#include "player/JpegFixtures.h"
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

// A BMP file that is nothing but its two headers, claiming w x h at 24 bits.
fixtures::Bytes BmpHeaderOnly(std::int32_t w, std::int32_t h, bool oldest = false) {
    fixtures::Bytes b(oldest ? 26 : 54, 0);
    auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put(10, static_cast<std::uint32_t>(b.size()), 4);
    put(14, oldest ? 12 : 40, 4);
    if (oldest) {
        put(18, static_cast<std::uint32_t>(w), 2);
        put(20, static_cast<std::uint32_t>(h), 2);
        put(22, 1, 2);
        put(24, 24, 2);
    } else {
        put(18, static_cast<std::uint32_t>(w), 4);
        put(22, static_cast<std::uint32_t>(h), 4);
        put(26, 1, 2);
        put(28, 24, 2);
    }
    return b;
}

TEST(RoundTrip, TooLargeAPictureIsRefusedFromItsHeaderBeforeDecoding) {
    QTemporaryDir dir;
    const fixtures::Bytes small = fixtures::DetailedJpeg(64, 64), progressive = fixtures::DetailedJpeg(64, 64, true);
    const struct {
        const char* name;
        fixtures::Bytes bytes;
        long long w, h;
    } cases[] = {
        // Headers only: a decoder would stop at the missing pixels, with another message.
        {"uriasa.bmp", BmpHeaderOnly(20000, 20000), 20000, 20000},
        {"de_sus_in_jos.bmp", BmpHeaderOnly(4001, -300), 4001, 300},
        {"veche.bmp", BmpHeaderOnly(300, 4001, true), 300, 4001},
        {"uriasa.jpg", fixtures::WithSize(small, 20000, 20000), 20000, 20000},
        {"progresiva.jpg", fixtures::WithSize(progressive, 4001, 10), 4001, 10},
        // Whole and valid, 256 MB decoded: refused at the same point.
        {"gri.jpg", fixtures::FlatGreyJpeg(8000, 8000), 8000, 8000},
    };
    const long before = fixtures::PeakMemoryMb();
    for (const auto& c : cases) {
        const std::string file = dir.filePath(c.name).toStdString();
        fixtures::WriteFile(file, c.bytes);
        const PictureHeader h = ReadPictureHeader(file);
        EXPECT_EQ(h.check, PictureHeader::Check::Ok) << c.name;
        EXPECT_EQ(h.width, c.w) << c.name;
        EXPECT_EQ(h.height, c.h) << c.name;
        Bitmap b(3, 3);
        const FileResult r = LoadDrawing(file, b);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, "Desenul din fisierul \"" + file + "\" este prea mare: " + std::to_string(c.w) + " x " +
                               std::to_string(c.h) + " puncte (cel mult 4000 x 4000).");
        EXPECT_EQ(b.Width(), 3) << "left as it was";
    }
    EXPECT_LT(fixtures::PeakMemoryMb() - before, 100);

    // The largest side that is taken still reads.
    const std::string edge = dir.filePath("margine.bmp").toStdString();
    ASSERT_TRUE(zv::SaveBmp(edge, QImage(4000, 2, QImage::Format_RGB32)).ok);
    Bitmap b;
    EXPECT_TRUE(LoadDrawing(edge, b).ok);
    EXPECT_EQ(b.Width(), 4000);
}

TEST(RoundTrip, ReadingAndWritingFailuresAreRomanianAndNameTheFile) {
    QTemporaryDir dir;
    const fixtures::Bytes whole = fixtures::DetailedJpeg(64, 64);
    const auto cut = [](fixtures::Bytes b, std::size_t n) { return fixtures::Bytes(b.begin(), b.begin() + n); };
    const struct {
        const char* name;
        fixtures::Bytes bytes; // none: no such file
        const char* before;
        const char* after;
    } cases[] = {
        {"lipsa.bmp", {}, "Nu pot deschide fisierul ", "."},
        {"text.bmp", {'n', 'u', ' ', 'e', 's', 't', 'e'}, "Fisierul ", " nu este o poza BMP sau JPEG."},
        {"scurta.bmp", {'B', 'M', 0, 0}, "Poza din fisierul ", " este deteriorata."},
        {"antet.bmp", BmpHeaderOnly(10, 0), "Poza din fisierul ", " este deteriorata."},
        {"antet.jpg", cut(whole, 30), "Poza din fisierul ", " este deteriorata."},
        {"fara_puncte.bmp", BmpHeaderOnly(10, 10), "Nu pot citi poza din fisierul ",
         ": fisierul este deteriorat sau de un fel necunoscut."},
        {"taiata.jpg", cut(whole, fixtures::ScanDataStart(whole) + 10), "Nu pot citi poza din fisierul ",
         ": fisierul este deteriorat sau de un fel necunoscut."},
    };
    for (const auto& c : cases) {
        const std::string file = dir.filePath(c.name).toStdString();
        if (!c.bytes.empty()) fixtures::WriteFile(file, c.bytes);
        Bitmap b(3, 3);
        const FileResult r = LoadDrawing(file, b);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_EQ(r.error, c.before + ("\"" + file + "\"") + c.after);
        EXPECT_EQ(b.Width(), 3);
    }
    const std::string nowhere = dir.filePath("lipsa/Model1.bmp").toStdString();
    const FileResult w = SaveDrawing(nowhere, Bitmap(4, 4));
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.error, "Nu pot scrie fisierul \"" + nowhere + "\".");
}

} // namespace
