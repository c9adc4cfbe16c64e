// The software 3D view and the mini views of the sample furniture, drawn
// without a window and compared with stored pictures.
#include "model/MobilaFile.h"
#include "platform/Canvas.h"
#include "render/SoftRender.h"

#include <QFile>
#include <gtest/gtest.h>

#include <memory>

#include "support/GoldenImage.h"

using namespace zv;
using zv::test::GoldenTolerance;
using zv::test::MatchesGolden;

namespace {

// The main window's pictures at their start-up sizes.
constexpr int k3DWidth = 570, k3DHeight = 320;
constexpr int kMiniWidth = 168, kMiniHeight = 126;

struct ViewPictures : ::testing::Test {
    std::unique_ptr<Furniture> f = std::make_unique<Furniture>();

    void SetUp() override {
        // As the program starts: no furniture, the slot defaults, then the file.
        f->ResetToNoFurniture();
        f->SetSlotDefaults();
        ReplaceWithMobilaFile(ReadMobilaFile(ZV_DATA_DIR "/Dulap.mo4"), *f);
        RecomputeFurnitureSize(f->scene, f->dim);
        f->scene.currentFillStyle = 7; // the current piece hatched, as after opening
        FitViewScale(f->scene, k3DWidth, k3DHeight, f->dim.H, f->dim.W);
    }
    QImage Picture3D(int mode) {
        Canvas c;
        Redraw3DImage(f->scene, c, k3DWidth, k3DHeight, mode, f->exteriorView);
        return c.Image().copy();
    }
    QImage Mini(int view, int mode) {
        Canvas c;
        RedrawProjectionImage(f->scene, c, kMiniWidth, kMiniHeight, view, 10, 10, mode);
        return c.Image().copy();
    }
};

// "3D" is text: its font is the machine's.
GoldenTolerance Tolerance3D() {
    GoldenTolerance t;
    t.pixels = 40;
    t.ignore = {QRect(0, 0, 40, 28)};
    return t;
}

} // namespace

TEST_F(ViewPictures, The3DViewAsStoredInEachDisplayMode) {
    ASSERT_GT(f->scene.pieceCount, 0);
    EXPECT_TRUE(MatchesGolden(Picture3D(0), "soft3d_stored_lit", Tolerance3D()));
    EXPECT_TRUE(MatchesGolden(Picture3D(1), "soft3d_stored_unlit", Tolerance3D()));
    EXPECT_TRUE(MatchesGolden(Picture3D(2), "soft3d_stored_wire", Tolerance3D()));
}

TEST_F(ViewPictures, The3DViewTurnedFromOutsideAndInside) {
    f->scene.rotY = 0.6;
    f->scene.rotX = -0.3;
    EXPECT_TRUE(MatchesGolden(Picture3D(0), "soft3d_turned_outside", Tolerance3D()));
    f->exteriorView = 0;
    EXPECT_TRUE(MatchesGolden(Picture3D(0), "soft3d_turned_inside", Tolerance3D()));
}

TEST_F(ViewPictures, TheSixSidesOfTheMiniViews) {
    const char* names[7] = {"", "front", "back", "left", "right", "top", "bottom"};
    GoldenTolerance t;
    t.pixels = 10;
    for (int view = 1; view <= 6; ++view)
        EXPECT_TRUE(MatchesGolden(Mini(view, 0), std::string("mini_") + names[view], t));
    EXPECT_TRUE(MatchesGolden(Mini(1, 2), "mini_front_wire", t));
}

TEST(GoldenImage, ToleranceIgnoredRectanglesAndTheMask) {
    QImage a(20, 10, QImage::Format_RGB32);
    a.fill(Qt::white);
    QImage b = a.copy();
    b.setPixel(1, 1, qRgb(250, 250, 250)); // within the channel tolerance
    b.setPixel(5, 5, qRgb(0, 0, 0));
    b.setPixel(15, 2, qRgb(255, 0, 0));
    GoldenTolerance t;
    int differing = -1;
    QImage mask = zv::test::GoldenDifferenceMask(b, a, t, &differing);
    EXPECT_EQ(differing, 2);
    EXPECT_EQ(mask.pixel(5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(mask.pixel(1, 1), qRgb(255, 255, 255));
    t.ignore = {QRect(14, 0, 6, 10)};
    mask = zv::test::GoldenDifferenceMask(b, a, t, &differing);
    EXPECT_EQ(differing, 1);
    EXPECT_EQ(mask.pixel(15, 2), qRgb(192, 192, 192));
}

TEST(GoldenImage, AMissingStoredPictureFailsAndLeavesTheActualOne) {
    if (zv::test::UpdatingGolden()) GTEST_SKIP() << "storing pictures: nothing to compare";
    QImage a(8, 8, QImage::Format_RGB32);
    a.fill(Qt::blue);
    const QString actual = zv::test::GoldenOutputFolder() + "/no_such_picture.actual.png";
    QFile::remove(actual);
    const ::testing::AssertionResult r = MatchesGolden(a, "no_such_picture");
    EXPECT_FALSE(r);
    EXPECT_NE(std::string(r.message()).find("ZV_UPDATE_GOLDEN=1"), std::string::npos);
    EXPECT_EQ(QImage(actual).pixel(3, 3), qRgb(0, 0, 255));
}
