#include "platform/Dialogs.h"
#include "ui/Forms.h"
#include "ui/TCarPies.h"
#include "ui/TMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "support/FolderRecorder.h"
#include "support/Program.h"

using namespace zv;

namespace {
struct Program : TestProgram {
    explicit Program(std::vector<std::string> args = {}) {
        main->commandLineArgs = std::move(args);
    }
};

QAction* FindAction(QWidget* w, const QString& text) {
    for (QAction* a : w->findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}
} // namespace

TEST(MainStartup, CreatesTheWindowsOnceInOrder) {
    Program p;
    const AppForms& f = Forms();
    EXPECT_EQ(p.main->windowTitle(), "Proiectare mobila");
    const std::pair<QWidget*, const char*> expected[] = {
        {reinterpret_cast<QWidget*>(f.MobiNoua), "Mobila noua"},
        {reinterpret_cast<QWidget*>(f.PiesaNoua), "Piesa Noua"},
        {reinterpret_cast<QWidget*>(f.CarPies), "Caract. piesa curenta"},
        {reinterpret_cast<QWidget*>(f.PalPfl), "Pal/pfl"},
        {reinterpret_cast<QWidget*>(f.Feronerie), "Feronerie"},
        {reinterpret_cast<QWidget*>(f.CalculareDeviz), "Deviz"},
    };
    for (const auto& [w, caption] : expected) {
        ASSERT_NE(w, nullptr) << caption;
    }
    // 29 windows: the main one and 28 dialogs, none shown before start-up.
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(w) && w->objectName() != "") ++dialogs;
    EXPECT_GE(dialogs, 28);
}

TEST(MainStartup, MenusAndShortcuts) {
    Program p;
    const struct { const char* text; const char* key; } entries[] = {
        {"Mobila noua", "Ctrl+N"}, {"Deschide fisier", "Ctrl+D"}, {"Deschide fisier cu preview", "Ctrl+P"},
        {"Salveaza mobila curenta", "Ctrl+S"}, {"Salveaza cu nume nou", ""}, {"Inchide proiect curent", ""},
        {"Lista materiale", "Ctrl+M"}, {"Exporta piese in Excel", ""}, {"Exit", ""},
        {"Salvare mobila in format JPG sau BMP", ""}, {"Exportare in format VRML 1.00", ""},
        {"Adaugare mobila dintr-un fisier", ""}, {"Creare interior sertar piesa curenta", ""},
        {"Introducere mobila in camera", ""}, {"Rotatie OY mobila cu 90 de grade", ""},
        {"Simetrie ZOY mobila", ""}, {"Redimensionare mobila", ""}, {"Micsorare jur-imprejur", ""},
        {"Schimbare material (cod pal/pfl)", ""}, {"Schimbare culoare", ""},
        {"Recalculare dimensiuni mobila", ""}, {"Rotunjire dimensiuni si pozitii", ""},
        {"Distanta intre doua piese", ""}, {"Afisare proiectie cu cote", ""}, {"Pal/pfl", ""}, {"Feronerie", ""},
        {"Afisare mini-ferestre cu proiectii 2D", ""}, {"Redenumire mobila", ""},
        {"Afisare modele decupare concave", ""}, {"Vizualizare interior / exterior piese", ""},
        {"Toata fereastra", "Ctrl+T"}, {"Desenare contur", ""}, {"Desenare contur cu Paint Brush", ""},
        {"Pozitionare piese pe foi de pal", ""}, {"Amenajare camera", ""}, {"Ajutor", "F1"},
        {"Demonstratie", ""}, {"Despre", ""},
    };
    for (const auto& e : entries) {
        QAction* a = FindAction(p.main, e.text);
        ASSERT_NE(a, nullptr) << e.text;
        EXPECT_EQ(a->shortcut().toString(), e.key) << e.text;
    }
    EXPECT_FALSE(FindAction(p.main, "Schimbare culoare")->isVisible());
    EXPECT_TRUE(FindAction(p.main, "Afisare modele decupare concave")->isChecked());
    QStringList menus;
    for (QAction* a : p.main->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, QStringList({"Fisier", "&Unelte", "&Materiale", "S&etari", "M&odule", "Aj&utor"}));
}

TEST(MainStartup, NoArgumentLeavesTheDesignControlsDisabled) {
    ScopedDialogScript script;
    Program p;
    p.main->show();
    QApplication::processEvents();
    EXPECT_TRUE(script->records.empty());
    for (const char* name : {"BitBtn4", "BitBtn5", "BitBtn6", "BitBtn11", "BitBtn12", "BitBtn13", "BitBtn14",
                             "BitBtn15", "BitBtn16", "BitBtn17", "BitBtn18"})
        EXPECT_FALSE(p.main->findChild<QPushButton*>(name)->isEnabled()) << name;
    EXPECT_FALSE(p.main->RadioGroup1->isEnabled());
    EXPECT_FALSE(p.main->RadioGroup2->isEnabled());
    EXPECT_FALSE(p.main->Salveazamobilacurenta1->isEnabled());
    EXPECT_FALSE(p.main->Unelte1->menuAction()->isEnabled());
    EXPECT_FALSE(p.main->Setari1->menuAction()->isEnabled());
    EXPECT_FALSE(p.main->Pozitionarepiesepefoidepal1->isEnabled());
    EXPECT_TRUE(p.main->Nou1->isEnabled());
    EXPECT_TRUE(p.main->ComboBox3->isEnabled());
    EXPECT_EQ(p.main->ComboBox3->currentIndex(), 0);
    EXPECT_EQ(p.main->Edit7->text(), "100");
    EXPECT_EQ(p.main->RadioGroup2->ItemIndex(), 1); // "Rend hard"
    EXPECT_TRUE(Forms().CarPies->CheckBox2->isChecked());
    EXPECT_EQ(p.main->model.scene.miniScale, 0.05);
    EXPECT_TRUE(p.main->model.hasFileName);
    EXPECT_FALSE(p.main->model.modified);
    EXPECT_EQ(p.main->model.attrs.textureIndex[0], -1);
    EXPECT_EQ(p.main->model.textures.requestedWidth[199], 500);
    EXPECT_FALSE(p.main->startupFolder.empty());
}

TEST(MainStartup, CommandLineMistakes) {
    const struct {
        std::vector<std::string> args;
        MsgKind kind;
        const char* text;
    } cases[] = {
        {{"/no/such/file.mo4"}, MsgKind::Error, "Fisier inexistent"},
        {{"a.mo4", "b.mo4"}, MsgKind::Warning, "Numar incorect de parametri de executie ai programului."},
    };
    for (const auto& c : cases) {
        ScopedDialogScript script;
        Program p(c.args);
        p.main->show();
        QApplication::processEvents();
        ASSERT_EQ(script->records.size(), 1u);
        EXPECT_EQ(script->records[0].kind, c.kind);
        EXPECT_EQ(script->records[0].text, c.text);
        EXPECT_TRUE(p.main->model.fileName.empty());
        EXPECT_FALSE(p.main->BitBtn4->isEnabled());
    }
}

TEST(MainStartup, FormShowRunsOnce) {
    ScopedDialogScript script;
    Program p({"a", "b"});
    p.main->show();
    QApplication::processEvents();
    p.main->hide();
    p.main->show();
    p.main->showMinimized();
    p.main->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(script->Messages().size(), 1u);
}

TEST(MainStartup, EnableAndDisableDesignControls) {
    Program p;
    p.main->show();
    p.main->EnableDesignControls();
    EXPECT_TRUE(p.main->BitBtn4->isEnabled());
    EXPECT_TRUE(p.main->Salveazacunumenou1->isEnabled());
    EXPECT_FALSE(p.main->BitBtn13->isEnabled()); // only a snapshot enables undo
    p.main->BitBtn13->setEnabled(true);
    p.main->DisableDesignControls();
    EXPECT_FALSE(p.main->BitBtn13->isEnabled());
    EXPECT_FALSE(p.main->Inchideproiectcurent1->isEnabled());
}

TEST(MainStartup, ExitAsksNothing) {
    ScopedDialogScript script;
    Program p;
    p.main->show();
    p.main->model.modified = true;
    p.main->model.hasFileName = false;
    QTimer::singleShot(0, [&] { p.main->Exit1->trigger(); });
    const int rc = QApplication::exec();
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(script->records.empty());
}

TEST(MainStartup, DemonstrationStartsThePlayerInTheDemoFolder) {
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(root).mkdir("Demo"));
    const QString stub = root + "/player.sh";
    const QString out = root + "/where.txt";
    ASSERT_TRUE(WriteFolderRecorder(stub, out));
    const QString old = QDir::currentPath();
    setenv("ZARVELO_DEMO", stub.toLocal8Bit().constData(), 1);
    {
        ScopedDialogScript script;
        Program p;
        p.main->startupFolder = root.toStdString();
        p.main->Demonstratie1Click();
        EXPECT_EQ(QDir::currentPath(), old) << "the designer's current folder is left alone";
        EXPECT_EQ(RecordedFolder(out), root + "/Demo") << "the player's own working folder";
        EXPECT_TRUE(script->records.empty());

        // No "Demo" folder: the I/O error, nothing started.
        p.main->startupFolder = (root + "/nowhere").toStdString();
        p.main->Demonstratie1Click();
        EXPECT_EQ(script->Messages(), std::vector<std::string>{"Invalid filename"});

        // A player that cannot be started is named.
        const std::string missing = (root + "/lipsa/DemoZarvelo").toStdString();
        setenv("ZARVELO_DEMO", missing.c_str(), 1);
        p.main->startupFolder = root.toStdString();
        p.main->Demonstratie1Click();
        ASSERT_EQ(script->Messages().size(), 2u);
        EXPECT_EQ(script->Messages()[1], "Nu am putut porni programul de demonstratie \"" + missing + "\".");
        EXPECT_EQ(QDir::currentPath(), old);
    }
    unsetenv("ZARVELO_DEMO");
    QDir::setCurrent(old);
}
