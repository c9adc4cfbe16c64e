#include "model/PieceEdit.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "platform/widgets/Modal.h"
#include "render/Contour.h"
#include "ui/CatalogueGrid.h"
#include "ui/Forms.h"
#include "ui/TCarPies.h"
#include "ui/TMain.h"
#include "ui/TPalPfl.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/EditState.h"
#include "support/Program.h"
#include "support/RecordingStub.h"
#include "render/Projection.h"

using namespace zv;

namespace {

struct SepGuard {
    explicit SepGuard(char c) { OverrideDecimalSeparator(c); }
    ~SepGuard() { OverrideDecimalSeparator(0); }
};

// The program with the current-piece window shown beside the main window and
// its start-up folder in a temporary folder. Pieces are laid as a new furniture
// lays them, through the scene.
struct Program : TestProgram {
    Program() {
        main->show();
        QApplication::processEvents();
        main->startupFolder = dir.path().toStdString();
        w = Forms().CarPies;
    }
    // A 600 x 400 x 18 front at the origin, its model face across its thickness.
    int Front() { return Add("Usa", 0, 0, 0, 600, 400, 18, 1, Rgb(200, 150, 100)); }
    int Add(const std::string& name, double x, double y, double z, double sx, double sy, double sz, int face,
            Color color) {
        Furniture& f = main->model;
        const int i = f.scene.pieceCount;
        f.scene.AddBox(x, y, z, sx, sy, sz);
        f.scene.color[static_cast<std::size_t>(i)] = color;
        f.attrs.modelFace[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(face);
        f.attrs.edgeBand[static_cast<std::size_t>(i)] = 1;
        f.pieceNames.push_back(name);
        return i;
    }
    // The furniture open and saved, the window shown and active.
    bool Open() {
        main->EnableDesignControls();
        main->model.scene.current = 0;
        main->RefreshPieceWindow();
        main->SetModified(false);
        w->show();
        return Activate();
    }
    // The window active, asked again while another program on the same
    // display (a parallel test) takes the activation. Qt gives the focus back
    // to the control that had it.
    bool Activate() {
        for (int i = 0; i < 10; ++i) {
            w->activateWindow();
            if (QTest::qWaitForWindowActive(w, 1000)) return true;
        }
        return false;
    }
    std::string File(const char* name) const { return dir.filePath(name).toStdString(); }
    void Write(const char* name, const std::string& bytes) const {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    Scene3D::Box Box(int piece = 0) const { return main->model.scene.PieceBox(piece); }
    bool Star() const { return w->Label11->isVisibleTo(w); }
    bool UndoReady() const { return main->BitBtn13->isEnabled(); }
    void Undo() { QTest::mouseClick(main->BitBtn13, Qt::LeftButton); }

    QTemporaryDir dir;
    TCarPies* w = nullptr;
};

// Typed over the whole text, key by key, as a user types.
void TypeOver(QLineEdit* e, const char* text) {
    e->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(e, text);
}

// Pasted over the whole text: one change.
void PasteOver(QLineEdit* e, const char* text) {
    e->setFocus(Qt::MouseFocusReason);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
}

// The focus moves on to another control of the window.
void MoveFocusTo(QWidget* next) {
    next->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

std::vector<std::string> FieldTexts(TCarPies* w) {
    std::vector<std::string> out;
    for (int k = 0; k < 6; ++k) out.push_back(w->Field(k)->text().toStdString());
    return out;
}

QColor TextColor(QLabel* l) { return l->palette().color(QPalette::WindowText); }

void WriteBmp(const std::string& path, int w, int h, QRgb fill) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    ASSERT_TRUE(SaveBmp(path, img).ok);
}

// What a user draws in the contour program on a picture of w x h: an "L"
// whose upper right quarter is cut away, one black pixel wide on white.
void SaveDrawnL(const std::string& path, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int x0 = 25, y0 = 25, x1 = w - 26, y1 = h - 26, xm = (x0 + x1) / 2, ym = (y0 + y1) / 2;
    const int pts[][2] = {{x0, y0}, {xm, y0}, {xm, ym}, {x1, ym}, {x1, y1}, {x0, y1}};
    for (int k = 0; k < 6; ++k) {
        const int* a = pts[k];
        const int* b = pts[(k + 1) % 6];
        for (int x = std::min(a[0], b[0]); x <= std::max(a[0], b[0]); ++x)
            for (int y = std::min(a[1], b[1]); y <= std::max(a[1], b[1]); ++y) img.setPixel(x, y, qRgb(0, 0, 0));
    }
    ASSERT_TRUE(SaveBmp(path, img).ok);
}

// The preview's colour at a point of the piece's face, fx across and fy down from its top left.
Color PreviewAt(TCarPies* w, double fx, double fy) {
    const Canvas& c = w->Image1->canvas();
    int left = c.Width(), right = -1, top = c.Height(), bottom = -1;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) != 0xFFFFFF) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    return c.Pixel(RoundEven(left + fx * (right - left)), RoundEven(top + fy * (bottom - top)));
}

} // namespace

TEST(PieceWindow, ShowsAPieceWithoutModel) {
    Program p;
    p.Front();
    p.Add("Lateral", 600, 0, 0, 18, 720, 500, 2, Rgb(10, 20, 30));
    ASSERT_TRUE(p.Open());
    TCarPies* w = p.w;
    EXPECT_EQ(w->windowTitle(), "Caract. piesa curenta");
    EXPECT_EQ(FieldTexts(w), (std::vector<std::string>{"600", "400", "18", "0", "0", "0"}));
    EXPECT_EQ(w->ComboBox2->count(), 2);
    EXPECT_EQ(w->ComboBox2->currentText(), "Usa");
    EXPECT_EQ(w->ComboBox1->currentText(), "1 lungime");
    EXPECT_EQ(w->Button3->text(), "F1");
    EXPECT_EQ(w->Label2->text(), "Fara model");
    EXPECT_EQ(TextColor(w->Label2), QColor(Qt::red));
    EXPECT_FALSE(w->Button1->isEnabled());
    EXPECT_FALSE(w->Button2->isEnabled());
    EXPECT_TRUE(w->Button3->isEnabled());
    EXPECT_EQ(p.main->CurrentColor(), Rgb(200, 150, 100));
    EXPECT_EQ(w->Panel8->palette().color(QPalette::Window), QColor(200, 150, 100));
    EXPECT_FALSE(w->Image2->isVisibleTo(w));
    // Three lines, broken by "\n": a button does not break on a carriage return.
    EXPECT_EQ(w->BitBtn16->text(), "Selectare\nmaterial\npiesa");
    EXPECT_FALSE(p.Star());

    // The X x Y face scaled by 115/600 and centred: outline from (0, 19) to (115, 96).
    const Canvas& c = w->Image1->canvas();
    ASSERT_EQ(c.Width(), 116);
    ASSERT_EQ(c.Height(), 116);
    const struct {
        int x, y;
        Color color;
    } pixels[] = {
        {0, 19, 0},
        {114, 19, 0},
        {0, 95, 0},
        {114, 95, 0},
        {57, 57, Rgb(200, 150, 100)},
        {1, 20, Rgb(200, 150, 100)},
        {57, 18, 0xFFFFFF},
        {57, 96, 0xFFFFFF},
        {115, 57, 0xFFFFFF},
        {57, 0, 0xFFFFFF},
    };
    for (const auto& px : pixels) EXPECT_EQ(c.Pixel(px.x, px.y), px.color) << px.x << "," << px.y;

    // The side panel: its own face and fields.
    p.main->model.scene.current = 1;
    p.main->RefreshPieceWindow();
    EXPECT_EQ(FieldTexts(w), (std::vector<std::string>{"18", "720", "500", "600", "0", "0"}));
    EXPECT_EQ(w->Button3->text(), "F2");
    EXPECT_EQ(w->ComboBox2->currentIndex(), 1);
}

TEST(PieceWindow, TypingKeyByKeyIsOneEdit) {
    Program p;
    p.Front();
    ASSERT_TRUE(p.Open());
    // The point being typed stays: "12.5" key by key is 12.5, not 125.
    TypeOver(p.w->Edit1, "12.5");
    EXPECT_EQ(p.w->Edit1->text(), "12.5");
    EXPECT_DOUBLE_EQ(p.Box().x1, 12.5);
    EXPECT_TRUE(p.Star());
    p.Undo();
    EXPECT_EQ(p.Box().x1, 600);
    EXPECT_EQ(p.w->Edit1->text(), "600");

    // 500 over 600: one run of typing, one snapshot.
    TypeOver(p.w->Edit1, "500");
    EXPECT_EQ(p.Box().x1, 500);
    p.Undo();
    EXPECT_EQ(p.Box().x1, 600);
    EXPECT_FALSE(p.Star()); // the saved state again

    // Leaving the field ends the run: the next typing is an edit of its own.
    TypeOver(p.w->Edit5, "100");
    MoveFocusTo(p.w->Edit6);
    TypeOver(p.w->Edit5, "250");
    EXPECT_EQ(p.Box().y0, 250);
    EXPECT_EQ(p.Box().y1, 650);
    p.Undo();
    EXPECT_EQ(p.Box().y0, 100);
    EXPECT_EQ(p.w->Edit5->text(), "100");

    // A refresh by another command ends it too.
    TypeOver(p.w->Edit3, "20");
    p.main->ApplyEdit([&] { return SetPieceSize(p.main->model, 0, Axis::X, 300); });
    QTest::keyClicks(p.w->Edit3, "5");
    EXPECT_EQ(p.Box().z1, 205);
    p.Undo();
    EXPECT_EQ(p.Box().z1, 20);
    EXPECT_EQ(p.Box().x1, 300);
}

TEST(PieceWindow, UndoWithTheFocusLeftInAFieldRunsNoHandler) {
    Program p;
    p.Front();
    ASSERT_TRUE(p.Open());
    TypeOver(p.w->Edit1, "700");
    ASSERT_TRUE(p.Star());
    ASSERT_TRUE(p.Activate());
    ASSERT_TRUE(p.w->Edit1->hasFocus());
    // The undo's refresh writes "600" into the field the focus was left in.
    p.main->BitBtn13Click();
    EXPECT_EQ(p.w->Edit1->text(), "600");
    EXPECT_EQ(p.Box().x1, 600);
    EXPECT_FALSE(p.main->model.modified);
    EXPECT_FALSE(p.Star());
    EXPECT_FALSE(p.UndoReady()); // no new snapshot was taken

    // Another command's refresh, the same.
    p.main->model.scene.MoveObject(0, 0, 0, 40);
    p.main->RefreshPieceWindow();
    EXPECT_EQ(p.w->Edit6->text(), "40");
    EXPECT_FALSE(p.UndoReady());
    EXPECT_FALSE(p.Star());
}

TEST(PieceWindow, FieldsUnderADecimalComma) {
    SepGuard comma(',');
    Program p;
    p.Add("Polita", 0, 0, 0, 12.5, 18, 300.25, 0, 0);
    ASSERT_TRUE(p.Open());
    EXPECT_EQ(p.w->Edit1->text(), "12,5");
    // In and out of the field: the value stays.
    p.w->Edit1->setFocus(Qt::MouseFocusReason);
    MoveFocusTo(p.w->Edit3);
    MoveFocusTo(p.w->Edit2);
    EXPECT_EQ(p.w->Edit1->text(), "12,5");
    EXPECT_EQ(p.w->Edit3->text(), "300,25");
    EXPECT_DOUBLE_EQ(p.Box().x1, 12.5);
    // Either separator may be typed.
    TypeOver(p.w->Edit1, "40,5");
    EXPECT_DOUBLE_EQ(p.Box().x1, 40.5);
    TypeOver(p.w->Edit4, "-7.25");
    EXPECT_DOUBLE_EQ(p.Box().x0, -7.25);
    MoveFocusTo(p.w->Edit5);
    EXPECT_EQ(p.w->Edit4->text(), "-7.25");
    EXPECT_EQ(p.w->Edit1->text(), "40,5");
}

TEST(PieceWindow, RefusedAndUnreadableTexts) {
    Program p;
    p.Front();
    ASSERT_TRUE(p.Open());
    ScopedDialogScript dialogs;
    const struct {
        int field;
        const char* text;
    } refused[] = {
        {0, "-5"}, {1, "1000001"}, {2, "1e9"}, {3, "-2000000"}, {5, "3e6"},
    };
    for (const auto& r : refused) {
        PasteOver(p.w->Field(r.field), r.text);
        EXPECT_EQ(p.w->Field(r.field)->text(), r.text); // nothing while typing
        MoveFocusTo(p.w->BitBtn17);
        EXPECT_EQ(FieldTexts(p.w), (std::vector<std::string>{"600", "400", "18", "0", "0", "0"})) << r.text;
    }
    ASSERT_EQ(dialogs->Messages().size(), 5u);
    EXPECT_EQ(dialogs->Messages()[0], "Dimensiunea piesei trebuie sa fie intre 0 si 1000000 mm.");
    EXPECT_EQ(dialogs->Messages()[3], "Pozitia piesei trebuie sa fie intre -1000000 si 1000000 mm.");
    EXPECT_FALSE(p.UndoReady());
    EXPECT_FALSE(p.Star());

    // Not a number: ignored while typing, "0" once the field is left.
    TypeOver(p.w->Edit2, "abc");
    MoveFocusTo(p.w->Edit3);
    EXPECT_EQ(p.w->Edit2->text(), "0");
    EXPECT_EQ(p.Box().y1, 400);
    // "0" as a size leaves the size; as a position it moves the corner to 0.
    TypeOver(p.w->Edit1, "0");
    EXPECT_EQ(p.Box().x1, 600);
    TypeOver(p.w->Edit4, "15");
    TypeOver(p.w->Edit4, "0");
    EXPECT_EQ(p.Box().x0, 0);
    EXPECT_EQ(dialogs->Messages().size(), 5u);
}

TEST(PieceWindow, ARefusedTextTypedKeyByKeyTakesItsRunBack) {
    Program p;
    p.Front();
    ASSERT_TRUE(p.Open());
    ScopedDialogScript dialogs;
    const struct {
        int field;
        const char* text;
        double passing; // what the run had applied when the text went past the limit
        const char* message;
    } rows[] = {
        {1, "1e308", 1000, kPieceSizeRefused}, // "1e3" on the way
        {1, "99999999", 999999, kPieceSizeRefused},
        {3, "1e308", 1000, kPiecePositionRefused},
        {3, "-99999999", -999999, kPiecePositionRefused},
    };
    // From the saved furniture with no undo level, then with an edit's undo level to keep.
    for (bool edited : {false, true}) {
        if (edited) {
            ASSERT_TRUE(p.Activate());
            TypeOver(p.w->Edit3, "20");
            MoveFocusTo(p.w->BitBtn17);
        }
        for (const auto& r : rows) {
            SCOPED_TRACE(std::string(r.text) + (edited ? " after an edit" : ""));
            ASSERT_TRUE(p.Activate()); // the focus moves only in the active window
            dialogs->records.clear();
            const test::EditState before(*p.main);
            const std::vector<std::string> texts = FieldTexts(p.w);
            QLineEdit* e = p.w->Field(r.field);
            TypeOver(e, r.text);
            const Scene3D::Box b = p.Box();
            EXPECT_EQ(r.field == 1 ? b.y1 - b.y0 : b.x0, r.passing);
            EXPECT_EQ(e->text(), r.text);
            EXPECT_TRUE(dialogs->records.empty()); // nothing said while typing
            MoveFocusTo(p.w->BitBtn17);
            EXPECT_EQ(dialogs->Messages(), std::vector<std::string>{r.message});
            before.ExpectSame(*p.main);
            EXPECT_EQ(FieldTexts(p.w), texts);
            EXPECT_EQ(p.Star(), edited);
        }
    }
    // The undo level is still the edit before the refused runs.
    p.Undo();
    EXPECT_EQ(p.Box().z1, 18);
}

TEST(PieceWindow, EscapeDropsWhatWasTypedInTheField) {
    Program p;
    p.Front();
    ASSERT_TRUE(p.Open());
    ScopedDialogScript dialogs;
    const test::EditState before(*p.main);
    TypeOver(p.w->Edit1, "750");
    ASSERT_EQ(p.Box().x1, 750);
    QTest::keyClick(p.w->Edit1, Qt::Key_Escape);
    before.ExpectSame(*p.main);
    EXPECT_EQ(p.w->Edit1->text(), "600");
    EXPECT_TRUE(p.w->isVisible());
    EXPECT_TRUE(p.w->Edit1->hasFocus());
    EXPECT_FALSE(p.Star());
    // A refused text: dropped, and leaving the field afterwards says nothing.
    TypeOver(p.w->Edit4, "1e308");
    QTest::keyClick(p.w->Edit4, Qt::Key_Escape);
    before.ExpectSame(*p.main);
    EXPECT_EQ(p.w->Edit4->text(), "0");
    MoveFocusTo(p.w->BitBtn17);
    EXPECT_TRUE(dialogs->records.empty());
    // The next typing is an edit of its own.
    TypeOver(p.w->Edit1, "650");
    EXPECT_EQ(p.Box().x1, 650);
    p.Undo();
    EXPECT_EQ(p.Box().x1, 600);
}

TEST(PieceWindow, ChoosingAndRenamingPieces) {
    Program p;
    p.Front();
    p.Add("Lateral", 600, 0, 0, 18, 720, 500, 2, 0);
    ASSERT_TRUE(p.Open());
    // Filling the list from code: the current piece and the "*" stay.
    p.main->model.pieceNames[1] = "Lateral stanga";
    p.main->RefreshPieceWindow();
    EXPECT_EQ(p.w->ComboBox2->itemText(1), "Lateral stanga");
    EXPECT_EQ(p.main->model.scene.current, 0);
    EXPECT_FALSE(p.Star());
    EXPECT_FALSE(p.main->model.modified);

    // A choice by hand.
    p.w->ComboBox2->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(p.w->ComboBox2, Qt::Key_Down);
    EXPECT_EQ(p.main->model.scene.current, 1);
    EXPECT_EQ(p.w->Edit1->text(), "18");
    EXPECT_TRUE(p.Star());

    ScopedDialogScript dialogs;
    dialogs->inputAnswers.push_back(std::string(60, 'x'));
    QTest::mouseClick(p.w->BitBtn17, Qt::LeftButton);
    ASSERT_EQ(dialogs->records.size(), 1u);
    EXPECT_EQ(dialogs->records[0].caption, "Redenumire piesa");
    EXPECT_EQ(dialogs->records[0].text, "Noul nume: ");
    EXPECT_EQ(dialogs->records[0].value, "Lateral stanga");
    EXPECT_EQ(p.main->model.pieceNames[1], std::string(50, 'x'));
    EXPECT_EQ(p.w->ComboBox2->itemText(1).toStdString(), std::string(50, 'x'));
    p.Undo();
    EXPECT_EQ(p.w->ComboBox2->itemText(1), "Lateral stanga");

    dialogs->inputAnswers.push_back(std::nullopt); // cancelled
    QTest::mouseClick(p.w->BitBtn17, Qt::LeftButton);
    EXPECT_EQ(p.main->model.pieceNames[1], "Lateral stanga");
    EXPECT_FALSE(p.UndoReady());

    // Edge banding by hand: one edit.
    p.w->ComboBox1->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(p.w->ComboBox1, Qt::Key_Down);
    EXPECT_EQ(p.main->model.attrs.edgeBand[1], 2);
    EXPECT_TRUE(p.UndoReady());
    p.Undo();
    EXPECT_EQ(p.main->model.attrs.edgeBand[1], 1);
    EXPECT_EQ(p.w->ComboBox1->currentIndex(), 1);
}

TEST(PieceWindow, ContourModelButtonsAreEachOneEdit) {
    Program p;
    p.Front();
    ASSERT_TRUE(p.Open());
    const std::string model = p.File("Model1.bmp");
    ASSERT_TRUE(SaveBmp(model, MakeContourModelPicture(600, 400)).ok);
    const PiesaAttributes& a = p.main->model.attrs;

    ScopedDialogScript dialogs;
    // No model: a right click asks nothing.
    QTest::mouseClick(p.w->Image1, Qt::RightButton);
    EXPECT_TRUE(dialogs->records.empty());
    dialogs->fileAnswers.push_back(FileDialogAnswer{model, 1});
    p.main->model.attrs.modelFace[0] = 0;
    QTest::mouseClick(p.w->Button4, Qt::LeftButton);
    ASSERT_EQ(dialogs->records.size(), 1u);
    EXPECT_EQ(dialogs->records[0].file.title, "Selectare model");
    EXPECT_EQ(dialogs->records[0].file.filter, "Format BITMAP (*.bmp)|*.bmp|Toate fisierele (*.*)|*.*");
    EXPECT_EQ(a.modelFile[0], model);
    EXPECT_EQ(a.modelFace[0], 1); // across the thinnest side
    EXPECT_EQ(p.w->Label2->toolTip().toStdString(), model);
    EXPECT_TRUE(p.w->Label2->text().endsWith("Model1.bmp"));
    EXPECT_EQ(TextColor(p.w->Label2), QColor(Qt::blue));
    EXPECT_TRUE(p.w->Button1->isEnabled());
    EXPECT_TRUE(p.w->Button2->isEnabled());
    EXPECT_EQ(p.w->Button3->text(), "F1");
    // The traced outline fills the face in the piece's colour.
    EXPECT_EQ(p.w->Image1->canvas().Pixel(57, 57), Rgb(200, 150, 100));
    EXPECT_TRUE(p.Star());
    p.Undo(); // one edit, the face and the file with it
    EXPECT_EQ(a.modelFace[0], 0);
    EXPECT_EQ(a.modelFile[0], "");
    EXPECT_EQ(p.w->Label2->text(), "Fara model");
    dialogs->fileAnswers.push_back(FileDialogAnswer{model, 1});
    QTest::mouseClick(p.w->Button4, Qt::LeftButton);
    ASSERT_EQ(a.modelFile[0], model);

    for (int i = 1; i <= 4; ++i) {
        QTest::mouseClick(p.w->Button1, Qt::LeftButton);
        EXPECT_EQ(a.modelRotation[0], i % 4);
    }
    p.Undo();
    EXPECT_EQ(a.modelRotation[0], 3);
    for (int face : {2, 0, 1}) {
        QTest::mouseClick(p.w->Button3, Qt::LeftButton);
        EXPECT_EQ(a.modelFace[0], face);
        EXPECT_EQ(p.w->Button3->text(), QString("F%1").arg(face));
    }
    p.Undo();
    EXPECT_EQ(a.modelFace[0], 0);
    QTest::mouseClick(p.w->Button2, Qt::LeftButton);
    EXPECT_EQ(a.modelMirror[0], 1);
    p.Undo();
    EXPECT_EQ(a.modelMirror[0], 0);
    QTest::mouseClick(p.w->Button2, Qt::LeftButton);
    QTest::mouseClick(p.w->Button3, Qt::LeftButton);

    // Right click, answered No, then Yes: rotation and mirror go, the face stays.
    dialogs->messageAnswers = {MsgResult::No, MsgResult::Yes};
    QTest::mouseClick(p.w->Image1, Qt::RightButton);
    EXPECT_EQ(a.modelFile[0], model);
    p.main->SetModified(false);
    QTest::mouseClick(p.w->Image1, Qt::RightButton);
    ASSERT_EQ(dialogs->Messages().size(), 2u);
    EXPECT_EQ(dialogs->Messages()[1], "Elimin modelul de pe placa?");
    EXPECT_EQ(a.modelFile[0], "");
    EXPECT_EQ(a.modelRotation[0], 0);
    EXPECT_EQ(a.modelMirror[0], 0);
    EXPECT_EQ(a.modelFace[0], 1);
    EXPECT_EQ(p.w->Label2->text(), "Fara model");
    EXPECT_TRUE(p.Star());
    p.Undo();
    EXPECT_EQ(a.modelFile[0], model);
    EXPECT_EQ(a.modelRotation[0], 3);
    EXPECT_EQ(a.modelMirror[0], 1);
    EXPECT_FALSE(p.Star());
}

TEST(PieceWindow, ADrawnContourShowsOnTheDoorsFrontAtOnce) {
    Program p;
    const Color wood = Rgb(200, 150, 100);
    p.Add("Usa", 0, 0, 0, 600, 720, 18, 0, wood); // no model yet, the face byte left at 0
    ASSERT_TRUE(p.Open());
    RecordingStub trasalin(p.dir.filePath("trasalin.sh"));
    ScopedEnv env("ZARVELO_TRASALIN", trasalin.path);
    ScopedDialogScript dialogs;
    QTest::mouseClick(p.w->Image1, Qt::LeftButton); // "Desenare contur"
    const PiesaAttributes& a = p.main->model.attrs;
    const std::string model = p.File("Model1.bmp");
    ASSERT_EQ(a.modelFile[0], model);
    EXPECT_EQ(trasalin.Arguments(), (QStringList{QString::fromStdString(model), "3"}));
    // Drawn for the door's front: the model lies there, not on its 18 mm edge.
    EXPECT_EQ(a.modelFace[0], 1);
    EXPECT_EQ(p.w->Button3->text(), "F1");
    EXPECT_TRUE(p.main->model.modified);
    EXPECT_EQ(PreviewAt(p.w, 0.75, 0.25), wood); // the rectangle as made

    // The user draws and saves; the preview follows, and the front shows the cut.
    SaveDrawnL(model, 250, 290);
    EXPECT_TRUE(QTest::qWaitFor([&] { return PreviewAt(p.w, 0.75, 0.25) == 0xFFFFFF; }, 3000));
    EXPECT_EQ(PreviewAt(p.w, 0.25, 0.75), wood);
    ProjectionOptions front;
    front.figures = false;
    Canvas c(300, 360);
    ProjectionContours contours;
    const ProjectionPicture pic = LayoutProjection(p.main->model.scene, front, c.Width(), c.Height());
    PaintProjection(c, p.main->model, pic, front, contours);
    const ProjectionRect& r = pic.rects.at(0);
    EXPECT_EQ(c.Pixel(RoundEven(r.rx1 + 0.75 * (r.rx2 - r.rx1)), RoundEven(r.ry1 + 0.25 * (r.ry2 - r.ry1))), 0xFFFFFF);
    EXPECT_EQ(c.Pixel(RoundEven(r.rx1 + 0.25 * (r.rx2 - r.rx1)), RoundEven(r.ry1 + 0.75 * (r.ry2 - r.ry1))), wood);

    // A model the user set on another face keeps it when drawn again.
    QTest::mouseClick(p.w->Button3, Qt::LeftButton);
    ASSERT_EQ(a.modelFace[0], 2);
    QFile::remove(trasalin.record);
    QTest::mouseClick(p.w->Image1, Qt::LeftButton);
    EXPECT_EQ(trasalin.Arguments(), (QStringList{QString::fromStdString(model), "3"}));
    EXPECT_EQ(a.modelFace[0], 2);
    EXPECT_EQ(a.modelFile[0], model);
}

TEST(PieceWindow, PreviewFollowsTheModelFileOnDisk) {
    Program p;
    const Color wood = Rgb(200, 150, 100);
    p.Front();
    ASSERT_TRUE(p.Open());
    const std::string model = p.File("usa.bmp");
    ASSERT_TRUE(SaveBmp(model, MakeContourModelPicture(600, 400)).ok);
    ScopedDialogScript dialogs;
    dialogs->fileAnswers.push_back(FileDialogAnswer{model, 1});
    QTest::mouseClick(p.w->Button4, Qt::LeftButton);
    ASSERT_EQ(PreviewAt(p.w, 0.75, 0.25), wood);
    // Saved over while shown: drawn anew without any command.
    SaveDrawnL(model, 250, 183);
    EXPECT_TRUE(QTest::qWaitFor([&] { return PreviewAt(p.w, 0.75, 0.25) == 0xFFFFFF; }, 3000));
    // Saved over while hidden: drawn anew as the window shows again.
    p.w->hide();
    ASSERT_TRUE(SaveBmp(model, MakeContourModelPicture(600, 400)).ok);
    QTest::qWait(400);
    p.w->show();
    EXPECT_EQ(PreviewAt(p.w, 0.75, 0.25), wood);
    // Removed: "Fara model" and the plain face; put back: the model again.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(model)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.w->Label2->text() == "Fara model"; }, 3000));
    SaveDrawnL(model, 250, 183);
    EXPECT_TRUE(QTest::qWaitFor([&] { return PreviewAt(p.w, 0.75, 0.25) == 0xFFFFFF; }, 3000));
    EXPECT_TRUE(p.w->Label2->text().endsWith("usa.bmp"));
    EXPECT_TRUE(dialogs->Messages().empty());
}

TEST(PieceWindow, TextureFlagsAreEdits) {
    Program p;
    p.Front();
    ASSERT_TRUE(p.Open());
    const PiesaAttributes& a = p.main->model.attrs;
    EXPECT_TRUE(p.w->CheckBox3->isChecked());
    QTest::mouseClick(p.w->CheckBox1, Qt::LeftButton);
    EXPECT_EQ(a.textureRotated[0], 1);
    EXPECT_TRUE(p.Star());
    QTest::mouseClick(p.w->CheckBox3, Qt::LeftButton);
    EXPECT_EQ(a.textureRepeated[0], 0);
    p.Undo();
    EXPECT_EQ(a.textureRepeated[0], 1);
    EXPECT_EQ(a.textureRotated[0], 1);
    EXPECT_TRUE(p.w->CheckBox3->isChecked());
    EXPECT_TRUE(p.w->CheckBox1->isChecked());
}

namespace {
std::string Board(const std::string& code, const std::string& picture, const std::string& color) {
    return code + "\r\nPal " + code + "\r\n30.00\r\n" + picture + "\r\n" + color + "\r\n18\r\n1.5\r\n";
}

// The board chooser answered with catalogue row `row`.
void ChooseBoard(ScopedModalScript& modal, int row) {
    modal.answers.push_back([row](QDialog&) {
        TPalPfl* w = Forms().PalPfl;
        w->LoadCatalogue();
        w->StringGrid1->SelectRow(row);
        return int(QDialog::Accepted);
    });
}
} // namespace

TEST(PieceWindow, MaterialsWithGoodMissingAndBrokenPictures) {
    Program p;
    p.Front();
    p.Add("Lateral", 600, 0, 0, 18, 720, 500, 2, 0);
    ASSERT_TRUE(p.Open());
    WriteBmp(p.File("stejar.bmp"), 16, 8, qRgb(120, 80, 40));
    p.Write("rupt.jpg", "nu este o poza");
    p.Write("pal-pfl.dat", "64 64 3\r\n" + Board("A_BUN", p.File("stejar.bmp"), "255") +
                               Board("B_LIPSA", p.File("lipsa.jpg"), "65280") +
                               Board("C_RUPT", p.File("rupt.jpg"), "16711680"));
    const PiesaAttributes& a = p.main->model.attrs;
    const Scene3D& s = p.main->model.scene;
    ScopedDialogScript dialogs;
    ScopedModalScript modal;

    // A readable picture: the texture, its slot, the picture over the swatch.
    ChooseBoard(modal, 1);
    QTest::mouseClick(p.w->BitBtn16, Qt::LeftButton);
    ASSERT_EQ(modal.shown, (std::vector<std::string>{Forms().PalPfl->objectName().toStdString()}));
    EXPECT_EQ(a.materialCode[0], "A_BUN");
    EXPECT_EQ(s.color[0], 255u);
    EXPECT_EQ(a.textureFile[0], p.File("stejar.bmp"));
    EXPECT_EQ(a.textureIndex[0], 0);
    EXPECT_EQ(p.main->CurrentColor(), 255u);
    EXPECT_TRUE(p.w->Image2->isVisibleTo(p.w));
    EXPECT_EQ(p.w->Panel8->toolTip().toStdString(), "A_BUN: " + p.File("stejar.bmp"));
    EXPECT_TRUE(p.Star());
    EXPECT_TRUE(dialogs->Messages().empty());
    // The same board on the other piece shares the slot.
    p.main->model.scene.current = 1;
    ChooseBoard(modal, 1);
    p.w->BitBtn16Click();
    EXPECT_EQ(a.textureIndex[1], 0);
    p.Undo();
    EXPECT_EQ(a.materialCode[1], "");

    // A missing picture: the colour, no texture, index -1.
    ChooseBoard(modal, 2);
    p.w->BitBtn16Click();
    EXPECT_EQ(a.materialCode[1], "B_LIPSA");
    EXPECT_EQ(s.color[1], 65280u);
    EXPECT_EQ(a.textureFile[1], "");
    EXPECT_EQ(a.textureIndex[1], -1);
    EXPECT_FALSE(p.w->Image2->isVisibleTo(p.w));
    EXPECT_EQ(p.w->Panel8->toolTip(), "Culoare piesa B_LIPSA");
    EXPECT_TRUE(dialogs->Messages().empty());

    // A picture that cannot be read: one message, and the command completes with the colour.
    p.main->SetModified(false);
    ChooseBoard(modal, 3);
    p.w->BitBtn16Click();
    ASSERT_EQ(dialogs->Messages().size(), 1u);
    EXPECT_EQ(dialogs->Messages()[0].rfind("Textura nu poate fi incarcata:", 0), 0u) << dialogs->Messages()[0];
    EXPECT_EQ(a.materialCode[1], "C_RUPT");
    EXPECT_EQ(s.color[1], 16711680u);
    EXPECT_EQ(a.textureFile[1], "");
    EXPECT_EQ(a.textureIndex[1], -1);
    EXPECT_EQ(p.main->CurrentColor(), 16711680u);
    EXPECT_TRUE(p.Star());
    EXPECT_EQ(FieldTexts(p.w), (std::vector<std::string>{"18", "720", "500", "600", "0", "0"}));
    p.Undo();
    EXPECT_EQ(a.materialCode[1], "B_LIPSA");

    // A cancelled chooser, and "&Selecteaza" on an empty catalogue, change nothing.
    p.Write("pal-pfl.dat", "64 64 0\r\n");
    ChooseBoard(modal, 1);
    p.w->BitBtn16Click();
    modal.answers.push_back([](QDialog&) { return int(QDialog::Rejected); }); // cancelled
    p.w->BitBtn16Click();
    EXPECT_EQ(a.materialCode[1], "B_LIPSA");
    EXPECT_FALSE(p.UndoReady());
}

TEST(PieceWindow, UnreadableTextureOnRefreshSaysSoOnce) {
    Program p;
    p.Front();
    p.Write("rupt.jpg", "nu este o poza");
    p.main->model.attrs.textureFile[0] = p.File("rupt.jpg");
    p.main->model.attrs.textureIndex[0] = 0;
    p.main->model.textures.count = 1;
    ScopedDialogScript dialogs;
    ASSERT_TRUE(p.Open());
    EXPECT_EQ(dialogs->Messages().size(), 1u);
    // The rest of the refresh went on.
    EXPECT_EQ(p.w->Edit1->text(), "600");
    EXPECT_EQ(p.w->Label2->text(), "Fara model");
    EXPECT_FALSE(p.w->Image2->isVisibleTo(p.w));
    TypeOver(p.w->Edit1, "650");
    p.main->RefreshPieceWindow();
    EXPECT_EQ(dialogs->Messages().size(), 1u);
    EXPECT_EQ(p.Box().x1, 650);
}

TEST(PieceWindow, NoPieceDisablesEverything) {
    Program p;
    p.Front();
    ASSERT_TRUE(p.Open());
    const auto before = std::make_unique<Furniture>(p.main->model);
    ScopedDialogScript dialogs;
    ScopedModalScript modal;
    for (int current : {1, -1, 250}) {
        p.main->model.scene.current = current;
        p.main->RefreshPieceWindow();
        for (QWidget* c : std::initializer_list<QWidget*>{p.w->Edit1, p.w->Edit6, p.w->ComboBox1, p.w->BitBtn16,
                                                          p.w->BitBtn17, p.w->Button3, p.w->Button4, p.w->Button6,
                                                          p.w->CheckBox1, p.w->CheckBox3, p.w->Image1})
            EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
        EXPECT_EQ(p.w->Edit1->text(), "");
        EXPECT_EQ(p.w->ComboBox2->currentIndex(), -1);
        EXPECT_TRUE(p.w->CheckBox2->isEnabled());
        // Reached anyway, no handler touches a table.
        p.w->Edit1->setText("5");
        p.w->Edit1Change();
        p.w->Edit4Change();
        p.w->Edit1Exit();
        p.w->BitBtn16Click();
        p.w->BitBtn17Click();
        p.w->ComboBox1Change();
        p.w->Button1Click();
        p.w->Button2Click();
        p.w->Button3Click();
        p.w->Button4Click();
        p.w->Button6Click();
        p.w->CheckBox1Click();
        p.w->CheckBox3Click();
        p.w->Image1MouseDown(PictureBox::MouseArgs{Qt::RightButton, Qt::RightButton, {}, 5, 5});
    }
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_TRUE(dialogs->records.empty());
    EXPECT_FALSE(p.UndoReady());
    EXPECT_EQ(p.main->model.scene.X, before->scene.X);
    EXPECT_EQ(p.main->model.attrs.edgeBand, before->attrs.edgeBand);

    // The last piece deleted: an empty list.
    p.main->model.scene.DeleteObject(0);
    p.main->model.pieceNames.clear();
    p.main->RefreshPieceWindow();
    EXPECT_EQ(p.w->ComboBox2->count(), 0);
    EXPECT_FALSE(p.w->ComboBox2->isEnabled());
    // A piece again: everything back.
    p.Front();
    p.main->model.scene.current = 0;
    p.main->RefreshPieceWindow();
    EXPECT_TRUE(p.w->Edit1->isEnabled());
    EXPECT_TRUE(p.w->ComboBox2->isEnabled());
    EXPECT_EQ(p.w->Edit1->text(), "600");
}

TEST(PieceWindow, ShownBesideTheMainWindowAndHatching) {
    Program p;
    p.Front();
    p.main->EnableDesignControls();
    p.main->RefreshPieceWindow();
    EXPECT_FALSE(p.w->isVisible());
    p.main->BitBtn16Click();
    ASSERT_TRUE(p.w->isVisible());
    EXPECT_EQ(p.w->x(), p.main->x() + p.main->width() - p.w->width() - 25);
    EXPECT_EQ(p.w->size(), QSize(120, 545));
    p.main->BitBtn16Click();
    EXPECT_FALSE(p.w->isVisible());

    // "&Hasura" by hand and from code: the fill style follows the box.
    EXPECT_TRUE(p.w->CheckBox2->isChecked());
    EXPECT_TRUE(p.main->HatchChecked());
    p.main->BitBtn16Click();
    QTest::mouseClick(p.w->CheckBox2, Qt::LeftButton);
    EXPECT_FALSE(p.main->HatchChecked());
    EXPECT_EQ(p.main->model.scene.currentFillStyle, 1);
    p.main->SetHatch(true);
    EXPECT_TRUE(p.w->CheckBox2->isChecked());
    EXPECT_EQ(p.main->model.scene.currentFillStyle, 7);
    EXPECT_FALSE(p.main->model.modified);
}
