#include "platform/Dialogs.h"
#include "platform/widgets/Modal.h"
#include "ui/Forms.h"
#include "ui/TAdaugMob.h"
#include "ui/TAdaugaFeronerie.h"
#include "ui/TAdaugaPalPfl.h"
#include "ui/TCalculareDeviz.h"
#include "ui/TCarPies.h"
#include "ui/TCreareSertar.h"
#include "ui/TDespre.h"
#include "ui/TDistPiese.h"
#include "ui/TFeronerie.h"
#include "ui/TFeroneriePiesa.h"
#include "ui/THelp.h"
#include "ui/TIncarcDate.h"
#include "ui/TIntrodCamera.h"
#include "ui/TJur_Imp.h"
#include "ui/TMain.h"
#include "ui/TMobiNoua.h"
#include "ui/TOptimFoaie.h"
#include "ui/TPalPfl.h"
#include "ui/TPiesaNoua.h"
#include "ui/TProiect.h"
#include "ui/TRedimMob.h"
#include "ui/TRedimensionarePiesa.h"
#include "ui/TSalvImag.h"
#include "ui/TSchimbCulo.h"
#include "ui/TSchimbareCodPalPfl.h"
#include "ui/TSelProiect.h"
#include "ui/TSelePies.h"
#include "ui/TTang.h"
#include "ui/TVizualizarePoza.h"

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
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

#include "support/RecordingStub.h"
#include "support/Program.h"

using namespace zv;

namespace {
struct Program : TestProgram {
    explicit Program(std::vector<std::string> args = {}) { main->commandLineArgs = std::move(args); }
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
    // The 29 windows in their creation order, each with its slot in Forms().
    const std::pair<const char*, const QWidget*> windows[] = {
        {"TMain", f.Main},
        {"TMobiNoua", f.MobiNoua},
        {"TPiesaNoua", f.PiesaNoua},
        {"TCarPies", f.CarPies},
        {"TTang", f.Tang},
        {"TSelePies", f.SelePies},
        {"TDespre", f.Despre},
        {"TAdaugMob", f.AdaugMob},
        {"TSalvImag", f.SalvImag},
        {"TJur_Imp", f.Jur_Imp},
        {"TRedimMob", f.RedimMob},
        {"TDistPiese", f.DistPiese},
        {"THelp", f.Help},
        {"TIntrodCamera", f.IntrodCamera},
        {"TSchimbCulo", f.SchimbCulo},
        {"TOptimFoaie", f.OptimFoaie},
        {"TProiect", f.Proiect},
        {"TSelProiect", f.SelProiect},
        {"TCreareSertar", f.CreareSertar},
        {"TFeronerie", f.Feronerie},
        {"TIncarcDate", f.IncarcDate},
        {"TVizualizarePoza", f.VizualizarePoza},
        {"TPalPfl", f.PalPfl},
        {"TAdaugaFeronerie", f.AdaugaFeronerie},
        {"TAdaugaPalPfl", f.AdaugaPalPfl},
        {"TFeroneriePiesa", f.FeroneriePiesa},
        {"TCalculareDeviz", f.CalculareDeviz},
        {"TSchimbareCodPalPfl", f.SchimbareCodPalPfl},
        {"TRedimensionarePiesa", f.RedimensionarePiesa},
    };
    // Every window of the program that exists, by class, and the creation
    // order the start-up recorded on each.
    std::map<std::string, std::vector<const QWidget*>> byClass;
    std::vector<std::pair<int, std::string>> created;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        std::string cls = w->metaObject()->className();
        if (cls.rfind("zv::", 0) == 0) cls.erase(0, 4);
        byClass[cls].push_back(w);
        if (const QVariant n = w->property("creationOrder"); n.isValid()) created.emplace_back(n.toInt(), cls);
    }
    std::sort(created.begin(), created.end());
    std::vector<std::pair<int, std::string>> expected;
    for (int i = 0; i < 29; ++i) expected.emplace_back(i, windows[i].first);
    EXPECT_EQ(created, expected);
    for (const auto& [cls, w] : windows) {
        SCOPED_TRACE(cls);
        ASSERT_NE(w, nullptr);
        ASSERT_EQ(byClass[cls].size(), 1u) << "created more than once";
        EXPECT_EQ(byClass[cls][0], w);
        EXPECT_FALSE(w->isVisible()) << "shown before start-up";
    }
    EXPECT_EQ(p.main->windowTitle(), "Proiectare mobila");
    const std::pair<const QWidget*, const char*> captions[] = {
        {f.MobiNoua, "Mobila noua"}, {f.PiesaNoua, "Piesa Noua"}, {f.CarPies, "Caract. piesa curenta"},
        {f.PalPfl, "Pal/pfl"},       {f.Feronerie, "Feronerie"},  {f.CalculareDeviz, "Deviz"},
    };
    for (const auto& [w, caption] : captions) EXPECT_EQ(w->windowTitle(), caption);
}

TEST(MainStartup, MenusAndShortcuts) {
    Program p;
    const struct {
        const char* text;
        const char* key;
    } entries[] = {
        {"Mobila noua", "Ctrl+N"},
        {"Deschide fisier", "Ctrl+D"},
        {"Deschide fisier cu preview", "Ctrl+P"},
        {"Salveaza mobila curenta", "Ctrl+S"},
        {"Salveaza cu nume nou", ""},
        {"Inchide proiect curent", ""},
        {"Lista materiale", "Ctrl+M"},
        {"Exporta piese in Excel", ""},
        {"Exit", ""},
        {"Salvare mobila in format JPG sau BMP", ""},
        {"Exportare in format VRML 1.00", ""},
        {"Adaugare mobila dintr-un fisier", ""},
        {"Creare interior sertar piesa curenta", ""},
        {"Introducere mobila in camera", ""},
        {"Rotatie OY mobila cu 90 de grade", ""},
        {"Simetrie ZOY mobila", ""},
        {"Redimensionare mobila", ""},
        {"Micsorare jur-imprejur", ""},
        {"Schimbare material (cod pal/pfl)", ""},
        {"Schimbare culoare", ""},
        {"Recalculare dimensiuni mobila", ""},
        {"Rotunjire dimensiuni si pozitii", ""},
        {"Distanta intre doua piese", ""},
        {"Afisare proiectie cu cote", ""},
        {"Pal/pfl", ""},
        {"Feronerie", ""},
        {"Afisare mini-ferestre cu proiectii 2D", ""},
        {"Redenumire mobila", ""},
        {"Afisare modele decupare concave", ""},
        {"Vizualizare interior / exterior piese", ""},
        {"Toata fereastra", "Ctrl+T"},
        {"Desenare contur", ""},
        {"Desenare contur cu Paint Brush", ""},
        {"Pozitionare piese pe foi de pal", ""},
        {"Amenajare camera", ""},
        {"Ajutor", "F1"},
        {"Demonstratie", ""},
        {"Despre", ""},
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
    ScopedModalScript modal;
    Program p;
    p.main->show();
    p.main->model.modified = true;
    p.main->model.hasFileName = false;
    QTimer::singleShot(0, [&] { p.main->Exit1->trigger(); });
    const int rc = QApplication::exec();
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(script->records.empty());
    EXPECT_TRUE(modal.shown.empty());
}

TEST(MainStartup, DemonstrationStartsThePlayerInTheDemoFolder) {
    QTemporaryDir dir;
    const QString root = QFileInfo(dir.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(root).mkdir("Demo"));
    const RecordingStub stub(root + "/player.sh");
    const QString old = QDir::currentPath();
    setenv("ZARVELO_DEMO", stub.path.toLocal8Bit().constData(), 1);
    {
        ScopedDialogScript script;
        Program p;
        p.main->startupFolder = root.toStdString();
        p.main->Demonstratie1Click();
        EXPECT_EQ(QDir::currentPath(), old) << "the designer's current folder is left alone";
        EXPECT_EQ(stub.Folder(), root + "/Demo") << "the player's own working folder";
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
