// The furniture file, byte by byte: integers are 32-bit and reals 64-bit
// IEEE, both little-endian, without padding. A text ("str") is a 32-bit length
// and that many bytes; a code ("s10") is a length byte 0..10 and ten bytes,
// zeros past the length. Text bytes are code page 1250: the reader turns them
// into the model's UTF-8 and the writer back (platform/Text.h), one byte per
// character, so a file read and written again keeps every text byte for byte
// and the name's limit of 50 and the file names' of 255 count characters.
#include "MobilaFile.h"

#include "platform/IoError.h"
#include "platform/Text.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace zv {

namespace {

constexpr std::size_t kS10Size = 11;

// ---- reading ----

class Reader {
public:
    explicit Reader(std::string_view b) : b_(b) {}

    std::size_t Left() const { return b_.size() - pos_; }

    std::int32_t Int() {
        Need(4);
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b_[pos_ + static_cast<std::size_t>(i)]);
        pos_ += 4;
        return static_cast<std::int32_t>(v);
    }
    std::uint8_t Byte() {
        Need(1);
        return static_cast<std::uint8_t>(b_[pos_++]);
    }
    double Real() {
        Need(8);
        std::uint64_t v = 0;
        for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b_[pos_ + static_cast<std::size_t>(i)]);
        pos_ += 8;
        double d;
        std::memcpy(&d, &v, sizeof d);
        if (!std::isfinite(d)) throw InvalidMobilaFile();
        return d;
    }
    // A count in 0..limit.
    int Count(int limit) {
        const std::int32_t n = Int();
        if (n < 0 || n > limit) throw InvalidMobilaFile();
        return n;
    }
    // A code in 0..max.
    std::int32_t Code(std::int32_t max) {
        const std::int32_t v = Int();
        if (v < 0 || v > max) throw InvalidMobilaFile();
        return v;
    }
    std::uint8_t ByteCode(std::uint8_t max) {
        const std::uint8_t v = Byte();
        if (v > max) throw InvalidMobilaFile();
        return v;
    }
    // Length-prefixed text; the first `keep` characters stay.
    std::string Str(std::size_t keep = std::string::npos) {
        const std::int32_t n = Int();
        if (n < 0 || static_cast<std::size_t>(n) > Left()) throw InvalidMobilaFile();
        std::string s = FromFileText(b_.substr(pos_, std::min(static_cast<std::size_t>(n), keep)));
        pos_ += static_cast<std::size_t>(n);
        return s;
    }
    // A length byte 0..10 and ten character bytes.
    std::string S10() {
        Need(kS10Size);
        const auto n = static_cast<unsigned char>(b_[pos_]);
        if (n > kMaxCode) throw InvalidMobilaFile();
        std::string s = FromFileText(b_.substr(pos_ + 1, n));
        pos_ += kS10Size;
        return s;
    }
    std::string_view Raw(std::size_t n) {
        Need(n);
        const std::string_view s = b_.substr(pos_, n);
        pos_ += n;
        return s;
    }

private:
    void Need(std::size_t n) const {
        if (Left() < n) throw IoError(100);
    }
    std::string_view b_;
    std::size_t pos_ = 0;
};

// ---- writing ----

class Writer {
public:
    void Int(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    }
    void Byte(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void Real(double d) {
        std::uint64_t u;
        std::memcpy(&u, &d, sizeof u);
        for (int i = 0; i < 8; ++i) out_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    }
    void Str(const std::string& text) {
        const std::string s = ToFileText(text);
        Int(static_cast<std::int32_t>(s.size()));
        out_ += s;
    }
    // Bytes past the length are written as zeros.
    void S10(const std::string& text) {
        const std::string s = ToFileText(text);
        const std::size_t n = std::min(s.size(), kMaxCode);
        Byte(static_cast<std::uint8_t>(n));
        out_.append(s, 0, n);
        out_.append(kMaxCode - n, '\0');
    }
    void Raw(const char* s, std::size_t n) { out_.append(s, n); }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

bool SameDims(const MobilaDimensions& a, const MobilaDimensions& b) {
    return a.W == b.W && a.H == b.H && a.D == b.D && a.G == b.G && a.P == b.P && a.B == b.B && a.S == b.S;
}

bool SamePans(const ProjectionViewParams& a, const ProjectionViewParams& b) {
    for (int i = 0; i < 3; ++i)
        if (a.x[i] != b.x[i] || a.y[i] != b.y[i]) return false;
    return true;
}

// The model may hold a NaN or an infinity after a degenerate edit; the file
// gets 0 instead, so that what we write we can read back.
double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

template <class T> T Clamp(T v, T lo, T hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Values that the windows already show by a rule of their own are read and
// written by that rule, so an old file opens instead of being refused:
// an edge-band code outside 0..8 bands nothing, as "deloc" (the piece list
// gives it no length); a model face outside 0..2 is face 0, as the
// current-piece window draws it; a current piece of -1 (none chosen) is the
// first piece, as after deleting a piece.
std::int32_t ShownEdgeBand(std::int32_t code) { return code >= 0 && code <= 8 ? code : 0; }
std::uint8_t ShownModelFace(std::uint8_t face) { return face <= 2 ? face : 0; }

// Points and pieces of the file go to the model's slots from (m0, n0).
void PutPieces(const MobilaFile& f, Furniture& model, int m0, int n0) {
    Scene3D& s = model.scene;
    for (std::size_t i = 0; i < f.points.size(); ++i) {
        const auto k = static_cast<std::size_t>(m0) + i;
        s.X[k] = f.points[i].x;
        s.Y[k] = f.points[i].y;
        s.Z[k] = f.points[i].z;
    }
    model.pieceNames.resize(static_cast<std::size_t>(n0));
    for (std::size_t j = 0; j < f.pieces.size(); ++j) {
        const MobilaPiece& p = f.pieces[j];
        const auto k = static_cast<std::size_t>(n0) + j;
        s.faceCount[k] = static_cast<std::int32_t>(p.faces.size());
        for (std::size_t q = 0; q < static_cast<std::size_t>(Scene3D::kMaxFaces); ++q) {
            s.faceFirst[k][q] = q < p.faces.size() ? p.faces[q].first + m0 : 0;
            s.facePoints[k][q] = q < p.faces.size() ? p.faces[q].count : 0;
        }
        s.pieceCx[k] = p.cx;
        s.pieceCy[k] = p.cy;
        s.pieceCz[k] = p.cz;
        s.color[k] = p.color;
        PiesaAttributes& a = model.attrs;
        a.edgeBand[k] = p.edgeBand;
        a.materialCode[k] = p.materialCode;
        a.hardware[k] = p.hardware;
        a.modelFile[k] = p.modelFile;
        a.modelFace[k] = p.modelFace;
        a.modelRotation[k] = p.modelRotation;
        a.modelMirror[k] = p.modelMirror;
        a.textureFile[k] = p.textureFile;
        a.textureRepeated[k] = p.textureRepeated;
        a.textureRotated[k] = p.textureRotated;
        a.textureIndex[k] = -1; // the atlas is rebuilt from the texture files
        model.pieceNames.push_back(p.name);
    }
}

void PutTextures(const std::vector<MobilaTexture>& entries, Furniture& model, int t0) {
    TextureTable& t = model.textures;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto k = static_cast<std::size_t>(t0) + i;
        t.repeatScale[k] = entries[i].repeatScale;
        t.requestedWidth[k] = entries[i].requestedWidth;
        t.requestedHeight[k] = entries[i].requestedHeight;
        t.width[k] = entries[i].width;
        t.height[k] = entries[i].height;
    }
    t.count = static_cast<std::int32_t>(t0 + static_cast<int>(entries.size()));
}

} // namespace

bool MobilaFile::operator==(const MobilaFile& o) const {
    return oldLayout == o.oldLayout && name == o.name && SameDims(dim, o.dim) && displayMode == o.displayMode &&
           rotX == o.rotX && rotY == o.rotY && rotZ == o.rotZ && panX == o.panX && panY == o.panY && panZ == o.panZ &&
           SamePans(projParams, o.projParams) && current == o.current && modelCx == o.modelCx && modelCy == o.modelCy &&
           modelCz == o.modelCz && points == o.points && pieces == o.pieces && textures == o.textures &&
           (oldLayout || backType == o.backType);
}

std::string EncodeMobilaFile(const MobilaFile& f) {
    Writer w;
    w.Raw("mo4", 3);
    w.Int(kFileReserved);
    w.Str(f.name);
    for (double d : {f.dim.W, f.dim.H, f.dim.D, f.dim.G, f.dim.P, f.dim.B}) w.Real(d);
    w.Int(static_cast<std::int32_t>(f.pieces.size()));
    w.Int(static_cast<std::int32_t>(f.points.size()));
    w.Int(f.displayMode);
    for (double d : {f.rotX, f.rotY, f.rotZ, f.panX, f.panY, f.panZ}) w.Real(d);
    for (int i = 0; i < 3; ++i) {
        w.Real(f.projParams.x[i]);
        w.Real(f.projParams.y[i]);
    }
    w.Int(f.current);
    for (double d : {f.modelCx, f.modelCy, f.modelCz}) w.Real(d);
    for (const MobilaPoint& p : f.points) {
        w.Real(p.x);
        w.Real(p.y);
        w.Real(p.z);
    }
    for (const MobilaPiece& p : f.pieces) {
        w.Int(p.edgeBand);
        w.Int(static_cast<std::int32_t>(p.color));
        w.Int(static_cast<std::int32_t>(p.faces.size()));
        w.Real(p.cx);
        w.Real(p.cy);
        w.Real(p.cz);
        w.Str(p.name);
        for (const MobilaFace& q : p.faces) {
            w.Int(q.first);
            w.Int(q.count);
        }
    }
    for (const MobilaPiece& p : f.pieces) {
        w.Str(p.modelFile);
        w.Byte(p.modelFace);
        w.Byte(p.modelRotation);
        w.Byte(p.modelMirror);
        w.Str(p.textureFile);
        w.Int(p.textureRotated);
        w.Int(p.textureRepeated);
    }
    w.Int(static_cast<std::int32_t>(f.textures.size()));
    for (const MobilaTexture& t : f.textures) {
        w.Int(t.repeatScale);
        w.Int(t.requestedWidth);
        w.Int(t.requestedHeight);
        w.Int(t.width);
        w.Int(t.height);
    }
    w.Int(static_cast<std::int32_t>(f.backType));
    for (const MobilaPiece& p : f.pieces) {
        w.Int(p.hardware.Count());
        for (const HardwareEntry& e : p.hardware.Items()) {
            w.Int(e.quantity);
            w.S10(e.code);
        }
    }
    for (const MobilaPiece& p : f.pieces) w.S10(p.materialCode);
    return w.Take();
}

MobilaFile DecodeMobilaFile(std::string_view bytes) {
    if (bytes.size() < 3) throw InvalidMobilaFile();
    Reader r(bytes);
    const std::string_view sig = r.Raw(3);
    if (sig != "mo2" && sig != "mo4") throw InvalidMobilaFile();
    MobilaFile f;
    f.oldLayout = sig == "mo2";
    r.Int(); // reserved
    f.name = r.Str(kMaxFurnitureName);
    f.dim.W = r.Real();
    f.dim.H = r.Real();
    f.dim.D = r.Real();
    f.dim.G = r.Real();
    f.dim.P = r.Real();
    f.dim.B = r.Real();
    const int n = r.Count(kFileMaxPieces);
    const int m = r.Count(kFileMaxPoints);
    f.displayMode = r.Code(2);
    f.rotX = r.Real();
    f.rotY = r.Real();
    f.rotZ = r.Real();
    f.panX = r.Real();
    f.panY = r.Real();
    f.panZ = r.Real();
    for (int i = 0; i < 3; ++i) {
        f.projParams.x[i] = r.Real();
        f.projParams.y[i] = r.Real();
    }
    f.current = r.Int();
    if (f.current == -1) f.current = 0;
    if (f.current < 0 || f.current >= std::max(n, 1)) throw InvalidMobilaFile();
    f.modelCx = r.Real();
    f.modelCy = r.Real();
    f.modelCz = r.Real();
    f.points.resize(static_cast<std::size_t>(m));
    for (MobilaPoint& p : f.points) {
        p.x = r.Real();
        p.y = r.Real();
        p.z = r.Real();
    }
    f.pieces.resize(static_cast<std::size_t>(n));
    for (MobilaPiece& p : f.pieces) {
        p.edgeBand = ShownEdgeBand(r.Int());
        p.color = static_cast<std::uint32_t>(r.Int());
        const int fc = r.Count(kFileMaxFaces);
        p.cx = r.Real();
        p.cy = r.Real();
        p.cz = r.Real();
        p.name = r.Str();
        p.faces.resize(static_cast<std::size_t>(fc));
        for (MobilaFace& q : p.faces) {
            q.first = r.Int();
            q.count = r.Int();
            if (q.first < 0 || q.count < 0 || static_cast<std::int64_t>(q.first) + q.count > m)
                throw InvalidMobilaFile();
        }
    }
    for (MobilaPiece& p : f.pieces) {
        p.modelFile = r.Str(kMaxFileName);
        p.modelFace = ShownModelFace(r.Byte());
        p.modelRotation = r.ByteCode(3);
        p.modelMirror = r.ByteCode(1);
        p.textureFile = r.Str(kMaxFileName);
        p.textureRotated = r.Int();
        p.textureRepeated = r.Int();
    }
    f.textures.resize(static_cast<std::size_t>(r.Count(kFileMaxTextures)));
    for (MobilaTexture& t : f.textures) {
        t.repeatScale = r.Int();
        t.requestedWidth = r.Int();
        t.requestedHeight = r.Int();
        t.width = r.Int();
        t.height = r.Int();
    }
    if (!f.oldLayout) {
        f.backType = static_cast<BackType>(r.Code(1));
        for (MobilaPiece& p : f.pieces) {
            const int h = r.Count(kFileMaxHardware);
            for (int k = 0; k < h; ++k) {
                const std::int32_t qty = r.Int();
                p.hardware.Add(r.S10(), qty);
            }
        }
        for (MobilaPiece& p : f.pieces) p.materialCode = r.S10();
    }
    return f;
}

MobilaFile ReadMobilaFile(const std::string& path) {
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> fp(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!fp) throw IoError(IoCodeFromErrno(errno ? errno : ENOENT));
    std::string bytes;
    char sig[3];
    const std::size_t got = std::fread(sig, 1, sizeof sig, fp.get());
    if (std::ferror(fp.get())) throw IoError(IoCodeFromErrno(errno ? errno : EIO));
    bytes.assign(sig, got);
    // Only a furniture file is read whole.
    if (got == sizeof sig && bytes != "mo2" && bytes != "mo4") throw InvalidMobilaFile();
    char buf[65536];
    std::size_t k;
    while ((k = std::fread(buf, 1, sizeof buf, fp.get())) > 0) bytes.append(buf, k);
    if (std::ferror(fp.get())) throw IoError(IoCodeFromErrno(errno ? errno : EIO));
    return DecodeMobilaFile(bytes);
}

void WriteMobilaFile(const std::string& path, const MobilaFile& f) {
    const std::string bytes = EncodeMobilaFile(f);
    const QString qpath = QString::fromStdString(path);
    QSaveFile out(qpath);
    // Unbuffered, so that a short write (full disk, size limit) is seen here
    // and not lost in a flush at commit.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QFileInfo info(qpath);
        if (path.empty() || info.isDir() || !info.absoluteDir().exists()) throw IoError(3);
        throw IoError(5);
    }
    if (out.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        out.cancelWriting();
        throw IoError(101);
    }
    if (!out.commit()) throw IoError(out.error() == QFileDevice::WriteError ? 101 : 5);
}

MobilaFile CaptureMobilaFile(const Furniture& model, int displayMode) {
    const Scene3D& s = model.scene;
    MobilaFile f;
    f.name = model.name;
    f.dim = model.dim;
    f.dim.S = 0;
    for (double* d : {&f.dim.W, &f.dim.H, &f.dim.D, &f.dim.G, &f.dim.P, &f.dim.B}) *d = Finite(*d);
    f.displayMode = Clamp(displayMode, 0, 2);
    f.rotX = Finite(s.rotX);
    f.rotY = Finite(s.rotY);
    f.rotZ = Finite(s.rotZ);
    f.panX = Finite(s.panX);
    f.panY = Finite(s.panY);
    f.panZ = Finite(s.panZ);
    for (int i = 0; i < 3; ++i) {
        f.projParams.x[i] = Finite(model.projParams.x[i]);
        f.projParams.y[i] = Finite(model.projParams.y[i]);
    }
    f.modelCx = Finite(s.modelCx);
    f.modelCy = Finite(s.modelCy);
    f.modelCz = Finite(s.modelCz);
    const int m = Clamp(s.pointCount, 0, kFileMaxPoints);
    const int n = Clamp(s.pieceCount, 0, kFileMaxPieces);
    f.current = Clamp(s.current, 0, std::max(n - 1, 0));
    f.points.resize(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) {
        const auto k = static_cast<std::size_t>(i);
        f.points[k] = {Finite(s.X[k]), Finite(s.Y[k]), Finite(s.Z[k])};
    }
    f.pieces.resize(static_cast<std::size_t>(n));
    const PiesaAttributes& a = model.attrs;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        MobilaPiece& p = f.pieces[k];
        p.edgeBand = ShownEdgeBand(a.edgeBand[k]);
        p.color = s.color[k];
        p.cx = Finite(s.pieceCx[k]);
        p.cy = Finite(s.pieceCy[k]);
        p.cz = Finite(s.pieceCz[k]);
        if (k < model.pieceNames.size()) p.name = model.pieceNames[k];
        const int fc = Clamp(s.faceCount[k], 0, kFileMaxFaces);
        p.faces.resize(static_cast<std::size_t>(fc));
        for (int q = 0; q < fc; ++q) {
            const auto qk = static_cast<std::size_t>(q);
            const int first = Clamp(s.faceFirst[k][qk], 0, m);
            p.faces[qk] = {first, Clamp(s.facePoints[k][qk], 0, m - first)};
        }
        p.modelFile = a.modelFile[k];
        p.modelFace = ShownModelFace(a.modelFace[k]);
        p.modelRotation = std::min<std::uint8_t>(a.modelRotation[k], 3);
        p.modelMirror = std::min<std::uint8_t>(a.modelMirror[k], 1);
        p.textureFile = a.textureFile[k];
        p.textureRotated = a.textureRotated[k];
        p.textureRepeated = a.textureRepeated[k];
        for (int h = 0; h < a.hardware[k].Count() && h < kFileMaxHardware; ++h)
            p.hardware.Add(a.hardware[k].At(h).code, a.hardware[k].At(h).quantity);
        p.materialCode = CutCode(a.materialCode[k]);
    }
    const int t = Clamp(model.textures.count, 0, kFileMaxTextures);
    f.textures.resize(static_cast<std::size_t>(t));
    for (int i = 0; i < t; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const TextureTable& tt = model.textures;
        f.textures[k] = {tt.repeatScale[k], tt.requestedWidth[k], tt.requestedHeight[k], tt.width[k], tt.height[k]};
    }
    f.backType = model.backType == BackType::Incastrat ? BackType::Incastrat : BackType::Aplicat;
    return f;
}

void ReplaceWithMobilaFile(const MobilaFile& f, Furniture& model) {
    Scene3D& s = model.scene;
    model.name = CutFurnitureName(f.name);
    model.dim.W = f.dim.W;
    model.dim.H = f.dim.H;
    model.dim.D = f.dim.D;
    model.dim.G = f.dim.G;
    model.dim.P = f.dim.P;
    model.dim.B = f.dim.B;
    s.pointCount = static_cast<std::int32_t>(f.points.size());
    s.pieceCount = static_cast<std::int32_t>(f.pieces.size());
    s.rotX = f.rotX;
    s.rotY = f.rotY;
    s.rotZ = f.rotZ;
    s.panX = f.panX;
    s.panY = f.panY;
    s.panZ = f.panZ;
    s.current = f.current;
    s.modelCx = f.modelCx;
    s.modelCy = f.modelCy;
    s.modelCz = f.modelCz;
    model.projParams = f.projParams;
    PutPieces(f, model, 0, 0);
    PutTextures(f.textures, model, 0);
    if (!f.oldLayout) model.backType = f.backType;
}

bool TextureFileExists(const std::string& name) {
    if (name.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(name, ec);
}

int TextureSlotsOf(const std::vector<std::string>& files, std::vector<int>& slots) {
    slots.assign(files.size(), -1);
    std::vector<std::size_t> firstOfSlot; // index in files of each distinct file
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!TextureFileExists(files[i])) continue;
        std::size_t k = 0;
        while (k < firstOfSlot.size() && files[firstOfSlot[k]] != files[i]) ++k;
        if (k == firstOfSlot.size()) firstOfSlot.push_back(i);
        if (k < static_cast<std::size_t>(kMaxTextureSlots)) slots[i] = static_cast<int>(k);
    }
    return static_cast<int>(firstOfSlot.size());
}

TextureMerge MergeTextures(const MobilaFile& f, const Furniture& model) {
    const int n0 = std::clamp(model.scene.pieceCount, 0, kMaxPieces);
    std::vector<std::string> own(model.attrs.textureFile.begin(), model.attrs.textureFile.begin() + n0);
    std::vector<std::string> added;
    for (const MobilaPiece& p : f.pieces) added.push_back(p.textureFile);
    std::vector<int> ownSlots, localSlots;
    TextureSlotsOf(own, ownSlots);
    const int local = TextureSlotsOf(added, localSlots);

    const TextureTable& t = model.textures;
    const std::int32_t t0 = std::max(t.count, 0);
    const auto entryOf = [&](int k) {
        const auto i = static_cast<std::size_t>(k);
        return MobilaTexture{t.repeatScale[i], t.requestedWidth[i], t.requestedHeight[i], t.width[i], t.height[i]};
    };
    TextureMerge m;
    // Index each of the file's slots gets: a slot the model's pieces already
    // have for the same file, or a new entry behind the model's.
    std::vector<std::int32_t> indexOfLocal(static_cast<std::size_t>(std::min(local, kMaxTextureSlots)), -1);
    for (std::size_t j = 0; j < added.size(); ++j) {
        const int l = localSlots[j];
        if (l < 0 || indexOfLocal[static_cast<std::size_t>(l)] != -1) continue;
        // What the file asks for this slot; a table too short gives the start-up size.
        const MobilaTexture wanted = static_cast<std::size_t>(l) < f.textures.size()
                                         ? f.textures[static_cast<std::size_t>(l)]
                                         : MobilaTexture{200, 500, 500, 0, 0};
        std::int32_t index = -1;
        for (int i = 0; i < n0 && index == -1; ++i) {
            const auto ii = static_cast<std::size_t>(i);
            if (ownSlots[ii] < 0 || own[ii] != added[j]) continue;
            const std::int32_t k = model.attrs.textureIndex[ii];
            index = k >= 0 && k < t0 ? k : ownSlots[ii];
            const MobilaTexture kept = entryOf(index);
            if (kept.requestedWidth != wanted.requestedWidth || kept.requestedHeight != wanted.requestedHeight)
                m.shared.push_back({added[j], kept, wanted});
        }
        if (index == -1) {
            index = t0 + static_cast<std::int32_t>(m.newEntries.size());
            m.newEntries.push_back(wanted);
        }
        indexOfLocal[static_cast<std::size_t>(l)] = index;
    }
    for (std::size_t j = 0; j < added.size(); ++j)
        m.pieceIndex.push_back(localSlots[j] < 0 ? -1 : indexOfLocal[static_cast<std::size_t>(localSlots[j])]);
    return m;
}

bool FitsBehind(const MobilaFile& f, const Furniture& model) {
    const Scene3D& s = model.scene;
    return s.pointCount >= 0 && s.pieceCount >= 0 && model.textures.count >= 0 &&
           s.pointCount + static_cast<long>(f.points.size()) <= kFileMaxPoints &&
           s.pieceCount + static_cast<long>(f.pieces.size()) <= kMaxPieces &&
           model.textures.count + static_cast<long>(MergeTextures(f, model).newEntries.size()) <= kMaxTextureSlots;
}

std::optional<AppendedRange> AppendMobilaFile(const MobilaFile& f, Furniture& model, bool raiseCounts) {
    if (!FitsBehind(f, model)) return std::nullopt;
    const TextureMerge textures = MergeTextures(f, model);
    Scene3D& s = model.scene;
    AppendedRange r;
    r.firstPoint = s.pointCount;
    r.pointCount = static_cast<int>(f.points.size());
    r.firstPiece = s.pieceCount;
    r.pieceCount = static_cast<int>(f.pieces.size());
    r.firstTexture = model.textures.count;
    r.textureCount = static_cast<int>(textures.newEntries.size());
    PutPieces(f, model, r.firstPoint, r.firstPiece);
    PutTextures(textures.newEntries, model, r.firstTexture);
    // Each added piece keeps the entry of its own texture through the rebuild.
    for (int j = 0; j < r.pieceCount; ++j)
        model.attrs.textureIndex[static_cast<std::size_t>(r.firstPiece + j)] =
            textures.pieceIndex[static_cast<std::size_t>(j)];
    // The back type stays the open furniture's: it describes its own carcass.
    if (raiseCounts) {
        s.pointCount += r.pointCount;
        s.pieceCount += r.pieceCount;
        s.UpdateModelCentre();
    }
    return r;
}

} // namespace zv
