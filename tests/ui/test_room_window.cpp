// The room dialog and the room command, driven as the user drives them.
#include "platform/Dialogs.h"
#include "platform/widgets/Modal.h"
#include "ui/Forms.h"
#include "ui/TIntrodCamera.h"
#include "ui/TMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "support/ShownAnswer.h"

#include "support/Program.h"

using namespace zv;

namespace {
struct Program : TestProgram {
    Program() {
        main->model.scene.AddBox(0, 0, 0, 800, 2000, 600);
        main->model.pieceNames = {"Dulap"};
        main->EnableDesignControls();
        room = Forms().IntrodCamera;
    }
    // Answers the room dialog with `act` run in it.
    void WhenShown(std::function<void()> act) { modal.answers.push_back(ShownAnswer(std::move(act))); }
    int Count(const std::string& name) const {
        int n = 0;
        for (const auto& s : main->model.pieceNames) n += s == name ? 1 : 0;
        return n;
    }
    TIntrodCamera* room;
    ScopedModalScript modal;
};
} // namespace

TEST(RoomWindow, OpensOnTheCentredPresetAppliedAndTyping) {
    Program p;
    EXPECT_EQ(p.room->windowTitle(), "Introducere mobila in camera");
    p.WhenShown([&] {
        // The preset shown is the one applied: centred between walls 3890 apart.
        EXPECT_EQ(p.room->ComboBox1->currentText(), "centrat-spate");
        EXPECT_EQ(p.room->Edit5->text(), "1545");
        const struct {
            int item;
            const char* left;
        } cases[] = {{2, "40"}, {3, "3050"}, {1, "1545"}};
        for (const auto& c : cases) {
            p.room->ComboBox1->setCurrentIndex(c.item);
            p.room->ComboBox1Change();
            EXPECT_EQ(p.room->Edit5->text(), c.left);
        }
        p.room->Edit5->setText("77");
        QTest::keyClick(p.room->Edit1, Qt::Key_5);
        EXPECT_EQ(p.room->ComboBox1->currentIndex(), 0);
        EXPECT_EQ(p.room->Edit5->text(), "77");
        p.room->Edit1->setText("abc");
        p.room->ComboBox1->setCurrentIndex(2);
        p.room->ComboBox1Change(); // not a number: nothing
        EXPECT_EQ(p.room->Edit5->text(), "77");
    });
    p.main->Introduceremobilaincamera1Click();
    EXPECT_EQ(p.main->model.scene.pieceCount, 1); // cancelled
}

// The dialog changes nothing until "Creaza camera": a colour chosen in it
// neither enables "Anulare" nor overwrites the undo copy of the last edit.
TEST(RoomWindow, ColourLeavesTheUndoCopyAlone) {
    Program p;
    ScopedDialogScript script;
    script->colorAnswers.push_back(0x00FF00u);
    EXPECT_FALSE(p.main->BitBtn13->isEnabled());
    QTest::mouseClick(p.room->BitBtn3, Qt::LeftButton);
    EXPECT_FALSE(p.main->BitBtn13->isEnabled());
    EXPECT_EQ(p.room->wallColor, 0x00FF00u);
    EXPECT_FALSE(p.main->model.modified);

    p.WhenShown([&] { QTest::mouseClick(p.room->OkButton, Qt::LeftButton); });
    p.main->Introduceremobilaincamera1Click();
    ASSERT_EQ(p.main->model.scene.pieceCount, 5);
    script->colorAnswers.push_back(0x0000FFu);
    QTest::mouseClick(p.room->BitBtn2, Qt::LeftButton);
    EXPECT_EQ(p.room->floorColor, 0x0000FFu);
    // Undo still gives back the furniture from before the room.
    p.main->BitBtn13Click();
    EXPECT_EQ(p.main->model.scene.pieceCount, 1);
}

TEST(RoomWindow, MadeTwiceIsOneRoomAroundTheFurniture) {
    Program p;
    ScopedDialogScript script;
    p.WhenShown([&] { QTest::mouseClick(p.room->OkButton, Qt::LeftButton); });
    p.main->Introduceremobilaincamera1Click();
    EXPECT_EQ(p.main->model.scene.pieceCount, 5);
    EXPECT_EQ(p.main->model.pieceNames.back(), "Perete spate");
    EXPECT_TRUE(p.main->model.modified);
    EXPECT_TRUE(script->Messages().empty());

    // Again, from the other menu entry, 40 from the left wall.
    p.WhenShown([&] {
        EXPECT_EQ(p.room->Edit5->text(), "1545"); // the furniture's width, not the room's
        p.room->ComboBox1->setCurrentIndex(2);
        p.room->ComboBox1Change();
        QTest::mouseClick(p.room->OkButton, Qt::LeftButton);
    });
    p.main->Amenajarecamera1Click();
    const Scene3D& s = p.main->model.scene;
    ASSERT_EQ(s.pieceCount, 5);
    for (const char* n : {"Pardoseala", "Perete stanga", "Perete dreapta", "Perete spate"})
        EXPECT_EQ(p.Count(n), 1) << n;
    EXPECT_DOUBLE_EQ(s.PieceBox(0).x0 - s.PieceBox(2).x1, 40); // no wall through the furniture
    EXPECT_GT(s.PieceBox(3).x0, s.PieceBox(0).x1);
    EXPECT_TRUE(script->Messages().empty());
    // Undo gives back the first room.
    p.main->BitBtn13Click();
    EXPECT_EQ(s.pieceCount, 5);
    EXPECT_DOUBLE_EQ(s.PieceBox(0).x0 - s.PieceBox(2).x1, 1545);
}

TEST(RoomWindow, WallsAsThinAsABoardAreNoPartOfTheMaterialList) {
    Program p;
    ScopedDialogScript script;
    p.WhenShown([&] {
        p.room->Edit4->setText("50");
        QTest::mouseClick(p.room->OkButton, Qt::LeftButton);
    });
    p.main->Introduceremobilaincamera1Click();
    ASSERT_EQ(p.main->model.scene.pieceCount, 5);
    p.main->Listamateriale1Click();
    ASSERT_EQ(script->Messages().size(), 1u);
    EXPECT_NE(script->Messages()[0].find("Pal/pfl:\r  - nimic"), std::string::npos) << script->Messages()[0];
}

TEST(RoomWindow, BadSizesAreRefused) {
    Program p;
    ScopedDialogScript script;
    p.WhenShown([&] {
        p.room->Edit4->setText("x");
        QTest::mouseClick(p.room->OkButton, Qt::LeftButton);
    });
    p.main->Amenajarecamera1Click();
    EXPECT_EQ(script->Messages(), std::vector<std::string>{"Valoare invalida pentru dimensiunile camerei."});
    EXPECT_EQ(p.main->model.scene.pieceCount, 1);

    p.WhenShown([&] {
        p.room->Edit4->setText("55");
        QTest::mouseClick(p.room->CancelButton, Qt::LeftButton);
    });
    p.main->Amenajarecamera1Click();
    EXPECT_EQ(p.main->model.scene.pieceCount, 1);
    EXPECT_EQ(p.modal.shown, (std::vector<std::string>{"IntrodCamera", "IntrodCamera"}));
}
