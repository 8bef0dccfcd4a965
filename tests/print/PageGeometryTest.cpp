#include "print/PageGeometry.h"

#include "print/PrintTypes.h"
#include "print/RefillPaper.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>

namespace planova {
namespace {

/// A refill's lengths in printer pixels at one resolution: trunc(mm × dpi ÷ 25.4).
struct PaperPixels
{
    const char* Name;
    int Paper;
    int Dpi;
    int Width; ///< of the upright page
    int Height;
    int Large;       ///< margin m ÷ 2 mm
    int Small;       ///< margin m ÷ 4 mm
    int Gap;         ///< m mm
    int SpecialLeft; ///< the special paper's left offset: 10 mm (A4, A5) or 15 mm (Bible, Mini)
    int SpecialTop;  ///< 15 mm
};

// 300 dpi: 11.811 pixels per mm; 600 dpi: 23.622.
const PaperPixels Papers[] = {
    {"A4 300", PaperType::A4, 300, 2480, 3507, 177, 82, 354, 118, 177},      // 210 × 297, m 30: 15, 7
    {"Bible 300", PaperType::Bible, 300, 1122, 2007, 94, 47, 188, 177, 177}, // 95 × 170, m 16: 8, 4
    {"Mini 300", PaperType::Mini, 300, 897, 1488, 94, 47, 188, 177, 177},    // 76 × 126
    {"A5 300", PaperType::A5, 300, 1748, 2480, 177, 82, 354, 118, 177},      // 148 × 210
    {"A4 600", PaperType::A4, 600, 4960, 7015, 354, 165, 708, 236, 354},
    {"Bible 600", PaperType::Bible, 600, 2244, 4015, 188, 94, 377, 354, 354},
    {"Mini 600", PaperType::Mini, 600, 1795, 2976, 188, 94, 377, 354, 354},
    {"A5 600", PaperType::A5, 600, 3496, 4960, 354, 165, 708, 236, 354},
};

/// A nudge of 7 mm in pixels: 82 at 300 dpi, 165 at 600.
int Nudge7(int dpi)
{
    return dpi == 300 ? 82 : 165;
}

TEST(PageGeometryTest, EveryPaperOrientationPageTypeSpecialPaperAndNudge)
{
    for (const PaperPixels& p : Papers) {
        for (const int orientation : {Orientation::Portrait, Orientation::Landscape}) {
            for (const int pageType : {PageType::Spread, PageType::Left, PageType::Right, PageType::One}) {
                for (const bool special : {false, true}) {
                    for (const int nudgeSign : {1, -1}) {
                        PrintSettings s;
                        s.PPaperType = p.Paper;
                        s.PYoushiType = orientation;
                        s.PPageType = pageType;
                        s.PSennyoushi = special;
                        s.PIdouMigi = 7 * nudgeSign;
                        s.PIdouSita = -7 * nudgeSign;
                        s.PPageYohakuhidari = true; // large left margin, small right, top and bottom
                        constexpr int Lh = 40;
                        const PageGeometry g = ComputePageGeometry(s, {p.Dpi, p.Dpi, Lh});
                        const std::string where = std::string(p.Name) +
                                                  (orientation ? " portrait" : " landscape") + " page type " +
                                                  std::to_string(pageType) + (special ? " special" : "") +
                                                  " nudge " + std::to_string(nudgeSign);

                        const bool portrait = orientation == Orientation::Portrait;
                        const bool single = pageType == PageType::Left || pageType == PageType::Right;
                        const int w = (portrait ? p.Width : p.Height) * (single ? 2 : 1);
                        const int h = portrait ? p.Height : p.Width;
                        EXPECT_EQ(g.W, w) << where;
                        EXPECT_EQ(g.H, h) << where;
                        EXPECT_EQ(g.W2, w / 2) << where;
                        EXPECT_EQ(g.X0, (special ? p.SpecialLeft : 0) + Nudge7(p.Dpi) * nudgeSign) << where;
                        EXPECT_EQ(g.Y0, (special ? p.SpecialTop : 0) - Nudge7(p.Dpi) * nudgeSign) << where;
                        EXPECT_EQ(g.MarginLeft, p.Large) << where;
                        EXPECT_EQ(g.MarginRight, p.Small) << where;
                        EXPECT_EQ(g.MarginTop, p.Small) << where;
                        EXPECT_EQ(g.MarginBottom, p.Small) << where;

                        const int usableWidth = pageType == PageType::One     ? w - p.Large - p.Small
                                                : pageType == PageType::Right ? w / 2 - p.Gap / 2 - p.Small
                                                                              : w / 2 - p.Gap / 2 - p.Large;
                        EXPECT_EQ(g.Gap, pageType == PageType::One ? 0 : p.Gap) << where;
                        EXPECT_EQ(g.UsableWidth, usableWidth) << where;
                        EXPECT_EQ(g.UsableHeight, h - 2 * p.Small) << where;
                        EXPECT_EQ(g.UnitsAcross, usableWidth / Lh) << where;
                        EXPECT_EQ(g.LinesDown, (h - 2 * p.Small) / Lh) << where;
                        EXPECT_EQ(g.LH, Lh);
                        EXPECT_EQ(g.HL, Lh / 2);
                    }
                }
            }
        }
    }
}

TEST(PageGeometryTest, A4LandscapeSpreadAt300DpiWrittenOut)
{
    PrintSettings s; // the defaults: A4, landscape, spread, small margins
    const PageGeometry g = ComputePageGeometry(s, {300, 300, 37});
    EXPECT_EQ(g.W, 3507); // 297 mm across
    EXPECT_EQ(g.H, 2480); // 210 mm down
    EXPECT_EQ(g.W2, 1753);
    EXPECT_EQ(g.UsableWidth, 1753 - 354 / 2 - 82);
    EXPECT_EQ(g.UsableHeight, 2480 - 82 - 82);
    EXPECT_EQ(g.UnitsAcross, 1494 / 37); // 40
    EXPECT_EQ(g.LinesDown, 2316 / 37);   // 62
    EXPECT_EQ(g.LeftArea, (Rect{82, 82, 82 + 1494, 82 + 2316}));
    EXPECT_EQ(g.RightArea, (Rect{1753 + 177, 82, 1753 + 177 + 1494, 82 + 2316}));
    EXPECT_EQ(g.Frame, (Rect{0, 0, 3507, 2480}));
    EXPECT_EQ(g.Sides, (std::vector<PageSide>{PageSide::Left, PageSide::Right}));
    EXPECT_EQ(g.UnitRect(PageSide::Right, 3, 4, 9, 8),
              (Rect{1930 + 3 * 37, 82 + 4 * 37, 1930 + 9 * 37, 82 + 8 * 37}));
}

TEST(PageGeometryTest, VerticalLengthsFollowTheVerticalResolution)
{
    // A printer of 300 × 600 dpi: the nudge down and the top and bottom margins are millimetres on
    // the paper, so they take the vertical scale (23.622 pixels per mm), not the horizontal one.
    PrintSettings s;
    s.PYoushiType = Orientation::Portrait;
    s.PIdouMigi = 7;
    s.PIdouSita = 7;
    s.PPageYohakuue = true;
    s.PSennyoushi = true;
    const PageGeometry g = ComputePageGeometry(s, {300, 600, 50});
    EXPECT_EQ(g.W, 2480);           // 210 mm at 300 dpi
    EXPECT_EQ(g.H, 7015);           // 297 mm at 600 dpi
    EXPECT_EQ(g.X0, 118 + 82);      // 10 + 7 mm across
    EXPECT_EQ(g.Y0, 354 + 165);     // 15 + 7 mm down
    EXPECT_EQ(g.MarginLeft, 82);    // 7 mm across
    EXPECT_EQ(g.MarginTop, 354);    // 15 mm down
    EXPECT_EQ(g.MarginBottom, 165); // 7 mm down
    EXPECT_EQ(g.MmDown(5), 118);
    EXPECT_EQ(g.MmAcross(17), 200);
    // Landscape: the 297 mm side runs across at the horizontal scale.
    s.PYoushiType = Orientation::Landscape;
    const PageGeometry landscape = ComputePageGeometry(s, {300, 600, 50});
    EXPECT_EQ(landscape.W, 3507);
    EXPECT_EQ(landscape.H, 4960);
}

TEST(PageGeometryTest, WhereTheRightPageLies)
{
    struct Case
    {
        const char* Name;
        int PageType;
        bool OneSide;
        int RightAreaLeft;
        Rect Frame;
    };
    // A5 portrait at 300 dpi: 1748 across, m 30 mm (gap 354, margins 82), special paper off.
    const Case cases[] = {
        {"spread: right half of the sheet", PageType::Spread, false, 874 + 177, {0, 0, 1748, 2480}},
        {"right page of a double-width layout", PageType::Right, false, 1748 + 177, {0, 0, 1748, 2480}},
        {"right page on one side: at the sheet's left edge", PageType::Right, true, 177, {0, 0, 874, 2480}},
        {"left page on one side", PageType::Left, true, 874 + 177, {0, 0, 874, 2480}},
    };
    for (const Case& c : cases) {
        PrintSettings s;
        s.PPaperType = PaperType::A5;
        s.PYoushiType = Orientation::Portrait;
        s.PPageType = c.PageType;
        s.PKatagawa = c.OneSide;
        const PageGeometry g = ComputePageGeometry(s, {300, 300, 40});
        EXPECT_EQ(g.RightArea.Left, c.RightAreaLeft) << c.Name;
        EXPECT_EQ(g.RightArea.Width(), g.UsableWidth) << c.Name;
        EXPECT_EQ(g.LeftArea.Left, 82) << c.Name;
        EXPECT_EQ(g.Frame, c.Frame) << c.Name;
    }
}

TEST(PageGeometryTest, PrinterPaperOfEachRefill)
{
    struct Case
    {
        int Paper;
        bool Special;
        PrinterPaper Sheet;
        int Code;
    };
    const Case cases[] = {
        {PaperType::A4, false, PrinterPaper::A4, 9},
        {PaperType::Bible, false, PrinterPaper::A5, 11},
        {PaperType::Mini, false, PrinterPaper::JapanesePostcard, 43},
        {PaperType::A5, false, PrinterPaper::A5, 11},
        {PaperType::A5, true, PrinterPaper::A4, 9}, // A5 pages on the special A4 sheets
        {PaperType::Bible, true, PrinterPaper::A5, 11},
    };
    for (const Case& c : cases) {
        PrintSettings s;
        s.PPaperType = c.Paper;
        s.PSennyoushi = c.Special;
        EXPECT_EQ(PrinterPaperFor(s), c.Sheet) << c.Paper;
        EXPECT_EQ(PaperCode(PrinterPaperFor(s)), c.Code) << c.Paper;
    }
    PrintSettings s;
    EXPECT_FALSE(IsPortrait(s)); // a new document prints landscape
    s.PYoushiType = Orientation::Portrait;
    EXPECT_TRUE(IsPortrait(s));
}

TEST(PageGeometryTest, FontsOfThePage)
{
    EXPECT_EQ(HeaderPointSize(PaperType::A4), 30 / 2 * 1.5);
    EXPECT_EQ(HeaderPointSize(PaperType::A5), 30 / 2 * 1.5);
    EXPECT_EQ(HeaderPointSize(PaperType::Bible), 16 / 2 * 1.5);
    EXPECT_EQ(HeaderPointSize(PaperType::Mini), 16 / 2 * 1.5);

    test::RecordingCanvas canvas(300);
    EXPECT_EQ(SelectBodyFont(canvas, 9), 37); // em 9 × 300 ÷ 72, no internal leading
    EXPECT_EQ(canvas.PointSize, 9);
    EXPECT_EQ(canvas.Face, "ＭＳ Ｐゴシック");
    canvas.InternalLeading = 3;
    // The font's height (em 66 + 3 above it) plus its internal leading once more.
    EXPECT_EQ(SelectBodyFont(canvas, 16), 66 + 3 + 3);
}

} // namespace
} // namespace planova
