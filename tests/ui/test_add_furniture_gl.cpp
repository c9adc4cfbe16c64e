// The sample bookcase added to the right of the sample wardrobe, seen in the
// software view and in the OpenGL view. With ZV_SHOT_DIR set the two pictures
// are written there to be looked at.
#include "support/Program.h"
#include "platform/Dialogs.h"
#include "platform/widgets/Modal.h"
#include "platform/widgets/RadioGroup.h"
#include "ui/Forms.h"
#include "ui/GLView.h"
#include "ui/TAdaugMob.h"
#include "ui/TMain.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "support/ShownAnswer.h"

namespace zv {
namespace {

// The width over the height of what is not white, inside a margin that
// leaves out the view's frame and its "3D" label.
double DrawnAspect(const QImage& img) {
    const int m = 24;
    int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
    for (int y = m; y < img.height() - m; ++y)
        for (int x = m; x < img.width() - m; ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    return x1 < x0 ? 0.0 : double(x1 - x0 + 1) / double(y1 - y0 + 1);
}

void Keep(const QImage& img, const char* name) {
    if (const char* dir = std::getenv("ZV_SHOT_DIR")) img.save(QDir(dir).filePath(name));
}

class AddFurnitureGL : public ::testing::Test {
protected:
    void SetUp() override {
        // The samples and their textures in a folder of the test's own, the
        // current folder, as the program's start-up folder is.
        ASSERT_TRUE(dir.isValid());
        QDirIterator it(ZV_DATA_DIR, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString rel = QDir(ZV_DATA_DIR).relativeFilePath(from);
            if (!rel.endsWith(".mo4") && !rel.startsWith("texturi/")) continue;
            QDir(dir.path()).mkpath(QFileInfo(rel).path());
            ASSERT_TRUE(QFile::copy(from, dir.filePath(rel)));
        }
        QDir::setCurrent(dir.path());
        CreateForms();
        main = Forms().Main;
        main->startupFolder = dir.path().toStdString();
        ASSERT_TRUE(ShownWithOpenGL(main, 1000, 700));
    }
    void TearDown() override {
        DestroyForms();
        QDir::setCurrent(previous);
    }

    QImage SoftShot() {
        QTest::mouseClick(main->RadioGroup2->Button(0), Qt::LeftButton); // "Rend soft"
        main->Redraw3D();
        return main->Image4->canvas().Image().copy();
    }
    QImage GLShot() {
        QTest::mouseClick(main->RadioGroup2->Button(1), Qt::LeftButton); // "Rend hard"
        main->ClearGLFrame();
        main->RenderScene(-2);
        QImage img;
        main->WindowShotGL2(img);
        return img;
    }

    // The view turned straight to the front for one picture, then back.
    QImage FrontShot(bool soft) {
        Scene3D& s = main->model.scene;
        const double r[3] = {s.rotX, s.rotY, s.rotZ};
        s.rotX = s.rotY = s.rotZ = 0;
        const QImage img = soft ? SoftShot() : GLShot();
        s.rotX = r[0];
        s.rotY = r[1];
        s.rotZ = r[2];
        return img;
    }

    QString previous = QDir::currentPath();
    QTemporaryDir dir;
    TMain* main = nullptr;
};

TEST_F(AddFurnitureGL, BookcaseRightOfTheWardrobeInBothViews) {
    main->model.fileName = dir.filePath("Dulap.mo4").toStdString();
    ASSERT_TRUE(main->OpenFurniture());
    main->AfterFileOpened();
    Keep(SoftShot(), "before_soft.png");
    Keep(GLShot(), "before_gl.png");
    const double softBefore = DrawnAspect(FrontShot(true));
    const double glBefore = DrawnAspect(FrontShot(false));

    ScopedDialogScript dialogs;
    ScopedModalScript modal;
    dialogs->fileAnswers.push_back(FileDialogAnswer{dir.filePath("Biblioteca.mo4").toStdString(), 1});
    modal.answers.push_back(ShownAnswer([] {
        Keep(Forms().AdaugMob->grab().toImage(), "add_furniture_dialog.png");
        QTest::mouseClick(Forms().AdaugMob->BitBtn1, Qt::LeftButton);
    }));
    main->Adaugaremobiladintrunfisier1->trigger();
    ASSERT_TRUE(dialogs->Messages().empty());

    const Furniture& m = main->model;
    ASSERT_EQ(m.scene.pieceCount, 10 + 9);
    EXPECT_EQ(m.scene.MaxX() - m.scene.MinX(), 1000 + 800);
    EXPECT_EQ(m.scene.PieceBox(10).x0, 1000); // its left side against the wardrobe's right
    EXPECT_EQ(m.scene.PieceBox(10).y0, 0);
    // Both backs at the same depth: the wardrobe's back panel and the bookcase's.
    EXPECT_EQ(m.scene.PieceBox(14).z1, m.scene.PieceBox(5).z1);
    // One atlas slot per distinct picture of both: the bookcase adds cherry only.
    std::set<std::string> files;
    for (int i = 0; i < m.scene.pieceCount; ++i)
        if (!m.attrs.textureFile[static_cast<std::size_t>(i)].empty())
            files.insert(m.attrs.textureFile[static_cast<std::size_t>(i)]);
    EXPECT_EQ(files.size(), 5u);
    EXPECT_EQ(m.textures.count, 5);

    const QImage soft = SoftShot();
    const QImage gl = GLShot();
    Keep(soft, "add_furniture_soft.png");
    Keep(gl, "add_furniture_gl.png");
    Keep(main->grab().toImage(), "add_furniture_window.png");
    // Seen from the front the drawing grew wider for its height in both views
    // (1000 x 2000 before, 1800 x 2000 after).
    EXPECT_GT(DrawnAspect(FrontShot(true)), softBefore * 1.4);
    EXPECT_GT(DrawnAspect(FrontShot(false)), glBefore * 1.4);
}

} // namespace
} // namespace zv
