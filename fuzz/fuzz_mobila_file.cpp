// libFuzzer target for the furniture-file reader: any input is either refused
// with one of the reader's two errors or read into a value that goes into a
// model and comes out as the same bytes.
#include "model/MobilaFile.h"
#include "platform/IoError.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zv;
    MobilaFile f;
    try {
        f = DecodeMobilaFile(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const InvalidMobilaFile&) {
        return 0;
    } catch (const IoError& e) {
        if (e.code() != 100) __builtin_trap();
        return 0;
    }
    // The tables are large: keep them off the stack.
    static auto model = std::make_unique<Furniture>();
    model->scene.Init();
    model->backType = BackType::Aplicat; // a "mo2" leaves it as it was
    ReplaceWithMobilaFile(f, *model);
    const std::string bytes = EncodeMobilaFile(f);
    if (EncodeMobilaFile(CaptureMobilaFile(*model, f.displayMode)) != bytes) __builtin_trap();
    if (!(DecodeMobilaFile(bytes) == f) && !f.oldLayout) __builtin_trap();

    // The merge path: behind a model of one box.
    static auto host = std::make_unique<Furniture>();
    host->scene.Init();
    host->scene.Clear();
    host->pieceNames.assign(1, "Polita");
    host->textures.count = 0;
    host->scene.AddBox(0, 0, 0, 100, 18, 300);
    if (const auto r = AppendMobilaFile(f, *host, true)) {
        for (int i = r->firstPiece; i < host->scene.pieceCount; ++i)
            for (int q = 0; q < host->scene.faceCount[i]; ++q)
                if (host->scene.faceFirst[i][q] < r->firstPoint ||
                    host->scene.faceFirst[i][q] + host->scene.facePoints[i][q] > host->scene.pointCount)
                    __builtin_trap();
    }
    return 0;
}
