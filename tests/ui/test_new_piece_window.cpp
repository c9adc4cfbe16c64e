// "Piesa noua" and "Sterge piesa" driven from the main window: the board
// choice, the dialog, the copy of a piece, the hardware window and the delete
// question all answered by scripts, the model and the windows checked after.
#include "model/NewPiece.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "platform/widgets/Modal.h"
#include "ui/Forms.h"
#include "ui/TCarPies.h"
#include "ui/TMain.h"
#include "ui/TPalPfl.h"
#include "ui/TPiesaNoua.h"
#include "ui/TSelePies.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "support/Program.h"
#include "support/Unchanged.h"

using namespace zv;

namespace {

using Answer = std::function<int(QDialog&)>;

// A small cabinet: two sides 700 high, a bottom and an applied back; 600 x 700 x 404.
struct Program : TestProgram {
    Program() {
        main->show(); // the first showing records the current folder
        QApplication::processEvents();
        main->startupFolder = dir.path().toStdString();
        stejar = dir.filePath("stejar.bmp").toStdString();
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(QColor(150, 110, 60));
        SaveBmp(stejar, img);
        WriteBoards({{"PAL18STJ", "18", "6330052", stejar},
                     {"PAL16ALB", "16", "16777215", ""},
                     {"PAL18FAG", "18", "8565470", ""}});
        Furniture& f = main->model;
        const struct {
            const char* name;
            double x, y, z, sx, sy, sz;
        } boxes[] = {{"Stanga", 0, 0, 0, 18, 700, 400},
                     {"Dreapta", 582, 0, 0, 18, 700, 400},
                     {"Jos", 18, 0, 0, 564, 18, 400},
                     {"Spate", 0, 0, 400, 600, 700, 4}};
        for (const auto& b : boxes) {
            f.scene.AddBox(b.x, b.y, b.z, b.sx, b.sy, b.sz);
            f.pieceNames.push_back(b.name);
            f.attrs.materialCode[f.pieceNames.size() - 1] = "PAL18FAG";
        }
        f.dim = {600, 700, 404, 18, 4, 10, 0};
        f.scene.current = 2;
        main->EnableDesignControls();
        main->RefreshPieceWindow();
        dlg = Forms().PiesaNoua;
    }
    void WriteBoards(const std::vector<std::array<std::string, 4>>& boards) {
        std::string s = "64 64 " + std::to_string(boards.size()) + "\r\n";
        for (const auto& [code, thick, color, picture] : boards)
            s += code + "\r\nPal " + code + "\r\n30.00\r\n" + picture + "\r\n" + color + "\r\n" + thick + "\r\n1.5\r\n";
        QFile file(dir.filePath("pal-pfl.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(s.data(), static_cast<qint64>(s.size()));
    }
    // Runs "Piesa noua" with these answers for the windows it opens.
    void AddPiece(std::initializer_list<Answer> answers) {
        for (const Answer& a : answers) modal.answers.push_back(a);
        QTest::mouseClick(main->BitBtn4, Qt::LeftButton);
    }
    int Pieces() const { return main->model.scene.pieceCount; }

    QTemporaryDir dir;
    std::string stejar;
    TPiesaNoua* dlg = nullptr;
    ScopedModalScript modal;
    ScopedDialogScript dialogs;
};

// The catalogue's "&Selecteaza" on the row of `code`, after loading it as showing it does.
Answer Board(const std::string& code, std::string* preselected = nullptr, std::string* caption = nullptr) {
    return [=](QDialog& d) {
        auto& w = static_cast<TPalPfl&>(d);
        if (preselected) *preselected = w.PreselectCode;
        if (caption) *caption = w.windowTitle().toStdString();
        w.FormShow();
        w.SelectCode(code);
        return int(QDialog::Accepted);
    };
}
Answer Cancel() {
    return [](QDialog&) { return int(QDialog::Rejected); };
}
// The new-piece dialog: `fill` plays the user's part, then "Creaza &piesa".
Answer Dialog(std::function<void(TPiesaNoua&)> fill, int result = QDialog::Accepted) {
    return [=](QDialog& d) {
        fill(static_cast<TPiesaNoua&>(d));
        return result;
    };
}
// A kind picked from the list as the user picks it.
void PickKind(TPiesaNoua& d, int kind) {
    d.ComboBox2->setCurrentIndex(kind);
    Q_EMIT d.ComboBox2->activated(kind);
}
std::string Text(const QLineEdit* e) { return e->text().toStdString(); }

std::vector<std::string> Items(const QComboBox* c) {
    std::vector<std::string> out;
    for (int i = 0; i < c->count(); ++i) out.push_back(c->itemText(i).toStdString());
    return out;
}

} // namespace

TEST(NewPieceWindow, AddsTheKindPicked) {
    Program p;
    std::string preselected;
    int currentInHardwareWindow = -1;
    p.AddPiece({Board("PAL18STJ", &preselected), Dialog([&](TPiesaNoua& d) {
                    // The board was chosen before the dialog showed.
                    EXPECT_EQ(Text(d.Edit6), "18.00");
                    EXPECT_TRUE(d.Image1->isVisibleTo(d.Panel1));
                    EXPECT_EQ(d.BitBtn1->text(), "Selectare\nmaterial\npiesa");
                    PickKind(d, KindDespartitor);
                    EXPECT_EQ(Text(d.Edit7), "Despartitor");
                    EXPECT_EQ(Text(d.Edit1), "291");
                    EXPECT_EQ(Text(d.Edit2), "18");
                    EXPECT_EQ(Text(d.Edit3), "18");
                    EXPECT_EQ(Text(d.Edit4), "382");
                    EXPECT_EQ(Text(d.Edit5), "664");
                    EXPECT_EQ(Text(d.Edit6), "18");
                    EXPECT_EQ(d.ComboBox1->currentIndex(), 2);
                    EXPECT_EQ(d.ComboBox5->currentIndex(), 2);
                    EXPECT_EQ(Text(d.Edit8), "");
                }),
                [&](QDialog&) {
                    currentInHardwareWindow = p.main->model.scene.current;
                    return int(QDialog::Rejected);
                }});
    EXPECT_EQ(preselected, "PAL18FAG"); // the catalogue opened on the current piece's board
    EXPECT_EQ(p.modal.shown, (std::vector<std::string>{"PalPfl", "PiesaNoua", "FeroneriePiesa"}));
    const Furniture& f = p.main->model;
    ASSERT_EQ(p.Pieces(), 5);
    EXPECT_EQ(currentInHardwareWindow, 4);
    EXPECT_EQ(f.scene.current, 4);
    const Scene3D::Box b = f.scene.PieceBox(4);
    EXPECT_DOUBLE_EQ(b.x0, 291);
    EXPECT_DOUBLE_EQ(b.y0, 18);
    EXPECT_DOUBLE_EQ(b.z0, 18);
    EXPECT_DOUBLE_EQ(b.x1 - b.x0, 18);
    EXPECT_DOUBLE_EQ(b.y1 - b.y0, 664);
    EXPECT_DOUBLE_EQ(b.z1 - b.z0, 382);
    EXPECT_EQ(f.pieceNames.back(), "Despartitor");
    EXPECT_EQ(f.attrs.edgeBand[4], 2);
    EXPECT_EQ(f.attrs.modelFace[4], 2);
    EXPECT_EQ(f.attrs.materialCode[4], "PAL18STJ");
    EXPECT_EQ(f.attrs.textureFile[4], p.stejar);
    EXPECT_EQ(f.scene.color[4], 6330052u);
    EXPECT_EQ(p.main->CurrentColor(), 6330052u);
    EXPECT_TRUE(f.modified);
    EXPECT_TRUE(Forms().CarPies->Label11->isVisibleTo(Forms().CarPies));
    EXPECT_EQ(Items(Forms().CarPies->ComboBox2).back(), "Despartitor");
    ASSERT_TRUE(p.main->BitBtn13->isEnabled());
    p.main->BitBtn13Click();
    EXPECT_EQ(p.Pieces(), 4);
    EXPECT_EQ(f.pieceNames.size(), 4u);
}

TEST(NewPieceWindow, FieldsKeptBetweenUsesAndModelChoicesReset) {
    Program p;
    p.AddPiece({Board("PAL18STJ"), Dialog([](TPiesaNoua& d) {
                    PickKind(d, KindBaraHaine);
                    d.ComboBox3->setCurrentIndex(2);
                    d.ComboBox4->setCurrentIndex(1);
                    d.CheckBox1->setChecked(true);
                    d.CheckBox2->setChecked(false);
                }),
                Cancel()});
    const Furniture& f = p.main->model;
    ASSERT_EQ(p.Pieces(), 5);
    EXPECT_EQ(f.attrs.modelFile[4], p.dir.filePath("Cerc.bmp").toStdString());
    EXPECT_EQ(f.attrs.modelRotation[4], 2);
    EXPECT_EQ(f.attrs.modelMirror[4], 1);
    EXPECT_EQ(f.attrs.textureRotated[4], 1);
    EXPECT_EQ(f.attrs.textureRepeated[4], 0);
    EXPECT_DOUBLE_EQ(f.scene.PieceBox(4).x1 - f.scene.PieceBox(4).x0, 564); // the rail across

    p.AddPiece({Board("PAL18STJ"), Dialog([](TPiesaNoua& d) {
                    EXPECT_EQ(d.ComboBox2->currentIndex(), KindBaraHaine);
                    EXPECT_EQ(Text(d.Edit7), "Bara umerase");
                    EXPECT_EQ(Text(d.Edit4), "40");
                    EXPECT_EQ(d.ComboBox5->currentIndex(), 2);
                    EXPECT_FALSE(d.CheckBox2->isChecked()); // "Repet" is kept
                    // The model choices start again at every opening.
                    EXPECT_EQ(Text(d.Edit8), "");
                    EXPECT_EQ(d.ComboBox3->currentIndex(), 0);
                    EXPECT_EQ(d.ComboBox4->currentIndex(), 0);
                    EXPECT_FALSE(d.CheckBox1->isChecked());
                }),
                Cancel()});
    EXPECT_EQ(p.Pieces(), 6);
    EXPECT_EQ(f.attrs.modelFile[5], "");
}

TEST(NewPieceWindow, CancelPathsLeaveEverything) {
    Program p;
    // The board choice cancelled: the dialog never shows.
    p.AddPiece({Cancel()});
    EXPECT_EQ(p.modal.shown, std::vector<std::string>{"PalPfl"});
    // The dialog cancelled.
    p.AddPiece({Board("PAL18STJ"), Dialog([](TPiesaNoua& d) { PickKind(d, KindBlat); }, QDialog::Rejected)});
    EXPECT_EQ(p.modal.shown.size(), 3u);
    EXPECT_EQ(p.Pieces(), 4);
    EXPECT_FALSE(p.main->model.modified);
    EXPECT_FALSE(p.main->BitBtn13->isEnabled());
    EXPECT_TRUE(p.dialogs->records.empty());
}

// Refused before the snapshot: not a number, a size of 0 or below, and a box
// that breaks the limit as the scene would store it (1e308 + 764 is 1e308, a
// shelf 0 wide).
TEST(NewPieceWindow, RefusedNumbersChangeNothing) {
    Program p;
    struct Case {
        int field; // 1..6 = Edit1..Edit6
        const char* text;
    };
    for (const Case& c : {Case{5, "abc"}, Case{6, "0"}, Case{4, "-5"}, Case{1, "nan"}, Case{4, "inf"}, Case{1, "1e308"},
                          Case{2, ""}, Case{5, "1e308"}, Case{5, "1e17"}, Case{3, "-1000001"}, Case{4, "1000000.5"}}) {
        SCOPED_TRACE(std::to_string(c.field) + " " + c.text);
        p.dialogs->records.clear();
        const Unchanged before(*p.main);
        p.AddPiece({Board("PAL18STJ"), Dialog([&](TPiesaNoua& d) {
                        PickKind(d, KindPolita);
                        QLineEdit* e[] = {d.Edit1, d.Edit2, d.Edit3, d.Edit4, d.Edit5, d.Edit6};
                        e[c.field - 1]->setText(c.text);
                    })});
        ASSERT_EQ(p.dialogs->records.size(), 1u);
        EXPECT_EQ(p.dialogs->records[0].kind, MsgKind::Error);
        EXPECT_EQ(p.dialogs->records[0].text, "Date incorecte pentru pozitie sau dimensiuni.");
        EXPECT_TRUE(before.Same(*p.main));
        EXPECT_FALSE(p.main->BitBtn13->isEnabled()); // no snapshot taken
        EXPECT_FALSE(p.main->model.modified);
    }
}

TEST(NewPieceWindow, BoardChoiceInsideTheDialog) {
    Program p;
    std::string caption;
    p.AddPiece({Board("PAL18STJ"), Dialog([&](TPiesaNoua& d) {
                    PickKind(d, KindPolita);
                    const std::string length = Text(d.Edit4);
                    // Cancelled: the board chosen at the opening stays.
                    p.modal.answers.push_front(Cancel());
                    d.BitBtn1->click();
                    EXPECT_EQ(d.MaterialCode, "PAL18STJ");
                    EXPECT_EQ(Text(d.Edit6), "18");
                    EXPECT_TRUE(d.Image1->isVisibleTo(d.Panel1));
                    // Chosen: its thickness and colour, the kind's defaults left alone.
                    p.modal.answers.push_front(Board("PAL16ALB", nullptr, &caption));
                    d.BitBtn1->click();
                    EXPECT_EQ(d.MaterialCode, "PAL16ALB");
                    EXPECT_EQ(Text(d.Edit6), "16.00");
                    EXPECT_EQ(Text(d.Edit4), length);
                    EXPECT_FALSE(d.Image1->isVisibleTo(d.Panel1));
                }),
                Cancel()});
    EXPECT_EQ(caption, "Selectare material piesa noua");
    const Furniture& f = p.main->model;
    ASSERT_EQ(p.Pieces(), 5);
    EXPECT_EQ(f.attrs.materialCode[4], "PAL16ALB");
    EXPECT_EQ(f.attrs.textureFile[4], ""); // the swatch shows no picture
    EXPECT_EQ(f.scene.color[4], 16777215u);
    EXPECT_DOUBLE_EQ(f.scene.PieceBox(4).y1 - f.scene.PieceBox(4).y0, 16);
}

TEST(NewPieceWindow, BoardThicknessForTheDefaults) {
    Program p;
    p.main->model.dim.G = 19;
    p.AddPiece({Board("PAL16ALB"), Dialog(
                                       [&](TPiesaNoua& d) {
                                           PickKind(d, KindPolita);
                                           EXPECT_EQ(Text(d.Edit6), "16");
                                           EXPECT_EQ(Text(d.Edit1), "16");
                                           // A code the catalogue does not hold: the furniture's chipboard.
                                           d.MaterialCode = "NUEXISTA";
                                           PickKind(d, KindPolita);
                                           EXPECT_EQ(Text(d.Edit6), "19");
                                           EXPECT_EQ(Text(d.Edit1), "19");
                                           PickKind(d, KindPicior1);
                                           EXPECT_EQ(Text(d.Edit8), p.dir.filePath("Cerc.bmp").toStdString());
                                       },
                                       QDialog::Rejected)});
}

TEST(NewPieceWindow, KindSetFromCodeKeepsTheValues) {
    Program p;
    p.dlg->Preset(KindUsaAplicata, "Usa mare", 1, 2, 3, 400, 500, 19, 8, 1);
    EXPECT_EQ(p.dlg->ComboBox2->currentIndex(), KindUsaAplicata);
    EXPECT_EQ(Text(p.dlg->Edit7), "Usa mare");
    EXPECT_EQ(Text(p.dlg->Edit1), "1");
    EXPECT_EQ(Text(p.dlg->Edit6), "19");
    p.dlg->PresetShelf("Polita", 18, 341, 0, 564, 400, 18);
    EXPECT_EQ(p.dlg->ComboBox2->currentIndex(), KindPolita);
    EXPECT_EQ(p.dlg->ComboBox1->currentIndex(), 1);
    EXPECT_EQ(p.dlg->ComboBox5->currentIndex(), 1);
    EXPECT_EQ(Text(p.dlg->Edit7), "Polita");
    EXPECT_EQ(Text(p.dlg->Edit2), "341");
}

TEST(NewPieceWindow, CopyOfAPieceThinAlongEachAxis) {
    Program p;
    Furniture& f = p.main->model;
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        f.scene.color[i] = static_cast<std::uint32_t>(0x101010 * (k + 1));
        f.attrs.edgeBand[i] = k + 3;
        f.attrs.materialCode[i] = "COD" + std::to_string(k);
        f.attrs.hardware[i].Add("BALAMA" + std::to_string(k), k + 2);
        f.attrs.modelFile[i] = "Model" + std::to_string(k) + ".bmp";
        f.attrs.modelFace[i] = static_cast<std::uint8_t>(k % 3);
        f.attrs.modelRotation[i] = static_cast<std::uint8_t>(k);
        f.attrs.modelMirror[i] = static_cast<std::uint8_t>(k % 2);
        f.attrs.textureFile[i] = p.stejar;
        f.attrs.textureRotated[i] = k % 2;
        f.attrs.textureRepeated[i] = (k + 1) % 2;
    }
    struct Case {
        int piece;
        int kind;
    };
    for (const Case& c : {Case{0, KindDespartitor}, Case{2, KindPolita}, Case{3, KindUsaAplicata}}) {
        const std::string name = f.pieceNames[static_cast<std::size_t>(c.piece)];
        SCOPED_TRACE(name);
        int listed = -1;
        const int added = p.Pieces(), current = f.scene.current;
        p.AddPiece({Board("PAL18STJ"), Dialog([&](TPiesaNoua& d) {
                        PickKind(d, KindBlat); // overwritten by the copy
                        p.modal.answers.push_front([&](QDialog& w) {
                            auto& s = static_cast<TSelePies&>(w);
                            listed = s.ComboBox1->currentIndex();
                            EXPECT_EQ(Items(s.ComboBox1).size(), static_cast<std::size_t>(added));
                            s.ComboBox1->setCurrentIndex(c.piece);
                            return int(QDialog::Accepted);
                        });
                        d.BitBtn2->click();
                        EXPECT_EQ(d.ComboBox2->currentIndex(), c.kind);
                        EXPECT_EQ(Text(d.Edit7), name);
                    }),
                    Cancel()});
        EXPECT_EQ(listed, current); // the chooser opened on the current piece
        ASSERT_EQ(p.Pieces(), added + 1);
        const auto n = static_cast<std::size_t>(added), k = static_cast<std::size_t>(c.piece);
        const Scene3D::Box a = f.scene.PieceBox(c.piece), b = f.scene.PieceBox(added);
        EXPECT_EQ(std::vector<double>({b.x0, b.y0, b.z0, b.x1, b.y1, b.z1}),
                  std::vector<double>({a.x0, a.y0, a.z0, a.x1, a.y1, a.z1}));
        EXPECT_EQ(f.pieceNames[n], name);
        EXPECT_EQ(f.scene.color[n], f.scene.color[k]);
        EXPECT_EQ(f.attrs.edgeBand[n], f.attrs.edgeBand[k]);
        EXPECT_EQ(f.attrs.materialCode[n], f.attrs.materialCode[k]);
        EXPECT_EQ(f.attrs.hardware[n], f.attrs.hardware[k]);
        EXPECT_EQ(f.attrs.modelFile[n], f.attrs.modelFile[k]);
        EXPECT_EQ(f.attrs.modelFace[n], f.attrs.modelFace[k]);
        EXPECT_EQ(f.attrs.modelRotation[n], f.attrs.modelRotation[k]);
        EXPECT_EQ(f.attrs.modelMirror[n], f.attrs.modelMirror[k]);
        EXPECT_EQ(f.attrs.textureFile[n], p.stejar);
        EXPECT_EQ(f.attrs.textureRotated[n], f.attrs.textureRotated[k]);
        EXPECT_EQ(f.attrs.textureRepeated[n], f.attrs.textureRepeated[k]);
    }
}

TEST(NewPieceWindow, ChooserWithNoPiecesCountsAsCancelled) {
    Program p;
    while (p.Pieces() > 0) {
        p.dialogs->messageAnswers.push_back(MsgResult::Yes);
        QTest::mouseClick(p.main->BitBtn5, Qt::LeftButton);
    }
    p.AddPiece({Board("PAL18STJ"), Dialog(
                                       [](TPiesaNoua& d) {
                                           d.Edit7->setText("Raft");
                                           d.BitBtn2->click();
                                           EXPECT_EQ(Text(d.Edit7), "Raft");
                                       },
                                       QDialog::Rejected)});
    EXPECT_EQ(p.modal.shown, (std::vector<std::string>{"PalPfl", "PiesaNoua"}));
}

TEST(NewPieceWindow, NoRoomForPointsGivesAMessage) {
    Program p;
    Furniture& f = p.main->model;
    // A piece from a file that is not a box and holds most of the points.
    f.scene.faceCount[3] = 11;
    for (int q = 0; q < 11; ++q) {
        f.scene.faceFirst[3][q] = 72 + 428 * q;
        f.scene.facePoints[3][q] = 428;
    }
    f.scene.pointCount = 72 + 11 * 428;
    p.AddPiece({});
    EXPECT_TRUE(p.modal.shown.empty());
    EXPECT_EQ(p.dialogs->Messages(),
              std::vector<std::string>{"Mobila are prea multe puncte. Nu mai pot adauga alta piesa."});
    EXPECT_EQ(p.Pieces(), 4);
    EXPECT_EQ(f.attrs.materialCode[3], "PAL18FAG");
    EXPECT_FALSE(p.main->BitBtn13->isEnabled());
}

TEST(NewPieceWindow, TwoHundredPiecesGiveAMessage) {
    Program p;
    while (p.Pieces() < 200) {
        p.main->model.scene.AddBox(0, 0, 0, 1, 1, 1);
        p.main->model.pieceNames.push_back("Mic");
    }
    p.AddPiece({});
    EXPECT_TRUE(p.modal.shown.empty());
    ASSERT_EQ(p.dialogs->records.size(), 1u);
    EXPECT_NE(p.dialogs->records[0].text.find("200"), std::string::npos);
}

TEST(NewPieceWindow, FractionalDefaultAcceptedUnderComma) {
    OverrideDecimalSeparator(',');
    {
        Program p;
        p.AddPiece({Board("PAL16ALB"), Dialog([](TPiesaNoua& d) {
                        PickKind(d, 14); // "Usa incastrata 1/3": Trunc(600 - 32) / 3
                        EXPECT_EQ(Text(d.Edit4), "189,333333333333");
                    }),
                    Cancel()});
        ASSERT_EQ(p.Pieces(), 5);
        Scene3D::Box b = p.main->model.scene.PieceBox(4);
        EXPECT_NEAR(b.x1 - b.x0, 568.0 / 3, 1e-9);
        // The board's thickness as the catalogue gives it, "16.00", read back as well.
        p.AddPiece({Board("PAL16ALB"), Dialog([](TPiesaNoua& d) { EXPECT_EQ(Text(d.Edit6), "16.00"); }), Cancel()});
        ASSERT_EQ(p.Pieces(), 6);
        b = p.main->model.scene.PieceBox(5);
        EXPECT_DOUBLE_EQ(b.z1 - b.z0, 16);
    }
    OverrideDecimalSeparator(0);
}

TEST(NewPieceWindow, DeletesTheCurrentPiece) {
    Program p;
    Furniture& f = p.main->model;
    f.attrs.hardware[1].Add("BALAMA", 2);
    f.attrs.materialCode[3] = "PFL4ALB";
    f.scene.current = 0;
    p.main->RefreshPieceWindow();
    p.dialogs->messageAnswers.push_back(MsgResult::Yes);
    QTest::mouseClick(p.main->BitBtn5, Qt::LeftButton);
    ASSERT_EQ(p.dialogs->records.size(), 1u);
    EXPECT_EQ(p.dialogs->records[0].kind, MsgKind::Confirmation);
    EXPECT_EQ(p.dialogs->records[0].text, "Sterg piesa curenta (Stanga) ?");
    EXPECT_EQ(p.Pieces(), 3);
    EXPECT_EQ(f.scene.current, 0);
    EXPECT_EQ(f.pieceNames, (std::vector<std::string>{"Dreapta", "Jos", "Spate"}));
    EXPECT_EQ(Items(Forms().CarPies->ComboBox2), f.pieceNames);
    EXPECT_EQ(f.attrs.hardware[0].Count(), 1);
    EXPECT_EQ(f.attrs.materialCode[2], "PFL4ALB");
    EXPECT_EQ(f.attrs.materialCode[3], "");
    EXPECT_DOUBLE_EQ(f.scene.PieceBox(0).x0, 582);
    EXPECT_TRUE(f.modified);
    EXPECT_TRUE(p.main->BitBtn13->isEnabled());

    // A piece in the middle: exactly that one goes.
    f.scene.current = 1;
    p.dialogs->messageAnswers.push_back(MsgResult::Yes);
    p.main->BitBtn5Click();
    EXPECT_EQ(f.pieceNames, (std::vector<std::string>{"Dreapta", "Spate"}));
    EXPECT_EQ(f.attrs.materialCode[1], "PFL4ALB");

    // "No" changes nothing.
    p.dialogs->messageAnswers.push_back(MsgResult::No);
    p.main->BitBtn5Click();
    EXPECT_EQ(p.Pieces(), 2);

    // Undo brings the last deleted piece back.
    p.main->BitBtn13Click();
    EXPECT_EQ(f.pieceNames, (std::vector<std::string>{"Dreapta", "Jos", "Spate"}));
}

TEST(NewPieceWindow, DeletingEveryPieceLeavesAnEmptyFurniture) {
    Program p;
    for (int i = 0; i < 4; ++i) {
        p.dialogs->messageAnswers.push_back(MsgResult::Yes);
        p.main->BitBtn5Click();
    }
    EXPECT_EQ(p.Pieces(), 0);
    EXPECT_EQ(p.main->model.scene.pointCount, 0);
    EXPECT_TRUE(p.main->model.pieceNames.empty());
    EXPECT_EQ(Forms().CarPies->ComboBox2->count(), 0);
    // Nothing left: no question.
    p.dialogs->records.clear();
    p.main->BitBtn5Click();
    EXPECT_TRUE(p.dialogs->records.empty());
}
