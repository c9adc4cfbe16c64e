// The help window with its printing, the about box and the drawer command,
// driven as the user drives them.
#include "support/BoardChoice.h"
#include "platform/Dialogs.h"
#include "platform/widgets/Modal.h"
#include "platform/widgets/RadioGroup.h"
#include "ui/CatalogueGrid.h"
#include "ui/Forms.h"
#include "ui/TCreareSertar.h"
#include "ui/TDespre.h"
#include "ui/THelp.h"
#include "ui/TMain.h"
#include "ui/TPalPfl.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "support/Program.h"
#include "support/ShownAnswer.h"

using namespace zv;

namespace {
// The program started in the sample folder (the catalogue's pictures are
// relative to it), or in `folder` for the help document's tests.
struct Program : TestProgram {
    explicit Program(const std::string& folder = ZV_DATA_DIR) {
        previous = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder));
        main->startupFolder = folder;
        help = Forms().Help;
        drawer = Forms().CreareSertar;
    }
    ~Program() { QDir::setCurrent(previous); }
    QString previous;
    THelp* help;
    TCreareSertar* drawer;
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The catalogue answered with `code` chosen, its caption kept.
std::function<int(QDialog&)> Choose(const std::string& code, std::vector<std::string>& captions) {
    return ChooseBoardCode(code, captions);
}
} // namespace

TEST(HelpWindow, ShowsTheDocumentReadAgainAtEachShowing) {
    QTemporaryDir dir;
    Program p(dir.path().toStdString());
    EXPECT_EQ(p.help->windowTitle(), "Ajutor");
    EXPECT_EQ(p.help->size(), QSize(604, 468));
    WriteFile(dir.filePath("Ajutor.rtf"),
              R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\b Titlu}\par Text cu \'22ghilimele\'22.\par})");
    p.main->show();
    p.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.main));
    QTest::keyClick(p.main, Qt::Key_F1);
    EXPECT_TRUE(p.help->isVisible());
    EXPECT_FALSE(p.help->isModal());
    EXPECT_EQ(p.help->RichEdit1->toPlainText(), "Titlu\nText cu \"ghilimele\".");
    EXPECT_TRUE(p.help->RichEdit1->isReadOnly());

    // Changed on disk while hidden: the next showing reads it again.
    p.help->hide();
    WriteFile(dir.filePath("Ajutor.rtf"), R"({\rtf1 Alt text})");
    p.main->Ajutor2Click();
    EXPECT_EQ(p.help->RichEdit1->toPlainText(), "Alt text");

    p.help->hide();
    ASSERT_TRUE(QFile::remove(dir.filePath("Ajutor.rtf")));
    p.main->Ajutor2Click();
    EXPECT_EQ(p.help->RichEdit1->toPlainText(), "Nu am gasit fisierul \"Ajutor.rtf\".");
}

TEST(HelpWindow, ABrokenDocumentShowsWhatCouldBeRead) {
    QTemporaryDir dir;
    Program p(dir.path().toStdString());
    QByteArray deep = R"({\rtf1 Inceput )";
    deep += QByteArray(100000, '{') + "adanc" + " {\\b gros\\'";
    WriteFile(dir.filePath("Ajutor.rtf"), deep);
    p.main->Ajutor2Click();
    EXPECT_EQ(p.help->RichEdit1->toPlainText(), "Inceput adanc gros");
}

TEST(HelpWindow, TheGuideShowsWhereTheWindowsReallyAre) {
    Program p;
    p.main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(p.main));
    p.main->Ajutor2Click();
    const QString text = p.help->RichEdit1->toPlainText();
    // The button panel is where the guide says it is.
    EXPECT_NE(text.indexOf("In stanga ferestrei principale, sub meniuri, se afla panoul cu butoane"), -1);
    const QPoint at = p.main->BitBtn4->mapTo(p.main, QPoint(0, 0));
    EXPECT_LT(at.x(), p.main->width() / 4);
    // Every chapter, the last ones included, reaches the viewer.
    for (const char* chapter : {"1. Ce face programul", "3. Panoul cu butoane", "14. Contururi de decupare (Trasalin)",
                                "15. Optimizarea debitarii (Rezlinor)", "16. Exporturi"})
        EXPECT_NE(text.indexOf(chapter), -1) << chapter;
    EXPECT_EQ(text.indexOf('\\'), -1);
}

TEST(HelpWindow, PrintsTheGuideToTheChosenPrinter) {
    QTemporaryDir dir;
    Program p;
    ScopedDialogScript script;
    p.main->Ajutor2Click();
    ASSERT_NE(p.help->RichEdit1->toPlainText().indexOf("Ghid de utilizare Zarvelo"), -1);

    // Cancelled: nothing printed.
    p.help->iparireghidlaimprimanta1->trigger();
    ASSERT_EQ(script->records.size(), 1u);
    EXPECT_EQ(script->records[0].what, "print");
    EXPECT_EQ(script->records[0].text, "Ghid de utilizare Zarvelo");

    const QString pdf = dir.filePath("ghid.pdf");
    script->printAnswers.push_back(pdf.toStdString());
    p.help->iparireghidlaimprimanta1->trigger();
    const QByteArray bytes = ReadFile(pdf);
    ASSERT_TRUE(bytes.startsWith("%PDF")) << bytes.left(16).toStdString();
    // The job's title is the document's title (UTF-16 in the file).
    QByteArray title;
    for (char c : QByteArray("Ghid de utilizare Zarvelo")) title += QByteArray(1, '\0') + c;
    EXPECT_NE(bytes.indexOf(title), -1);
    // The whole guide: several pages.
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 3);

    // No document: the one line is printed, on one page.
    const QString missing = dir.filePath("lipsa.pdf");
    p.help->hide();
    p.main->startupFolder = dir.path().toStdString();
    p.main->Ajutor2Click();
    script->printAnswers.push_back(missing.toStdString());
    p.help->iparireghidlaimprimanta1->trigger();
    const QByteArray one = ReadFile(missing);
    ASSERT_TRUE(one.startsWith("%PDF"));
    EXPECT_EQ(one.count("/Type /Page\n") + one.count("/Type /Page\r") + one.count("/Type /Page "), 1);
}

TEST(AboutBox, ShowsItsTextsAndPictureModally) {
    Program p;
    ScopedModalScript modal;
    QStringList texts;
    bool picture = false;
    modal.answers.push_back(ShownAnswer([&] {
        auto* d = Forms().Despre;
        for (QLabel* l : d->findChildren<QLabel*>())
            if (!l->text().isEmpty()) texts << l->text();
        picture = !d->Image1->pixmap().isNull();
        QTest::mouseClick(d->OkButton, Qt::LeftButton);
    }));
    p.main->Despre1Click();
    EXPECT_EQ(modal.shown, std::vector<std::string>{"Despre"});
    EXPECT_EQ(Forms().Despre->windowTitle(), "Despre");
    EXPECT_EQ(texts, (QStringList{"Proiectare mobila", "Versiunea 5.30", "Aprilie 2013"}));
    EXPECT_TRUE(picture);
}

namespace {
// A furniture with a 564 x 180 drawer front as its current piece.
struct DrawerProgram : Program {
    DrawerProgram() {
        main->model.scene.AddBox(0, 0, 0, 600, 800, 500);
        main->model.scene.AddBox(18, 600, -18, 564, 180, 18);
        main->model.pieceNames = {"Corp", "Fata sertar"};
        main->model.scene.current = 1;
        main->EnableDesignControls();
    }
    // Answers the drawer dialog after `fill`, with its OK button.
    void WhenShown(std::function<void()> fill) {
        modal.answers.push_back(ShownAnswer([this, fill] {
            if (fill) fill();
            QTest::mouseClick(drawer->OkButton, Qt::LeftButton);
        }));
    }
    void Fill(std::initializer_list<std::pair<QLineEdit*, const char*>> fields) {
        for (auto [e, text] : fields) {
            e->clear();
            QTest::keyClicks(e, text);
        }
    }
    void FillGood() {
        Fill({{drawer->Edit1, "450"},
              {drawer->Edit10, "8"},
              {drawer->Edit2, "4"},
              {drawer->Edit3, "16"},
              {drawer->Edit4, "20"},
              {drawer->Edit5, "20"},
              {drawer->Edit6, "30"},
              {drawer->Edit7, "20"}});
    }
    ScopedModalScript modal;
};
} // namespace

TEST(DrawerDialog, EachBoardKeepsItsOwnCode) {
    DrawerProgram p;
    ScopedDialogScript script;
    std::vector<std::string> captions;
    EXPECT_EQ(p.drawer->windowTitle(), "Creare sertar");
    for (QLineEdit* e : {p.drawer->Edit1, p.drawer->Edit10, p.drawer->Edit2, p.drawer->Edit3, p.drawer->Edit4,
                         p.drawer->Edit5, p.drawer->Edit6, p.drawer->Edit7, p.drawer->Edit8, p.drawer->Edit9})
        EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString();
    EXPECT_EQ(p.drawer->RadioGroup1->ItemIndex(), 0);

    p.modal.answers.push_back(Choose("PFL3ALB", captions));
    QTest::mouseClick(p.drawer->BitBtn16, Qt::LeftButton);
    p.modal.answers.push_back(Choose("PAL16ART", captions));
    QTest::mouseClick(p.drawer->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(captions, (std::vector<std::string>{"Selectare pfl/pal jos", "Selectare pal laterale"}));
    EXPECT_EQ(p.drawer->Panel5->toolTip(), "texturi/pfl3_alb.bmp: PFL3ALB");
    EXPECT_EQ(p.drawer->Panel8->toolTip(), "texturi/pal16_artar.jpg: PAL16ART");
    EXPECT_EQ(p.drawer->Edit2->text(), "3.00");
    EXPECT_EQ(p.drawer->Edit3->text(), "16.00");
    EXPECT_EQ(p.drawer->bottomCode, "PFL3ALB");
    EXPECT_EQ(p.drawer->sideCode, "PAL16ART");
    EXPECT_TRUE(p.drawer->Image1->isVisibleTo(p.drawer));
    EXPECT_TRUE(script->Messages().empty());

    // "Textura" changes the sides' picture only.
    FileDialogAnswer a;
    a.fileName = std::string(ZV_DATA_DIR) + "/texturi/pal18_nuc.jpg";
    script->fileAnswers.push_back(a);
    QTest::mouseClick(p.drawer->Button5, Qt::LeftButton);
    EXPECT_EQ(script->records.back().text, "Textura piesa");
    EXPECT_EQ(p.drawer->Panel8->toolTip().toStdString(), a.fileName);
    EXPECT_EQ(p.drawer->sidePicture, a.fileName);
    EXPECT_EQ(p.drawer->Panel5->toolTip(), "texturi/pfl3_alb.bmp: PFL3ALB");
}

TEST(DrawerCommand, BuildsTheInteriorBehindTheCurrentPiece) {
    DrawerProgram p;
    ScopedDialogScript script;
    std::vector<std::string> captions;
    p.modal.answers.push_back(Choose("PFL3ALB", captions));
    QTest::mouseClick(p.drawer->BitBtn16, Qt::LeftButton);
    p.modal.answers.push_back(Choose("PAL16ART", captions));
    QTest::mouseClick(p.drawer->BitBtn3, Qt::LeftButton);
    p.WhenShown([&] {
        EXPECT_EQ(p.drawer->Edit8->text(), "564");
        EXPECT_EQ(p.drawer->Edit9->text(), "180");
        p.FillGood();
        p.Fill({{p.drawer->Edit2, "4"}});
    });
    p.main->Creareinteriorsertar1Click();
    EXPECT_TRUE(script->Messages().empty()) << script->Messages().front();
    const Furniture& f = p.main->model;
    ASSERT_EQ(f.scene.pieceCount, 6);
    EXPECT_EQ(f.pieceNames, (std::vector<std::string>{"Corp", "Fata sertar", "Jos sertar", "Lateral stanga sertar",
                                                      "Lateral dreapta sertar", "Spate sertar"}));
    EXPECT_EQ(f.attrs.materialCode[2], "PFL3ALB");
    EXPECT_EQ(f.scene.color[2], 15133932u);
    EXPECT_NE(f.attrs.textureFile[2].find("pfl3_alb.bmp"), std::string::npos);
    for (int i = 3; i < 6; ++i) {
        EXPECT_EQ(f.attrs.materialCode[i], "PAL16ART");
        EXPECT_NE(f.attrs.textureFile[i].find("pal16_artar.jpg"), std::string::npos);
    }
    const Scene3D::Box bottom = f.scene.PieceBox(2);
    EXPECT_DOUBLE_EQ(bottom.x0, 18 + 20 + 16 - 8);
    EXPECT_DOUBLE_EQ(bottom.y0, 620);
    EXPECT_DOUBLE_EQ(bottom.z0, 0); // right behind the front
    EXPECT_DOUBLE_EQ(bottom.z1, 450);
    EXPECT_TRUE(f.modified);
    // One undo gives the furniture from before the drawer.
    p.main->BitBtn13Click();
    EXPECT_EQ(p.main->model.scene.pieceCount, 2);
}

TEST(DrawerCommand, RefusesBeforeTheUndoCopy) {
    DrawerProgram p;
    ScopedDialogScript script;
    const struct {
        const char* field;
        const char* text;
        const char* message;
    } cases[] = {
        {"Edit1", "abc", "Valoare invalida in campul \"Adancime sertar (fara fata):\": nu este un numar."},
        {"Edit9", "", "Valoare invalida in campul \"Inaltime:\": nu este un numar."},
        {"Edit3", "0",
         "Valoare invalida in campul \"Grosime laterale:\": trebuie sa fie mai mare decat 0 si cel mult 1000000 mm."},
        {"Edit8", "-564",
         "Valoare invalida in campul \"Latime:\": trebuie sa fie mai mare decat 0 si cel mult 1000000 mm."},
        {"Edit4", "600", "Valoare invalida in campul \"Latime:\": interiorul sertarului nu incape in fata sertarului."},
        {"Edit6", "170",
         "Valoare invalida in campul \"Inaltime:\": interiorul sertarului nu incape in fata sertarului."},
    };
    for (const auto& c : cases) {
        p.WhenShown([&] {
            p.FillGood();
            p.Fill({{p.drawer->findChild<QLineEdit*>(c.field), c.text}});
        });
        p.main->Creareinteriorsertar1Click();
        EXPECT_EQ(script->Messages().back(), c.message) << c.field << " " << c.text;
        EXPECT_EQ(p.main->model.scene.pieceCount, 2) << c.field;
        EXPECT_FALSE(p.main->BitBtn13->isEnabled()) << c.field;
        EXPECT_FALSE(p.main->model.modified) << c.field;
    }

    // A furniture at 200 pieces takes no drawer.
    for (int i = 2; i < Scene3D::kMaxPieces; ++i) {
        p.main->model.scene.AddBox(0, 0, 600 + i, 10, 10, 1);
        p.main->model.pieceNames.push_back("P");
    }
    p.main->model.scene.current = 1;
    p.WhenShown([&] { p.FillGood(); });
    p.main->Creareinteriorsertar1Click();
    EXPECT_EQ(script->Messages().back(), "Mobila are prea multe piese. Nu mai pot adauga interiorul sertarului.");
    EXPECT_EQ(p.main->model.scene.pieceCount, Scene3D::kMaxPieces);
    EXPECT_FALSE(p.main->BitBtn13->isEnabled());
}
