#include "support/LocaleText.h"
#include "platform/Dialogs.h"
#include "ui/Forms.h"
#include "ui/TCalculareDeviz.h"
#include "ui/TMain.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/Program.h"

using namespace zv;

namespace {
struct Program : TestProgram {
    Program() {
        main->startupFolder = ZV_DATA_DIR;
        main->model.scene.Init();
        main->model.scene.AddBox(0, 0, 0, 1000, 18, 500);
        main->model.pieceNames = {"Jos"};
        main->model.attrs.materialCode[0] = "PAL18STJ";
        main->model.attrs.edgeBand[0] = 1;
    }
};
} // namespace

TEST(DevizWindow, EstimateOnTheSampleCatalogue) {
    Program p;
    TCalculareDeviz* d = Forms().CalculareDeviz;
    EXPECT_EQ(d->Edit1->text(), "10");
    EXPECT_EQ(d->Edit3->text(), "40");
    QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    const QString text = d->Memo1->toPlainText();
    EXPECT_TRUE(text.contains(QString::fromStdString(WithSystemSeparator("PAL18STJ: 0.550 mp x 38.50 = 21.18"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Total deviz:"));
}

TEST(DevizWindow, BadPercentIsRefused) {
    Program p;
    ScopedDialogScript script;
    TCalculareDeviz* d = Forms().CalculareDeviz;
    d->Edit2->setText("abc");
    QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(script->Messages(), std::vector<std::string>{"Procent invalid."});
    EXPECT_TRUE(d->Memo1->toPlainText().isEmpty());
}

TEST(DevizWindow, MaterialListShowsTheBoards) {
    Program p;
    ScopedDialogScript script;
    p.main->Listamateriale1Click();
    ASSERT_EQ(script->Messages().size(), 1u);
    EXPECT_NE(script->Messages()[0].find(
                  WithSystemSeparator("PAL18STJ (Pal melaminat stejar natur 18 mm): 1 piese, 0.500 mp, cant 1.00 ml")),
              std::string::npos)
        << script->Messages()[0];
}
