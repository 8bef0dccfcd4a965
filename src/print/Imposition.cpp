#include "print/Imposition.h"

#include "print/PrintTypes.h"
#include "print/RefillPaper.h"

#include <algorithm>
#include <array>
#include <span>

namespace planova {

namespace {

/// Rounding slack: an A5 piece turned on its side is 148 mm high, two of them just fit 297 mm.
constexpr double Slack = 1e-9;

/// Pieces in columns across and rows down the sheet.
struct Grid
{
    int Columns;
    int Rows;
};

// The arrangements tried, in order, first with the refills upright and then turned on their side.
constexpr std::array<Grid, 2> TwoPieces{{{2, 1}, {1, 2}}};
constexpr std::array<Grid, 3> FourPieces{{{2, 2}, {4, 1}, {1, 4}}};

std::span<const Grid> GridsFor(int pieces)
{
    if (pieces == 4)
        return FourPieces;
    return TwoPieces;
}

bool Fits(const Grid& grid, double width, double height)
{
    return grid.Columns * width <= ImposedSheetWidthMm + Slack &&
           grid.Rows * height <= ImposedSheetHeightMm + Slack;
}

/// Where `count` pieces of `size` start along a side of the sheet, and the gap between them: centred,
/// the room shared out evenly between the gaps and the two borders, no gap wider than the widest.
struct Run
{
    double Start;
    double Gap;
};

Run RunAlong(double sheet, int count, double size)
{
    const double room = std::max(0.0, sheet - count * size);
    const double gap = count > 1 ? std::min(ImposedMaxGapMm, room / (count + 1)) : 0.0;
    return Run{(sheet - count * size - (count - 1) * gap) / 2, gap};
}

/// Whether a cut mark, as wide as it is drawn, would cover part of the piece.
bool Covers(const MmSegment& mark, const MmRect& piece)
{
    const double half = CutMarkWidthMm / 2;
    const double left = std::min(mark.From.X, mark.To.X) - half;
    const double right = std::max(mark.From.X, mark.To.X) + half;
    const double top = std::min(mark.From.Y, mark.To.Y) - half;
    const double bottom = std::max(mark.From.Y, mark.To.Y) + half;
    return left < piece.Right && right > piece.Left && top < piece.Bottom && bottom > piece.Top;
}

bool OnSheet(const MmSegment& mark)
{
    const auto inside = [](const MmPoint& p) {
        return p.X >= -Slack && p.X <= ImposedSheetWidthMm + Slack && p.Y >= -Slack &&
               p.Y <= ImposedSheetHeightMm + Slack;
    };
    return inside(mark.From) && inside(mark.To);
}

/// The eight marks of a piece: at each corner one along each of the two edges that meet there, pointing away.
std::array<MmSegment, 8> MarksAround(const MmRect& box)
{
    constexpr double Near = CutMarkDistanceMm;
    constexpr double Far = CutMarkDistanceMm + CutMarkLengthMm;
    const double l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
    return {{
        {{l - Far, t}, {l - Near, t}}, // top left, across
        {{l, t - Far}, {l, t - Near}}, // top left, down
        {{r + Near, t}, {r + Far, t}}, // top right
        {{r, t - Far}, {r, t - Near}},
        {{l - Far, b}, {l - Near, b}}, // bottom left
        {{l, b + Near}, {l, b + Far}},
        {{r + Near, b}, {r + Far, b}}, // bottom right
        {{r, b + Near}, {r, b + Far}},
    }};
}

std::vector<MmSegment> CutMarksOf(const std::vector<ImposedSlot>& slots)
{
    std::vector<MmSegment> marks;
    for (const ImposedSlot& slot : slots) {
        for (const MmSegment& mark : MarksAround(slot.Box)) {
            const bool overPiece = std::any_of(slots.begin(), slots.end(), [&](const ImposedSlot& other) {
                return Covers(mark, other.Box);
            });
            if (OnSheet(mark) && !overPiece)
                marks.push_back(mark);
        }
    }
    return marks;
}

/// The slot behind a front slot once the sheet is turned on its long edge: mirrored across the sheet's
/// middle, and a turned refill turned the other way, so that its back reads the right way up.
ImposedSlot BehindOf(const ImposedSlot& front)
{
    return ImposedSlot{MmRect{ImposedSheetWidthMm - front.Box.Right, front.Box.Top,
                              ImposedSheetWidthMm - front.Box.Left, front.Box.Bottom},
                       -front.Rotation};
}

} // namespace

MmPoint ImposedSlot::Anchor() const
{
    // Turned clockwise the page's top edge runs down the right side of the box; anticlockwise its left
    // edge runs along the bottom.
    if (Rotation == 90)
        return MmPoint{Box.Right, Box.Top};
    if (Rotation == -90)
        return MmPoint{Box.Left, Box.Bottom};
    return MmPoint{Box.Left, Box.Top};
}

int ImpositionPlan::SheetCount(int pages) const
{
    const int slots = SlotCount();
    if (pages <= 0 || slots == 0)
        return 0;
    const int refills = (pages + 1) / 2;
    return (refills + slots - 1) / slots;
}

int ImpositionPlan::PageAt(int sheet, SheetFace face, int slot, int pages) const
{
    if (sheet < 0 || slot < 0 || slot >= SlotCount())
        return 0;
    const int refill = sheet * SlotCount() + slot;
    const int page = 2 * refill + (face == SheetFace::Front ? 1 : 2);
    return page <= pages ? page : 0;
}

int PiecesPerSheet(int paperType)
{
    switch (paperType) {
    case PaperType::Bible:
    case PaperType::A5:
        return 2;
    case PaperType::Mini:
        return 4;
    default:
        return 0;
    }
}

std::optional<ImpositionPlan> PlanImposition(const PrintSettings& settings)
{
    const int pieces = PiecesPerSheet(settings.PPaperType);
    if (pieces == 0)
        return std::nullopt;
    const RefillPaper& paper = RefillPaperOf(settings.PPaperType);
    ImpositionPlan plan;
    const bool portrait = IsPortrait(settings);
    plan.PieceWidthMm = portrait ? paper.WidthMm : paper.HeightMm;
    plan.PieceHeightMm = portrait ? paper.HeightMm : paper.WidthMm;

    for (const bool turned : {false, true}) {
        const double width = turned ? plan.PieceHeightMm : plan.PieceWidthMm;
        const double height = turned ? plan.PieceWidthMm : plan.PieceHeightMm;
        const std::span<const Grid> grids = GridsFor(pieces);
        const auto grid =
            std::find_if(grids.begin(), grids.end(), [&](const Grid& g) { return Fits(g, width, height); });
        if (grid == grids.end())
            continue;
        const Run across = RunAlong(ImposedSheetWidthMm, grid->Columns, width);
        const Run down = RunAlong(ImposedSheetHeightMm, grid->Rows, height);
        for (int row = 0; row < grid->Rows; ++row) {
            for (int column = 0; column < grid->Columns; ++column) {
                const double left = across.Start + column * (width + across.Gap);
                const double top = down.Start + row * (height + down.Gap);
                plan.Front.push_back(
                    ImposedSlot{MmRect{left, top, left + width, top + height}, turned ? 90 : 0});
            }
        }
        break;
    }
    for (const ImposedSlot& slot : plan.Front)
        plan.Back.push_back(BehindOf(slot));
    plan.CutMarks = CutMarksOf(plan.Front);
    return plan;
}

Rect RefillRect(const PageGeometry& geometry, int pageType, bool oneSided)
{
    const bool half = (pageType == PageType::Left || pageType == PageType::Right) && !oneSided;
    if (!half)
        return Rect{geometry.X0, geometry.Y0, geometry.X0 + geometry.W, geometry.Y0 + geometry.H};
    const int left = geometry.X0 + (pageType == PageType::Right ? geometry.W2 : 0);
    return Rect{left, geometry.Y0, left + geometry.W2, geometry.Y0 + geometry.H};
}

} // namespace planova
