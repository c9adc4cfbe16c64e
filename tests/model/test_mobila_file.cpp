// The furniture file: bytes written and read back, a file built here byte by
// byte, the old "mo2" layout, damaged files, failed writes, and the append
// used by the merge.
#include "model/MobilaFile.h"
#include "platform/IoError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/FileLimit.h"
#include "model/SampleFurniture.h"

#include <algorithm>

#include <sys/resource.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <sstream>

using namespace zv;
using namespace zv::samples;

namespace {

// ---- an encoder of the test's own, remembering where each field went ----
class Bytes {
public:
    Bytes& Raw(const std::string& s) {
        s_ += s;
        return *this;
    }
    Bytes& I32(std::int32_t v, const std::string& tag = {}) {
        Mark(tag);
        for (int i = 0; i < 4; ++i) s_.push_back(static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF));
        return *this;
    }
    Bytes& U8(std::uint8_t v, const std::string& tag = {}) {
        Mark(tag);
        s_.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& F64(double d, const std::string& tag = {}) {
        Mark(tag);
        std::uint64_t u;
        std::memcpy(&u, &d, 8);
        for (int i = 0; i < 8; ++i) s_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
        return *this;
    }
    Bytes& Str(const std::string& s, const std::string& tag = {}) {
        I32(static_cast<std::int32_t>(s.size()), tag);
        s_ += s;
        return *this;
    }
    // Length byte and ten bytes; the bytes past the length are junk on purpose.
    Bytes& S10(const std::string& s, const std::string& tag = {}) {
        U8(static_cast<std::uint8_t>(s.size()), tag);
        s_ += s;
        s_.append(10 - s.size(), pad);
        return *this;
    }
    char pad = '#';
    std::size_t At(const std::string& tag) const { return at_.at(tag); }
    const std::string& str() const { return s_; }

private:
    void Mark(const std::string& tag) {
        if (!tag.empty()) at_[tag] = s_.size();
    }
    std::string s_;
    std::map<std::string, std::size_t> at_;
};

const std::string kLongName = "Dulap de proba cu un nume mai lung decat cincizeci de caractere";       // 63
const std::string kLongPieceName = "Polita reglabila cu un nume care trece de cincizeci de caractere"; // 64

// The text fields of the golden file, as bytes of the file.
struct GoldenTexts {
    std::string name = kLongName, pieceName = "Lateral stanga", modelFile = "Cerc.bmp", textureFile = "stejar.jpg",
                hardwareCode = "BALAMA", materialCode = "PAL18";
};

// Two pieces over 8 points, one texture; mo4 adds the back type, hardware and codes.
Bytes GoldenFile(bool mo4, char pad = '#', const GoldenTexts& t = {}) {
    Bytes b;
    b.pad = pad;
    b.Raw(mo4 ? "mo4" : "mo2").I32(200).Str(t.name, "nameLen");
    b.F64(600, "W").F64(700).F64(400).F64(18).F64(4).F64(10);
    b.I32(2, "n").I32(8, "m").I32(1, "display");
    b.F64(0.1).F64(0.2).F64(0.3).F64(1).F64(2).F64(3);
    b.F64(11).F64(12).F64(21).F64(22).F64(31).F64(32);
    b.I32(1, "current").F64(5).F64(6).F64(7);
    for (int i = 0; i < 8; ++i) b.F64(i, i == 0 ? "x0" : "").F64(2 * i).F64(3 * i);
    b.I32(3, "edge0").I32(0x123456).I32(2, "f0").F64(1).F64(2).F64(3).Str(t.pieceName, "pieceName0");
    b.I32(0, "first0").I32(4, "count0").I32(4).I32(2);
    b.I32(8).I32(0x00FF00).I32(1).F64(4).F64(5).F64(6).Str(kLongPieceName).I32(6).I32(2);
    b.Str(t.modelFile, "modelFile0").U8(2, "modelFace0").U8(3, "modelRot0").U8(1, "mirror0");
    b.Str(t.textureFile, "textureFile0").I32(1).I32(0);
    b.Str("").U8(0).U8(0).U8(0).Str("").I32(0).I32(1);
    b.I32(1, "t").I32(3).I32(500).I32(400).I32(256).I32(128);
    if (mo4) {
        b.I32(1, "back");
        b.I32(2, "h0").I32(4).S10(t.hardwareCode, "hwCode0").I32(1).S10("MANER");
        b.I32(0);
        b.S10(t.materialCode, "material0").S10("");
    }
    return b;
}

// A model with every per-piece field set, for the round trip.
Furniture RichModel() {
    Furniture f = MakeDulap();
    f.pieceNames[6] = kLongPieceName;
    f.attrs.modelFile[6] = "Model3.bmp";
    f.attrs.modelFace[6] = 2;
    f.attrs.modelRotation[6] = 3;
    f.attrs.modelMirror[6] = 1;
    f.attrs.textureFile[8] = "usa.jpg";
    f.attrs.textureRotated[8] = 1;
    f.attrs.textureRepeated[8] = 0;
    f.attrs.textureFile[9] = "usa.jpg";
    f.textures.count = 1;
    f.textures.repeatScale[0] = 2;
    f.textures.width[0] = 256;
    f.textures.height[0] = 512;
    f.projParams.x[1] = -40.5;
    f.projParams.y[2] = 77.25;
    f.scene.panX = 12;
    f.scene.panY = -3;
    f.scene.current = 4;
    f.backType = BackType::Incastrat;
    return f;
}

std::string Encode(const Furniture& f, int displayMode = 0) {
    return EncodeMobilaFile(CaptureMobilaFile(f, displayMode));
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Decoding must fail, with one of the two errors a damaged file gives.
::testing::AssertionResult Refused(const std::string& bytes) {
    try {
        DecodeMobilaFile(bytes);
    } catch (const InvalidMobilaFile&) {
        return ::testing::AssertionSuccess();
    } catch (const IoError& e) {
        if (e.code() == 100) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "unexpected I/O error " << e.code();
    }
    return ::testing::AssertionFailure() << "accepted";
}

// Byte images are compared without printing them.
::testing::AssertionResult SameBytes(const std::string& a, const std::string& b) {
    if (a == b) return ::testing::AssertionSuccess();
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return ::testing::AssertionFailure() << "sizes " << a.size() << " and " << b.size() << ", first difference at "
                                         << i;
}

template <class T> std::string Patched(std::string bytes, std::size_t at, T v) {
    std::memcpy(bytes.data() + at, &v, sizeof v); // the machine is little-endian, as the file
    return bytes;
}

} // namespace

// ---- round trips ----

TEST(MobilaFileRoundTrip, WriteReadWriteGivesIdenticalBytesAndModel) {
    const Furniture original = RichModel();
    const std::string first = Encode(original, 2);
    const MobilaFile read = DecodeMobilaFile(first);
    EXPECT_FALSE(read.oldLayout);
    EXPECT_EQ(read.displayMode, 2);

    Furniture back;
    back.scene.Init();
    back.SetSlotDefaults();
    ReplaceWithMobilaFile(read, back);
    EXPECT_TRUE(SameBytes(Encode(back, read.displayMode), first));

    // The fields a user sees come back as they were.
    EXPECT_EQ(back.name, "Dulap");
    EXPECT_EQ(back.pieceNames, original.pieceNames); // a name over 50 characters keeps its length
    EXPECT_EQ(back.pieceNames[6].size(), kLongPieceName.size());
    EXPECT_EQ(back.scene.pointCount, original.scene.pointCount);
    EXPECT_EQ(back.scene.pieceCount, 10);
    for (int i = 0; i < original.scene.pointCount; ++i) {
        EXPECT_EQ(back.scene.X[i], original.scene.X[i]);
        EXPECT_EQ(back.scene.Y[i], original.scene.Y[i]);
        EXPECT_EQ(back.scene.Z[i], original.scene.Z[i]);
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(back.scene.color[i], original.scene.color[i]);
        EXPECT_EQ(back.scene.faceFirst[i], original.scene.faceFirst[i]);
        EXPECT_EQ(back.attrs.hardware[i], original.attrs.hardware[i]);
        EXPECT_EQ(back.attrs.materialCode[i], original.attrs.materialCode[i]);
        EXPECT_EQ(back.attrs.textureIndex[i], -1); // rebuilt by the atlas
    }
    EXPECT_EQ(back.attrs.modelFile[6], "Model3.bmp");
    EXPECT_EQ(back.scene.current, 4);
    EXPECT_EQ(back.backType, BackType::Incastrat);
    EXPECT_EQ(back.projParams.y[2], 77.25);
    EXPECT_EQ(back.textures.count, 1);
    EXPECT_EQ(back.textures.height[0], 512);
}

TEST(MobilaFileRoundTrip, SampleFilesReadAndWriteBackTheSameBytes) {
    int seen = 0;
    for (const QString& name : QDir(ZV_DATA_DIR).entryList({"*.mo4"}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const std::string path = std::string(ZV_DATA_DIR) + "/" + name.toStdString();
        const std::string bytes = ReadAll(path);
        const MobilaFile f = ReadMobilaFile(path);
        EXPECT_GT(f.pieces.size(), 0u);
        EXPECT_TRUE(SameBytes(EncodeMobilaFile(f), bytes));
        ++seen;
    }
    EXPECT_GE(seen, 3);
}

TEST(MobilaFileRoundTrip, SampleFilesAreTheSampleFurniture) {
    // tools/write_samples writes them; data/ must not drift from the builders.
    for (const auto& [file, make] : kSampleFiles) {
        SCOPED_TRACE(file);
        EXPECT_TRUE(SameBytes(ReadAll(std::string(ZV_DATA_DIR) + "/" + file), Encode(make())));
    }
}

TEST(MobilaFileRoundTrip, UnreadableModelValuesAreWrittenReadable) {
    Furniture f = MakeBiblioteca();
    f.scene.X[3] = std::numeric_limits<double>::quiet_NaN();
    f.scene.rotY = std::numeric_limits<double>::infinity();
    f.attrs.materialCode[0] = "COD_PREA_LUNG_12";
    const MobilaFile back = DecodeMobilaFile(Encode(f));
    EXPECT_EQ(back.points[3].x, 0.0);
    EXPECT_EQ(back.rotY, 0.0);
    EXPECT_EQ(back.pieces[0].materialCode, "COD_PREA_L");
}

TEST(MobilaFileRoundTrip, EightBitLettersComeBackInEveryTextField) {
    // Code page 1250 bytes in the file and the UTF-8 the model holds: an 8-bit
    // letter first, in the middle, last, and texts exactly at their limit.
    const std::string a49(49, 'a'), f254(254, 'f');
    const struct {
        const char* field;
        std::string file, text;
    } cases[] = {
        {"name", "\xCEnalt", "\xC3\x8Enalt"},
        {"name", "Comod\xE3 mic\xE3", "Comod\xC4\x83 mic\xC4\x83"},
        {"name", a49 + "\xFE", a49 + "\xC5\xA3"}, // 50 characters
        {"piece", "Lateral st\xE2ng\xE3", "Lateral st\xC3\xA2ng\xC4\x83"},
        {"piece",
         "\xAA"
         "ervant",
         "\xC5\x9E"
         "ervant"},
        {"model", "modele/u\xBA\xE3.bmp", "modele/u\xC5\x9F\xC4\x83.bmp"},
        {"texture", "texturi/stejar \xEEnchis.jpg", "texturi/stejar \xC3\xAEnchis.jpg"},
        {"texture", f254 + "\xE3", f254 + "\xC4\x83"}, // 255 characters
        {"hardware", "M\xC2NER", "M\xC3\x82NER"},
        {"hardware", "\xCEMBIN\xC3RE\xBA\xFE", "\xC3\x8EMBIN\xC4\x82RE\xC5\x9F\xC5\xA3"}, // 10 characters
        {"material", "P18ALB\xE3", "P18ALB\xC4\x83"},
        {"material", "P18ALB\xE3\xE3\xE3\xE3", "P18ALB\xC4\x83\xC4\x83\xC4\x83\xC4\x83"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.text);
        const std::string field = c.field;
        GoldenTexts t;
        t.name = field == "name" ? c.file : "Dulap"; // within the limit, so every byte is kept
        if (field == "piece") t.pieceName = c.file;
        if (field == "model") t.modelFile = c.file;
        if (field == "texture") t.textureFile = c.file;
        if (field == "hardware") t.hardwareCode = c.file;
        if (field == "material") t.materialCode = c.file;
        const std::string bytes = GoldenFile(true, '\0', t).str();

        const MobilaFile f = DecodeMobilaFile(bytes);
        const MobilaPiece& p = f.pieces[0];
        const std::string read = field == "name"       ? f.name
                                 : field == "piece"    ? p.name
                                 : field == "model"    ? p.modelFile
                                 : field == "texture"  ? p.textureFile
                                 : field == "hardware" ? p.hardware.At(0).code
                                                       : p.materialCode;
        EXPECT_EQ(read, c.text);
        EXPECT_TRUE(SameBytes(EncodeMobilaFile(f), bytes));

        // Through the model, as opening and saving go.
        auto model = std::make_unique<Furniture>();
        model->scene.Init();
        model->SetSlotDefaults();
        ReplaceWithMobilaFile(f, *model);
        const std::string saved = EncodeMobilaFile(CaptureMobilaFile(*model, f.displayMode));
        EXPECT_TRUE(SameBytes(saved, bytes));
        EXPECT_TRUE(DecodeMobilaFile(saved) == f);
    }
    // Past the limit the reader keeps the first 50 characters, whole.
    GoldenTexts t;
    t.name = a49 + "\xE3\xE3";
    EXPECT_EQ(DecodeMobilaFile(GoldenFile(true, '\0', t).str()).name, a49 + "\xC4\x83");
}

// The smallest files on which the furniture-file fuzz target stopped: a text
// ending in a byte of c0 or more lost it on the way through the model.
TEST(MobilaFileRoundTrip, FuzzFindingsComeBackByteForByte) {
    const auto emptyFile = [](const std::string& name) {
        Bytes b;
        b.Raw("mo4").I32(200).Str(name);
        for (int i = 0; i < 6; ++i) b.F64(0);
        b.I32(0).I32(0).I32(0); // no pieces, no points, display mode 0
        for (int i = 0; i < 12; ++i) b.F64(0);
        b.I32(0);
        for (int i = 0; i < 3; ++i) b.F64(0);
        b.I32(0).I32(0); // no textures, back type 0
        return b.str();
    };
    for (const std::string& name : {std::string("\xE3"), std::string("a\xC4"), std::string("\xC0"),
                                    std::string("\xFF\xFE"), std::string(49, 'x') + "\xF0"}) {
        SCOPED_TRACE(name);
        const std::string bytes = emptyFile(name);
        const MobilaFile f = DecodeMobilaFile(bytes);
        auto model = std::make_unique<Furniture>();
        model->scene.Init();
        ReplaceWithMobilaFile(f, *model);
        EXPECT_TRUE(SameBytes(EncodeMobilaFile(CaptureMobilaFile(*model, f.displayMode)), bytes));
        EXPECT_TRUE(DecodeMobilaFile(EncodeMobilaFile(f)) == f);
    }
}

// ---- a file built here, byte by byte ----

TEST(MobilaFileGolden, Mo4ReadsIntoTheExpectedModel) {
    const MobilaFile f = DecodeMobilaFile(GoldenFile(true).str());
    Furniture m;
    m.scene.Init();
    m.SetSlotDefaults();
    m.fileName = "vechi.mo4";
    m.dim.S = 75;
    ReplaceWithMobilaFile(f, m);

    EXPECT_EQ(f.displayMode, 1);
    EXPECT_EQ(m.name, kLongName.substr(0, 50));
    EXPECT_EQ(m.dim.W, 600);
    EXPECT_EQ(m.dim.B, 10);
    EXPECT_EQ(m.dim.S, 75); // not stored
    EXPECT_EQ(m.scene.pieceCount, 2);
    EXPECT_EQ(m.scene.pointCount, 8);
    EXPECT_EQ(m.scene.rotZ, 0.3);
    EXPECT_EQ(m.scene.panY, 2);
    EXPECT_EQ(m.projParams.x[1], 21);
    EXPECT_EQ(m.projParams.y[2], 32);
    EXPECT_EQ(m.scene.current, 1);
    EXPECT_EQ(m.scene.modelCz, 7);
    EXPECT_EQ(m.scene.Y[7], 14);
    EXPECT_EQ(m.scene.Z[5], 15);
    EXPECT_EQ(m.attrs.edgeBand[0], 3);
    EXPECT_EQ(m.scene.color[0], 0x123456u);
    EXPECT_EQ(m.scene.faceCount[0], 2);
    EXPECT_EQ(m.scene.faceFirst[0][1], 4);
    EXPECT_EQ(m.scene.facePoints[0][1], 2);
    EXPECT_EQ(m.scene.faceFirst[1][0], 6);
    EXPECT_EQ(m.scene.pieceCz[1], 6);
    EXPECT_EQ(m.pieceNames, (std::vector<std::string>{"Lateral stanga", kLongPieceName}));
    EXPECT_EQ(m.attrs.modelFile[0], "Cerc.bmp");
    EXPECT_EQ(m.attrs.modelFace[0], 2);
    EXPECT_EQ(m.attrs.modelRotation[0], 3);
    EXPECT_EQ(m.attrs.modelMirror[0], 1);
    EXPECT_EQ(m.attrs.textureFile[0], "stejar.jpg");
    EXPECT_EQ(m.attrs.textureRotated[0], 1);
    EXPECT_EQ(m.attrs.textureRepeated[0], 0);
    EXPECT_EQ(m.attrs.textureRepeated[1], 1);
    EXPECT_EQ(m.textures.count, 1);
    EXPECT_EQ(m.textures.repeatScale[0], 3);
    EXPECT_EQ(m.textures.requestedWidth[0], 500);
    EXPECT_EQ(m.textures.requestedHeight[0], 400);
    EXPECT_EQ(m.textures.width[0], 256);
    EXPECT_EQ(m.textures.height[0], 128);
    EXPECT_EQ(m.backType, BackType::Incastrat);
    ASSERT_EQ(m.attrs.hardware[0].Count(), 2);
    EXPECT_EQ(m.attrs.hardware[0].At(0).code, "BALAMA"); // the junk past the length is not read
    EXPECT_EQ(m.attrs.hardware[0].At(0).quantity, 4);
    EXPECT_EQ(m.attrs.hardware[0].At(1).code, "MANER");
    EXPECT_EQ(m.attrs.hardware[1].Count(), 0);
    EXPECT_EQ(m.attrs.materialCode[0], "PAL18");
    EXPECT_EQ(m.attrs.materialCode[1], "");
    EXPECT_EQ(m.fileName, "vechi.mo4"); // file state is the window's
}

TEST(MobilaFileGolden, WriterProducesTheLayoutByteByByte) {
    // The golden file with zero padding in its codes, and the name it keeps.
    MobilaFile f = DecodeMobilaFile(GoldenFile(true).str());
    f.name = kLongName; // the writer writes the name it is given
    EXPECT_TRUE(SameBytes(EncodeMobilaFile(f), GoldenFile(true, '\0').str()));
}

TEST(MobilaFileGolden, Mo2OpensWithEmptyHardwareAndCodesAndKeepsTheBackType) {
    const MobilaFile f = DecodeMobilaFile(GoldenFile(false).str());
    EXPECT_TRUE(f.oldLayout);
    Furniture m;
    m.scene.Init();
    m.backType = BackType::Incastrat;
    m.attrs.hardware[0].Add("VECHI", 9);
    m.attrs.materialCode[1] = "VECHI";
    ReplaceWithMobilaFile(f, m);
    EXPECT_EQ(m.attrs.hardware[0].Count(), 0);
    EXPECT_EQ(m.attrs.materialCode[1], "");
    EXPECT_EQ(m.backType, BackType::Incastrat);
    EXPECT_EQ(m.pieceNames.size(), 2u);
    // Saved again it is a mo4.
    EXPECT_EQ(EncodeMobilaFile(CaptureMobilaFile(m, f.displayMode)).substr(0, 3), "mo4");
}

TEST(MobilaFileGolden, WrongSignatureIsInvalid) {
    for (const char* sig : {"mo3", "MO4", "mo", "", "xyz"}) {
        SCOPED_TRACE(sig);
        std::string bytes = GoldenFile(true).str();
        bytes.replace(0, 3, sig);
        EXPECT_THROW(DecodeMobilaFile(bytes), InvalidMobilaFile);
    }
}

// ---- damaged files ----

TEST(MobilaFileDamaged, TruncationAtEveryOffsetIsRefused) {
    for (bool mo4 : {true, false}) {
        const std::string whole = GoldenFile(mo4).str();
        ASSERT_NO_THROW(DecodeMobilaFile(whole));
        for (std::size_t len = 0; len < whole.size(); ++len)
            EXPECT_TRUE(Refused(whole.substr(0, len))) << "mo4=" << mo4 << " cut at " << len;
    }
    // A sample file too, with its many pieces.
    const std::string sample = Encode(MakeComoda());
    for (std::size_t len = 0; len < sample.size(); len += 7) EXPECT_TRUE(Refused(sample.substr(0, len))) << len;
}

TEST(MobilaFileDamaged, CountsAndLengthsOutOfRangeAreInvalid) {
    const Bytes g = GoldenFile(true);
    const std::string& bytes = g.str();
    auto left = [&](const char* tag) { return static_cast<std::int64_t>(bytes.size() - g.At(tag) - 4); };
    struct Case {
        const char* tag;
        std::int64_t limit;
    };
    const Case cases[] = {{"n", 200},
                          {"m", 4800},
                          {"f0", 11},
                          {"h0", 101},
                          {"t", 200},
                          {"nameLen", left("nameLen")},
                          {"pieceName0", left("pieceName0")},
                          {"modelFile0", left("modelFile0")},
                          {"textureFile0", left("textureFile0")}};
    for (const Case& c : cases)
        for (std::int64_t v : {std::int64_t{-1}, c.limit + 1, std::int64_t{INT32_MAX}, std::int64_t{INT32_MIN}}) {
            SCOPED_TRACE(std::string(c.tag) + " = " + std::to_string(v));
            EXPECT_THROW(DecodeMobilaFile(Patched(bytes, g.At(c.tag), static_cast<std::int32_t>(v))),
                         InvalidMobilaFile);
        }
    for (const char* tag : {"hwCode0", "material0"})
        for (std::uint8_t v : {std::uint8_t{11}, std::uint8_t{255}}) {
            SCOPED_TRACE(std::string(tag) + " = " + std::to_string(v));
            EXPECT_THROW(DecodeMobilaFile(Patched(bytes, g.At(tag), v)), InvalidMobilaFile);
        }
}

TEST(MobilaFileDamaged, CodesAndReferencesOutOfRangeAreInvalid) {
    const Bytes g = GoldenFile(true);
    const std::string& bytes = g.str();
    struct Case {
        const char* tag;
        std::int32_t value;
    };
    const Case ints[] = {{"display", -1}, {"display", 3}, {"current", -2},      {"current", 2},
                         {"back", -1},    {"back", 2},    {"first0", -1},       {"first0", 5},
                         {"count0", -1},  {"count0", 9},  {"first0", INT32_MAX}};
    for (const Case& c : ints) {
        SCOPED_TRACE(std::string(c.tag) + " = " + std::to_string(c.value));
        EXPECT_THROW(DecodeMobilaFile(Patched(bytes, g.At(c.tag), c.value)), InvalidMobilaFile);
    }
    const Case bytesCases[] = {{"modelRot0", 4}, {"mirror0", 2}, {"mirror0", 255}};
    for (const Case& c : bytesCases) {
        SCOPED_TRACE(std::string(c.tag) + " = " + std::to_string(c.value));
        EXPECT_THROW(DecodeMobilaFile(Patched(bytes, g.At(c.tag), static_cast<std::uint8_t>(c.value))),
                     InvalidMobilaFile);
    }
    for (double d : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
        for (const char* tag : {"W", "x0"}) {
            SCOPED_TRACE(std::string(tag) + " = " + std::to_string(d));
            EXPECT_THROW(DecodeMobilaFile(Patched(bytes, g.At(tag), d)), InvalidMobilaFile);
        }
}

// Values the windows already show by a rule of their own open the file:
// an edge band outside its table bands nothing, a model face past 2 is face 0,
// no current piece (-1) makes the first one current.
TEST(MobilaFileDamaged, ValuesTheWindowsShowAreReadByTheirRule) {
    const Bytes g = GoldenFile(true);
    const struct {
        const char* tag;
        std::int32_t value;
        bool byte;
        std::int32_t read;
    } cases[] = {{"edge0", 9, false, 0},     {"edge0", -1, false, 0},    {"edge0", INT32_MIN, false, 0},
                 {"edge0", 8, false, 8},     {"modelFace0", 3, true, 0}, {"modelFace0", 255, true, 0},
                 {"modelFace0", 2, true, 2}, {"current", -1, false, 0},  {"current", 1, false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " = " + std::to_string(c.value));
        const std::string bytes = c.byte ? Patched(g.str(), g.At(c.tag), static_cast<std::uint8_t>(c.value))
                                         : Patched(g.str(), g.At(c.tag), c.value);
        MobilaFile f;
        ASSERT_NO_THROW(f = DecodeMobilaFile(bytes));
        const std::string tag = c.tag;
        const std::int32_t read = tag == "edge0"        ? f.pieces[0].edgeBand
                                  : tag == "modelFace0" ? f.pieces[0].modelFace
                                                        : f.current;
        EXPECT_EQ(read, c.read);
        // Written back by the same rule, and read again unchanged.
        EXPECT_EQ(DecodeMobilaFile(EncodeMobilaFile(f)), f);
    }
    // The model may hold them too (an old undo copy, a merge): written by the rule.
    Furniture m = MakeBiblioteca();
    m.attrs.edgeBand[1] = 12;
    m.attrs.modelFace[1] = 3;
    const MobilaFile back = DecodeMobilaFile(Encode(m));
    EXPECT_EQ(back.pieces[1].edgeBand, 0);
    EXPECT_EQ(back.pieces[1].modelFace, 0);
}

TEST(MobilaFileDamaged, FileErrorsCarryTheirCodes) {
    QTemporaryDir dir;
    const std::string missing = dir.filePath("lipsa.mo4").toStdString();
    try {
        ReadMobilaFile(missing);
        FAIL() << "read a missing file";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 2);
        EXPECT_STREQ(e.what(), "File not found");
    }
    const std::string text = dir.filePath("text.mo4").toStdString();
    WriteAll(text, "nu este mobila, doar un text oarecare");
    EXPECT_THROW(ReadMobilaFile(text), InvalidMobilaFile);
    const std::string empty = dir.filePath("gol.mo4").toStdString();
    WriteAll(empty, "");
    EXPECT_THROW(ReadMobilaFile(empty), InvalidMobilaFile);
}

// ---- writing ----

TEST(MobilaFileWrite, ReplacesTheFileAndLeavesNoTemporaryBehind) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("dulap.mo4").toStdString();
    WriteAll(path, "continut vechi");
    WriteMobilaFile(path, CaptureMobilaFile(MakeDulap(), 0));
    EXPECT_TRUE(SameBytes(ReadAll(path), Encode(MakeDulap())));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"dulap.mo4"});
}

TEST(MobilaFileWrite, AFailedWriteKeepsThePreviousFileWhole) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("dulap.mo4").toStdString();
    const std::string old = Encode(MakeBiblioteca());
    WriteAll(path, old);
    {
        SmallFileLimit limit(100);
        EXPECT_THROW(WriteMobilaFile(path, CaptureMobilaFile(MakeDulap(), 0)), IoError);
    }
    EXPECT_TRUE(SameBytes(ReadAll(path), old));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"dulap.mo4"});
}

TEST(MobilaFileWrite, AFolderThatCannotBeWrittenKeepsThePreviousFile) {
    if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
    QTemporaryDir dir;
    const std::string path = dir.filePath("dulap.mo4").toStdString();
    const std::string old = Encode(MakeBiblioteca());
    WriteAll(path, old);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    try {
        WriteMobilaFile(path, CaptureMobilaFile(MakeDulap(), 0));
        ADD_FAILURE() << "wrote into a read-only folder";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(SameBytes(ReadAll(path), old));
}

TEST(MobilaFileWrite, AMissingFolderIsAnInvalidName) {
    QTemporaryDir dir;
    try {
        WriteMobilaFile(dir.filePath("nu/exista.mo4").toStdString(), CaptureMobilaFile(MakeDulap(), 0));
        FAIL();
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 3);
    }
}

// ---- append (the merge) ----

TEST(MobilaFileAppend, PutsTheFileBehindTheModel) {
    Furniture m = MakeBiblioteca();
    const int m0 = m.scene.pointCount, n0 = m.scene.pieceCount;
    m.textures.count = 1;
    MobilaFile add = DecodeMobilaFile(GoldenFile(true).str());
    add.pieces[0].textureFile = std::string(ZV_DATA_DIR) + "/texturi/pal18_stejar.jpg";

    Furniture staged = m;
    const auto r = AppendMobilaFile(add, staged, false);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->firstPoint, m0);
    EXPECT_EQ(r->firstPiece, n0);
    EXPECT_EQ(staged.scene.pointCount, m0); // staged beyond the counts
    EXPECT_EQ(staged.scene.pieceCount, n0);
    EXPECT_EQ(staged.scene.X[static_cast<std::size_t>(m0 + 7)], 7);
    EXPECT_EQ(staged.scene.faceFirst[static_cast<std::size_t>(n0)][1], m0 + 4);
    EXPECT_EQ(staged.scene.faceFirst[static_cast<std::size_t>(n0 + 1)][0], m0 + 6);
    EXPECT_EQ(staged.pieceNames.size(), static_cast<std::size_t>(n0 + 2));
    EXPECT_EQ(staged.pieceNames[static_cast<std::size_t>(n0)], "Lateral stanga");
    EXPECT_EQ(staged.attrs.hardware[static_cast<std::size_t>(n0)].Count(), 2);
    EXPECT_EQ(staged.textures.count, 2);
    EXPECT_EQ(staged.textures.width[1], 256);
    EXPECT_EQ(staged.attrs.textureIndex[static_cast<std::size_t>(n0)], 1);
    EXPECT_EQ(staged.attrs.textureIndex[static_cast<std::size_t>(n0 + 1)], -1); // no texture
    EXPECT_EQ(staged.backType, m.backType); // the added file's back type is not taken

    // Staging again from the same model replaces the staged names.
    EXPECT_TRUE(AppendMobilaFile(add, staged = m, false).has_value());
    EXPECT_EQ(staged.pieceNames.size(), static_cast<std::size_t>(n0 + 2));

    Furniture merged = m;
    ASSERT_TRUE(AppendMobilaFile(add, merged, true).has_value());
    EXPECT_EQ(merged.scene.pointCount, m0 + 8);
    EXPECT_EQ(merged.scene.pieceCount, n0 + 2);
}

TEST(MobilaFileAppend, WhatDoesNotFitChangesNothing) {
    Furniture m = MakeBiblioteca();
    MobilaFile add = DecodeMobilaFile(GoldenFile(false).str());
    add.pieces[0].textureFile = std::string(ZV_DATA_DIR) + "/texturi/pal18_stejar.jpg";
    struct Case {
        const char* what;
        std::function<void(Furniture&)> fill;
    };
    const Case cases[] = {{"points", [](Furniture& f) { f.scene.pointCount = 4800 - 7; }},
                          {"pieces", [](Furniture& f) { f.scene.pieceCount = 199; }},
                          {"textures", [](Furniture& f) { f.textures.count = 200; }}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Furniture f = m;
        c.fill(f);
        const std::string before = Encode(f);
        EXPECT_FALSE(AppendMobilaFile(add, f, true).has_value());
        EXPECT_TRUE(SameBytes(Encode(f), before));
        EXPECT_EQ(f.pieceNames, m.pieceNames);
    }
}
