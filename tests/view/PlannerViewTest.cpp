#include "view/PlannerView.h"

#include "model/DataFile.h"

#include "support/Cp932Literals.h"
#include "support/Dates.h"
#include "support/RecordingCanvas.h"
#include "support/ViewSchoolYear.h"
#include "view/DayTexts.h"
#include "view/InfoPaneIcons.h"

#include <gtest/gtest.h>

namespace planova {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;
using test::Sj;

using test::Date;

class PlannerViewTest : public ::testing::Test
{
protected:
    void Start(const DateTime& today = Date(2024, 6, 12)) { View.InitialUpdate(today); }

    ScreenDrawResult Draw(int width = 1920, int height = 1080)
    {
        Canvas.Ops.clear();
        return View.DrawScreen(Canvas, ScreenGeometry{width, height, 140, 16},
                               DateTime::FromDate(2024, 6, 12));
    }

    CPlanovaDoc Document;
    PlannerView View{Document};
    RecordingCanvas Canvas;
};

TEST_F(PlannerViewTest, InitialUpdateShowsTodayWithTheDocumentsSettings)
{
    Document.UpdateDay(Date(2024, 6, 12), [](CDayData& day) { day.SetGyouji(Sj("避難訓練")); });
    Document.DspType = 1;
    Document.StartWeekday = 1;
    Document.ToDoView = false;
    Document.Print.PrintType = 2;
    Document.Print.WakunaiNuritubushi = false;
    Start(DateTime::FromDateTime(2024, 6, 12, 15, 4, 5));

    EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Date(2024, 6, 12)));
    EXPECT_EQ(Document.Day(View.State.CurrentDate).GetGyouji(), Sj("避難訓練"));
    EXPECT_TRUE(View.State.CalendarDate.IsIdenticalTo(Date(2024, 6, 12)));
    EXPECT_EQ(View.State.DspType, 1);
    EXPECT_EQ(View.State.StartWeekday, 1);
    EXPECT_FALSE(View.State.ToDoView);
    EXPECT_EQ(View.State.SelectedCell, -1);
    EXPECT_EQ(View.State.SelectedToDoRow, -1);
    EXPECT_EQ(View.Print.PrintType, 2);
    EXPECT_TRUE(View.Print.WakunaiNuritubushi);
    EXPECT_TRUE(View.Print.PrintStartDate.IsIdenticalTo(Date(2024, 6, 12)));
    EXPECT_FALSE(Document.CanUndo()); // the history starts empty with the first view
}

TEST_F(PlannerViewTest, ValuesOnlyAHandMadeFileCanHoldAreShownAsTheNearestValidView)
{
    Document.DspType = 9;
    Document.StartWeekday = 8;
    Document = ReadDataFile(WriteDataFile(Document)); // the weekday is read modulo 7
    Start();
    EXPECT_EQ(View.Mode(), ViewMode::Day);
    EXPECT_EQ(View.State.StartWeekday, 1);
}

TEST_F(PlannerViewTest, ViewCommandsSetModePrintTypeAndToDoPane)
{
    struct Case
    {
        ViewMode Mode;
        bool ToDo;
    };
    const Case cases[] = {{ViewMode::Week, false}, {ViewMode::Month, false}, {ViewMode::Day, true}};
    Start();
    for (const Case& c : cases) {
        View.State.SelectedCell = 3;
        View.State.SelectedToDoRow = 2;
        View.ShowView(c.Mode);
        EXPECT_EQ(View.Mode(), c.Mode);
        EXPECT_EQ(View.Print.PrintType, static_cast<int>(c.Mode));
        EXPECT_EQ(View.State.ToDoView, c.ToDo);
        EXPECT_EQ(View.State.SelectedCell, -1);
        EXPECT_EQ(View.State.SelectedToDoRow, -1);
    }
    View.ToggleToDoView();
    EXPECT_FALSE(View.State.ToDoView);
    View.ToggleToDoView();
    EXPECT_TRUE(View.State.ToDoView);
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(PlannerViewTest, StepMonthKeepsTheDayWithinTheMonth)
{
    struct Case
    {
        DateTime From;
        int Direction;
        DateTime To;
    };
    const Case cases[] = {
        {Date(2024, 1, 31), +1, Date(2024, 2, 28)}, // limited to 28 also in a leap year
        {Date(2024, 3, 31), +1, Date(2024, 4, 30)}, {Date(2024, 12, 15), +1, Date(2025, 1, 15)},
        {Date(2024, 3, 31), -1, Date(2024, 2, 28)}, {Date(2024, 1, 10), -1, Date(2023, 12, 10)},
        {Date(2024, 8, 31), +1, Date(2024, 9, 30)}, {Date(2024, 6, 30), +1, Date(2024, 7, 30)},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(StepMonth(c.From, c.Direction).IsIdenticalTo(c.To))
            << c.From.Month() << "/" << c.From.Day();
}

TEST_F(PlannerViewTest, StepMovesTheWorkingDayByTheViewsPeriod)
{
    struct Case
    {
        ViewMode Mode;
        int Direction;
        DateTime To;
    };
    const Case cases[] = {
        {ViewMode::Day, +1, Date(2024, 6, 13)},   {ViewMode::Day, -1, Date(2024, 6, 11)},
        {ViewMode::Week, +1, Date(2024, 6, 19)},  {ViewMode::Week, -1, Date(2024, 6, 5)},
        {ViewMode::Month, +1, Date(2024, 7, 12)},
    };
    for (const Case& c : cases) {
        Start();
        View.ShowView(c.Mode);
        View.State.SelectedCell = 1;
        View.State.SelectedToDoRow = 1;
        View.Step(c.Direction);
        EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(c.To));
        EXPECT_TRUE(View.State.CalendarDate.IsIdenticalTo(c.To));
        EXPECT_EQ(View.State.SelectedCell, -1);
        EXPECT_EQ(View.State.SelectedToDoRow, 1);
    }
    Start(Date(9999, 12, 31));
    View.Step(+1); // nothing lies beyond: the view stays
    EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Date(9999, 12, 31)));
}

TEST_F(PlannerViewTest, CalendarSelectionMakesTheDateCurrent)
{
    Start();
    View.State.SelectedCell = 5;
    View.SelectCalendarDate(Date(2024, 9, 2));
    EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Date(2024, 9, 2)));
    EXPECT_TRUE(View.State.CalendarDate.IsIdenticalTo(Date(2024, 9, 2)));
    EXPECT_EQ(View.State.SelectedCell, -1);
}

TEST_F(PlannerViewTest, DaysBackToTheStartOfTheWeek)
{
    // weekday 0 Sunday … 6 Saturday
    EXPECT_EQ(DaysBackToWeekStart(0, 0), 0);
    EXPECT_EQ(DaysBackToWeekStart(6, 0), 6);
    EXPECT_EQ(DaysBackToWeekStart(1, 1), 0);
    EXPECT_EQ(DaysBackToWeekStart(0, 1), 6); // a Sunday belongs to the week that began on Monday
    EXPECT_EQ(DaysBackToWeekStart(3, 1), 2);
}

TEST_F(PlannerViewTest, TheWeekStartsOnTheFirstWeekday)
{
    struct Case
    {
        int StartWeekday;
        DateTime Current;
        DateTime First;
    };
    const Case cases[] = {
        {0, Date(2024, 6, 12), Date(2024, 6, 9)},  // Wednesday, Sunday start
        {1, Date(2024, 6, 12), Date(2024, 6, 10)}, // Monday start
        {1, Date(2024, 6, 16), Date(2024, 6, 10)}, // a Sunday shows the week that began six days earlier
        {0, Date(2024, 6, 16), Date(2024, 6, 16)},
    };
    for (const Case& c : cases) {
        Document.StartWeekday = c.StartWeekday;
        Document.DspType = 1;
        Start(c.Current);
        const ScreenDrawResult result = Draw();
        EXPECT_TRUE(View.State.FirstShownDate.IsIdenticalTo(c.First)) << c.Current.Day();
        EXPECT_EQ(View.State.CellCount, 91);
        for (int column = 0; column < 7; ++column) {
            const DateTime day = c.First.AddDays(column);
            EXPECT_EQ(Canvas.TextOp(WeekViewDateText(day)).Area.Left,
                      result.Layout.Cells[column * 13].Left + result.Layout.H);
        }
    }
}

TEST_F(PlannerViewTest, TheMonthGridShowsFortyTwoDaysFromTheWeekOfTheFirst)
{
    Document.DspType = 2;
    Start(Date(2024, 6, 20));
    const ScreenDrawResult result = Draw();
    EXPECT_TRUE(View.State.FirstShownDate.IsIdenticalTo(Date(2024, 5, 26))); // 1 June 2024 is a Saturday
    EXPECT_EQ(View.State.CellCount, 42);
    for (int n = 0; n < 42; ++n) {
        const DateTime day = Date(2024, 5, 26).AddDays(n);
        const Rect cell = result.Layout.Cells[CellIndexOf(ViewMode::Month, n % 7, n / 7)];
        const std::vector<CanvasOp> dates = Canvas.TextOps(MonthViewDateText(day));
        ASSERT_EQ(dates.size(), 1u) << n;
        EXPECT_EQ(dates[0].Area.Left, cell.Left + result.Layout.H) << n;
        EXPECT_EQ(dates[0].Area.Top, cell.Top + result.Layout.H) << n;
    }
    EXPECT_EQ(Canvas.PointSize, 7);
}

TEST_F(PlannerViewTest, EveryDayOfAMonthViewInALowWindowStaysInItsCell)
{
    // A school year in a 1024 × 600 window: week rows of ten lines, shorter than a day's thirteen.
    Document = test::SchoolYearDocument(2024);
    Document.DspType = 2;
    Document.ToDoView = false; // as the command "月表示" leaves it
    for (const DateTime& shown : {Date(2024, 6, 12), Date(2024, 12, 8), Date(2025, 2, 10)}) {
        SCOPED_TRACE(MonthViewDateText(shown));
        Start(shown);
        const ScreenDrawResult result = Draw(1024, 600);
        ASSERT_LT(result.Layout.WeekRowLines, 13);
        // The texts and fills of a day follow its date, which the days draw one after the other.
        int day = -1;
        int checked = 0;
        for (const CanvasOp& op : Canvas.Ops) {
            if (op.What == CanvasOp::Text && day + 1 < 42 &&
                op.Bytes == MonthViewDateText(View.State.FirstShownDate.AddDays(day + 1)))
                ++day;
            if (day < 0 || (op.What != CanvasOp::Text && op.What != CanvasOp::Fill))
                continue;
            const Rect cell = result.Layout.Cells[CellIndexOf(ViewMode::Month, day % 7, day / 7)];
            EXPECT_TRUE(op.Area.Left >= cell.Left && op.Area.Right <= cell.Right && op.Area.Top >= cell.Top &&
                        op.Area.Bottom <= cell.Bottom)
                << "day " << day << ": " << op.Bytes.size() << " bytes at " << op.Area.Top << ".."
                << op.Area.Bottom << " outside " << cell.Top << ".." << cell.Bottom;
            ++checked;
        }
        EXPECT_EQ(day, 41);
        EXPECT_GT(checked, 42 * 8);
        // The school days have more than fits, and say so.
        EXPECT_GE(Canvas.TextOps(Sj("…")).size(), 20u);
    }
}

TEST_F(PlannerViewTest, MonthHeaderFollowsTheFirstWeekday)
{
    struct Case
    {
        int StartWeekday;
        const char* Names;
    };
    const Case cases[] = {{0, "日月火水木金土"}, {1, "月火水木金土日"}, {3, "水木金土日月火"}};
    for (const Case& c : cases) {
        Document.DspType = 2;
        Document.StartWeekday = c.StartWeekday;
        Start();
        const ScreenDrawResult result = Draw();
        const std::vector<CanvasOp> texts = Canvas.Texts();
        const std::string names = Sj(c.Names);
        const int width = result.Layout.ColumnUnits * result.Layout.L;
        for (int k = 0; k < 7; ++k) {
            const std::string name = names.substr(k * 2, 2);
            const CanvasOp& header = texts[k];
            EXPECT_EQ(header.Bytes, name);
            EXPECT_EQ(header.Area, (Rect{160 + k * width + result.Layout.H, 7 + result.Layout.H,
                                         160 + (k + 1) * width, 7 + result.Layout.H + result.Layout.L}));
            EXPECT_EQ(header.Flags, unsigned(TextSingleLine | TextCenter));
            const Rgb colour = name == Sj("日")   ? TextColours::Red
                               : name == Sj("土") ? TextColours::Blue
                                                  : TextColours::Black;
            EXPECT_EQ(header.TextColour, colour) << c.StartWeekday << " " << k;
        }
    }
}

TEST_F(PlannerViewTest, RedrawKeepsTheCurrentDateAndStoresNothing)
{
    Document.DspType = 2;
    Start(Date(2024, 6, 20));
    Draw();
    EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Date(2024, 6, 20)));
    EXPECT_TRUE(Document.DayList().empty());
    EXPECT_FALSE(Document.IsModified());
}

TEST_F(PlannerViewTest, TwoViewsOfOneDocumentDrawAndStepFromTheirOwnDays)
{
    Start(Date(2024, 6, 12));
    View.ShowView(ViewMode::Week);
    PlannerView other(Document);
    other.InitialUpdate(Date(2024, 6, 12));
    other.ShowView(ViewMode::Week);
    other.SelectCalendarDate(Date(2024, 9, 10));

    Draw();
    EXPECT_TRUE(View.State.FirstShownDate.IsIdenticalTo(Date(2024, 6, 9)));
    EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Date(2024, 6, 12)));
    other.Step(+1);
    EXPECT_TRUE(other.State.CurrentDate.IsIdenticalTo(Date(2024, 9, 17)));
    View.Step(+1);
    EXPECT_TRUE(View.State.CurrentDate.IsIdenticalTo(Date(2024, 6, 19)));
}

TEST_F(PlannerViewTest, FrameGridAndSelectionComeBeforeTheTexts)
{
    Start();
    View.State.SelectedCell = 4;
    const ScreenDrawResult result = Draw(1200, 800);
    const ScreenLayout& layout = result.Layout;
    const std::vector<CanvasOp> rectangles = Canvas.OfKind(CanvasOp::Rectangle);
    ASSERT_GE(rectangles.size(), 2u);
    EXPECT_EQ(Canvas.Ops.front().What, CanvasOp::Rectangle);
    EXPECT_EQ(rectangles[0].Area, layout.Frame);
    EXPECT_EQ(rectangles[0].Pen, RecordingCanvas::Background());
    EXPECT_EQ(rectangles[0].Brush, (Rgb{255, 255, 255}));
    EXPECT_EQ(rectangles[1].Area, layout.Cells[4]);
    EXPECT_EQ(rectangles[1].Pen, TextColours::Blue);
    EXPECT_EQ(rectangles[1].PenWidth, 2);

    // Day view: the column's left edge, two column lines above the memo and one line per row.
    const std::vector<CanvasOp> lines = Canvas.OfKind(CanvasOp::Line);
    const int memoTop = layout.Frame.Bottom - layout.Rows.MemoLines * layout.L;
    ASSERT_GE(lines.size(), 3u + 13u);
    EXPECT_EQ(lines[0].From, (Point{160, 7}));
    EXPECT_EQ(lines[0].To, (Point{160, layout.Frame.Bottom}));
    EXPECT_EQ(lines[1].From, (Point{160 + 2 * layout.L, layout.Cells[1].Top}));
    EXPECT_EQ(lines[1].To, (Point{160 + 2 * layout.L, memoTop}));
    EXPECT_EQ(lines[2].From, (Point{160 + 12 * layout.L, layout.Cells[1].Top}));
    for (int row = 0; row < 13; ++row) {
        EXPECT_EQ(lines[3 + row].From, (Point{160, layout.Cells[row].Top}));
        EXPECT_EQ(lines[3 + row].To, (Point{layout.Frame.Right, layout.Cells[row].Top}));
    }
}

TEST_F(PlannerViewTest, TheDayViewDrawsTheToDoPaneAndKeepsItsRows)
{
    for (int n = 0; n < 40; ++n)
        Document.AppendToDo(CToDo());
    Start();
    View.State.ToDoScrollTop = 35;
    const ScreenDrawResult result = Draw(1200, 800);
    ASSERT_TRUE(result.ToDoPaneShown);
    EXPECT_TRUE(result.ToDoPane.ScrollBarShown);
    EXPECT_EQ(View.State.ToDoRowCount, 32);
    EXPECT_EQ(View.State.ToDoRowRects.size(), 32u);
    EXPECT_EQ(View.State.ToDoVisibleRows, 32);
    EXPECT_EQ(View.State.ToDoScrollTop, 40 - 32 + 1); // clamped so that the last row is used
    EXPECT_EQ(View.State.ToDoCount, 40);

    View.ShowView(ViewMode::Week);
    EXPECT_FALSE(Draw(1200, 800).ToDoPaneShown);
    EXPECT_EQ(View.State.ToDoRowRects.size(), 32u); // kept from the last redraw with the pane
}

TEST_F(PlannerViewTest, ScrollRequestsMoveTheFirstShownItem)
{
    for (int n = 0; n < 40; ++n)
        Document.AppendToDo(CToDo());
    Start();
    Draw(1200, 800); // 32 rows, 32 in use
    struct Case
    {
        ScrollRequest Request;
        int Thumb;
        int Before;
        int Position;
        int Top;
    };
    const Case cases[] = {
        {ScrollRequest::LineDown, 0, 0, 1, 1},
        {ScrollRequest::LineUp, 0, 0, 0, 0}, // not below 0
        {ScrollRequest::PageDown, 0, 0, 32, 9},
        {ScrollRequest::PageUp, 0, 20, 0, 0},
        {ScrollRequest::ThumbPosition, 5, 0, 5, 5},
        {ScrollRequest::ThumbPosition, 60, 0, 40, 9}, // clamped to the item count, the last page stays full
        {ScrollRequest::ThumbTrack, 7, 3, 3, 3},
        {ScrollRequest::Top, 0, 12, 0, 0},
        {ScrollRequest::Bottom, 0, 0, 40, 9},
    };
    for (const Case& c : cases) {
        View.State.ToDoScrollPos = c.Before;
        View.State.ToDoScrollTop = c.Before;
        View.State.SelectedToDoRow = 2;
        View.ScrollToDo(c.Request, c.Thumb);
        EXPECT_EQ(View.State.ToDoScrollPos, c.Position) << static_cast<int>(c.Request);
        EXPECT_EQ(View.State.ToDoScrollTop, c.Top) << static_cast<int>(c.Request);
        EXPECT_EQ(View.State.SelectedToDoRow, 2);
    }
}

TEST_F(PlannerViewTest, InformationPaneIconsFollowTheRhythmsAndTheMoon)
{
    Document.BirthdayYear = 2024;
    Document.BirthdayMonth = 6;
    Document.BirthdayDay = 1; // 11 days before: the physical rhythm is at its mid-point
    Start();
    const ScreenDrawResult result = Draw();
    const int spacing = (140 - 128) / 3 + 32;
    EXPECT_EQ(result.Icons[0].Icon, 1);
    EXPECT_EQ(result.Icons[1].Icon, 4 + 2); // day 11 of 28: first half
    EXPECT_EQ(result.Icons[2].Icon, 8 + 2); // day 11 of 33: first half
    EXPECT_EQ(result.Icons[3].Icon, MoonPhaseIcon(View.State.MoonAgeAt21));
    EXPECT_GT(View.State.MoonAgeAt21, 0.0);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(result.Icons[k].TopLeft, (Point{8 + k * spacing, 170}));
        EXPECT_STREQ(result.Icons[k].Strip, k < 3 ? InfoIcons::BiorhythmStrip : InfoIcons::MoonPhaseStrip);
    }

    DrawInfoIcons(Canvas, result.Icons);
    const std::vector<CanvasOp> bitmaps = Canvas.OfKind(CanvasOp::Bitmap);
    ASSERT_EQ(bitmaps.size(), 4u);
    EXPECT_EQ(bitmaps[0].Source, (Rect{32, 0, 64, 32}));
    EXPECT_EQ(bitmaps[0].Area, (Rect{8, 170, 40, 202}));
}

TEST_F(PlannerViewTest, EachDayCarriesItsBiorhythmMarkersUnlessSwitchedOff)
{
    Document.BirthdayYear = 2024;
    Document.BirthdayMonth = 6;
    Document.BirthdayDay = 9; // the Sunday that starts the shown week: every cycle starts
    Document.DspType = 1;
    Start();
    const ScreenDrawResult result = Draw();
    const CanvasOp date = Canvas.TextOp(WeekViewDateText(Date(2024, 6, 9)));
    const CanvasOp physical = Canvas.TextOp(Sj("▲"));
    EXPECT_EQ(physical.Area.Left, date.Area.Right);
    EXPECT_EQ(physical.TextColour, (Rgb{0, 0, 255}));
    EXPECT_EQ(Canvas.TextOp(Sj("■")).TextColour, (Rgb{255, 0, 0}));
    EXPECT_EQ(Canvas.TextOp(Sj("▼")).Area.Left, date.Area.Right + 2 * result.Layout.L);

    View.Print.Biorhythm = true;
    Draw();
    EXPECT_FALSE(Canvas.HasText(Sj("▲")));
    EXPECT_FALSE(Canvas.HasText(Sj("＋")));
}

TEST(InfoPaneIconsTest, MoonPhaseAtTheBoundaries)
{
    struct Case
    {
        double Age;
        int Icon;
    };
    const Case cases[] = {
        {0.0, 0},   {1.49, 0},  {1.5, 1},   {6.33, 1},  {6.34, 2},  {9.34, 3}, {13.27, 4}, {16.26, 4},
        {16.27, 5}, {21.15, 6}, {24.14, 6}, {24.15, 7}, {28.99, 7}, {29.0, 0}, {29.5, 0},  {-1.0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MoonPhaseIcon(c.Age), c.Icon) << c.Age;
}

TEST(InfoPaneIconsTest, RhythmIconsAreNumberedByStateAndRhythm)
{
    const auto icons = PlaceInfoIcons(164, {3, 1, 2}, 14.0);
    EXPECT_EQ(icons[0].Icon, 3);
    EXPECT_EQ(icons[1].Icon, 5);
    EXPECT_EQ(icons[2].Icon, 10);
    EXPECT_EQ(icons[3].Icon, 4);
    EXPECT_EQ(icons[1].TopLeft, (Point{8 + 44, 170})); // (164 − 128) ÷ 3 + 32
    EXPECT_EQ(icons[3].TopLeft, (Point{8 + 3 * 44, 170}));
}

} // namespace
} // namespace planova
