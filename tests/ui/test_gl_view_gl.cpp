// The OpenGL view of the main window on a real display: drawing, read-back,
// the frame-rate label, the renderer switch and the whole-window mode.
#include "support/Program.h"
#include "platform/Dialogs.h"
#include "platform/widgets/RadioGroup.h"
#include "ui/Forms.h"
#include "ui/GLView.h"
#include "ui/TCarPies.h"
#include "ui/TMain.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zv {
namespace {

class GLViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateForms();
        main = Forms().Main;
        ASSERT_TRUE(ShownWithOpenGL(main, 640, 480));
    }
    void TearDown() override { DestroyForms(); }

    // A furniture of the given boxes, open, with "Rend hard" running.
    void Open(std::initializer_list<std::array<double, 6>> boxes, std::initializer_list<Color> colors) {
        Scene3D& s = main->model.scene;
        s.Clear();
        auto c = colors.begin();
        for (const auto& b : boxes) {
            s.AddBox(b[0], b[1], b[2], b[3], b[4], b[5]);
            s.color[static_cast<std::size_t>(s.pieceCount - 1)] = c != colors.end() ? *c++ : Rgb(140, 140, 140);
            main->model.pieceNames.push_back("Piesa");
        }
        s.current = 0;
        main->model.exteriorView = 1;
        main->EnableDesignControls();
        main->Timer2->start();
        main->Timer3->start();
    }

    QImage Shot() {
        main->ClearGLFrame();
        main->RenderScene(-2);
        QImage img;
        main->WindowShotGL2(img);
        return img;
    }

    // One tick of the one-second "Frame/sec" timer, through its own signal,
    // so a test need not wait the second out.
    void Tick() { ASSERT_TRUE(QMetaObject::invokeMethod(main->Timer3, "timeout")); }

    static bool White(QRgb p) { return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255; }

    TMain* main = nullptr;
};

TEST_F(GLViewTest, OneBoxCoversTheCentreAndLeavesTheCornerWhite) {
    Open({{0, 0, 0, 600, 800, 400}}, {Rgb(140, 140, 140)});
    Forms().CarPies->CheckBox2->setChecked(false);
    const QImage img = Shot();
    ASSERT_EQ(img.width(), main->GLView->width());
    ASSERT_EQ(img.height(), main->GLView->height());
    const int cx = img.width() / 2, cy = img.height() / 2;
    EXPECT_FALSE(White(img.pixel(cx, cy)));
    EXPECT_TRUE(White(img.pixel(2, 2)));
    EXPECT_TRUE(White(img.pixel(img.width() - 3, img.height() - 3)));

    // With "&Hasura" the current piece is drawn through the cross-hatch:
    // inside it, some pixels of every 8 x 8 cell stay white.
    Forms().CarPies->CheckBox2->setChecked(true);
    const QImage hatched = Shot();
    int white = 0, drawn = 0;
    for (int y = cy - 4; y < cy + 4; ++y)
        for (int x = cx - 4; x < cx + 4; ++x) (White(hatched.pixel(x, y)) ? white : drawn)++;
    EXPECT_GT(white, 0);
    EXPECT_GT(drawn, 0);
}

TEST_F(GLViewTest, ReadBackIsTopRowFirstAndRedFirst) {
    // A red box above a blue one, seen from the front.
    Open({{0, 400, 0, 600, 400, 100}, {0, 0, 0, 600, 400, 100}}, {Rgb(255, 0, 0), Rgb(0, 0, 255)});
    main->SetMiniViewsWanted(false);
    main->ShowMiniViews(false);
    const QImage img = Shot();
    ASSERT_EQ(img.format(), QImage::Format_RGBA8888);
    const int x = img.width() / 2;
    int firstRed = -1, firstBlue = -1;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* px = img.constScanLine(y) + 4 * x;
        if (firstRed < 0 && px[0] > 200 && px[1] < 60 && px[2] < 60) firstRed = y;
        if (firstBlue < 0 && px[2] > 200 && px[0] < 60 && px[1] < 60) firstBlue = y;
    }
    ASSERT_GE(firstRed, 0) << "no red pixel in the picture's middle column";
    ASSERT_GE(firstBlue, 0) << "no blue pixel in the picture's middle column";
    EXPECT_LT(firstRed, firstBlue); // the upper box is at the top of the picture
}

TEST_F(GLViewTest, ContourModelCutsTheCornersOffThePiece) {
    // A 600 x 600 board facing the eye: as a rectangle it covers a point near
    // its corner; with the round model that point is outside the disc.
    Open({{0, 0, 0, 600, 600, 18}}, {Rgb(90, 90, 200)});
    Forms().CarPies->CheckBox2->setChecked(false);
    main->ShowMiniViews(false);
    main->model.attrs.modelFace[0] = 1; // thickness along Z
    const QImage rect = Shot();
    const int cx = rect.width() / 2, cy = rect.height() / 2;
    // The board spans about 0.85 of the half height each way from the centre.
    const int d = static_cast<int>(0.68 * rect.height() / 2);
    EXPECT_FALSE(White(rect.pixel(cx, cy)));
    EXPECT_FALSE(White(rect.pixel(cx + d, cy - d)));

    main->model.attrs.modelFile[0] = ZV_DATA_DIR "/Cerc.bmp";
    const QImage disc = Shot();
    EXPECT_FALSE(White(disc.pixel(cx, cy)));
    EXPECT_TRUE(White(disc.pixel(cx + d, cy - d)));
    EXPECT_TRUE(White(disc.pixel(cx - d, cy + d)));

    // A model file that is not there leaves the rectangle.
    main->model.attrs.modelFile[0] = ZV_DATA_DIR "/no such model.bmp";
    EXPECT_FALSE(White(Shot().pixel(cx + d, cy - d)));
}

TEST_F(GLViewTest, TexturedCapsTakeTheAtlasAndABadSlotTakesTheColour) {
    // A red board facing the eye with a green one-slot atlas.
    Open({{0, 0, 0, 600, 600, 18}}, {Rgb(255, 0, 0)});
    Forms().CarPies->CheckBox2->setChecked(false);
    main->ShowMiniViews(false);
    Furniture& f = main->model;
    f.attrs.modelFace[0] = 1;
    f.attrs.textureIndex[0] = 0;
    f.attrs.textureRepeated[0] = 1;
    f.textures.count = 1;
    f.textures.width[0] = f.textures.height[0] = 64;
    f.textures.requestedWidth[0] = f.textures.requestedHeight[0] = 64;
    f.textures.repeatScale[0] = 200;
    AtlasPixels green;
    green.width = green.height = 64;
    green.rowBytes = 64 * 3;
    green.rgb.assign(64 * 64 * 3, 0);
    for (std::size_t k = 1; k < green.rgb.size(); k += 3) green.rgb[k] = 255;
    main->GLView->LoadAtlas(green);

    auto centre = [&] {
        const QImage img = Shot();
        return img.pixel(img.width() / 2, img.height() / 2);
    };
    QRgb c = centre();
    EXPECT_GT(qGreen(c), 150);
    EXPECT_LT(qRed(c), 60);

    struct Case {
        const char* what;
        int index, count, requestedWidth;
    } cases[] = {{"index at the slot count", 1, 1, 64}, {"empty atlas", 0, 0, 64}, {"slot width 0", 0, 1, 0}};
    for (const Case& k : cases) {
        f.attrs.textureIndex[0] = k.index;
        f.textures.count = k.count;
        f.textures.requestedWidth[0] = k.requestedWidth;
        c = centre();
        EXPECT_GT(qRed(c), 150) << k.what;
        EXPECT_LT(qGreen(c), 60) << k.what;
    }
}

TEST_F(GLViewTest, GeometryIsRebuiltOnlyWhenAPieceChanges) {
    Open({{0, 0, 0, 600, 800, 18}, {0, 0, 0, 18, 800, 400}, {582, 0, 0, 18, 800, 400}}, {});
    GLSceneRenderer& r = main->GLView->Renderer();
    Shot();
    const long built = r.RebuildCount();
    for (int k = 0; k < 5; ++k) Shot();
    main->model.scene.rotY += 0.3; // the view alone
    main->model.scene.panX += 20;
    Shot();
    EXPECT_EQ(r.RebuildCount(), built);
    main->model.scene.MoveObject(1, 10, 0, 0);
    Shot();
    EXPECT_EQ(r.RebuildCount(), built + 1);
    main->model.scene.color[2] = Rgb(1, 2, 3);
    Shot();
    EXPECT_EQ(r.RebuildCount(), built + 2);
}

TEST_F(GLViewTest, HiddenWindowStopsDrawingAndSlowsTheTimer) {
    Open({{0, 0, 0, 600, 800, 400}}, {Rgb(140, 140, 140)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->frameCounter > 3; }, 3000));
    main->Timer3->stop();
    main->hide();
    QTest::qWait(400);
    const int frames = main->frameCounter;
    QTest::qWait(500);
    EXPECT_EQ(main->frameCounter, frames);
    EXPECT_GE(main->Timer2->interval(), 100);
    EXPECT_TRUE(main->Timer2->isActive()); // still chosen: it picks up again when shown

    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->frameCounter > frames + 3; }, 3000));
    EXPECT_EQ(main->Timer2->interval(), main->GLView->FrameIntervalMs());
}

TEST_F(GLViewTest, IdleViewShowsAtMostOneFramePerRefreshAndCountsWhatItShows) {
    Open({{0, 0, 0, 600, 800, 400}}, {Rgb(200, 120, 60)});
    OpenGLView& v = *main->GLView;
    ASSERT_TRUE(v.Paced());
    const int interval = v.FrameIntervalMs();
    ASSERT_GE(interval, 2);
    // Requests far faster than the refresh merge into paced frames.
    QTimer flood;
    QObject::connect(&flood, &QTimer::timeout, main, [&] { v.Redraw(); });
    flood.start(0);
    main->Timer3->stop(); // the test ticks it
    Tick();
    QElapsedTimer clock;
    clock.start();
    const long before = v.FramesPainted();
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.FramesPainted() >= before + 20; }, 5000));
    Tick();
    const long painted = v.FramesPainted() - before;
    const qint64 elapsed = clock.elapsed();
    flood.stop();
    const int shown = main->Label6->text().mid(11).toInt();
    // The label counts the frames painted between two ticks (give or take
    // the one painted while the test looked), and they come one a refresh at most.
    EXPECT_GT(shown, 0);
    EXPECT_NEAR(shown, painted, 3);
    EXPECT_LE(painted, elapsed / interval + 2) << elapsed << " ms";
}

TEST_F(GLViewTest, PacedAndUnpacedFramesArePixelEqual) {
    Open({{0, 0, 0, 600, 800, 18}, {0, 0, 0, 18, 800, 400}, {582, 0, 0, 18, 800, 400}, {18, 300, 20, 564, 18, 370}},
         {Rgb(180, 140, 90), Rgb(90, 60, 40), Rgb(90, 60, 40), Rgb(230, 200, 160)});
    main->Timer2->stop();
    main->Timer3->stop();
    main->model.scene.rotY = 0.5;
    main->model.scene.rotX = -0.3;
    OpenGLView& v = *main->GLView;
    auto frame = [&](bool paced) {
        v.SetPaced(paced);
        const long before = v.FramesPainted();
        v.Redraw();
        EXPECT_TRUE(QTest::qWaitFor([&] { return v.FramesPainted() > before; }, 3000));
        QImage img;
        main->WindowShotGL2(img); // the frame just painted, still in the view's buffer
        return img;
    };
    for (int mode : {0, 1}) {
        main->ComboBox3->setCurrentIndex(mode);
        const QImage paced = frame(true);
        const QImage unpaced = frame(false);
        ASSERT_FALSE(paced.isNull());
        EXPECT_TRUE(paced == unpaced) << "display mode " << mode;
    }
    v.SetPaced(true);
}

// Texturing stays on for a whole frame, untextured faces sampling the
// atlas's white band. The pictures must be what switching texturing per face
// gives, pixel for pixel: repeated and stretched, turned, plain pieces among
// textured ones, faces that touch, the hatch, in all three display modes, on
// an atlas the upload has to scale and on the sample wardrobe.
TEST_F(GLViewTest, WhiteBandLeavesEveryPictureAsItWas) {
    auto compare = [&](const AtlasPixels& atlas, const char* what) {
        for (int mode : {0, 1, 2}) {
            main->ComboBox3->setCurrentIndex(mode);
            main->GLView->LoadAtlas(atlas, false);
            ASSERT_FALSE(main->GLView->Renderer().AtlasHasWhiteBand());
            const QImage switched = Shot();
            main->GLView->LoadAtlas(atlas, true);
            ASSERT_TRUE(main->GLView->Renderer().AtlasHasWhiteBand()) << what;
            const QImage banded = Shot();
            ASSERT_FALSE(switched.isNull());
            EXPECT_TRUE(switched == banded) << what << ", display mode " << mode;
        }
        main->ComboBox3->setCurrentIndex(0);
    };

    Open({{0, 0, 0, 600, 800, 18},
          {0, 0, 0, 18, 800, 400},
          {582, 0, 0, 18, 800, 400},
          {18, 300, 0, 564, 18, 400},
          {18, 0, 0, 564, 18, 400},
          {100, 500, 18, 300, 200, 18}},
         {Rgb(180, 140, 90), Rgb(90, 60, 40), Rgb(90, 60, 40), Rgb(230, 200, 160), Rgb(40, 120, 200)});
    main->Timer2->stop();
    main->Timer3->stop();
    Furniture& f = main->model;
    f.scene.rotY = 0.6;
    f.scene.rotX = -0.35;
    f.scene.current = 3; // hatched
    f.textures.count = 2;
    for (int k = 0; k < 2; ++k) {
        f.textures.width[k] = f.textures.requestedWidth[k] = 150;
        f.textures.height[k] = f.textures.requestedHeight[k] = 100;
        f.textures.repeatScale[k] = 180;
    }
    struct Look {
        int slot, repeated, rotated, face;
    } looks[] = {{0, 1, 0, 1}, {-1, 0, 0, 0}, {1, 0, 1, 0}, {0, 0, 0, 2}, {-1, 0, 0, 0}, {1, 1, 1, 1}};
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<std::size_t>(i);
        f.attrs.textureIndex[k] = looks[i].slot;
        f.attrs.textureRepeated[k] = looks[i].repeated;
        f.attrs.textureRotated[k] = looks[i].rotated;
        f.attrs.modelFace[k] = looks[i].face;
    }
    // Two pictures side by side, 300 x 100, which the upload scales to powers of two.
    AtlasPixels atlas;
    atlas.width = 300;
    atlas.height = 100;
    atlas.rowBytes = 300 * 3;
    atlas.rgb.resize(static_cast<std::size_t>(atlas.rowBytes * atlas.height));
    for (int y = 0; y < atlas.height; ++y)
        for (int x = 0; x < atlas.width; ++x) {
            unsigned char* p = &atlas.rgb[static_cast<std::size_t>(y * atlas.rowBytes + x * 3)];
            p[0] = static_cast<unsigned char>(x < 150 ? 60 + x : 250 - y);
            p[1] = static_cast<unsigned char>((x * 7 + y * 13) % 200);
            p[2] = static_cast<unsigned char>(y * 2);
        }
    compare(atlas, "boards and an atlas of two pictures");

    // The sample wardrobe with its own textures, read from the sample folder.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(ZV_DATA_DIR);
    main->startupFolder = ZV_DATA_DIR;
    main->model.fileName = ZV_DATA_DIR "/Dulap.mo4";
    const bool opened = main->OpenFurniture();
    if (opened) main->AfterFileOpened();
    QDir::setCurrent(previous);
    ASSERT_TRUE(opened);
    main->Timer2->stop();
    main->Timer3->stop();
    ASSERT_FALSE(main->atlasPixels.Empty());
    main->model.scene.rotY = 0.7;
    main->model.scene.rotX = -0.4;
    compare(main->atlasPixels, "Dulap.mo4");
}

// Each face of a plain box comes out in one colour: the sides are flat in
// both views, inside and outside, whatever their corners.
TEST_F(GLViewTest, EveryFaceOfAPlainBoxIsOneColour) {
    Open({{0, 0, 0, 600, 800, 400}}, {Rgb(200, 120, 60)});
    Forms().CarPies->CheckBox2->setChecked(false);
    main->model.scene.rotY = 0.6;
    main->model.scene.rotX = -0.4;
    for (int exterior : {1, 0}) {
        main->model.exteriorView = exterior;
        const QImage img = Shot();
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (!White(img.pixel(x, y))) colours.insert(img.pixel(x, y));
        EXPECT_GE(colours.size(), 2) << "exterior " << exterior;
        EXPECT_LE(colours.size(), 3) << "exterior " << exterior; // three faces seen
    }
}

TEST_F(GLViewTest, FrameRateIsZeroWithoutFurnitureAndCountsWithOne) {
    EXPECT_EQ(main->Timer3->interval(), 1000);
    OpenGLView& v = *main->GLView;
    main->DisableDesignControls();
    main->Timer2->start();
    // A frame painted with no furniture is not counted.
    Tick();
    long before = v.FramesPainted();
    v.Redraw();
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.FramesPainted() > before; }, 3000));
    Tick();
    EXPECT_EQ(main->Label6->text(), "Frame/sec: 0");

    Open({{0, 0, 0, 600, 800, 400}}, {Rgb(200, 120, 60)});
    main->Timer3->stop(); // the test ticks it
    Tick();
    before = v.FramesPainted();
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.FramesPainted() > before + 3; }, 3000));
    Tick();
    const QString t = main->Label6->text();
    ASSERT_TRUE(t.startsWith("Frame/sec: "));
    EXPECT_GT(t.mid(11).toInt(), 0) << t.toStdString();
}

TEST_F(GLViewTest, RendererSwitchSetsItemTextsAndKeepsTheIndex) {
    Open({{0, 0, 0, 600, 800, 400}}, {Rgb(140, 140, 140)});
    main->ComboBox3->setCurrentIndex(2);
    QTest::mouseClick(main->RadioGroup2->Button(0), Qt::LeftButton);
    EXPECT_EQ(main->RadioGroup2->ItemIndex(), 0);
    EXPECT_EQ(main->ComboBox3->itemText(0), "Cu iluminare");
    EXPECT_EQ(main->ComboBox3->itemText(1), "Fara iluminare");
    EXPECT_EQ(main->ComboBox3->itemText(2), "Sarmos");
    EXPECT_EQ(main->ComboBox3->currentIndex(), 2);
    EXPECT_FALSE(main->Image4->isHidden());
    EXPECT_TRUE(main->Panel6->isHidden());
    EXPECT_FALSE(main->Timer2->isActive());
    EXPECT_FALSE(main->Timer3->isActive());

    QTest::mouseClick(main->RadioGroup2->Button(1), Qt::LeftButton);
    EXPECT_EQ(main->RadioGroup2->ItemIndex(), 1);
    EXPECT_EQ(main->ComboBox3->itemText(0), "Cu iluminare");
    EXPECT_EQ(main->ComboBox3->itemText(1), "Sarmos");
    EXPECT_EQ(main->ComboBox3->itemText(2), "Punctat");
    EXPECT_EQ(main->ComboBox3->currentIndex(), 2);
    EXPECT_TRUE(main->Image4->isHidden());
    EXPECT_FALSE(main->Panel6->isHidden());
    EXPECT_TRUE(main->Timer2->isActive());
    EXPECT_TRUE(main->Timer3->isActive());
}

TEST_F(GLViewTest, WholeWindowTwiceRestoresHatchAndPieceWindow) {
    Open({{0, 0, 0, 600, 800, 400}}, {Rgb(140, 140, 140)});
    TCarPies* carPies = Forms().CarPies;
    carPies->CheckBox2->setChecked(true);
    carPies->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));

    QTest::keyClick(main, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(main->Fullscreen1->isChecked());
    EXPECT_FALSE(carPies->CheckBox2->isChecked());
    EXPECT_FALSE(carPies->isVisible());
    EXPECT_TRUE(main->Panel5->isHidden());
    EXPECT_TRUE(main->Panel6->isHidden());

    QTest::keyClick(main, Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(main->Fullscreen1->isChecked());
    EXPECT_TRUE(carPies->CheckBox2->isChecked());
    EXPECT_TRUE(carPies->isVisible());
    EXPECT_FALSE(main->Panel5->isHidden());
    EXPECT_FALSE(main->Panel6->isHidden()); // the redraw timer runs
    // The mini views are gone and the 3D picture keeps its bitmap at its size.
    EXPECT_TRUE(main->Panel1->isHidden());
    EXPECT_EQ(main->Image4->y(), 0);
    EXPECT_EQ(main->Image4->canvas().Height(), main->Image4->height());
}

// Mouse events straight to the view: the X server's own pointer (shared with
// the other test programs) must not add moves of its own.
void SendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST_F(GLViewTest, DragOnTheViewRotatesAndPans) {
    Open({{0, 0, 0, 600, 800, 400}}, {Rgb(140, 140, 140)});
    main->model.modified = false;
    Scene3D& s = main->model.scene;
    s.rotX = s.rotY = s.rotZ = 0;
    s.panX = s.panY = s.panZ = 0;
    main->last3DX = main->last3DY = 0;
    QWidget* v = main->GLView;
    SendMouse(v, QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::NoButton);
    SendMouse(v, QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(v, QEvent::MouseMove, {320, 310}, Qt::NoButton, Qt::LeftButton);
    SendMouse(v, QEvent::MouseButtonRelease, {320, 310}, Qt::LeftButton, Qt::NoButton);
    EXPECT_NEAR(s.rotY, -20 / 200.0, 1e-12);
    EXPECT_NEAR(s.rotX, -10 / 200.0, 1e-12);
    EXPECT_EQ(s.rotZ, 0);
    EXPECT_TRUE(main->model.modified);
    EXPECT_EQ(main->pickX, 300);

    SendMouse(v, QEvent::MouseButtonPress, {320, 310}, Qt::RightButton, Qt::RightButton);
    SendMouse(v, QEvent::MouseMove, {330, 340}, Qt::NoButton, Qt::RightButton);
    SendMouse(v, QEvent::MouseButtonRelease, {330, 340}, Qt::RightButton, Qt::NoButton);
    EXPECT_DOUBLE_EQ(s.panX, 10);
    EXPECT_DOUBLE_EQ(s.panZ, -30);
    EXPECT_DOUBLE_EQ(s.panY, 0);
}

// Nothing open yet: turning the empty view is no change to any furniture.
TEST_F(GLViewTest, DragOnTheEmptyViewAtStartUpMarksNothing) {
    ASSERT_FALSE(main->DesignOpen());
    QWidget* v = main->GLView;
    SendMouse(v, QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::NoButton);
    SendMouse(v, QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(v, QEvent::MouseMove, {340, 320}, Qt::NoButton, Qt::LeftButton);
    SendMouse(v, QEvent::MouseButtonRelease, {340, 320}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(main->model.modified);
    ScopedDialogScript script;
    EXPECT_TRUE(main->FormCloseQuery());
    EXPECT_TRUE(script->records.empty()) << "quitting asks nothing";
}

} // namespace
} // namespace zv
