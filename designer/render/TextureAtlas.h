#pragma once
// The texture atlas: the distinct texture pictures of the pieces side by side
// in one image, the single OpenGL texture. Everything up to the pixels handed
// to OpenGL is here and needs no window; the main window supplies the loading
// notice and its redraw timer through AtlasHooks.
#include "model/Mobila.h"
#include "platform/Picture.h"

#include <QImage>
#include <functional>
#include <string>
#include <vector>

namespace zv {

// Temporary files of the rebuild, in the current folder.
inline constexpr const char* kAtlasJpegFile = "_textura.jpg";
inline constexpr const char* kAtlasBmpFile = "_textura.tmp";
// Requested slot sides outside 1..kMaxSlotSide (a 0 or a damaged file) are
// clamped to it before anything is divided or allocated.
inline constexpr int kMaxSlotSide = 4096;
// The widest and highest picture libjpeg encodes.
inline constexpr int kMaxJpegSide = 65500;

// RGB bytes as OpenGL takes them: rows bottom first, each padded to 4 bytes.
struct AtlasPixels {
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    int rowBytes = 0;
    bool Empty() const { return rgb.empty() || width <= 0 || height <= 0; }
    void Clear() { *this = AtlasPixels{}; }
};

// The last four characters in lower case (A-Z only); empty for names of
// fewer than 5 characters.
std::string LowerExtension(const std::string& name);
// A file is read as JPEG when its extension is ".jpg".
bool IsJpegName(const std::string& name);

// Repeats the bitmap to fill w x h, anchored at its bottom-left corner: a
// larger picture keeps its bottom-left part. Nothing when w or h is below 1;
// an empty bitmap becomes a white w x h.
void TileBitmap(QImage& bitmap, int w, int h);
// Appends the picture at the atlas's right edge, top-aligned; the new height
// is the larger of the two, new area white.
void AppendBitmapRight(QImage& atlas, const QImage& picture);
// Loads the JPEG and saves it as a 24-bit BMP.
PictureResult JpgToBmp(const std::string& source, const std::string& destination);
// Raw reader of an uncompressed 24-bit BMP into RGB bytes, rows bottom first
// and padded to 4 bytes (the layout OpenGL is handed). The header is checked
// before anything is allocated; nothing is returned on any failure.
PictureResult LoadBitmapFile(const std::string& name, AtlasPixels& out);

// Step 3 of the rebuild: one slot per distinct existing file (names compared
// byte for byte), texture index -1 for a piece whose file is missing.
// Returns the file of each slot.
std::vector<std::string> AssignTextureSlots(Furniture& f);

// What the rebuild needs from the window around it. Any hook may be empty.
struct AtlasHooks {
    std::function<void()> showNotice; // show "Incarcare date...." and paint it
    std::function<void()> hideNotice;
    std::function<bool()> pauseTimer;       // stop Timer2; whether it was running
    std::function<void(bool)> restoreTimer; // start it again when it was running
};

struct AtlasOptions {
    // GL_MAX_TEXTURE_SIZE of the context, 0 when unknown.
    int maxTextureSize = 0;
    // Where the temporary files go; empty is the current folder.
    std::string tempFolder;
    // Reads a slot picture; empty is LoadPicture. Tests put failures in here.
    std::function<PictureResult(const std::string&, QImage&)> loader;
    // Show the errors through the dialog service once the notice is hidden.
    bool showErrors = true;
};

// Milliseconds spent in each stage of the last rebuild.
struct AtlasStageTimes {
    double decode = 0, tile = 0, encode = 0, readBack = 0;
};

struct AtlasBuildResult {
    std::vector<std::string> errors; // what the user is told
    AtlasStageTimes times;
    bool scaled = false; // the atlas was reduced to fit
    bool direct = false; // pixels handed over without the JPEG round trip
};

// Rebuilds every texture index, the texture table and the atlas pixels. The
// pixels are cleared first and stay empty when no piece has a texture. A
// picture that cannot be read is reported; its pieces get index -1 and its
// slot stays white. The notice is hidden and the timer restored however it ends.
AtlasBuildResult BuildTextureAtlas(Furniture& f, AtlasPixels& pixels, const AtlasHooks& hooks = {},
                                   const AtlasOptions& options = {});

// After piece p's texture file changed: reuses the slot of another piece
// with exactly the same file. True when no slot fits and the atlas has to be
// rebuilt; false when nothing more is needed (a missing file changes nothing).
bool UpdatePieceTexture(Furniture& f, int piece);

// Needs the OpenGL context current: deletes the texture `textureName` (when
// not 0), enables texturing and loads the pixels as the mipmapped texture.
// textureName becomes the new name, 0 when there are no pixels or it failed.
// whiteBand: asks for the white band above the picture (see UploadTexture)
// and says whether it was made.
bool LoadTexture(const AtlasPixels& pixels, unsigned& textureName, bool* whiteBand = nullptr);
// GL_MAX_TEXTURE_SIZE of the current context (AtlasOptions::maxTextureSize).
int QueryMaxTextureSize();

} // namespace zv
