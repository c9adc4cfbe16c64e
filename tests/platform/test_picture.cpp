// BMP and JPEG reading and writing: round trips, the palette files drawing
// programs save, and damaged files that must give errors rather than crashes.
#include "platform/Picture.h"
#include "player/JpegFixtures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h>

using namespace zv;

namespace {

// Every pixel different, so a shifted row or a swapped channel shows.
QImage Pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x + y) & 255));
    return img;
}

// Large flat areas: JPEG keeps them within a few levels.
QImage Blocks(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, x < w / 2 ? (y < h / 2 ? qRgb(200, 40, 40) : qRgb(40, 200, 40)) : qRgb(40, 40, 200));
    return img;
}

int MaxChannelDiff(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max(
                {worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

void Put32(std::vector<unsigned char>& v, std::size_t at, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + i] = static_cast<unsigned char>(x >> (8 * i));
}
void Put16(std::vector<unsigned char>& v, std::size_t at, std::uint32_t x) {
    v[at] = static_cast<unsigned char>(x);
    v[at + 1] = static_cast<unsigned char>(x >> 8);
}

// A palette BMP as a drawing program writes it: rows bottom first, indices
// packed from the high bits, each row padded to 4 bytes.
std::vector<unsigned char> PaletteBmp(int bpp, int w, int h, const std::vector<QRgb>& palette,
                                      const std::vector<std::vector<int>>& indicesTopFirst) {
    const std::size_t rowBytes = (static_cast<std::size_t>(w) * bpp + 31) / 32 * 4;
    const std::size_t offset = 54 + palette.size() * 4;
    std::vector<unsigned char> v(offset + rowBytes * h, 0);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 2, static_cast<std::uint32_t>(v.size()));
    Put32(v, 10, static_cast<std::uint32_t>(offset));
    Put32(v, 14, 40);
    Put32(v, 18, w);
    Put32(v, 22, h);
    Put16(v, 26, 1);
    Put16(v, 28, bpp);
    Put32(v, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        v[54 + 4 * i] = static_cast<unsigned char>(qBlue(palette[i]));
        v[55 + 4 * i] = static_cast<unsigned char>(qGreen(palette[i]));
        v[56 + 4 * i] = static_cast<unsigned char>(qRed(palette[i]));
    }
    for (int y = 0; y < h; ++y) {
        unsigned char* row = v.data() + offset + rowBytes * static_cast<std::size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const int perByte = 8 / bpp;
            const int shift = 8 - bpp * (1 + x % perByte);
            row[x / perByte] |= static_cast<unsigned char>(indicesTopFirst[y][x] << shift);
        }
    }
    return v;
}

class PictureFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string Path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    std::vector<unsigned char> Read(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Write(const std::string& path, const std::vector<unsigned char>& bytes, std::size_t n) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(n));
    }
};

} // namespace

TEST_F(PictureFiles, BmpRoundTripIsExactForAnyRowPadding) {
    // 333 * 3 = 999 bytes a row: one byte of padding; the others cover 0..3.
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{333, 17}, {1, 1}, {2, 3}, {3, 2}, {4, 5}, {5, 4}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const QImage src = Pattern(w, h);
        const std::string file = Path("odd.bmp");
        ASSERT_TRUE(SaveBmp(file, src).ok);
        const std::size_t rowBytes = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
        EXPECT_EQ(Read(file).size(), 54 + rowBytes * h);
        QImage back;
        const PictureResult r = LoadBmp(file, back);
        ASSERT_TRUE(r.ok) << r.error;
        ASSERT_EQ(back.size(), src.size());
        EXPECT_EQ(back.format(), QImage::Format_RGB32);
        EXPECT_EQ(MaxChannelDiff(back, src), 0);
    }
}

TEST_F(PictureFiles, PaletteBmpsOfDrawingPrograms) {
    const std::vector<QRgb> pal{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255)};
    // 5 x 2 so that 1- and 4-bit rows end inside a byte and are padded.
    const std::vector<std::vector<int>> two{{0, 1, 0, 1, 1}, {1, 1, 0, 0, 0}};
    const std::vector<std::vector<int>> four{{0, 1, 2, 3, 2}, {3, 2, 1, 0, 1}};
    struct Case {
        int bpp;
        std::vector<QRgb> palette;
        const std::vector<std::vector<int>>* idx;
    };
    for (const Case& c : {Case{1, {pal[0], pal[1]}, &two}, Case{4, pal, &four}, Case{8, pal, &four}}) {
        SCOPED_TRACE(c.bpp);
        const auto bytes = PaletteBmp(c.bpp, 5, 2, c.palette, *c.idx);
        QImage img;
        const PictureResult r = DecodeBmp(bytes.data(), bytes.size(), img);
        ASSERT_TRUE(r.ok) << r.error;
        ASSERT_EQ(img.size(), QSize(5, 2));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 5; ++x) EXPECT_EQ(img.pixel(x, y), c.palette[(*c.idx)[y][x]]) << x << "," << y;
    }
}

TEST_F(PictureFiles, IndexPastAShortPaletteIsBlack) {
    // Two colours declared, index 3 used: never read past the table.
    const auto bytes = PaletteBmp(8, 2, 1, {qRgb(10, 20, 30), qRgb(40, 50, 60)}, {{1, 3}});
    QImage img;
    ASSERT_TRUE(DecodeBmp(bytes.data(), bytes.size(), img).ok);
    EXPECT_EQ(img.pixel(0, 0), qRgb(40, 50, 60));
    EXPECT_EQ(img.pixel(1, 0), qRgb(0, 0, 0));
}

TEST_F(PictureFiles, TopDownAnd32BitBmp) {
    // 2 x 2, 32 bits, negative height: rows stored top first.
    std::vector<unsigned char> v(54 + 16, 0);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 10, 54);
    Put32(v, 14, 40);
    Put32(v, 18, 2);
    Put32(v, 22, static_cast<std::uint32_t>(-2));
    Put16(v, 26, 1);
    Put16(v, 28, 32);
    const unsigned char px[16] = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    std::copy(px, px + 16, v.begin() + 54);
    QImage img;
    ASSERT_TRUE(DecodeBmp(v.data(), v.size(), img).ok);
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(1, 1), qRgb(255, 255, 255));
}

TEST_F(PictureFiles, BadBmpHeadersAreRefusedBeforeAllocating) {
    const std::vector<unsigned char> good = EncodeBmp(Pattern(4, 4));
    struct Case {
        const char* what;
        std::size_t at;
        int bytes; // 2 or 4
        std::uint32_t value;
    };
    const Case cases[] = {
        {"0 bits per pixel", 28, 2, 0},
        {"7 bits per pixel", 28, 2, 7},
        {"width 0", 18, 4, 0},
        {"negative width", 18, 4, static_cast<std::uint32_t>(-4)},
        {"height 0", 22, 4, 0},
        {"huge width", 18, 4, 0x7FFFFFFF},
        {"huge height", 22, 4, 0x40000000},
        {"rows beyond the file", 22, 4, 5},
        {"pixel offset beyond the file", 10, 4, 0xFFFFFF00u},
        {"RLE compression", 30, 4, 1},
        {"unknown header size", 14, 4, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<unsigned char> v = good;
        if (c.bytes == 2)
            Put16(v, c.at, c.value);
        else
            Put32(v, c.at, c.value);
        QImage img(1, 1, QImage::Format_RGB32);
        const PictureResult r = DecodeBmp(v.data(), v.size(), img);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(img.size(), QSize(1, 1)) << "the caller's picture is left alone";
    }
}

TEST_F(PictureFiles, TruncatedFilesGiveErrors) {
    const std::string bmp = Path("t.bmp"), jpg = Path("t.jpg"), cut = Path("cut");
    ASSERT_TRUE(SaveBmp(bmp, Pattern(33, 21)).ok);
    ASSERT_TRUE(SaveJpeg(jpg, Pattern(64, 48)).ok);
    for (const std::string& whole : {bmp, jpg}) {
        const auto bytes = Read(whole);
        ASSERT_GT(bytes.size(), 200u);
        for (std::size_t n : {std::size_t(0), std::size_t(1), std::size_t(2), std::size_t(13), std::size_t(20),
                              std::size_t(53), std::size_t(54), std::size_t(100), bytes.size() / 2, bytes.size() - 3}) {
            SCOPED_TRACE(whole + " cut at " + std::to_string(n));
            Write(cut, bytes, n);
            QImage img;
            const PictureResult r = whole == bmp ? LoadBmp(cut, img) : LoadJpeg(cut, img);
            EXPECT_FALSE(r.ok);
            EXPECT_FALSE(r.error.empty());
            EXPECT_TRUE(img.isNull()) << "a partly decoded picture is not handed out";
            EXPECT_FALSE(LoadPicture(cut, img).ok);
        }
    }
}

TEST_F(PictureFiles, JpegRoundTripKeepsSizeAndColours) {
    const QImage src = Blocks(320, 200);
    const std::string file = Path("b.jpg");
    ASSERT_TRUE(SaveJpeg(file, src).ok);
    QImage back;
    const PictureResult r = LoadJpeg(file, back);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(back.size(), src.size());
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    // Away from the block edges the default quality stays close.
    for (const QPoint p : {QPoint(40, 40), QPoint(40, 160), QPoint(280, 100)}) {
        const QRgb a = src.pixel(p), b = back.pixel(p);
        EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 12);
        EXPECT_EQ(qAlpha(b), 255);
    }
}

TEST_F(PictureFiles, GreyscaleJpegReadsAsGrey) {
    // A one-channel file, as scanners write: libjpeg used directly to make it.
    const int w = 16, h = 8;
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buf = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buf, &size);
    c.image_width = w;
    c.image_height = h;
    c.input_components = 1;
    c.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(w, 128);
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QImage back;
    const PictureResult r = DecodeJpeg(buf, size, back);
    std::free(buf);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(back.size(), QSize(w, h));
    EXPECT_NEAR(qRed(back.pixel(8, 4)), 128, 2);
    EXPECT_EQ(qRed(back.pixel(8, 4)), qBlue(back.pixel(8, 4)));
    EXPECT_EQ(qGreen(back.pixel(8, 4)), qBlue(back.pixel(8, 4)));
}

TEST_F(PictureFiles, PictureIsRecognisedByContentNotName) {
    const std::string bmpNamedJpg = Path("really_bmp.jpg"), jpgNamedBmp = Path("really_jpg.bmp");
    ASSERT_TRUE(SaveBmp(bmpNamedJpg, Pattern(8, 8)).ok);
    ASSERT_TRUE(SaveJpeg(jpgNamedBmp, Blocks(8, 8)).ok);
    QImage img;
    EXPECT_TRUE(LoadPicture(bmpNamedJpg, img).ok);
    EXPECT_TRUE(LoadPicture(jpgNamedBmp, img).ok);
    Write(Path("text.bmp"), {'h', 'e', 'l', 'l', 'o'}, 5);
    const PictureResult r = LoadPicture(Path("text.bmp"), img);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("text.bmp"), std::string::npos);
}

TEST_F(PictureFiles, SavePictureChoosesByExtension) {
    ASSERT_TRUE(SavePicture(Path("a.JPG"), Blocks(8, 8)).ok);
    ASSERT_TRUE(SavePicture(Path("a.bmp"), Blocks(8, 8)).ok);
    EXPECT_EQ(Read(Path("a.JPG"))[0], 0xFF);
    EXPECT_EQ(Read(Path("a.bmp"))[0], 'B');
}

TEST_F(PictureFiles, WriteFailuresAreReportedInRomanian) {
    const std::string missingDir = Path("no/such/dir/x.bmp");
    const struct {
        PictureResult r;
        std::string error;
    } cases[] = {
        {SaveBmp(missingDir, Pattern(4, 4)), "Fisierul \"" + missingDir + "\" nu poate fi creat."},
        {SaveJpeg(Path("no/such/dir/x.jpg"), Pattern(4, 4)),
         "Fisierul \"" + Path("no/such/dir/x.jpg") + "\" nu poate fi creat."},
        {SaveBmp(Path("empty.bmp"), QImage()), "Nu exista imagine de salvat."},
        {SaveJpeg(Path("wide.jpg"), QImage(65501, 1, QImage::Format_RGB32)),
         "Poza este prea mare pentru un fisier JPEG (cel mult 65500 pixeli pe latura)."},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(c.r.ok);
        EXPECT_EQ(c.r.error, c.error);
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("empty.bmp"))));
    QImage missing;
    const PictureResult r = LoadBmp(Path("absent.bmp"), missing);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("absent.bmp"), std::string::npos);
}

TEST_F(PictureFiles, JpegWiderThanLibjpegTakesIsRefusedWithoutAFile) {
    const std::string file = Path("wide.jpg");
    const PictureResult r = SaveJpeg(file, QImage(65501, 1, QImage::Format_RGB32));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
    // 65500 is still fine.
    QImage edge(65500, 1, QImage::Format_RGB32);
    edge.fill(Qt::white);
    EXPECT_TRUE(SaveJpeg(file, edge).ok);
}

TEST_F(PictureFiles, FailedWriteKeepsTheOldFile) {
    const std::string file = Path("keep.bmp");
    ASSERT_TRUE(SaveBmp(file, Pattern(3, 3)).ok);
    const auto before = Read(file);
    EXPECT_FALSE(SaveJpeg(file, QImage(70000, 1, QImage::Format_RGB32)).ok);
    EXPECT_EQ(Read(file), before);
}

TEST_F(PictureFiles, DamagedBytesNeverCrashTheDecoders) {
    // Under AddressSanitizer: random bytes changed in the headers and the
    // data; every outcome is an error or a whole picture.
    std::vector<unsigned char> jpg;
    ASSERT_TRUE(EncodeJpeg(Blocks(40, 24), jpg).ok);
    std::vector<unsigned char> bmp = EncodeBmp(Pattern(13, 5));
    auto pal = PaletteBmp(4, 5, 2, {qRgb(0, 0, 0), qRgb(9, 9, 9)}, {{0, 1, 0, 1, 0}, {1, 0, 1, 0, 1}});
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (const std::vector<unsigned char>* original : {&jpg, &bmp, &pal}) {
        for (int round = 0; round < 300; ++round) {
            std::vector<unsigned char> v = *original;
            const int changes = 1 + static_cast<int>(next() % 4);
            for (int k = 0; k < changes; ++k) {
                // Mostly the first 64 bytes, where the sizes are.
                const std::size_t at = next() % 2 ? next() % std::min<std::size_t>(64, v.size()) : next() % v.size();
                v[at] = static_cast<unsigned char>(next());
            }
            QImage img;
            const PictureResult r = original == &jpg ? DecodeJpeg(v.data(), v.size(), img)
                                                     : DecodeBmp(v.data(), v.size(), img);
            if (r.ok)
                EXPECT_FALSE(img.isNull());
            else
                EXPECT_TRUE(img.isNull());
        }
    }
}

TEST_F(PictureFiles, PaletteCutShortByThePixelOffset) {
    // "Colours used" 0 means 256 entries, but the pixels start after four:
    // the table ends there and the pixels are read from their offset.
    const std::vector<QRgb> pal{qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(9, 9, 9)};
    std::vector<unsigned char> v = PaletteBmp(8, 5, 1, pal, {{0, 1, 2, 3, 200}});
    Put32(v, 46, 0);
    QImage img;
    const PictureResult r = DecodeBmp(v.data(), v.size(), img);
    ASSERT_TRUE(r.ok) << r.error;
    for (int x = 0; x < 4; ++x) EXPECT_EQ(img.pixel(x, 0), pal[static_cast<std::size_t>(x)]) << x;
    EXPECT_EQ(img.pixel(4, 0), qRgb(0, 0, 0)) << "an index past the cut table is black";
}

TEST_F(PictureFiles, ChannelMasksOfAnyWidth) {
    // One pixel of a 32- or 16-bit file with BITFIELDS masks after a 40-byte header.
    auto masked = [](int bpp, std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t pixel) {
        std::vector<unsigned char> v(54 + 12 + 4, 0);
        v[0] = 'B';
        v[1] = 'M';
        Put32(v, 10, 54 + 12);
        Put32(v, 14, 40);
        Put32(v, 18, 1);
        Put32(v, 22, 1);
        Put16(v, 26, 1);
        Put16(v, 28, static_cast<std::uint32_t>(bpp));
        Put32(v, 30, 3);
        Put32(v, 54, r);
        Put32(v, 58, g);
        Put32(v, 62, b);
        Put32(v, 66, pixel);
        QImage img;
        const PictureResult res = DecodeBmp(v.data(), v.size(), img);
        EXPECT_TRUE(res.ok) << res.error;
        return img.isNull() ? QRgb(0) : img.pixel(0, 0);
    };
    const struct {
        const char* what;
        int bpp;
        std::uint32_t r, g, b, pixel;
        QRgb expected;
    } cases[] = {
        {"red over all 32 bits", 32, 0xFFFFFFFFu, 0, 0, 0xFFFFFFFFu, qRgb(255, 0, 0)},
        {"half of 32 bits", 32, 0xFFFFFFFFu, 0, 0, 0x80000000u, qRgb(128, 0, 0)},
        {"10-10-10", 32, 0x3FF00000u, 0x000FFC00u, 0x000003FFu, (1023u << 20) | (512u << 10) | 0u, qRgb(255, 128, 0)},
        {"8-8-8 in the high bytes", 32, 0xFF000000u, 0x00FF0000u, 0x0000FF00u, 0x11223344u, qRgb(0x11, 0x22, 0x33)},
        {"5-6-5", 16, 0xF800u, 0x07E0u, 0x001Fu, 0xFFFFu, qRgb(255, 255, 255)},
        {"5-6-5 green half", 16, 0xF800u, 0x07E0u, 0x001Fu, 32u << 5, qRgb(0, 130, 0)},
        {"no mask is no light", 32, 0, 0x0000FF00u, 0, 0xFFFFFFFFu, qRgb(0, 255, 0)},
    };
    for (const auto& c : cases) EXPECT_EQ(masked(c.bpp, c.r, c.g, c.b, c.pixel), c.expected) << c.what;
}

// ---- the one size limit, and JPEG files that claim more than they hold ----

TEST_F(PictureFiles, PixelLimitExactlyAtItsValue) {
    // 8192 x 8192 is 64 megapixels: past the limit check (and then short of
    // data); one row more is refused by its size, before anything is allocated.
    const std::vector<unsigned char> bmp = EncodeBmp(Pattern(4, 4));
    const fixtures::Bytes jpg = fixtures::DetailedJpeg(64, 64);
    const long before = fixtures::PeakMemoryMb();
    for (const auto& [h, refused] : std::vector<std::pair<unsigned, bool>>{{8192, false}, {8193, true}}) {
        SCOPED_TRACE(h);
        const std::string limitText = "Poza este prea mare: 8192 x " + std::to_string(h) +
                                      " pixeli (cel mult 64 megapixeli).";
        std::vector<unsigned char> b = bmp;
        Put32(b, 18, 8192);
        Put32(b, 22, h);
        QImage img;
        PictureResult r = DecodeBmp(b.data(), b.size(), img);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error == limitText, refused) << r.error;
        const fixtures::Bytes j = fixtures::WithSize(jpg, 8192, h);
        r = DecodeJpeg(j.data(), j.size(), img);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error == limitText, refused) << r.error;
        EXPECT_TRUE(img.isNull());
    }
    // The JPEG stops at its first missing row: the 256 MB picture is never filled with grey.
    EXPECT_LT(fixtures::PeakMemoryMb() - before, 128);
}

TEST_F(PictureFiles, TinyJpegClaimingAHugePictureIsRefusedAtOnce) {
    const long before = fixtures::PeakMemoryMb();
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const fixtures::Bytes bomb = fixtures::WithSize(fixtures::DetailedJpeg(64, 64, progressive), 30000, 30000);
        ASSERT_LT(bomb.size(), 4000u);
        const std::string file = Path("bomba.jpg");
        Write(file, bomb, bomb.size());
        QImage img;
        const PictureResult r = LoadPicture(file, img);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, "Poza este prea mare: 30000 x 30000 pixeli (cel mult 64 megapixeli). (" + file + ")");
        EXPECT_TRUE(img.isNull());
    }
    // Decoded whole, the two would take gigabytes.
    EXPECT_LT(fixtures::PeakMemoryMb() - before, 64);
}

TEST_F(PictureFiles, DamagedJpegReportsItsFirstFault) {
    // Cut inside the scan data, and a run of bytes spoiled in the middle of it.
    const fixtures::Bytes whole = fixtures::DetailedJpeg(320, 240);
    const std::size_t scan = fixtures::ScanDataStart(whole);
    ASSERT_GT(whole.size() - scan, 2000u);
    fixtures::Bytes spoiled = whole;
    for (std::size_t i = scan + 500; i < scan + 600; ++i) spoiled[i] = 0xFF;
    const struct {
        const char* what;
        fixtures::Bytes bytes;
        const char* error;
    } cases[] = {
        {"cut", fixtures::Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(scan + 1000)),
         "Damaged JPEG data: Premature end of JPEG file"},
        {"spoiled", spoiled, "Damaged JPEG data: Corrupt JPEG data: premature end of data segment"},
    };
    for (const auto& c : cases) {
        QImage img;
        const PictureResult r = DecodeJpeg(c.bytes.data(), c.bytes.size(), img);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_EQ(r.error, c.error) << c.what;
        EXPECT_TRUE(img.isNull()) << c.what;
    }
}
