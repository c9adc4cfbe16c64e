#include "model/PieceTables.h"
#include "platform/Dialogs.h"
#include "ui/Forms.h"
#include "ui/TCarPies.h"
#include "ui/TMain.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/Program.h"

using namespace zv;

namespace {
struct Program : TestProgram {
    Program() {
        main->show();
        QApplication::processEvents();
        AddPiece(main->model, {0, 0, 0, 600, 18, 500}, Scene3D::kDefaultColor, "Jos");
        main->EnableDesignControls();
    }
};

void Move(TMain* m, double dx) {
    m->ApplyEdit([&] {
        m->model.scene.MoveObject(m->model.scene.current, dx, 0, 0);
        return EditResult{};
    });
}
} // namespace

TEST(UndoWindow, MoveThenUndo) {
    Program p;
    EXPECT_FALSE(p.main->UndoPossible());
    EXPECT_FALSE(p.main->BitBtn13->isEnabled());
    Move(p.main, 100);
    EXPECT_TRUE(p.main->UndoPossible());
    EXPECT_TRUE(p.main->BitBtn13->isEnabled());
    EXPECT_TRUE(p.main->model.modified);
    EXPECT_TRUE(Forms().CarPies->Label11->isVisibleTo(Forms().CarPies));
    QTest::mouseClick(p.main->BitBtn13, Qt::LeftButton);
    EXPECT_EQ(p.main->model.scene.PieceBox(0).x0, 0);
    EXPECT_FALSE(p.main->BitBtn13->isEnabled());
    EXPECT_FALSE(p.main->model.modified);
    EXPECT_FALSE(Forms().CarPies->Label11->isVisibleTo(Forms().CarPies));
    EXPECT_EQ(p.main->model.dim.W, 600);
}

TEST(UndoWindow, TwoEditsOneUndo) {
    Program p;
    Move(p.main, 100);
    Move(p.main, 50);
    p.main->BitBtn13Click();
    EXPECT_EQ(p.main->model.scene.PieceBox(0).x0, 100);
    p.main->BitBtn13Click(); // disabled now: nothing
    EXPECT_EQ(p.main->model.scene.PieceBox(0).x0, 100);
}

TEST(UndoWindow, EditSaveUndoStaysModified) {
    Program p;
    Move(p.main, 100);
    // A successful save clears the flag and counts.
    p.main->model.saveCount++;
    p.main->SetModified(false);
    p.main->BitBtn13Click();
    EXPECT_TRUE(p.main->model.modified);
    EXPECT_TRUE(Forms().CarPies->Label11->isVisibleTo(Forms().CarPies));
}

TEST(UndoWindow, KeepsTheViewRotation) {
    Program p;
    Move(p.main, 10);
    p.main->model.scene.rotX = 0.3;
    p.main->BitBtn13Click();
    EXPECT_EQ(p.main->model.scene.rotX, 0.3);
    EXPECT_EQ(p.main->windowTitle(), "Proiectare mobila - ");
}
