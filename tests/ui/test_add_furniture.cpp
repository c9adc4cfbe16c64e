// "Adaugare mobila dintr-un fisier": the file chosen in the open dialog, staged
// in the dialog as position and rotation change, added in one edit.
#include "model/AddFurniture.h"
#include "support/ModelValues.h"
#include "model/MobilaFile.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/widgets/Modal.h"
#include "ui/Forms.h"
#include "ui/TAdaugMob.h"
#include "ui/TMain.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "support/Program.h"
#include "support/ShownAnswer.h"
#include "support/Unchanged.h"

using namespace zv;
using zv::test::EmptyFurniture;

namespace {

QString Field(double v) { return QString::fromStdString(FormatField(v)); }

// `count` boxes 18 x 400 x 300 side by side from x, named after `name`.
std::unique_ptr<Furniture> Boxes(const std::string& name, int count, double x = 0) {
    auto f = EmptyFurniture();
    f->name = name;
    for (int i = 0; i < count; ++i) {
        f->scene.AddBox(x + i * 20.0, 0, 0, 18, 400, 300);
        f->pieceNames.push_back(name + " " + std::to_string(i + 1));
    }
    RecomputeFurnitureSize(f->scene, f->dim);
    return f;
}

// The open furniture: an 800 x 720 carcass 304 deep with its back applied.
struct Program : TestProgram {
    Program() {
        QDir(dir.path()).mkpath("start");
        main->startupFolder = Path("start");
        // The program's current folder is its start-up folder.
        QDir::setCurrent(QString::fromStdString(main->startupFolder));
        Add("Lateral stanga", 0, 0, 0, 18, 720, 300);
        Add("Lateral dreapta", 782, 0, 0, 18, 720, 300);
        Add("Blat", 18, 702, 0, 764, 18, 300);
        Add("Spate", 8, 8, 300, 784, 704, 4);
        Finish();
    }
    ~Program() { QDir::setCurrent(previousFolder); }
    void Add(const std::string& name, double x, double y, double z, double sx, double sy, double sz) {
        Furniture& f = main->model;
        const auto i = static_cast<std::size_t>(f.scene.pieceCount);
        f.scene.AddBox(x, y, z, sx, sy, sz);
        f.attrs.materialCode[i] = "PAL18";
        f.attrs.hardware[i].Add("SURUB", 4);
        f.pieceNames.push_back(name);
    }
    void Finish() {
        Furniture& f = main->model;
        RecomputeFurnitureSize(f.scene, f.dim);
        f.name = "Corp";
        f.backType = BackType::Aplicat;
        f.scene.current = 0;
        main->EnableDesignControls();
        main->RefreshPieceWindow();
        main->SetModified(false);
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::string Captured() const { return EncodeMobilaFile(CaptureMobilaFile(main->model, 0)); }
    // A furniture 600 x 400 x 300 from the origin, back inset, with hardware
    // and a code on its second piece.
    std::string WriteComoda() const {
        auto f = EmptyFurniture();
        f->name = "Comoda";
        f->backType = BackType::Incastrat;
        const double boxes[3][6] = {{0, 0, 0, 18, 400, 300}, {582, 0, 0, 18, 400, 300}, {18, 382, 0, 564, 18, 300}};
        const char* names[3] = {"Comoda stanga", "Comoda dreapta", "Comoda blat"};
        for (int i = 0; i < 3; ++i) {
            const double* b = boxes[i];
            f->scene.AddBox(b[0], b[1], b[2], b[3], b[4], b[5]);
            f->pieceNames.push_back(names[i]);
        }
        f->attrs.hardware[1].Add("MANER", 2);
        f->attrs.materialCode[1] = "PAL18ALB";
        const std::string path = Path("Comoda.mo4");
        WriteMobilaFile(path, CaptureMobilaFile(*f, 0));
        return path;
    }
    // The command with `path` chosen in the open dialog and `act` run in the
    // shown dialog.
    void Run(const std::string& path, std::function<void()> act) {
        dialogs->fileAnswers.push_back(FileDialogAnswer{path, 1});
        modal.answers.push_back(ShownAnswer(std::move(act)));
        main->Adaugaremobiladintrunfisier1->trigger();
    }
    static TAdaugMob* Dialog() { return Forms().AdaugMob; }
    // One pick in a list, as the user makes it.
    static void Pick(QComboBox* c, Qt::Key key) {
        c->setFocus();
        QTest::keyClick(c, key);
    }

    QString previousFolder = QDir::currentPath();
    QTemporaryDir dir;
    ScopedModalScript modal;
    ScopedDialogScript dialogs;
};

struct UndoCopy {
    explicit UndoCopy(const UndoSnapshot& u)
        : scene(std::make_unique<Scene3D>(u.scene)), names(u.pieceNames),
          attrs(std::make_unique<PiesaAttributes>(u.attrs)) {}
    bool Same(const UndoSnapshot& u) const { return *scene == u.scene && names == u.pieceNames && *attrs == u.attrs; }
    std::unique_ptr<Scene3D> scene;
    std::vector<std::string> names;
    std::unique_ptr<PiesaAttributes> attrs;
};

} // namespace

TEST(AddFurnitureWindow, FiveChangesThenAddGiveOneCopyAndUndoTakesItAway) {
    Program p;
    const std::string file = p.WriteComoda();
    const std::string before = p.Captured();
    const auto namesBefore = p.main->model.pieceNames;
    TAdaugMob* d = Program::Dialog();
    p.Run(file, [&] {
        EXPECT_EQ(d->windowTitle(), "Adaugare mobila");
        EXPECT_EQ(d->Edit1->text().toStdString(), file);
        EXPECT_TRUE(d->Edit1->isReadOnly());
        EXPECT_EQ(d->ComboBox1->currentText(), "dreapta");
        EXPECT_EQ(d->ComboBox2->currentText(), "0 grade");
        // Staged on opening: right of the carcass, bottoms and backs level.
        EXPECT_EQ(d->Edit2->text(), Field(800));
        EXPECT_EQ(d->Edit3->text(), Field(0));
        EXPECT_EQ(d->Edit4->text(), Field(4));
        EXPECT_EQ(d->AddedPieceCount, 3);
        EXPECT_EQ(d->AddedPointCount, 72);
        Program::Pick(d->ComboBox1, Qt::Key_Down); // "sus"
        EXPECT_EQ(d->Edit3->text(), Field(720));
        Program::Pick(d->ComboBox1, Qt::Key_Down); // "jos"
        EXPECT_EQ(d->Edit3->text(), Field(-400));
        Program::Pick(d->ComboBox1, Qt::Key_Down); // "fata-stanga"
        EXPECT_EQ(d->Edit4->text(), Field(-300));
        Program::Pick(d->ComboBox2, Qt::Key_Down); // "90 grade": X -300..0, Z 0..600
        EXPECT_EQ(d->Edit2->text(), Field(300));
        EXPECT_EQ(d->Edit4->text(), Field(-600));
        Program::Pick(d->ComboBox2, Qt::Key_Up); // "0 grade"
        Program::Pick(d->ComboBox1, Qt::Key_Up); // "jos"
        Program::Pick(d->ComboBox1, Qt::Key_Up); // "sus"
        Program::Pick(d->ComboBox1, Qt::Key_Up); // "dreapta"
        EXPECT_EQ(d->Edit2->text(), Field(800));
        EXPECT_EQ(d->Edit4->text(), Field(4));
        // Nothing joined the furniture while the dialog was open.
        EXPECT_EQ(p.Captured(), before);
        EXPECT_EQ(p.main->model.pieceNames, namesBefore);
        EXPECT_FALSE(p.main->UndoPossible());
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    });
    EXPECT_TRUE(p.dialogs->Messages().empty());
    const Furniture& m = p.main->model;
    EXPECT_EQ(m.scene.pieceCount, 7);
    EXPECT_EQ(m.scene.pointCount, 7 * 24);
    ASSERT_EQ(m.pieceNames.size(), 7u);
    EXPECT_EQ(m.pieceNames[4], "Comoda stanga");
    EXPECT_EQ(m.pieceNames[6], "Comoda blat");
    EXPECT_EQ(m.scene.PieceBox(4).x0, 800);
    EXPECT_EQ(m.scene.PieceBox(4).z1, 304);
    EXPECT_EQ(m.scene.PieceBox(5).x1, 1400);
    EXPECT_DOUBLE_EQ(m.scene.pieceCx[4], 809);
    EXPECT_EQ(m.attrs.hardware[5].At(0).code, "MANER");
    EXPECT_EQ(m.attrs.materialCode[5], "PAL18ALB");
    EXPECT_EQ(m.attrs.hardware[0].At(0).code, "SURUB");
    EXPECT_EQ(m.backType, BackType::Aplicat); // the added file's back type is not taken
    EXPECT_TRUE(m.modified);
    EXPECT_TRUE(p.main->UndoPossible());

    QTest::mouseClick(p.main->BitBtn13, Qt::LeftButton); // "&Anulare"
    EXPECT_EQ(p.Captured(), before);
    EXPECT_EQ(p.main->model.pieceNames, namesBefore);
    EXPECT_FALSE(p.main->model.modified);
}

TEST(AddFurnitureWindow, AbandonLeavesTheFurnitureAndItsUndoLevel) {
    Program p;
    const std::string file = p.WriteComoda();
    // An earlier edit, whose undo level must survive.
    p.main->ApplyEdit([&] {
        p.main->model.scene.MoveObject(2, 0, -10, 0);
        return EditResult{};
    });
    const std::string before = p.Captured();
    const UndoCopy undo(p.main->undo);
    const QStringList startFiles =
        QDir(QString::fromStdString(p.main->startupFolder)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    TAdaugMob* d = Program::Dialog();
    p.Run(file, [&] {
        Program::Pick(d->ComboBox1, Qt::Key_Down);
        Program::Pick(d->ComboBox2, Qt::Key_Down);
        QTest::mouseClick(d->BitBtn2, Qt::LeftButton); // "Abandoneaza"
    });
    EXPECT_EQ(p.Captured(), before);
    EXPECT_TRUE(undo.Same(p.main->undo));
    EXPECT_TRUE(p.main->UndoPossible());
    EXPECT_TRUE(p.dialogs->Messages().empty());
    EXPECT_EQ(QDir(QString::fromStdString(p.main->startupFolder)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              startFiles);
    // The one level still undoes the earlier edit.
    QTest::mouseClick(p.main->BitBtn13, Qt::LeftButton);
    EXPECT_EQ(p.main->model.scene.PieceBox(2).y0, 702);

    // A cancelled open dialog shows nothing.
    p.main->Adaugaremobiladintrunfisier1->trigger();
    EXPECT_TRUE(p.modal.shown.size() == 1u);
}

TEST(AddFurnitureWindow, FilesThatCannotBeAddedAreRefusedBeforeTheDialog) {
    Program p;
    p.main->ApplyEdit([&] { return EditResult{}; });
    const std::string before = p.Captured();
    const UndoCopy undo(p.main->undo);
    QFile bad(QString::fromStdString(p.Path("Rau.mo4")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("mo3 not a furniture");
    bad.close();
    const std::string empty = p.Path("Gol.mo4");
    WriteMobilaFile(empty, CaptureMobilaFile(*Boxes("Gol", 0), 0));
    const struct {
        std::string file, message;
    } cases[] = {{p.Path("Rau.mo4"), "Fisier invalid."}, {empty, "Mobila din fisier nu are nicio piesa de adaugat."}};
    for (const auto& c : cases) {
        p.dialogs->records.clear();
        p.Run(c.file, [] {});
        EXPECT_EQ(p.dialogs->Messages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(p.modal.shown.empty());
        p.modal.answers.clear();
        EXPECT_EQ(p.Captured(), before);
        EXPECT_TRUE(undo.Same(p.main->undo));
    }
}

TEST(AddFurnitureWindow, WhatWouldPassTheLimitsIsRefusedWithTheLimitNamed) {
    struct Case {
        const char* what;
        int openPieces, addedPieces, openTextures, addedTextures, extraPoints;
        const char* limit;
    };
    const Case cases[] = {
        {"pieces", 190, 20, 0, 0, 0, "210 piese, peste limita de 200"},
        {"points", 199, 1, 0, 0, 1, "4801 puncte, peste limita de 4800"},
        {"textures", 4, 10, 195, 10, 0, "205 texturi, peste limita de 200"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Program p;
        Furniture& m = p.main->model;
        for (int i = m.scene.pieceCount; i < c.openPieces; ++i) p.Add("P", i * 2.0, 0, 0, 1, 1, 1);
        p.Finish();
        m.textures.count = c.openTextures;
        p.main->ApplyEdit([&] { return EditResult{}; });
        const std::string before = p.Captured();
        const UndoCopy undo(p.main->undo);
        MobilaFile f = CaptureMobilaFile(*Boxes("Mare", c.addedPieces, 5000), 0);
        f.textures.assign(static_cast<std::size_t>(c.addedTextures), MobilaTexture{200, 500, 500, 50, 50});
        // A texture takes a slot only when a piece uses a file that exists: each its own.
        for (int k = 0; k < c.addedTextures; ++k) {
            const std::string texture = p.Path(("t" + std::to_string(k) + ".jpg").c_str());
            std::ofstream(texture) << "x";
            f.pieces[static_cast<std::size_t>(k)].textureFile = texture;
        }
        for (int k = 0; k < c.extraPoints; ++k) f.points.push_back({1, 1, 1});
        const std::string path = p.Path("Mare.mo4");
        WriteMobilaFile(path, f);
        p.Run(path, [] {});
        ASSERT_EQ(p.dialogs->Messages().size(), 1u);
        EXPECT_NE(p.dialogs->Messages()[0].find(c.limit), std::string::npos) << p.dialogs->Messages()[0];
        EXPECT_TRUE(p.modal.shown.empty());
        p.modal.answers.clear(); // the dialog's answer: refused before it opens
        EXPECT_EQ(p.Captured(), before);
        EXPECT_TRUE(undo.Same(p.main->undo));
    }
}

TEST(AddFurnitureWindow, AnOffsetThatIsNoNumberKeepsTheDialogOpen) {
    Program p;
    const std::string file = p.WriteComoda();
    TAdaugMob* d = Program::Dialog();
    bool stayedOpen = false;
    p.Run(file, [&] {
        d->Edit2->selectAll();
        QTest::keyClicks(d->Edit2, "8x0");
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
        stayedOpen = d->isVisible();
        EXPECT_EQ(p.dialogs->Messages(), std::vector<std::string>{kBadAddOffset});
        EXPECT_EQ(p.main->model.scene.pieceCount, 4);
        // Typed with the system's separator.
        d->Edit2->selectAll();
        QTest::keyClicks(d->Edit2, Field(850.5));
        QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(p.main->model.scene.pieceCount, 7);
    EXPECT_EQ(p.main->model.scene.PieceBox(4).x0, 850.5);
}

// Offsets that would take an added box out of the limit: the dialog says so
// and stays open; abandoned, the furniture and its undo level are as before.
TEST(AddFurnitureWindow, OffsetsPastTheLimitKeepTheDialogOpen) {
    Program p;
    const std::string file = p.WriteComoda();
    TAdaugMob* d = Program::Dialog();
    const struct {
        QLineEdit* Edit;
        const char* text;
    } cases[] = {{d->Edit2, "1.5e308"}, {d->Edit2, "-1.5e308"}, {d->Edit3, "1000001"}, {d->Edit4, "-1e17"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        p.dialogs->records.clear();
        const Unchanged before(*p.main);
        bool stayedOpen = false;
        p.Run(file, [&] {
            c.Edit->selectAll();
            QTest::keyClicks(c.Edit, c.text);
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            stayedOpen = d->isVisible();
            EXPECT_EQ(c.Edit->text(), c.text);
        });
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(p.dialogs->Messages(), std::vector<std::string>{kAddOutOfLimits});
        EXPECT_TRUE(before.Same(*p.main));
    }
    // A scripted OK that passes the dialog's own check is refused by the command.
    p.dialogs->records.clear();
    const Unchanged before(*p.main);
    p.dialogs->fileAnswers.push_back(FileDialogAnswer{file, 1});
    p.modal.answers.push_back([&](QDialog&) {
        d->Edit2->setText("1.5e308");
        return int(QDialog::Accepted);
    });
    p.main->Adaugaremobiladintrunfisier1->trigger();
    EXPECT_EQ(p.dialogs->Messages(), std::vector<std::string>{kAddOutOfLimits});
    EXPECT_TRUE(before.Same(*p.main));
}
