// The arrow buttons, the tangential command, the shrink dialog, "Reset 3D"
// and the display-mode list of the main window, driven as a user would.
#include "model/PieceAlign.h"
#include "platform/Dialogs.h"
#include "platform/widgets/Modal.h"
#include "platform/widgets/RadioGroup.h"
#include "ui/Forms.h"
#include "ui/TCarPies.h"
#include "ui/TJur_Imp.h"
#include "ui/TMain.h"
#include "ui/TTang.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/BoxCheck.h"
#include "support/EditState.h"

#include "support/Program.h"

using namespace zv;

namespace {

using Box = Scene3D::Box;

// A 600 x 400 x 18 shelf at (100, 200, 50) and a 1000 x 800 x 500 box, open.
struct Program : TestProgram {
    Program() {
        main->setAttribute(Qt::WA_DontShowOnScreen);
        main->show();
        QApplication::processEvents();
        Reset();
        main->EnableDesignControls();
        main->RadioGroup2->SetItemIndex(0);
        main->RadioGroup2Click();
        main->FitViewScale();
        main->SetModified(false);
    }
    void Reset() {
        Furniture& f = main->model;
        f.scene.Clear();
        f.scene.AddBox(100, 200, 50, 600, 400, 18);
        f.scene.AddBox(0, 0, 0, 1000, 800, 500);
        f.pieceNames = {"Polita", "Corp"};
        f.scene.current = 0;
        main->SetModified(false);
        main->undo.pieceNames = {"marca"}; // shows whether a snapshot was taken
    }
    Box Piece(int i) const { return main->model.scene.PieceBox(i); }
    bool SnapshotTaken() const { return main->undo.pieceNames != std::vector<std::string>{"marca"}; }
    bool Star() const { return !Forms().CarPies->Label11->isHidden(); }
    void Mode(int m) {
        main->RadioGroup1->SetItemIndex(m);
        main->RadioGroup1Click();
    }
};

} // namespace

TEST(PieceEditing, SixArrowsInBothModes) {
    Program p;
    TMain* m = p.main;
    struct Case {
        QPushButton* button;
        int mode;
        Box want;
    } cases[] = {
        {m->BitBtn6, 0, {0, 200, 50, 600, 600, 68}},
        {m->BitBtn7, 0, {200, 200, 50, 800, 600, 68}},
        {m->BitBtn8, 0, {100, 300, 50, 700, 700, 68}},
        {m->BitBtn10, 0, {100, 100, 50, 700, 500, 68}},
        {m->BitBtn9, 0, {100, 200, 150, 700, 600, 168}},
        {m->BitBtn11, 0, {100, 200, -50, 700, 600, -32}},
        // "Redim.": the maximum side moves; "<" turns 600 into 500 keeping the left side.
        {m->BitBtn6, 1, {100, 200, 50, 600, 600, 68}},
        {m->BitBtn7, 1, {100, 200, 50, 800, 600, 68}},
        {m->BitBtn8, 1, {100, 200, 50, 700, 700, 68}},
        {m->BitBtn10, 1, {100, 200, 50, 700, 500, 68}},
        {m->BitBtn9, 1, {100, 200, 50, 700, 600, 168}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button->objectName().toStdString() + " mode " + std::to_string(c.mode));
        p.Reset();
        p.Mode(c.mode);
        m->Edit7->setText("100");
        QTest::mouseClick(c.button, Qt::LeftButton);
        ExpectBox(p.Piece(0), c.want);
        ExpectBox(p.Piece(1), {0, 0, 0, 1000, 800, 500});
        EXPECT_TRUE(p.SnapshotTaken());
        ExpectBox(m->undo.scene.PieceBox(0), {100, 200, 50, 700, 600, 68});
        EXPECT_TRUE(m->model.modified);
        EXPECT_TRUE(p.Star());
    }
    // The last row: "v" in depth stretched by 10 of 18.
    p.Reset();
    p.Mode(1);
    m->Edit7->setText("10");
    QTest::mouseClick(m->BitBtn11, Qt::LeftButton);
    ExpectBox(p.Piece(0), {100, 200, 50, 700, 600, 58});
    // The hints name the direction each button goes.
    EXPECT_EQ(m->BitBtn6->toolTip(), "Translatare/redimensionare piesa curenta spre stanga (pe X)");
    EXPECT_EQ(m->BitBtn7->toolTip(), "Translatare/redimensionare piesa curenta spre dreapta (pe X)");
}

TEST(PieceEditing, StepsThatAreRefused) {
    Program p;
    TMain* m = p.main;
    ScopedDialogScript dialogs;
    // A step that does not read moves nothing: "100" is shown again, no snapshot.
    for (const char* text : {"abc", "0,5", "5 mm", ""}) {
        SCOPED_TRACE(text);
        p.Reset();
        m->Edit7->setText(text);
        QTest::mouseClick(m->BitBtn7, Qt::LeftButton);
        EXPECT_EQ(m->Edit7->text(), "100");
        ExpectBox(p.Piece(0), {100, 200, 50, 700, 600, 68});
        EXPECT_FALSE(p.SnapshotTaken());
        EXPECT_FALSE(m->model.modified);
    }
    EXPECT_TRUE(dialogs->records.empty());
    // Beyond a million millimetres, a stretch that would leave no width, and
    // a box the step would take past the limit: a warning.
    struct Refusal {
        const char* step;
        int mode;
        QPushButton* button;
        const char* message;
    } refused[] = {{"1000001", 0, m->BitBtn7, kStepRefused},         {"-2000000", 1, m->BitBtn8, kStepRefused},
                   {"600", 1, m->BitBtn6, kSizeWouldVanish},         {"18", 1, m->BitBtn11, kSizeWouldVanish},
                   {"999901", 0, m->BitBtn7, kPiecePositionRefused}, {"999951", 0, m->BitBtn9, kPiecePositionRefused},
                   {"999601", 1, m->BitBtn8, kPieceSizeRefused}};
    for (const Refusal& r : refused) {
        SCOPED_TRACE(r.step);
        p.Reset();
        p.Mode(r.mode);
        dialogs->records.clear();
        m->Edit7->setText(r.step);
        const test::EditState before(*m);
        QTest::mouseClick(r.button, Qt::LeftButton);
        ASSERT_EQ(dialogs->Messages(), std::vector<std::string>{r.message});
        EXPECT_EQ(dialogs->records[0].kind, MsgKind::Warning);
        before.ExpectSame(*m);
        EXPECT_FALSE(p.SnapshotTaken());
        EXPECT_EQ(m->Edit7->text(), r.step);
    }
    // A decimal step with ".".
    p.Reset();
    p.Mode(0);
    m->Edit7->setText(" 0.5 ");
    QTest::mouseClick(m->BitBtn7, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(p.Piece(0).x0, 100.5);
}

TEST(PieceEditing, ArrowsStopAtTheLimit) {
    Program p;
    TMain* m = p.main;
    ScopedDialogScript dialogs;
    m->model.scene.MoveObject(0, -100, 0, 0); // the shelf from x 0
    m->Edit7->setText("1000000");
    QTest::mouseClick(m->BitBtn7, Qt::LeftButton);
    ExpectBox(p.Piece(0), {1000000, 200, 50, 1000600, 600, 68});
    EXPECT_TRUE(dialogs->records.empty());
    // Past the limit: refused at each press, the first press still the one to undo.
    const test::EditState atTheLimit(*m);
    QTest::mouseClick(m->BitBtn7, Qt::LeftButton);
    QTest::mouseClick(m->BitBtn7, Qt::LeftButton);
    EXPECT_EQ(dialogs->Messages(), (std::vector<std::string>{kPiecePositionRefused, kPiecePositionRefused}));
    atTheLimit.ExpectSame(*m);
    ExpectBox(m->undo.scene.PieceBox(0), {0, 200, 50, 600, 600, 68});
    // The position field shows the limit and leaving it says nothing.
    TCarPies* w = Forms().CarPies;
    EXPECT_EQ(w->Edit4->text(), "1000000");
    w->Edit4Exit();
    EXPECT_EQ(dialogs->Messages().size(), 2u);
}

TEST(PieceEditing, NothingWithoutFurnitureOrPiece) {
    Program p;
    TMain* m = p.main;
    ScopedDialogScript dialogs;
    ScopedModalScript modal;
    auto all = [&] {
        m->BitBtn7Click();
        m->BitBtn12Click();
        m->ShrinkChosenPiece();
        m->ChooseShrinkPiece(0);
        m->Image4DblClick();
        m->FormDblClick();
        m->ComboBox3Change();
    };
    m->model.scene.Clear();
    m->model.pieceNames.clear();
    all();
    EXPECT_FALSE(m->model.modified);
    EXPECT_FALSE(p.SnapshotTaken());
    p.Reset();
    m->model.scene.current = 5; // not a piece
    m->BitBtn7Click();
    m->BitBtn12Click();
    m->ShrinkChosenPiece();
    EXPECT_FALSE(m->model.modified);
    EXPECT_FALSE(p.SnapshotTaken());
    m->DisableDesignControls();
    m->model.scene.current = 0;
    all();
    EXPECT_FALSE(m->model.modified);
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_TRUE(dialogs->records.empty());
}

TEST(PieceEditing, TwelveRelationsInBothModes) {
    Program p;
    TMain* m = p.main;
    TTang* d = Forms().Tang;
    // Shelf x 100..700, y 200..600, z 50..68; box 0..1000, 0..800, 0..500.
    // Moved, then stretched ({} where the stretch would turn the shelf inside out).
    const Box moved[12] = {
        {0, 200, 50, 600, 600, 68},     {400, 200, 50, 1000, 600, 68},  {1000, 200, 50, 1600, 600, 68},
        {-600, 200, 50, 0, 600, 68},    {100, 400, 50, 700, 800, 68},   {100, 0, 50, 700, 400, 68},
        {100, -400, 50, 700, 0, 68},    {100, 800, 50, 700, 1200, 68},  {100, 200, 0, 700, 600, 18},
        {100, 200, 482, 700, 600, 500}, {100, 200, 500, 700, 600, 518}, {100, 200, -18, 700, 600, 0}};
    const Box stretched[12] = {{0, 200, 50, 700, 600, 68},   {100, 200, 50, 1000, 600, 68}, {}, {},
                               {100, 200, 50, 700, 800, 68}, {100, 0, 50, 700, 600, 68},    {}, {},
                               {100, 200, 0, 700, 600, 68},  {100, 200, 50, 700, 600, 500}, {}, {}};
    for (int mode : {0, 1}) {
        for (int r = 0; r < kTangentRelations; ++r) {
            SCOPED_TRACE(std::string(kTangentRelationNames[r]) + (mode ? " stretch" : " move"));
            p.Reset();
            p.Mode(mode);
            ScopedDialogScript dialogs;
            ScopedModalScript modal;
            modal.answers.push_back([&](QDialog&) {
                EXPECT_EQ(d->windowTitle(), mode ? "Redimensionare tangentiala" : "Translatare tangentiala");
                EXPECT_EQ(d->Label1->text(), "\"Polita\" tangential cu:");
                EXPECT_EQ(d->ComboBox1->count(), 2);
                EXPECT_EQ(d->ComboBox2->itemText(r).toStdString(), kTangentRelationNames[r]);
                d->ComboBox1->setCurrentIndex(1);
                d->ComboBox2->setCurrentIndex(r);
                return int(QDialog::Accepted);
            });
            QTest::mouseClick(m->BitBtn12, Qt::LeftButton);
            EXPECT_EQ(modal.shown, std::vector<std::string>{"Tang"});
            const bool inverts = mode == 1 && stretched[r].x1 == 0;
            if (inverts) {
                EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{kSizeWouldVanish});
                ExpectBox(p.Piece(0), {100, 200, 50, 700, 600, 68});
                EXPECT_FALSE(p.SnapshotTaken());
                EXPECT_FALSE(m->model.modified);
            } else {
                EXPECT_TRUE(dialogs->records.empty());
                ExpectBox(p.Piece(0), mode ? stretched[r] : moved[r]);
                EXPECT_TRUE(p.SnapshotTaken());
                EXPECT_TRUE(m->model.modified);
                EXPECT_TRUE(p.Star());
            }
            ExpectBox(p.Piece(1), {0, 0, 0, 1000, 800, 500});
        }
    }
    EXPECT_EQ(m->BitBtn12->text(), "Redim. &tang.");
    p.Mode(0);
    EXPECT_EQ(m->BitBtn12->text(), "Transl. &tang.");
}

TEST(PieceEditing, TangentialRefusalsAndTheKeptChoice) {
    Program p;
    TMain* m = p.main;
    TTang* d = Forms().Tang;
    ScopedDialogScript dialogs;
    ScopedModalScript modal;
    // The same piece chosen twice: a warning, no snapshot.
    modal.answers.push_back([&](QDialog&) {
        d->ComboBox1->setCurrentIndex(0);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(m->BitBtn12, Qt::LeftButton);
    EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{kSamePieceTangent});
    EXPECT_EQ(dialogs->records[0].kind, MsgKind::Warning);
    EXPECT_FALSE(p.SnapshotTaken());
    EXPECT_FALSE(m->model.modified);

    // The user picks the box; a cancel then changes nothing, and the next use
    // starts on the box with the relation kept.
    modal.answers.push_back([&](QDialog&) {
        d->ComboBox1->setCurrentIndex(1);
        Q_EMIT d->ComboBox1->activated(1);
        d->ComboBox2->setCurrentIndex(4);
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(m->BitBtn12, Qt::LeftButton);
    EXPECT_EQ(d->OtherPiece, 1);
    EXPECT_FALSE(p.SnapshotTaken());
    modal.answers.push_back([&](QDialog&) {
        EXPECT_EQ(d->ComboBox1->currentIndex(), 1);
        EXPECT_EQ(d->ComboBox2->currentIndex(), 4);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(m->BitBtn12, Qt::LeftButton);
    ExpectBox(p.Piece(0), {100, 400, 50, 700, 800, 68}); // sus-sus

    // The box far out, 999500 to 1000500 along X: the shelf would go past the limit.
    m->model.scene.MoveObject(1, 999500, 0, 0);
    const struct {
        int mode, relation;
        const char* message;
    } pastTheLimit[] = {{0, 2, kPiecePositionRefused}, {1, 1, kPieceSizeRefused}};
    for (const auto& r : pastTheLimit) {
        SCOPED_TRACE(kTangentRelationNames[r.relation]);
        p.Mode(r.mode);
        dialogs->records.clear();
        const test::EditState before(*m);
        modal.answers.push_back([&](QDialog&) {
            d->ComboBox1->setCurrentIndex(1);
            d->ComboBox2->setCurrentIndex(r.relation);
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(m->BitBtn12, Qt::LeftButton);
        EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{r.message});
        before.ExpectSame(*m);
    }
    p.Mode(0);
    // Filling the list from code leaves the kept choice, even past the end.
    d->OtherPiece = 1;
    d->ShowPieces({"A"}, 1);
    EXPECT_EQ(d->OtherPiece, 1);
    EXPECT_EQ(d->ComboBox1->currentIndex(), 0);
}

TEST(PieceEditing, ShrinkDialog) {
    Program p;
    TMain* m = p.main;
    TJur_Imp* d = Forms().Jur_Imp;
    ScopedDialogScript dialogs;
    p.main->Redimensionarejurimprejur1->trigger();
    ASSERT_TRUE(d->isVisible());
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(d->windowTitle(), "Micsorare jur-imprejur");
    EXPECT_EQ(d->ComboBox1->count(), 2);
    EXPECT_EQ(d->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(d->Edit1->text(), "2");

    // The default ticks, 2 mm: 596 x 396 x 18.
    QTest::mouseClick(d->Button1, Qt::LeftButton);
    ExpectBox(p.Piece(0), {102, 202, 50, 698, 598, 68});
    EXPECT_TRUE(p.SnapshotTaken());
    EXPECT_TRUE(p.Star());

    // -5 with only "Spate": 5 mm deeper.
    p.Reset();
    for (QCheckBox* c : {d->CheckBox1, d->CheckBox2, d->CheckBox3, d->CheckBox4}) c->setChecked(false);
    d->CheckBox6->setChecked(true);
    d->Edit1->setText("-5");
    QTest::mouseClick(d->Button1, Qt::LeftButton);
    ExpectBox(p.Piece(0), {100, 200, 50, 700, 600, 73});

    // "abc": the message, and the undo copy still the user's last edit.
    p.Reset();
    d->Edit1->setText("abc");
    QTest::mouseClick(d->Button1, Qt::LeftButton);
    EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{kShrinkInvalid});
    EXPECT_EQ(dialogs->records[0].kind, MsgKind::Error);
    EXPECT_FALSE(p.SnapshotTaken());
    EXPECT_FALSE(m->model.modified);

    // 300 all round on a 600 x 400 piece, or outwards past the limit: refused before the snapshot.
    for (QCheckBox* c : {d->CheckBox1, d->CheckBox2, d->CheckBox3, d->CheckBox4}) c->setChecked(true);
    d->CheckBox6->setChecked(false);
    const struct {
        const char* value;
        const char* message;
    } shrinks[] = {{"300", kSizeWouldVanish}, {"-499800", kPieceSizeRefused}};
    for (const auto& r : shrinks) {
        SCOPED_TRACE(r.value);
        dialogs->records.clear();
        d->Edit1->setText(r.value);
        const test::EditState before(*m);
        QTest::mouseClick(d->Button1, Qt::LeftButton);
        EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{r.message});
        before.ExpectSame(*m);
        EXPECT_FALSE(p.SnapshotTaken());
    }

    // Choosing a piece in the list makes it current without marking the file.
    d->ComboBox1->setCurrentIndex(1);
    Q_EMIT d->ComboBox1->activated(1);
    EXPECT_EQ(m->model.scene.current, 1);
    EXPECT_FALSE(m->model.modified);
    // The dialog stays open while pieces go: an index past them is ignored,
    // and filling the list again does not change the current piece.
    m->model.scene.DeleteObject(1);
    m->model.pieceNames.pop_back();
    m->model.scene.current = 0;
    d->ComboBox1Change(); // still shows the deleted piece
    EXPECT_EQ(m->model.scene.current, 0);
    d->RefreshPieces();
    EXPECT_EQ(d->ComboBox1->count(), 1);
    EXPECT_EQ(m->model.scene.current, 0);
    // And the button opens it too.
    d->hide();
    QTest::mouseClick(m->BitBtn18, Qt::LeftButton);
    EXPECT_TRUE(d->isVisible());
    d->hide();
}

TEST(PieceEditing, ResetViewAndDisplayMode) {
    Program p;
    TMain* m = p.main;
    Scene3D& s = m->model.scene;
    s.rotX = 0.5, s.rotY = -0.2, s.rotZ = 0.1, s.panX = 30, s.panY = -4, s.panZ = 12;
    const double zoom = s.zoom;
    QTest::mouseClick(m->BitBtn14, Qt::LeftButton);
    EXPECT_EQ(s.rotX, 0);
    EXPECT_EQ(s.rotY, 0);
    EXPECT_EQ(s.rotZ, 0);
    EXPECT_EQ(s.panX, 0);
    EXPECT_EQ(s.panY, 0);
    EXPECT_EQ(s.panZ, 0);
    EXPECT_EQ(s.zoom, zoom);
    EXPECT_TRUE(m->model.modified);
    EXPECT_TRUE(p.Star());

    // The display mode marks the file when the user picks it, not when code sets it.
    m->SetModified(false);
    m->ComboBox3->setCurrentIndex(1);
    EXPECT_FALSE(m->model.modified);
    Q_EMIT m->ComboBox3->activated(2);
    EXPECT_TRUE(m->model.modified);
    EXPECT_TRUE(p.Star());
    EXPECT_FALSE(p.SnapshotTaken());
}
