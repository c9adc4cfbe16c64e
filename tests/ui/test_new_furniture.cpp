// "Mobila noua" from start to end: the two board choices, the dialog, the
// save question, the carcass, the hardware window once per piece, the
// first-shelf preset, and the furniture saved and read back.
#include "support/BoardChoice.h"
#include "model/MobilaFile.h"
#include "platform/Dialogs.h"
#include "platform/Picture.h"
#include "platform/widgets/Modal.h"
#include "ui/CatalogueGrid.h"
#include "ui/Forms.h"
#include "ui/TCarPies.h"
#include "ui/TFeroneriePiesa.h"
#include "ui/TMain.h"
#include "ui/TMobiNoua.h"
#include "ui/TPalPfl.h"
#include "ui/TPiesaNoua.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/FileLimit.h"
#include "support/Unchanged.h"

#include <algorithm>
#include <functional>

using namespace zv;

namespace {

const char* const kBad = "Dimensiuni incorecte. Nu pot crea mobila.";
const char* const kAskSave = "Mobila curenta nu este salvata. Salvez ?";

std::string Board(const std::string& code, const std::string& picture, const std::string& color,
                  const std::string& thick) {
    return code + "\r\nPlaca " + code + "\r\n10.00\r\n" + picture + "\r\n" + color + "\r\n" + thick + "\r\n1.5\r\n";
}

constexpr Color kBodyColor = 6330052;
constexpr Color kBackColor = 15790320;
constexpr Color kPlainColor = 255;

// The program in a start-up folder of its own, with a board catalogue of
// three boards (one with a picture), an empty hardware catalogue and the
// main window shown.
class NewFurniture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QImage wood(8, 6, QImage::Format_RGB32);
        wood.fill(QColor(150, 110, 60));
        ASSERT_TRUE(SaveBmp(dir.filePath("stejar.bmp").toStdString(), wood).ok);
        Write("pal-pfl.dat", "64 64 3\r\n" + Board("PAL18STJ", "stejar.bmp", std::to_string(kBodyColor), "18") +
                                 Board("PFL4ALB", "", std::to_string(kBackColor), "  4") +
                                 Board("PAL16ROS", "lipsa.jpg", std::to_string(kPlainColor), "16"));
        Write("feron.dat", "48 48 0\r\n");
        CreateForms();
        main = Forms().Main;
        mobi = Forms().MobiNoua;
        main->commandLineArgs.clear();
        main->show();
        QApplication::processEvents();
        main->startupFolder = dir.path().toStdString();
    }
    void TearDown() override {
        DestroyForms();
        QDir::setCurrent(previousFolder);
    }

    void Write(const char* name, const std::string& bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

    // The catalogue answered with `code` chosen; its caption is recorded.
    std::function<int(QDialog&)> Choose(const std::string& code) { return ChooseBoardCode(code, chooserCaptions); }
    // The dialog shown as the user sees it, `fill` acting on it, then `result`.
    std::function<int(QDialog&)> Dialog(std::function<void(TMobiNoua&)> fill = {}, int result = QDialog::Accepted) {
        return [fill, result](QDialog& d) {
            auto& m = static_cast<TMobiNoua&>(d);
            m.show();
            QApplication::processEvents();
            if (fill) fill(m);
            m.hide();
            return result;
        };
    }
    // A window closed without a choice.
    static std::function<int(QDialog&)> Cancel() {
        return [](QDialog&) { return int(QDialog::Rejected); };
    }
    // One hardware window: records which piece is current and under what caption.
    std::function<int(QDialog&)> HardwareWindow(std::function<void()> act = {}) {
        return [this, act](QDialog& d) {
            const int c = main->model.scene.current;
            hardwareShown.push_back(main->model.pieceNames.at(static_cast<std::size_t>(c)));
            d.show();
            hardwareCaptions.push_back(d.windowTitle().toStdString());
            // Every piece is whole while the window is up: the OpenGL view draws them.
            EXPECT_EQ(main->model.pieceNames.size(), static_cast<std::size_t>(main->model.scene.pieceCount));
            EXPECT_EQ(main->model.attrs.modelFace[3], 0);
            EXPECT_EQ(main->model.attrs.modelFace[0], 1);
            EXPECT_EQ(main->model.attrs.materialCode[0], "PFL4ALB");
            EXPECT_FALSE(main->model.attrs.materialCode[1].empty());
            if (act) act();
            d.hide();
            return int(QDialog::Rejected);
        };
    }
    // The whole command: back board, body board, the dialog, and `hardware` windows.
    void Script(ScopedModalScript& modal, std::function<void(TMobiNoua&)> fill = {}, int hardware = 6,
                const std::string& body = "PAL18STJ") {
        modal.answers.push_back(Choose("PFL4ALB"));
        modal.answers.push_back(Choose(body));
        modal.answers.push_back(Dialog(fill));
        for (int i = 0; i < hardware; ++i) modal.answers.push_back(HardwareWindow());
    }

    // The whole command with these answers to the questions (a cancelled
    // save dialog when `cancelSave`, which stops it before the hardware
    // windows); what was asked and shown.
    ScriptedDialogs RunNew(std::initializer_list<MsgResult> answers, bool cancelSave = false) {
        ScopedModalScript modal;
        Script(modal, {}, cancelSave ? 0 : 6);
        ScopedDialogScript s;
        for (MsgResult a : answers) s->messageAnswers.push_back(a);
        if (cancelSave) s->fileAnswers.push_back(std::nullopt);
        main->Nou1->trigger();
        return s.get();
    }

    // A furniture opened from a file, as the user left it.
    void OpenFile(const std::string& path) {
        main->model.fileName = path;
        ASSERT_TRUE(main->OpenFurniture());
    }
    void WriteOldFurniture(const std::string& path) {
        Furniture f;
        f.scene.Init();
        f.SetSlotDefaults();
        f.name = "Comoda";
        f.dim = {600, 700, 400, 18, 4, 10, 0};
        for (int i = 0; i < 3; ++i) {
            f.scene.AddBox(i * 100.0, 0, 0, 18, 700, 400);
            f.pieceNames.push_back("Comoda piesa " + std::to_string(i + 1));
        }
        f.backType = BackType::Incastrat;
        WriteMobilaFile(path, CaptureMobilaFile(f, 0));
    }
    bool StarShown() const { return !Forms().CarPies->Label11->isHidden(); }

    QTemporaryDir dir;
    QString previousFolder;
    TMain* main = nullptr;
    TMobiNoua* mobi = nullptr;
    std::vector<std::string> chooserCaptions, hardwareShown, hardwareCaptions;
};

// Everything that must not move when the command is refused or cancelled.
struct Snapshot {
    explicit Snapshot(const TMain& m)
        : file(CaptureMobilaFile(m.model, 0)), fileName(m.model.fileName), hasFileName(m.model.hasFileName),
          modified(m.model.modified), S(m.model.dim.S), undoEnabled(m.BitBtn13->isEnabled()),
          undoNames(m.undo.pieceNames), undoX(m.undo.scene.X.begin(), m.undo.scene.X.begin() + m.undo.scene.pointCount),
          caption(m.windowTitle().toStdString()) {}
    MobilaFile file;
    std::string fileName;
    bool hasFileName, modified;
    double S;
    bool undoEnabled;
    std::vector<std::string> undoNames;
    std::vector<double> undoX;
    std::string caption;
};

void ExpectUnchanged(const TMain& m, const Snapshot& before) {
    const Snapshot now(m);
    EXPECT_TRUE(now.file == before.file);
    EXPECT_EQ(now.fileName, before.fileName);
    EXPECT_EQ(now.hasFileName, before.hasFileName);
    EXPECT_EQ(now.modified, before.modified);
    EXPECT_EQ(now.S, before.S);
    EXPECT_EQ(now.undoEnabled, before.undoEnabled);
    EXPECT_EQ(now.undoNames, before.undoNames);
    EXPECT_EQ(now.undoX, before.undoX);
    EXPECT_EQ(now.caption, before.caption);
}

} // namespace

TEST_F(NewFurniture, TheWholeCommandSavedAndReadBackEqual) {
    // A furniture opened from a file: the new one must not offer its name.
    WriteOldFurniture(Path("Comoda.mo4"));
    OpenFile(Path("Comoda.mo4"));
    main->model.attrs.hardware[1].Add("VECHI", 3);
    // An edit since, saved (so no question), and the piece window closed: the
    // command itself must take the undo level away and show the window.
    main->ApplyEdit([this] {
        main->model.scene.MoveObject(0, 5, 0, 0);
        return EditResult{};
    });
    main->SetModified(false);
    Forms().CarPies->hide();
    ASSERT_TRUE(main->BitBtn13->isEnabled());

    ScopedModalScript modal;
    modal.answers.push_back(Choose("PFL4ALB"));
    modal.answers.push_back(Choose("PAL18STJ"));
    // The dialog opens on the open furniture's inset back; the new one is applied.
    int shownBack = -1;
    modal.answers.push_back(Dialog([&](TMobiNoua& d) {
        shownBack = d.RadioGroup1->ItemIndex();
        QTest::mouseClick(d.RadioGroup1->Button(0), Qt::LeftButton);
    }));
    for (int i = 0; i < 6; ++i)
        modal.answers.push_back(HardwareWindow([this, i] {
            // The window edits the current piece's own list.
            if (i == 1) main->model.attrs.hardware[1].Add("BAL35", 4);
        }));
    ScopedDialogScript s;
    main->Nou1->trigger();

    EXPECT_EQ(modal.shown,
              (std::vector<std::string>{"PalPfl", "PalPfl", "MobiNoua", "FeroneriePiesa", "FeroneriePiesa",
                                        "FeroneriePiesa", "FeroneriePiesa", "FeroneriePiesa", "FeroneriePiesa"}));
    EXPECT_EQ(chooserCaptions,
              (std::vector<std::string>{"Selectare pfl/pal pentru spatele mobilei", "Selectare pal mobila"}));
    EXPECT_EQ(Forms().PalPfl->windowTitle(), "Pal/Pfl");
    EXPECT_TRUE(s->records.empty()); // an opened, unchanged furniture: no question

    // The hardware window once per piece, that piece current.
    const std::vector<std::string> names{"Spate", "Stanga", "Dreapta", "Sus", "Jos", "Soclu"};
    EXPECT_EQ(hardwareShown, names);
    EXPECT_EQ(hardwareCaptions.front(), "Feronerie \"Spate\"");
    EXPECT_EQ(hardwareCaptions.back(), "Feronerie \"Soclu\"");

    // The dialog shows both boards.
    EXPECT_EQ(mobi->Edit5->text(), "18.00");
    EXPECT_EQ(mobi->Edit6->text(), "4.00");
    EXPECT_EQ(mobi->BackCode, "PFL4ALB");
    EXPECT_EQ(mobi->BodyCode, "PAL18STJ");
    EXPECT_EQ(mobi->BodyTexture, "stejar.bmp");
    EXPECT_EQ(mobi->BackTexture, "");
    EXPECT_FALSE(mobi->Image1->isHidden());
    EXPECT_TRUE(mobi->Image2->isHidden());
    EXPECT_EQ(mobi->Panel3->toolTip(), "Textura mobila");
    EXPECT_EQ(mobi->Panel4->toolTip(), "Culoare mobila");
    EXPECT_EQ(main->CurrentColor(), kBodyColor); // the body is chosen last

    // The model, piece by piece.
    const Furniture& f = main->model;
    EXPECT_EQ(f.pieceNames, names);
    EXPECT_EQ(f.scene.current, 3);
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(names[i]);
        const bool back = i == 0;
        EXPECT_EQ(f.scene.color[i], back ? kBackColor : kBodyColor);
        EXPECT_EQ(f.attrs.materialCode[i], back ? "PFL4ALB" : "PAL18STJ");
        EXPECT_EQ(f.attrs.textureFile[i], back ? "" : "stejar.bmp");
        EXPECT_EQ(f.attrs.textureIndex[i], back ? -1 : 0); // one atlas slot for the body board
        EXPECT_EQ(f.attrs.textureRepeated[i], 1);
        EXPECT_EQ(f.attrs.textureRotated[i], 0);
        EXPECT_EQ(f.attrs.hardware[i].Count(), i == 1 ? 1 : 0);
    }
    EXPECT_EQ(f.textures.count, 1);
    const Scene3D::Box spate = f.scene.PieceBox(0), jos = f.scene.PieceBox(4);
    EXPECT_EQ(spate.x0, 8);
    EXPECT_EQ(spate.y0, 78);
    EXPECT_EQ(spate.z0, 300);
    EXPECT_EQ(jos.y0, 70);
    EXPECT_EQ(f.dim.W, 800);
    EXPECT_EQ(f.dim.H, 2000);
    EXPECT_EQ(f.dim.D, 304);
    EXPECT_EQ(f.dim.S, 70);
    EXPECT_EQ(shownBack, 1);
    EXPECT_EQ(f.backType, BackType::Aplicat);

    // The window: caption, flags, star, controls, the current-piece window.
    EXPECT_EQ(main->windowTitle(), "Proiectare mobila - Mobila");
    EXPECT_EQ(f.name, "Mobila");
    EXPECT_FALSE(f.hasFileName);
    EXPECT_TRUE(f.modified);
    EXPECT_TRUE(StarShown());
    EXPECT_TRUE(Forms().CarPies->isVisible());
    EXPECT_TRUE(main->DesignOpen());
    EXPECT_TRUE(main->HatchChecked());
    EXPECT_FALSE(main->BitBtn13->isEnabled());
    EXPECT_EQ(Forms().CarPies->ComboBox2->currentText(), "Sus");

    // The first shelf, as the new-piece dialog offers it.
    TPiesaNoua* np = Forms().PiesaNoua;
    EXPECT_EQ(np->Edit7->text(), "Polita1");
    EXPECT_EQ(np->Edit1->text(), "18");
    EXPECT_EQ(np->Edit2->text(), "956");
    EXPECT_EQ(np->Edit3->text(), "18");
    EXPECT_EQ(np->Edit4->text(), "764");
    EXPECT_EQ(np->Edit5->text(), "282");
    EXPECT_EQ(np->Edit6->text(), "18");
    EXPECT_EQ(np->ComboBox1->currentIndex(), 1);

    // The first save asks for a name and offers none; the file reads back equal.
    s->fileAnswers.push_back(FileDialogAnswer{Path("Dulap nou"), 1});
    main->Salveazamobilacurenta1->trigger();
    ASSERT_FALSE(s->records.empty());
    EXPECT_EQ(s->records[0].what, "save");
    EXPECT_EQ(s->records[0].file.fileName, "");
    EXPECT_EQ(f.fileName, Path("Dulap nou.mo4"));
    EXPECT_TRUE(ReadMobilaFile(f.fileName) == CaptureMobilaFile(f, main->ComboBox3->currentIndex()));
    EXPECT_FALSE(StarShown());

    // And opened again: the same pieces with their boards and hardware.
    const std::vector<HardwareEntry> hardware = f.attrs.hardware[1].Items();
    OpenFile(f.fileName);
    EXPECT_EQ(f.pieceNames, names);
    EXPECT_EQ(f.attrs.hardware[1].Items(), hardware);
    EXPECT_EQ(f.attrs.materialCode[0], "PFL4ALB");
    EXPECT_EQ(f.attrs.textureIndex[2], 0);
    EXPECT_EQ(f.backType, BackType::Aplicat);
    EXPECT_EQ(f.scene.PieceBox(5).z0, 10);
}

// The choices of the dialog, each made as the user makes it.
TEST_F(NewFurniture, ChoicesTable) {
    struct Case {
        const char* what;
        std::function<void(TMobiNoua&)> fill;
        std::vector<std::string> names;
        double backZ, sideY, sideH, topX;
        BackType back;
    };
    const std::vector<std::string> six{"Spate", "Stanga", "Dreapta", "Sus", "Jos", "Soclu"};
    const std::vector<std::string> five{"Spate", "Stanga", "Dreapta", "Sus", "Jos"};
    const Case cases[] = {
        {"Incastrat", [](TMobiNoua& d) { d.RadioGroup1->Button(1)->click(); }, six, 296, 0, 1982, 0,
         BackType::Incastrat},
        {"bottom Peste laterale",
         [](TMobiNoua& d) {
             d.ComboBox2->setCurrentIndex(0);
             Q_EMIT d.ComboBox2->activated(0);
             EXPECT_EQ(d.RadioGroup2->ItemIndex(), 1);
             EXPECT_FALSE(d.Edit8->isEnabled());
             EXPECT_FALSE(d.Label8->isEnabled());
         },
         five, 300, 18, 1964, 0, BackType::Aplicat},
        {"both Intre laterale",
         [](TMobiNoua& d) {
             d.ComboBox1->setCurrentIndex(1);
             Q_EMIT d.ComboBox1->activated(1);
         },
         six, 300, 0, 2000, 18, BackType::Aplicat},
        {"Fara soclu with abc in Edit8",
         [](TMobiNoua& d) {
             d.Edit8->setText("abc");
             d.RadioGroup2->Button(1)->click();
             EXPECT_FALSE(d.Edit8->isEnabled());
         },
         five, 300, 0, 1982, 0, BackType::Aplicat},
    };
    bool furnitureOpen = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The dialog keeps its values: every case starts from the design values.
        mobi->RadioGroup1->SetItemIndex(0);
        main->model.backType = BackType::Aplicat;
        mobi->ComboBox1->setCurrentIndex(0);
        mobi->ComboBox2->setCurrentIndex(1);
        mobi->RadioGroup2->Button(0)->click();
        mobi->Edit8->setText("70");
        hardwareShown.clear();

        ScopedModalScript modal;
        Script(modal, c.fill, static_cast<int>(c.names.size()));
        ScopedDialogScript s;
        // The first case starts with no furniture, so nothing to ask; the
        // others find the previous case's, never saved.
        if (furnitureOpen) s->messageAnswers.push_back(MsgResult::No);
        main->Nou1Click();
        furnitureOpen = true;
        const Furniture& f = main->model;
        EXPECT_EQ(f.pieceNames, c.names);
        EXPECT_EQ(hardwareShown, c.names);
        EXPECT_EQ(f.scene.PieceBox(0).z0, c.backZ);
        EXPECT_EQ(f.scene.PieceBox(1).y0, c.sideY);
        EXPECT_EQ(f.scene.PieceBox(1).y1 - f.scene.PieceBox(1).y0, c.sideH);
        EXPECT_EQ(f.scene.PieceBox(3).x0, c.topX);
        EXPECT_EQ(f.backType, c.back);
        EXPECT_EQ(f.dim.S, c.names.size() == 6 ? 70 : 0);
        EXPECT_EQ(f.scene.current, 3);
    }
}

TEST_F(NewFurniture, BadNumbersChangeNothing) {
    WriteOldFurniture(Path("Comoda.mo4"));
    OpenFile(Path("Comoda.mo4"));
    // An edit, so that there is an undo level to keep.
    main->ApplyEdit([this] {
        main->model.scene.MoveObject(0, 5, 0, 0);
        return EditResult{};
    });
    main->Timer2->stop();
    main->Timer3->stop();
    ASSERT_FALSE(main->SoftRenderChosen());
    const Snapshot before(*main);

    const std::pair<const char*, std::function<void(TMobiNoua&)>> cases[] = {
        {"abc in Edit4",
         [](TMobiNoua& d) {
             d.Edit4->setText("abc");
             d.Edit5->setText("xyz");
         }},
        {"W = 30 with G = 18", [](TMobiNoua& d) { d.Edit2->setText("30"); }},
        {"a negative plinth", [](TMobiNoua& d) { d.Edit8->setText("-70"); }},
        {"an infinite depth", [](TMobiNoua& d) { d.Edit4->setText("1e999"); }},
        {"W = 1e308: \"Dreapta\" 0 wide as stored", [](TMobiNoua& d) { d.Edit2->setText("1e308"); }},
        {"W = 1e17: \"Dreapta\" 16 wide as stored", [](TMobiNoua& d) { d.Edit2->setText("1e17"); }},
        {"88 high: \"Sus\" and \"Jos\" in one place", [](TMobiNoua& d) { d.Edit3->setText("88"); }},
    };
    for (const auto& [what, fill] : cases) {
        SCOPED_TRACE(what);
        const Unchanged whole(*main);
        mobi->Edit2->setText("800");
        mobi->Edit3->setText("2000");
        mobi->Edit4->setText("300");
        mobi->Edit5->setText("18");
        mobi->Edit8->setText("70");
        ScopedModalScript modal;
        Script(modal, fill, 0); // refused before the hardware windows
        ScopedDialogScript s;
        main->Nou1Click();
        EXPECT_EQ(s->Messages(), std::vector<std::string>{kBad}); // not even the save question
        EXPECT_EQ(modal.shown.size(), 3u);                        // no hardware window
        ExpectUnchanged(*main, before);
        EXPECT_TRUE(whole.Same(*main));
        EXPECT_FALSE(main->Timer2->isActive());
        EXPECT_FALSE(main->Timer3->isActive());
        EXPECT_EQ(main->model.backType, BackType::Incastrat);
    }
}

TEST_F(NewFurniture, CancelsChangeNothing) {
    WriteOldFurniture(Path("Comoda.mo4"));
    OpenFile(Path("Comoda.mo4"));
    main->SetModified(true);
    const Snapshot before(*main);
    mobi->BackCode = "PFLVECHI";

    { // The first chooser: no second one, no dialog, no question.
        ScopedModalScript modal;
        modal.answers.push_back(Cancel());
        ScopedDialogScript s;
        main->Nou1->trigger();
        EXPECT_EQ(modal.shown, std::vector<std::string>{"PalPfl"});
        EXPECT_TRUE(s->records.empty());
        EXPECT_EQ(mobi->BackCode, "PFLVECHI");
        ExpectUnchanged(*main, before);
    }
    { // The second chooser: the back board stays chosen in the dialog.
        ScopedModalScript modal;
        modal.answers.push_back(Choose("PFL4ALB"));
        modal.answers.push_back(Cancel());
        ScopedDialogScript s;
        main->Nou1->trigger();
        EXPECT_EQ(modal.shown, (std::vector<std::string>{"PalPfl", "PalPfl"}));
        EXPECT_TRUE(s->records.empty());
        EXPECT_EQ(mobi->BackCode, "PFL4ALB");
        ExpectUnchanged(*main, before);
    }
    { // The dialog, after flipping "Spate": it showed the furniture's back
        // type, and the furniture keeps it.
        ScopedModalScript modal;
        modal.answers.push_back(Choose("PFL4ALB"));
        modal.answers.push_back(Choose("PAL18STJ"));
        int shownBack = -1;
        modal.answers.push_back(Dialog(
            [&](TMobiNoua& d) {
                shownBack = d.RadioGroup1->ItemIndex();
                d.RadioGroup1->Button(0)->click();
            },
            QDialog::Rejected));
        ScopedDialogScript s;
        main->Nou1->trigger();
        EXPECT_EQ(shownBack, 1);
        EXPECT_TRUE(s->records.empty());
        EXPECT_EQ(main->model.backType, BackType::Incastrat);
        ExpectUnchanged(*main, before);
    }
}

TEST_F(NewFurniture, AYesWhoseSaveDidNotHappenKeepsTheFurniture) {
    WriteOldFurniture(Path("Comoda.mo4"));
    OpenFile(Path("Comoda.mo4"));
    main->model.pieceNames[0] = "Schimbat";
    main->SetModified(true);
    const Snapshot before(*main);
    { // The save fails: the disk is full.
        ScopedModalScript modal;
        Script(modal, {}, 0); // the command stops before the hardware windows
        ScopedDialogScript s;
        s->messageAnswers.push_back(MsgResult::Yes);
        {
            SmallFileLimit limit(64);
            main->Nou1->trigger();
        }
        EXPECT_EQ(s->Messages(), (std::vector<std::string>{kAskSave, "Disk full"}));
        EXPECT_EQ(modal.shown.size(), 3u);
        EXPECT_EQ(main->model.pieceNames[0], "Schimbat");
        EXPECT_TRUE(StarShown());
        ExpectUnchanged(*main, before);
    }

    // "No" throws it away. A furniture never saved is asked about even when
    // not modified; a cancelled save dialog keeps it, "No" throws it away.
    EXPECT_EQ(RunNew({MsgResult::No}).Messages(), std::vector<std::string>{kAskSave});
    ASSERT_EQ(main->model.pieceNames.size(), 6u);
    main->model.pieceNames[5] = "Soclu mutat";
    main->SetModified(false);
    const Snapshot fresh(*main);
    const ScriptedDialogs cancelled = RunNew({MsgResult::Yes}, true);
    EXPECT_EQ(cancelled.Messages(), std::vector<std::string>{kAskSave});
    EXPECT_EQ(cancelled.records.back().what, "save");
    ExpectUnchanged(*main, fresh);
    EXPECT_EQ(RunNew({MsgResult::No}).Messages(), std::vector<std::string>{kAskSave});
    EXPECT_EQ(main->model.pieceNames[5], "Soclu");
}

// The dialog alone: its design values and the handlers that keep the
// choices consistent, driven as the user drives them.
TEST_F(NewFurniture, DialogKeepsTheChoicesConsistent) {
    TMobiNoua* d = mobi;
    EXPECT_EQ(d->windowTitle(), "Mobila noua");
    EXPECT_EQ(d->Edit1->text(), "Mobila");
    EXPECT_EQ(d->Edit1->maxLength(), 50);
    const QLineEdit* edits[] = {d->Edit2, d->Edit3, d->Edit4, d->Edit5, d->Edit6, d->Edit7, d->Edit8};
    const char* values[] = {"800", "2000", "300", "18", "4", "10", "70"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(edits[i]->text(), values[i]);
    EXPECT_EQ(d->Edit7->toolTip(), "Latime zona fixat spate din pfl folosind cuie");
    EXPECT_EQ(d->ComboBox1->currentText(), "Peste laterale");
    EXPECT_EQ(d->ComboBox2->currentText(), "Intre laterale");
    EXPECT_EQ(d->RadioGroup1->ItemText(1), "Incastrat");
    EXPECT_EQ(d->RadioGroup2->ItemIndex(), 0);
    EXPECT_TRUE(d->CheckBox2->isChecked());
    EXPECT_EQ(d->BitBtn1->text(), "Creaza &mobila");
    EXPECT_EQ(d->BitBtn2->text(), "&Abandoneaza");
    EXPECT_EQ(d->BitBtn3->toolTip(), "Setarea culorii mobilei");
    EXPECT_EQ(d->CheckBox1->toolTip(), "Rotatie textura");
    EXPECT_EQ(d->Panel3->palette().color(QPalette::Window), QColor(192, 192, 192));

    d->show();
    QApplication::processEvents();
    // Code that sets a choice runs no handler.
    d->ComboBox2->setCurrentIndex(0);
    EXPECT_EQ(d->RadioGroup2->ItemIndex(), 0);
    d->ComboBox2->setCurrentIndex(1);
    // The bottom over the sides, picked from the list: no plinth.
    QTest::keyClick(d->ComboBox2, Qt::Key_Up);
    EXPECT_EQ(d->ComboBox2->currentIndex(), 0);
    EXPECT_EQ(d->RadioGroup2->ItemIndex(), 1);
    EXPECT_FALSE(d->Edit8->isEnabled());
    EXPECT_FALSE(d->Label8->isEnabled());
    // "Cu soclu" puts the bottom back between the sides.
    QTest::mouseClick(d->RadioGroup2->Button(0), Qt::LeftButton);
    EXPECT_EQ(d->ComboBox2->currentIndex(), 1);
    EXPECT_TRUE(d->Edit8->isEnabled());
    // "Fara soclu" leaves the bottom where it is.
    QTest::mouseClick(d->RadioGroup2->Button(1), Qt::LeftButton);
    EXPECT_EQ(d->ComboBox2->currentIndex(), 1);
    EXPECT_FALSE(d->Edit8->isEnabled());
    d->CheckBox1->setChecked(true);
    d->hide();
    d->show(); // every opening unchecks "Model textura rotit"
    EXPECT_FALSE(d->CheckBox1->isChecked());

    // The board buttons: a picture that exists is shown; a missing one leaves the colour.
    {
        ScopedModalScript modal;
        modal.answers.push_back(Choose("PAL18STJ"));
        modal.answers.push_back(Choose("PAL16ROS"));
        QTest::mouseClick(d->BitBtn3, Qt::LeftButton);
        EXPECT_FALSE(d->Image1->isHidden());
        EXPECT_EQ(d->BodyTexture, "stejar.bmp");
        QTest::mouseClick(d->BitBtn3, Qt::LeftButton);
        EXPECT_TRUE(d->Image1->isHidden());
        EXPECT_EQ(d->BodyTexture, "");
        EXPECT_EQ(d->BodyCode, "PAL16ROS");
        EXPECT_EQ(d->BodyColor, kPlainColor);
        EXPECT_EQ(d->Panel3->palette().color(QPalette::Window), QColor(255, 0, 0));
        EXPECT_EQ(d->Panel3->toolTip(), "Culoare mobila");
        EXPECT_EQ(d->Edit5->text(), "16.00");
        EXPECT_EQ(main->CurrentColor(), kPlainColor);
        EXPECT_EQ(chooserCaptions, (std::vector<std::string>{"Selectare pal mobila", "Selectare pal mobila"}));
    }
    { // Cancelled: nothing of the board changes.
        ScopedModalScript modal;
        modal.answers.push_back(Cancel());
        QTest::mouseClick(d->BitBtn5, Qt::LeftButton);
        EXPECT_EQ(modal.shown, std::vector<std::string>{"PalPfl"});
        EXPECT_EQ(d->BackCode, "");
        EXPECT_EQ(d->Edit6->text(), "4");
        EXPECT_EQ(Forms().PalPfl->windowTitle(), "Pal/Pfl");
    }
    d->hide();
}
