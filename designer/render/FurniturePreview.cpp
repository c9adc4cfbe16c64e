#include "FurniturePreview.h"

#include "SoftRender.h"
#include "model/MobilaFile.h"
#include "platform/Canvas.h"
#include "platform/Numbers.h"

#include <exception>
#include <memory>

namespace zv {

QImage FurniturePreview(const std::string& path, int width, int height) {
    width = width < 16 ? 16 : width;
    height = height < 32 ? 32 : height;
    Canvas c(width, height);
    c.Clear(0xFFFFFF);
    const int textH = 16;
    try {
        const MobilaFile file = ReadMobilaFile(path);
        auto f = std::make_unique<Furniture>();
        f->scene.Init();
        ReplaceWithMobilaFile(file, *f);
        RecomputeFurnitureSize(f->scene, f->dim);
        Canvas pic;
        FitViewScale(f->scene, width, height - textH, f->dim.H, f->dim.W);
        f->scene.currentFillStyle = 1;
        f->scene.current = -1; // no piece singled out in a preview
        Redraw3DImage(f->scene, pic, width, height - textH, 0, 1);
        c.CopyRect(0, 0, pic, 0, 0, pic.Width(), pic.Height());
        c.fontColor = 0;
        c.TextOut(2, height - textH + 1,
                  f->name + "  " + FormatGeneral(f->dim.W) + " x " + FormatGeneral(f->dim.H) + " x " +
                      FormatGeneral(f->dim.D));
    } catch (const std::exception& e) {
        c.fontColor = 0x0000FF;
        c.TextOut(4, 4, e.what());
    }
    return c.Image();
}

} // namespace zv
