#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace planova {

void PrintTo(const Rect& rect, std::ostream* out)
{
    *out << "(" << rect.Left << ", " << rect.Top << ")-(" << rect.Right << ", " << rect.Bottom << ")";
}

void PrintTo(const Point& point, std::ostream* out)
{
    *out << "(" << point.X << ", " << point.Y << ")";
}

void PrintTo(const Rgb& colour, std::ostream* out)
{
    *out << "rgb(" << int(colour.Red) << ", " << int(colour.Green) << ", " << int(colour.Blue) << ")";
}

} // namespace planova

namespace planova::test {

void RecordingCanvas::SetFont(const std::string& faceUtf8, double pointSize)
{
    Face = faceUtf8;
    PointSize = pointSize;
}

LineMetrics RecordingCanvas::GetLineMetrics() const
{
    const int em = Em();
    const int descent = em / 8;
    return {em + InternalLeading, em - descent + InternalLeading, descent, 0, InternalLeading};
}

Size RecordingCanvas::TextExtent(std::string_view cp932) const
{
    return {static_cast<int>(cp932.size()) * Em() / 2, Em()};
}

CanvasOp RecordingCanvas::Current(CanvasOp::Kind kind) const
{
    CanvasOp op;
    op.What = kind;
    op.TextColour = TextColour;
    op.Background = BackColour;
    op.Opaque = Opaque;
    op.Pen = PenColour;
    op.PenWidth = PenWidth;
    op.Hollow = Hollow;
    op.Brush = BrushColour;
    op.PointSize = PointSize;
    return op;
}

void RecordingCanvas::DrawText(const Rect& rect, std::string_view cp932, unsigned flags)
{
    CanvasOp op = Current(CanvasOp::Text);
    op.Area = rect;
    op.Bytes = std::string(cp932);
    op.Flags = flags;
    Ops.push_back(op);
}

void RecordingCanvas::DrawTextAt(Point topLeft, std::string_view cp932)
{
    CanvasOp op = Current(CanvasOp::TextAt);
    op.From = topLeft;
    op.Bytes = std::string(cp932);
    Ops.push_back(op);
}

void RecordingCanvas::SetPen(Rgb colour, int width)
{
    PenColour = colour;
    PenWidth = width;
}

void RecordingCanvas::SetBrush(Rgb colour)
{
    BrushColour = colour;
    Hollow = false;
}

void RecordingCanvas::DrawRectangle(const Rect& rect)
{
    CanvasOp op = Current(CanvasOp::Rectangle);
    op.Area = rect;
    Ops.push_back(op);
}

void RecordingCanvas::FillRectangle(const Rect& rect, Rgb colour)
{
    CanvasOp op = Current(CanvasOp::Fill);
    op.Area = rect;
    op.Brush = colour;
    Ops.push_back(op);
}

void RecordingCanvas::DrawLine(Point from, Point to)
{
    CanvasOp op = Current(CanvasOp::Line);
    op.From = from;
    op.To = to;
    Ops.push_back(op);
}

void RecordingCanvas::DrawBitmap(const std::string& image, const Rect& source, const Rect& target)
{
    CanvasOp op = Current(CanvasOp::Bitmap);
    op.Bytes = image;
    op.Source = source;
    op.Area = target;
    Ops.push_back(op);
}

Size RecordingCanvas::ImageSize(const std::string& image) const
{
    const auto found = Images.find(image);
    return found == Images.end() ? Size{} : found->second;
}

std::vector<CanvasOp> RecordingCanvas::OfKind(CanvasOp::Kind kind) const
{
    std::vector<CanvasOp> found;
    std::copy_if(Ops.begin(), Ops.end(), std::back_inserter(found),
                 [&](const CanvasOp& op) { return op.What == kind; });
    return found;
}

std::vector<CanvasOp> RecordingCanvas::Texts() const
{
    std::vector<CanvasOp> found;
    std::copy_if(Ops.begin(), Ops.end(), std::back_inserter(found),
                 [](const CanvasOp& op) { return op.What == CanvasOp::Text || op.What == CanvasOp::TextAt; });
    return found;
}

std::vector<CanvasOp> RecordingCanvas::TextOps(const std::string& cp932) const
{
    std::vector<CanvasOp> found;
    for (const CanvasOp& op : Texts()) {
        if (op.Bytes == cp932)
            found.push_back(op);
    }
    return found;
}

CanvasOp RecordingCanvas::TextOp(const std::string& cp932) const
{
    const std::vector<CanvasOp> found = TextOps(cp932);
    if (found.empty()) {
        ADD_FAILURE() << "no text drawn with " << cp932.size() << " bytes: " << cp932;
        return {};
    }
    return found.front();
}

bool RecordingCanvas::HasText(const std::string& cp932) const
{
    return !TextOps(cp932).empty();
}

} // namespace planova::test
