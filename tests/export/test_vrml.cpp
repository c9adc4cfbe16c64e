#include "export/Vrml.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace zv;

TEST(Vrml, OneSeparatorPerPieceWithItsColourAndFaces) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->name = "Dulap \"mic\"";
    f->scene.AddBox(0, 0, 0, 600, 18, 500);
    f->scene.AddBox(0, 18, 0, 18, 700, 500);
    f->scene.color[1] = 0x0000FF; // red in the low byte
    f->pieceNames = {"Jos", "Lateral stanga"};
    const std::string w = FurnitureToVrml(*f);
    EXPECT_EQ(w.rfind("#VRML V1.0 ascii", 0), 0u);
    EXPECT_NE(w.find("Info { string \"Dulap \\\"mic\\\"\" }"), std::string::npos);
    EXPECT_NE(w.find("DEF Piesa1 Separator"), std::string::npos);
    EXPECT_NE(w.find("diffuseColor 1 0 0"), std::string::npos);
    EXPECT_NE(w.find("600 18 500"), std::string::npos);
    // Indices are relative to the piece's own points: both pieces use 0..23.
    EXPECT_NE(w.find("20, 21, 22, 23, -1\n"), std::string::npos);
    EXPECT_EQ(w.find("24,"), std::string::npos);
    // Balanced braces.
    EXPECT_EQ(std::count(w.begin(), w.end(), '{'), std::count(w.begin(), w.end(), '}'));
}

TEST(Vrml, WritesAFileAndReportsAFolderItCannotWrite) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->scene.AddBox(0, 0, 0, 1, 1, 1);
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/m.wrl").toStdString();
    EXPECT_EQ(WriteVrmlFile(*f, path), "");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
    EXPECT_NE(WriteVrmlFile(*f, "/no/such/folder/m.wrl"), "");
}
