#include "export/BoardPiece.h"
#include "export/PieceList.h"
#include "platform/Numbers.h"
#include "ui/TMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

using namespace zv;

namespace {

struct SeparatorGuard {
    explicit SeparatorGuard(char c) { OverrideDecimalSeparator(c); }
    ~SeparatorGuard() { OverrideDecimalSeparator(0); }
};

std::unique_ptr<Furniture> Sample() {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->name = "Comoda\thol";
    f->dim = {600, 720.5, 300, 18, 3.2, 10, 0};
    auto add = [&](const char* name, double x, double y, double z, double sx, double sy, double sz) {
        f->scene.AddBox(x, y, z, sx, sy, sz);
        f->scene.color[static_cast<std::size_t>(f->scene.pieceCount - 1)] = Scene3D::kDefaultColor;
        f->pieceNames.push_back(name);
    };
    add("Polita", 0, 100, 0, 600, 18, 300);           // a board: 600, 300, 18
    add("Sina", 0, 0, 0, 40, 40, 600);                // a rail: left out
    add("Usa\r\nstanga", 10.5, 0, -20, 400, 700, 18); // a textured door with a broken name
    f->attrs.edgeBand[0] = 6;
    f->attrs.edgeBand[2] = 9; // unknown code: no banding
    f->attrs.textureFile[2] = "Texturi/stejar.jpg";
    return f;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream o;
    o << in.rdbuf();
    return o.str();
}

} // namespace

TEST(PieceList, BoardRuleTable) {
    struct Case {
        double a, b, c;
        bool board;
    };
    const Case cases[] = {
        {600, 18, 300, true},  {18, 720, 300, true}, {40, 40, 600, false},
        {20, 20, 150, false},  {2, 400, 600, false}, {50, 50, 50, false},
        {3.5, 400, 600, true}, {50, 51, 600, true},  {50.0001, 51, 600, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TMain::IsBoardPiece(c.a, c.b, c.c), c.board) << c.a << " " << c.b << " " << c.c;
        EXPECT_EQ(IsBoardPiece(c.a, c.b, c.c), c.board);
    }
}

TEST(PieceList, EdgeBandingByCode) {
    const double expected[] = {0, 600, 300, 1200, 600, 900, 1200, 1500, 1800};
    for (int code = 0; code <= 8; ++code) EXPECT_EQ(EdgeBandLength(code, 600, 300), expected[code]) << code;
    EXPECT_EQ(EdgeBandLength(9, 600, 300), 0);
    EXPECT_EQ(EdgeBandLength(-1, 600, 300), 0);
}

TEST(PieceList, WholeFileByteByByteUnderBothSeparators) {
    const auto f = Sample();
    const std::string dot =
        "DENUMIRE MOBILA: \tComoda hol\r\n"
        "\r\n"
        "Dimensiuni mobila:\r\n"
        "  Latime:       \t600\r\n"
        "  Inaltime:     \t720.5\r\n"
        "  Adancime:     \t300\r\n"
        "  Grosime pal:  \t18\r\n"
        "  Gros. carton: \t3.2\r\n"
        "  Cant spate:   \t10\r\n"
        "\r\n"
        "Denumire piesa\tLatime\tLungine\tGrosime\tPoz. x\tPoz. y\tPoz. z\tCant\tCuloare/textura\r\n"
        "Polita\t600\t300\t18\t0\t100\t0\t1200\t9211020\r\n"
        "Usa  stanga\t400\t700\t18\t10.5\t0\t-20\t0\tTexturi/stejar.jpg\r\n";
    {
        SeparatorGuard g('.');
        EXPECT_EQ(FormatPieceList(*f), dot);
    }
    std::string comma = dot;
    for (const char* from : {"720.5", "3.2", "10.5"}) {
        std::string to = from;
        to[to.find('.')] = ',';
        comma.replace(comma.find(from), std::string(from).size(), to);
    }
    SeparatorGuard g(',');
    EXPECT_EQ(FormatPieceList(*f), comma);
}

TEST(PieceList, ExtentsComeFromTheWholeBoxNotTheFirstFace) {
    // Every point of the first face lies at zmin: read from it, no piece would be a board.
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->scene.AddBox(0, 0, 0, 596, 18, 300);
    f->pieceNames = {"Raft"};
    // A colour read with a high byte set: the list gives the RGB of the low 24 bits.
    f->scene.color[0] = 0xFF123456u;
    SeparatorGuard g('.');
    const std::string text = FormatPieceList(*f);
    EXPECT_NE(text.find("\r\nRaft\t596\t300\t18\t0\t0\t0\t0\t1193046\r\n"), std::string::npos) << text;
}

TEST(PieceList, FullNameKeptAndNoPiecesGivesTheHeaderOnly) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->name = std::string(50, 'N');
    const std::string text = FormatPieceList(*f);
    EXPECT_EQ(text.rfind("DENUMIRE MOBILA: \t" + std::string(50, 'N') + "\r\n", 0), 0u);
    const std::string header = "Culoare/textura\r\n";
    EXPECT_EQ(text.substr(text.size() - header.size()), header);
}

TEST(PieceList, DistancesToItselfAndOneAboveAnother) {
    auto f = std::make_unique<Furniture>();
    f->scene.Init();
    f->scene.AddBox(0, 500, 0, 600, 18, 300); // above
    f->scene.AddBox(0, 0, 0, 600, 18, 300);
    f->pieceNames = {"Sus", "Jos"};
    SeparatorGuard g('.');
    EXPECT_EQ(FormatPieceDistances(*f, 0, 0), "Distantele intre \"Sus\" si \"Sus\":\n\n"
                                              "stanga-stanga:   0 mm\n"
                                              "dreapta-dreapta: 0 mm\n"
                                              "stanga-dreapta:  -600 mm\n"
                                              "dreapta-stanga:  600 mm\n\n"
                                              "sus-sus:         0 mm\n"
                                              "jos-jos:         0 mm\n"
                                              "sus-jos:         18 mm\n"
                                              "jos-sus:         -18 mm\n\n"
                                              "fata-fata:       0 mm\n"
                                              "spate-spate:     0 mm\n"
                                              "fata-spate:      -300 mm\n"
                                              "spate-fata:      300 mm");
    const std::string above = FormatPieceDistances(*f, 0, 1);
    EXPECT_NE(above.find("\njos-sus:         482 mm\n"), std::string::npos) << above;
    EXPECT_NE(above.find("\nsus-jos:         518 mm\n"), std::string::npos) << above;
    EXPECT_EQ(FormatPieceDistances(*f, 0, 2), "");
}

TEST(PieceList, WriteReplacesTheFileOrKeepsTheOldOne) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("lista.xls").toStdString();
    EXPECT_EQ(WriteExportFile(path, "vechi"), "");
    EXPECT_EQ(ReadAll(path), "vechi");
    EXPECT_EQ(WriteExportFile(path, "nou\r\n"), "");
    EXPECT_EQ(ReadAll(path), "nou\r\n");
    // A name of the longest length a folder allows: the file beside it cannot
    // be made, whoever runs the test. The error, and the old file whole.
    const std::string longest = dir.filePath(QString(251, 'a') + ".xls").toStdString();
    std::ofstream(longest, std::ios::binary) << "vechi";
    ASSERT_EQ(ReadAll(longest), "vechi");
    EXPECT_FALSE(WriteExportFile(longest, "altceva").empty());
    EXPECT_EQ(ReadAll(longest), "vechi");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}
