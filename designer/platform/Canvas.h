#pragma once
// A drawing surface over a QImage with the rules the views were written for:
// colours are RGB integers with red in the low byte; Rectangle(x1, y1, x2, y2)
// covers x1..x2-1 and y1..y2-1; text is placed by its top-left corner; setting
// a brush colour makes a hollow brush solid.
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

class QPainter;

namespace zv {

using Color = std::uint32_t; // 0x00BBGGRR

inline Color Rgb(int r, int g, int b) { return static_cast<Color>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16)); }
inline int RedOf(Color c) { return static_cast<int>(c & 255); }
inline int GreenOf(Color c) { return static_cast<int>((c >> 8) & 255); }
inline int BlueOf(Color c) { return static_cast<int>((c >> 16) & 255); }
QColor ToQColor(Color c);
Color FromQColor(const QColor& c);

enum class PenStyle { Solid, Dot, Clear };
enum class BrushStyle : std::uint8_t { Solid = 0, Clear = 1, DiagCross = 7 };

struct CanvasPoint {
    int x = 0, y = 0;
};

class Canvas {
public:
    Canvas() = default;
    Canvas(int w, int h) { SetSize(w, h); }

    // Resizes the bitmap (contents are kept where they overlap, new area white).
    void SetSize(int w, int h);
    int Width() const { return img_.width(); }
    int Height() const { return img_.height(); }
    QImage& Image() { return img_; }
    const QImage& Image() const { return img_; }

    Color penColor = 0;
    PenStyle penStyle = PenStyle::Solid;
    int penWidth = 1;
    void SetBrushColor(Color c) {
        brushColor_ = c;
        if (brushStyle_ == BrushStyle::Clear) brushStyle_ = BrushStyle::Solid;
    }
    Color BrushColor() const { return brushColor_; }
    void SetBrushStyle(BrushStyle s) { brushStyle_ = s; }
    BrushStyle GetBrushStyle() const { return brushStyle_; }

    Color fontColor = 0;
    bool fontBold = false;
    int fontPointSize = 8;
    std::string fontName; // empty: the application's font

    void Rectangle(int x1, int y1, int x2, int y2);
    void FillRect(int x1, int y1, int x2, int y2); // brush only, no outline
    void Polygon(const std::vector<CanvasPoint>& pts);
    void Polyline(const std::vector<CanvasPoint>& pts);
    void MoveTo(int x, int y) {
        px_ = x;
        py_ = y;
    }
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    Color Pixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);
    // Copies a rectangle of another canvas to (dx, dy).
    void CopyRect(int dx, int dy, const Canvas& src, int sx, int sy, int w, int h);
    // Clears everything to one colour.
    void Clear(Color c);

private:
    void SetupPainter(QPainter& p, bool fill) const;
    QImage img_;
    Color brushColor_ = 0xFFFFFF;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    int px_ = 0, py_ = 0;
};

} // namespace zv
