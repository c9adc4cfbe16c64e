#include "model/MobilaFile.h"
#include "model/PieceTables.h"
#include "platform/Dialogs.h"
#include "ui/Forms.h"
#include "ui/TCarPies.h"
#include "ui/TMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    QTemporaryDir dir;
    const std::string file = dir.filePath("Raft.mo4").toStdString();
    p.main->model.fileName = file;
    Move(p.main, 100);
    {
        ScopedDialogScript s;
        p.main->Salveazamobilacurenta1->trigger();
        ASSERT_EQ(s->Messages(), std::vector<std::string>{"Mobila a fost salvata !"});
    }
    EXPECT_FALSE(p.main->model.modified);
    EXPECT_FALSE(Forms().CarPies->Label11->isVisibleTo(Forms().CarPies));
    // The undo goes back behind the save: the file holds the moved piece, the window does not.
    p.main->BitBtn13Click();
    EXPECT_EQ(p.main->model.scene.PieceBox(0).x0, 0);
    EXPECT_EQ(ReadMobilaFile(file).points[0].x, 100);
    EXPECT_TRUE(p.main->model.modified);
    EXPECT_TRUE(Forms().CarPies->Label11->isVisibleTo(Forms().CarPies));
}

TEST(UndoWindow, GivesBackTheCurrentPiece) {
    Program p;
    TMain* m = p.main;
    m->model.scene.AddBox(0, 482, 0, 600, 18, 500);
    m->model.scene.AddBox(0, 18, 0, 18, 464, 500);
    m->model.pieceNames = {"Jos", "Sus", "Lateral"};
    m->model.scene.current = 2;
    m->RefreshPieceWindow();
    // Deleting the current piece makes the first one current.
    m->ApplyEdit([&] {
        m->model.scene.DeleteObject(2);
        m->model.attrs.RemoveSlot(2, 3);
        m->model.pieceNames.pop_back();
        return EditResult{};
    });
    ASSERT_EQ(m->model.scene.current, 0);
    ASSERT_EQ(Forms().CarPies->ComboBox2->currentIndex(), 0);
    QTest::mouseClick(m->BitBtn13, Qt::LeftButton);
    EXPECT_EQ(m->model.scene.pieceCount, 3);
    EXPECT_EQ(m->model.scene.current, 2);
    EXPECT_EQ(Forms().CarPies->ComboBox2->currentIndex(), 2);
    EXPECT_EQ(Forms().CarPies->ComboBox2->currentText(), "Lateral");
}

TEST(UndoWindow, KeepsTheViewRotation) {
    Program p;
    Move(p.main, 10);
    p.main->model.scene.rotX = 0.3;
    p.main->BitBtn13Click();
    EXPECT_EQ(p.main->model.scene.rotX, 0.3);
    EXPECT_EQ(p.main->windowTitle(), "Proiectare mobila - ");
}
