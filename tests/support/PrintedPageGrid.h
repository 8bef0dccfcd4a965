#pragma once

namespace planova::test {

// The printed pages' tests draw on a RecordingCanvas at 300 dpi with the 9-point body font: LH is 37
// pixels, HL 18, a byte of text 18 pixels wide. The default sheet is an A4 landscape spread: the left
// page from (82, 82), the right page from (1753 + 177, 82), each 1494 × 2316 pixels: 40 units across,
// 62 lines down.
namespace printed {
constexpr int Lh = 37;
constexpr int Hl = 18;
constexpr int LeftX = 82;
constexpr int RightX = 1930;
constexpr int Top = 82;
constexpr int Units = 40;
constexpr int Lines = 62;

/// The left edge of unit u of a page (the left page unless another left edge is given).
constexpr int X(int u, int left = LeftX)
{
    return left + u * Lh;
}

/// The top edge of line n.
constexpr int Y(int n)
{
    return Top + n * Lh;
}
} // namespace printed

} // namespace planova::test
