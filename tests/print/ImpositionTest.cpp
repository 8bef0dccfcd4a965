#include "print/Imposition.h"

#include "print/PrintTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace planova {
namespace {

constexpr double Tolerance = 1e-6;

PrintSettings Job(int paper, int orientation)
{
    PrintSettings settings;
    settings.PPaperType = paper;
    settings.PYoushiType = orientation;
    return settings;
}

std::string Name(int paper, int orientation)
{
    static const char* const Papers[] = {"A4", "Bible", "Mini", "A5"};
    return std::string(Papers[paper]) + (orientation == Orientation::Portrait ? " portrait" : " landscape");
}

void ExpectBox(const MmRect& actual, const MmRect& expected, const std::string& where)
{
    EXPECT_NEAR(actual.Left, expected.Left, Tolerance) << where;
    EXPECT_NEAR(actual.Top, expected.Top, Tolerance) << where;
    EXPECT_NEAR(actual.Right, expected.Right, Tolerance) << where;
    EXPECT_NEAR(actual.Bottom, expected.Bottom, Tolerance) << where;
}

/// Where a point of the refill page (millimetres from its own top left corner) lies on the sheet,
/// worked out from the slot's anchor and its turn clockwise.
MmPoint OnSheet(const ImposedSlot& slot, MmPoint p)
{
    const MmPoint a = slot.Anchor();
    if (slot.Rotation == 90)
        return {a.X - p.Y, a.Y + p.X};
    if (slot.Rotation == -90)
        return {a.X + p.Y, a.Y - p.X};
    return {a.X + p.X, a.Y + p.Y};
}

const int AllPapers[] = {PaperType::Bible, PaperType::Mini, PaperType::A5};
const int AllOrientations[] = {Orientation::Portrait, Orientation::Landscape};

TEST(ImpositionTest, PiecesAreCentredWithGapsAndTurnedWhereTheyDoNotFitUpright)
{
    constexpr double Third = 1.0 / 3.0;
    constexpr double Gap = 20.0 / 3.0; // Bible side by side: 20 mm of room shared by two borders and the gap
    struct Case
    {
        int Paper;
        int Orientation;
        double PieceWidth;
        double PieceHeight;
        int Rotation;
        std::vector<MmRect> Boxes;
    };
    const Case cases[] = {
        {PaperType::Bible,
         Orientation::Portrait,
         95,
         170,
         0,
         {{Gap, 63.5, Gap + 95, 233.5}, {2 * Gap + 95, 63.5, 2 * Gap + 190, 233.5}}},
        {PaperType::Bible,
         Orientation::Landscape,
         170,
         95,
         0,
         {{20, 48.5, 190, 143.5}, {20, 153.5, 190, 248.5}}},
        // Two upright A5 pages are 296 mm wide: turned, one above the other, they fill the sheet.
        {PaperType::A5,
         Orientation::Portrait,
         148,
         210,
         90,
         {{0, Third, 210, 148 + Third}, {0, 148 + 2 * Third, 210, 296 + 2 * Third}}},
        {PaperType::A5,
         Orientation::Landscape,
         210,
         148,
         0,
         {{0, Third, 210, 148 + Third}, {0, 148 + 2 * Third, 210, 296 + 2 * Third}}},
        {PaperType::Mini,
         Orientation::Portrait,
         76,
         126,
         0,
         {{24, 17.5, 100, 143.5},
          {110, 17.5, 186, 143.5},
          {24, 153.5, 100, 279.5},
          {110, 153.5, 186, 279.5}}},
        // Four Mini pages lying on their side do not fit in any grid: turned upright, two by two.
        {PaperType::Mini,
         Orientation::Landscape,
         126,
         76,
         90,
         {{24, 17.5, 100, 143.5},
          {110, 17.5, 186, 143.5},
          {24, 153.5, 100, 279.5},
          {110, 153.5, 186, 279.5}}},
    };
    for (const Case& c : cases) {
        const std::string where = Name(c.Paper, c.Orientation);
        const std::optional<ImpositionPlan> plan = PlanImposition(Job(c.Paper, c.Orientation));
        ASSERT_TRUE(plan.has_value()) << where;
        EXPECT_EQ(plan->PieceWidthMm, c.PieceWidth) << where;
        EXPECT_EQ(plan->PieceHeightMm, c.PieceHeight) << where;
        ASSERT_EQ(plan->Front.size(), c.Boxes.size()) << where;
        ASSERT_EQ(plan->Back.size(), c.Boxes.size()) << where;
        for (std::size_t i = 0; i < c.Boxes.size(); ++i) {
            ExpectBox(plan->Front[i].Box, c.Boxes[i], where + " slot " + std::to_string(i));
            EXPECT_EQ(plan->Front[i].Rotation, c.Rotation) << where;
        }
    }
}

TEST(ImpositionTest, A4RefillsAreNotImposed)
{
    for (const int orientation : AllOrientations)
        EXPECT_FALSE(PlanImposition(Job(PaperType::A4, orientation)).has_value());
    EXPECT_EQ(PiecesPerSheet(PaperType::A4), 0);
    EXPECT_EQ(PiecesPerSheet(PaperType::Bible), 2);
    EXPECT_EQ(PiecesPerSheet(PaperType::A5), 2);
    EXPECT_EQ(PiecesPerSheet(PaperType::Mini), 4);
}

// Turning the sheet on its long edge puts back-view point (x, y) behind front point (210 - x, y); turning a
// refill about its own upright axis puts the back page's point (w - x, y) behind the front page's (x, y).
// Every point of every refill must meet itself that way, and lie inside its box on both sides.
TEST(ImpositionTest, EachBackLiesExactlyBehindItsFront)
{
    for (const int paper : AllPapers) {
        for (const int orientation : AllOrientations) {
            const std::string where = Name(paper, orientation);
            const ImpositionPlan plan = *PlanImposition(Job(paper, orientation));
            const double w = plan.PieceWidthMm;
            const double h = plan.PieceHeightMm;
            for (int i = 0; i < plan.SlotCount(); ++i) {
                const ImposedSlot& front = plan.Front[static_cast<std::size_t>(i)];
                const ImposedSlot& back = plan.Back[static_cast<std::size_t>(i)];
                EXPECT_EQ(back.Rotation, -front.Rotation) << where;
                for (const MmPoint p :
                     {MmPoint{0, 0}, MmPoint{w, 0}, MmPoint{0, h}, MmPoint{w, h}, MmPoint{10, 30}}) {
                    const MmPoint onFront = OnSheet(front, p);
                    const MmPoint onBack = OnSheet(back, {w - p.X, p.Y});
                    EXPECT_NEAR(onBack.X, ImposedSheetWidthMm - onFront.X, Tolerance)
                        << where << " slot " << i;
                    EXPECT_NEAR(onBack.Y, onFront.Y, Tolerance) << where << " slot " << i;
                    for (const auto& [slot, q] : {std::pair{front, onFront}, std::pair{back, onBack}}) {
                        EXPECT_GE(q.X, slot.Box.Left - Tolerance) << where;
                        EXPECT_LE(q.X, slot.Box.Right + Tolerance) << where;
                        EXPECT_GE(q.Y, slot.Box.Top - Tolerance) << where;
                        EXPECT_LE(q.Y, slot.Box.Bottom + Tolerance) << where;
                    }
                }
                // Pieces stay on the sheet and apart.
                EXPECT_GE(front.Box.Left, -Tolerance) << where;
                EXPECT_LE(front.Box.Right, ImposedSheetWidthMm + Tolerance) << where;
                EXPECT_GE(front.Box.Top, -Tolerance) << where;
                EXPECT_LE(front.Box.Bottom, ImposedSheetHeightMm + Tolerance) << where;
                for (int j = i + 1; j < plan.SlotCount(); ++j) {
                    const MmRect& other = plan.Front[static_cast<std::size_t>(j)].Box;
                    const bool apart = front.Box.Right <= other.Left || other.Right <= front.Box.Left ||
                                       front.Box.Bottom <= other.Top || other.Bottom <= front.Box.Top;
                    EXPECT_TRUE(apart) << where << " slots " << i << " and " << j;
                }
            }
        }
    }
}

TEST(ImpositionTest, CutMarksRunOutwardsFromTheCornersAndNeverOverAPiece)
{
    struct Case
    {
        int Paper;
        int Orientation;
        std::size_t Marks;
    };
    // Bible and Mini leave room for all eight marks of every piece; A5 pieces fill the sheet's width and
    // meet in the middle, so every mark would fall off the sheet or onto the other piece.
    const Case cases[] = {
        {PaperType::Bible, Orientation::Portrait, 16}, {PaperType::Bible, Orientation::Landscape, 16},
        {PaperType::Mini, Orientation::Portrait, 32},  {PaperType::Mini, Orientation::Landscape, 32},
        {PaperType::A5, Orientation::Portrait, 0},     {PaperType::A5, Orientation::Landscape, 0},
    };
    for (const Case& c : cases) {
        const std::string where = Name(c.Paper, c.Orientation);
        const ImpositionPlan plan = *PlanImposition(Job(c.Paper, c.Orientation));
        EXPECT_EQ(plan.CutMarks.size(), c.Marks) << where;
        for (const MmSegment& mark : plan.CutMarks) {
            const double dx = mark.To.X - mark.From.X;
            const double dy = mark.To.Y - mark.From.Y;
            EXPECT_NEAR(std::hypot(dx, dy), CutMarkLengthMm, Tolerance) << where;
            EXPECT_TRUE(dx == 0 || dy == 0) << where;
            // On the line of an edge of some piece, starting 1 mm beyond one of its corners.
            const bool besideACorner =
                std::any_of(plan.Front.begin(), plan.Front.end(), [&](const ImposedSlot& s) {
                    const MmRect& b = s.Box;
                    for (const double x : {b.Left, b.Right}) {
                        for (const double y : {b.Top, b.Bottom}) {
                            const double near = std::min(std::hypot(mark.From.X - x, mark.From.Y - y),
                                                         std::hypot(mark.To.X - x, mark.To.Y - y));
                            const bool onEdgeLine = (dy == 0 && std::abs(mark.From.Y - y) < Tolerance) ||
                                                    (dx == 0 && std::abs(mark.From.X - x) < Tolerance);
                            if (onEdgeLine && std::abs(near - CutMarkDistanceMm) < Tolerance)
                                return true;
                        }
                    }
                    return false;
                });
            EXPECT_TRUE(besideACorner) << where << " mark at " << mark.From.X << ", " << mark.From.Y;
            for (const ImposedSlot& slot : plan.Front) {
                const double half = CutMarkWidthMm / 2;
                const bool clear = std::max(mark.From.X, mark.To.X) + half <= slot.Box.Left ||
                                   std::min(mark.From.X, mark.To.X) - half >= slot.Box.Right ||
                                   std::max(mark.From.Y, mark.To.Y) + half <= slot.Box.Top ||
                                   std::min(mark.From.Y, mark.To.Y) - half >= slot.Box.Bottom;
                EXPECT_TRUE(clear) << where << " mark at " << mark.From.X << ", " << mark.From.Y;
            }
            EXPECT_GE(std::min(mark.From.X, mark.To.X), 0.0) << where;
            EXPECT_LE(std::max(mark.From.X, mark.To.X), ImposedSheetWidthMm) << where;
            EXPECT_GE(std::min(mark.From.Y, mark.To.Y), 0.0) << where;
            EXPECT_LE(std::max(mark.From.Y, mark.To.Y), ImposedSheetHeightMm) << where;
        }
    }
    // The first piece of a Mini sheet: its top left corner's mark across, 6 to 1 mm left of the corner.
    const ImpositionPlan mini = *PlanImposition(Job(PaperType::Mini, Orientation::Portrait));
    EXPECT_EQ(mini.CutMarks.front(), (MmSegment{{18, 17.5}, {23, 17.5}}));
}

TEST(ImpositionTest, JobPagesGoFrontAndBackOfOneRefillAfterAnother)
{
    struct Case
    {
        int Paper;
        int Pages;
        int Sheets;
        // Per sheet: the front's pages slot by slot, then the back's (0: empty).
        std::vector<std::vector<int>> Fronts;
        std::vector<std::vector<int>> Backs;
    };
    const Case cases[] = {
        {PaperType::Bible, 7, 2, {{1, 3}, {5, 7}}, {{2, 4}, {6, 0}}},
        {PaperType::Bible, 8, 2, {{1, 3}, {5, 7}}, {{2, 4}, {6, 8}}},
        {PaperType::A5, 1, 1, {{1, 0}}, {{0, 0}}},
        {PaperType::A5, 0, 0, {}, {}},
        {PaperType::Mini, 9, 2, {{1, 3, 5, 7}, {9, 0, 0, 0}}, {{2, 4, 6, 8}, {0, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        const ImpositionPlan plan = *PlanImposition(Job(c.Paper, Orientation::Portrait));
        const std::string where =
            Name(c.Paper, Orientation::Portrait) + " " + std::to_string(c.Pages) + " pages";
        ASSERT_EQ(plan.SheetCount(c.Pages), c.Sheets) << where;
        for (int sheet = 0; sheet < c.Sheets; ++sheet) {
            std::vector<int> front;
            std::vector<int> back;
            for (int slot = 0; slot < plan.SlotCount(); ++slot) {
                front.push_back(plan.PageAt(sheet, SheetFace::Front, slot, c.Pages));
                back.push_back(plan.PageAt(sheet, SheetFace::Back, slot, c.Pages));
            }
            EXPECT_EQ(front, c.Fronts[static_cast<std::size_t>(sheet)]) << where << " sheet " << sheet;
            EXPECT_EQ(back, c.Backs[static_cast<std::size_t>(sheet)]) << where << " sheet " << sheet;
        }
    }
}

TEST(ImpositionTest, TheRefillOfAPrintedPage)
{
    // Bible upright at 600 dpi: 95 × 170 mm is 2244 × 4015 pixels; the special paper starts 15 mm (354
    // pixels) in and down, a nudge of 7 mm is 165 pixels.
    struct Case
    {
        const char* Name;
        int PageType;
        bool OneSided;
        bool Special;
        Rect Refill;
    };
    const Case cases[] = {
        {"spread", PageType::Spread, false, false, {0, 0, 2244, 4015}},
        {"one page", PageType::One, false, false, {0, 0, 2244, 4015}},
        {"left half", PageType::Left, false, false, {0, 0, 2244, 4015}},
        {"right half", PageType::Right, false, false, {2244, 0, 4488, 4015}},
        {"right on one side", PageType::Right, true, false, {0, 0, 2244, 4015}},
        {"left on one side", PageType::Left, true, false, {0, 0, 2244, 4015}},
        {"right on special paper", PageType::Right, false, true, {354 + 2244, 354, 354 + 4488, 354 + 4015}},
    };
    for (const Case& c : cases) {
        PrintSettings settings = Job(PaperType::Bible, Orientation::Portrait);
        settings.PPageType = c.PageType;
        settings.PKatagawa = c.OneSided;
        settings.PSennyoushi = c.Special;
        const PageGeometry geometry = ComputePageGeometry(settings, {600, 600, 50});
        EXPECT_EQ(RefillRect(geometry, c.PageType, c.OneSided), c.Refill) << c.Name;
    }
    PrintSettings nudged = Job(PaperType::Bible, Orientation::Landscape);
    nudged.PPageType = PageType::One;
    nudged.PIdouMigi = 7;
    nudged.PIdouSita = -7;
    EXPECT_EQ(RefillRect(ComputePageGeometry(nudged, {600, 600, 50}), PageType::One, false),
              (Rect{165, -165, 165 + 4015, -165 + 2244}));
}

} // namespace
} // namespace planova
