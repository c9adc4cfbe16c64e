// The file commands of the main window: open, save, save as, close and the
// closing question, with the dialog answers scripted.
#include "model/MobilaFile.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "ui/Forms.h"
#include "ui/TCarPies.h"
#include "ui/TMain.h"
#include "ui/TPiesaNoua.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/FileLimit.h"
#include "support/RecordingStub.h"

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace zv;

namespace {

const char* const kAskSave = "Mobila curenta nu este salvata. Salvez ?";
const char* const kAskQuit = "Mobila curenta nu este salvata. Salvez inainte de parasirea programului ?";
const char* const kAskOverwrite = "Exista fisier cu acest nume. Suprapun ?";
const char* const kSaved = "Mobila a fost salvata !";

Furniture Boxes(const std::string& name, int count, BackType back = BackType::Aplicat) {
    Furniture f;
    f.scene.Init();
    f.SetSlotDefaults();
    f.name = name;
    f.dim.G = 18;
    f.dim.P = 4;
    f.backType = back;
    for (int i = 0; i < count; ++i) {
        f.scene.AddBox(i * 100.0, 0, 0, 18, 700, 400);
        f.pieceNames.push_back(name + " piesa " + std::to_string(i + 1));
        f.attrs.materialCode[static_cast<std::size_t>(i)] = "PAL18";
    }
    RecomputeFurnitureSize(f.scene, f.dim);
    return f;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool Contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        CreateForms();
        main = Forms().Main;
        ASSERT_TRUE(dir.isValid());
        a = Path("Dulap.mo4");
        b = Path("Comoda.mo4");
        WriteMobilaFile(a, CaptureMobilaFile(Boxes("Dulap", 3), 1));
        WriteMobilaFile(b, CaptureMobilaFile(Boxes("Comoda", 2, BackType::Incastrat), 0));
    }
    void TearDown() override { DestroyForms(); }

    std::string Path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }

    // "Deschide fisier" with the file chosen and the given answers to the questions.
    void OpenByMenu(ScopedDialogScript& s, const std::string& path, std::initializer_list<MsgResult> answers = {}) {
        s->fileAnswers.push_back(FileDialogAnswer{path, 1});
        for (MsgResult r : answers) s->messageAnswers.push_back(r);
        main->Deschidefisier1->trigger();
    }
    // From a furniture with nothing unsaved: no question is asked.
    void OpenQuietly(const std::string& path) {
        ScopedDialogScript s;
        OpenByMenu(s, path);
    }
    // An edit as the editing commands make it.
    void Edit(const std::string& newFirstName) {
        main->model.pieceNames[0] = newFirstName;
        main->SetModified(true);
    }
    bool StarShown() const { return !Forms().CarPies->Label11->isHidden(); }

    TMain* main = nullptr;
    QTemporaryDir dir;
    std::string a, b;
};

// ---- open ----

TEST_F(FileCommands, OpenReadsTheFileIntoTheWindow) {
    ScopedDialogScript s;
    OpenByMenu(s, a);
    ASSERT_FALSE(s->records.empty());
    EXPECT_EQ(s->records[0].what, "open");
    EXPECT_EQ(s->records[0].file.title, "Deschide proiect");
    EXPECT_EQ(s->records[0].file.filter, "Fisiere proiecte mobila v4.00 (*.mo4)|*.mo4|Fisiere proiecte mobila v2.00 "
                                         "(*.mo2)|*.mo2|Toate fisierele (*.*)|*.*");
    EXPECT_EQ(s->records[0].file.defaultExt, "mo4");
    EXPECT_TRUE(s->Messages().empty()); // nothing open yet, so nothing asked

    const Furniture& m = main->model;
    EXPECT_EQ(m.fileName, a);
    EXPECT_TRUE(m.hasFileName);
    EXPECT_FALSE(m.modified);
    EXPECT_FALSE(StarShown());
    EXPECT_EQ(m.scene.pieceCount, 3);
    EXPECT_EQ(m.pieceNames[2], "Dulap piesa 3");
    EXPECT_EQ(Forms().CarPies->ComboBox2->count(), 3);
    EXPECT_EQ(main->windowTitle().toStdString(), "Dulap - " + a);
    EXPECT_EQ(main->ComboBox3->currentIndex(), 1);
    EXPECT_TRUE(main->Salveazamobilacurenta1->isEnabled());
    EXPECT_TRUE(main->BitBtn4->isEnabled());
    EXPECT_FALSE(main->BitBtn13->isEnabled());
    EXPECT_TRUE(Forms().CarPies->isVisible());
    EXPECT_TRUE(Forms().CarPies->CheckBox2->isChecked());
    EXPECT_EQ(m.scene.currentFillStyle, 7);
    // The first shelf: the back is applied, so the shelf stops in front of it.
    const TPiesaNoua* p = Forms().PiesaNoua;
    EXPECT_EQ(p->Edit7->text(), "Polita");
    EXPECT_EQ(p->ComboBox1->currentIndex(), 1);
    EXPECT_EQ(p->Edit4->text().toStdString(), FormatGeneral(m.dim.W - 36));
    EXPECT_EQ(p->Edit5->text().toStdString(), FormatGeneral(m.dim.D - 4));
    EXPECT_EQ(p->Edit6->text().toStdString(), FormatGeneral(18));
}

TEST_F(FileCommands, OpeningAFileDisablesTheUndo) {
    OpenQuietly(a);
    const auto edit = [&] {
        main->ApplyEdit([&] {
            main->model.scene.MoveObject(0, 50, 0, 0);
            return EditResult{};
        });
    };
    edit();
    ASSERT_TRUE(main->BitBtn13->isEnabled());
    // A refused file leaves the open furniture, and its undo, as they were.
    const std::string bad = Path("rau.mo4");
    WriteAll(bad, "mo5" + ReadAll(b).substr(3));
    {
        ScopedDialogScript s;
        OpenByMenu(s, bad, {MsgResult::No});
        ASSERT_EQ(s->Messages(), (std::vector<std::string>{kAskSave, "Fisier invalid."}));
    }
    EXPECT_TRUE(main->BitBtn13->isEnabled());
    OpenQuietly(b);
    EXPECT_FALSE(main->BitBtn13->isEnabled());
    // The snapshot of the other furniture cannot come back over this one.
    main->BitBtn13Click();
    EXPECT_EQ(main->model.scene.pieceCount, 2);
    EXPECT_EQ(main->model.pieceNames[0], "Comoda piesa 1");
    EXPECT_EQ(main->model.scene.PieceBox(0).x0, 0);
    EXPECT_FALSE(main->model.modified);
    // An edit of the opened furniture can be undone again.
    edit();
    EXPECT_TRUE(main->BitBtn13->isEnabled());
}

TEST_F(FileCommands, OpenCancelledOrNotAFileDoesNothing) {
    for (const std::string& chosen : {std::string(), Path("lipsa.mo4"), dir.path().toStdString()}) {
        SCOPED_TRACE(chosen);
        ScopedDialogScript s;
        if (!chosen.empty()) s->fileAnswers.push_back(FileDialogAnswer{chosen, 1});
        main->Deschidefisier1->trigger();
        EXPECT_TRUE(s->Messages().empty());
        EXPECT_EQ(main->model.fileName, "");
        EXPECT_FALSE(main->Salveazamobilacurenta1->isEnabled());
    }
}

TEST_F(FileCommands, ARefusedFileLeavesTheOpenFurnitureAsItWas) {
    const std::string whole = ReadAll(b);
    std::string badCount = whole;
    badCount[3 + 4 + 4 + 6 + 6 * 8] = '\xFF'; // low byte of the piece count
    const struct {
        const char* what;
        std::string bytes;
        const char* message;
    } cases[] = {{"signature", "mo5" + whole.substr(3), "Fisier invalid."},
                 {"truncated", whole.substr(0, whole.size() / 2), "Read beyond end of file"},
                 {"count", badCount, "Fisier invalid."}};
    OpenQuietly(a);
    Edit("Schimbat");
    const std::string caption = main->windowTitle().toStdString();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string bad = Path(std::string("rau_") + c.what + ".mo4");
        WriteAll(bad, c.bytes);
        ScopedDialogScript s;
        OpenByMenu(s, bad, {MsgResult::No});
        EXPECT_EQ(s->Messages(), (std::vector<std::string>{kAskSave, c.message}));
        EXPECT_EQ(main->model.fileName, a);
        EXPECT_EQ(main->model.scene.pieceCount, 3);
        EXPECT_EQ(main->model.pieceNames[0], "Schimbat");
        EXPECT_EQ(main->model.name, "Dulap");
        EXPECT_TRUE(main->model.modified);
        EXPECT_TRUE(StarShown());
        EXPECT_EQ(main->windowTitle().toStdString(), caption);
    }
}

TEST_F(FileCommands, OpeningWithYesSavesTheOpenFurnitureIntoItsOwnFileFirst) {
    OpenQuietly(a);
    Edit("Schimbat");
    ScopedDialogScript s;
    OpenByMenu(s, b, {MsgResult::Yes});
    EXPECT_EQ(s->Messages(), (std::vector<std::string>{kAskSave, kSaved}));
    EXPECT_EQ(ReadMobilaFile(a).pieces[0].name, "Schimbat");
    EXPECT_EQ(main->model.fileName, b);
    EXPECT_EQ(main->model.pieceNames[0], "Comoda piesa 1");
    EXPECT_EQ(main->model.backType, BackType::Incastrat);
    EXPECT_EQ(Forms().PiesaNoua->Edit5->text().toStdString(), FormatGeneral(main->model.dim.D));
}

TEST_F(FileCommands, OpeningWithNoThrowsTheChangesAway) {
    OpenQuietly(a);
    Edit("Schimbat");
    ScopedDialogScript s;
    OpenByMenu(s, b, {MsgResult::No});
    EXPECT_EQ(ReadMobilaFile(a).pieces[0].name, "Dulap piesa 1");
    EXPECT_EQ(main->model.fileName, b);
    EXPECT_FALSE(main->model.modified);
}

TEST_F(FileCommands, OpeningAfterAYesWhoseSaveFailedStops) {
    OpenQuietly(a);
    Edit("Schimbat");
    main->model.fileName = Path("nu/exista/Dulap.mo4");
    ScopedDialogScript s;
    OpenByMenu(s, b, {MsgResult::Yes});
    EXPECT_EQ(s->Messages(), (std::vector<std::string>{kAskSave, "Invalid filename"}));
    EXPECT_EQ(main->model.pieceNames[0], "Schimbat");
    EXPECT_TRUE(main->model.modified);
}

// ---- save ----

TEST_F(FileCommands, SaveWritesTheModelAndClearsTheStar) {
    OpenQuietly(a);
    Edit("Schimbat");
    EXPECT_TRUE(StarShown());
    ScopedDialogScript s;
    main->Salveazamobilacurenta1->trigger();
    EXPECT_EQ(s->Messages(), std::vector<std::string>{kSaved});
    EXPECT_FALSE(main->model.modified);
    EXPECT_FALSE(StarShown());
    EXPECT_EQ(main->model.fileName, a);
    EXPECT_EQ(ReadAll(a), EncodeMobilaFile(CaptureMobilaFile(main->model, main->ComboBox3->currentIndex())));
}

TEST_F(FileCommands, SavingNoPiecesDoesNothing) {
    ScopedDialogScript s;
    main->model.hasFileName = false;
    main->Salveazamobilacurenta1Click();
    main->Salveazacunumenou1Click();
    EXPECT_TRUE(s->records.empty());
}

TEST_F(FileCommands, AFailedSaveKeepsTheOldFileAndTheFurnitureModified) {
    OpenQuietly(a);
    const std::string old = ReadAll(a);
    Edit("Schimbat");
    ScopedDialogScript s;
    {
        SmallFileLimit limit(64);
        main->Salveazamobilacurenta1->trigger();
    }
    EXPECT_EQ(s->Messages(), std::vector<std::string>{"Disk full"});
    EXPECT_TRUE(ReadAll(a) == old);
    EXPECT_TRUE(main->model.modified);
    EXPECT_TRUE(StarShown());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Comoda.mo4", "Dulap.mo4"}));
}

TEST_F(FileCommands, AnOldLayoutFileIsSavedBesideItAsMo4) {
    // A "mo2" is the "mo4" layout without its last three fields (no hardware here).
    const Furniture f = Boxes("Vechi", 2);
    std::string bytes = EncodeMobilaFile(CaptureMobilaFile(f, 0));
    bytes = "mo2" + bytes.substr(3, bytes.size() - 3 - (4 + 2 * 4 + 2 * 11));
    const std::string mo2 = Path("Vechi.mo2"), mo4 = Path("Vechi.mo4");
    WriteAll(mo2, bytes);
    OpenQuietly(mo2);
    ASSERT_EQ(main->model.fileName, mo2);
    EXPECT_EQ(main->model.attrs.materialCode[0], "");

    ScopedDialogScript s;
    main->Salveazamobilacurenta1->trigger();
    EXPECT_EQ(s->Messages(), std::vector<std::string>{kSaved});
    EXPECT_EQ(main->model.fileName, mo4);
    EXPECT_TRUE(ReadAll(mo2) == bytes);
    EXPECT_FALSE(ReadMobilaFile(mo4).oldLayout);
}

TEST_F(FileCommands, SavingAnOldLayoutFileOverAnExistingMo4Asks) {
    const Furniture f = Boxes("Vechi", 2);
    std::string bytes = EncodeMobilaFile(CaptureMobilaFile(f, 0));
    bytes = "mo2" + bytes.substr(3, bytes.size() - 3 - (4 + 2 * 4 + 2 * 11));
    const std::string mo2 = Path("Vechi.MO2"), mo4 = Path("Vechi.MO4");
    WriteAll(mo2, bytes);
    WriteAll(mo4, "alt proiect");
    OpenQuietly(mo2);
    Edit("Schimbat");
    for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
        ScopedDialogScript s;
        s->messageAnswers.push_back(answer);
        main->Salveazamobilacurenta1->trigger();
        if (answer == MsgResult::No) {
            EXPECT_EQ(s->Messages(), std::vector<std::string>{kAskOverwrite});
            EXPECT_EQ(ReadAll(mo4), "alt proiect");
            EXPECT_TRUE(main->model.modified);
            EXPECT_EQ(main->model.fileName, mo2);
        } else {
            EXPECT_EQ(s->Messages(), (std::vector<std::string>{kAskOverwrite, kSaved}));
            EXPECT_EQ(ReadMobilaFile(mo4).pieces[0].name, "Schimbat");
            EXPECT_EQ(main->model.fileName, mo4);
        }
    }
}

// ---- save as ----

TEST_F(FileCommands, SaveAsByNameAndFilter) {
    const struct {
        const char* typed;
        int filter;
        const char* written;
    } cases[] = {{"nou.mo4", 1, "nou.mo4"},   {"nou1", 1, "nou1.mo4"},     {"nou2", 2, "nou2.mo4"},
                 {"nou3.MO2", 1, "nou3.MO4"}, {"nou4.txt", 1, "nou4.txt"}, {"nou5", 3, "nou5"}};
    OpenQuietly(a);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Edit(c.typed);
        ScopedDialogScript s;
        s->fileAnswers.push_back(FileDialogAnswer{Path(c.typed), c.filter});
        main->Salveazacunumenou1->trigger();
        ASSERT_EQ(s->records[0].what, "save");
        EXPECT_EQ(s->records[0].file.title, "Salveaza mobila");
        EXPECT_EQ(s->records[0].file.filter, "Fisiere proiecte mobila v4.00 (*.mo4)|*.mo4|Toate fisierele (*.*)|*.*");
        EXPECT_EQ(s->Messages(), std::vector<std::string>{kSaved});
        EXPECT_EQ(main->model.fileName, Path(c.written));
        EXPECT_FALSE(main->model.modified);
        EXPECT_EQ(ReadMobilaFile(Path(c.written)).pieces[0].name, c.typed);
        EXPECT_EQ(main->windowTitle().toStdString(), "Dulap - " + Path(c.written)) << "the new file is named";
    }
}

TEST_F(FileCommands, SaveAsOverAnExistingFileAsks) {
    OpenQuietly(a);
    Edit("Schimbat");
    const std::string other = ReadAll(b);
    {
        ScopedDialogScript s;
        s->fileAnswers.push_back(FileDialogAnswer{b, 1});
        s->messageAnswers.push_back(MsgResult::No);
        main->Salveazacunumenou1->trigger();
        EXPECT_EQ(s->Messages(), std::vector<std::string>{kAskOverwrite});
        EXPECT_TRUE(ReadAll(b) == other);
        EXPECT_EQ(main->model.fileName, a);
        EXPECT_TRUE(main->model.modified);
    }
    {
        ScopedDialogScript s;
        s->fileAnswers.push_back(FileDialogAnswer{b, 1});
        s->messageAnswers.push_back(MsgResult::Yes);
        main->Salveazacunumenou1->trigger();
        EXPECT_EQ(s->Messages(), (std::vector<std::string>{kAskOverwrite, kSaved}));
        EXPECT_EQ(ReadMobilaFile(b).pieces[0].name, "Schimbat");
        EXPECT_EQ(main->model.fileName, b);
    }
}

TEST_F(FileCommands, SaveAsCancelledOrFailedChangesNothing) {
    OpenQuietly(a);
    Edit("Schimbat");
    {
        ScopedDialogScript s; // no answer: the dialog is cancelled
        main->Salveazacunumenou1->trigger();
        EXPECT_TRUE(s->Messages().empty());
    }
    {
        ScopedDialogScript s;
        s->fileAnswers.push_back(FileDialogAnswer{Path("nu/exista/x.mo4"), 1});
        main->Salveazacunumenou1->trigger();
        EXPECT_EQ(s->Messages(), std::vector<std::string>{"Invalid filename"});
    }
    EXPECT_EQ(main->model.fileName, a);
    EXPECT_TRUE(main->model.modified);
    EXPECT_TRUE(StarShown());
}

TEST_F(FileCommands, ANewFurnitureSavesThroughSaveAs) {
    OpenQuietly(a);
    main->model.hasFileName = false; // as a new furniture leaves it
    main->SetModified(true);
    ScopedDialogScript s;
    s->fileAnswers.push_back(FileDialogAnswer{Path("proiect"), 1});
    main->Salveazamobilacurenta1->trigger();
    EXPECT_EQ(s->records[0].what, "save");
    EXPECT_EQ(main->model.fileName, Path("proiect.mo4"));
    EXPECT_TRUE(main->model.hasFileName);
    EXPECT_FALSE(main->model.modified);
    EXPECT_EQ(main->windowTitle().toStdString(), "Dulap - " + Path("proiect.mo4"));
}

// ---- close the project ----

TEST_F(FileCommands, CloseProjectResetsTheStateAndAsksNothingAfterwards) {
    OpenQuietly(a);
    Edit("Schimbat");
    ScopedDialogScript s;
    s->messageAnswers.push_back(MsgResult::No);
    main->Inchideproiectcurent1->trigger();
    EXPECT_EQ(s->Messages(), std::vector<std::string>{kAskSave});
    const Furniture& m = main->model;
    EXPECT_TRUE(m.hasFileName);
    EXPECT_FALSE(m.modified);
    EXPECT_FALSE(StarShown());
    EXPECT_EQ(m.fileName, "");
    EXPECT_EQ(m.name, "");
    EXPECT_EQ(main->windowTitle(), "Proiectare mobila") << "the closed file is not named";
    EXPECT_EQ(m.scene.pieceCount, 0);
    EXPECT_EQ(m.scene.pointCount, 0);
    EXPECT_EQ(m.projParams.x[0], 10.0);
    EXPECT_EQ(main->ComboBox3->currentIndex(), 0);
    EXPECT_FALSE(main->Salveazamobilacurenta1->isEnabled());
    EXPECT_FALSE(main->BitBtn4->isEnabled());
    EXPECT_FALSE(Forms().CarPies->isVisible());
    EXPECT_EQ(ReadMobilaFile(a).pieces[0].name, "Dulap piesa 1");
    EXPECT_TRUE(main->FormCloseQuery());
    EXPECT_EQ(s->Messages().size(), 1u);
}

TEST_F(FileCommands, CloseProjectWithYesSavesAndAfterAFailedSaveStops) {
    OpenQuietly(a);
    Edit("Salvat");
    {
        ScopedDialogScript s;
        s->messageAnswers.push_back(MsgResult::Yes);
        main->Inchideproiectcurent1->trigger();
        EXPECT_EQ(s->Messages(), (std::vector<std::string>{kAskSave, kSaved}));
        EXPECT_EQ(ReadMobilaFile(a).pieces[0].name, "Salvat");
        EXPECT_EQ(main->model.scene.pieceCount, 0);
    }
    OpenQuietly(a);
    Edit("Pierdut?");
    main->model.fileName = Path("nu/exista/Dulap.mo4");
    ScopedDialogScript s;
    s->messageAnswers.push_back(MsgResult::Yes);
    main->Inchideproiectcurent1->trigger();
    EXPECT_EQ(s->Messages(), (std::vector<std::string>{kAskSave, "Invalid filename"}));
    EXPECT_EQ(main->model.scene.pieceCount, 3);
    EXPECT_EQ(main->model.pieceNames[0], "Pierdut?");
    EXPECT_TRUE(main->Salveazamobilacurenta1->isEnabled());
}

// ---- closing the window ----

TEST_F(FileCommands, TheClosingQuestionAndWhatEachAnswerDoes) {
    enum class State { Saved, Modified, NeverSaved, ModifiedUnwritable };
    const struct {
        const char* what;
        State state;
        std::vector<MsgResult> answers;
        bool closes;
        bool written;
    } cases[] = {{"saved: no question", State::Saved, {}, true, false},
                 {"cancel keeps running", State::Modified, {MsgResult::Cancel}, false, false},
                 {"no closes unsaved", State::Modified, {MsgResult::No}, true, false},
                 {"yes saves and closes", State::Modified, {MsgResult::Yes}, true, true},
                 {"yes with a failed save stays", State::ModifiedUnwritable, {MsgResult::Yes}, false, false},
                 {"yes, save dialog cancelled, closes", State::NeverSaved, {MsgResult::Yes}, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteMobilaFile(a, CaptureMobilaFile(Boxes("Dulap", 3), 1));
        main->SetModified(false); // a case left running keeps its edit: start each one unasked
        OpenQuietly(a);
        if (c.state != State::Saved) Edit("Schimbat");
        if (c.state == State::NeverSaved) main->model.hasFileName = false;
        if (c.state == State::ModifiedUnwritable) main->model.fileName = Path("nu/exista/Dulap.mo4");
        ScopedDialogScript s;
        for (MsgResult r : c.answers) s->messageAnswers.push_back(r);
        EXPECT_EQ(main->FormCloseQuery(), c.closes);
        const auto msgs = s->Messages();
        EXPECT_EQ(!msgs.empty() && msgs[0] == kAskQuit, c.state != State::Saved);
        if (!msgs.empty()) {
            EXPECT_EQ(s->records[0].buttons, MsgButtons::YesNoCancel);
        }
        EXPECT_EQ(ReadMobilaFile(a).pieces[0].name == "Schimbat", c.written);
        EXPECT_EQ(Contains(msgs, kSaved), c.written);
    }
}

// ---- command line ----

TEST_F(FileCommands, CommandLineOpensOneFile) {
    ScopedDialogScript s;
    main->commandLineArgs = {b};
    main->FormShow();
    EXPECT_TRUE(s->Messages().empty());
    EXPECT_EQ(main->model.fileName, b);
    EXPECT_EQ(main->model.scene.pieceCount, 2);
    EXPECT_TRUE(main->BitBtn4->isEnabled());
    EXPECT_FALSE(main->BitBtn13->isEnabled());
    EXPECT_EQ(Forms().PiesaNoua->Edit7->text(), "Polita");
    EXPECT_EQ(Forms().PiesaNoua->Edit5->text().toStdString(), FormatGeneral(main->model.dim.D)); // inset back
}

// Started as "program Dulap.mo4" from the furniture's folder, then
// "Demonstratie": the player runs in "Demo", the designer stays where it was.
TEST_F(FileCommands, DemonstrationAfterARelativeCommandLineOpenKeepsTheFolder) {
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(root).mkpath("Demo"));
    ASSERT_TRUE(QDir(root).mkpath("texturi"));
    QImage oak(16, 16, QImage::Format_RGB888);
    oak.fill(QColor(170, 120, 60));
    ASSERT_TRUE(oak.save(root + "/texturi/stejar.bmp", "BMP"));
    Furniture f = Boxes("Dulap", 2);
    f.attrs.textureFile[0] = "texturi/stejar.bmp";
    WriteMobilaFile(Path("Dulap.mo4"), CaptureMobilaFile(f, 1));

    const RecordingStub stub(root + "/player.sh");
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root));
    setenv("ZARVELO_DEMO", stub.path.toLocal8Bit().constData(), 1);
    {
        ScopedDialogScript s;
        main->commandLineArgs = {"Dulap.mo4"};
        main->FormShow();
        const std::string opened = (root + "/Dulap.mo4").toStdString();
        EXPECT_EQ(main->model.fileName, opened) << "made absolute at start-up";
        EXPECT_GE(main->model.attrs.textureIndex[0], 0);

        main->Demonstratie1->trigger();
        EXPECT_EQ(stub.Folder(), root + "/Demo") << "the player runs in Demo";
        EXPECT_EQ(QDir::currentPath(), root) << "the designer's folder stays";

        // The relative texture still loads, and nothing of the designer lands in Demo.
        main->model.attrs.textureIndex[0] = -1;
        main->BuildTextureAtlas();
        EXPECT_GE(main->model.attrs.textureIndex[0], 0);
        EXPECT_FALSE(main->atlasPixels.Empty());

        Edit("Schimbat");
        main->Salveazamobilacurenta1->trigger();
        EXPECT_EQ(s->Messages(), std::vector<std::string>{kSaved});
        EXPECT_EQ(ReadMobilaFile(opened).pieces[0].name, "Schimbat") << "the save goes to the opened file";
        EXPECT_TRUE(QDir(root + "/Demo").entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    }
    unsetenv("ZARVELO_DEMO");
    QDir::setCurrent(old);
}

TEST_F(FileCommands, CommandLineMistakes) {
    const std::string bad = Path("rau.mo4");
    WriteAll(bad, "mo4");
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> messages;
    } cases[] = {{{Path("lipsa.mo4")}, {"Fisier inexistent"}},
                 {{a, b}, {"Numar incorect de parametri de executie ai programului."}},
                 {{bad}, {"Read beyond end of file"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        DestroyForms();
        CreateForms();
        main = Forms().Main;
        ScopedDialogScript s;
        main->commandLineArgs = c.args;
        main->FormShow();
        EXPECT_EQ(s->Messages(), c.messages);
        EXPECT_EQ(main->model.fileName, "");
        EXPECT_FALSE(main->BitBtn4->isEnabled());
    }
}

} // namespace

TEST(FileCommandsPreview, OpenWithPreviewOffersAPictureAndOpens) {
    zv::CreateForms();
    zv::TMain* m = zv::Forms().Main;
    m->startupFolder = ZV_DATA_DIR;
    {
        zv::ScopedDialogScript script;
        script->fileAnswers.push_back(zv::FileDialogAnswer{ZV_DATA_DIR "/Comoda.mo4", 1});
        m->Deschidefisiercupreview1Click();
        ASSERT_FALSE(script->records.empty());
        EXPECT_EQ(script->records[0].what, "open");
        ASSERT_TRUE(static_cast<bool>(script->records[0].file.preview));
        EXPECT_FALSE(script->records[0].file.preview(ZV_DATA_DIR "/Comoda.mo4").isNull());
    }
    EXPECT_EQ(m->model.fileName, ZV_DATA_DIR "/Comoda.mo4");
    EXPECT_GT(m->model.scene.pieceCount, 0);
    zv::DestroyForms();
}
