#include "platform/Dialogs.h"
#include "ui/Forms.h"
#include "ui/TIntrodCamera.h"
#include "ui/TMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

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
    TIntrodCamera* room;
};
} // namespace

TEST(RoomWindow, PresetsAndTyping) {
    Program p;
    EXPECT_EQ(p.room->windowTitle(), "Introducere mobila in camera");
    EXPECT_EQ(p.room->ComboBox1->currentIndex(), 1);
    const struct { int item; const char* left; } cases[] = {{1, "1600"}, {2, "40"}, {3, "3050"}};
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
}

TEST(RoomWindow, ColourTakesTheSnapshot) {
    Program p;
    ScopedDialogScript script;
    script->colorAnswers.push_back(0x00FF00u);
    EXPECT_FALSE(p.main->BitBtn13->isEnabled());
    QTest::mouseClick(p.room->BitBtn3, Qt::LeftButton);
    EXPECT_TRUE(p.main->BitBtn13->isEnabled());
    EXPECT_EQ(p.room->wallColor, 0x00FF00u);
}

TEST(RoomWindow, CreatesTheRoomAndRefusesBadSizes) {
    Program p;
    ScopedDialogScript script;
    QTimer::singleShot(0, [&] { QTest::mouseClick(p.room->OkButton, Qt::LeftButton); });
    p.main->Introduceremobilaincamera1Click();
    EXPECT_EQ(p.main->model.scene.pieceCount, 5);
    EXPECT_EQ(p.main->model.pieceNames.back(), "Perete spate");
    EXPECT_TRUE(p.main->model.modified);
    EXPECT_TRUE(script->Messages().empty());

    p.room->Edit4->setText("x");
    QTimer::singleShot(0, [&] { QTest::mouseClick(p.room->OkButton, Qt::LeftButton); });
    p.main->Amenajarecamera1Click();
    EXPECT_EQ(script->Messages(), std::vector<std::string>{"Valoare invalida pentru dimensiunile camerei."});
    EXPECT_EQ(p.main->model.scene.pieceCount, 5);

    p.room->Edit4->setText("55");
    QTimer::singleShot(0, [&] { QTest::mouseClick(p.room->CancelButton, Qt::LeftButton); });
    p.main->Amenajarecamera1Click();
    EXPECT_EQ(p.main->model.scene.pieceCount, 5);
}
