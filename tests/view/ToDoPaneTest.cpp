#include "view/ToDoPane.h"

#include "model/Clock.h"
#include "support/Cp932Literals.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace planova {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;
using test::Sj;

constexpr int L = 12;
constexpr int H = 6;
constexpr int Width = 1200;
constexpr int Units = 43;
constexpr int BarWidth = 16;

ToDoPaneInput PaneInput(int rowCount, int toDoCount, int scrollTop = 0)
{
    return ToDoPaneInput{Width, L, Units, rowCount, toDoCount, scrollTop, BarWidth};
}

TEST(ToDoPaneLayoutTest, RowsAreTwoLinesHighAcrossThePane)
{
    const ToDoPaneLayout pane = ComputeToDoPane(PaneInput(10, 3));
    const int left = Width - 7 - Units * L;
    EXPECT_EQ(pane.Pane, (Rect{left, 7, Width - 7, 7 + 20 * L}));
    ASSERT_EQ(pane.Rows.size(), 10u);
    EXPECT_EQ(pane.Rows[0], (Rect{left, 7, Width - 7, 7 + 2 * L}));
    EXPECT_EQ(pane.Rows[9], (Rect{left, 7 + 18 * L, Width - 7, 7 + 20 * L}));
    EXPECT_EQ(pane.VisibleRows, 4);
    EXPECT_FALSE(pane.ScrollBarShown);
}

TEST(ToDoPaneLayoutTest, TheScrollBarAppearsWhenTheItemsFillEveryRow)
{
    struct Case
    {
        const char* Name;
        int Items;
        int ScrollTop;
        bool Bar;
        int Visible;
        int ExpectedTop;
    };
    const Case cases[] = {
        {"empty list", 0, 0, false, 1, 0},
        {"one row spare", 9, 0, false, 10, 0},
        {"exactly R items", 10, 0, true, 10, 0},
        {"more items", 25, 5, true, 10, 5},
        {"scrolled to the end", 25, 16, true, 10, 16},
        {"scrolled past the end is clamped", 25, 20, true, 10, 16},
        {"everything fits again: back to the top", 5, 3, false, 6, 0},
    };
    for (const Case& c : cases) {
        const ToDoPaneLayout pane = ComputeToDoPane(PaneInput(10, c.Items, c.ScrollTop));
        EXPECT_EQ(pane.ScrollBarShown, c.Bar) << c.Name;
        EXPECT_EQ(pane.VisibleRows, c.Visible) << c.Name;
        EXPECT_EQ(pane.ScrollTop, c.ExpectedTop) << c.Name;
        if (c.Bar) {
            EXPECT_EQ(pane.ScrollBar, (Rect{Width - 7 - BarWidth, 7 + 2 * L, Width - 7, 7 + 20 * L}))
                << c.Name;
            EXPECT_EQ(pane.ScrollRange, c.Items) << c.Name;
            EXPECT_EQ(pane.Rows[0].Right, Width - 7) << c.Name;            // the header keeps its width
            EXPECT_EQ(pane.Rows[1].Right, Width - 7 - BarWidth) << c.Name; // item rows leave room for the bar
        }
    }
}

TEST(ToDoPaneLayoutTest, AWindowWithoutRoomForRowsHasNone)
{
    const ToDoPaneLayout pane = ComputeToDoPane(PaneInput(-1, 3));
    EXPECT_TRUE(pane.Rows.empty());
    EXPECT_EQ(pane.VisibleRows, 0);
}

TEST(ToDoPaneLayoutTest, RoutineImportanceCodes)
{
    for (const char* code : {"R0", "R1", "R2", "R3", "PJ"})
        EXPECT_TRUE(IsRoutineImportance(code)) << code;
    for (const char* code : {"A1", "R4", "PJX", "", "r0"})
        EXPECT_FALSE(IsRoutineImportance(code)) << code;
}

class ToDoPaneDrawingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Canvas.SetFont("ＭＳ Ｐゴシック", 9);
        Canvas.SetBackgroundColour(Rgb{255, 255, 255});
        Canvas.SetOpaqueBackground(true);
    }

    void AddItem(const char* subject, DateTime deadline, const char* importance, const char* memo = "")
    {
        CToDo item;
        item.SetKennmei(Sj(subject));
        item.SetKigenn(deadline.Year(), deadline.Month(), deadline.Day());
        item.SetJyuuyoudo(importance);
        item.SetMemo(Sj(memo));
        Document.AppendToDo(item);
    }

    void Draw(int rows, int selected = -1, int scrollTop = 0)
    {
        Pane = ComputeToDoPane(PaneInput(rows, Document.ToDoCount(), scrollTop));
        DrawToDoPane(Canvas, std::as_const(Document), Pane, L, selected, Now);
    }

    const DateTime Now = DateTime::FromDateTime(2024, 6, 10, 9, 30, 0);
    CPlanovaDoc Document;
    RecordingCanvas Canvas;
    ToDoPaneLayout Pane;
};

TEST_F(ToDoPaneDrawingTest, HeaderGridAndColumns)
{
    AddItem("通知表の所見", DateTime::FromDate(2024, 7, 12), "A1", "学年で確認");
    Draw(10);

    const int left = Pane.Pane.Left;
    const char* headers[] = {"件名", "期限", "重要", "メモ"};
    const int offsets[] = {0, 16, 22, 25};
    for (int k = 0; k < 4; ++k) {
        const CanvasOp header = Canvas.TextOp(Sj(headers[k]));
        EXPECT_EQ(header.What, CanvasOp::TextAt);
        EXPECT_EQ(header.From, (Point{left + H + offsets[k] * L, 7 + H})) << headers[k];
    }
    const std::vector<CanvasOp> lines = Canvas.OfKind(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 3u + 10u);
    EXPECT_EQ(lines[0].From, (Point{left + 16 * L, 7}));
    EXPECT_EQ(lines[0].To, (Point{left + 16 * L, Pane.Pane.Bottom}));
    EXPECT_EQ(lines[3].From, (Point{left, 7}));
    EXPECT_EQ(lines[12].From, (Point{left, 7 + 18 * L}));
    EXPECT_EQ(lines[0].Pen, RecordingCanvas::Background());

    const Rect row = Pane.Rows[1];
    const int top = row.Top + H;
    const int bottom = row.Top + 2 * L - H;
    EXPECT_EQ(Canvas.TextOp(Sj("通知表の所見")).Area, (Rect{left + H, top, left + 16 * L - H, bottom}));
    EXPECT_EQ(Canvas.TextOp("2024/07/12").Area, (Rect{left + 16 * L + H, top, left + 22 * L - H, bottom}));
    EXPECT_EQ(Canvas.TextOp("A1").Area, (Rect{left + 22 * L + H, top, left + 25 * L - H, bottom}));
    EXPECT_EQ(Canvas.TextOp(Sj("学年で確認")).Area, (Rect{left + 25 * L + H, top, row.Right - H, bottom}));
    EXPECT_TRUE(Canvas.TextOp(Sj("通知表の所見")).Flags & TextWordBreak);
    EXPECT_EQ(Canvas.TextOp(Sj("通知表の所見")).TextColour, TextColours::Black);
}

TEST_F(ToDoPaneDrawingTest, OverdueItemsAreRedUnlessRoutine)
{
    struct Case
    {
        const char* Subject;
        DateTime Deadline;
        const char* Importance;
        Rgb Colour;
        bool DeadlineShown;
    };
    const Case cases[] = {
        {"明日まで", DateTime::FromDate(2024, 6, 11), "A1", TextColours::Black, true},
        {"今日まで", DateTime::FromDate(2024, 6, 10), "A1", TextColours::Red, true}, // 00:00 is before 9:30
        {"先週まで", DateTime::FromDate(2024, 6, 3), "B2", TextColours::Red, true},
        {"プロジェクト", DateTime::FromDate(2024, 6, 3), "PJ", TextColours::Black, false},
        {"毎週", DateTime::FromDate(2024, 6, 3), "R1", TextColours::Black, false},
    };
    for (const Case& c : cases)
        AddItem(c.Subject, c.Deadline, c.Importance);
    Draw(10);
    for (const Case& c : cases) {
        const CanvasOp subject = Canvas.TextOp(Sj(c.Subject));
        EXPECT_EQ(subject.TextColour, c.Colour) << c.Subject;
    }
    EXPECT_EQ(Canvas.TextOps("2024/06/03").size(), 1u); // only "先週まで" shows its date
    int emptyDeadlines = 0;                             // the routine items show an empty deadline
    for (const CanvasOp& op : Canvas.TextOps(""))
        emptyDeadlines += op.Area.Left == Pane.Pane.Left + 16 * L + H ? 1 : 0;
    EXPECT_EQ(emptyDeadlines, 2);
    EXPECT_EQ(Canvas.Ops.back().TextColour, TextColours::Black);
}

TEST_F(ToDoPaneDrawingTest, AFindHitInAnItemIsMarkedLikeADaysHit)
{
    AddItem("学年会議の資料", DateTime::FromDate(2024, 7, 1), "A1", "3組の資料も");
    AddItem("通知表", DateTime::FromDate(2024, 7, 12), "B1", "所見\r\n資料の確認");
    struct Case
    {
        const char* Name;
        int Item;
        int Field;
        int Line;
        int Column; // bytes before the hit on its line
        int Rows;   // rows of the pane
        bool Marked;
        int Row;       // the pane row of the item
        int LeftUnits; // the column's left edge
    };
    // The text is drawn from half a line inside its column, a byte is 6 pixels wide: "資料" (4 bytes) is
    // 24 pixels. "学年会議の" is 10 bytes, "3組の" 5, "所見\r\n" puts the memo hit on the second line.
    const Case cases[] = {
        {"subject", 0, ToDoSubjectField, 0, 10, 10, true, 1, 0},
        {"memo", 0, ToDoMemoField, 0, 5, 10, true, 1, 25},
        // A row shows one line of text: a hit on the memo's second line is not drawn below the row.
        {"second line of the memo", 1, ToDoMemoField, 1, 0, 10, false, 2, 25},
        {"an item scrolled out of the pane", 1, ToDoSubjectField, 0, 0, 2, false, 0, 0},
    };
    for (const Case& c : cases) {
        FindHitState hit;
        hit.Found = true;
        hit.ToDoItem = c.Item;
        hit.Field = c.Field;
        hit.Line = c.Line;
        hit.Column = c.Column;
        hit.Text = Sj("資料");
        Canvas.Ops.clear();
        Pane = ComputeToDoPane(PaneInput(c.Rows, Document.ToDoCount()));
        const std::optional<Rect> mark = DrawToDoPane(Canvas, std::as_const(Document), Pane, L, -1, Now, hit);
        std::vector<CanvasOp> marks;
        for (const CanvasOp& op : Canvas.TextOps(Sj("資料")))
            if (op.Background == TextColours::FindHitBackground)
                marks.push_back(op);
        ASSERT_EQ(marks.size(), c.Marked ? 1u : 0u) << c.Name;
        EXPECT_EQ(mark.has_value(), c.Marked) << c.Name;
        if (!c.Marked)
            continue;
        const Rect& row = Pane.Rows[static_cast<std::size_t>(c.Row)];
        const int left = row.Left + c.LeftUnits * L + H + c.Column * 6;
        const int top = row.Top + H + c.Line * L;
        EXPECT_EQ(marks[0].Area, (Rect{left, top, left + 24, top + L})) << c.Name;
        EXPECT_EQ(*mark, marks[0].Area) << c.Name;
        EXPECT_EQ(Canvas.Ops.back().Background, (Rgb{255, 255, 255})) << c.Name; // white again afterwards
    }

    // A day's hit, or none, marks nothing in the pane.
    for (const int item : {-1, 0}) {
        FindHitState hit;
        hit.Found = item >= 0 ? false : true;
        hit.ToDoItem = item;
        hit.Field = ToDoSubjectField;
        hit.Text = Sj("資料");
        Canvas.Ops.clear();
        Pane = ComputeToDoPane(PaneInput(10, Document.ToDoCount()));
        EXPECT_FALSE(DrawToDoPane(Canvas, std::as_const(Document), Pane, L, -1, Now, hit).has_value())
            << item;
    }
}

TEST_F(ToDoPaneDrawingTest, ScrolledRowsShowTheItemsFromTheTop)
{
    for (int n = 0; n < 12; ++n)
        AddItem(("項目" + std::to_string(n)).c_str(), DateTime::FromDate(2024, 7, 1), "A1");
    Draw(5, -1, 4);
    EXPECT_FALSE(Canvas.HasText(Sj("項目3")));
    for (int n = 4; n < 8; ++n)
        EXPECT_EQ(Canvas.TextOp(Sj(("項目" + std::to_string(n)).c_str())).Area.Top, Pane.Rows[n - 3].Top + H);
    EXPECT_FALSE(Canvas.HasText(Sj("項目8")));

    Canvas.Ops.clear();
    Draw(5, -1, 11); // past the end: the last row holds the last item
    EXPECT_EQ(Pane.ScrollTop, 8);
    EXPECT_EQ(Canvas.TextOp(Sj("項目11")).Area.Top, Pane.Rows[4].Top + H);
}

TEST_F(ToDoPaneDrawingTest, TheSelectedRowHasABlueFrame)
{
    AddItem("一件", DateTime::FromDate(2024, 7, 1), "A1");
    Draw(10, 1);
    const std::vector<CanvasOp> rectangles = Canvas.OfKind(CanvasOp::Rectangle);
    ASSERT_EQ(rectangles.size(), 2u);
    EXPECT_EQ(rectangles[0].Area, Pane.Pane);
    EXPECT_EQ(rectangles[0].Brush, (Rgb{255, 255, 255}));
    EXPECT_EQ(rectangles[1].Area, Pane.Rows[1]);
    EXPECT_EQ(rectangles[1].Pen, TextColours::Blue);
    EXPECT_EQ(rectangles[1].PenWidth, 2);
    Canvas.Ops.clear();
    Draw(10, 10); // a row number past the pane draws no frame
    EXPECT_EQ(Canvas.OfKind(CanvasOp::Rectangle).size(), 1u);
}

TEST_F(ToDoPaneDrawingTest, AnEmptyListShowsOnlyTheHeader)
{
    Draw(10);
    EXPECT_EQ(Canvas.Texts().size(), 4u);
    EXPECT_FALSE(Pane.ScrollBarShown);
}

} // namespace
} // namespace planova
