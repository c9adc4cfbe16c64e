#include "export/FoaiePal.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zv;

namespace {

std::unique_ptr<Furniture> Add(std::unique_ptr<Furniture> f, const char* name, const char* code, double sx, double sy,
                               double sz) {
    f->scene.AddBox(10, 20, 30, sx, sy, sz);
    f->pieceNames.push_back(name);
    f->attrs.materialCode[static_cast<std::size_t>(f->scene.pieceCount - 1)] = code;
    return f;
}

std::unique_ptr<Furniture> Empty() {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    return f;
}

} // namespace

TEST(FoaiePal, TwoBoardsOfP18ByteByByteUnderBothSeparators) {
    auto f = Add(Empty(), "Polita", "P18", 596, 18, 300);
    f = Add(std::move(f), "Spate", "PFL3", 600, 720, 3);
    f = Add(std::move(f), "Lateral", "P18", 18, 720, 300);
    f = Add(std::move(f), "Mic", "p18", 18, 720, 300); // another code: case counts
    const std::string expected = "\r\n\r\n16777215\r\n2\r\n0\r\n2\r\n"
                                 "Polita\r\n300.00\r\n596.00\r\n\r\n0\r\n0\r\n1\r\n0\r\n"
                                 "Lateral\r\n720.00\r\n300.00\r\n\r\n0\r\n0\r\n1\r\n0\r\n";
    for (char sep : {'.', ','}) {
        OverrideDecimalSeparator(sep);
        EXPECT_EQ(FormatFoaiePal(*f, "P18"), expected) << sep;
    }
    OverrideDecimalSeparator(0);
    EXPECT_EQ(CountMaterialPieces(*f, "P18"), 2);
    EXPECT_EQ(CountMaterialPieces(*f, "X"), 0);
}

TEST(FoaiePal, CubeIsAFrontBoardAndAModelIsExported) {
    auto f = Add(Empty(), "Cub", "", 50, 50, 50);
    f = Add(std::move(f), "Usa\tarcuita\n", "", 400.126, 700, 18);
    f->attrs.modelFile[1] = "Modele/arc.mdl";
    f->attrs.modelRotation[1] = 3;
    f->attrs.modelMirror[1] = 1;
    // Before any choice the code is empty: the pieces without a material go.
    EXPECT_EQ(FormatFoaiePal(*f, ""), "\r\n\r\n16777215\r\n2\r\n0\r\n2\r\n"
                                      "Cub\r\n50.00\r\n50.00\r\n\r\n0\r\n0\r\n1\r\n0\r\n"
                                      "Usa arcuita \r\n400.13\r\n700.00\r\nModele/arc.mdl\r\n3\r\n1\r\n1\r\n0\r\n");
}

TEST(FoaiePal, NoPieceOfTheMaterial) {
    auto f = Add(Empty(), "Polita", "P18", 596, 18, 300);
    EXPECT_EQ(FormatFoaiePal(*f, "P22"), "\r\n\r\n16777215\r\n0\r\n0\r\n2\r\n");
}

// A face size under the two decimals is written as 0.00; the optimiser lists
// such a piece apart and lays out the others.
TEST(FoaiePal, ASizeUnderTwoDecimalsIsWrittenAsZero) {
    auto f = Add(Empty(), "Fir", "P18", 596, 0.003, 0.004);
    EXPECT_EQ(FormatFoaiePal(*f, "P18"), "\r\n\r\n16777215\r\n1\r\n0\r\n2\r\n"
                                         "Fir\r\n0.00\r\n596.00\r\n\r\n0\r\n0\r\n1\r\n0\r\n");
}
