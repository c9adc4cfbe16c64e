// Picking a piece by double click in the OpenGL view and in the software view,
// on a door with a shelf of the same colour behind it and a white door beside.
#include "platform/widgets/RadioGroup.h"
#include "render/SoftRender.h"
#include "ui/Forms.h"
#include "ui/GLView.h"
#include "ui/TCarPies.h"
#include "ui/TMain.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace zv {
namespace {

constexpr Color kOak = 0x3C6996; // red 150, green 105, blue 60
constexpr int kDoor = 0, kShelf = 1, kWhiteDoor = 2;

class Picking : public ::testing::Test {
protected:
    void SetUp() override {
        CreateForms();
        main = Forms().Main;
        main->resize(900, 650);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        Furniture& f = main->model;
        f.scene.Clear();
        f.scene.AddBox(0, 0, 0, 600, 800, 18);     // door
        f.scene.AddBox(18, 300, 18, 564, 18, 380); // shelf behind it, same colour
        f.scene.AddBox(650, 0, 0, 400, 800, 18);   // white door beside
        f.scene.color[kDoor] = kOak;
        f.scene.color[kShelf] = kOak;
        f.scene.color[kWhiteDoor] = Rgb(255, 255, 255);
        f.pieceNames = {"Usa", "Polita", "Usa alba"};
        f.scene.current = kWhiteDoor;
        f.exteriorView = 1;
        main->RecomputeFurnitureSize();
        main->EnableDesignControls();
        main->FitViewScale();
    }
    void TearDown() override { DestroyForms(); }

    // A point every mask in `pieces` covers, near the middle of their overlap.
    static QPoint Inside(const std::vector<QImage>& masks) {
        const QImage& m0 = masks.front();
        long sx = 0, sy = 0, n = 0;
        auto all = [&](int x, int y) {
            for (const QImage& m : masks)
                if (m.pixel(x, y) != qRgb(0, 0, 0)) return false;
            return true;
        };
        for (int y = 0; y < m0.height(); ++y)
            for (int x = 0; x < m0.width(); ++x)
                if (all(x, y)) sx += x, sy += y, ++n;
        if (n == 0) return {-1, -1};
        const QPoint c(static_cast<int>(sx / n), static_cast<int>(sy / n));
        return all(c.x(), c.y()) ? c : QPoint(-1, -1);
    }

    // Where a piece alone is drawn: black on white. A white piece is drawn
    // grey for this.
    QImage MaskOf(int piece, const std::function<QImage()>& drawAlone) {
        Color& c = main->model.scene.color[static_cast<std::size_t>(piece)];
        const Color keep = c;
        c = Rgb(90, 90, 90);
        QImage img = drawAlone().convertToFormat(QImage::Format_RGB32);
        c = keep;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, (img.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        return img;
    }

    struct Points {
        QPoint doorOverShelf, whiteDoor, background;
    };
    Points Locate(const std::function<QImage(int)>& drawAlone) {
        const QImage door = MaskOf(kDoor, [&] { return drawAlone(kDoor); });
        const QImage shelf = MaskOf(kShelf, [&] { return drawAlone(kShelf); });
        const QImage white = MaskOf(kWhiteDoor, [&] { return drawAlone(kWhiteDoor); });
        Points p;
        p.doorOverShelf = Inside({door, shelf});
        p.whiteDoor = Inside({white});
        p.background = {5, door.height() - 40};
        EXPECT_EQ(door.pixel(p.background), qRgb(255, 255, 255));
        EXPECT_EQ(white.pixel(p.background), qRgb(255, 255, 255));
        return p;
    }

    // One double click at p: the current piece and the modified flag after it.
    void Expect(const std::function<void(QPoint)>& click, QPoint p, int current, bool modified, int want,
                const char* what) {
        SCOPED_TRACE(what);
        main->model.scene.current = current;
        main->SetModified(false);
        click(p);
        EXPECT_EQ(main->model.scene.current, want);
        EXPECT_EQ(main->model.modified, modified);
        EXPECT_EQ(!Forms().CarPies->Label11->isHidden(), modified); // the "*"
    }

    void PickAll(const std::function<QImage(int)>& drawAlone, const std::function<void(QPoint)>& click, QSize picture) {
        main->SetHatch(false);
        const Points p = Locate(drawAlone);
        ASSERT_GE(p.doorOverShelf.x(), 0);
        ASSERT_GE(p.whiteDoor.x(), 0);
        // The door in front wins over the shelf of the same colour behind it.
        Expect(click, p.doorOverShelf, kWhiteDoor, true, kDoor, "door over shelf");
        // A white piece is picked like any other.
        Expect(click, p.whiteDoor, kDoor, true, kWhiteDoor, "white door");
        // The hatched current piece does not let the shelf behind it win.
        main->SetHatch(true);
        Expect(click, p.doorOverShelf, kDoor, true, kDoor, "hatched door");
        Expect(click, p.doorOverShelf, kShelf, true, kDoor, "door over hatched shelf");
        // The background and points outside the picture change nothing.
        Expect(click, p.background, kShelf, false, kShelf, "background");
        Expect(click, {-3, 10}, kShelf, false, kShelf, "left of the picture");
        Expect(click, {picture.width() + 5, 10}, kShelf, false, kShelf, "right of the picture");
        Expect(click, {10, picture.height()}, kShelf, false, kShelf, "below the picture");
    }

    TMain* main = nullptr;
};

TEST_F(Picking, OpenGLView) {
    main->RadioGroup2->SetItemIndex(1);
    main->RadioGroup2Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->GLView->MakeCurrent(); }, 3000));
    auto alone = [&](int piece) {
        main->ClearGLFrame();
        main->RenderScene(piece);
        QImage img;
        main->WindowShotGL2(img);
        return img;
    };
    auto click = [&](QPoint p) {
        if (p.x() >= 0 && p.y() >= 0 && p.x() < main->GLView->width() && p.y() < main->GLView->height()) {
            QTest::mouseDClick(main->GLView, Qt::LeftButton, {}, p);
        } else {
            main->pickX = p.x();
            main->pickY = p.y();
            main->FormDblClick();
        }
    };
    PickAll(alone, click, main->GLView->size());
    // The timers run again afterwards.
    EXPECT_TRUE(main->Timer2->isActive());
    EXPECT_TRUE(main->Timer3->isActive());
}

TEST_F(Picking, OpenGLPassIsNeverShown) {
    main->RadioGroup2->SetItemIndex(1);
    main->RadioGroup2Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->GLView->MakeCurrent(); }, 3000));
    main->SetHatch(false);
    QTest::qWait(100);
    const QImage before = main->GLView->grab().toImage();
    main->Timer2->stop();
    main->pickX = main->GLView->width() / 2;
    main->pickY = main->GLView->height() / 2;
    main->FormDblClick();
    main->Timer2->stop();
    // The view's frame buffer still holds the scene in its colours, not the
    // flat colours of the pick pass (piece 1 would be nearly black).
    const QImage after = main->GLView->grab().toImage();
    const QRgb c = after.pixel(main->pickX, main->pickY);
    EXPECT_GT(qRed(c) + qGreen(c) + qBlue(c), 60);
    EXPECT_EQ(after.pixel(main->pickX, main->pickY), before.pixel(main->pickX, main->pickY));
}

TEST_F(Picking, SoftwareView) {
    main->RadioGroup2->SetItemIndex(0);
    main->RadioGroup2Click();
    main->ComboBox3->setCurrentIndex(0);
    main->Redraw3D();
    PictureBox* img = main->Image4;
    auto alone = [&](int piece) {
        Canvas c(img->width(), img->height());
        c.SetBrushColor(Rgb(255, 255, 255));
        c.FillRect(0, 0, c.Width(), c.Height());
        DrawObject(main->model.scene, c, piece, main->model.exteriorView, 0);
        return c.Image().copy();
    };
    auto click = [&](QPoint p) {
        if (p.x() >= 0 && p.y() >= 0 && p.x() < img->width() && p.y() < img->height()) {
            QTest::mouseDClick(img, Qt::LeftButton, {}, p);
        } else {
            main->pickX = p.x();
            main->pickY = p.y();
            main->Image4DblClick();
        }
    };
    PickAll(alone, click, img->size());
}

// With "Rend soft" the OpenGL view's double click does nothing, and the other way round.
TEST_F(Picking, EachViewOnlyWithItsRenderer) {
    main->RadioGroup2->SetItemIndex(0);
    main->RadioGroup2Click();
    main->SetModified(false);
    main->pickX = main->GLView->width() / 2;
    main->pickY = main->GLView->height() / 2;
    main->FormDblClick();
    EXPECT_EQ(main->model.scene.current, kWhiteDoor);
    EXPECT_FALSE(main->model.modified);
    main->RadioGroup2->SetItemIndex(1);
    main->RadioGroup2Click();
    main->Image4DblClick();
    EXPECT_EQ(main->model.scene.current, kWhiteDoor);
    EXPECT_FALSE(main->model.modified);
}

} // namespace
} // namespace zv
