// Saving the OpenGL view as a picture on a real display: the colours read
// back as drawn, and the window comes back whole on every path.
#include "support/Program.h"
#include "platform/Dialogs.h"
#include "platform/Picture.h"
#include "platform/widgets/Modal.h"
#include "platform/widgets/RadioGroup.h"
#include "ui/Forms.h"
#include "ui/GLView.h"
#include "ui/TCarPies.h"
#include "ui/THelp.h"
#include "ui/TMain.h"
#include "ui/TSalvImag.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/RecordingStub.h"

namespace zv {
namespace {

class PictureSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateForms();
        main = Forms().Main;
        ASSERT_TRUE(ShownWithOpenGL(main, 640, 480));
        Scene3D& s = main->model.scene;
        s.Clear();
        s.AddBox(0, 0, 0, 600, 800, 400);
        s.color[0] = Rgb(255, 0, 0);
        s.current = 0;
        main->model.pieceNames = {"Rosu"};
        main->model.name = "Cutie";
        main->model.exteriorView = 1;
        main->EnableDesignControls();
        QTest::mouseClick(main->RadioGroup2->Button(1), Qt::LeftButton); // "Rend hard"
        ASSERT_FALSE(main->SoftRenderChosen());
        main->SetHatch(true);
        Forms().CarPies->show();
        Forms().Help->show();
    }
    void TearDown() override { DestroyForms(); }

    // Runs the command with the format and the file given.
    void Save(int format, const QString& file, ScopedDialogScript& script) {
        ScopedModalScript modal;
        modal.answers.push_back([format](QDialog& d) {
            auto& w = static_cast<TSalvImag&>(d);
            w.RadioGroup1->SetItemIndex(format);
            w.RadioGroup2->SetItemIndex(0);
            return int(QDialog::Accepted);
        });
        script->fileAnswers.push_back(FileDialogAnswer{file.toStdString(), 1});
        main->SalvareimagineinformatBMPsauJPG1Click();
    }

    // Everything the capture took away is back, and the timers run.
    void ExpectRestored() {
        EXPECT_TRUE(main->Timer2->isActive());
        EXPECT_TRUE(main->Timer3->isActive());
        EXPECT_TRUE(main->Panel5->isVisible());
        EXPECT_TRUE(main->Panel6->isVisible());
        EXPECT_TRUE(main->menuBar()->isVisible());
        EXPECT_TRUE(main->HatchChecked());
        EXPECT_TRUE(Forms().CarPies->CheckBox2->isChecked());
        EXPECT_TRUE(Forms().CarPies->isVisible());
        EXPECT_TRUE(Forms().Help->isVisible());
    }

    TMain* main = nullptr;
};

TEST_F(PictureSaveTest, RedBoxReadsBackRedAsJpegAndBmp) {
    QTemporaryDir dir;
    RecordingStub paint(dir.path() + "/desen");
    ScopedEnv env("ZARVELO_PAINT", paint.path);
    struct Case {
        int format;
        QString name;
        const char* magic;
    };
    // The chosen format decides, whatever the name ends with.
    const Case cases[] = {{0, "cutie.jpg", "\xFF\xD8\xFF"}, {1, "cutie.bmp", "BM"}, {1, "cutie.emf", "BM"}};
    for (const auto& c : cases) {
        QFile::remove(paint.record);
        ScopedDialogScript script;
        const QString file = dir.filePath(c.name);
        Save(c.format, file, script);
        EXPECT_EQ(script->records.at(0).file.fileName, "Cutie" + std::string(c.format ? ".bmp" : ".jpg"));
        EXPECT_TRUE(script->Messages().empty()) << c.name.toStdString();
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.name.toStdString();
        EXPECT_TRUE(f.readAll().startsWith(c.magic)) << c.name.toStdString();
        QImage img;
        ASSERT_TRUE(LoadPicture(file.toStdString(), img).ok);
        // The view grew over the hidden panels and menu before the frame was drawn.
        EXPECT_GT(img.width(), main->Panel5->width());
        const QRgb centre = img.pixel(img.width() / 2, img.height() / 2);
        EXPECT_GT(qRed(centre), 60) << c.name.toStdString();
        EXPECT_GT(qRed(centre), 2 * qBlue(centre) + 20) << c.name.toStdString();
        EXPECT_GT(qRed(centre), 2 * qGreen(centre) + 20) << c.name.toStdString();
        EXPECT_EQ(paint.Wait(), (QStringList{QDir::currentPath(), "1", file}));
        ExpectRestored();
    }
}

TEST_F(PictureSaveTest, FailedSaveSaysSoAndRestoresEverything) {
    QTemporaryDir dir;
    RecordingStub paint(dir.path() + "/desen");
    ScopedEnv env("ZARVELO_PAINT", paint.path);
    ScopedDialogScript script;
    Save(0, dir.filePath("nu/exista/cutie.jpg"), script);
    ASSERT_EQ(script->Messages().size(), 1u);
    EXPECT_EQ(script->records.back().kind, MsgKind::Error);
    ExpectRestored();
    QTest::qWait(100);
    EXPECT_FALSE(paint.Ran());
}

TEST_F(PictureSaveTest, ProjectionInHardModeIsTheProjectionImage) {
    QTemporaryDir dir;
    main->Image2->canvas().SetSize(30, 20);
    main->Image2->canvas().Image().fill(QColor(0, 0, 255));
    ScopedDialogScript script;
    ScopedModalScript modal;
    modal.answers.push_back([](QDialog& d) {
        auto& w = static_cast<TSalvImag&>(d);
        w.RadioGroup1->SetItemIndex(1);
        w.RadioGroup2->SetItemIndex(2);
        return int(QDialog::Accepted);
    });
    script->fileAnswers.push_back(FileDialogAnswer{dir.filePath("stanga.bmp").toStdString(), 1});
    main->SalvareimagineinformatBMPsauJPG1Click();
    EXPECT_EQ(script->records.at(0).file.fileName, "Cutie");
    QImage img;
    ASSERT_TRUE(LoadPicture(dir.filePath("stanga.bmp").toStdString(), img).ok);
    EXPECT_EQ(img.size(), QSize(30, 20));
    EXPECT_EQ(img.pixel(5, 5) & 0xFFFFFFu, 0x0000FFu);
    EXPECT_TRUE(main->Timer2->isActive());
}

} // namespace
} // namespace zv
