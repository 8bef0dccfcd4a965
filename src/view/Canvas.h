#pragma once

#include "model/CellColours.h"

#include <string>
#include <string_view>

namespace planova {

struct Point
{
    int X = 0;
    int Y = 0;
    bool operator==(const Point&) const = default;
};

struct Size
{
    int Width = 0;
    int Height = 0;
    bool operator==(const Size&) const = default;
};

/**
 * A rectangle in device pixels. Left and top belong to it, right and bottom do not,
 * so the width is Right − Left. A rectangle may be empty or inverted (zero or negative width).
 */
struct Rect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    /// The rectangle moved inwards by d on every side (outwards for a negative d).
    Rect Shrunk(int d) const { return {Left + d, Top + d, Right - d, Bottom - d}; }
    /// Whether the point lies inside: the left and top edges count, the right and bottom edges do not.
    bool Contains(Point p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    bool operator==(const Rect&) const = default;
};

/// The vertical metrics of the selected font, in device pixels.
struct LineMetrics
{
    int Height = 0; ///< ascent + descent
    int Ascent = 0;
    int Descent = 0;
    int ExternalLeading = 0;
    int InternalLeading = 0; ///< the part of Height above the em square (accents), 0 for most faces
};

/// How DrawText places a text in its rectangle; combine with |.
enum TextFlags : unsigned
{
    TextTopLeft = 0,          ///< from the top left, breaking only at line breaks, clipped
    TextWordBreak = 1u << 0,  ///< wrap at word boundaries (and between Japanese characters)
    TextSingleLine = 1u << 1, ///< one line, line breaks ignored
    TextCenter = 1u << 2,     ///< centred horizontally
    TextRight = 1u << 3,      ///< aligned to the right edge
    TextVCenter = 1u << 4,    ///< centred vertically (with TextSingleLine)
    TextNoClip = 1u << 5,     ///< may paint outside the rectangle
    TextFitWidth = 1u << 6,   ///< a text wider than the rectangle is condensed to its width, on one line
};

/**
 * The drawing surface of the planner: the screen, an image, a printer page or a PDF page.
 *
 * Texts are code page 932 bytes, as the model holds them; the canvas converts them for the
 * platform. Coordinates are device pixels. The state (font, pen, brush, text and background
 * colours, background mode) stays set until it is changed.
 */
class Canvas
{
public:
    virtual ~Canvas() = default;

    // ---- Device ------------------------------------------------------------------------------
    /// Pixels per inch, horizontally and vertically.
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    /// The offset of the printable area from the paper's top left corner (0, 0 on screens and images).
    virtual Point PhysicalOffset() const = 0;
    /// The device's background colour: the colour behind everything the planner does not fill.
    virtual Rgb DeviceBackground() const = 0;

    // ---- Text --------------------------------------------------------------------------------
    /**
     * Selects the font of the given face (UTF-8 name, for example "ＭＳ Ｐゴシック") whose em
     * height is the point size at the device's vertical resolution. Sizes may be fractional
     * (the page titles of A4 and A5 refills are 22.5 points).
     */
    virtual void SetFont(const std::string& faceUtf8, double pointSize) = 0;
    virtual LineMetrics GetLineMetrics() const = 0;
    /// Width and height of a text drawn on one line in the selected font.
    virtual Size TextExtent(std::string_view cp932) const = 0;
    virtual void SetTextColour(Rgb colour) = 0;
    virtual void SetBackgroundColour(Rgb colour) = 0;
    /// Opaque: each drawn text line is backed by the background colour. Transparent otherwise.
    virtual void SetOpaqueBackground(bool opaque) = 0;
    /// Draws a text inside the rectangle as the flags say (clipped to it unless TextNoClip).
    virtual void DrawText(const Rect& rect, std::string_view cp932, unsigned flags) = 0;
    /// Draws a text on one line whose top left corner is the point (not clipped).
    virtual void DrawTextAt(Point topLeft, std::string_view cp932) = 0;

    // ---- Lines and areas ---------------------------------------------------------------------
    /// A solid pen of the width in pixels; width 0 draws no outline.
    virtual void SetPen(Rgb colour, int width) = 0;
    /// The fill of DrawRectangle; a hollow brush leaves the interior as it is.
    virtual void SetBrush(Rgb colour) = 0;
    virtual void SetHollowBrush() = 0;
    /// Outlines the rectangle with the pen and fills its interior with the brush.
    virtual void DrawRectangle(const Rect& rect) = 0;
    /// Fills the rectangle with the colour; pen and brush are not used.
    virtual void FillRectangle(const Rect& rect, Rgb colour) = 0;
    /// A line from the first point up to (not including) the second, with the pen.
    virtual void DrawLine(Point from, Point to) = 0;

    // ---- Bitmaps -----------------------------------------------------------------------------
    /**
     * Copies the source part of an image, scaled, into the target rectangle. The image is named
     * by a resource path (":/view/…") or a file path; a missing image draws nothing.
     */
    virtual void DrawBitmap(const std::string& image, const Rect& source, const Rect& target) = 0;
    /// The size in pixels of an image named as for DrawBitmap; 0 × 0 when it cannot be read.
    virtual Size ImageSize(const std::string& image) const = 0;
};

} // namespace planova
