// The board and hardware catalogue windows, the material chooser and the
// hardware list of a piece, driven as the user drives them.
#include "catalog/Catalogue.h"
#include "platform/Dialogs.h"
#include "ui/CatalogueGrid.h"
#include "ui/Forms.h"
#include "ui/TAdaugaFeronerie.h"
#include "ui/TAdaugaPalPfl.h"
#include "ui/TCarPies.h"
#include "ui/TFeronerie.h"
#include "ui/TFeroneriePiesa.h"
#include "ui/TIncarcDate.h"
#include "ui/TMain.h"
#include "ui/TPalPfl.h"
#include "ui/TVizualizarePoza.h"
#include "platform/widgets/Modal.h"
#include "platform/widgets/PictureBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "support/ShownAnswer.h"

using namespace zv;

namespace {

void WriteFile(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Board(const std::string& code, const std::string& thick = "18", const std::string& price = "10.00",
                  const std::string& color = "255") {
    return code + "\r\nPal " + code + "\r\n" + price + "\r\n\r\n" + color + "\r\n" + thick + "\r\n1.5\r\n";
}

std::string Hardware(const std::string& code, const std::string& price = "2.50") {
    return code + "\r\nFeronerie " + code + "\r\n" + price + "\r\n\r\n";
}

// The whole program with its start-up folder in a temporary folder.
struct Program {
    Program() {
        CreateForms();
        main = Forms().Main;
        // The main window stays hidden: these windows only need its model.
        main->startupFolder = dir.path().toStdString();
        palPfl = Forms().PalPfl;
        feronerie = Forms().Feronerie;
        piesa = Forms().FeroneriePiesa;
    }
    ~Program() { DestroyForms(); }
    void Boards(const std::string& bytes) { WriteFile(dir.filePath("pal-pfl.dat"), bytes); }
    void Catalogue(const std::string& bytes) { WriteFile(dir.filePath("feron.dat"), bytes); }
    // One piece, current, named "Usa".
    void OnePiece() {
        main->model.scene.AddBox(0, 0, 0, 400, 700, 18);
        main->model.pieceNames = {"Usa"};
        main->model.scene.current = 0;
    }
    PieceHardware& Hw() { return main->model.attrs.hardware[0]; }
    // Answers the next modal window with `act` run in it.
    void WhenShown(std::function<void()> act) { modal.answers.push_back(ShownAnswer(std::move(act))); }

    ScopedModalScript modal;
    QTemporaryDir dir;
    TMain* main;
    TPalPfl* palPfl;
    TFeronerie* feronerie;
    TFeroneriePiesa* piesa;
};

void Click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

// Shows the piece hardware window and runs `act` inside it, then closes it.
void InPieceWindow(Program& p, std::function<void()> act) {
    p.WhenShown([&p, act] {
        act();
        Click(p.piesa->BitBtn1);
    });
    RunModal(*p.piesa);
}

// Adds the catalogue row `row` to the piece through "&Adaugare" and the chooser.
void AddFromCatalogue(Program& p, int row) {
    p.WhenShown([&p, row] {
        p.feronerie->StringGrid1->SelectRow(row);
        Click(p.feronerie->BitBtn2);
    });
    Click(p.piesa->Button1);
}

std::vector<std::string> ListCodes(const PieceHardware& hw) {
    std::vector<std::string> out;
    for (const auto& e : hw.Items()) out.push_back(e.code);
    return out;
}

} // namespace

// ---- boards ----

TEST(PalPflWindow, SortsNumbersAndChooses) {
    Program p;
    p.Boards("64 64 3\r\n" + Board("b2") + Board("A1", "  18.50") + Board("a0", "16", "5", "65280"));
    std::string code = "A1", picture = "old.bmp";
    Color color = 7;
    double thick = 0;
    p.WhenShown([&] {
        CatalogueGrid* g = p.palPfl->StringGrid1;
        ASSERT_EQ(g->EntryCount(), 3);
        EXPECT_EQ(g->Column(1), (std::vector<std::string>{"a0", "A1", "b2"}));
        EXPECT_EQ(g->Column(0), (std::vector<std::string>{"   1", "   2", "   3"}));
        EXPECT_EQ(g->Cell(2, 7), "  18.50");
        EXPECT_EQ(g->Cell(1, 3), "   5.00");
        EXPECT_EQ(g->SelectedRow(), 2); // the code passed in
        EXPECT_TRUE(p.palPfl->BitBtn2->isVisible());
        EXPECT_FALSE(Forms().IncarcDate->isVisible());
        Click(p.palPfl->BitBtn2);
    });
    p.palPfl->setWindowTitle("Selectare pal mobila");
    EXPECT_TRUE(p.main->PickPalPfl(code, picture, color, thick));
    EXPECT_EQ(code, "A1");
    EXPECT_EQ(picture, "");
    EXPECT_EQ(color, 255u);
    EXPECT_DOUBLE_EQ(thick, 18.5);
    EXPECT_EQ(p.palPfl->windowTitle(), "Pal/Pfl");

    // The look-up reads what the last showing loaded, exactly.
    EXPECT_TRUE(p.main->FindPalPflCode("a0", picture, color, thick));
    EXPECT_EQ(color, 65280u);
    EXPECT_DOUBLE_EQ(thick, 16);
    thick = -1;
    EXPECT_FALSE(p.main->FindPalPflCode("A0", picture, color, thick));
    EXPECT_FALSE(p.main->FindPalPflCode("", picture, color, thick));
    EXPECT_EQ(thick, -1);
}

TEST(PalPflWindow, CodesOfTheEightBitFileAreShownAsTheirLetters) {
    Program p;
    // The catalogue is 8-bit text: e3 is "ă", written back as the same byte.
    p.Boards("64 64 1\r\n" + Board("P18ALB\xE3", "19"));
    std::string code, picture;
    Color color = 0;
    double thick = 0;
    p.WhenShown([&] { Click(p.palPfl->BitBtn2); });
    ASSERT_TRUE(p.main->PickPalPfl(code, picture, color, thick));
    EXPECT_EQ(code, "P18ALB\xC4\x83");
    thick = 0;
    EXPECT_TRUE(p.main->FindPalPflCode("P18ALB\xC4\x83", picture, color, thick));
    EXPECT_EQ(thick, 19);
}

TEST(PalPflWindow, ClosingTheChooserChangesNothing) {
    Program p;
    p.Boards("64 64 2\r\n" + Board("X1") + Board("X2"));
    std::string code = "nimic", picture = "p";
    Color color = 3;
    double thick = 4;
    p.WhenShown([&] { Click(p.palPfl->BitBtn1); });
    EXPECT_FALSE(p.main->PickPalPfl(code, picture, color, thick));
    EXPECT_EQ(code, "nimic");
    EXPECT_EQ(color, 3u);
    EXPECT_EQ(thick, 4);
}

TEST(PalPflWindow, PreselectionAndSearch) {
    Program p;
    p.Boards("64 64 4\r\n" + Board("PFL3") + Board("pal18") + Board("PAL25") + Board("MDF"));
    std::string code = "PFL3", picture;
    Color color = 0;
    double thick = 0;
    // A code present is selected even with text left in the search field.
    p.palPfl->Edit1->setText("M");
    p.WhenShown([&] {
        CatalogueGrid* g = p.palPfl->StringGrid1;
        EXPECT_EQ(p.palPfl->Edit1->text(), "");
        EXPECT_EQ(g->SelectedRow(), 4);
        const struct {
            const char* typed;
            int row;
        } cases[] = {{"p", 2}, {"pal2", 3}, {"PF", 4}, {"z", 1}, {"", 1}};
        for (const auto& c : cases) {
            p.palPfl->Edit1->clear();
            QTest::keyClicks(p.palPfl->Edit1, c.typed);
            EXPECT_EQ(g->SelectedRow(), c.row) << c.typed;
        }
        Click(p.palPfl->BitBtn1);
    });
    p.main->PickPalPfl(code, picture, color, thick);

    // An absent code leaves row 1 selected.
    code = "ABSENT";
    p.WhenShown([&] {
        EXPECT_EQ(p.palPfl->StringGrid1->SelectedRow(), 1);
        Click(p.palPfl->BitBtn2);
    });
    EXPECT_TRUE(p.main->PickPalPfl(code, picture, color, thick));
    EXPECT_EQ(code, "MDF");

    // Enter in the search field chooses the row found.
    p.WhenShown([&] {
        QTest::keyClicks(p.palPfl->Edit1, "pa");
        QTest::keyClick(p.palPfl->Edit1, Qt::Key_Return);
    });
    EXPECT_TRUE(p.main->PickPalPfl(code, picture, color, thick));
    EXPECT_EQ(code, "pal18");
}

TEST(PalPflWindow, MissingFileOneMessageWindowStillOpens) {
    Program p;
    ScopedDialogScript script;
    bool opened = false;
    p.WhenShown([&] {
        opened = p.palPfl->isVisible();
        EXPECT_FALSE(Forms().IncarcDate->isVisible());
        Click(p.palPfl->BitBtn1);
    });
    p.main->Listapalpfl1->trigger();
    EXPECT_TRUE(opened);
    EXPECT_FALSE(p.palPfl->BitBtn2->isVisibleTo(p.palPfl));
    EXPECT_EQ(script->Messages(), (std::vector<std::string>{"Nu am gasit fisierul cu feroneria."}));
}

TEST(PalPflWindow, BrokenFilesKeepWhatWasRead) {
    Program p;
    ScopedDialogScript script;
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> codes;
        std::vector<std::string> messages;
    } cases[] = {
        {"decimal comma",
         "64 64 3\r\n" + Board("Z9") + Board("B1", "18", "12,5") + Board("C1"),
         {"Z9"},
         {"Fisier cu feronerie alterat."}},
        {"count above the entries", "64 64 9\r\n" + Board("B") + Board("A"), {"A", "B"}, {}},
        {"N = 0", "64 64 0\r\n", {}, {}},
        {"huge count", "64 64 999999999\r\n" + Board("A"), {}, {"Nu am gasit fisierul cu feroneria."}},
    };
    for (const auto& c : cases) {
        p.Boards(c.bytes);
        script->records.clear();
        // A missing or refused file keeps the previous rows; start each case empty.
        p.palPfl->StringGrid1->SetEntryCount(0);
        std::string code = "keep", picture;
        Color color = 1;
        double thick = 2;
        bool stripNull = false;
        p.WhenShown([&] {
            stripNull = p.palPfl->StringGrid1->Strip().isNull();
            Click(p.palPfl->BitBtn2);
        });
        EXPECT_TRUE(p.main->PickPalPfl(code, picture, color, thick)) << c.name;
        EXPECT_EQ(p.palPfl->StringGrid1->Column(1), c.codes) << c.name;
        EXPECT_EQ(script->Messages(), c.messages) << c.name;
        if (c.codes.empty()) {
            EXPECT_EQ(code, "keep") << c.name;
        }
        // Thumbnails only for a file read whole.
        EXPECT_EQ(stripNull, !c.messages.empty()) << c.name;
    }
}

TEST(PalPflWindow, SampleCatalogueThumbnails) {
    Program p;
    QDir::setCurrent(ZV_DATA_DIR); // the pictures are named relative to it
    p.main->startupFolder = ZV_DATA_DIR;
    p.WhenShown([&] {
        CatalogueGrid* g = p.palPfl->StringGrid1;
        EXPECT_GE(g->EntryCount(), 12);
        const QImage& strip = g->Strip();
        ASSERT_EQ(strip.width(), g->EntryCount() * 64);
        // Every slot holds a picture: some pixel of it is not white.
        for (int slot = 0; slot < g->EntryCount(); ++slot) {
            bool drawn = false;
            for (int x = slot * 64; x < slot * 64 + 64 && !drawn; x += 3)
                for (int y = 0; y < 64 && !drawn; y += 3) drawn = strip.pixel(x, y) != qRgb(255, 255, 255);
            EXPECT_TRUE(drawn) << g->Cell(slot + 1, 1);
        }
        // "&Vizualizare poza" shows the selected row's picture at its own size.
        p.palPfl->SelectCode("PAL18NUC");
        QSize shown;
        p.WhenShown([&] {
            shown = Forms().VizualizarePoza->size();
            Forms().VizualizarePoza->reject();
        });
        Click(p.palPfl->Button4);
        EXPECT_EQ(shown, QSize(120, 160));
        Click(p.palPfl->BitBtn1);
    });
    p.main->Listapalpfl1Click();
    EXPECT_TRUE(p.palPfl->StringGrid1->Strip().isNull()); // freed on hiding
}

TEST(PalPflWindow, AddChangeDeleteWritesTheFile) {
    Program p;
    ScopedDialogScript script;
    p.Boards("32 32 1\r\n" + Board("B1"));
    TAdaugaPalPfl* d = Forms().AdaugaPalPfl;
    p.WhenShown([&] {
        // Add.
        p.WhenShown([&] {
            EXPECT_TRUE(d->Edit1->isEnabled());
            QTest::keyClicks(d->Edit1, "A2CODEPREA-LUNG");
            QTest::keyClicks(d->Edit2, "Pal nou");
            QTest::keyClicks(d->Edit3, "21.5");
            QTest::keyClicks(d->Edit5, "18");
            QTest::keyClicks(d->Edit6, "1.25");
            script->colorAnswers.push_back(Rgb(10, 20, 30));
            QTest::mouseClick(d->Panel1, Qt::LeftButton);
            Click(d->BitBtn1);
        });
        Click(p.palPfl->Button1);
        EXPECT_EQ(p.palPfl->StringGrid1->Column(1), (std::vector<std::string>{"A2CODEPREA", "B1"}));
        EXPECT_EQ(p.palPfl->StringGrid1->SelectedRow(), 1);
        // Change: the code stays; a bad number keeps the dialog open with it,
        // and abandoning changes nothing.
        p.WhenShown([&] {
            EXPECT_FALSE(d->Edit1->isEnabled());
            EXPECT_EQ(d->Edit3->text(), "21.5");
            d->Edit3->setText("2,5");
            Click(d->BitBtn1);
            EXPECT_EQ(script->Messages().back(), "Pret/mp invalid.");
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(d->Edit3->text(), "2,5");
            Click(d->BitBtn2);
        });
        Click(p.palPfl->Button2);
        EXPECT_EQ(p.palPfl->StringGrid1->Cell(1, 3), "  21.50");
        // Delete B1, answering Yes.
        p.palPfl->StringGrid1->SelectRow(2);
        Click(p.palPfl->Button3);
        EXPECT_EQ(script->Messages().back(), "Sterg \"B1\" din lista ?");
        Click(p.palPfl->BitBtn1);
    });
    p.main->Listapalpfl1Click();
    const PalPflCatalogue back = ReadPalPflCatalogue(p.dir.filePath("pal-pfl.dat").toStdString());
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.header, (CatalogueHeader{32, 32, 1}));
    ASSERT_EQ(back.items.size(), 1u);
    EXPECT_EQ(back.items[0], (PalPflItem{"A2CODEPREA", "Pal nou", 21.5, "", Rgb(10, 20, 30), 18, 1.25}));
}

TEST(CatalogueEntryDialogs, ABadFieldKeepsTheDialogOpenWithWhatWasTyped) {
    Program p;
    ScopedDialogScript script;
    p.Boards("32 32 1\r\n" + Board("B1"));
    p.Catalogue("32 32 1\r\n" + Hardware("H1"));
    TAdaugaPalPfl* board = Forms().AdaugaPalPfl;
    TAdaugaFeronerie* hw = Forms().AdaugaFeronerie;
    // Which dialog, the field typed wrong (0-based: code, description, price,
    // picture, thickness, edge price), the wrong and the right text, the message.
    const struct {
        bool boards;
        int field;
        const char* bad;
        const char* good;
        const char* message;
    } cases[] = {
        {true, 0, "B1", "N1", "Exista deja acest cod in lista."},
        {true, 0, "", "N2", "Cod pal/pfl invalid."},
        {true, 2, "2,5", "2.5", "Pret/mp invalid."},
        {true, 4, "18mm", "18", "Grosime pal/pfl invalida."},
        {true, 5, "x", "1.5", "Pret cant/ml invalid."},
        {false, 0, "H1", "N1", "Exista deja acest element de feronerie in lista."},
        {false, 0, "", "N2", "Cod feronerie invalid."},
        {false, 2, "1 ,5", "1.5", "Pret feronerie invalid."},
    };
    int added = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.boards ? "pal/pfl " : "feronerie ") + c.message);
        CatalogueEntryDialog* d = c.boards ? static_cast<CatalogueEntryDialog*>(board) : hw;
        std::vector<QLineEdit*> fields = {d->Edit1, d->Edit2, d->Edit3, d->Edit4};
        if (c.boards) fields.insert(fields.end(), {board->Edit5, board->Edit6});
        std::vector<QString> typed = {"N" + QString::number(++added + 2), "Nou", "12", "poza.jpg", "18", "1.5"};
        typed.resize(fields.size());
        typed[static_cast<std::size_t>(c.field)] = c.bad;
        QPushButton* add = c.boards ? p.palPfl->Button1 : p.feronerie->Button1;
        QPushButton* close = c.boards ? p.palPfl->BitBtn1 : p.feronerie->BitBtn1;
        script->records.clear();
        p.WhenShown([&] {
            p.WhenShown([&] {
                for (std::size_t i = 0; i < fields.size(); ++i) QTest::keyClicks(fields[i], typed[i]);
                Click(d->BitBtn1);
                EXPECT_EQ(script->Messages(), std::vector<std::string>{c.message});
                ASSERT_TRUE(d->isVisible());
                for (std::size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(fields[i]->text(), typed[i]) << i;
                fields[static_cast<std::size_t>(c.field)]->setText(c.good);
                Click(d->BitBtn1);
                EXPECT_FALSE(d->isVisible());
            });
            Click(add);
            Click(close);
        });
        if (c.boards)
            p.main->Listapalpfl1Click();
        else
            p.main->Listaferonerie1Click();
        EXPECT_EQ(script->Messages().size(), 1u);
    }
    const auto boards = ReadPalPflCatalogue(p.dir.filePath("pal-pfl.dat").toStdString());
    const auto hardware = ReadFeronerieCatalogue(p.dir.filePath("feron.dat").toStdString());
    EXPECT_EQ(boards.items.size(), 6u);
    EXPECT_EQ(hardware.items.size(), 4u);
    ASSERT_GE(FindCode(boards.items, "N1"), 0);
    EXPECT_EQ(boards.items[static_cast<std::size_t>(FindCode(boards.items, "N1"))],
              (PalPflItem{"N1", "Nou", 12, "poza.jpg", 0xFFFFFF, 18, 1.5}));
    ASSERT_GE(FindCode(hardware.items, "N2"), 0);
    EXPECT_EQ(hardware.items[static_cast<std::size_t>(FindCode(hardware.items, "N2"))],
              (FeronerieItem{"N2", "Nou", 12, "poza.jpg"}));
}

TEST(PalPflWindow, ViewerPicksTheColourUnderTheMouse) {
    Program p;
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(QColor(200, 100, 50));
    img.setPixelColor(5, 6, QColor(255, 0, 0));
    const QString file = p.dir.filePath("poza.bmp");
    ASSERT_TRUE(img.save(file, "BMP"));
    TAdaugaPalPfl* d = Forms().AdaugaPalPfl;
    d->Edit4->setText(file);
    d->SetColor(0);
    TVizualizarePoza* v = Forms().VizualizarePoza;
    p.WhenShown([&] {
        EXPECT_EQ(v->Image1->size(), QSize(40, 30));
        QTest::mouseClick(v->Image1, Qt::LeftButton, {}, QPoint(5, 6));
    });
    d->Button2Click();
    EXPECT_EQ(v->PickedColor, 0x0000FF); // red in the low byte
    EXPECT_EQ(d->PanelColor(), 0x0000FFu);
    p.WhenShown([&] { QTest::mouseClick(v->Image1, Qt::RightButton, {}, QPoint(20, 20)); });
    d->Button2Click();
    EXPECT_EQ(d->PanelColor(), Rgb(200, 100, 50));
    // A file that is not a picture shows nothing and changes nothing.
    WriteFile(p.dir.filePath("rau.jpg"), "not a picture");
    d->Edit4->setText(p.dir.filePath("rau.jpg"));
    d->Button2Click();
    EXPECT_EQ(d->PanelColor(), Rgb(200, 100, 50));
}

TEST(PictureViewer, ALargePictureOpensFittedToTheScreen) {
    const struct {
        QSize picture, available, shown;
    } cases[] = {{{3000, 2000}, {1264, 976}, {1264, 842}},
                 {{120, 160}, {1264, 976}, {120, 160}},
                 {{50, 5000}, {1000, 1000}, {10, 1000}},
                 {{1264, 976}, {1264, 976}, {1264, 976}}};
    for (const auto& c : cases) EXPECT_EQ(FitPictureSize(c.picture, c.available), c.shown) << c.picture.width();

    Program p;
    // Red on the left, blue on the right.
    QImage img(3000, 2000, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 0));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 1500; x < img.width(); ++x) img.setPixel(x, y, qRgb(0, 0, 255));
    const QString file = p.dir.filePath("mare.bmp");
    ASSERT_TRUE(img.save(file, "BMP"));
    TVizualizarePoza* v = Forms().VizualizarePoza;
    QRect frame;
    QSize box;
    p.WhenShown([&] {
        QApplication::processEvents();
        frame = v->frameGeometry();
        box = v->Image1->size();
        // Just right of the middle: the blue half of the picture.
        QTest::mouseClick(v->Image1, Qt::LeftButton, {}, QPoint(box.width() / 2 + 2, box.height() / 2));
    });
    int picked = -1;
    ASSERT_TRUE(ViewCataloguePicture(file.toStdString(), &picked));
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(avail.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                       << frame.height();
    EXPECT_NEAR(double(box.width()) / box.height(), 1.5, 0.01);
    EXPECT_GT(box.width(), avail.width() * 3 / 4); // shrunk no more than needed
    EXPECT_EQ(picked, 0xFF0000);                   // blue, red in the low byte
}

// ---- hardware ----

TEST(FeroneriePiesaWindow, AddDuplicateQuantityAndDelete) {
    Program p;
    ScopedDialogScript script;
    p.OnePiece();
    p.Catalogue("48 48 3\r\n" + Hardware("M1", "3.00") + Hardware("B1") + Hardware("S1"));
    InPieceWindow(p, [&] {
        EXPECT_EQ(p.piesa->windowTitle(), "Feronerie \"Usa\"");
        // A new item: quantity 1, the box opens at once with 1; Cancel keeps it.
        AddFromCatalogue(p, 2); // sorted: B1, M1, S1
        ASSERT_EQ(script->records.size(), 1u);
        EXPECT_EQ(script->records[0].what, "input");
        EXPECT_EQ(script->records[0].caption, "M1");
        EXPECT_EQ(script->records[0].text, "Bucati feronerie:");
        EXPECT_EQ(script->records[0].value, "1");
        EXPECT_EQ(p.Hw().Items(), (std::vector<HardwareEntry>{{"M1", 1}}));
        EXPECT_TRUE(p.main->model.modified); // hardware edits must not be lost unasked
        EXPECT_EQ(p.piesa->StringGrid1->Cell(1, 2), "Feronerie M1");
        EXPECT_EQ(p.piesa->StringGrid1->Cell(1, 3), "   3.00");

        // The same code again: the warning, the row selected, one entry.
        script->records.clear();
        AddFromCatalogue(p, 2);
        EXPECT_EQ(script->Messages(), (std::vector<std::string>{"Exista deja acest element de feronerie in lista."}));
        EXPECT_EQ(p.Hw().Count(), 1);

        // Another, given 4 pieces.
        script->inputAnswers.push_back("4");
        AddFromCatalogue(p, 1);
        script->inputAnswers.push_back("6");
        AddFromCatalogue(p, 3);
        EXPECT_EQ(p.Hw().Items(), (std::vector<HardwareEntry>{{"M1", 1}, {"B1", 4}, {"S1", 6}}));
        EXPECT_EQ(p.piesa->StringGrid1->Column(1), (std::vector<std::string>{"B1", "M1", "S1"}));
        EXPECT_EQ(p.piesa->StringGrid1->Column(6), (std::vector<std::string>{"   4", "   1", "   6"}));

        // A quantity that is not a number changes nothing.
        script->records.clear();
        p.piesa->StringGrid1->SelectRow(2);
        script->inputAnswers.push_back("abc");
        Click(p.piesa->Button2);
        EXPECT_EQ(script->Messages(), (std::vector<std::string>{"Numar bucati feronerie invalid."}));
        EXPECT_EQ(p.Hw().At(0).quantity, 1);
        script->inputAnswers.push_back("-2"); // accepted
        Click(p.piesa->Button2);
        EXPECT_EQ(p.Hw().At(0).quantity, -2);
        EXPECT_EQ(p.piesa->StringGrid1->Cell(2, 6), "  -2");

        // Deleting the second of three (B1, second in the list), No first.
        p.piesa->StringGrid1->SelectRow(1);
        script->messageAnswers.push_back(MsgResult::No);
        Click(p.piesa->Button3);
        EXPECT_EQ(p.Hw().Count(), 3);
        Click(p.piesa->Button3);
        EXPECT_EQ(script->Messages().back(), "Sterg \"B1\" din lista ?");
        EXPECT_EQ(ListCodes(p.Hw()), (std::vector<std::string>{"M1", "S1"}));
    });
    EXPECT_TRUE(p.main->model.NeedsSaveQuestion());
}

TEST(FeroneriePiesaWindow, SortedRowsAndCodesNoLongerInTheCatalogue) {
    Program p;
    ScopedDialogScript script;
    p.OnePiece();
    p.Catalogue("48 48 1\r\n" + Hardware("A1"));
    p.Hw().Add("Z1", 2);
    p.Hw().Add("A1", 5);
    InPieceWindow(p, [&] {
        CatalogueGrid* g = p.piesa->StringGrid1;
        EXPECT_EQ(g->Column(0), (std::vector<std::string>{"   1", "   2"}));
        EXPECT_EQ(g->Column(1), (std::vector<std::string>{"A1", "Z1"}));
        EXPECT_EQ(g->Cell(2, 2), "");
        EXPECT_EQ(g->Cell(2, 3), "   0.00");
        QTest::keyClicks(p.piesa->Edit1, "z");
        EXPECT_EQ(g->SelectedRow(), 2);
        g->SelectRow(1);
        Click(p.piesa->Button3);
        EXPECT_EQ(g->Column(1), (std::vector<std::string>{"Z1"}));
    });
    EXPECT_EQ(ListCodes(p.Hw()), (std::vector<std::string>{"Z1"}));
    EXPECT_TRUE(script->Messages().size() == 1u); // only the delete question
}

TEST(FeroneriePiesaWindow, CorruptCatalogueGivesOneMessage) {
    Program p;
    ScopedDialogScript script;
    p.OnePiece();
    p.Catalogue("48 48 3\r\n" + Hardware("A1") + Hardware("B1", "1,5") + Hardware("C1"));
    for (const char* c : {"A1", "B1", "C1", "D1"}) p.Hw().Add(c, 1);
    InPieceWindow(p, [&] {
        // The entry read before the fault is still found.
        EXPECT_EQ(p.piesa->StringGrid1->Cell(1, 2), "Feronerie A1");
        EXPECT_EQ(p.piesa->StringGrid1->Cell(3, 2), "");
    });
    EXPECT_EQ(script->Messages(), (std::vector<std::string>{"Fisier cu feronerie alterat."}));

    // No file at all: one message and no list.
    QFile::remove(p.dir.filePath("feron.dat"));
    script->records.clear();
    InPieceWindow(p, [&] { EXPECT_EQ(p.piesa->StringGrid1->EntryCount(), 0); });
    EXPECT_EQ(script->Messages(), (std::vector<std::string>{"Nu am gasit fisierul cu feroneria."}));
}

TEST(FeroneriePiesaWindow, TheHundredAndSecondEntryIsRefused) {
    Program p;
    ScopedDialogScript script;
    p.OnePiece();
    p.Catalogue("48 48 1\r\n" + Hardware("NOU"));
    for (int i = 0; i < kMaxHardware; ++i) p.Hw().Add("C" + std::to_string(i), 1);
    InPieceWindow(p, [&] { Click(p.piesa->Button1); });
    EXPECT_EQ(p.modal.shown, std::vector<std::string>{"FeroneriePiesa"}); // no chooser opened
    EXPECT_EQ(p.Hw().Count(), kMaxHardware);
    ASSERT_EQ(script->Messages().size(), 1u);
    EXPECT_EQ(script->Messages()[0], "Lista de feronerie a piesei este plina (101 elemente).");
}

TEST(FeronerieWindow, BrowseAndEditTheCatalogue) {
    Program p;
    ScopedDialogScript script;
    p.Catalogue("48 48 2\r\n" + Hardware("b2") + Hardware("A1"));
    TAdaugaFeronerie* d = Forms().AdaugaFeronerie;
    p.WhenShown([&] {
        EXPECT_FALSE(p.feronerie->BitBtn2->isVisible());
        EXPECT_EQ(p.feronerie->StringGrid1->Column(1), (std::vector<std::string>{"A1", "b2"}));
        // A duplicate code is refused.
        p.WhenShown([&] {
            QTest::keyClicks(d->Edit1, "A1");
            Click(d->BitBtn1);
        });
        Click(p.feronerie->Button1);
        EXPECT_EQ(script->Messages().back(), "Exista deja acest element de feronerie in lista.");
        p.WhenShown([&] {
            QTest::keyClicks(d->Edit1, "C3");
            QTest::keyClicks(d->Edit2, "Cui");
            QTest::keyClicks(d->Edit3, "0.05");
            QTest::keyClicks(d->Edit4, "feronerie/cui.bmp");
            Click(d->BitBtn1);
        });
        Click(p.feronerie->Button1);
        EXPECT_EQ(p.feronerie->StringGrid1->Column(1), (std::vector<std::string>{"A1", "b2", "C3"}));
        EXPECT_EQ(p.feronerie->StringGrid1->SelectedRow(), 3);
        Click(p.feronerie->BitBtn1);
    });
    p.main->Listaferonerie1Click();
    const FeronerieCatalogue back = ReadFeronerieCatalogue(p.dir.filePath("feron.dat").toStdString());
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.items.size(), 3u);
    EXPECT_EQ(back.items[2], (FeronerieItem{"C3", "Cui", 0.05, "feronerie/cui.bmp"}));

    // A catalogue read only in part is not written back.
    p.Catalogue("48 48 2\r\n" + Hardware("A1") + Hardware("B1", "x"));
    p.WhenShown([&] {
        Click(p.feronerie->Button3);
        Click(p.feronerie->BitBtn1);
    });
    p.main->Listaferonerie1Click();
    QFile f(p.dir.filePath("feron.dat"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), "48 48 2\r\n" + Hardware("A1") + Hardware("B1", "x"));
}
