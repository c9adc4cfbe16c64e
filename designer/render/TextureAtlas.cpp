#include "TextureAtlas.h"

#include "GLRender.h"
#include "model/MobilaFile.h"
#include "platform/Dialogs.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace zv {

namespace {

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

int ClampSide(std::int32_t v) { return std::clamp<std::int32_t>(v, 1, kMaxSlotSide); }

int RowBytesOf(int width) { return static_cast<int>((static_cast<std::int64_t>(width) * 3 + 3) / 4 * 4); }

// Copies src into dst at (dx, dy), clipped to dst.
void CopyInto(QImage& dst, int dx, int dy, const QImage& src) {
    const int x0 = std::max(0, dx), x1 = std::min(dst.width(), dx + src.width());
    if (x1 <= x0) return;
    for (int y = std::max(0, dy); y < std::min(dst.height(), dy + src.height()); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y - dy)) + (x0 - dx);
        auto* d = reinterpret_cast<QRgb*>(dst.scanLine(y)) + x0;
        std::memcpy(d, s, static_cast<std::size_t>(x1 - x0) * sizeof(QRgb));
    }
}

QImage WhiteImage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    if (!img.isNull()) img.fill(0xFFFFFFFFu);
    return img;
}

// The atlas as OpenGL takes it, without the JPEG round trip.
void ImageToPixels(const QImage& img, AtlasPixels& out) {
    out.Clear();
    const int w = img.width(), h = img.height();
    out.width = w;
    out.height = h;
    out.rowBytes = RowBytesOf(w);
    out.rgb.assign(static_cast<std::size_t>(out.rowBytes) * static_cast<std::size_t>(h), 0);
    for (int row = 0; row < h; ++row) {
        const auto* s = reinterpret_cast<const QRgb*>(img.constScanLine(h - 1 - row));
        unsigned char* d = out.rgb.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(out.rowBytes);
        for (int x = 0; x < w; ++x, d += 3) {
            d[0] = static_cast<unsigned char>(qRed(s[x]));
            d[1] = static_cast<unsigned char>(qGreen(s[x]));
            d[2] = static_cast<unsigned char>(qBlue(s[x]));
        }
    }
}

// Shows the notice and pauses the redraw timer for the rebuild, and undoes
// both however the rebuild ends.
class NoticeGuard {
public:
    explicit NoticeGuard(const AtlasHooks& h) : hooks_(h) {
        if (hooks_.showNotice) hooks_.showNotice();
        if (hooks_.pauseTimer) wasRunning_ = hooks_.pauseTimer();
    }
    ~NoticeGuard() {
        if (hooks_.restoreTimer) hooks_.restoreTimer(wasRunning_);
        if (hooks_.hideNotice) hooks_.hideNotice();
    }
    NoticeGuard(const NoticeGuard&) = delete;
    NoticeGuard& operator=(const NoticeGuard&) = delete;

private:
    const AtlasHooks& hooks_;
    bool wasRunning_ = false;
};

// Removes the temporary files however the rebuild ends.
struct TempFiles {
    std::string jpeg, bmp;
    ~TempFiles() {
        std::remove(jpeg.c_str());
        std::remove(bmp.c_str());
        std::remove((jpeg + ".part").c_str());
        std::remove((bmp + ".part").c_str());
    }
};

std::string InFolder(const std::string& folder, const char* name) {
    if (folder.empty()) return name;
    return (std::filesystem::path(folder) / name).string();
}

void DropSlot(Furniture& f, int slot) {
    const int n = std::clamp(f.scene.pieceCount, 0, kMaxPieces);
    for (int i = 0; i < n; ++i)
        if (f.attrs.textureIndex[static_cast<std::size_t>(i)] == slot)
            f.attrs.textureIndex[static_cast<std::size_t>(i)] = -1;
}

// The entry each piece's texture has before the slots are numbered again:
// its texture index while that is one of the table's entries, else -1.
std::vector<std::int32_t> EntriesInUse(const Furniture& f) {
    const int n = std::clamp(f.scene.pieceCount, 0, kMaxPieces);
    std::vector<std::int32_t> entry(static_cast<std::size_t>(n), -1);
    for (std::size_t i = 0; i < entry.size(); ++i) {
        const std::int32_t k = f.attrs.textureIndex[i];
        if (k >= 0 && k < f.textures.count) entry[i] = k;
    }
    return entry;
}

// Slots are numbered by file in piece order, so a slot may move (pieces
// added, deleted, or given another file): it takes the requested size of the
// entry its first piece had. A slot none of whose pieces had one keeps the
// entry at its own number, as when a file is opened.
void CarryEntries(Furniture& f, const TextureTable& before, const std::vector<std::int32_t>& entryOfPiece) {
    TextureTable& t = f.textures;
    for (int k = 0; k < t.count; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        for (std::size_t i = 0; i < entryOfPiece.size(); ++i) {
            if (f.attrs.textureIndex[i] != k || entryOfPiece[i] < 0) continue;
            const auto from = static_cast<std::size_t>(entryOfPiece[i]);
            t.requestedWidth[kk] = before.requestedWidth[from];
            t.requestedHeight[kk] = before.requestedHeight[from];
            t.width[kk] = before.width[from];
            t.height[kk] = before.height[from];
            break;
        }
    }
}

void Build(Furniture& f, AtlasPixels& pixels, const AtlasOptions& opt, AtlasBuildResult& r) {
    TextureTable& t = f.textures;
    pixels.Clear();
    const TextureTable before = t;
    const std::vector<std::int32_t> entryOfPiece = EntriesInUse(f);
    t.count = 0;
    t.repeatScale.fill(200);
    const std::vector<std::string> files = AssignTextureSlots(f);
    CarryEntries(f, before, entryOfPiece);
    if (files.empty()) return;
    const int slotCount = static_cast<int>(files.size());

    // Layout at the requested sizes, clamped so nothing divides by 0 or
    // allocates an absurd amount.
    std::int64_t totalWidth = 0;
    int maxHeight = 0;
    for (int k = 0; k < slotCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        t.requestedWidth[i] = ClampSide(t.requestedWidth[i]);
        t.requestedHeight[i] = ClampSide(t.requestedHeight[i]);
        totalWidth += t.requestedWidth[i];
        maxHeight = std::max(maxHeight, static_cast<int>(t.requestedHeight[i]));
    }
    // Wider than libjpeg encodes or than the texture OpenGL takes: the whole
    // atlas is reduced evenly. Texture coordinates are fractions of the
    // atlas and of the slot, so they need no change.
    int limit = kMaxJpegSide;
    if (opt.maxTextureSize > 0) limit = std::min(limit, opt.maxTextureSize);
    const double fx = totalWidth > limit ? static_cast<double>(limit) / static_cast<double>(totalWidth) : 1.0;
    const double fy = maxHeight > limit ? static_cast<double>(limit) / maxHeight : 1.0;
    const int atlasWidth = static_cast<int>(std::min<std::int64_t>(totalWidth, limit));
    const int atlasHeight = std::min(maxHeight, limit);
    if (fx < 1.0 || fy < 1.0) {
        r.scaled = true;
        r.errors.push_back("Texturile nu incap intr-o singura imagine de cel mult " + std::to_string(limit) +
                           " pixeli pe latura: au fost micsorate.");
    }

    QImage atlas = WhiteImage(atlasWidth, atlasHeight);
    if (atlas.isNull()) {
        r.errors.push_back("Memorie insuficienta pentru texturi.");
        for (int k = 0; k < slotCount; ++k) DropSlot(f, k);
        return;
    }

    const auto& loader = opt.loader;
    std::int64_t prefix = 0;
    bool anyLoaded = false;
    for (int k = 0; k < slotCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int rw = t.requestedWidth[i], rh = t.requestedHeight[i];
        const std::int64_t left = prefix;
        prefix += rw;
        QImage pic;
        auto t0 = Clock::now();
        const PictureResult pr = loader ? loader(files[i], pic) : LoadPicture(files[i], pic);
        r.times.decode += MsSince(t0);
        if (!pr.ok || pic.isNull() || pic.width() <= 0 || pic.height() <= 0) {
            // The slot stays white; its pieces are drawn in their colour.
            r.errors.push_back("Textura nu poate fi incarcata:\n" +
                               (pr.ok ? "Fisier fara imagine: " + files[i] : pr.error));
            t.width[i] = t.height[i] = 0;
            DropSlot(f, k);
            continue;
        }
        t0 = Clock::now();
        t.width[i] = std::min(pic.width(), rw);
        t.height[i] = std::min(pic.height(), rh);
        TileBitmap(pic, rw, rh);
        const int x0 = static_cast<int>(std::lround(static_cast<double>(left) * fx));
        const int x1 = static_cast<int>(std::lround(static_cast<double>(left + rw) * fx));
        const int h = std::max(1, static_cast<int>(std::lround(rh * fy)));
        if (fx < 1.0 || fy < 1.0)
            pic = pic.scaled(std::max(1, x1 - x0), h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        CopyInto(atlas, x0, 0, pic);
        r.times.tile += MsSince(t0);
        anyLoaded = true;
    }
    if (!anyLoaded) return;

    // The JPEG round trip defines the pixels the user sees. When a temporary
    // file cannot be written or read back, the pixels go over directly.
    TempFiles temp{InFolder(opt.tempFolder, kAtlasJpegFile), InFolder(opt.tempFolder, kAtlasBmpFile)};
    auto t0 = Clock::now();
    const PictureResult saved = SaveJpeg(temp.jpeg, atlas);
    r.times.encode += MsSince(t0);
    t0 = Clock::now();
    bool readBack = saved.ok && JpgToBmp(temp.jpeg, temp.bmp).ok;
    std::remove(temp.jpeg.c_str());
    if (readBack) readBack = LoadBitmapFile(temp.bmp, pixels).ok;
    std::remove(temp.bmp.c_str());
    // Whole or not at all: a picture of another size is not this atlas.
    if (!readBack || pixels.width != atlas.width() || pixels.height != atlas.height()) {
        ImageToPixels(atlas, pixels);
        r.direct = true;
    }
    r.times.readBack += MsSince(t0);
}

} // namespace

std::string LowerExtension(const std::string& name) {
    if (name.size() < 5) return {};
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

bool IsJpegName(const std::string& name) { return LowerExtension(name) == ".jpg"; }

void TileBitmap(QImage& bitmap, int w, int h) {
    if (w < 1 || h < 1) return;
    if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0) {
        bitmap = WhiteImage(w, h);
        return;
    }
    const QImage src = bitmap.format() == QImage::Format_RGB32 ? bitmap : bitmap.convertToFormat(QImage::Format_RGB32);
    const int bw = src.width(), bh = src.height();
    // The tiled area is (w/bw + 1) x (h/bh + 1) copies; its bottom h rows and
    // left w columns are kept, so the picture sits at the bottom-left corner.
    const std::int64_t tiledHeight = (static_cast<std::int64_t>(h) / bh + 1) * bh;
    const std::int64_t off = tiledHeight - h;
    QImage out(w, h, QImage::Format_RGB32);
    if (out.isNull()) return;
    for (int y = 0; y < h; ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(static_cast<int>((y + off) % bh)));
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; x += bw)
            std::memcpy(d + x, s, static_cast<std::size_t>(std::min(bw, w - x)) * sizeof(QRgb));
    }
    bitmap = std::move(out);
}

void AppendBitmapRight(QImage& atlas, const QImage& picture) {
    const int aw = atlas.isNull() ? 0 : atlas.width(), ah = atlas.isNull() ? 0 : atlas.height();
    const int pw = picture.isNull() ? 0 : picture.width(), ph = picture.isNull() ? 0 : picture.height();
    if (aw + pw <= 0 || std::max(ah, ph) <= 0) return;
    QImage out = WhiteImage(aw + pw, std::max(ah, ph));
    if (out.isNull()) return;
    if (aw > 0) CopyInto(out, 0, 0, atlas.convertToFormat(QImage::Format_RGB32));
    if (pw > 0) CopyInto(out, aw, 0, picture.convertToFormat(QImage::Format_RGB32));
    atlas = std::move(out);
}

PictureResult JpgToBmp(const std::string& source, const std::string& destination) {
    QImage img;
    PictureResult r = LoadJpeg(source, img);
    if (!r.ok) return r;
    return SaveBmp(destination, img);
}

PictureResult LoadBitmapFile(const std::string& name, AtlasPixels& out) {
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) return {false, "Error opening \"" + name + "\""};
    struct Closer {
        std::FILE* f;
        ~Closer() { std::fclose(f); }
    } closer{f};
    unsigned char hdr[54];
    if (std::fread(hdr, 1, sizeof hdr, f) != sizeof hdr || hdr[0] != 'B' || hdr[1] != 'M')
        return {false, "Error reading bitmap header"};
    auto u32 = [&](int at) {
        return static_cast<std::uint32_t>(hdr[at]) | (static_cast<std::uint32_t>(hdr[at + 1]) << 8) |
               (static_cast<std::uint32_t>(hdr[at + 2]) << 16) | (static_cast<std::uint32_t>(hdr[at + 3]) << 24);
    };
    const std::uint32_t offset = u32(10), infoSize = u32(14);
    const auto width = static_cast<std::int32_t>(u32(18)), height = static_cast<std::int32_t>(u32(22));
    const unsigned bpp = hdr[28] | (hdr[29] << 8);
    const std::uint32_t compression = u32(30);
    if (infoSize < 40 || bpp != 24 || compression != 0 || width <= 0 || height <= 0 || width > 1 << 20 ||
        height > 1 << 20 || offset < 54)
        return {false, "Unsupported bitmap: only uncompressed 24-bit BMP files are read"};
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * 3 + 3) / 4 * 4;
    const std::uint64_t size = rowBytes * static_cast<std::uint64_t>(height);
    // The file must hold every row before the block is allocated.
    if (std::fseek(f, 0, SEEK_END) != 0) return {false, "Error reading bitmap data"};
    const long fileSize = std::ftell(f);
    if (fileSize < 0 || static_cast<std::uint64_t>(fileSize) < offset ||
        static_cast<std::uint64_t>(fileSize) - offset < size || size > (std::uint64_t(1) << 31))
        return {false, "Error reading bitmap data"};
    if (std::fseek(f, static_cast<long>(offset), SEEK_SET) != 0) return {false, "Error reading bitmap data"};
    AtlasPixels px;
    px.width = width;
    px.height = height;
    px.rowBytes = static_cast<int>(rowBytes);
    px.rgb.resize(size);
    if (std::fread(px.rgb.data(), 1, size, f) != size) return {false, "Error reading bitmap data"};
    // Blue-green-red to red-green-blue, row by row past the padding.
    for (std::uint64_t row = 0; row < static_cast<std::uint64_t>(height); ++row) {
        unsigned char* p = px.rgb.data() + row * rowBytes;
        for (std::int32_t x = 0; x < width; ++x, p += 3) std::swap(p[0], p[2]);
    }
    out = std::move(px);
    return {true, {}};
}

std::vector<std::string> AssignTextureSlots(Furniture& f) {
    const int n = std::clamp(f.scene.pieceCount, 0, kMaxPieces);
    const std::vector<std::string> files(f.attrs.textureFile.begin(), f.attrs.textureFile.begin() + n);
    std::vector<int> slots;
    const int distinct = TextureSlotsOf(files, slots);
    std::vector<std::string> slotFiles(static_cast<std::size_t>(std::min(distinct, kMaxTextureSlots)));
    for (std::size_t i = 0; i < files.size(); ++i) {
        f.attrs.textureIndex[i] = slots[i];
        if (slots[i] >= 0) slotFiles[static_cast<std::size_t>(slots[i])] = files[i];
    }
    f.textures.count = static_cast<std::int32_t>(slotFiles.size());
    return slotFiles;
}

AtlasBuildResult BuildTextureAtlas(Furniture& f, AtlasPixels& pixels, const AtlasHooks& hooks,
                                   const AtlasOptions& options) {
    AtlasBuildResult r;
    {
        NoticeGuard guard(hooks);
        Build(f, pixels, options, r);
    }
    // After the notice is gone, so the message is not hidden behind it.
    if (options.showErrors)
        for (const std::string& e : r.errors) ShowError(e);
    return r;
}

bool UpdatePieceTexture(Furniture& f, int piece) {
    if (piece < 0 || piece >= std::min(f.scene.pieceCount, kMaxPieces)) return false;
    const auto p = static_cast<std::size_t>(piece);
    const std::string& file = f.attrs.textureFile[p];
    if (!TextureFileExists(file)) return false;
    const int n = std::min(f.scene.pieceCount, kMaxPieces);
    for (int j = 0; j < n; ++j) {
        const auto jj = static_cast<std::size_t>(j);
        if (j == piece || f.attrs.textureFile[jj] != file) continue;
        // Only a slot that really holds the picture is shared.
        const std::int32_t k = f.attrs.textureIndex[jj];
        if (k >= 0 && k < f.textures.count) {
            f.attrs.textureIndex[p] = k;
            return false;
        }
    }
    return true;
}

bool LoadTexture(const AtlasPixels& pixels, unsigned& textureName, bool* whiteBand) {
    if (whiteBand) *whiteBand = false;
    if (textureName) {
        const GLuint old = textureName;
        glDeleteTextures(1, &old);
        textureName = 0;
    }
    if (pixels.Empty()) return false;
    glEnable(GL_TEXTURE_2D);
    textureName = UploadTexture(pixels.rgb.data(), pixels.width, pixels.height, whiteBand);
    return textureName != 0;
}

int QueryMaxTextureSize() {
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    return glGetError() == GL_NO_ERROR ? size : 0;
}

} // namespace zv
