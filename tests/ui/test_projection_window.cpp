#include "support/Program.h"
#include "support/RecordingStub.h"

#include "model/MobilaFile.h"
#include "platform/Dialogs.h"
#include "platform/Picture.h"
#include "platform/widgets/Modal.h"
#include "ui/TProiect.h"
#include "ui/TSelProiect.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace zv;

namespace {

class ProjectionWindow : public ::testing::Test {
protected:
    TestProgram program;
    TMain* main = program.main;
    TProiect& w = *Forms().Proiect;
    QTemporaryDir dir;

    std::string Path(const std::string& name) { return (dir.path() + "/").toStdString() + name; }
    void LoadDulap() {
        ReplaceWithMobilaFile(ReadMobilaFile(ZV_DATA_DIR "/Dulap.mo4"), main->model);
        main->EnableDesignControls();
    }

    // Runs the window as the user sees it: shown, the action done, closed.
    struct Seen {
        int view = -1;
        bool timer2 = false, timer3 = false;
    };
    std::function<int(QDialog&)> Look(Seen& seen, std::function<void()> action = {}) {
        return [this, &seen, action](QDialog& d) {
            d.show();
            seen.view = w.ProjectionView;
            seen.timer2 = main->Timer2->isActive();
            seen.timer3 = main->Timer3->isActive();
            if (action) action();
            d.hide();
            return int(QDialog::Rejected);
        };
    }
    void HardTimersRunning(bool hard) {
        main->RadioGroup2->SetItemIndex(hard ? 1 : 0);
        main->Timer2->start();
        main->Timer3->start();
    }
};

} // namespace

TEST_F(ProjectionWindow, ControlsDefaultsAndHints) {
    EXPECT_EQ(w.windowTitle(), "Proiectie");
    EXPECT_EQ(w.size(), QSize(800, 600));
    EXPECT_EQ(w.RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(w.RadioGroup1->ItemText(0), "Jos");
    EXPECT_FALSE(w.CheckBox1->isChecked());
    EXPECT_TRUE(w.CheckBox2->isChecked());
    EXPECT_FALSE(w.CheckBox3->isChecked());
    EXPECT_TRUE(w.CheckBox4->isChecked());
    EXPECT_FALSE(w.SpinEdit4->isEnabled());
    EXPECT_EQ(w.SpinEdit1->value(), 3);
    EXPECT_EQ(w.SpinEdit2->value(), 2);
    EXPECT_EQ(w.SpinEdit1->minimum(), 1);
    EXPECT_EQ(w.SpinEdit1->maximum(), 9);
    EXPECT_EQ(w.RadioGroup2->ItemIndex(), 0);
    EXPECT_EQ(w.Edit3->text(), "1");
    EXPECT_FALSE(w.Button3->isEnabled());
    EXPECT_EQ(w.Button5->text(), "&Salvare &JPG");
    EXPECT_EQ(w.Button4->toolTip(), "Salvarea desen in fisier Bitmap");
    EXPECT_EQ(w.Image1->toolTip(), "Deplasare piese cu buton stanga, selectare cu dublu click");
    EXPECT_EQ(w.font.pixelHeight, 11);
    // Wireframe enables the level field, and filled disables it again.
    QTest::mouseClick(w.CheckBox3, Qt::LeftButton);
    EXPECT_TRUE(w.SpinEdit4->isEnabled());
    EXPECT_TRUE(w.Label2->isEnabled());
    QTest::mouseClick(w.CheckBox3, Qt::LeftButton);
    EXPECT_FALSE(w.SpinEdit4->isEnabled());
    EXPECT_FALSE(w.Label2->isEnabled());

    // Every showing starts on level 1, whatever was left in the field.
    LoadDulap();
    ScopedModalScript modal;
    std::vector<int> levels;
    Seen seen;
    for (int i = 0; i < 2; ++i) {
        w.SpinEdit4->setValue(4 + i);
        modal.answers.push_back(Look(seen, [&] { levels.push_back(w.SpinEdit4->value()); }));
        main->Afisareproiectiecucote1->trigger();
    }
    EXPECT_EQ(levels, (std::vector<int>{1, 1}));
}

TEST_F(ProjectionWindow, OpenersChooseTheViewAndPauseTheTimers) {
    LoadDulap();
    ScopedModalScript modal;
    Seen a, b, c, d, e;
    // "Proiectare 2D" in OpenGL mode: timers stopped, started again.
    HardTimersRunning(true);
    modal.answers.push_back(Look(a));
    main->BitBtn17->click();
    EXPECT_EQ(a.view, 1);
    EXPECT_FALSE(a.timer2 || a.timer3);
    EXPECT_TRUE(main->Timer2->isActive() && main->Timer3->isActive());
    // The mini views, in software mode: stopped and left stopped.
    HardTimersRunning(false);
    modal.answers.push_back(Look(b));
    modal.answers.push_back(Look(c));
    modal.answers.push_back(Look(d));
    QTest::mouseDClick(main->Image2, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(main->Image3, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(main->Image1, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(b.view, 2);
    EXPECT_EQ(c.view, 0);
    EXPECT_EQ(d.view, 1);
    EXPECT_FALSE(d.timer2);
    EXPECT_FALSE(main->Timer2->isActive() || main->Timer3->isActive());
    // The menu entry: the last view, the timers untouched.
    w.ProjectionView = 2;
    HardTimersRunning(true);
    modal.answers.push_back(Look(e));
    main->Afisareproiectiecucote1->trigger();
    EXPECT_EQ(e.view, 2);
    EXPECT_TRUE(e.timer2 && e.timer3);
    EXPECT_EQ(w.RadioGroup1->ItemIndex(), 2);
    main->Timer2->stop();
    main->Timer3->stop();
}

TEST_F(ProjectionWindow, ChooserOpensTheChosenView) {
    LoadDulap();
    TSelProiect& sel = *Forms().SelProiect;
    ScopedModalScript modal;
    Seen seen;
    HardTimersRunning(true);
    modal.answers.push_back([&](QDialog& d) {
        d.show();
        EXPECT_EQ(sel.ComboBox1->currentIndex(), 1); // "Proiectie fata" when nothing was chosen
        sel.ComboBox1->setCurrentIndex(0);
        QTest::mouseClick(sel.BitBtn1, Qt::LeftButton);
        d.hide();
        return d.result();
    });
    modal.answers.push_back(Look(seen));
    RunModal(sel);
    EXPECT_EQ(seen.view, 0);
    EXPECT_FALSE(seen.timer2);
    EXPECT_TRUE(main->Timer2->isActive());
    main->Timer2->stop();
    main->Timer3->stop();
}

TEST_F(ProjectionWindow, FontDialogChangesTheFiguresFont) {
    LoadDulap();
    ScopedDialogScript script;
    FontChoice big;
    big.family = "DejaVu Sans";
    big.pixelHeight = 20;
    script->fontAnswers.push_back(big);
    script->fontAnswers.push_back(std::nullopt);
    ScopedModalScript modal;
    Seen seen;
    modal.answers.push_back(Look(seen, [&] {
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        EXPECT_EQ(w.font, big);
        EXPECT_EQ(w.Options().font, big);
        QTest::mouseClick(w.Button1, Qt::LeftButton); // cancelled: kept
        EXPECT_EQ(w.font, big);
    }));
    main->BitBtn17->click();
    ASSERT_EQ(script->records.size(), 2u);
    EXPECT_EQ(script->records[0].what, "font");
}

class ProjectionSave : public ProjectionWindow {
protected:
    void SetUp() override {
        stub = std::make_unique<RecordingStub>(dir.path() + "/stub.sh");
        setenv("ZARVELO_PAINT", stub->path.toLocal8Bit().constData(), 1);
        LoadDulap();
    }
    void TearDown() override { unsetenv("ZARVELO_PAINT"); }
    std::vector<std::string> Recorded() {
        std::vector<std::string> out;
        for (const QString& a : stub->Arguments()) out.push_back(a.toStdString());
        return out;
    }
    // Shows the window, presses the button with the answer given, closes it.
    void Press(QPushButton* TProiect::*button, const std::string& fileName) {
        ScopedModalScript modal;
        Seen seen;
        script->fileAnswers.push_back(FileDialogAnswer{fileName, 1});
        modal.answers.push_back(Look(seen, [&] { QTest::mouseClick(w.*button, Qt::LeftButton); }));
        main->BitBtn17->click();
    }
    static std::string Head(const std::string& file, std::size_t n) {
        std::ifstream in(file, std::ios::binary);
        std::string s(n, '\0');
        in.read(s.data(), static_cast<std::streamsize>(n));
        return s;
    }
    ScopedDialogScript script;
    std::unique_ptr<RecordingStub> stub;
};

TEST_F(ProjectionSave, JpegButtonWritesJpegWhateverTheNameAndStartsPaint) {
    const std::string name = Path("desen cu blancuri.jpeg");
    Press(&TProiect::Button5, name);
    ASSERT_EQ(script->records.size(), 1u);
    EXPECT_EQ(script->records[0].text, "Salvare foaie in fisier JPG");
    EXPECT_EQ(script->records[0].file.defaultExt, "jpg");
    EXPECT_EQ(script->records[0].file.initialDir, main->startupFolder);
    EXPECT_EQ(Head(name, 2), "\xFF\xD8");
    EXPECT_EQ(Recorded(), std::vector<std::string>{name}); // one argument, blanks and all
    QImage saved;
    ASSERT_TRUE(LoadPicture(name, saved).ok);
    EXPECT_EQ(saved.size(), w.Image1->canvas().Image().size());
}

TEST_F(ProjectionSave, BmpButtonWritesBmpEvenNamedJpg) {
    const std::string name = Path("desen.jpg");
    Press(&TProiect::Button4, name);
    EXPECT_EQ(script->records[0].text, "Salvare foaie in fisier BMP");
    EXPECT_EQ(script->records[0].file.filter, "Fisiere Bitmap (*.bmp)|*.bmp|Toate fisierele (*.*)|*.*");
    EXPECT_EQ(Head(name, 2), "BM");
    // The saved picture is the image as drawn.
    QImage saved;
    ASSERT_TRUE(LoadPicture(name, saved).ok);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              w.Image1->canvas().Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(Recorded(), std::vector<std::string>{name});
}

TEST_F(ProjectionSave, FolderThatCannotBeWrittenSaysSoAndStartsNothing) {
    // A file stands where the folder should be: no user, root included, can write there.
    const std::string notAFolder = Path("fisier");
    std::ofstream(notAFolder) << "x";
    for (auto button : {&TProiect::Button4, &TProiect::Button5}) {
        script->records.clear();
        Press(button, notAFolder + "/desen.bmp");
        const auto messages = script->Messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_FALSE(messages[0].empty());
        EXPECT_EQ(script->records.back().kind, MsgKind::Error);
    }
    QThread::msleep(200);
    EXPECT_FALSE(stub->Ran());
}

TEST_F(ProjectionWindow, BrokenContourFileOneMessagePerShowing) {
    LoadDulap();
    const std::string broken = Path("stricat.bmp");
    std::ofstream(broken, std::ios::binary) << "BM broken";
    main->model.attrs.modelFile[0] = broken;
    main->model.attrs.modelFace[0] = 1;
    ScopedDialogScript script;
    ScopedModalScript modal;
    Seen a, b;
    // Counted while the window shows: closing it refreshes the current-piece
    // window, whose own preview of the same model has its own message.
    std::size_t before = 0, first = 0, second = 0;
    modal.answers.push_back(Look(a, [&] {
        w.RedrawProjection();
        QTest::mouseClick(w.CheckBox1, Qt::LeftButton);
        first = script->Messages().size();
    }));
    modal.answers.push_back(Look(b, [&] { second = script->Messages().size() - before; }));
    main->BitBtn17->click();
    EXPECT_EQ(first, 1u);
    before = script->Messages().size();
    main->BitBtn17->click();
    EXPECT_EQ(second, 1u);
    EXPECT_EQ(w.contours.Cache().TraceCount(), 1);
}

TEST_F(ProjectionWindow, NoPiecesGiveAWhitePicture) {
    main->model.scene.Init();
    main->EnableDesignControls();
    ScopedModalScript modal;
    Seen seen;
    QImage shown;
    modal.answers.push_back(Look(seen, [&] { shown = w.Image1->canvas().Image(); }));
    main->BitBtn17->click();
    ASSERT_FALSE(shown.isNull());
    QImage white(shown.size(), shown.format());
    white.fill(Qt::white);
    EXPECT_EQ(shown, white);
}
