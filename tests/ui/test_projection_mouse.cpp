// Editing on the projection window with the mouse: presses, drags and
// double-clicks scripted on known layouts, the four buttons and the
// piece-sizes dialog; the model, the undo copy and the "*" checked after.
#include "support/Program.h"

#include "model/MobilaFile.h"
#include "model/NewPiece.h"
#include "model/PieceAlign.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/widgets/Modal.h"
#include "render/Projection.h"
#include "ui/TCarPies.h"
#include "ui/TPalPfl.h"
#include "ui/TPiesaNoua.h"
#include "ui/TProiect.h"
#include "ui/TRedimensionarePiesa.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QStyleHints>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/BoxCheck.h"
#include "support/EditState.h"

#include <cstdlib>
#include <memory>

using namespace zv;

namespace {

using Box = Scene3D::Box;

struct Piece {
    const char* name;
    double x, y, z, sx, sy, sz;
};

// Two boxes 400 x 300 x 300 overlapping on every view, the second shifted by
// 100 mm along each axis.
const std::vector<Piece> kOverlapping = {{"A", 0, 0, 0, 400, 300, 300}, {"B", 100, 100, 100, 400, 300, 300}};
// A tall piece and two short ones to its right, one low, one high.
const std::vector<Piece> kAlign = {
    {"A", 0, 0, 0, 300, 500, 18}, {"B", 400, 100, 0, 300, 100, 18}, {"C", 400, 600, 0, 300, 100, 18}};

class ProjectionMouse : public ::testing::Test {
protected:
    TestProgram program;
    TMain* main = program.main;
    TProiect& w = *Forms().Proiect;
    ScopedDialogScript dialogs;
    ScopedModalScript modal;

    void TearDown() override { w.hide(); }

    // The furniture of `pieces`, saved and unchanged, shown on `view`.
    void Open(const std::vector<Piece>& pieces, int view = 1) {
        Furniture& f = main->model;
        f.scene.Init();
        f.SetSlotDefaults();
        f.pieceNames.clear();
        for (const Piece& p : pieces) {
            f.scene.color[static_cast<std::size_t>(f.scene.pieceCount)] = 0xC0C0C0;
            ASSERT_TRUE(f.scene.AddBox(p.x, p.y, p.z, p.sx, p.sy, p.sz));
            f.pieceNames.push_back(p.name);
        }
        f.scene.current = 0;
        RecomputeFurnitureSize(f.scene, f.dim);
        main->EnableDesignControls();
        main->ShowModelChange({}); // drawn as the program shows it: the mini views keep their draw order
        main->SetModified(false);
        w.ProjectionView = view;
        w.show();
        QApplication::processEvents();
        Remember();
    }
    void View(int view) {
        w.RadioGroup1->SetItemIndex(view);
        w.RadioGroup1Click();
    }

    // ---- the mouse ----
    void Send(QEvent::Type t, QPoint p, Qt::MouseButton b, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {}) {
        QMouseEvent e(t, QPointF(p), w.Image1->mapToGlobal(QPointF(p)), b, held, mods);
        QApplication::sendEvent(w.Image1, &e);
    }
    void Press(QPoint p, Qt::KeyboardModifiers mods = {}, Qt::MouseButton b = Qt::LeftButton) {
        Send(QEvent::MouseButtonPress, p, b, b, mods);
    }
    void Move(QPoint p, Qt::KeyboardModifiers mods = {}, Qt::MouseButtons held = Qt::LeftButton) {
        Send(QEvent::MouseMove, p, Qt::NoButton, held, mods);
    }
    void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { Send(QEvent::MouseButtonRelease, p, b, {}); }
    // As the platform delivers it: the double-click in place of the second press.
    void DoubleClick(QPoint p, Qt::KeyboardModifiers mods = {}) {
        Press(p, mods);
        Release(p);
        Send(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton, mods);
        Release(p);
    }

    // ---- where things are ----
    ProjectionPicture Picture() const {
        return LayoutProjection(main->model.scene, w.Options(), w.Image1->width(), w.Image1->height());
    }
    // A point of a piece's rectangle: fx from its left, fy from its top.
    QPoint At(int piece, double fx, double fy) const {
        const ProjectionRect r = Picture().rects.at(static_cast<std::size_t>(piece));
        return {RoundEven(r.rx1 + fx * (r.rx2 - r.rx1)), RoundEven(r.ry1 + fy * (r.ry2 - r.ry1))};
    }
    QPoint OverlapCentre() const {
        const ProjectionPicture p = Picture();
        const ProjectionRect &a = p.rects.at(0), &b = p.rects.at(1);
        return {(std::max(a.x1, b.x1) + std::min(a.x2, b.x2)) / 2, (std::max(a.y1, b.y1) + std::min(a.y2, b.y2)) / 2};
    }
    Box BoxOf(int piece) const { return main->model.scene.PieceBox(piece); }
    bool Star() const { return Forms().CarPies->Label11->isVisibleTo(Forms().CarPies); }
    bool RedShown() const {
        const QImage& img = w.Image1->canvas().Image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) == qRgb(255, 0, 0)) return true;
        return false;
    }

    // A press on no piece warns once the double-click time has passed without one.
    bool WarningShown() {
        return QTest::qWaitFor([&] { return !dialogs->Messages().empty(); },
                               QGuiApplication::styleHints()->mouseDoubleClickInterval() + 2000);
    }
    // Nothing said for longer than a double-click takes.
    bool StaysQuiet() {
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 200);
        return dialogs->Messages().empty();
    }

    static bool SameGeometry(const Scene3D& a, const Scene3D& b) {
        return a.pieceCount == b.pieceCount && a.X == b.X && a.Y == b.Y && a.Z == b.Z;
    }

    // ---- the undo copy ----
    std::unique_ptr<Scene3D> undoScene, modelScene;
    bool undoPossible = false;
    void Remember() {
        undoScene = std::make_unique<Scene3D>(main->undo.scene);
        modelScene = std::make_unique<Scene3D>(main->model.scene);
        undoPossible = main->UndoPossible();
    }
    void ExpectUntouched() {
        EXPECT_TRUE(main->undo.scene == *undoScene);
        EXPECT_TRUE(SameGeometry(main->model.scene, *modelScene));
        EXPECT_EQ(main->UndoPossible(), undoPossible);
        EXPECT_FALSE(main->model.modified);
        EXPECT_FALSE(Star());
    }
};

// The drag layout: one piece 300 wide exactly as tall as the picture, so
// that with the figures off one pixel is one millimetre.
class ProjectionDrag : public ProjectionMouse {
protected:
    double H = 0;
    void SetUp() override {
        w.CheckBox2->setChecked(false);
        Open({{"A", 0, 0, 0, 300, 566, 18}});
        H = w.Image1->height();
        main->model.scene.SetObjectSize(0, 0, H, 0);
        w.RedrawProjection();
        ASSERT_DOUBLE_EQ(Picture().fit.scale, 1.0);
        Remember();
    }
    void TearDown() override {
        w.CheckBox2->setChecked(true);
        w.Edit3->setText("1");
        w.RadioGroup2->SetItemIndex(0);
        ProjectionMouse::TearDown();
    }
};

} // namespace

TEST_F(ProjectionMouse, PressPicksTheNearestPieceInEachView) {
    Open(kOverlapping);
    // Front: the smaller minimum Z; right side: the larger minimum X; bottom: the smaller minimum Y.
    const struct { int view, entry; } cases[] = {{1, 1}, {2, 2}, {0, 1}};
    for (const auto& c : cases) {
        View(c.view);
        const QPoint p = OverlapCentre();
        Press(p);
        EXPECT_EQ(w.pressedPiece, c.entry) << "view " << c.view;
        Release(p);
        EXPECT_EQ(w.lastClickedPiece, c.entry);
        EXPECT_EQ(w.pressedPiece, -1);
    }
    // Empty space: no press, and the warning once no double-click has followed.
    Press(QPoint(2, 2));
    EXPECT_EQ(w.pressedPiece, -1);
    Release(QPoint(2, 2));
    EXPECT_TRUE(WarningShown());
    EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{"Nu am gasit nicio piesa."});
    EXPECT_EQ(dialogs->records.back().kind, MsgKind::Warning);
    ExpectUntouched();
}

TEST_F(ProjectionMouse, WireframeLevels) {
    Open(kOverlapping);
    QTest::mouseClick(w.CheckBox3, Qt::LeftButton);
    ASSERT_TRUE(w.SpinEdit4->isEnabled());
    const QPoint p = OverlapCentre();
    w.SpinEdit4->setValue(2);
    Press(p);
    EXPECT_EQ(w.pressedPiece, 2); // the farther piece
    Release(p);
    w.SpinEdit4->setValue(1);
    Press(p);
    EXPECT_EQ(w.pressedPiece, 1);
    Release(p);
    w.SpinEdit4->setValue(3);
    Press(p);
    EXPECT_EQ(w.pressedPiece, -1);
    Release(p);
    EXPECT_TRUE(WarningShown());
    EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{"Nu am gasit nici o piesa pe nivelul 3."});
    QTest::mouseClick(w.CheckBox3, Qt::LeftButton);
}

TEST_F(ProjectionDrag, StepsOfTenRoundHalvesToEven) {
    w.Edit3->setText("10");
    const QPoint p = At(0, 0.5, 0.5);
    Press(p);
    Move(p - QPoint(0, 25)); // 2.5 steps up: 2
    ExpectBox(BoxOf(0), {0, 20, 0, 300, H + 20, 18});
    Move(p - QPoint(0, 35)); // 3.5 steps: 4
    ExpectBox(BoxOf(0), {0, 40, 0, 300, H + 40, 18});
    Release(p);
    // One snapshot for the press: undo goes back to before it.
    EXPECT_TRUE(main->model.modified);
    EXPECT_TRUE(Star());
    EXPECT_TRUE(w.Button6->isEnabled());
    QTest::mouseClick(w.Button6, Qt::LeftButton);
    EXPECT_TRUE(main->model.scene == *modelScene);
    EXPECT_FALSE(w.Button6->isEnabled());
}

TEST_F(ProjectionDrag, ShiftResizesFromTheFixedMinimum) {
    const QPoint p = At(0, 0.5, 0.5);
    Press(p, Qt::ShiftModifier);
    Move(p - QPoint(0, 100), Qt::ShiftModifier); // up by 100: the top follows
    ExpectBox(BoxOf(0), {0, 0, 0, 300, H + 100, 18});
    Move(p + QPoint(0, static_cast<int>(H) + 100), Qt::ShiftModifier); // 100 past the bottom
    ExpectBox(BoxOf(0), {0, 0, 0, 300, 100, 18});
    Release(p);
    // "Orizontala": the right edge follows, at the scale of the new drawing.
    QTest::mouseClick(w.RadioGroup2->Button(1), Qt::LeftButton);
    const double scale = Picture().fit.scale;
    const QPoint q = At(0, 0.5, 0.5);
    Press(q, Qt::ShiftModifier);
    Move(q + QPoint(40, 0), Qt::ShiftModifier);
    Release(q);
    ExpectBox(BoxOf(0), {0, 0, 0, 300.0 + RoundEven(40 / scale), 100, 18});
}

TEST_F(ProjectionDrag, StepTextsAndStepsBelowOneHundredth) {
    // Below 0.01 mm, or not a number: 1 mm. A point reads as the decimal
    // separator under either locale, as in every other field.
    const struct {
        const char* text;
        int up;
        double mm;
    } rows[] = {{"0", 3, 3}, {"-5", 3, 3}, {"0.001", 3, 3}, {"abc", 3, 3}, {"2.5", 6, 5}, {" 2.5 ", 9, 10}};
    for (const auto& r : rows) {
        w.Edit3->setText(r.text);
        const double y0 = BoxOf(0).y0;
        const QPoint p = At(0, 0.5, 0.5);
        Press(p);
        Move(p - QPoint(0, r.up));
        Release(p);
        EXPECT_DOUBLE_EQ(BoxOf(0).y0, y0 + r.mm) << r.text;
    }
}

TEST_F(ProjectionDrag, APressStopsAtTheLimit) {
    // Moved up past a million, and made taller than a million: the first move
    // past the limit is refused, and so is the rest of that press.
    const struct {
        bool resize;
        double y0, height;
        const char* message;
    } rows[] = {{false, 999900, H, kPiecePositionRefused}, {true, 0, 999900, kPieceSizeRefused}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.message);
        SetPiecePosition(main->model, 0, Axis::Y, r.y0);
        SetPieceSize(main->model, 0, Axis::Y, r.height);
        main->SetModified(false);
        w.RedrawProjection();
        dialogs->records.clear();
        const test::EditState before(*main);
        const Qt::KeyboardModifiers mods = r.resize ? Qt::ShiftModifier : Qt::NoModifier;
        const QPoint p = At(0, 0.5, 0.5);
        Press(p, mods);
        for (int up : {200, 250, 300, 50}) Move(p - QPoint(0, up), mods);
        Release(p);
        EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{r.message});
        EXPECT_EQ(dialogs->records[0].kind, MsgKind::Warning);
        before.ExpectSame(*main);
        EXPECT_FALSE(w.Button6->isEnabled());
        EXPECT_FALSE(Star());
    }
    // The next press drags again.
    const QPoint p = At(0, 0.5, 0.5);
    Press(p);
    Move(p - QPoint(0, 1));
    Release(p);
    EXPECT_TRUE(main->model.modified);
    EXPECT_EQ(dialogs->Messages().size(), 1u);
}

TEST_F(ProjectionDrag, ClicksThatChangeNothingKeepTheUndoLevel) {
    const QPoint p = At(0, 0.5, 0.5);
    // A click without moving, and a shaking one within half a step.
    Press(p);
    Release(p);
    w.Edit3->setText("10");
    Press(p);
    Move(p + QPoint(3, -4));
    Move(p);
    Release(p);
    // A right-button drag.
    Press(p, {}, Qt::RightButton);
    Move(p - QPoint(0, 50), {}, Qt::RightButton);
    Release(p, Qt::RightButton);
    ExpectUntouched();
    EXPECT_FALSE(w.Button6->isEnabled());
}

TEST_F(ProjectionDrag, APressWhoseReleaseWasLostEndsAtTheNextPress) {
    const QPoint p = At(0, 0.5, 0.5);
    Press(p);
    // Another button during the press belongs to it.
    Send(QEvent::MouseButtonPress, p, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(w.pressedPiece, 1);
    EXPECT_EQ(w.lastClickedPiece, -1);
    // The release never came; the next press alone starts afresh.
    Press(p);
    EXPECT_EQ(w.lastClickedPiece, 1);
    EXPECT_EQ(w.pressedPiece, 1);
    Move(p - QPoint(0, 10));
    EXPECT_DOUBLE_EQ(BoxOf(0).y0, 10);
    // Hiding the window ends a press too.
    w.hide();
    EXPECT_EQ(w.pressedPiece, -1);
    w.show();
    Press(p);
    EXPECT_EQ(w.pressedPiece, 1);
    Release(p);
}

TEST_F(ProjectionMouse, DoubleClicksAlignAsRelationSeven) {
    Open(kAlign);
    // A near its bottom, then B near its top: A's bottom onto B's top.
    DoubleClick(At(0, 0.5, 0.9));
    EXPECT_EQ(w.selectedPiece, 0);
    EXPECT_EQ(main->model.scene.current, 0);
    EXPECT_TRUE(w.Button3->isEnabled());
    EXPECT_TRUE(RedShown());
    // The double-click started no press: a move with the button still down drags nothing.
    EXPECT_EQ(w.pressedPiece, -1);
    const QPoint b = At(1, 0.5, 0.1);
    Press(b);
    Release(b);
    Send(QEvent::MouseButtonDblClick, b, Qt::LeftButton, Qt::LeftButton);
    ExpectBox(BoxOf(0), {0, 200, 0, 300, 700, 18});
    Move(b - QPoint(0, 60));
    Release(b);
    ExpectBox(BoxOf(0), {0, 200, 0, 300, 700, 18});
    EXPECT_EQ(w.selectedPiece, -1);
    EXPECT_FALSE(w.Button3->isEnabled());
    EXPECT_TRUE(main->model.modified);
    EXPECT_TRUE(w.Button6->isEnabled());
    // "Anulare" puts A back.
    QTest::mouseClick(w.Button6, Qt::LeftButton);
    ExpectBox(BoxOf(0), {0, 0, 0, 300, 500, 18});
}

TEST_F(ProjectionMouse, ShiftAtTheSecondPieceStretches) {
    Open(kAlign);
    DoubleClick(At(0, 0.5, 0.9));
    DoubleClick(At(1, 0.5, 0.1), Qt::ShiftModifier);
    // A's bottom up to B's top; A's top stays.
    ExpectBox(BoxOf(0), {0, 200, 0, 300, 500, 18});
    EXPECT_TRUE(dialogs->Messages().empty());
}

TEST_F(ProjectionMouse, AnInvertingStretchIsRefusedBeforeTheSnapshot) {
    Open(kAlign);
    DoubleClick(At(0, 0.5, 0.9));
    DoubleClick(At(2, 0.5, 0.1), Qt::ShiftModifier); // C's top is above A's top
    EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{kSizeWouldVanish});
    ExpectUntouched();
    EXPECT_EQ(w.selectedPiece, -1);
    EXPECT_FALSE(RedShown());
}

TEST_F(ProjectionMouse, SelectingAgainOrChangingTheDirectionClearsTheSelection) {
    Open(kAlign);
    DoubleClick(At(1, 0.5, 0.5));
    EXPECT_EQ(w.selectedPiece, 1);
    // The selected piece again, at its other edge: the selection ends, nothing is aligned or said.
    DoubleClick(At(1, 0.5, 0.1));
    EXPECT_EQ(w.selectedPiece, -1);
    EXPECT_EQ(w.secondPiece, -1);
    EXPECT_FALSE(w.Button3->isEnabled());
    EXPECT_FALSE(RedShown());
    EXPECT_TRUE(StaysQuiet());
    // A double-click on no piece ends it too, without the warning of a press on no piece.
    for (const QPoint empty : {QPoint(2, 2), At(0, 0.5, 0.0) - QPoint(0, 30)}) { // a corner, above A
        DoubleClick(At(2, 0.5, 0.5));
        ASSERT_EQ(w.selectedPiece, 2);
        ASSERT_TRUE(w.Button3->isEnabled());
        DoubleClick(empty);
        EXPECT_EQ(w.selectedPiece, -1);
        EXPECT_FALSE(w.Button3->isEnabled());
        EXPECT_FALSE(RedShown());
        EXPECT_TRUE(StaysQuiet());
        EXPECT_EQ(main->model.scene.current, 2); // the current piece stays the one selected
    }
    ExpectUntouched();
    // "Translat./Redim." clears it and the red half goes at once.
    DoubleClick(At(1, 0.5, 0.5));
    ASSERT_TRUE(RedShown());
    QTest::mouseClick(w.RadioGroup2->Button(1), Qt::LeftButton);
    EXPECT_EQ(w.selectedPiece, -1);
    EXPECT_FALSE(RedShown());
    EXPECT_FALSE(w.Button3->isEnabled());
    w.RadioGroup2->SetItemIndex(0);
    ExpectUntouched();
}

namespace {
// "Piesa noua" needs a board catalogue in the start-up folder.
class ProjectionButtons : public ProjectionMouse {
protected:
    QTemporaryDir dir;
    void SetUp() override {
        main->show();
        QApplication::processEvents();
        main->startupFolder = dir.path().toStdString();
        const std::string s = "64 64 1\r\nPAL18FAG\r\nPal fag\r\n30.00\r\n\r\n8565470\r\n18\r\n1.5\r\n";
        QFile file(dir.filePath("pal-pfl.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(s.data(), static_cast<qint64>(s.size()));
    }
    void NewPiece() {
        modal.answers.push_back([](QDialog& d) {
            auto& c = static_cast<TPalPfl&>(d);
            c.FormShow();
            c.SelectCode("PAL18FAG");
            return int(QDialog::Accepted);
        });
        modal.answers.push_back([](QDialog& d) { // the new-piece dialog: a shelf
            auto& n = static_cast<TPiesaNoua&>(d);
            n.ComboBox2->setCurrentIndex(KindPolita);
            Q_EMIT n.ComboBox2->activated(KindPolita);
            // Clear of the other pieces, to their right.
            QLineEdit* e[] = {n.Edit1, n.Edit2, n.Edit3, n.Edit4, n.Edit5, n.Edit6};
            const char* v[] = {"800", "0", "0", "200", "200", "18"};
            for (int i = 0; i < 6; ++i) e[i]->setText(v[i]);
            return int(QDialog::Accepted);
        });
        modal.answers.push_back([](QDialog&) { return int(QDialog::Rejected); }); // its hardware
        QTest::mouseClick(w.Button2, Qt::LeftButton);
    }
};
} // namespace

TEST_F(ProjectionButtons, DeleteTakesThePieceShownSelected) {
    Open(kAlign);
    DoubleClick(At(0, 0.5, 0.5));
    ASSERT_EQ(w.selectedPiece, 0);
    NewPiece();
    ASSERT_EQ(main->model.scene.pieceCount, 4)
        << ::testing::PrintToString(modal.shown) << ::testing::PrintToString(dialogs->Messages());
    const std::string added = main->model.pieceNames[3];
    EXPECT_EQ(main->model.scene.current, 3);
    QTest::mouseClick(w.Button3, Qt::LeftButton); // the question is answered Yes
    EXPECT_EQ(main->model.scene.pieceCount, 3);
    EXPECT_EQ(main->model.pieceNames, (std::vector<std::string>{"B", "C", added}));
    EXPECT_EQ(w.selectedPiece, -1);
    EXPECT_FALSE(w.Button3->isEnabled());
    EXPECT_NE(dialogs->Messages().back().find("(A)"), std::string::npos);
}

TEST_F(ProjectionButtons, UndoDropsASelectionPastThePieceCount) {
    Open(kAlign);
    // A drag lets "Anulare" in; the new piece then takes the one undo level.
    const QPoint p = At(1, 0.5, 0.5);
    Press(p);
    Move(p - QPoint(0, 20));
    Release(p);
    NewPiece();
    ASSERT_EQ(main->model.scene.pieceCount, 4);
    DoubleClick(At(3, 0.5, 0.5));
    ASSERT_EQ(w.selectedPiece, 3);
    ASSERT_TRUE(w.Button6->isEnabled());
    QTest::mouseClick(w.Button6, Qt::LeftButton);
    EXPECT_EQ(main->model.scene.pieceCount, 3);
    EXPECT_EQ(w.selectedPiece, -1);
    EXPECT_FALSE(w.Button3->isEnabled());
    EXPECT_FALSE(RedShown());
}

TEST_F(ProjectionMouse, SizesDialogListsEachPieceOnceAndSnapshotsAtTheFirstSize) {
    Open(kAlign);
    TRedimensionarePiesa& d = *Forms().RedimensionarePiesa;
    // Three showings without a change: each piece once, the undo copy and the "*" alone.
    std::vector<int> counts;
    for (int i = 0; i < 3; ++i) {
        modal.answers.push_back([&](QDialog& dlg) {
            dlg.show();
            counts.push_back(d.ComboBox1->count());
            EXPECT_EQ(d.ComboBox1->currentIndex(), 0);
            EXPECT_EQ(d.Edit1->text(), "300");
            EXPECT_EQ(d.Edit2->text(), "500");
            dlg.hide();
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(w.Button7, Qt::LeftButton);
    }
    EXPECT_EQ(counts, (std::vector<int>{3, 3, 3}));
    ExpectUntouched();
    EXPECT_FALSE(w.Button6->isEnabled());
    // B chosen, a height typed key by key: one snapshot, then "Anulare" gives the furniture back.
    modal.answers.push_back([&](QDialog& dlg) {
        dlg.show();
        d.ComboBox1->setCurrentIndex(1);
        Q_EMIT d.ComboBox1->activated(1);
        EXPECT_EQ(main->model.scene.current, 1);
        EXPECT_EQ(d.Edit2->text(), "100");
        d.Edit2->selectAll();
        QTest::keyClicks(d.Edit2, "250");
        EXPECT_TRUE(d.SnapshotTaken());
        EXPECT_EQ(Forms().CarPies->Edit2->text(), "250");
        dlg.hide();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(w.Button7, Qt::LeftButton);
    ExpectBox(BoxOf(1), {400, 100, 0, 700, 350, 18});
    EXPECT_TRUE(main->model.modified);
    ASSERT_TRUE(w.Button6->isEnabled());
    QTest::mouseClick(w.Button6, Qt::LeftButton);
    EXPECT_TRUE(main->model.scene.PieceBox(1).y1 == 200);
    for (int i = 0; i < 3; ++i) ExpectBox(BoxOf(i), modelScene->PieceBox(i));
}

TEST_F(ProjectionMouse, SizesDialogRefusesAsThePieceWindowDoes) {
    Open(kAlign);
    TRedimensionarePiesa& d = *Forms().RedimensionarePiesa;
    QLineEdit* fields[3] = {d.Edit1, d.Edit2, d.Edit3};
    // Typed key by key, then the dialog closed: the piece as before the typing.
    const struct {
        int field;
        const char* text;
        const char* shown;
    } rows[] = {{2, "2000000", "18"}, {2, "-5", "18"}, {1, "1e308", "500"}, {0, "99999999", "300"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        dialogs->records.clear();
        const test::EditState before(*main);
        modal.answers.push_back([&](QDialog& dlg) {
            dlg.show();
            QLineEdit* e = fields[r.field];
            e->selectAll();
            QTest::keyClicks(e, r.text);
            EXPECT_TRUE(dialogs->records.empty()); // nothing said while typing
            dlg.hide();
            EXPECT_EQ(e->text(), r.shown);
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(w.Button7, Qt::LeftButton);
        EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{kPieceSizeRefused});
        before.ExpectSame(*main);
        EXPECT_FALSE(w.Button6->isEnabled());
        EXPECT_FALSE(Star());
    }
    // Refused on leaving the field, then a good size: that one takes the snapshot.
    modal.answers.push_back([&](QDialog& dlg) {
        dlg.show();
        d.Edit3->selectAll();
        QTest::keyClicks(d.Edit3, "2000000");
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(d.Edit3, &out);
        EXPECT_EQ(d.Edit3->text(), "18");
        EXPECT_FALSE(d.SnapshotTaken());
        EXPECT_FALSE(w.Button6->isEnabled());
        d.Edit2->selectAll();
        QTest::keyClicks(d.Edit2, "450");
        EXPECT_TRUE(d.SnapshotTaken());
        dlg.hide();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(w.Button7, Qt::LeftButton);
    ExpectBox(BoxOf(0), {0, 0, 0, 300, 450, 18});
    EXPECT_EQ(dialogs->Messages().size(), 2u);
    ASSERT_TRUE(w.Button6->isEnabled());
    QTest::mouseClick(w.Button6, Qt::LeftButton);
    EXPECT_TRUE(SameGeometry(main->model.scene, *modelScene));
}
