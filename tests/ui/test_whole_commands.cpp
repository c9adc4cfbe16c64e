// The whole-furniture commands of the main window and their three dialogs.
#include "support/LocaleText.h"
#include "model/WholeEdit.h"
#include "platform/Dialogs.h"
#include "platform/Picture.h"
#include "platform/widgets/Modal.h"
#include "ui/Forms.h"
#include "ui/TIncarcDate.h"
#include "ui/TMain.h"
#include "ui/TRedimMob.h"
#include "ui/TSchimbCulo.h"
#include "ui/TSchimbareCodPalPfl.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/BoardChoice.h"
#include "support/Program.h"
#include "support/ShownAnswer.h"
#include "support/Unchanged.h"

#include <functional>

using namespace zv;

namespace {

// The open furniture: an 800 x 720 carcass 304 deep with its back applied.
struct Program : TestProgram {
    Program() {
        main->startupFolder = dir.path().toStdString();
        Add("Lateral stanga", 0, 0, 0, 18, 720, 300, "PAL18");
        Add("Lateral dreapta", 782, 0, 0, 18, 720, 300, "PAL18");
        Add("Blat", 18, 702, 0, 764, 18, 300, "PAL18");
        Add("Spate", 8, 8, 300, 784, 704, 4, "PFL4");
        RecomputeFurnitureSize(main->model.scene, main->model.dim);
        main->model.name = "Corp";
        main->EnableDesignControls();
        main->model.scene.current = 0;
        main->RefreshPieceWindow();
        main->SetModified(false);
    }
    int Add(const std::string& name, double x, double y, double z, double sx, double sy, double sz,
            const std::string& code, Color color = Rgb(200, 150, 100)) {
        Furniture& f = main->model;
        const int i = f.scene.pieceCount;
        f.scene.AddBox(x, y, z, sx, sy, sz);
        f.scene.color[static_cast<std::size_t>(i)] = color;
        f.attrs.materialCode[static_cast<std::size_t>(i)] = code;
        f.pieceNames.push_back(name);
        return i;
    }
    Scene3D::Box Box(int piece) const { return main->model.scene.PieceBox(piece); }
    bool UndoReady() const { return main->BitBtn13->isEnabled(); }
    std::string File(const char* name) const { return dir.filePath(name).toStdString(); }
    void Write(const char* name, const std::string& bytes) const {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    // The resize dialog answered with these new sizes ("" keeps a field).
    void Resize(const QString& w, const QString& h, const QString& d) {
        TRedimMob* r = Forms().RedimMob;
        modal.answers.push_back(ShownAnswer([=] {
            QLineEdit* edits[3] = {r->Edit4, r->Edit5, r->Edit6};
            const QString texts[3] = {w, h, d};
            for (int i = 0; i < 3; ++i)
                if (!texts[i].isEmpty()) {
                    edits[i]->selectAll();
                    QTest::keyClicks(edits[i], texts[i]);
                }
            QTest::mouseClick(r->OkButton, Qt::LeftButton);
        }));
        main->Redimensionaremobila1->trigger();
    }

    QTemporaryDir dir;
    ScopedModalScript modal;
    ScopedDialogScript dialogs;
};

// Counts the showings of the loading notice once the code dialog is closed:
// one per texture atlas build (the catalogue shows it too, while choosing).
struct ShowCounter : QObject {
    int shows = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show && !Forms().SchimbareCodPalPfl->isVisible()) ++shows;
        return false;
    }
};

} // namespace

TEST(WholeCommands, ResizeDialogShowsTheExtentsAndResizes) {
    Program p;
    TRedimMob* r = Forms().RedimMob;
    p.modal.answers.push_back(ShownAnswer([&] {
        EXPECT_EQ(r->windowTitle(), "Redimensionare Mobila");
        const std::vector<QString> shown = {r->Edit1->text(), r->Edit2->text(), r->Edit3->text(),
                                            r->Edit4->text(), r->Edit5->text(), r->Edit6->text()};
        EXPECT_EQ(shown, (std::vector<QString>{"800", "720", "304", "800", "720", "304"}));
        EXPECT_TRUE(r->Edit1->isReadOnly());
        EXPECT_EQ(r->OkButton->text(), "Redimensionare mobila");
        r->Edit4->selectAll();
        QTest::keyClicks(r->Edit4, "1000");
        QTest::mouseClick(r->OkButton, Qt::LeftButton);
    }));
    p.main->Redimensionaremobila1->trigger();
    EXPECT_EQ(p.Box(1).x0, 982);
    EXPECT_EQ(p.Box(2).x1, 982);
    EXPECT_EQ(p.Box(3).x1, 992);
    EXPECT_EQ(p.main->model.dim.W, 1000);
    EXPECT_TRUE(p.main->model.modified);
    EXPECT_TRUE(p.dialogs->Messages().empty());
    QTest::mouseClick(p.main->BitBtn13, Qt::LeftButton);
    EXPECT_EQ(p.Box(1).x0, 782);
}

TEST(WholeCommands, ResizeRefusesBeforeTheSnapshot) {
    Program p;
    const struct {
        const char *w, *h, *d;
    } refused[] = {{"0", "", ""}, {"", "-720", ""}, {"abc", "", ""}, {"", "", "304.05"}, {"", "", ""}};
    for (const auto& c : refused) {
        p.Resize(c.w, c.h, c.d);
        ASSERT_EQ(p.dialogs->Messages().size(), 1u) << c.w << c.h << c.d;
        EXPECT_EQ(p.dialogs->Messages()[0], "Date incorect introduse pentru noile dimensiuni.");
        p.dialogs->records.clear();
        EXPECT_FALSE(p.UndoReady());
        EXPECT_FALSE(p.main->model.modified);
        EXPECT_EQ(p.Box(1).x1, 800);
    }
    // Cancel: nothing either.
    p.modal.answers.push_back([](QDialog&) { return int(QDialog::Rejected); });
    p.main->Redimensionaremobila1->trigger();
    EXPECT_FALSE(p.UndoReady());
}

// Tried on a scratch copy before the snapshot: the furniture compared whole,
// no undo level, the message once.
TEST(WholeCommands, CommandsThatWouldBreakTheLimitChangeNothing) {
    const struct {
        const char* what;
        double x, z, sx, sz; // a board 18 high added first, when sx > 0
        std::function<void(Program&)> run;
        const char* message;
    } cases[] = {
        {"resize 2000000 wide", 0, 0, 0, 0, [](Program& p) { p.Resize("2000000", "", ""); }, kResizeBadInput},
        {"resize 1e300 deep", 0, 0, 0, 0, [](Program& p) { p.Resize("", "", "1e300"); }, kResizeBadInput},
        {"turn a board ending past the limit in depth", 0, 999000, 18, 1500,
         [](Program& p) { p.main->Rotatiemobila1->trigger(); }, kWholeEditOutOfLimits},
        {"mirror a board ending past the limit in width", 999000, 0, 1500, 18,
         [](Program& p) { p.main->Simetriemobila1->trigger(); }, kWholeEditOutOfLimits},
        {"round a board 0.2 thick", 10.2, 0, 0.2, 18,
         [](Program& p) { p.main->Rotunjiredimensiunisipozitii1->trigger(); }, kWholeEditOutOfLimits},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Program p;
        if (c.sx > 0) p.Add("Departe", c.x, 0, c.z, c.sx, 18, c.sz, "PAL18");
        const Unchanged before(*p.main);
        c.run(p);
        EXPECT_EQ(p.dialogs->Messages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(before.Same(*p.main));
        EXPECT_FALSE(p.UndoReady());
    }
}

TEST(WholeCommands, ResizeAfterDeletingTheBackAndHalfAMillimetre) {
    Program p;
    p.main->model.scene.DeleteObject(3); // the stored depth stays 304
    p.main->model.pieceNames.pop_back();
    TRedimMob* r = Forms().RedimMob;
    p.modal.answers.push_back(ShownAnswer([&] {
        EXPECT_EQ(r->Edit3->text(), "300");
        r->Edit6->selectAll();
        QTest::keyClicks(r->Edit6, "304");
        QTest::mouseClick(r->OkButton, Qt::LeftButton);
    }));
    p.main->Redimensionaremobila1->trigger();
    EXPECT_TRUE(p.dialogs->Messages().empty());
    EXPECT_DOUBLE_EQ(p.Box(0).z1, 304);

    p.Resize("800.5", "", "");
    EXPECT_TRUE(p.dialogs->Messages().empty());
    EXPECT_DOUBLE_EQ(p.Box(1).x1, 800.5);
    EXPECT_DOUBLE_EQ(p.main->model.dim.W, 800.5);
}

TEST(WholeCommands, TurnMirrorRoundAndRecompute) {
    Program p;
    Furniture& f = p.main->model;
    const Scene3D before = f.scene;
    for (int k = 0; k < 4; ++k) p.main->Rotatiemobila1->trigger();
    for (int i = 0; i < f.scene.pointCount; ++i) ASSERT_EQ(f.scene.X[i], before.X[i]) << i;
    EXPECT_TRUE(f.modified);
    p.main->Simetriemobila1->trigger();
    EXPECT_EQ(p.Box(1).x0, -800);
    p.main->Simetriemobila1->trigger();
    EXPECT_EQ(p.Box(1).x0, 782);

    f.scene.MoveObject(0, 2.5, 0, 0);
    p.main->Rotunjiredimensiunisipozitii1->trigger();
    EXPECT_EQ(p.Box(0).x0, 2);
    EXPECT_EQ(f.dim.W, 800); // until a recompute
    f.scene.MoveObject(1, 0.5, 0, 0);
    p.main->Recalcularedimensinimobila1->trigger();
    ASSERT_EQ(p.dialogs->Messages().size(), 1u);
    EXPECT_EQ(
        p.dialogs->Messages()[0],
        WithSystemSeparator("Dimensiunile mobilei sunt:\n  - Latime: 798.5\n  - Inaltime: 720\n  - Adancime: 304"));
    EXPECT_EQ(f.dim.W, 798.5); // 2 .. 800.5
}

TEST(WholeCommands, ColourReplace) {
    Program p;
    Furniture& f = p.main->model;
    TSchimbCulo* d = Forms().SchimbCulo;
    EXPECT_FALSE(p.main->Schimbareculoare1->isVisible());
    p.main->Rotunjiredimensiunisipozitii1Click(); // an undo copy to keep
    const Scene3D undoBefore = p.main->undo.scene;
    p.main->SetModified(false);

    // Both panels start on the current piece's colour; no piece of the chosen old one.
    p.dialogs->colorAnswers.push_back(Rgb(1, 2, 3));
    p.modal.answers.push_back(ShownAnswer([&] {
        EXPECT_EQ(d->OldColor(), Rgb(200, 150, 100));
        EXPECT_EQ(d->NewColor(), Rgb(200, 150, 100));
        QTest::mouseClick(d->Panel1, Qt::LeftButton);
        EXPECT_EQ(d->OldColor(), Rgb(1, 2, 3));
        QTest::mouseClick(d->OkButton, Qt::LeftButton);
    }));
    p.main->Schimbareculoare1Click();
    EXPECT_EQ(p.main->undo.scene.color, undoBefore.color);
    EXPECT_FALSE(f.modified);

    // The current piece's colour to a new one on every piece of it.
    f.scene.color[3] = Rgb(9, 9, 9);
    p.dialogs->colorAnswers.push_back(Rgb(10, 20, 30));
    p.modal.answers.push_back(ShownAnswer([&] {
        QTest::mouseClick(d->Panel2, Qt::LeftButton);
        QTest::mouseClick(d->OkButton, Qt::LeftButton);
    }));
    p.main->Schimbareculoare1Click();
    EXPECT_EQ(f.scene.color[0], Rgb(10, 20, 30));
    EXPECT_EQ(f.scene.color[2], Rgb(10, 20, 30));
    EXPECT_EQ(f.scene.color[3], Rgb(9, 9, 9));
    EXPECT_EQ(p.main->undo.scene.color[0], Rgb(200, 150, 100));
    EXPECT_TRUE(f.modified);
}

TEST(WholeCommands, ColourAndCodeReplaceWithNoPieceDoNothing) {
    Program p;
    p.main->model.scene.pieceCount = 0;
    p.main->model.scene.pointCount = 0;
    p.main->Schimbareculoare1Click();
    p.main->Schimbarecodpalpfl1->trigger();
    EXPECT_TRUE(p.modal.shown.empty());
    EXPECT_FALSE(p.UndoReady());
}

TEST(WholeCommands, CodeReplaceOverFiftyPiecesBuildsTheAtlasOnce) {
    Program p;
    Furniture& f = p.main->model;
    for (int i = 0; i < 46; ++i) p.Add("Raft", 18, 50.0 + 12 * i, 0, 764, 10, 300, "PAL18");
    QImage img(16, 8, QImage::Format_RGB32);
    img.fill(qRgb(120, 80, 40));
    ASSERT_TRUE(SavePicture(p.File("nuc.bmp"), img).ok);
    p.Write("pal-pfl.dat", "64 64 1\r\n" + CatalogueBoard("NUC18", p.File("nuc.bmp"), "255"));
    TSchimbareCodPalPfl* d = Forms().SchimbareCodPalPfl;
    ShowCounter notices;
    Forms().IncarcDate->installEventFilter(&notices);
    f.scene.current = 2;

    // "Cod nou" not chosen in this showing: refused before the snapshot.
    p.modal.answers.push_back(ShownAnswer([&] {
        EXPECT_EQ(d->windowTitle(), "Schimbare cod pal piese");
        EXPECT_EQ(d->Edit1->text(), "PAL18");
        EXPECT_EQ(d->Edit2->text(), "PAL18");
        d->Edit1->setText("ALTUL");
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    }));
    p.main->Schimbarecodpalpfl1->trigger();
    ASSERT_EQ(p.dialogs->Messages().size(), 1u);
    EXPECT_FALSE(p.UndoReady());
    p.dialogs->records.clear();

    // Chosen: every PAL18 piece takes the board and its texture, with one atlas build.
    p.modal.answers.push_back(ShownAnswer([&] {
        QTest::mouseClick(d->Button2, Qt::LeftButton);
        EXPECT_EQ(d->Edit2->text(), "NUC18");
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    }));
    ChooseBoardRow(p.modal, 1);
    p.main->Schimbarecodpalpfl1->trigger();
    EXPECT_TRUE(p.dialogs->Messages().empty());
    EXPECT_EQ(notices.shows, 1);
    for (int i = 0; i < f.scene.pieceCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i == 3) {
            EXPECT_EQ(f.attrs.materialCode[k], "PFL4");
            continue;
        }
        EXPECT_EQ(f.attrs.materialCode[k], "NUC18") << i;
        EXPECT_EQ(f.attrs.textureFile[k], p.File("nuc.bmp")) << i;
        EXPECT_EQ(f.attrs.textureIndex[k], 0) << i;
        EXPECT_EQ(f.scene.color[k], 255u) << i;
    }
    EXPECT_EQ(p.main->CurrentColor(), 255u);
    EXPECT_TRUE(f.modified);
    EXPECT_EQ(p.main->undo.attrs.materialCode[0], "PAL18");

    // The remembered board serves a later showing; no piece of the old code: no snapshot.
    p.main->SaveUndo();
    p.modal.answers.push_back(ShownAnswer([&] {
        d->Edit1->setText("LIPSA");
        QTest::mouseClick(d->Button2, Qt::LeftButton);
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    }));
    ChooseBoardRow(p.modal, 1);
    p.main->Schimbarecodpalpfl1->trigger();
    EXPECT_EQ(p.main->undo.attrs.materialCode[0], "NUC18");
    EXPECT_EQ(notices.shows, 1);
}

TEST(WholeCommands, RenameCutsAndSetsTheCaption) {
    Program p;
    p.dialogs->inputAnswers.push_back(std::string(51, 'x'));
    p.main->Redenumiremobila1->trigger();
    ASSERT_EQ(p.dialogs->records.size(), 1u);
    EXPECT_EQ(p.dialogs->records[0].caption, "Redenumire mobila");
    EXPECT_EQ(p.dialogs->records[0].text, "Noul nume pentru mobila: ");
    EXPECT_EQ(p.dialogs->records[0].value, "Corp");
    EXPECT_EQ(p.main->model.name, std::string(50, 'x'));
    EXPECT_EQ(p.main->windowTitle().toStdString(), "Proiectare mobila - " + std::string(50, 'x'));
    EXPECT_TRUE(p.main->model.modified);

    // The limit counts characters: "ă" is the fiftieth, the next one is cut.
    p.dialogs->inputAnswers.push_back(std::string(49, 'y') + "\xC4\x83\xC4\x83");
    p.main->Redenumiremobila1->trigger();
    EXPECT_EQ(p.main->model.name, std::string(49, 'y') + "\xC4\x83");
    EXPECT_TRUE(p.main->windowTitle().isValidUtf16());

    p.dialogs->inputAnswers.push_back(std::nullopt); // Cancel
    p.main->Redenumiremobila1->trigger();
    EXPECT_EQ(p.main->model.name, std::string(49, 'y') + "\xC4\x83");
}
