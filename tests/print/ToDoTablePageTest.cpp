#include "print/PrintJob.h"
#include "print/PrintTypes.h"
#include "print/PrintedDates.h"
#include "print/ToDoTablePage.h"

#include "model/DataFile.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"
#include "support/PrintedPageFixture.h"
#include "support/RecordingCanvas.h"
#include "view/ViewSky.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace planova {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;
using test::Sj;
using namespace test::a4spread;

// On the A4 spread C = trunc(40 ÷ 4) = 10 and R = trunc((62 − 2) ÷ 6) = 10.

/// Line k of the texts inside a cell (inset by half a line).
Rect TextLine(const Rect& cell, int k)
{
    return Rect{cell.Left + Hl, cell.Top + Hl + k * Lh, cell.Right - Hl, cell.Top + Hl + (k + 1) * Lh};
}

class ToDoTablePageTest : public test::PrintedPageFixture
{
protected:
    ToDoTablePageTest()
    {
        Print.PrintType = PrintType::ToDo;
        Print.PFontSize = 9;
        Print.PrintStartDate = Date(2024, 6, 12); // a Wednesday: the table starts on Sunday 9 June
        Print.PrintEndDate = Date(2024, 6, 12);
    }

    void AddToDo(const char* importance, const char* subject, const DateTime& deadline)
    {
        CToDo item;
        item.SetJyuuyoudo(Sj(importance));
        item.SetKennmei(Sj(subject));
        item.SetKigenn(deadline.Year(), deadline.Month(), deadline.Day());
        Doc.AppendToDo(item);
    }
};

TEST_F(ToDoTablePageTest, CellsOfTheA4Spread)
{
    const test::CellCase cases[] = {
        {"header of the first column", 0, 0, {X(0), Y(0), X(10), Y(2)}},
        {"first week, first day", 0, 1, {X(0), Y(2), X(10), Y(12)}},
        {"last column of the left page, last week", 3, 6, {X(30), Y(52), X(40), Y(62)}},
        {"header of the right page", 4, 0, {X(0, RightX), Y(0), X(10, RightX), Y(2)}},
        {"right page, second week", 5, 2, {X(10, RightX), Y(12), X(20, RightX), Y(22)}},
        {"last cell", 6, 6, {X(20, RightX), Y(52), X(30, RightX), Y(62)}},
    };
    const std::vector<Rect> cells = Draw();
    ASSERT_EQ(cells.size(), 56u);
    for (const test::CellCase& c : cases)
        EXPECT_EQ(cells[c.Column * 7 + c.Row], c.Cell) << c.Name;
    EXPECT_EQ(cells[7 * 7], Rect{}); // the eighth column is not used
}

TEST_F(ToDoTablePageTest, CellsFollowTheFormulasOnEveryPaperAndPageType)
{
    struct Case
    {
        int Paper;
        int Orientation;
        int PageType;
        int FontSize;
    };
    const Case cases[] = {
        {PaperType::A4, Orientation::Landscape, PageType::Spread, 6},
        {PaperType::A4, Orientation::Portrait, PageType::One, 6},
        {PaperType::A5, Orientation::Landscape, PageType::Left, 6},
        {PaperType::A5, Orientation::Portrait, PageType::Right, 6},
        {PaperType::Bible, Orientation::Portrait, PageType::One, 6},
        {PaperType::Bible, Orientation::Landscape, PageType::Spread, 6},
        {PaperType::Mini, Orientation::Portrait, PageType::One, 4},
        {PaperType::Mini, Orientation::Landscape, PageType::Right, 4},
    };
    for (const Case& c : cases) {
        Print.PPaperType = c.Paper;
        Print.PYoushiType = c.Orientation;
        Print.PPageType = c.PageType;
        Print.PFontSize = c.FontSize;
        const std::vector<Rect> cells = Draw();
        const int lh = static_cast<int>(c.FontSize * 300 / 72);
        const PageGeometry g = ComputePageGeometry(Print, {300, 300, lh});
        const std::string name =
            "paper " + std::to_string(c.Paper) + ", page type " + std::to_string(c.PageType);
        for (int column = 0; column < 7; ++column) {
            const bool right = column >= 4 && c.PageType != PageType::One;
            const bool drawn = c.PageType == PageType::Spread || c.PageType == PageType::One ||
                               right == (c.PageType == PageType::Right);
            if (!drawn) {
                EXPECT_EQ(cells[column * 7], Rect{}) << name << ", column " << column;
                continue;
            }
            const PageSide side =
                c.PageType == PageType::One ? PageSide::Whole : (right ? PageSide::Right : PageSide::Left);
            const int perPage = c.PageType == PageType::One ? 7 : 4;
            const int columnUnits = g.UnitsAcross / perPage;
            // A line is left above the grid where the top margin cannot hold the titles 3 mm below
            // the paper's edge (Bible and Mini: 4 mm).
            const int t = TitleRoomLines(g);
            EXPECT_EQ(t, c.Paper == PaperType::Bible || c.Paper == PaperType::Mini ? 1 : 0) << name;
            const int rowLines = (g.LinesDown - t - 2) / 6;
            const int k = right ? column - 4 : column;
            EXPECT_EQ(cells[column * 7], g.UnitRect(side, k * columnUnits, t, (k + 1) * columnUnits, t + 2))
                << name;
            for (int row = 1; row <= 6; ++row)
                EXPECT_EQ(cells[column * 7 + row],
                          g.UnitRect(side, k * columnUnits, t + 2 + (row - 1) * rowLines,
                                     (k + 1) * columnUnits, t + 2 + row * rowLines))
                    << name << ", column " << column << ", row " << row;
        }
    }
}

TEST_F(ToDoTablePageTest, SixWeeksFromTheStartWeekdayWithTitles)
{
    struct Case
    {
        DateTime PageDate;
        int StartWeekday;
        DateTime First;
        const char* LeftTitle;
        const char* RightTitle;
    };
    const Case cases[] = {
        {Date(2024, 6, 12), 0, Date(2024, 6, 9), "20240609", "20240720"},
        {Date(2024, 6, 12), 1, Date(2024, 6, 10), "20240610", "20240721"},
        {Date(2024, 6, 9), 0, Date(2024, 6, 9), "20240609", "20240720"},     // already on a Sunday
        {Date(2024, 6, 9), 1, Date(2024, 6, 3), "20240603", "20240714"},     // a Sunday, weeks from Monday
        {Date(2024, 12, 31), 1, Date(2024, 12, 30), "20241230", "20250209"}, // into the next year
    };
    for (const Case& c : cases) {
        Print.PrintStartDate = c.PageDate;
        Print.PStartWeekday = c.StartWeekday;
        EXPECT_EQ(ToDoTableFirstDay(c.PageDate, c.StartWeekday), c.First);
        const std::vector<Rect> cells = Draw();
        // Column × 7 + row: day (row − 1) × 7 + column.
        EXPECT_EQ(Canvas.TextOp(PrintedMonthDay(c.First, 0, false)).Area.Left, cells[0 * 7 + 1].Left + Hl);
        EXPECT_EQ(Canvas.TextOp(PrintedMonthDay(c.First.AddDays(8), 0, false)).Area.Top,
                  cells[1 * 7 + 2].Top + Hl);
        const CanvasOp last = Canvas.TextOp(PrintedMonthDay(c.First.AddDays(41), 0, false));
        EXPECT_EQ(last.Area.Left, cells[6 * 7 + 6].Left + Hl);
        EXPECT_EQ(last.Area.Top, cells[6 * 7 + 6].Top + Hl);

        const CanvasOp left = Canvas.TextOp(c.LeftTitle);
        EXPECT_EQ(left.PointSize, 11); // what the 7 mm top margin holds 3 mm below the paper's edge
        EXPECT_EQ(left.Area.Left, cells[0].Left);
        EXPECT_EQ(left.Area.Bottom, cells[0].Top);
        EXPECT_EQ(left.Flags & TextRight, 0u);
        const CanvasOp right = Canvas.TextOp(c.RightTitle);
        EXPECT_EQ(right.Area.Right, cells[6 * 7].Right);
        EXPECT_NE(right.Flags & TextRight, 0u);
    }
}

TEST_F(ToDoTablePageTest, StartWeekdayOutsideTheWeekFromADamagedFile)
{
    struct Case
    {
        int StartWeekday;
        const char* FirstHeader;
        DateTime First;
    };
    // Read from the file as a weekday 0–6: the header and the days agree, and nothing is read past the
    // letters.
    for (const Case& c : {Case{13, "土", Date(2024, 6, 8)}, Case{9, "火", Date(2024, 6, 11)},
                          Case{14, "日", Date(2024, 6, 9)}}) {
        Doc.Print.PStartWeekday = c.StartWeekday;
        Print.PStartWeekday = ReadDataFile(WriteDataFile(Doc)).Print.PStartWeekday;
        const std::vector<Rect> cells = Draw();
        EXPECT_EQ(Canvas.TextOp(Sj(c.FirstHeader)).Area, cells[0]) << c.StartWeekday;
        EXPECT_EQ(Canvas.TextOp(PrintedMonthDay(c.First, 0, false)).Area.Left, cells[1].Left + Hl)
            << c.StartWeekday;
    }
}

TEST_F(ToDoTablePageTest, TitlesByPageType)
{
    struct Case
    {
        int PageType;
        bool Left;
        bool Right;
    };
    for (const Case& c : {Case{PageType::Spread, true, true}, Case{PageType::Left, true, false},
                          Case{PageType::Right, false, true}, Case{PageType::One, true, true}}) {
        Print.PPageType = c.PageType;
        const std::vector<Rect> cells = Draw();
        EXPECT_EQ(Canvas.HasText("20240609"), c.Left) << c.PageType;
        EXPECT_EQ(Canvas.HasText("20240720"), c.Right) << c.PageType;
        if (c.Right) {
            EXPECT_EQ(Canvas.TextOp("20240720").Area.Right, cells[6 * 7].Right) << c.PageType;
        }
    }
    // The date form of the print settings, zero-stripped.
    Print.PDateType = 2;
    Print.PZerotoru = true;
    Draw();
    EXPECT_TRUE(Canvas.HasText(Sj("2024年 6月 9日")));
    EXPECT_TRUE(Canvas.HasText(Sj("2024年 7月20日")));
    EXPECT_TRUE(Canvas.HasText(Sj(" 6月10日"))); // a day cell: month and day only
}

TEST_F(ToDoTablePageTest, WeekdayHeaderAndDateColours)
{
    Store(DayOf(Date(2024, 6, 15), "50分時程")); // a school Saturday
    Store(DayOf(Date(2024, 6, 22), ""));
    Store(DayOf(Date(2024, 6, 11), "休日"));
    for (const int start : {0, 1}) {
        Print.PStartWeekday = start;
        const std::vector<Rect> cells = Draw();
        for (int column = 0; column < 7; ++column) {
            const int weekday = (start + column) % 7;
            const char* const letters[] = {"日", "月", "火", "水", "木", "金", "土"};
            const CanvasOp header = Canvas.TextOp(Sj(letters[weekday]));
            const Rgb colour = weekday == 0   ? TextColours::Red
                               : weekday == 6 ? TextColours::Blue
                                              : TextColours::Black;
            EXPECT_EQ(Canvas.TextOps(Sj(letters[weekday])).size(), 1u) << weekday;
            EXPECT_EQ(header.Area, cells[column * 7]) << start << " " << weekday;
            EXPECT_EQ(header.TextColour, colour) << weekday;
            EXPECT_EQ(header.Flags, unsigned(TextSingleLine | TextCenter | TextVCenter));
        }
    }
    struct Case
    {
        DateTime Date;
        Rgb Colour;
    };
    for (const Case& c :
         {Case{Date(2024, 6, 15), TextColours::Black}, Case{Date(2024, 6, 22), TextColours::Blue},
          Case{Date(2024, 6, 11), TextColours::Red}, Case{Date(2024, 6, 16), TextColours::Red},
          Case{Date(2024, 6, 12), TextColours::Black}})
        EXPECT_EQ(Canvas.TextOp(PrintedMonthDay(c.Date, 0, false)).TextColour, c.Colour) << c.Date.Day();
}

TEST_F(ToDoTablePageTest, ItemsOnTheirDeadlineDayAndTheEventWhenAsked)
{
    Store(DayOf(Date(2024, 6, 14), "50分時程", "避難訓練"));
    AddToDo("A1", "会議資料", Date(2024, 6, 14));
    AddToDo("", "掃除当番表", Date(2024, 7, 20)); // the last printed day
    AddToDo("B2", "来月の予定", Date(2024, 7, 21));
    AddToDo("C1", "週案", Date(2024, 6, 14));
    AddToDo("A1", "二学期の学級通信の原稿を書く", Date(2024, 6, 15));
    const std::vector<Rect> cells = Draw();
    // 18 bytes to a line of the cell: a long item goes on.
    EXPECT_EQ(Canvas.TextOp(Sj("A1　二学期の学級通")).Area, TextLine(cells[6 * 7 + 1], 1));
    EXPECT_EQ(Canvas.TextOp(Sj("信の原稿を書く")).Area, TextLine(cells[6 * 7 + 1], 2));
    const Rect friday = cells[5 * 7 + 1];
    EXPECT_EQ(Canvas.TextOp(Sj("A1　会議資料")).Area, TextLine(friday, 1));
    EXPECT_EQ(Canvas.TextOp(Sj("C1　週案")).Area, TextLine(friday, 2)); // in list order
    EXPECT_EQ(Canvas.TextOp(Sj("A1　会議資料")).Flags, unsigned(TextSingleLine));
    EXPECT_EQ(Canvas.TextOp(Sj("□　掃除当番表")).Area, TextLine(cells[6 * 7 + 6], 1));
    EXPECT_FALSE(Canvas.HasText(Sj("B2　来月の予定"))); // after the table
    EXPECT_FALSE(Canvas.HasText(Sj("避難訓練")));       // events only with "行事を印刷する"

    Print.ToDoGyouji = true;
    Draw();
    EXPECT_EQ(Canvas.TextOp(Sj("避難訓練")).Area, TextLine(friday, 1));
    EXPECT_EQ(Canvas.TextOp(Sj("A1　会議資料")).Area, TextLine(friday, 2));
    EXPECT_EQ(Canvas.TextOp(Sj("C1　週案")).Area, TextLine(friday, 3));
}

TEST_F(ToDoTablePageTest, ItemsThatDoNotFitAreCounted)
{
    // A week row of 10 lines holds nine text lines inside its insets: the date and eight more.
    Store(DayOf(Date(2024, 6, 14), "", "避難訓練"));
    for (int i = 0; i < 10; ++i)
        AddToDo("A1", ("件名" + std::to_string(i)).c_str(), Date(2024, 6, 14));
    Print.ToDoGyouji = true;
    const std::vector<Rect> cells = Draw();
    const Rect friday = cells[5 * 7 + 1];
    EXPECT_TRUE(Canvas.HasText(Sj("A1　件名5")));
    EXPECT_FALSE(Canvas.HasText(Sj("A1　件名6")));
    EXPECT_EQ(Canvas.TextOp(Sj("他4件")).Area, TextLine(friday, 8));
    for (const CanvasOp& op : Canvas.Texts()) {
        if (op.PointSize == 9 && friday.Contains({op.Area.Left, op.Area.Top})) {
            EXPECT_LE(op.Area.Bottom, friday.Bottom - Hl) << op.Bytes;
        }
    }
}

TEST(ToDoTableFitTest, TextsThatDoNotFitBecomeACount)
{
    struct Case
    {
        const char* Name;
        std::vector<std::vector<std::string>> Texts;
        std::size_t FirstItem;
        int Lines;
        std::vector<std::string> Fitted;
    };
    const std::string rest = Sj("他");
    const Case cases[] = {
        {"all fit", {{"a"}, {"b1", "b2"}, {"c"}}, 0, 4, {"a", "b1", "b2", "c"}},
        {"one line short", {{"a"}, {"b"}, {"c"}}, 0, 2, {"a", rest + "2" + Sj("件")}},
        {"only the count", {{"a"}, {"b"}, {"c"}}, 0, 1, {rest + "3" + Sj("件")}},
        {"a text that does not fit whole is counted, not cut",
         {{"a"}, {"b1", "b2", "b3"}, {"c"}},
         0,
         3,
         {"a", rest + "2" + Sj("件")}},
        {"later texts wait for the one before", {{"a1", "a2"}, {"b"}}, 0, 2, {rest + "2" + Sj("件")}},
        {"the event stays, the items are counted",
         {{"event"}, {"b"}, {"c"}, {"d"}},
         1,
         2,
         {"event", rest + "3" + Sj("件")}},
        {"no room for the event either: only the items counted",
         {{"event"}, {"b"}, {"c"}},
         1,
         1,
         {rest + "2" + Sj("件")}},
        {"no line at all", {{"a"}}, 0, 0, {}},
        {"nothing to fit", {}, 0, 4, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FittedLines(c.Texts, c.FirstItem, c.Lines), c.Fitted) << c.Name;
}

TEST(ToDoTableFitTest, TextsBrokenIntoLinesOfTheWidth)
{
    struct Case
    {
        const char* Name;
        const char* Text;
        int Bytes; // the width in bytes of the recording canvas
        std::vector<const char*> Lines;
    };
    const Case cases[] = {
        {"fits", "abc", 3, {"abc"}},
        {"single-byte characters", "abcdefg", 3, {"abc", "def", "g"}},
        {"double-byte characters stay whole", "会議資料", 5, {"会議", "資料"}},
        {"mixed", "A1　会議資料", 6, {"A1　会", "議資料"}},
        {"line breaks break", "a\r\nb\n\nc\r\n", 8, {"a", "b", "", "c"}},
        {"a character wider than the line", "会a", 1, {"会", "a"}},
        {"empty", "", 4, {""}},
    };
    RecordingCanvas canvas(300);
    canvas.SetFont("face", 9); // an em of 37 pixels: 18.5 pixels a byte
    for (const Case& c : cases) {
        std::vector<std::string> expected;
        for (const char* line : c.Lines)
            expected.push_back(Sj(line));
        EXPECT_EQ(BrokenLines(canvas, Sj(c.Text), c.Bytes * 37 / 2), expected) << c.Name;
    }
}

TEST_F(ToDoTablePageTest, OverdueAndLaterListsInDeadlineOrder)
{
    AddToDo("A1", "後の件", Date(2024, 9, 1));
    AddToDo("A1", "古い件", Date(2024, 5, 1));
    AddToDo("B1", "前日の件", Date(2024, 6, 8)); // the day before the first printed day
    AddToDo("A2", "同じ日の件", Date(2024, 5, 1));
    AddToDo("A1", "初日の件", Date(2024, 6, 9));
    AddToDo("A1", "翌日の件", Date(2024, 7, 21));     // the day after the last printed day
    AddToDo("A1", "日付のない件", Date(2023, 2, 29)); // not a date: in neither list

    const ToDoTableLists none = ToDoTableListsOf(Doc, Date(2024, 6, 9), false, false);
    EXPECT_TRUE(none.Overdue.empty());
    EXPECT_TRUE(none.Later.empty());
    EXPECT_EQ(none.LinesWanted(), 0);

    const ToDoTableLists lists = ToDoTableListsOf(Doc, Date(2024, 6, 9), true, true);
    const auto subjects = [](const std::vector<const CToDo*>& items) {
        std::vector<std::string> out;
        for (const CToDo* item : items)
            out.push_back(item->GetKennmei());
        return out;
    };
    EXPECT_EQ(subjects(lists.Overdue),
              (std::vector<std::string>{Sj("古い件"), Sj("同じ日の件"), Sj("前日の件")}));
    EXPECT_EQ(subjects(lists.Later), (std::vector<std::string>{Sj("翌日の件"), Sj("後の件")}));
    EXPECT_EQ(lists.LinesWanted(), 4); // a title and the three overdue items
}

TEST_F(ToDoTablePageTest, ListsBelowTheCalendar)
{
    AddToDo("A1", "古い件", Date(2024, 5, 1));
    AddToDo("B1", "前日の件", Date(2024, 6, 8));
    AddToDo("A2", "三つ目", Date(2024, 6, 1));
    AddToDo("A1", "後の件", Date(2024, 9, 1));
    Print.ToDoKigenn = true;
    Print.ToDoHanni = true;

    // Four lines wanted: R = trunc((60 − 4) ÷ 6) = 9, lists from line 2 + 54 = 56.
    const std::vector<Rect> cells = Draw();
    EXPECT_EQ(cells[0 * 7 + 6], (Rect{X(0), Y(47), X(10), Y(56)}));
    const CanvasOp overdueTitle = Canvas.TextOp(Sj("期限が切れたToDo"));
    EXPECT_EQ(overdueTitle.Area, (Rect{X(0) + Hl, Y(56), X(40) - Hl, Y(57)}));
    EXPECT_EQ(overdueTitle.TextColour, TextColours::Black);
    const CanvasOp first = Canvas.TextOp(Sj("20240501　A1　古い件"));
    EXPECT_EQ(first.Area, (Rect{X(0) + Hl, Y(57), X(40) - Hl, Y(58)}));
    EXPECT_EQ(first.TextColour, TextColours::Red);
    EXPECT_EQ(Canvas.TextOp(Sj("20240601　A2　三つ目")).Area.Top, Y(58));
    EXPECT_EQ(Canvas.TextOp(Sj("20240608　B1　前日の件")).Area.Top, Y(59));
    // The later items below the right page's three columns.
    EXPECT_EQ(Canvas.TextOp(Sj("指定期間以降のToDo")).Area,
              (Rect{X(0, RightX) + Hl, Y(56), X(30, RightX) - Hl, Y(57)}));
    const CanvasOp later = Canvas.TextOp(Sj("20240901　A1　後の件"));
    EXPECT_EQ(later.Area.Top, Y(57));
    EXPECT_EQ(later.TextColour, TextColours::Black);
    // The footers go below the lists.
    const std::vector<CanvasOp> footers = Canvas.TextOps("2024/04/01  9:05");
    ASSERT_EQ(footers.size(), 2u);
    EXPECT_EQ(footers[0].Area.Top, Y(60));
    EXPECT_EQ(footers[1].Area.Top, Y(60));
    EXPECT_NE(footers[1].Flags & TextRight, 0u);

    // One page: the overdue list below columns 0–3, the later one below 4–6 (C = trunc(90 ÷ 7) = 12).
    Print.PPageType = PageType::One;
    Draw();
    EXPECT_EQ(Canvas.TextOp(Sj("期限が切れたToDo")).Area, (Rect{X(0) + Hl, Y(56), X(48) - Hl, Y(57)}));
    EXPECT_EQ(Canvas.TextOp(Sj("指定期間以降のToDo")).Area, (Rect{X(48) + Hl, Y(56), X(84) - Hl, Y(57)}));

    // A left page carries only the overdue list, a right page only the later one.
    Print.PPageType = PageType::Left;
    Draw();
    EXPECT_TRUE(Canvas.HasText(Sj("期限が切れたToDo")));
    EXPECT_FALSE(Canvas.HasText(Sj("指定期間以降のToDo")));
    Print.PPageType = PageType::Right;
    Draw();
    EXPECT_FALSE(Canvas.HasText(Sj("期限が切れたToDo")));
    EXPECT_TRUE(Canvas.HasText(Sj("指定期間以降のToDo")));
}

TEST_F(ToDoTablePageTest, LongListsKeepTwoThirdsForTheCalendar)
{
    for (int i = 0; i < 30; ++i)
        AddToDo("A1", ("件名" + std::to_string(i)).c_str(), Date(2024, 5, 1 + i));
    Print.ToDoKigenn = true;
    // 31 lines wanted, a third of the 60 lines under the header given: R = trunc(40 ÷ 6) = 6, lists from
    // line 38 to the last line: a title, 22 items and the count of the other 8.
    const std::vector<Rect> cells = Draw();
    EXPECT_EQ(cells[0 * 7 + 6].Bottom, Y(38));
    EXPECT_EQ(Canvas.TextOp(Sj("期限が切れたToDo")).Area.Top, Y(38));
    EXPECT_EQ(Canvas.TextOp(Sj("20240522　A1　件名21")).Area.Top, Y(60));
    EXPECT_FALSE(Canvas.HasText(Sj("20240523　A1　件名22")));
    EXPECT_EQ(Canvas.TextOp(Sj("他8件")).Area.Top, Y(61));
    // No list asked for: the whole height for the calendar.
    Print.ToDoKigenn = false;
    EXPECT_EQ(Draw()[0 * 7 + 6].Bottom, Y(62));
}

TEST_F(ToDoTablePageTest, TextsStayInTheirCellsOnANarrowPage)
{
    // Bible upright, one page, 6 points: 41 units of 25 pixels, C = 5, too narrow for the biorhythm markers.
    Doc.BirthdayYear = 1980;
    Doc.BirthdayMonth = 5;
    Doc.BirthdayDay = 5;
    Print.PPaperType = PaperType::Bible;
    Print.PYoushiType = Orientation::Portrait;
    Print.PPageType = PageType::One;
    Print.PFontSize = 6;
    Print.ToDoGyouji = true;
    Store(DayOf(Date(2024, 6, 14), "", "とても長い行事の名前"));
    for (int i = 0; i < 20; ++i)
        AddToDo("A1", "長い件名の項目", Date(2024, 6, 14));
    const std::vector<Rect> cells = Draw();
    const RhythmMarkers markers = RhythmMarkersOn(Doc, Date(2024, 6, 14));
    EXPECT_FALSE(Canvas.HasText(markers.Text[0]));
    int inCells = 0;
    for (const CanvasOp& op : Canvas.Texts()) {
        if (op.PointSize != 6)
            continue; // titles and footer
        const bool inside = std::any_of(cells.begin(), cells.end(), [&](const Rect& cell) {
            return op.Area.Left >= cell.Left && op.Area.Right <= cell.Right && op.Area.Top >= cell.Top &&
                   op.Area.Bottom <= cell.Bottom;
        });
        EXPECT_TRUE(inside) << op.Bytes;
        ++inCells;
    }
    EXPECT_GT(inCells, 42);
    // Each item on three lines, "A1　長い", "件名の項", "目": the event and two items, then the count.
    EXPECT_TRUE(Canvas.HasText(Sj("件名の項")));
    EXPECT_TRUE(Canvas.HasText(Sj("他") + "18" + Sj("件")));

    // On the A4 spread the markers follow the date, unless "バイオリズムを印刷しない".
    Print = CopyPrintSettings(Doc);
    Print.PrintType = PrintType::ToDo;
    Print.PrintStartDate = Date(2024, 6, 12);
    Draw();
    EXPECT_TRUE(Canvas.HasText(markers.Text[0]));
    Print.Biorhythm = true;
    Draw();
    EXPECT_FALSE(Canvas.HasText(markers.Text[0]));
}

TEST_F(ToDoTablePageTest, GridWithTheRulePen)
{
    Print.PKeisenFutosa = 2;
    Print.PKeisenIro = 0x000000FF; // red
    Draw();
    const std::vector<CanvasOp> outlines = Canvas.OfKind(CanvasOp::Rectangle);
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].Area, (Rect{X(0), Y(0), X(40), Y(62)}));
    EXPECT_EQ(outlines[1].Area, (Rect{X(0, RightX), Y(0), X(30, RightX), Y(62)}));
    std::vector<int> rows;
    std::vector<int> columns;
    for (const CanvasOp& op : Canvas.OfKind(CanvasOp::Line)) {
        EXPECT_EQ(op.Pen, (Rgb{255, 0, 0}));
        EXPECT_EQ(op.PenWidth, 2);
        if (op.From.X < RightX && op.From.Y == op.To.Y) {
            EXPECT_EQ(op.From.X, X(0));
            EXPECT_EQ(op.To.X, X(40));
            rows.push_back((op.From.Y - Top) / Lh);
        }
        if (op.From.X < RightX && op.From.X == op.To.X) {
            EXPECT_EQ(op.From.Y, Y(0));
            EXPECT_EQ(op.To.Y, Y(Lines));
            columns.push_back((op.From.X - LeftX) / Lh);
        }
    }
    EXPECT_EQ(rows, (std::vector<int>{2, 12, 22, 32, 42, 52}));
    EXPECT_EQ(columns, (std::vector<int>{10, 20, 30}));
}

} // namespace
} // namespace planova
