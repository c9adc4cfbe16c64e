#include "support/LocaleText.h"
#include "TForm1.h"

#include "Jpeg.h"
#include "JpegFixtures.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

using demo::TForm1;

namespace {
// A plain-colour JPEG written with libjpeg for the fixtures.
void WriteJpeg(const QString& path, int w, int h, unsigned char r, unsigned char g, unsigned char b) {
    std::FILE* f = std::fopen(path.toLocal8Bit().constData(), "wb");
    ASSERT_NE(f, nullptr);
    jpeg_compress_struct c{};
    jpeg_error_mgr e{};
    c.err = jpeg_std_error(&e);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[x * 3] = r;
        row[x * 3 + 1] = g;
        row[x * 3 + 2] = b;
    }
    while (c.next_scanline < c.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
}

// A folder of numbered pictures made current for the test.
class Slides : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = QDir::currentPath();
        ASSERT_TRUE(dir_.isValid());
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override { QDir::setCurrent(old_); }
    void Make(std::initializer_list<int> numbers) {
        for (int n : numbers) WriteJpeg(QString::number(n) + ".jpg", 16, 8, static_cast<unsigned char>(n * 40), 0, 0);
    }
    QTemporaryDir dir_;
    QString old_;
};

int Red(const TForm1& f) { return qRed(f.Image1->image.pixel(4, 4)); }
} // namespace

TEST_F(Slides, EmptyFolder) {
    TForm1 f;
    f.show();
    EXPECT_EQ(f.windowTitle(), "Demo Zarvelo v2.02");
    EXPECT_TRUE(f.Image1->image.isNull());
    EXPECT_TRUE(f.Timer1->isActive());
    f.Timer1Timer();
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_EQ(f.BitBtn1->text(), "Play");
    f.Button5Click();
    EXPECT_EQ(f.Panel2->text(), "1");
}

TEST_F(Slides, RunWithAGap) {
    Make({1, 2, 3, 5});
    TForm1 f;
    f.show();
    EXPECT_EQ(Red(f), 40);
    QTest::mouseClick(f.Button2, Qt::LeftButton); // "<" at 1 stays and reloads 1
    EXPECT_EQ(f.Panel2->text(), "1");
    QTest::mouseClick(f.Button5, Qt::LeftButton); // ">>" stops before the gap
    EXPECT_EQ(f.Panel2->text(), "3");
    EXPECT_NEAR(Red(f), 120, 2);
    QTest::mouseClick(f.Button4, Qt::LeftButton); // ">" at the end stays
    EXPECT_EQ(f.Panel2->text(), "3");
    QTest::mouseClick(f.Button1, Qt::LeftButton);
    EXPECT_EQ(f.Panel2->text(), "1");
    f.Timer1Timer();
    f.Timer1Timer();
    EXPECT_EQ(f.Panel2->text(), "3");
    f.Timer1Timer(); // 4 is missing: the show is over, the last picture stays
    EXPECT_EQ(f.Panel2->text(), "1");
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_NEAR(Red(f), 120, 2);
    EXPECT_EQ(f.BitBtn1->text(), "Play");
    QTest::mouseClick(f.BitBtn1, Qt::LeftButton); // "Play" shows 1 and runs again
    EXPECT_EQ(f.BitBtn1->text(), "Pauza");
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_NEAR(Red(f), 40, 2);
    QTest::mouseClick(f.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(f.Timer1->isActive());
}

TEST_F(Slides, TheIntervalPanelShowsItsWordsWhole) {
    TForm1 f;
    f.show();
    const auto* interval = f.Panel1->findChild<QLabel*>("Label1");
    const auto* sec = f.Panel1->findChild<QLabel*>("Label2");
    ASSERT_TRUE(interval && sec);
    for (const QLabel* l : {interval, sec}) {
        EXPECT_GE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->text())) << l->text().toStdString();
        EXPECT_TRUE(f.Panel1->rect().contains(l->geometry())) << l->text().toStdString();
    }
    EXPECT_EQ(interval->text(), "Interval:");
    // Side by side, none covering another.
    EXPECT_LE(interval->geometry().right(), f.Edit1->geometry().left());
    EXPECT_LE(f.Edit1->geometry().right(), sec->geometry().left());
    EXPECT_LE(f.Panel1->geometry().right(), f.Panel2->geometry().left());
    EXPECT_EQ(f.Panel1->geometry().left(), 144);
}

TEST_F(Slides, IntervalField) {
    TForm1 f;
    const struct {
        const char* text;
        int ms;
    } cases[] = {
        {"2.5", 2500}, {"abc", 2500}, {"1", 1000}, {"0", 1000}, {"-3", 1000}, {"0.0015", 2}, {"1e99", 2},
    };
    for (const auto& c : cases) {
        f.Edit1->setText(QString::fromStdString(WithSystemSeparator(c.text)));
        EXPECT_EQ(f.Timer1->interval(), c.ms) << c.text;
    }
}

// ---- damaged and oversized pictures ----

namespace {
using fixtures::Bytes;

// Decodes through the player's reader as a slide of an 800 x 600 box.
struct Decoded {
    bool ok = false;
    QImage image;
    std::string error;
};
Decoded DecodeAsSlide(const Bytes& b) {
    Decoded d;
    d.ok = demo::DecodeJpegData(b.data(), b.size(), d.image, d.error, QSize(800, 600));
    return d;
}
} // namespace

TEST_F(Slides, PictureCutInsideItsScanDataGivesOneMessageAndTheShowGoesOn) {
    Make({1});
    const Bytes whole = fixtures::DetailedJpeg(320, 240);
    const std::size_t scan = fixtures::ScanDataStart(whole);
    ASSERT_GT(whole.size() - scan, 2000u) << "most of the file is scan data";
    fixtures::WriteFile(
        "2.jpg", Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(scan + (whole.size() - scan) / 2)));
    TForm1 f;
    std::vector<std::string> errors;
    f.showError = [&](const std::string& e) { errors.push_back(e); };
    f.show();
    f.Timer1Timer();
    EXPECT_EQ(f.Panel2->text(), "2");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Poza din fisierul \"2.jpg\" este deteriorata sau incompleta.");
    EXPECT_NEAR(Red(f), 40, 2) << "no half-grey picture replaces the last good one";
    EXPECT_TRUE(f.Timer1->isActive());
}

TEST(PlayerJpeg, MessagesAreRomanianAndNameTheFile) {
    QTemporaryDir dir;
    const Bytes whole = fixtures::DetailedJpeg(64, 64);
    const auto cut = [&](std::size_t n) {
        return Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
    };
    Bytes sevenBits = whole; // a sample precision no decoder takes
    sevenBits[fixtures::FindMarker(whole, {0xC0}) + 4] = 7;
    const struct {
        const char* name;
        Bytes bytes;
        const char* after; // after 'Poza din fisierul "<file>"'
    } cases[] = {
        {"1.jpg", cut(fixtures::ScanDataStart(whole) + 40), " este deteriorata sau incompleta."},
        {"2.jpg", cut(40), " este deteriorata sau incompleta."},
        {"3.jpg", sevenBits, " nu poate fi citita: nu este o poza JPEG valida."},
        {"4.jpg", {'B', 'M', 'n', 'u'}, " nu poate fi citita: nu este o poza JPEG valida."},
        {"5.jpg", fixtures::WithSize(whole, 30000, 30000),
         " este prea mare: 30000 x 30000 pixeli (cel mult 64 megapixeli)."},
    };
    for (const auto& c : cases) {
        const std::string file = dir.filePath(c.name).toStdString();
        fixtures::WriteFile(file, c.bytes);
        QImage img;
        std::string error;
        EXPECT_FALSE(demo::DecodeJpegFile(file, img, error));
        EXPECT_EQ(error, "Poza din fisierul \"" + file + "\"" + c.after);
    }
    std::string error;
    QImage img;
    const std::string missing = dir.filePath("6.jpg").toStdString();
    EXPECT_FALSE(demo::DecodeJpegFile(missing, img, error));
    EXPECT_EQ(error, "Nu pot deschide fisierul \"" + missing + "\".");
}

TEST(PlayerJpeg, TinyFilesClaimingHugePicturesAreRefusedWithBoundedMemory) {
    const Bytes small = fixtures::DetailedJpeg(64, 64);
    const Bytes smallProgressive = fixtures::DetailedJpeg(64, 64, true);
    const long before = fixtures::PeakMemoryMb();
    for (const Bytes* b : {&small, &smallProgressive}) {
        const Bytes bomb = fixtures::WithSize(*b, 30000, 30000);
        ASSERT_LT(bomb.size(), 4000u);
        const Decoded d = DecodeAsSlide(bomb);
        EXPECT_FALSE(d.ok);
        EXPECT_TRUE(d.image.isNull());
        EXPECT_FALSE(d.error.empty());
    }
    // Whole, the pictures would take gigabytes.
    EXPECT_LT(fixtures::PeakMemoryMb() - before, 200);
}

TEST(PlayerJpeg, PixelLimitHoldsForThePictureAsDecoded) {
    // Full size (no box): 8192 x 8192 is exactly the limit and goes on to
    // the (missing) data; one row more is refused by name.
    const Bytes small = fixtures::DetailedJpeg(64, 64);
    for (const auto& [h, refused] : std::vector<std::pair<unsigned, bool>>{{8192, false}, {8193, true}}) {
        const Bytes b = fixtures::WithSize(small, 8192, h);
        QImage img;
        std::string error;
        EXPECT_FALSE(demo::DecodeJpegData(b.data(), b.size(), img, error));
        EXPECT_EQ(error == "Poza este prea mare: 8192 x " + std::to_string(h) + " pixeli (cel mult 64 megapixeli).",
                  refused)
            << error;
    }
}

TEST(PlayerJpeg, ScaleCoversTheBoxAndNoMore) {
    const struct {
        long long w, h;
        int boxW, boxH, eighths;
    } cases[] = {
        {20000, 15000, 800, 600, 1}, {1600, 1200, 800, 600, 4}, {1601, 1200, 800, 600, 4},
        {1598, 1200, 800, 600, 5},   {800, 600, 800, 600, 8},   {16, 8, 800, 600, 8},
        {8000, 100, 1000, 50, 4},    {4000, 3000, 0, 0, 8},     {4000, 3000, 1920, 1080, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(demo::ScaleEighthsFor(c.w, c.h, c.boxW, c.boxH), c.eighths) << c.w << "x" << c.h << " in " << c.boxW;
}

TEST_F(Slides, HugePictureIsShownReducedWithBoundedMemory) {
    fixtures::WriteFile("1.jpg", fixtures::FlatGreyJpeg(20000, 15000));
    const long before = fixtures::PeakMemoryMb();
    TForm1 f;
    std::vector<std::string> errors;
    f.showError = [&](const std::string& e) { errors.push_back(e); };
    f.show();
    EXPECT_TRUE(errors.empty()) << errors.front();
    // The 808 x 634 window needs an eighth: 2500 x 1875 instead of 1.2 GB.
    EXPECT_EQ(f.Image1->image.size(), QSize(2500, 1875));
    EXPECT_NEAR(qRed(f.Image1->image.pixel(1250, 900)), 128, 2);
    EXPECT_LT(fixtures::PeakMemoryMb() - before, 200);
}
