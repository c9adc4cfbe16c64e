// The room dialog and the room command, driven as the user drives them.
#include "platform/Dialogs.h"
#include "platform/widgets/Modal.h"
#include "ui/Forms.h"
#include "ui/TCreareSertar.h"
#include "ui/TIntrodCamera.h"
#include "ui/TMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <iterator>
#include <vector>
#include <gtest/gtest.h>

#include "support/ShownAnswer.h"

#include "support/Program.h"
#include "support/Unchanged.h"

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

// A wrong field keeps the dialog open with everything typed, names the field
// and takes the focus; abandoned, the furniture and its undo level are as before.
TEST(RoomWindow, BadFieldsKeepTheRoomAndDrawerDialogsOpen) {
    Program p;
    ScopedDialogScript script;
    TIntrodCamera* room = p.room;
    TCreareSertar* drawer = Forms().CreareSertar;
    const std::vector<QLineEdit*> roomFields = {room->Edit1, room->Edit2, room->Edit3, room->Edit4,
                                                room->Edit5, room->Edit6, room->Edit7};
    const std::vector<QLineEdit*> drawerFields = {drawer->Edit1, drawer->Edit10, drawer->Edit2, drawer->Edit3,
                                                  drawer->Edit4, drawer->Edit5,  drawer->Edit6, drawer->Edit7};
    const char* drawerValues[] = {"450", "8", "4", "16", "20", "20", "30", "20"};
    const struct {
        bool inRoom;
        int field;
        const char* text;
        std::string message;
    } cases[] = {
        {true, 0, "1e300",
         "Valoare invalida in campul \"Latime:\": trebuie sa fie mai mare decat 0 si cel mult 1000000 mm."},
        {true, 3, "x", "Valoare invalida in campul \"Gros pereti:\": nu este un numar."},
        {true, 6, "-1e300", "Valoare invalida in campul \"Spate:\": trebuie sa fie intre -1000000 si 1000000 mm."},
        {true, 0, "100", "Valoare invalida in campul \"Latime:\": camera trebuie sa fie mai lata decat doi pereti."},
        {false, 0, "1e300",
         "Valoare invalida in campul \"Adancime sertar (fara fata):\": trebuie sa fie mai mare decat 0 si cel mult "
         "1000000 mm."},
        {false, 1, "abc", "Valoare invalida in campul \"Carton peste laterale (mm):\": nu este un numar."},
        {false, 1, "17",
         "Valoare invalida in campul \"Carton peste laterale (mm):\": cartonul nu poate iesi in afara "
         "lateralelor."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        script->records.clear();
        const Unchanged before(*p.main);
        QDialog* d = c.inRoom ? static_cast<QDialog*>(room) : drawer;
        const std::vector<QLineEdit*>& fields = c.inRoom ? roomFields : drawerFields;
        QLineEdit* bad = fields[static_cast<std::size_t>(c.field)];
        const QString original = bad->text();
        bool stayedOpen = false;
        p.WhenShown([&] {
            if (!c.inRoom)
                for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->setText(drawerValues[i]);
            bad->selectAll();
            QTest::keyClicks(bad, c.text);
            std::vector<QString> typed;
            for (QLineEdit* e : fields) typed.push_back(e->text());
            QTest::mouseClick(c.inRoom ? room->OkButton : drawer->OkButton, Qt::LeftButton);
            stayedOpen = d->isVisible();
            EXPECT_EQ(d->focusWidget(), bad);
            for (std::size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(fields[i]->text(), typed[i]) << i;
        });
        if (c.inRoom)
            p.main->Introduceremobilaincamera1Click();
        else
            p.main->Creareinteriorsertar1Click();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(script->Messages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(before.Same(*p.main));
        bad->setText(original);
    }
    EXPECT_EQ(p.modal.shown.size(), std::size(cases));

    // Corrected, the drawer is made behind the current piece.
    script->records.clear();
    p.WhenShown([&] {
        for (std::size_t i = 0; i < drawerFields.size(); ++i) drawerFields[i]->setText(drawerValues[i]);
        QTest::mouseClick(drawer->OkButton, Qt::LeftButton);
    });
    p.main->Creareinteriorsertar1Click();
    EXPECT_TRUE(script->Messages().empty());
    EXPECT_EQ(p.main->model.scene.pieceCount, 5);
}
