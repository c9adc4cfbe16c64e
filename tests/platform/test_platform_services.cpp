#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/widgets/FormBase.h"
#include "platform/widgets/Modal.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/RecordingStub.h"
#include "support/ScriptReport.h"

#include <cstdlib>
#include <stdexcept>

using namespace zv;

TEST(ErrorCatcher, AnErrorInAnEventIsShownAndTheLoopGoesOn) {
    ScopedDialogScript script;
    bool after = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("File access denied"); });
    QTimer::singleShot(5, [&] {
        after = true;
        QApplication::exit(0);
    });
    QApplication::exec();
    EXPECT_TRUE(after);
    ASSERT_EQ(script->Messages().size(), 1u);
    EXPECT_EQ(script->records[0].kind, MsgKind::Error);
    EXPECT_EQ(script->Messages()[0], "File access denied");
}

TEST(Dialogs, ScriptAnswersInOrderAndRecordsQuestions) {
    ScopedDialogScript script;
    script->messageAnswers = {MsgResult::No, MsgResult::Cancel};
    script->inputAnswers = {std::string("7")};
    EXPECT_FALSE(AskYesNo("Sterg ?"));
    EXPECT_EQ(ShowMessage(MsgKind::Confirmation, "Salvez ?", MsgButtons::YesNoCancel), MsgResult::Cancel);
    EXPECT_EQ(InputBox("COD", "Bucati feronerie:", "1"), std::optional<std::string>("7"));
    EXPECT_EQ(InputBox("COD", "Bucati feronerie:", "1"), std::nullopt); // nothing left: cancelled
    EXPECT_EQ(ShowMessage(MsgKind::Information, "Gata"), MsgResult::Ok);
    ASSERT_EQ(script->records.size(), 5u);
    EXPECT_EQ(script->records[2].caption, "COD");
    EXPECT_EQ(script->records[2].value, "1");
}

namespace {
class CountingForm : public FormBase<QDialog> {
public:
    int shows = 0, hides = 0;
    void FormShow() override { ++shows; }
    void FormHide() override { ++hides; }
};
} // namespace

// With a reporter set, a script must be used up: an answer no question
// took, or a window that found no answer left, fails the test that made it.
TEST(Dialogs, ScriptsNotUsedUpFailTheTest) {
    SetScriptReporter([](const char* file, int line, const std::string& what) { ADD_FAILURE_AT(file, line) << what; });
    struct Off {
        ~Off() { SetScriptReporter(&test::FailUnusedScript); }
    } off;
    const auto windowAnswerLeft = [] {
        ScopedModalScript modal;
        modal.answers.push_back([](QDialog&) { return int(QDialog::Accepted); });
    };
    const auto windowUnanswered = [] {
        ScopedModalScript modal;
        QDialog d;
        d.setObjectName("Gol");
        EXPECT_EQ(RunModal(d), QDialog::Rejected);
    };
    const auto dialogAnswersLeft = [] {
        ScopedDialogScript s;
        s->messageAnswers = {MsgResult::No};
        s->fileAnswers = {std::nullopt};
    };
    EXPECT_NONFATAL_FAILURE(windowAnswerLeft(), "1 scripted window answer(s) not used");
    EXPECT_NONFATAL_FAILURE(windowUnanswered(), "window \"Gol\" shown with no answer left");
    EXPECT_NONFATAL_FAILURE(dialogAnswersLeft(), "2 scripted dialog answer(s) not used: 1 message, 0 input, 1 file");
    // Used up exactly: nothing to report.
    ScopedModalScript modal;
    modal.answers.push_back([](QDialog&) { return int(QDialog::Accepted); });
    QDialog d;
    EXPECT_EQ(RunModal(d), QDialog::Accepted);
    EXPECT_TRUE(modal.answers.empty());
}

TEST(FormBase, ShowAndHideOncePerRealShowing) {
    CountingForm f;
    f.show();
    f.show();
    QApplication::processEvents();
    EXPECT_EQ(f.shows, 1);
    f.hide();
    f.hide();
    EXPECT_EQ(f.hides, 1);
    f.show();
    EXPECT_EQ(f.shows, 2);
}

TEST(Launcher, StartsThroughTheTableWithoutAShell) {
    QTemporaryDir dir;
    const RecordingStub stub(dir.path() + "/stub.sh");
    setenv("ZARVELO_REZLINOR", stub.path.toLocal8Bit().constData(), 1);
    EXPECT_EQ(OuterProgramPath(OuterProgram::Rezlinor), stub.path.toStdString());
    // A name with blanks and shell characters arrives as one argument.
    const int r = StartOuterProgram(OuterProgram::Rezlinor, {"Foaie Pal.app", "$(touch x);|"});
    EXPECT_FALSE(StartFailed(r));
    EXPECT_EQ(stub.Arguments(), (QStringList{"Foaie Pal.app", "$(touch x);|"}));
    unsetenv("ZARVELO_REZLINOR");

    setenv("ZARVELO_TRASALIN", "/no/such/program", 1);
    EXPECT_TRUE(StartFailed(StartOuterProgram(OuterProgram::Trasalin, {})));
    unsetenv("ZARVELO_TRASALIN");
    EXPECT_TRUE(StartFailed(StartProgram("zarvelo-no-such-program-anywhere", {})));
}

TEST(Launcher, StartsInTheGivenWorkingFolderAndKeepsOurs) {
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(root).mkdir("Demo"));
    const RecordingStub stub(root + "/stub.sh");
    const QString ours = QDir::currentPath();
    EXPECT_FALSE(StartFailed(StartProgram(stub.path.toStdString(), {}, (root + "/Demo").toStdString())));
    EXPECT_EQ(QDir::currentPath(), ours);
    EXPECT_EQ(stub.Folder(), root + "/Demo");

    // A working folder that is not there starts nothing.
    EXPECT_TRUE(StartFailed(StartProgram(stub.path.toStdString(), {}, (root + "/lipsa").toStdString())));
}

// The order programs are looked for in: the variable when set, then the
// start-up folder, then beside the designer, then the PATH.
TEST(Launcher, TheVariableComesBeforeTheStartupFolder) {
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(root).mkdir("Zarvelo"));
    const RecordingStub shipped(root + "/Zarvelo/Rezlinor");
    const RecordingStub replaced(root + "/stub.sh");
    const std::string startup = (root + "/Zarvelo").toStdString();
    struct Case {
        const char* what;
        QString variable;
        std::string startupFolder;
        std::string expected;
    };
    const Case cases[] = {
        {"variable set", replaced.path, startup, replaced.path.toStdString()},
        {"variable set, naming nothing there", "/no/such/optimiser", startup, "/no/such/optimiser"},
        {"variable empty", "", startup, shipped.path.toStdString()},
        {"no start-up folder", "", "", "Rezlinor"},
        {"start-up folder without it", "", root.toStdString(), "Rezlinor"},
    };
    for (const Case& c : cases) {
        setenv("ZARVELO_REZLINOR", c.variable.toLocal8Bit().constData(), 1);
        EXPECT_EQ(OuterProgramPath(OuterProgram::Rezlinor, c.startupFolder), c.expected) << c.what;
    }
    unsetenv("ZARVELO_REZLINOR");
}
