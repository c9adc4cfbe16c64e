// The export commands of the main window: the piece list, the distances
// window, the sheet-optimisation window and the software picture export.
#include "export/FoaiePal.h"
#include "export/PieceList.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "platform/widgets/Modal.h"
#include "platform/widgets/RadioGroup.h"
#include "ui/Forms.h"
#include "ui/TDistPiese.h"
#include "ui/TMain.h"
#include "ui/TOptimFoaie.h"
#include "ui/CatalogueGrid.h"
#include "ui/TPalPfl.h"
#include "ui/TSalvImag.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/Program.h"
#include "support/RecordingStub.h"
#include "support/ShownAnswer.h"

using namespace zv;

namespace {

std::string ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

void WriteAll(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

struct CurrentFolder {
    explicit CurrentFolder(const QString& dir) : old(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~CurrentFolder() { QDir::setCurrent(old); }
    QString old;
};

// A small carcass: a shelf and a side of P18, a back of PFL3.
struct Program : TestProgram {
    Program() {
        Furniture& f = main->model;
        f.scene.Init();
        f.name = "Dulap mic";
        auto add = [&](const char* name, const char* code, double x, double y, double z, double sx, double sy,
                       double sz, Color color) {
            f.scene.AddBox(x, y, z, sx, sy, sz);
            const auto i = static_cast<std::size_t>(f.scene.pieceCount - 1);
            f.scene.color[i] = color;
            f.pieceNames.push_back(name);
            f.attrs.materialCode[i] = code;
        };
        add("Polita", "P18", 18, 300, 0, 596, 18, 300, Rgb(200, 10, 10));
        add("Lateral", "P18", 0, 0, 0, 18, 720, 300, Rgb(200, 10, 10));
        add("Spate", "PFL3", 0, 0, 300, 632, 720, 3, Rgb(10, 10, 200));
        f.scene.current = 2;
        main->EnableDesignControls();
    }
};

} // namespace

TEST(ExportsWindow, PieceListIsWrittenAndOpenedWithTheFileAsOneArgument) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("lista mea"));
    const QString file = dir.path() + "/lista mea/Dulap mic - Excel.xls";
    RecordingStub stub(dir.path() + "/foaie calcul");
    ScopedEnv env("ZARVELO_SPREADSHEET", stub.path);
    Program p;
    ScopedDialogScript script;
    script->fileAnswers.push_back(FileDialogAnswer{file.toStdString(), 1});
    p.main->ExportapieseinExcel1Click();
    ASSERT_EQ(script->records.size(), 1u);
    EXPECT_EQ(script->records[0].file.title, "Export in format Excel");
    EXPECT_EQ(script->records[0].file.fileName, "Dulap mic - Excel");
    EXPECT_EQ(script->records[0].file.defaultExt, "xls");
    EXPECT_EQ(ReadAll(file), FormatPieceList(p.main->model));
    EXPECT_NE(ReadAll(file).find("Polita\t596\t300\t18\t"), std::string::npos);
    EXPECT_EQ(stub.Wait(), (QStringList{QDir::currentPath(), "1", file}));
}

TEST(ExportsWindow, DefaultNamesHoldNoCharacterAFileNameCannotHold) {
    QTemporaryDir dir;
    RecordingStub stub(dir.path() + "/foaie");
    ScopedEnv env("ZARVELO_SPREADSHEET", stub.path);
    Program p;
    p.main->RadioGroup2->SetItemIndex(0); // "Rend soft": the picture is the projection's
    PictureBox* front = p.main->Image1;
    front->canvas().SetSize(20, 10);
    front->canvas().Image().fill(QColor(0, 0, 255));
    TSalvImag* d = Forms().SalvImag;
    const auto chooseBmp = [&](QDialog&) {
        d->RadioGroup1->SetItemIndex(1);
        d->RadioGroup2->SetItemIndex(1);
        return int(QDialog::Accepted);
    };
    const struct {
        std::string name, offered;
    } cases[] = {
        {"Dulap 60/40", "Dulap 60_40"},
        {"Corp \"A\\B\": 1*2?<3>|", "Corp _A_B__ 1_2__3__"},
        {"Comod\xC4\x83 mic\xC4\x83", "Comod\xC4\x83 mic\xC4\x83"}, // letters stay
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        p.main->model.name = c.name;
        {
            ScopedDialogScript script;
            const std::string file = dir.filePath(QString::fromStdString(c.offered + " - Excel.xls")).toStdString();
            script->fileAnswers.push_back(FileDialogAnswer{file, 1});
            p.main->ExportapieseinExcel1Click();
            ASSERT_EQ(script->records.size(), 1u);
            EXPECT_EQ(script->records[0].file.fileName, c.offered + " - Excel");
            EXPECT_EQ(ReadAll(QString::fromStdString(file)), FormatPieceList(p.main->model));
        }
        {
            ScopedDialogScript script;
            ScopedModalScript modal;
            modal.answers.push_back(chooseBmp);
            const std::string file = dir.filePath(QString::fromStdString(c.offered + ".bmp")).toStdString();
            script->fileAnswers.push_back(FileDialogAnswer{file, 1});
            p.main->SalvareimagineinformatBMPsauJPG1Click();
            ASSERT_EQ(script->records.size(), 1u);
            EXPECT_EQ(script->records[0].file.fileName, c.offered);
            EXPECT_EQ(ReadAll(QString::fromStdString(file)).rfind("BM", 0), 0u);
        }
    }
    // The name the furniture would have given: its "/" is a folder that is not
    // there, and the failed save says so in Romanian.
    ScopedDialogScript script;
    ScopedModalScript modal;
    modal.answers.push_back(chooseBmp);
    const std::string file = dir.filePath("Dulap 60/40.bmp").toStdString();
    script->fileAnswers.push_back(FileDialogAnswer{file, 1});
    p.main->SalvareimagineinformatBMPsauJPG1Click();
    EXPECT_EQ(script->Messages(), std::vector<std::string>{"Fisierul \"" + file + "\" nu poate fi creat."});
    QTest::qWait(50);
}

TEST(ExportsWindow, PieceListRefusalsKeepTheOldFileAndStartNothing) {
    QTemporaryDir dir;
    // The longest name a folder allows: nothing can be written beside it.
    const QString file = dir.path() + "/" + QString(251, 'l') + ".xls";
    RecordingStub stub(dir.path() + "/foaie");
    ScopedEnv env("ZARVELO_SPREADSHEET", stub.path);
    Program p;
    WriteAll(file, "vechi");
    {
        // Overwrite "No".
        ScopedDialogScript script;
        script->fileAnswers.push_back(FileDialogAnswer{file.toStdString(), 1});
        script->messageAnswers.push_back(MsgResult::No);
        p.main->ExportapieseinExcel1Click();
        EXPECT_EQ(script->Messages(), std::vector<std::string>{"Exista fisier cu acest nume. Suprapun ?"});
    }
    EXPECT_EQ(ReadAll(file), "vechi");
    {
        // A folder that cannot be written: said so, the old file whole.
        ScopedDialogScript script;
        script->fileAnswers.push_back(FileDialogAnswer{file.toStdString(), 1});
        script->messageAnswers.push_back(MsgResult::Yes);
        p.main->ExportapieseinExcel1Click();
        ASSERT_EQ(script->Messages().size(), 2u);
        EXPECT_EQ(script->records[2].kind, MsgKind::Error);
        EXPECT_NE(script->Messages()[1].find(file.toStdString()), std::string::npos);
    }
    EXPECT_EQ(ReadAll(file), "vechi");
    {
        // No points: no dialog at all.
        ScopedDialogScript script;
        p.main->model.scene.Init();
        p.main->ExportapieseinExcel1Click();
        EXPECT_TRUE(script->records.empty());
    }
    QTest::qWait(100);
    EXPECT_FALSE(stub.Ran());
}

TEST(ExportsWindow, DistancesWindowInFixedPitch) {
    Program p;
    p.main->model.scene.current = 1;
    TDistPiese* d = Forms().DistPiese;
    ScopedModalScript modal;
    modal.answers.push_back(ShownAnswer([&] {
        EXPECT_EQ(d->ComboBox1->count(), 3);
        EXPECT_EQ(d->ComboBox1->currentText(), "Lateral");
        EXPECT_EQ(d->ComboBox2->currentText(), "Polita");
        EXPECT_EQ(d->Memo1->toPlainText().toStdString(), FormatPieceDistances(p.main->model, 1, 0));
        EXPECT_TRUE(d->Memo1->toPlainText().startsWith("Distantele intre \"Lateral\" si \"Polita\":\n\n"));
        EXPECT_TRUE(QFontInfo(d->Memo1->font()).fixedPitch());
        d->ComboBox2->setCurrentIndex(1);
        EXPECT_TRUE(d->Memo1->toPlainText().contains("\nstanga-dreapta:  -18 mm\n"));
    }));
    p.main->Distantaintredouapiese1Click();
    EXPECT_EQ(modal.shown, std::vector<std::string>{"DistPiese"});
}

TEST(ExportsWindow, DistancesWindowWithoutPiecesIsEmpty) {
    Program p;
    p.main->model.scene.Init();
    p.main->model.pieceNames.clear();
    TDistPiese* d = Forms().DistPiese;
    d->Memo1->setPlainText("vechi");
    ScopedModalScript modal;
    modal.answers.push_back(ShownAnswer([&] {
        EXPECT_EQ(d->ComboBox1->count(), 0);
        EXPECT_EQ(d->ComboBox2->count(), 0);
        EXPECT_TRUE(d->Memo1->toPlainText().isEmpty());
    }));
    p.main->Distantaintredouapiese1Click();
}

TEST(ExportsWindow, OptimiserStartsFromAStartupFolderWithABlank) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Zarvelo 1"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("lucru"));
    const QString work = dir.path() + "/lucru";
    RecordingStub stub(dir.path() + "/Zarvelo 1/Rezlinor");
    ScopedEnv env("ZARVELO_REZLINOR", ""); // not set: the start-up folder's
    CurrentFolder cwd(work);
    Program p;
    p.main->startupFolder = (dir.path() + "/Zarvelo 1").toStdString();
    p.main->model.scene.current = 0;
    TOptimFoaie* d = Forms().OptimFoaie;
    ScopedDialogScript script;
    ScopedModalScript modal;
    modal.answers.push_back(ShownAnswer([&] {
        // The shown material is the one exported: the current piece's.
        EXPECT_EQ(d->ChosenCode, "P18");
        EXPECT_TRUE(d->Label3->text().contains("P18"));
        EXPECT_EQ(d->Edit1->text(), "18");
        EXPECT_EQ(p.main->CurrentColor(), Rgb(200, 10, 10));
        QTest::mouseClick(d->Button3, Qt::LeftButton);
        EXPECT_TRUE(d->isVisible()); // the dialog stays open
    }));
    p.main->Pozitionarepiesepefoidepal1Click();
    EXPECT_EQ(modal.shown, std::vector<std::string>{"OptimFoaie"});
    EXPECT_TRUE(script->records.empty());
    EXPECT_EQ(ReadAll(work + "/FoaiePal.app"), FormatFoaiePal(p.main->model, "P18"));
    EXPECT_EQ(stub.Wait(), (QStringList{QDir(work).canonicalPath(), "1", "FoaiePal.app"}));
}

TEST(ExportsWindow, OptimiserFromTheTableAndItsErrors) {
    QTemporaryDir dir;
    const QString work = dir.path();
    RecordingStub stub(dir.path() + "/optimizor");
    CurrentFolder cwd(work);
    Program p;
    p.main->startupFolder = (dir.path() + "/nu exista").toStdString();
    TOptimFoaie* d = Forms().OptimFoaie;
    {
        // Not in the start-up folder: the launcher's table.
        ScopedEnv env("ZARVELO_REZLINOR", stub.path);
        ScopedDialogScript script;
        ScopedModalScript modal;
        modal.answers.push_back(ShownAnswer([&] { QTest::mouseClick(d->Button3, Qt::LeftButton); }));
        p.main->Pozitionarepiesepefoidepal1Click();
        EXPECT_EQ(d->ChosenCode, "PFL3");
        EXPECT_TRUE(script->records.empty());
        EXPECT_EQ(stub.Wait(), (QStringList{QDir(work).canonicalPath(), "1", "FoaiePal.app"}));
    }
    {
        // Nowhere: the error names the program tried; the file stays written.
        QFile::remove(work + "/FoaiePal.app");
        ScopedEnv env("ZARVELO_REZLINOR", "/no/such/optimiser");
        ScopedDialogScript script;
        ScopedModalScript modal;
        modal.answers.push_back(ShownAnswer([&] { QTest::mouseClick(d->Button3, Qt::LeftButton); }));
        p.main->Pozitionarepiesepefoidepal1Click();
        EXPECT_EQ(script->Messages(), std::vector<std::string>{"Nu am gasit aplicatia /no/such/optimiser."});
        EXPECT_TRUE(QFile::exists(work + "/FoaiePal.app"));
    }
    {
        // No piece of the material: said so, nothing written.
        QFile::remove(work + "/FoaiePal.app");
        ScopedDialogScript script;
        ScopedModalScript modal;
        modal.answers.push_back(ShownAnswer([&] {
            p.main->model.attrs.materialCode[2] = "ALTUL";
            QTest::mouseClick(d->Button3, Qt::LeftButton);
        }));
        p.main->Pozitionarepiesepefoidepal1Click();
        EXPECT_EQ(script->Messages(), std::vector<std::string>{"Nu exista piese din materialul ales."});
        EXPECT_FALSE(QFile::exists(work + "/FoaiePal.app"));
    }
}

TEST(ExportsWindow, OptimiserFailedWriteSaysSoAndStartsNothing) {
    QTemporaryDir dir;
    RecordingStub stub(dir.path() + "/optimizor");
    ScopedEnv env("ZARVELO_REZLINOR", stub.path);
    // A folder in the file's place: the new file cannot be renamed over it,
    // whoever runs the test.
    const QString work = dir.path();
    ASSERT_TRUE(QDir(work).mkpath("FoaiePal.app/ocupat"));
    CurrentFolder cwd(work);
    Program p;
    p.main->startupFolder = dir.path().toStdString();
    TOptimFoaie* d = Forms().OptimFoaie;
    ScopedDialogScript script;
    ScopedModalScript modal;
    modal.answers.push_back(ShownAnswer([&] { QTest::mouseClick(d->Button3, Qt::LeftButton); }));
    p.main->Pozitionarepiesepefoidepal1Click();
    ASSERT_EQ(script->Messages().size(), 1u);
    EXPECT_EQ(script->records[0].kind, MsgKind::Error);
    EXPECT_NE(script->Messages()[0].find("FoaiePal.app"), std::string::npos);
    EXPECT_TRUE(QFileInfo(work + "/FoaiePal.app/ocupat").isDir());
    EXPECT_EQ(QDir(work).entryList(QDir::Files), QStringList{"optimizor"}); // no file left beside it
    QTest::qWait(100);
    EXPECT_FALSE(stub.Ran());
}

TEST(ExportsWindow, SelectareChangesTheExportedMaterialAndTheCurrentColour) {
    QTemporaryDir dir;
    WriteAll(dir.filePath("pal-pfl.dat"), "64 64 2\r\n"
                                          "P18\r\nPal 18\r\n10.00\r\n\r\n255\r\n18\r\n1.5\r\n"
                                          "PFL3\r\nPfl 3\r\n5.00\r\n\r\n65280\r\n3.2\r\n1.5\r\n");
    CurrentFolder cwd(dir.path());
    Program p;
    p.main->startupFolder = dir.path().toStdString();
    p.main->model.scene.current = 0;
    TOptimFoaie* d = Forms().OptimFoaie;
    ScopedDialogScript script;
    ScopedModalScript modal;
    modal.answers.push_back(ShownAnswer([&] {
        // The chooser opens on the code shown; the other row is chosen.
        modal.answers.push_back(ShownAnswer([&] {
            TPalPfl* w = Forms().PalPfl;
            w->StringGrid1->SelectRow(2);
            QTest::mouseClick(w->BitBtn2, Qt::LeftButton);
        }));
        QTest::mouseClick(d->Button1, Qt::LeftButton);
        EXPECT_EQ(d->ChosenCode, "PFL3");
        EXPECT_TRUE(d->Label3->text().contains("PFL3"));
        EXPECT_EQ(d->Edit1->text().toStdString(), FormatField(3.2));
        EXPECT_EQ(p.main->CurrentColor(), 65280u);
        QTest::mouseClick(d->Button3, Qt::LeftButton);
    }));
    ScopedEnv env("ZARVELO_REZLINOR", "/no/such/optimiser");
    p.main->Pozitionarepiesepefoidepal1Click();
    EXPECT_EQ(modal.shown, (std::vector<std::string>{"OptimFoaie", "PalPfl"}));
    EXPECT_EQ(ReadAll(dir.filePath("FoaiePal.app")), FormatFoaiePal(p.main->model, "PFL3"));
}

TEST(ExportsWindow, SoftwarePicturesFollowTheChosenFormat) {
    QTemporaryDir dir;
    Program p;
    TSalvImag* d = Forms().SalvImag;
    p.main->RadioGroup2->SetItemIndex(0); // "Rend soft"
    PictureBox* front = p.main->Image1;
    front->canvas().SetSize(40, 30);
    front->canvas().Image().fill(QColor(255, 0, 0));
    struct Case {
        int format;
        QString name;
        const char* magic;
    };
    const Case cases[] = {{1, "fata.ico", "BM"}, {0, "fata.jpeg", "\xFF\xD8\xFF"}, {1, "fata.emf", "BM"}};
    for (const auto& c : cases) {
        ScopedDialogScript script;
        ScopedModalScript modal;
        modal.answers.push_back([&](QDialog&) {
            d->RadioGroup1->SetItemIndex(c.format);
            d->RadioGroup2->SetItemIndex(1);
            return int(QDialog::Accepted);
        });
        script->fileAnswers.push_back(FileDialogAnswer{dir.filePath(c.name).toStdString(), 1});
        p.main->SalvareimagineinformatBMPsauJPG1Click();
        EXPECT_EQ(script->records.at(0).file.fileName, "Dulap mic");
        EXPECT_TRUE(script->Messages().empty()) << c.name.toStdString();
        EXPECT_EQ(ReadAll(dir.filePath(c.name)).rfind(c.magic, 0), 0u) << c.name.toStdString();
        QImage back;
        ASSERT_TRUE(LoadPicture(dir.filePath(c.name).toStdString(), back).ok);
        EXPECT_GT(qRed(back.pixel(20, 15)), 200);
        EXPECT_LT(qBlue(back.pixel(20, 15)), 60);
    }
    // The choices stay for the next use.
    EXPECT_EQ(d->RadioGroup1->ItemIndex(), 1);
    {
        // An empty picture: said so, nothing written.
        p.main->Image3->canvas().Image() = QImage();
        ScopedDialogScript script;
        ScopedModalScript modal;
        modal.answers.push_back([&](QDialog&) {
            d->RadioGroup2->SetItemIndex(3);
            return int(QDialog::Accepted);
        });
        script->fileAnswers.push_back(FileDialogAnswer{dir.filePath("gol.bmp").toStdString(), 1});
        p.main->SalvareimagineinformatBMPsauJPG1Click();
        EXPECT_EQ(script->Messages(), std::vector<std::string>{"Nu exista imagine de salvat."});
        EXPECT_FALSE(QFile::exists(dir.filePath("gol.bmp")));
    }
    {
        // Cancel on the overwrite question keeps the file.
        WriteAll(dir.filePath("vechi.bmp"), "vechi");
        ScopedDialogScript script;
        ScopedModalScript modal;
        modal.answers.push_back([&](QDialog&) { return int(QDialog::Accepted); });
        script->fileAnswers.push_back(FileDialogAnswer{dir.filePath("vechi.bmp").toStdString(), 1});
        script->messageAnswers.push_back(MsgResult::Cancel);
        p.main->SalvareimagineinformatBMPsauJPG1Click();
        EXPECT_EQ(script->Messages(), std::vector<std::string>{"Exista deja fisier cu acest nume. Suprapun ?"});
        EXPECT_EQ(ReadAll(dir.filePath("vechi.bmp")), "vechi");
    }
}
