// The optimiser's window: opening the designer's file, the settings kept
// between runs, the messages, and the printing, PDF and CSV commands.
#include "Samples.h"
#include "core/Checker.h"
#include "core/CutList.h"
#include "window/Prompts.h"
#include "window/SheetPainter.h"
#include "window/SheetsView.h"
#include "window/TRezlinor.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <QProcess>
#include <QRegularExpression>

#include <csignal>
#include <fstream>
#include <sys/resource.h>

using namespace rz;
using namespace rz::test;

namespace {

class Window : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::unique_ptr<TRezlinor> Open() {
        auto w = std::make_unique<TRezlinor>(dir.filePath("settings.ini"));
        PackOptions o;
        o.maxAttempts = 60;
        w->SetPackOptions(o);
        return w;
    }

    QString Write(const std::string& name, const std::string& text) {
        const QString path = dir.filePath(QString::fromStdString(name));
        std::ofstream(path.toStdString(), std::ios::binary) << text;
        return path;
    }

    static void Type(QLineEdit* e, const QString& text) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }

    static QString Decimal(const QString& dotted) {
        QString t = dotted;
        return t.replace(".", QLocale::system().decimalPoint());
    }

    // 250 small boards, each named by its number, that one sheet holds.
    std::string ManyOnOneSheet() {
        auto lines = Header(250);
        for (int i = 0; i < 250; ++i)
            for (const auto& x : PieceLines("Placa" + std::to_string(i + 1), std::to_string(110 + (i * 7) % 31) + ".00",
                                            std::to_string(90 + (i * 11) % 29) + ".00"))
                lines.push_back(x);
        return Lines(lines);
    }

    QTemporaryDir dir;
    ScopedPrompts prompts;
};

// The text of a PDF, its blanks and line ends made single blanks.
QString PdfText(const QString& path) {
    QProcess p;
    p.start("pdftotext", {"-raw", "-enc", "UTF-8", path, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString Simplified(const QString& s) { return QString(s).replace(QChar(0x2029), ' ').simplified(); }

int PdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray b = f.readAll();
    if (!b.startsWith("%PDF")) return -1;
    return static_cast<int>(b.count("/Type /Page\n") + b.count("/Type /Page\r") + b.count("/Type /Page>") +
                            b.count("/Type /Page ") + b.count("/Type /Page/"));
}

} // namespace

TEST_F(Window, OpensTheDesignersFileOnOneSheet) {
    auto w = Open();
    EXPECT_FALSE(w->ActPrint->isEnabled());
    ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", Lines(ShelfAndSide()))));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(CheckLayout(w->CurrentLayout(), w->Pieces(), SheetSettings{}), "");
    EXPECT_TRUE(w->windowTitle().endsWith("FoaiePal.app"));
    EXPECT_EQ(w->LabelSheets->text(), "Foi de pal: 1");
    // 1 - (300 * 596 + 720 * 300) / (2800 * 2070)
    EXPECT_EQ(w->LabelWaste->text(), "Deseu: " + Decimal("93.2") + " %");
    EXPECT_TRUE(w->LabelOversize->text().isEmpty());
    ASSERT_EQ(w->GridPieces->rowCount(), 2);
    EXPECT_EQ(w->GridPieces->item(0, 1)->text(), "Polita 1");
    EXPECT_EQ(w->GridPieces->item(1, 1)->text(), "Lateral stanga");
    EXPECT_EQ(w->GridPieces->item(1, 4)->text(), "1");
    EXPECT_GE(w->GridCuts->rowCount(), 5);
    EXPECT_EQ(w->GridCuts->item(0, 2)->text(), "Tundere margine");
    EXPECT_GE(w->GridOffcuts->rowCount(), 1);
    for (QAction* a : {w->ActPrint, w->ActPdf, w->ActCsv}) EXPECT_TRUE(a->isEnabled());
}

TEST_F(Window, ABadFileGetsItsMessageAndLeavesWhatWasShown) {
    auto w = Open();
    auto cut = ShelfAndSide();
    cut.resize(12);
    EXPECT_FALSE(w->OpenFile(Write("Scurt.app", Lines(cut))));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(prompts.messages[0].text, "Fisier incomplet: lipseste linia 13 (linia 7 a piesei 1).");
    EXPECT_FALSE(w->HasLayout());
    EXPECT_EQ(w->GridPieces->rowCount(), 0);

    ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", Lines(ShelfAndSide()))));
    auto bad = ShelfAndSide();
    bad[16] = "nan";
    EXPECT_FALSE(w->OpenFile(Write("Rau.app", Lines(bad))));
    EXPECT_EQ(prompts.messages.back().text, "Fisier invalid, linia 17: se astepta un numar pentru latimea piesei 2.");
    EXPECT_TRUE(w->HasLayout());
    EXPECT_EQ(w->GridPieces->rowCount(), 2);
    EXPECT_TRUE(w->windowTitle().endsWith("FoaiePal.app"));

    EXPECT_FALSE(w->OpenFile(Write("Gol.app", Lines(Header(0)))));
    EXPECT_EQ(prompts.messages.back().text, "Fisierul nu contine nicio piesa.");
}

TEST_F(Window, NothingOpenGetsAMessage) {
    auto w = Open();
    QTest::mouseClick(w->ButtonOptimize, Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MsgKind::Information);
    EXPECT_FALSE(w->HasLayout());
}

TEST_F(Window, SettingsStartAtTheDefaultsAndAreKeptBetweenRuns) {
    {
        auto w = Open();
        EXPECT_EQ(w->EditLength->text(), "2800");
        EXPECT_EQ(w->EditWidth->text(), "2070");
        EXPECT_EQ(w->EditKerf->text(), "4");
        EXPECT_EQ(w->EditTrim->text(), "10");
        EXPECT_FALSE(w->CheckTurn->isChecked());
        ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", Lines(ShelfAndSide()))));
        Type(w->EditLength, "2500");
        Type(w->EditWidth, "1830");
        Type(w->EditKerf, Decimal("3.2"));
        Type(w->EditTrim, "8");
        QTest::mouseClick(w->CheckTurn, Qt::LeftButton);
        QTest::mouseClick(w->ButtonOptimize, Qt::LeftButton);
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_NE(w->LabelPieces->text().indexOf("Foaie: 2500 x 1830 mm, taietura " + Decimal("3.2") +
                                                 " mm, margine 8 mm, cu rotire"),
                  -1)
            << w->LabelPieces->text().toStdString();
    }
    auto w = Open();
    EXPECT_EQ(w->EditLength->text(), "2500");
    EXPECT_EQ(w->EditWidth->text(), "1830");
    EXPECT_EQ(w->EditKerf->text(), Decimal("3.2"));
    EXPECT_EQ(w->EditTrim->text(), "8");
    EXPECT_TRUE(w->CheckTurn->isChecked());
}

TEST_F(Window, SettingsThatAreNotNumbersOrLeaveNoSheetAreRefused) {
    auto w = Open();
    ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", Lines(ShelfAndSide()))));
    struct Case {
        QLineEdit* edit;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {w->EditKerf, "patru", "Latimea taieturii nu este un numar."},
        {w->EditLength, "", "Lungimea foii nu este un numar."},
        {w->EditTrim, "1035", "Cu marginea de tundere aleasa nu ramane nimic din foaie."},
        {w->EditKerf, "2050", "Cu grosimea taieturii aleasa nu ramane nimic din foaie."},
        {w->EditWidth, "-5", "Lungimea si latimea foii trebuie sa fie mai mari ca 0."},
    };
    for (const Case& c : cases) {
        const QString before = c.edit->text();
        Type(c.edit, c.text);
        prompts.messages.clear();
        QTest::keyClick(c.edit, Qt::Key_Return);
        ASSERT_EQ(prompts.messages.size(), 1u) << c.message.toStdString();
        EXPECT_EQ(prompts.messages[0].text, c.message);
        // The layout shown stays the one made with the last good settings.
        EXPECT_TRUE(w->HasLayout());
        EXPECT_EQ(w->LabelSheets->text(), "Foi de pal: 1");
        Type(c.edit, before);
    }
    // Refused settings are not kept.
    auto again = Open();
    EXPECT_EQ(again->EditTrim->text(), "10");
}

TEST_F(Window, TurningIsTheUsersChoice) {
    auto w = Open();
    auto lines = Header(2);
    for (const auto& x : PieceLines("Usa dulap", "2000.00", "2700.00")) lines.push_back(x);
    for (const auto& x : PieceLines("Polita", "500.00", "300.00")) lines.push_back(x);
    // Without turning the door's longer side runs along the sheet's length.
    ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", Lines(lines))));
    EXPECT_TRUE(w->LabelOversize->text().isEmpty());
    EXPECT_EQ(w->GridPieces->item(0, 7)->text(), "da");
    EXPECT_EQ(w->GridPieces->item(1, 7)->text(), "nu");

    // A sheet entered across leaves it no room unless it may turn.
    Type(w->EditLength, "2070");
    Type(w->EditWidth, "2800");
    QTest::mouseClick(w->ButtonOptimize, Qt::LeftButton);
    EXPECT_EQ(w->LabelOversize->text(), "Nu incap pe foaie (1):\nUsa dulap (2000 x 2700)");
    EXPECT_EQ(w->GridPieces->item(0, 4)->text(), "nu incape");
    EXPECT_EQ(w->CurrentLayout().oversize, std::vector<int>{0});

    QTest::mouseClick(w->CheckTurn, Qt::LeftButton);
    QTest::mouseClick(w->ButtonOptimize, Qt::LeftButton);
    EXPECT_TRUE(w->LabelOversize->text().isEmpty());
    EXPECT_EQ(w->GridPieces->item(0, 4)->text(), "1");
    EXPECT_EQ(w->GridPieces->item(0, 7)->text(), "nu");
    SheetSettings turning{2070, 2800, 4, 10, true};
    EXPECT_EQ(CheckLayout(w->CurrentLayout(), w->Pieces(), turning), "");
}

TEST_F(Window, SavesTheCutListPdfAndPrints) {
    auto w = Open();
    auto lines = ShelfAndSide();
    lines[3] = "3";
    for (const auto& x : PieceLines("Blat", "3000.00", "600.00")) lines.push_back(x);
    ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", Lines(lines))));

    const QString csv = dir.filePath("lista.csv");
    prompts.files.push_back(csv);
    w->ActCsv->trigger();
    QFile c(csv);
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    // In the columns of the user's spreadsheet: ";" where "," is the decimal separator.
    const bool comma = QLocale::system().decimalPoint() == ",";
    EXPECT_EQ(c.readAll().toStdString(),
              FormatCutList(w->CurrentLayout(), w->Pieces(), comma ? ';' : ',', comma ? ',' : '.'));

    // One page for the sheet, one for the top that does not fit.
    const auto pages = PdfPages;
    const QString pdf = dir.filePath("foi.pdf");
    prompts.files.push_back(pdf);
    w->ActPdf->trigger();
    EXPECT_EQ(pages(pdf), 2);

    prompts.pdfForPrint = dir.filePath("tiparit.pdf");
    prompts.prints.push_back(true);
    w->ActPrint->trigger();
    EXPECT_EQ(pages(prompts.pdfForPrint), 2);

    // Cancelling writes nothing.
    w->ActCsv->trigger();
    EXPECT_EQ(prompts.asked.back(), "Salvare lista de debitare");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Window, TheSheetIsDrawnWithItsPieces) {
    auto w = Open();
    ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", Lines(ShelfAndSide()))));
    w->resize(1100, 700);
    w->show();
    QApplication::processEvents();
    const QImage img = w->Sheets->grab().toImage();
    ASSERT_FALSE(img.isNull());
    // The two pieces cover (300*596 + 720*300) / (2800*2070) = 6.8% of the
    // sheet, drawn in the board colour.
    int board = 0, sheet = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c == QColor(240, 222, 178)) ++board;
            if (c != Qt::white) ++sheet;
        }
    ASSERT_GT(sheet, 0);
    EXPECT_NEAR(static_cast<double>(board) / sheet, 0.068, 0.02);
}

// Everything the window shows goes on paper: every cut of the sheet, every
// offcut worth keeping and every piece by its number, over as many pages as
// it takes, no line cut short; the printer gets the same pages.
TEST_F(Window, TheWholeCutListGoesOnPaper) {
    auto w = Open();
    ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", ManyOnOneSheet())));
    const Layout& l = w->CurrentLayout();
    ASSERT_EQ(l.sheets.size(), 1u);
    const SheetLayout& sh = l.sheets[0];
    ASSERT_GT(sh.cuts.size(), 250u);
    ASSERT_FALSE(KeptOffcuts(sh).empty());

    const QString pdf = dir.filePath("foi.pdf");
    ASSERT_TRUE(w->SavePdf(pdf));
    prompts.pdfForPrint = dir.filePath("tiparit.pdf");
    prompts.prints.push_back(true);
    w->ActPrint->trigger();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_GT(PdfPages(pdf), 1);
    EXPECT_EQ(PdfPages(prompts.pdfForPrint), PdfPages(pdf));

    for (const QString& file : {pdf, prompts.pdfForPrint}) {
        const QString raw = PdfText(file);
        ASSERT_FALSE(raw.isEmpty()) << "pdftotext " << file.toStdString();
        EXPECT_FALSE(raw.contains(QChar(0x2026)));
        EXPECT_FALSE(raw.contains("..."));
        const QString text = Simplified(raw);
        for (std::size_t i = 0; i < sh.cuts.size(); ++i) {
            const QString line = CutLine(static_cast<int>(i) + 1, sh.cuts[i]);
            ASSERT_TRUE(text.contains(line)) << line.toStdString() << "\n" << raw.toStdString();
        }
        EXPECT_TRUE(text.contains("Resturi de pastrat"));
        for (const Rect& o : KeptOffcuts(sh)) {
            const QString line = OffcutLine(o);
            EXPECT_TRUE(text.contains(line)) << line.toStdString();
        }
        // Each piece by its number and name, on the drawing or in the legend beside it.
        for (int i = 1; i <= 250; ++i)
            ASSERT_TRUE(text.contains(QRegularExpression(QString("(^|\\s)%1\\. Placa%1(\\s|:|$)").arg(i)))) << i;
    }
}

// A PDF or a cut list that cannot be written whole (here: the files this
// process may write are made smaller than they need, as a full disk would)
// leaves the old file.
TEST_F(Window, APdfThatCannotBeWrittenWholeKeepsTheOldOne) {
    auto w = Open();
    ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", ManyOnOneSheet())));
    const QString pdf = Write("foi.pdf", "PDF-ul de ieri");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = w->SavePdf(pdf);
    const QString csv = Write("lista.csv", "lista de ieri");
    const bool savedCsv = w->SaveCsv(csv);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_FALSE(saved) << QFileInfo(pdf).size();
    EXPECT_FALSE(savedCsv) << QFileInfo(csv).size();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(prompts.messages[0].text, "Nu pot scrie fisierul " + pdf + ".");
    EXPECT_EQ(prompts.messages[1].text, "Nu pot scrie fisierul " + csv + ".");
    for (const auto& [file, old] : {std::pair{pdf, "PDF-ul de ieri"}, std::pair{csv, "lista de ieri"}}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray(old));
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"foi.pdf*", "lista.csv*"}, QDir::Files),
              (QStringList{"foi.pdf", "lista.csv"}));

    // With room again it is replaced.
    EXPECT_TRUE(w->SavePdf(pdf));
    EXPECT_GT(PdfPages(pdf), 0);
}

// A size written as 0.00 leaves that piece out, said in the window, and the
// others laid out; the rule for the grain stands beside its check box; a
// search cut short by the clock says so.
TEST_F(Window, WhatIsLeftOutAndWhyIsShown) {
    auto w = Open();
    EXPECT_TRUE(w->LabelGrain->text().contains("latura mai lunga"));
    EXPECT_TRUE(w->LabelGrain->text().contains("lungimea foii"));
    auto lines = ShelfAndSide();
    lines[3] = "3";
    for (const auto& x : PieceLines("Sipca", "596.00", "0.00")) lines.push_back(x);
    ASSERT_TRUE(w->OpenFile(Write("FoaiePal.app", Lines(lines))));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(w->CurrentLayout().tooSmall, std::vector<int>{2});
    EXPECT_EQ(w->LabelOversize->text(), "Prea mici (1):\nSipca (596 x 0)");
    EXPECT_EQ(w->GridPieces->item(2, 4)->text(), "prea mica");
    EXPECT_EQ(w->GridPieces->item(0, 4)->text(), "1");
    EXPECT_TRUE(w->LabelSearch->text().isEmpty());

    PackOptions o;
    o.clockLimitSeconds = 0;
    w->SetPackOptions(o);
    QTest::mouseClick(w->ButtonOptimize, Qt::LeftButton);
    EXPECT_TRUE(w->LabelSearch->text().contains("limita de timp")) << w->LabelSearch->text().toStdString();
    EXPECT_EQ(w->LabelSheets->text(), "Foi de pal: 1");
}
