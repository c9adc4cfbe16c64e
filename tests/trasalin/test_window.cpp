// The drawing window driven as a user does: started as the designer starts
// it, drawn on with the mouse, checked and saved, closed.
#include "Art.h"
#include "core/Shapes.h"
#include "platform/Dialogs.h"
#include "render/Contour.h"
#include "ui/TTrasalin.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace trasalin;
using trasalin::test::Draw;
using trasalin::test::ToArt;

namespace {

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    QPoint At(Pixel p) const { return w.Area()->CentreOf(p); }
    void Drag(Pixel from, Pixel to) {
        QTest::mousePress(w.Area(), Qt::LeftButton, {}, At(from));
        QTest::mouseMove(w.Area(), At({(from.x + to.x) / 2, (from.y + to.y) / 2}));
        QTest::mouseMove(w.Area(), At(to));
        QTest::mouseRelease(w.Area(), Qt::LeftButton, {}, At(to));
    }
    void Click(Pixel p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseMove(w.Area(), At(p));
        QTest::mouseClick(w.Area(), b, {}, At(p));
    }
    std::string File(const char* name) const { return dir.filePath(name).toStdString(); }
    QString StatusText(const char* name) const { return w.findChild<QLabel*>(name)->text(); }

    QTemporaryDir dir;
    zv::ScopedDialogScript script;
    TTrasalin w;
};

TEST_F(Window, OpensTheModelTheDesignerNames) {
    const std::string model = File("Cerc.bmp");
    ASSERT_TRUE(QFile::copy(ZV_DATA_DIR "/Cerc.bmp", QString::fromStdString(model)));
    w.Start(ParseCommandLine({model, "3"}));
    EXPECT_TRUE(script->Messages().empty());
    EXPECT_EQ(w.fileName(), model);
    EXPECT_EQ(w.windowTitle(), "Trasalin - Cerc.bmp");
    EXPECT_EQ(StatusText("LabelMarime"), "251 x 251 puncte");
    Bitmap original;
    ASSERT_TRUE(LoadDrawing(model, original).ok);
    EXPECT_EQ(w.drawing().bitmap(), original);
    EXPECT_FALSE(w.drawing().Modified());
    EXPECT_GE(w.zoom(), 2); // the small model fills the window
    EXPECT_EQ(w.Area()->size(), QSize(251 * w.zoom(), 251 * w.zoom()));
}

TEST_F(Window, StartsEmptyOrRefusesOddArguments) {
    w.Start(ParseCommandLine({}));
    EXPECT_EQ(w.fileName(), "");
    EXPECT_EQ(w.windowTitle(), "Trasalin - (fara nume)");
    EXPECT_EQ(w.drawing().bitmap().Width(), kDefaultWidth);
    EXPECT_EQ(w.drawing().bitmap().InkCount(), 0u);
    w.Start(ParseCommandLine({"a.bmp", "7"}));
    EXPECT_EQ(script->Messages(), std::vector<std::string>{kBadArguments});
    EXPECT_EQ(w.fileName(), "");
}

TEST_F(Window, AFileThatIsNoPictureIsNeverSavedOver) {
    const std::string bad = File("Model1.bmp");
    QFile f(QString::fromStdString(bad));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("nu este o poza");
    f.close();
    w.Start(ParseCommandLine({bad, "3"}));
    ASSERT_EQ(script->Messages().size(), 1u);
    EXPECT_EQ(w.fileName(), ""); // Save asks for a name
    EXPECT_EQ(script.get().records[0].kind, zv::MsgKind::Error);

    // Drawn and saved: the save dialog offers no name, the drawing goes where
    // the answer says, and the file that is no picture keeps its bytes.
    w.SetTool(Tool::Ellipse);
    Drag({10, 10}, {50, 40});
    const std::string elsewhere = File("Alt.bmp");
    script->fileAnswers = {zv::FileDialogAnswer{elsewhere, 1}};
    EXPECT_TRUE(w.Salveaza1Click());
    EXPECT_EQ(script.get().records.back().what, "save");
    EXPECT_EQ(script.get().records.back().file.fileName, "");
    EXPECT_EQ(script->Messages().size(), 1u);
    EXPECT_EQ(w.fileName(), elsewhere);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(elsewhere)));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("nu este o poza"));
}

TEST_F(Window, MouseDrawsAndShowsWhereItIs) {
    w.Start(ParseCommandLine({}));
    w.SetZoom(2);
    w.SetTool(Tool::Ellipse);
    Drag({10, 10}, {40, 30});
    EXPECT_EQ(ToArt(w.drawing().bitmap()),
              ToArt(Draw(EllipsePixels({10, 10}, {40, 30}), kDefaultWidth, kDefaultHeight)));
    EXPECT_EQ(StatusText("LabelPozitie"), "x = 40, y = 30");
    EXPECT_TRUE(w.drawing().Modified());
    EXPECT_EQ(w.windowTitle(), "Trasalin - (fara nume) *");

    // The toolbar's choices reach the tools.
    w.ToolAction(Tool::RoundRect)->trigger();
    w.findChild<QSpinBox*>("SpinEdit1")->setValue(4);
    Drag({50, 50}, {70, 65});
    w.ToolAction(Tool::Eraser)->trigger();
    w.findChild<QSpinBox*>("SpinEdit2")->setValue(3);
    Drag({10, 20}, {10, 20});
    Bitmap expected = Draw(EllipsePixels({10, 10}, {40, 30}), kDefaultWidth, kDefaultHeight);
    for (const Pixel& p : RoundRectPixels({50, 50}, {70, 65}, 4)) expected.Set(p.x, p.y, true);
    for (const Pixel& p : EraserPixels({{10, 20}}, 3)) expected.Set(p.x, p.y, false);
    EXPECT_EQ(ToArt(w.drawing().bitmap()), ToArt(expected));

    // Undo and redo from the keyboard, step by step.
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ToArt(w.drawing().bitmap()),
              ToArt(Draw(EllipsePixels({10, 10}, {40, 30}), kDefaultWidth, kDefaultHeight)));
    QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ToArt(w.drawing().bitmap()), ToArt(expected));
}

TEST_F(Window, PolylineSnappedToTheGridClosesAndSavesForTheDesigner) {
    const std::string model = File("Model2.bmp"); // the designer names it; it is not there yet
    w.Start(ParseCommandLine({model, "3"}));
    EXPECT_EQ(w.fileName(), model);
    w.SetZoom(2);
    w.Grila1Click(true);
    w.AliniereGrila1Click(true);
    w.SetGridStep(10);
    w.ToolAction(Tool::Polyline)->trigger();
    for (Pixel p : {Pixel{21, 19}, Pixel{118, 22}, Pixel{102, 78}, Pixel{33, 81}}) Click(p);
    EXPECT_EQ(StatusText("LabelPozitie"), "x = 30, y = 80"); // the snapped point
    EXPECT_EQ(w.session().Points(), (std::vector<Pixel>{{20, 20}, {120, 20}, {100, 80}, {30, 80}}));
    Click({18, 24}); // the first corner again
    EXPECT_FALSE(w.session().Busy());

    // An arc clicked quickly: the double click's second click counts.
    w.ToolAction(Tool::Arc)->trigger();
    Click({40, 120});
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(At({60, 100})),
                       w.Area()->mapToGlobal(QPointF(At({60, 100}))), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.Area(), &second);
    EXPECT_EQ(w.session().Points(), (std::vector<Pixel>{{40, 120}, {60, 100}}));
    w.SetTool(Tool::Polyline); // dropped
    EXPECT_FALSE(w.session().Busy());
    EXPECT_EQ(ToArt(w.drawing().bitmap()), ToArt(Draw(PolylinePixels({{20, 20}, {120, 20}, {100, 80}, {30, 80}}, true),
                                                      kDefaultWidth, kDefaultHeight)));

    ASSERT_TRUE(w.Salveaza1Click());
    EXPECT_TRUE(script->Messages().empty());
    EXPECT_FALSE(w.drawing().Modified());
    EXPECT_EQ(w.windowTitle(), "Trasalin - Model2.bmp");
    zv::ContourCache cache;
    const zv::ContourPolygon* poly = cache.Lookup(model, false, 0, true);
    ASSERT_NE(poly, nullptr);
    EXPECT_TRUE(cache.TakeMessages().empty());
    EXPECT_EQ(poly->TriangleCount(), poly->Count() - 2);
}

TEST_F(Window, AnOpenOutlineIsShownBeforeSaving) {
    const std::string model = File("Model3.bmp");
    w.Start(ParseCommandLine({model, "3"}));
    w.SetZoom(2);
    w.SetTool(Tool::Line);
    Drag({20, 20}, {80, 50});

    script->messageAnswers = {zv::MsgResult::No};
    EXPECT_FALSE(w.Salveaza1Click());
    ASSERT_EQ(script.get().records.size(), 1u);
    EXPECT_EQ(script.get().records[0].kind, zv::MsgKind::Warning);
    EXPECT_EQ(script.get().records[0].buttons, zv::MsgButtons::YesNo);
    EXPECT_EQ(
        script.get().records[0].text,
        "Conturul nu este inchis: linia se termina la x = 80, y = 50 si la x = 20, y = 20.\nSalvez totusi desenul ?");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(model)));
    ASSERT_TRUE(w.marker());
    EXPECT_EQ(w.marker()->where, (Pixel{80, 50}));
    EXPECT_TRUE(w.drawing().Modified());

    // The user keeps the unfinished drawing all the same.
    script->messageAnswers = {zv::MsgResult::Yes};
    EXPECT_TRUE(w.Salveaza1Click());
    Bitmap saved;
    ASSERT_TRUE(LoadDrawing(model, saved).ok);
    EXPECT_EQ(saved, w.drawing().bitmap());
    EXPECT_FALSE(w.drawing().Modified());
    // Drawing on takes the mark away.
    Drag({20, 20}, {20, 60});
    EXPECT_FALSE(w.marker());
}

TEST_F(Window, NewDrawingAndSaveUnderAName) {
    w.Start(ParseCommandLine({}));
    script->inputAnswers = {std::string("60 x 40")};
    w.Nou1Click();
    EXPECT_EQ(w.drawing().bitmap().Width(), 60);
    EXPECT_EQ(w.drawing().bitmap().Height(), 40);
    EXPECT_EQ(script.get().records.back().text, kNewSizePrompt);
    script->inputAnswers = {std::string("60 pe 40")};
    w.Nou1Click();
    EXPECT_EQ(script->Messages(), std::vector<std::string>{kBadSize});
    EXPECT_EQ(w.drawing().bitmap().Width(), 60);

    w.SetTool(Tool::Ellipse);
    Drag({5, 5}, {50, 30});
    const std::string target = File("Oval.bmp");
    script->fileAnswers = {zv::FileDialogAnswer{target, 1}};
    EXPECT_TRUE(w.Salveaza1Click()); // no name yet: asks for one
    EXPECT_EQ(w.fileName(), target);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(target)));
    EXPECT_EQ(script.get().records.back().what, "save");
    EXPECT_EQ(script.get().records.back().file.filter, kBmpFilter);
}

TEST_F(Window, OpeningAnotherDrawing) {
    w.Start(ParseCommandLine({}));
    w.SetTool(Tool::Line);
    Drag({10, 10}, {30, 10});
    const Bitmap drawn = w.drawing().bitmap();
    // A file that is no picture: the message, and the drawing stays.
    const QString bad = dir.filePath("rau.bmp");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    script->messageAnswers = {zv::MsgResult::No}; // not saved first
    script->fileAnswers = {zv::FileDialogAnswer{bad.toStdString(), 1}};
    w.Deschide1Click();
    ASSERT_EQ(script->Messages().size(), 2u);
    EXPECT_EQ(script->Messages()[0], kNotSaved);
    EXPECT_EQ(w.drawing().bitmap(), drawn);
    EXPECT_TRUE(w.drawing().Modified());

    script->messageAnswers = {zv::MsgResult::No};
    script->fileAnswers = {zv::FileDialogAnswer{ZV_DATA_DIR "/Cerc.bmp", 1}};
    w.Deschide1Click();
    EXPECT_EQ(w.drawing().bitmap().Width(), 251);
    EXPECT_FALSE(w.drawing().CanUndo());
    EXPECT_EQ(w.windowTitle(), "Trasalin - Cerc.bmp");
    EXPECT_EQ(script.get().records.back().file.filter, kBmpFilter);
}

TEST_F(Window, ClosingAsksForAnUnsavedDrawing) {
    const std::string model = File("Model4.bmp");
    w.Start(ParseCommandLine({model, "3"}));
    EXPECT_TRUE(w.close()); // nothing drawn: nothing to ask
    EXPECT_TRUE(script->Messages().empty());
    w.show();
    w.SetTool(Tool::Ellipse);
    Drag({10, 10}, {50, 40});
    script->messageAnswers = {zv::MsgResult::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_EQ(script->Messages(), std::vector<std::string>{kNotSaved});
    EXPECT_TRUE(w.isVisible());
    script->messageAnswers = {zv::MsgResult::Yes};
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(model)));
}

TEST_F(Window, ZoomSteps) {
    w.Start(ParseCommandLine({}));
    w.MarimeReala1Click();
    EXPECT_EQ(w.zoom(), 1);
    w.Marire1Click();
    w.Marire1Click();
    EXPECT_EQ(w.zoom(), 3);
    w.Micsorare1Click();
    EXPECT_EQ(w.zoom(), 2);
    w.SetZoom(1000);
    EXPECT_EQ(w.zoom(), 32);
    w.Marire1Click();
    EXPECT_EQ(w.zoom(), 32);
    EXPECT_EQ(w.Area()->PixelAt(QPoint(64, 95)), (Pixel{2, 2}));
}

} // namespace
