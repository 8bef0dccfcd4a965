#include "view/DayDrawing.h"

#include "model/CellColours.h"
#include "support/Cp932Literals.h"
#include "support/RecordingCanvas.h"
#include "view/DayTexts.h"
#include "view/ScreenLayout.h"

#include <gtest/gtest.h>

namespace planova {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;
using test::Sj;

constexpr Rgb White{255, 255, 255};
constexpr int L = 12; // 9 points at 96 pixels per inch; the recording canvas's bytes are 6 pixels wide
constexpr int H = 6;

CDayData DayOf(int year, int month, int day, const char* jitei = "")
{
    CDayData record;
    record.ClearDay(DateTime::FromDate(year, month, day));
    record.SetJitei(Sj(jitei));
    return record;
}

RhythmMarkers Markers()
{
    return RhythmMarkers{{Sj("▲"), Sj("□"), Sj("－")}, {Rgb{0, 0, 255}, Rgb{255, 0, 0}, Rgb{0, 255, 0}}};
}

class DayDrawingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Canvas.SetFont(PlannerFace, 9);
        Canvas.SetBackgroundColour(White);
        Canvas.SetOpaqueBackground(true);
    }

    RecordingCanvas Canvas;
    FindHitState Hit;
    const ScreenLayout DayLayout = ComputeScreenLayout({ViewMode::Day, false, 1200, 800, 96});
    const ScreenLayout WeekLayout = ComputeScreenLayout({ViewMode::Week, false, 1920, 1080, 96});
};

TEST_F(DayDrawingTest, DateTexts)
{
    const DateTime newYear = DateTime::FromDate(2014, 1, 1);
    EXPECT_EQ(DayViewDateText(newYear), Sj("2014年 1月 1日（水）"));
    EXPECT_EQ(WeekViewDateText(newYear), Sj(" 1月 1日（水）"));
    EXPECT_EQ(MonthViewDateText(newYear), " 1/ 1");
    EXPECT_EQ(DayViewDateText(DateTime::FromDate(2024, 11, 23)), Sj("2024年11月23日（土）"));
    EXPECT_EQ(MonthViewDateText(DateTime::FromDate(2024, 11, 23)), "11/23");
}

TEST_F(DayDrawingTest, DateColourRules)
{
    struct Case
    {
        const char* Name;
        CDayData Day;
        Rgb Colour;
    };
    const Case cases[] = {
        {"weekday", DayOf(2014, 1, 8), TextColours::Black},
        {"Sunday", DayOf(2014, 1, 5), TextColours::Red},
        {"Saturday", DayOf(2014, 1, 4), TextColours::Blue},
        {"holiday on a weekday", DayOf(2014, 1, 1, "休日"), TextColours::Red},
        {"substitute day off", DayOf(2014, 1, 6, "振替休業日"), TextColours::Red},
        {"holiday on a Saturday", DayOf(2014, 1, 4, "休日"), TextColours::Red},
        {"school day kind", DayOf(2014, 1, 8, "50分時程"), TextColours::Black},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateColour(c.Day), c.Colour) << c.Name;
}

TEST_F(DayDrawingTest, DayColumnDateBoxAndMarkers)
{
    DayPainter painter(Canvas, L, Hit);
    const RhythmMarkers markers = Markers();
    painter.DrawDayColumn(DayOf(2014, 1, 5), &markers, DayLayout.DayColumnCells(0));

    const Rect inset = DayLayout.Cells[0].Shrunk(H);
    const CanvasOp date = Canvas.TextOp(Sj("2014年 1月 5日（日）"));
    EXPECT_EQ(date.Area, (Rect{inset.Left, inset.Top, inset.Left + 20 * 6 + L, inset.Bottom}));
    EXPECT_EQ(date.TextColour, TextColours::Red);
    EXPECT_TRUE(date.Flags & TextWordBreak);

    int left = date.Area.Right;
    for (int k = 0; k < 3; ++k) {
        const CanvasOp marker = Canvas.TextOp(markers.Text[k]);
        EXPECT_EQ(marker.Area, (Rect{left, inset.Top, left + L, inset.Bottom})) << k;
        EXPECT_EQ(marker.TextColour, markers.Colour[k]);
        left += L;
    }
    // The colour returns to black for the texts after the header.
    painter.DrawDayColumn(DayOf(2014, 1, 5), nullptr, DayLayout.DayColumnCells(0));
    EXPECT_EQ(Canvas.Ops.back().TextColour, TextColours::Black);
}

TEST_F(DayDrawingTest, SwitchedOffBiorhythmDrawsNoMarkersAndMovesNothing)
{
    CDayData day = DayOf(2014, 1, 8, "50分時程");
    day.SetGyouji(Sj("始業式"));
    DayPainter painter(Canvas, L, Hit);
    painter.DrawDayColumn(day, nullptr, DayLayout.DayColumnCells(0));
    const std::vector<CanvasOp> withoutMarkers = Canvas.Texts();
    Canvas.Ops.clear();
    const RhythmMarkers markers = Markers();
    painter.DrawDayColumn(day, &markers, DayLayout.DayColumnCells(0));

    EXPECT_FALSE(RecordingCanvas().HasText(markers.Text[0]));
    EXPECT_EQ(Canvas.Texts().size(), withoutMarkers.size() + 3);
    EXPECT_EQ(Canvas.TextOp(Sj("始業式")).Area, withoutMarkers[2].Area);
    for (const CanvasOp& op : withoutMarkers)
        EXPECT_FALSE(op.Bytes == markers.Text[0] || op.Bytes == markers.Text[1]);
}

TEST_F(DayDrawingTest, DayColumnTextRectangles)
{
    CDayData day = DayOf(2014, 1, 8, "50分時程");
    day.SetGyouji(Sj("始業式"));
    day.SetJigenn(0, Sj("朝"));
    day.SetYotei(0, Sj("職員朝会"));
    day.SetNaiyou(0, Sj("連絡事項"));
    day.SetMemo(Sj("メモ"));
    DayPainter painter(Canvas, L, Hit);
    painter.DrawDayColumn(day, nullptr, DayLayout.DayColumnCells(0));

    const Rect c1 = DayLayout.Cells[1].Shrunk(H);
    const Rect c2 = DayLayout.Cells[2].Shrunk(H);
    EXPECT_EQ(Canvas.TextOp(Sj("50分時程")).Area,
              (Rect{c1.Left + 2 * L, c1.Top, c1.Left + 12 * L, c1.Bottom}));
    EXPECT_EQ(Canvas.TextOp(Sj("始業式")).Area, (Rect{c1.Left + 12 * L, c1.Top, c1.Right, c1.Bottom}));
    EXPECT_EQ(Canvas.TextOp(Sj("朝")).Area, (Rect{c2.Left, c2.Top, c2.Left + 2 * L, c2.Bottom}));
    EXPECT_EQ(Canvas.TextOp(Sj("職員朝会")).Area,
              (Rect{c2.Left + 2 * L, c2.Top, c2.Left + 12 * L, c2.Bottom}));
    EXPECT_EQ(Canvas.TextOp(Sj("連絡事項")).Area, (Rect{c2.Left + 12 * L, c2.Top, c2.Right, c2.Bottom}));
    EXPECT_EQ(Canvas.TextOp(Sj("メモ")).Area, DayLayout.Cells[12].Shrunk(H));
    for (const CanvasOp& op : Canvas.Texts()) {
        EXPECT_TRUE(op.Flags & TextWordBreak);
        EXPECT_FALSE(op.Flags & TextNoClip);
    }
}

TEST_F(DayDrawingTest, KindIsRedOnlyForHoliday)
{
    DayPainter painter(Canvas, L, Hit);
    painter.DrawDayColumn(DayOf(2014, 1, 13, "振替休業日"), nullptr, DayLayout.DayColumnCells(0));
    EXPECT_EQ(Canvas.TextOp(Sj("振替休業日")).TextColour, TextColours::Black);
    EXPECT_EQ(Canvas.Texts().front().TextColour, TextColours::Red); // the date is red
    painter.DrawDayColumn(DayOf(2014, 1, 1, "休日"), nullptr, DayLayout.DayColumnCells(0));
    EXPECT_EQ(Canvas.TextOp(Sj("休日")).TextColour, TextColours::Red);
}

TEST_F(DayDrawingTest, ColouredPeriodRowsAreFilledAndTheirTextsDrawnOnTheColour)
{
    CDayData day = DayOf(2014, 1, 8);
    day.SetYotei(0, Sj("白い行"));
    day.SetIro(1, 3);
    day.SetYotei(1, Sj("橙の行"));
    DayPainter painter(Canvas, L, Hit);
    painter.DrawDayColumn(day, nullptr, DayLayout.DayColumnCells(0));

    const std::vector<CanvasOp> fills = Canvas.OfKind(CanvasOp::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Area, DayLayout.Cells[3].Shrunk(2));
    EXPECT_EQ(fills[0].Brush, (Rgb{255, 170, 10}));
    EXPECT_EQ(Canvas.TextOp(Sj("橙の行")).Background, (Rgb{255, 170, 10}));
    EXPECT_EQ(Canvas.TextOp(Sj("白い行")).Background, White);
    EXPECT_EQ(Canvas.Ops.back().Background, White); // the memo after the rows is on white
}

TEST_F(DayDrawingTest, AnEmptyDayShowsOnlyItsDate)
{
    DayPainter painter(Canvas, L, Hit);
    painter.DrawDayColumn(DayOf(2014, 1, 8), nullptr, DayLayout.DayColumnCells(0));
    int nonEmpty = 0;
    for (const CanvasOp& op : Canvas.Texts())
        nonEmpty += op.Bytes.empty() ? 0 : 1;
    EXPECT_EQ(nonEmpty, 1);
    EXPECT_TRUE(Canvas.OfKind(CanvasOp::Fill).empty());
}

TEST_F(DayDrawingTest, FindHitIsMarkedFromColumnAndLineOnTheHitDayOnly)
{
    CDayData day = DayOf(2014, 1, 8);
    day.SetIro(0, 1);
    day.SetYotei(0, Sj("国語\r\n漢字テスト"));
    day.SetNaiyou(0, Sj("後の文"));
    Hit.Found = true;
    Hit.Date = DateTime::FromDate(2014, 1, 8);
    Hit.Field = FindField::Yotei(0);
    Hit.Column = 4; // bytes: "漢字" starts the line, "テスト" is 4 bytes in
    Hit.Line = 1;
    Hit.Text = Sj("テスト");
    DayPainter painter(Canvas, L, Hit);
    painter.DrawDayColumn(day, nullptr, DayLayout.DayColumnCells(0));

    const Rect plan = Canvas.TextOp(Sj("国語\r\n漢字テスト")).Area;
    const CanvasOp mark = Canvas.TextOp(Sj("テスト"));
    EXPECT_EQ(mark.Area,
              (Rect{plan.Left + 4 * H, plan.Top + L, plan.Left + 4 * H + 6 * H, plan.Top + 2 * L}));
    EXPECT_EQ(mark.Background, TextColours::FindHitBackground);
    // The content drawn after the mark is still on the row's colour.
    EXPECT_EQ(Canvas.TextOp(Sj("後の文")).Background, CellColourAt(1).Colour);

    Canvas.Ops.clear();
    painter.DrawDayColumn(DayOf(2014, 1, 9), nullptr, DayLayout.DayColumnCells(0));
    EXPECT_FALSE(Canvas.HasText(Sj("テスト")));
    Hit.Field = FindField::Memo; // another field of the hit day: no marking over the plan
    Canvas.Ops.clear();
    painter.DrawDayColumn(day, nullptr, DayLayout.DayColumnCells(0));
    const std::vector<CanvasOp> marks = Canvas.TextOps(Sj("テスト"));
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].Area.Top, DayLayout.Cells[12].Shrunk(H).Top + L);
}

TEST_F(DayDrawingTest, WeekColumnPlacesTextsBelowEachOther)
{
    CDayData day = DayOf(2014, 1, 8, "休日");
    day.SetGyouji(Sj("成人の日"));
    day.SetJigenn(0, Sj("①"));
    day.SetYotei(0, Sj("国語"));
    day.SetNaiyou(0, Sj("漢字"));
    DayPainter painter(Canvas, L, Hit);
    const int i = WeekLayout.Rows.I;
    painter.DrawWeekColumn(day, nullptr, WeekLayout.DayColumnCells(2), i);

    const Rect c0 = WeekLayout.Cells[2 * 13].Shrunk(H);
    const Rect c1 = WeekLayout.Cells[2 * 13 + 1].Shrunk(H);
    const Rect c2 = WeekLayout.Cells[2 * 13 + 2].Shrunk(H);
    const CanvasOp date = Canvas.TextOp(Sj(" 1月 8日（水）"));
    EXPECT_EQ(date.Area, (Rect{c0.Left, c0.Top, c0.Left + 14 * 6 + L, c0.Bottom}));
    EXPECT_EQ(date.TextColour, TextColours::Red);
    EXPECT_EQ(Canvas.TextOp(Sj("休日")).Area, (Rect{c1.Left, c1.Top, c1.Right, c1.Top + (i - 1) * L}));
    EXPECT_EQ(Canvas.TextOp(Sj("成人の日")).Area, (Rect{c1.Left, c1.Top + (i - 1) * L, c1.Right, c1.Bottom}));
    EXPECT_EQ(Canvas.TextOp(Sj("①")).Area, (Rect{c2.Left, c2.Top, c2.Left + 2 * L, c2.Bottom}));
    EXPECT_EQ(Canvas.TextOp(Sj("国語")).Area, (Rect{c2.Left + 3 * L, c2.Top, c2.Right, c2.Top + L}));
    EXPECT_EQ(Canvas.TextOp(Sj("漢字")).Area, (Rect{c2.Left + 3 * L, c2.Top + L, c2.Right, c2.Bottom}));
}

TEST_F(DayDrawingTest, WeekColumnOfAShortWindowGivesTheKindNoLine)
{
    const ScreenLayout shortWeek = ComputeScreenLayout({ViewMode::Week, false, 1280, 7 + 30 * 12 + 8, 96});
    ASSERT_EQ(shortWeek.Rows.I, 1);
    CDayData day = DayOf(2014, 1, 8, "50分時程");
    day.SetGyouji(Sj("始業式"));
    DayPainter painter(Canvas, L, Hit);
    painter.DrawWeekColumn(day, nullptr, shortWeek.DayColumnCells(0), shortWeek.Rows.I);
    const Rect c1 = shortWeek.Cells[1].Shrunk(H);
    EXPECT_EQ(Canvas.TextOp(Sj("50分時程")).Area.Height(), 0);
    EXPECT_EQ(Canvas.TextOp(Sj("始業式")).Area, c1);
}

class MonthCellTest : public DayDrawingTest
{
protected:
    static constexpr int M = 9; // 7 points
    void SetUp() override
    {
        DayDrawingTest::SetUp();
        Canvas.SetFont(PlannerFace, 7);
    }
};

TEST_F(MonthCellTest, EachTextHasItsLine)
{
    const Rect cell{160, 25, 160 + 20 * M, 25 + 19 * M};
    const Rect inset = cell.Shrunk(M / 2);
    CDayData day = DayOf(2014, 1, 4, "50分時程");
    day.SetGyouji(Sj("学年会"));
    day.SetJigenn(2, Sj("②"));
    day.SetIro(2, 4);
    day.SetYotei(2, Sj("数学"));
    day.SetNaiyou(2, Sj("関数"));
    day.SetJigenn(3, Sj("③"));
    day.SetMemo(Sj("備考"));
    const RhythmMarkers markers = Markers();
    DayPainter painter(Canvas, M, Hit);
    painter.DrawMonthCell(day, &markers, cell);

    const CanvasOp date = Canvas.TextOp(" 1/ 4");
    const int w = 5 * 9 / 2; // the em of 7 points is 9 pixels, a byte half of it
    EXPECT_EQ(date.Area, (Rect{inset.Left, inset.Top, inset.Left + w + M, inset.Bottom}));
    EXPECT_EQ(date.TextColour, TextColours::Blue);
    const int afterMarkers = date.Area.Right + 3 * M;
    EXPECT_EQ(Canvas.TextOp(Sj("50分時程")).Area,
              (Rect{afterMarkers + M, inset.Top, inset.Right, inset.Top + M}));
    EXPECT_EQ(Canvas.TextOp(Sj("学年会")).Area,
              (Rect{date.Area.Right, inset.Top + M, inset.Right, inset.Top + 2 * M}));
    const Rect line4{inset.Left, inset.Top + 4 * M, inset.Right, inset.Top + 5 * M};
    const CanvasOp joined = Canvas.TextOp(Sj("②数学関数"));
    EXPECT_EQ(joined.Area, line4);
    EXPECT_EQ(joined.Background, CellColourAt(4).Colour);
    ASSERT_EQ(Canvas.OfKind(CanvasOp::Fill).size(), 1u);
    EXPECT_EQ(Canvas.OfKind(CanvasOp::Fill)[0].Area, line4);
    // A row with only its label still shows the label.
    EXPECT_EQ(Canvas.TextOp(Sj("③")).Area.Top, inset.Top + 5 * M);
    EXPECT_EQ(Canvas.TextOp(Sj("備考")).Area,
              (Rect{inset.Left, inset.Top + 12 * M, inset.Right, inset.Bottom}));
}

TEST_F(MonthCellTest, AShortCellShowsItsWholeLinesAndAnEllipsisWhenSomethingIsLeftOut)
{
    // 8 lines high: the inset holds 7 whole lines (the time-table kind, the event, periods 0–4).
    const Rect cell{160, 25, 160 + 20 * M, 25 + 8 * M};
    const Rect inset = cell.Shrunk(M / 2);
    const int lastTop = inset.Top + 6 * M;
    const std::string ellipsis = Sj("…");
    const int ellipsisWidth = M; // two bytes of half an em each
    CDayData shown = DayOf(2014, 1, 8, "50分時程");
    shown.SetGyouji(Sj("始業式"));
    for (int m = 0; m <= 4; ++m)
        shown.SetJigenn(m, Sj("①"));
    struct Case
    {
        const char* Name;
        void (*Hide)(CDayData& day); ///< puts something on a line below the cell (nullptr: nothing)
    };
    const Case cases[] = {
        {"nothing below the cell", nullptr},
        {"a label below", [](CDayData& day) { day.SetJigenn(9, Sj("放")); }},
        {"a plan below", [](CDayData& day) { day.SetYotei(5, Sj("数学")); }},
        {"a coloured empty row below", [](CDayData& day) { day.SetIro(7, 3); }},
        {"a memo", [](CDayData& day) { day.SetMemo(Sj("備考")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CDayData day = shown;
        if (c.Hide)
            c.Hide(day);
        Canvas.Ops.clear();
        DayPainter painter(Canvas, M, Hit);
        painter.DrawMonthCell(day, nullptr, cell);

        for (const CanvasOp& op : Canvas.Texts())
            EXPECT_TRUE(op.Area.Left >= inset.Left && op.Area.Right <= inset.Right &&
                        op.Area.Top >= inset.Top && op.Area.Bottom <= inset.Bottom)
                << op.Area.Top << ".." << op.Area.Bottom;
        for (const CanvasOp& fill : Canvas.OfKind(CanvasOp::Fill))
            EXPECT_LE(fill.Area.Bottom, inset.Bottom);
        EXPECT_FALSE(Canvas.HasText(Sj("放")));
        EXPECT_FALSE(Canvas.HasText(Sj("備考")));
        const std::vector<CanvasOp> lastRow = Canvas.TextOps(Sj("①"));
        ASSERT_EQ(lastRow.size(), 5u);
        if (c.Hide == nullptr) {
            EXPECT_FALSE(Canvas.HasText(ellipsis));
            EXPECT_EQ(lastRow[4].Area, (Rect{inset.Left, lastTop, inset.Right, lastTop + M}));
            continue;
        }
        // "…" ends the last line shown, over its colour; the line's own text makes room for it.
        const CanvasOp mark = Canvas.TextOp(ellipsis);
        EXPECT_EQ(mark.Area, (Rect{inset.Right - ellipsisWidth, lastTop, inset.Right, lastTop + M}));
        EXPECT_TRUE(mark.Flags & TextRight);
        EXPECT_FALSE(mark.Opaque);
        EXPECT_EQ(lastRow[4].Area, (Rect{inset.Left, lastTop, inset.Right - ellipsisWidth, lastTop + M}));
        // The painter leaves the canvas opaque, as it found it.
        Canvas.DrawText(Rect{0, 0, 10, 10}, "x", 0);
        EXPECT_TRUE(Canvas.Ops.back().Opaque);
    }
}

TEST_F(MonthCellTest, ALowCellDrawsItsDateAndWhatFits)
{
    // Two lines of inset: the date with the time-table kind, the event; the rest is announced.
    const Rect cell{160, 25, 160 + 20 * M, 25 + 3 * M};
    const Rect inset = cell.Shrunk(M / 2);
    CDayData day = DayOf(2014, 1, 8, "50分時程");
    day.SetGyouji(Sj("始業式"));
    day.SetJigenn(0, Sj("朝"));
    DayPainter painter(Canvas, M, Hit);
    painter.DrawMonthCell(day, nullptr, cell);
    EXPECT_TRUE(Canvas.HasText(" 1/ 8"));
    EXPECT_EQ(Canvas.TextOp(Sj("50分時程")).Area.Top, inset.Top);
    EXPECT_EQ(Canvas.TextOp(Sj("始業式")).Area.Right, inset.Right - M);
    EXPECT_EQ(Canvas.TextOp(Sj("…")).Area.Top, inset.Top + M);
    EXPECT_FALSE(Canvas.HasText(Sj("朝")));
}

TEST_F(MonthCellTest, FindHitsAreMarkedInKindEventContentAndMemoOnly)
{
    const Rect cell{160, 25, 160 + 20 * M, 25 + 19 * M};
    const Rect inset = cell.Shrunk(M / 2);
    CDayData day = DayOf(2014, 1, 8);
    day.SetJigenn(0, Sj("朝"));
    day.SetYotei(0, Sj("会議"));
    day.SetNaiyou(0, Sj("資料"));
    Hit.Found = true;
    Hit.Date = day.GetDate();
    Hit.Column = 2;
    Hit.Line = 0;
    Hit.Text = Sj("料");

    struct Case
    {
        int Field;
        bool Marked;
        int Top;
    };
    const Case cases[] = {
        {FindField::Naiyou(0), true, inset.Top + 2 * M}, // measured from the start of the joined line
        {FindField::Yotei(0), false, 0},
        {FindField::Jigenn(0), false, 0},
        {FindField::Memo, true, inset.Top + 12 * M},
        {FindField::Gyouji, true, inset.Top + M},
    };
    for (const Case& c : cases) {
        Hit.Field = c.Field;
        Canvas.Ops.clear();
        DayPainter painter(Canvas, M, Hit);
        painter.DrawMonthCell(day, nullptr, cell);
        const std::vector<CanvasOp> marks = Canvas.TextOps(Sj("料"));
        ASSERT_EQ(marks.size(), c.Marked ? 1u : 0u) << c.Field;
        if (c.Marked) {
            EXPECT_EQ(marks[0].Area.Top, c.Top) << c.Field;
        }
    }
    Hit.Field = FindField::Naiyou(0);
    Canvas.Ops.clear();
    DayPainter painter(Canvas, M, Hit);
    painter.DrawMonthCell(day, nullptr, cell);
    // The content follows number and plan on the joined line: "朝会議" and "資" (8 bytes) come before the
    // hit.
    EXPECT_EQ(Canvas.TextOp(Sj("料")).Area.Left, inset.Left + Canvas.TextExtent(Sj("朝会議資")).Width);
}

TEST_F(MonthCellTest, FindMarksStayInsideTheCell)
{
    const Rect cell{160, 25, 160 + 20 * M, 25 + 15 * M}; // 14 whole lines: two lines of memo
    const Rect inset = cell.Shrunk(M / 2);
    CDayData day = DayOf(2014, 1, 8);
    Hit.Found = true;
    Hit.Date = day.GetDate();
    Hit.Field = FindField::Memo;
    Hit.Text = Sj("四");
    const std::string lines = Sj("一\r\n二\r\n三\r\n四");
    const std::string wide = Sj("ああああああああああああああああああああ四"); // 20 × "あ"
    struct Case
    {
        const char* Name;
        const std::string& Memo;
        int Line;
        int Column;
        bool Marked;
        int Right;
    };
    const Case cases[] = {
        {"a line shown", lines, 1, 0, true, inset.Left + Canvas.TextExtent(Sj("四")).Width},
        {"a line below the cell", lines, 3, 0, false, 0},
        // 38 bytes before the hit, 4.5 px each: 171 px from the inset's left (164), 1 px short of its right
        // (336); 40 bytes: 180 px, past it.
        {"a text past the right edge is cut there", wide, 0, 38, true, inset.Right},
        {"a column right of the cell", wide, 0, 40, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        day.SetMemo(c.Memo);
        Hit.Line = c.Line;
        Hit.Column = c.Column;
        Canvas.Ops.clear();
        DayPainter painter(Canvas, M, Hit);
        painter.DrawMonthCell(day, nullptr, cell);
        const std::vector<CanvasOp> marks = Canvas.TextOps(Sj("四"));
        ASSERT_EQ(marks.size(), c.Marked ? 1u : 0u);
        if (c.Marked) {
            EXPECT_EQ(marks[0].Area.Right, c.Right);
            EXPECT_LE(marks[0].Area.Bottom, inset.Bottom);
        }
    }
}

} // namespace
} // namespace planova
