#include "TForm1.h"

#include <QDir>
#include <QFile>
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
        for (int n : numbers)
            WriteJpeg(QString::number(n) + ".jpg", 16, 8, static_cast<unsigned char>(n * 40), 0, 0);
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

TEST_F(Slides, IntervalField) {
    TForm1 f;
    const struct { const char* text; int ms; } cases[] = {
        {"2.5", 2500}, {"abc", 2500}, {"1", 1000}, {"0", 1000}, {"-3", 1000}, {"0.0015", 2}, {"1e99", 2},
    };
    for (const auto& c : cases) {
        f.Edit1->setText(c.text);
        EXPECT_EQ(f.Timer1->interval(), c.ms) << c.text;
    }
}

TEST_F(Slides, DamagedPictureIsReportedAndTheShowGoesOn) {
    Make({1});
    {
        QFile bad("2.jpg");
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        QFile good("1.jpg");
        ASSERT_TRUE(good.open(QIODevice::ReadOnly));
        const QByteArray bytes = good.readAll();
        bad.write(bytes.left(bytes.size() / 2)); // cut in the middle
    }
    TForm1 f;
    std::vector<std::string> errors;
    f.showError = [&](const std::string& e) { errors.push_back(e); };
    f.show();
    f.Timer1Timer();
    EXPECT_EQ(f.Panel2->text(), "2");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NEAR(Red(f), 40, 2); // picture 1 stays on screen
    EXPECT_TRUE(f.Timer1->isActive());
}
