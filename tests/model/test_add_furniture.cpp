// Adding a saved furniture: the offsets for each position and turn, the
// capacity check, and the append that keeps the open furniture's own back type.
#include "model/AddFurniture.h"
#include "support/ModelValues.h"
#include "model/MobilaFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace zv;
using zv::test::EmptyFurniture;

namespace {

struct BoxSpec {
    double x, y, z, sx, sy, sz;
};

std::unique_ptr<Furniture> Make(const std::string& name, const std::vector<BoxSpec>& boxes,
                                BackType back = BackType::Aplicat) {
    auto f = EmptyFurniture();
    f->name = name;
    f->backType = back;
    for (const BoxSpec& b : boxes) {
        const auto i = static_cast<std::size_t>(f->scene.pieceCount);
        EXPECT_TRUE(f->scene.AddBox(b.x, b.y, b.z, b.sx, b.sy, b.sz));
        f->pieceNames.push_back(name + " " + std::to_string(i + 1));
    }
    RecomputeFurnitureSize(f->scene, f->dim);
    return f;
}

// The open furniture: 800 wide, 720 high, 500 deep, from the origin.
std::unique_ptr<Furniture> Current() {
    return Make("Dulap", {{0, 0, 0, 18, 720, 500}, {782, 0, 0, 18, 720, 500}, {18, 0, 0, 764, 18, 500}});
}

// The added one: 600 wide, 400 high, 300 deep, standing on Y = 0 from X = 0,
// its back level with the open furniture's (Z 200..500).
MobilaFile Added(BackType back = BackType::Incastrat) {
    const auto f = Make("Comoda",
                        {{0, 0, 200, 18, 400, 300}, {582, 0, 200, 18, 400, 300}, {18, 382, 200, 564, 18, 300}}, back);
    return CaptureMobilaFile(*f, 0);
}

} // namespace

TEST(AddFurniture, RangeExtremesStartAtTheFirstEntry) {
    const std::vector<double> t = {5, 3, 9, -2, 9, 4};
    EXPECT_EQ(MinOfRange(t, 0, 5), -2);
    EXPECT_EQ(MaxOfRange(t, 0, 5), 9);
    EXPECT_EQ(MinOfRange(t, 1, 2), 3);
    EXPECT_EQ(MaxOfRange(t, 4, 5), 9);
    EXPECT_EQ(MinOfRange(t, 2, 2), 9);  // one entry: itself
    EXPECT_EQ(MaxOfRange(t, 3, 2), -2); // an empty range gives the start value
}

TEST(AddFurniture, OffsetsForEachPositionAndTurn) {
    const auto current = Current();
    const MobilaFile added = Added();
    struct Case {
        AddPosition pos;
        int turns;
        AddOffsets want;
    };
    const Case cases[] = {
        {AddPosition::Stanga, 0, {-600, 0, 0}},
        {AddPosition::Dreapta, 0, {800, 0, 0}},
        {AddPosition::Sus, 0, {0, 720, 0}},
        {AddPosition::Jos, 0, {0, -400, 0}},
        {AddPosition::FataStanga, 0, {0, 0, -500}},
        {AddPosition::FataDreapta, 0, {200, 0, -500}},
        // One quarter turn, (x, y, z) to (-z, y, x): X -500..-200, Z 0..600.
        {AddPosition::Dreapta, 1, {1300, 0, -100}},
        {AddPosition::FataStanga, 1, {500, 0, -600}},
        // Half a turn: X -600..0, Z -500..-200.
        {AddPosition::Stanga, 2, {0, 0, 700}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "position " << static_cast<int>(c.pos) << ", turns " << c.turns);
        const StagedFurniture s = StageFurniture(added, c.turns, c.pos, *current);
        EXPECT_EQ(s.offsets, c.want) << s.offsets.x << " " << s.offsets.y << " " << s.offsets.z;
        EXPECT_EQ(s.addedPieceCount, 3);
        EXPECT_EQ(s.addedPointCount, 72);
    }
}

TEST(AddFurniture, StagingLeavesTheOpenFurnitureAndTurnsOnlyTheCopy) {
    const auto current = Current();
    const auto before = std::make_unique<Furniture>(*current);
    const MobilaFile added = Added();
    const StagedFurniture s = StageFurniture(added, 1, AddPosition::Dreapta, *current);
    EXPECT_TRUE(*current == *before);
    // Four turns give the file back.
    MobilaFile f = added;
    for (int i = 0; i < 4; ++i) f = StageFurniture(f, 1, AddPosition::Dreapta, *current).file;
    EXPECT_EQ(f.points, added.points);
    EXPECT_NE(s.file.points, added.points);
}

TEST(AddFurniture, NoPointsOnTheOpenSideGiveZeroOffsets) {
    auto current = Make("Gol", {});
    // Stale values in the first slots must not be read as extents.
    current->scene.X[0] = 12345;
    current->scene.Y[0] = -999;
    current->scene.Z[0] = 77;
    const StagedFurniture s = StageFurniture(Added(), 0, AddPosition::Sus, *current);
    EXPECT_EQ(s.offsets, (AddOffsets{0, 0, 0}));
}

TEST(AddFurniture, CapacityIsCheckedWithTheOpenFurniture) {
    // Texture files that exist: only those take a slot of the atlas.
    QTemporaryDir dir;
    const auto file = [&](int k) {
        const std::string path = dir.filePath(QString("t%1.jpg").arg(k)).toStdString();
        std::ofstream(path) << "x";
        return path;
    };
    struct Case {
        const char* what;
        int openPieces, addedPieces;  // boxes of 24 points
        int openTextures, addedTable; // table entries
        int addedNew, addedShared;    // added pieces with a file of their own / one the open furniture uses
        const char* mentions;         // "" when it fits
    };
    const Case cases[] = {
        {"fits", 150, 50, 195, 5, 5, 0, ""},
        {"pieces 190 + 20", 190, 20, 0, 0, 0, 0, "210 piese, peste limita de 200"},
        {"a table of 197 entries that no piece uses", 10, 10, 4, 197, 0, 0, ""},
        {"199 + 1 used", 10, 10, 199, 2, 1, 0, ""},
        {"199 + 2 used", 10, 10, 199, 2, 2, 0, "201 texturi, peste limita de 200"},
        {"199 + 1 used + 1 the open furniture has", 10, 10, 199, 2, 1, 1, ""},
        {"195 + 10 used", 10, 10, 195, 10, 10, 0, "205 texturi, peste limita de 200"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<BoxSpec> open(static_cast<std::size_t>(c.openPieces), BoxSpec{0, 0, 0, 18, 700, 500});
        std::vector<BoxSpec> add(static_cast<std::size_t>(c.addedPieces), BoxSpec{0, 0, 0, 18, 700, 500});
        auto current = Make("A", open);
        current->textures.count = c.openTextures;
        current->attrs.textureFile[0] = file(100);
        MobilaFile f = CaptureMobilaFile(*Make("B", add), 0);
        f.textures.assign(static_cast<std::size_t>(c.addedTable), MobilaTexture{200, 500, 500, 100, 100});
        for (int k = 0; k < c.addedNew; ++k) f.pieces[static_cast<std::size_t>(k)].textureFile = file(k);
        for (int k = 0; k < c.addedShared; ++k)
            f.pieces[static_cast<std::size_t>(c.addedNew + k)].textureFile = file(100);
        const std::string why = CheckAddFurniture(f, *current);
        if (*c.mentions == '\0') {
            EXPECT_EQ(why, "");
            EXPECT_EQ(AddFurniture(*current, f, {}).newPieces, c.addedPieces);
            EXPECT_EQ(current->textures.count, c.openTextures + c.addedNew);
        } else {
            EXPECT_NE(why.find(c.mentions), std::string::npos) << why;
            const auto before = std::make_unique<Furniture>(*current);
            const EditResult r = AddFurniture(*current, f, {});
            EXPECT_EQ(r.newPieces, 0);
            EXPECT_TRUE(*current == *before);
        }
    }
    // Points: 199 boxes open (4776 points) and one piece of 25 points added.
    auto current = Make("A", std::vector<BoxSpec>(199, BoxSpec{0, 0, 0, 18, 700, 500}));
    MobilaFile f = CaptureMobilaFile(*Make("B", {{0, 0, 0, 10, 10, 10}}), 0);
    f.points.push_back({1, 2, 3});
    const std::string why = CheckAddFurniture(f, *current);
    EXPECT_NE(why.find("4801 puncte, peste limita de 4800"), std::string::npos) << why;
    // A file without points adds nothing.
    EXPECT_FALSE(CheckAddFurniture(MobilaFile{}, *current).empty());
}

TEST(AddFurniture, AppendsMovedCopyAndKeepsTheOwnBackType) {
    auto current = Current();
    current->textures.count = 1;
    current->attrs.hardware[0].Add("BALAMA", 2);
    MobilaFile added = Added(BackType::Incastrat);
    added.pieces[1].hardware.Add("MANER", 1);
    added.pieces[1].materialCode = "PAL18ALB";
    const std::string alb = std::string(ZV_DATA_DIR) + "/texturi/pal18_alb.bmp";
    added.pieces[2].textureFile = alb;
    added.textures = {MobilaTexture{200, 500, 500, 64, 64}};
    const StagedFurniture s = StageFurniture(added, 0, AddPosition::Dreapta, *current);

    const EditResult r = AddFurniture(*current, s.file, s.offsets);
    EXPECT_EQ(r.firstNewPiece, 3);
    EXPECT_EQ(r.newPieces, 3);
    EXPECT_TRUE(r.extentsChanged);
    const Scene3D& sc = current->scene;
    EXPECT_EQ(sc.pieceCount, 6);
    EXPECT_EQ(sc.pointCount, 144);
    EXPECT_EQ(current->backType, BackType::Aplicat);
    ASSERT_EQ(current->pieceNames.size(), 6u);
    EXPECT_EQ(current->pieceNames[3], "Comoda 1");
    EXPECT_EQ(current->textures.count, 2);
    EXPECT_EQ(current->textures.width[1], 64);
    EXPECT_EQ(current->attrs.hardware[0].Count(), 1); // the open pieces keep theirs
    EXPECT_EQ(current->attrs.hardware[4].Count(), 1);
    EXPECT_EQ(current->attrs.hardware[4].At(0).code, "MANER");
    EXPECT_EQ(current->attrs.materialCode[4], "PAL18ALB");
    EXPECT_EQ(current->attrs.textureFile[5], alb);
    EXPECT_EQ(current->attrs.textureIndex[5], 1); // its own entry, until the atlas is rebuilt
    EXPECT_EQ(current->attrs.textureIndex[4], -1);
    // Moved to the right: the left side of the added one starts at 800.
    const Scene3D::Box b = sc.PieceBox(3);
    EXPECT_EQ(b.x0, 800);
    EXPECT_EQ(b.z0, 200);
    EXPECT_EQ(sc.faceFirst[3][0], 72);
    EXPECT_DOUBLE_EQ(sc.pieceCx[3], 809);
    EXPECT_DOUBLE_EQ(sc.pieceCx[5], 800 + 300);
    EXPECT_DOUBLE_EQ(sc.modelCx, 700);
    EXPECT_EQ(sc.MaxX(), 1400);
}

TEST(AddFurniture, OldLayoutBringsEmptyHardwareAndCodes) {
    auto current = Current();
    MobilaFile mo4 = Added();
    mo4.pieces[0].hardware.Add("PICIOR", 4);
    mo4.pieces[0].materialCode = "PAL18NUC";
    // The same furniture through an "mo2" file: the layout ends after the textures.
    std::string bytes = EncodeMobilaFile(mo4);
    bytes[2] = '2';
    const MobilaFile mo2 = DecodeMobilaFile(bytes);
    ASSERT_TRUE(mo2.oldLayout);
    const MobilaFile* const files[] = {&mo4, &mo2};
    for (const MobilaFile* f : files) {
        auto into = std::make_unique<Furniture>(*current);
        into->backType = BackType::Incastrat;
        const StagedFurniture s = StageFurniture(*f, 0, AddPosition::Sus, *into);
        AddFurniture(*into, s.file, s.offsets);
        const bool old = f == &mo2;
        EXPECT_EQ(into->attrs.hardware[3].Count(), old ? 0 : 1);
        EXPECT_EQ(into->attrs.materialCode[3], old ? "" : "PAL18NUC");
        EXPECT_EQ(into->backType, BackType::Incastrat);
    }
}

// Offsets that take a moved box out of the limit, tried on a scratch copy;
// the open furniture stays as it was.
TEST(AddFurniture, OffsetsPastTheLimitAreRefused) {
    const struct {
        AddOffsets off;
        bool refused;
    } cases[] = {
        {{800, 0, 0}, false},     {{1.5e308, 0, 0}, true}, // every added box 0 wide as stored
        {{-1.5e308, 0, 0}, true},                          // and again the other way: width infinite
        {{1000001, 0, 0}, true},  {{0, -1000001, 0}, true},
        {{0, 0, 1e17}, true},     {{999400, 0, 0}, false}, // corners within the limit
    };
    auto current = Current();
    const auto before = std::make_unique<Furniture>(*current);
    const MobilaFile added = Added();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.off.x + c.off.y + c.off.z);
        EXPECT_EQ(AddLimitRefusal(*current, added, c.off), c.refused ? kAddOutOfLimits : "");
        EXPECT_TRUE(*current == *before);
    }
}
