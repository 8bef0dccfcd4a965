#pragma once

#include "view/Canvas.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace planova {
/// Readable rectangles, points and colours in test failure messages.
void PrintTo(const Rect& rect, std::ostream* out);
void PrintTo(const Point& point, std::ostream* out);
void PrintTo(const Rgb& colour, std::ostream* out);
} // namespace planova

namespace planova::test {

/// One call made on a RecordingCanvas, with the state it was made in.
struct CanvasOp
{
    enum Kind
    {
        Text,
        TextAt,
        Rectangle,
        Fill,
        Line,
        Bitmap
    };
    Kind What = Text;
    Rect Area;         ///< text rectangle, rectangle, fill, bitmap target
    std::string Bytes; ///< the text (code page 932) or the image name
    unsigned Flags = 0;
    Rgb TextColour{};
    Rgb Background{};
    bool Opaque = false;
    Rgb Pen{};
    int PenWidth = 0;
    bool Hollow = false;
    Rgb Brush{};
    Point From;  ///< line start, text position
    Point To;    ///< line end
    Rect Source; ///< bitmap source
    double PointSize = 0;
};

/**
 * A canvas that records every drawing call, with fixed metrics: the em height of a font is
 * point size × 96 ÷ 72 pixels, every byte of a text is half an em wide and a line is one em high.
 */
class RecordingCanvas : public Canvas
{
public:
    explicit RecordingCanvas(int dpi = 96) : Dpi(dpi) {}

    std::vector<CanvasOp> Ops;

    int DpiX() const override { return Dpi; }
    int DpiY() const override { return Dpi; }
    Point PhysicalOffset() const override { return {}; }
    Rgb DeviceBackground() const override { return Background(); }
    static constexpr Rgb Background() { return {240, 240, 240}; }

    void SetFont(const std::string& faceUtf8, double pointSize) override;
    LineMetrics GetLineMetrics() const override;
    Size TextExtent(std::string_view cp932) const override;
    void SetTextColour(Rgb colour) override { TextColour = colour; }
    void SetBackgroundColour(Rgb colour) override { BackColour = colour; }
    void SetOpaqueBackground(bool opaque) override { Opaque = opaque; }
    void DrawText(const Rect& rect, std::string_view cp932, unsigned flags) override;
    void DrawTextAt(Point topLeft, std::string_view cp932) override;
    void SetPen(Rgb colour, int width) override;
    void SetBrush(Rgb colour) override;
    void SetHollowBrush() override { Hollow = true; }
    void DrawRectangle(const Rect& rect) override;
    void FillRectangle(const Rect& rect, Rgb colour) override;
    void DrawLine(Point from, Point to) override;
    void DrawBitmap(const std::string& image, const Rect& source, const Rect& target) override;
    Size ImageSize(const std::string& image) const override;

    /// The images ImageSize knows, with their sizes; any other image cannot be read.
    std::map<std::string, Size> Images;

    std::string Face;
    double PointSize = 0;
    /// What GetLineMetrics reports as the font's internal leading (added to its height).
    int InternalLeading = 0;

    // ---- Queries -------------------------------------------------------------------------------
    /// The text operations (DrawText and DrawTextAt) in drawing order.
    std::vector<CanvasOp> Texts() const;
    /// The first text operation drawing exactly these bytes; fails the test when there is none.
    CanvasOp TextOp(const std::string& cp932) const;
    /// All text operations drawing exactly these bytes.
    std::vector<CanvasOp> TextOps(const std::string& cp932) const;
    std::vector<CanvasOp> OfKind(CanvasOp::Kind kind) const;
    /// Whether any text operation draws these bytes.
    bool HasText(const std::string& cp932) const;

private:
    CanvasOp Current(CanvasOp::Kind kind) const;
    int Em() const { return static_cast<int>(PointSize * Dpi / 72); }

    int Dpi;
    Rgb TextColour{0, 0, 0};
    Rgb BackColour{255, 255, 255};
    bool Opaque = false;
    Rgb PenColour{0, 0, 0};
    int PenWidth = 1;
    bool Hollow = false;
    Rgb BrushColour{255, 255, 255};
};

} // namespace planova::test
