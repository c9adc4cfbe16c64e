// The main window's software 3D view and its three mini views, driven with
// the mouse as a user would.
#include "model/PieceTables.h"
#include "render/SoftRender.h"
#include "ui/Forms.h"
#include "ui/TCarPies.h"
#include "ui/TMain.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace zv;

namespace {

// The program with a five-board carcass open and "Rend soft" chosen.
struct SoftView : ::testing::Test {
    TMain* main = nullptr;

    void SetUp() override {
        CreateForms();
        main = Forms().Main;
        main->resize(900, 650);
        // Shown and laid out, but never composed on a screen: the window also
        // holds the OpenGL view, which needs a real display.
        main->setAttribute(Qt::WA_DontShowOnScreen);
        main->show();
        QTest::qWait(10);
        Furniture& f = main->model;
        f.scene.Clear();
        const double W = 600, H = 800, D = 400, G = 18;
        const Color back = Rgb(235, 235, 225), wood = Rgb(150, 105, 60);
        AddPiece(f, {0, 0, D - 4, W, H, 4}, back, "Spate");
        AddPiece(f, {0, 0, 0, G, H, D - 4}, wood, "Lateral stanga");
        AddPiece(f, {W - G, 0, 0, G, H, D - 4}, wood, "Lateral dreapta");
        AddPiece(f, {G, 0, 0, W - 2 * G, G, D - 4}, wood, "Baza");
        AddPiece(f, {G, H - G, 0, W - 2 * G, G, D - 4}, wood, "Blat");
        f.scene.current = 3;
        f.exteriorView = 1;
        main->RecomputeFurnitureSize();
        main->EnableDesignControls();
        main->RadioGroup2->SetItemIndex(0);
        main->RadioGroup2Click();
        main->ComboBox3->setCurrentIndex(0);
        main->FitViewScale();
        main->Redraw3D();
        main->DrawProjections(0);
        main->SetModified(false);
    }
    void TearDown() override { DestroyForms(); }

    QImage Picture4() const { return main->Image4->canvas().Image().copy(); }
    QImage Mini(int k) const {
        PictureBox* images[3] = {main->Image1, main->Image2, main->Image3};
        return images[k]->canvas().Image().copy();
    }
    static QPoint At(int x, int y) { return QPoint(x, y); }
    // A move with buttons held and modifiers, which QTest::mouseMove cannot carry.
    static void Move(QWidget* w, QPoint p, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = {}) {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, buttons, mods);
        QApplication::sendEvent(w, &e);
    }
    static bool WaitFor(const std::function<bool()>& done, int ms = 1000) {
        for (int waited = 0; waited < ms && !done(); waited += 5) QTest::qWait(5);
        return done();
    }
};

} // namespace

TEST_F(SoftView, SwapButtonsNameTheOtherViewAndRedraw) {
    struct Case {
        QPushButton* TMain::*button;
        QLabel* TMain::*label;
        int k;
        const char *first, *second;
        int firstView, secondView;
    } cases[] = {
        {&TMain::BitBtn1, &TMain::Label1, 0, "Fata:", "Spate:", 1, 2},
        {&TMain::BitBtn2, &TMain::Label2, 1, "Stanga:", "Dreapta:", 3, 4},
        {&TMain::BitBtn3, &TMain::Label3, 2, "Jos:", "Sus:", 6, 5},
    };
    for (const auto& c : cases) {
        QLabel* label = main->*c.label;
        EXPECT_EQ(label->text(), c.first);
        EXPECT_EQ(main->MiniViewShown(c.k), c.firstView);
        QTest::mouseClick(main->*c.button, Qt::LeftButton);
        EXPECT_EQ(label->text(), c.second);
        EXPECT_EQ(main->MiniViewShown(c.k), c.secondView);
        QTest::mouseClick(main->*c.button, Qt::LeftButton);
        EXPECT_EQ(label->text(), c.first);
    }
    // From the back the back board is drawn last and covers the rest.
    const QImage front = Mini(0);
    QTest::mouseClick(main->BitBtn1, Qt::LeftButton);
    EXPECT_NE(Mini(0), front);
}

TEST_F(SoftView, MiniViewDragPansWithTheLeftButtonOnly) {
    PictureBox* img = main->Image1;
    const QImage before = Mini(0);
    QTest::mousePress(img, Qt::LeftButton, {}, At(50, 50));
    QTest::mouseMove(img, At(55, 50)); // the first move only records where the drag is
    QTest::mouseMove(img, At(65, 45));
    QTest::mouseRelease(img, Qt::LeftButton, {}, At(65, 45));
    EXPECT_DOUBLE_EQ(main->model.projParams.x[0], 20.0);
    EXPECT_DOUBLE_EQ(main->model.projParams.y[0], 15.0);
    EXPECT_TRUE(main->model.modified);
    EXPECT_NE(Mini(0), before);
    EXPECT_DOUBLE_EQ(main->model.projParams.x[1], 10.0) << "the other views stay";

    // A right-button drag does not pan.
    PictureBox* side = main->Image2;
    QTest::mousePress(side, Qt::RightButton, {}, At(50, 50));
    QTest::mouseMove(side, At(55, 50));
    QTest::mouseMove(side, At(70, 60));
    QTest::mouseRelease(side, Qt::RightButton, {}, At(70, 60));
    EXPECT_DOUBLE_EQ(main->model.projParams.x[1], 10.0);
    EXPECT_DOUBLE_EQ(main->model.projParams.y[1], 10.0);
}

TEST_F(SoftView, DraggingImage4RotatesAndPans) {
    struct Case {
        Qt::MouseButton button;
        Qt::KeyboardModifiers mods;
        double rotX, rotY, rotZ, panX, panY, panZ;
    } cases[] = {
        // Moves of (+20, +10) after the first one.
        {Qt::LeftButton, {}, -0.05, -0.1, 0, 0, 0, 0},
        {Qt::LeftButton, Qt::ShiftModifier, -0.05, 0, 0.1, 0, 0, 0},
        {Qt::RightButton, {}, 0, 0, 0, 20, 0, -10},
        {Qt::RightButton, Qt::ShiftModifier, 0, 0, 0, 20, 10, 0},
    };
    for (const auto& c : cases) {
        Scene3D& s = main->model.scene;
        s.rotX = s.rotY = s.rotZ = 0;
        s.panX = s.panY = s.panZ = 0;
        main->SetModified(false);
        PictureBox* img = main->Image4;
        Move(img, At(200, 100), Qt::NoButton); // hovering records the position
        QTest::mousePress(img, c.button, c.mods, At(200, 100));
        const QImage before = Picture4();
        Move(img, At(220, 110), c.button, c.mods);
        EXPECT_EQ(s.currentFillStyle, 1) << "no hatch while dragging";
        EXPECT_NE(Picture4(), before) << "each drag step redraws at once";
        QTest::mouseRelease(img, c.button, c.mods, At(220, 110));
        EXPECT_NEAR(s.rotX, c.rotX, 1e-12);
        EXPECT_NEAR(s.rotY, c.rotY, 1e-12);
        EXPECT_NEAR(s.rotZ, c.rotZ, 1e-12);
        EXPECT_DOUBLE_EQ(s.panX, c.panX);
        EXPECT_DOUBLE_EQ(s.panY, c.panY);
        EXPECT_DOUBLE_EQ(s.panZ, c.panZ);
        EXPECT_TRUE(main->model.modified);
        EXPECT_EQ(main->pickX, 200);
        EXPECT_EQ(main->mouse3DMode, 0);
    }
}

TEST_F(SoftView, HatchComesBackOnlyWhenTheDragPausesOrEnds) {
    ASSERT_TRUE(Forms().CarPies);
    Forms().CarPies->CheckBox2->setChecked(true);
    Scene3D& s = main->model.scene;
    PictureBox* img = main->Image4;
    // Each step is checked straight after it, with no event processing in
    // between: a slow machine cannot let the pause run out mid-drag.
    const auto dragStepWaitsForAPause = [&](int step) {
        EXPECT_EQ(s.currentFillStyle, 1) << "step " << step;
        EXPECT_TRUE(main->Timer1->isActive()) << "step " << step;
        EXPECT_GE(main->Timer1->interval(), 100) << "step " << step << ": the hatch waits for a pause";
    };
    QTest::mousePress(img, Qt::LeftButton, {}, At(100, 100));
    // Checked right after each step, without waiting: a loaded machine may
    // take longer than the pause between two steps.
    for (int i = 1; i <= 5; ++i) {
        Move(img, At(100 + 4 * i, 100), Qt::LeftButton);
        dragStepWaitsForAPause(i);
    }
    // A pause with the button still down brings it back; the next step drops it.
    EXPECT_TRUE(WaitFor([&] { return s.currentFillStyle == 7; }, 5000));
    Move(img, At(124, 100), Qt::LeftButton);
    dragStepWaitsForAPause(6);
    QTest::mouseRelease(img, Qt::LeftButton, {}, At(124, 100));
    EXPECT_TRUE(WaitFor([&] { return s.currentFillStyle == 7; }, 5000));
    EXPECT_FALSE(main->Timer1->isActive());

    // Without "&Hasura" the current piece stays unhatched.
    Forms().CarPies->CheckBox2->setChecked(false);
    main->Timer1Timer();
    EXPECT_EQ(s.currentFillStyle, 1);
}

// "Toata fereastra" in and out: the picture fills what the layout gives it,
// fitted and drawn afresh each time.
TEST_F(SoftView, WholeWindowFillsTheClientAndLeavingRefitsAndRedraws) {
    const auto isFreshDrawing = [&] {
        const QImage shown = Picture4();
        const double zoom = main->model.scene.zoom;
        const int cx = main->model.scene.screenCx, cy = main->model.scene.screenCy;
        main->FitViewScale();
        main->Redraw3D();
        return main->model.scene.zoom == zoom && main->model.scene.screenCx == cx && main->model.scene.screenCy == cy &&
               Picture4() == shown;
    };
    const QRect before = main->Image4->geometry();
    ASSERT_EQ(before.x(), 89);
    main->Fullscreen1->trigger();
    ASSERT_TRUE(main->Fullscreen1->isChecked());
    EXPECT_EQ(main->Image4->x(), 0) << "no empty strip where the tool panel was";
    EXPECT_EQ(main->Image4->width(), main->client->width() - 1);
    EXPECT_EQ(main->Image4->canvas().Height(), main->Image4->height());
    EXPECT_TRUE(isFreshDrawing());

    main->Fullscreen1->trigger();
    ASSERT_FALSE(main->Fullscreen1->isChecked());
    EXPECT_EQ(main->Image4->x(), 89);
    EXPECT_EQ(main->Image4->y(), 0) << "the mini views went";
    EXPECT_EQ(main->Image4->height(), main->client->height());
    EXPECT_EQ(main->Image4->canvas().Height(), main->Image4->height());
    EXPECT_TRUE(isFreshDrawing()) << "no stale picture of the whole window";
}

TEST_F(SoftView, FitViewScaleFromImage4) {
    main->model.dim.H = 2000;
    main->model.dim.W = 600;
    main->Image4->resize(570, 320);
    main->FitViewScale();
    EXPECT_EQ(main->model.scene.screenCx, 285);
    EXPECT_EQ(main->model.scene.screenCy, 160);
    EXPECT_DOUBLE_EQ(main->model.scene.zoom, 0.4);
    main->model.dim.W = 0;
    main->Image4->resize(300, 200);
    main->FitViewScale();
    EXPECT_EQ(main->model.scene.screenCx, 150);
    EXPECT_EQ(main->model.scene.screenCy, 100);
    EXPECT_DOUBLE_EQ(main->model.scene.zoom, 0.4);
}

TEST_F(SoftView, InteriorExteriorToggle) {
    main->model.scene.rotY = 0.6;
    main->model.scene.rotX = -0.3;
    main->Redraw3D();
    const QImage exterior = Picture4();
    main->Vizualizareinteriorexteriorpiese1->trigger();
    EXPECT_EQ(main->model.exteriorView, 0);
    EXPECT_NE(Picture4(), exterior);
    main->Vizualizareinteriorexteriorpiese1->trigger();
    EXPECT_EQ(main->model.exteriorView, 1);
    EXPECT_EQ(Picture4(), exterior);
}

TEST_F(SoftView, MiniViewsShowAndHide) {
    ASSERT_FALSE(main->Panel1->isHidden());
    const QRect shown = main->Image4->geometry();
    EXPECT_EQ(shown.top(), 155);
    main->Afisareminiferestrecuproiectii2D1->trigger();
    EXPECT_FALSE(main->MiniViewsShown());
    EXPECT_FALSE(main->MiniViewsWanted());
    EXPECT_FALSE(main->Afisareminiferestrecuproiectii2D1->isChecked());
    EXPECT_TRUE(main->Panel1->isHidden());
    EXPECT_TRUE(main->Panel3->isHidden());
    EXPECT_EQ(main->Image4->y(), 0);
    EXPECT_EQ(main->Image4->height(), main->client->height());
    EXPECT_EQ(main->Image4->canvas().Height(), main->Image4->height());
    EXPECT_EQ(main->model.scene.screenCy, main->Image4->height() / 2);
    main->Afisareminiferestrecuproiectii2D1->trigger();
    EXPECT_TRUE(main->MiniViewsShown());
    EXPECT_TRUE(main->Afisareminiferestrecuproiectii2D1->isChecked());
    EXPECT_FALSE(main->Panel1->isHidden());
    EXPECT_EQ(main->Image4->geometry(), shown) << "set absolutely: toggling twice restores it";
    for (int i = 0; i < 4; ++i) main->Afisareminiferestrecuproiectii2D1->trigger();
    EXPECT_EQ(main->Image4->geometry(), shown);

    // A tiny window still leaves pictures of at least one pixel.
    main->resize(60, 40);
    QTest::qWait(20);
    EXPECT_GE(main->Image4->width(), 1);
    EXPECT_GE(main->Image4->height(), 1);
    EXPECT_GE(main->Image4->canvas().Width(), 1);
}

TEST_F(SoftView, RedrawOnlyWithRendSoftAndEmptySceneShowsFrame) {
    main->model.scene.Clear();
    main->Redraw3D();
    const QImage& img = main->Image4->canvas().Image();
    EXPECT_EQ(img.size(), main->Image4->size());
    EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(img.width() - 1, img.height() - 1), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(img.width() / 2, img.height() / 2), QColor(Qt::white));

    const QImage soft = Picture4();
    main->RadioGroup2->SetItemIndex(1);
    AddPiece(main->model, {0, 0, 0, 600, 800, 400}, Scene3D::kDefaultColor, "Piesa");
    main->Redraw3D();
    EXPECT_EQ(Picture4(), soft) << "with \"Rend hard\" Image4 is left alone";
    main->RadioGroup2->SetItemIndex(0);
}
