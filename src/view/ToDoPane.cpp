#include "view/ToDoPane.h"

#include "model/CellColours.h"
#include "model/FixedTexts.h"
#include "view/DayDrawing.h"
#include "view/DayTexts.h"
#include "view/ScreenLayout.h"

#include <algorithm>
#include <array>

namespace planova {

namespace {

constexpr int RowLines = 2;
constexpr int SubjectUnits = 16;
constexpr int DeadlineUnits = 6;
constexpr int ImportanceUnits = 3;
constexpr int DeadlineLeftUnits = SubjectUnits;
constexpr int ImportanceLeftUnits = SubjectUnits + DeadlineUnits;
constexpr int MemoLeftUnits = SubjectUnits + DeadlineUnits + ImportanceUnits;
constexpr int SelectionPenWidth = 2;
constexpr Rgb White{255, 255, 255};

/// Left edges of the four columns, in units of L from the row's left.
constexpr std::array<int, 4> ColumnLeftUnits{0, DeadlineLeftUnits, ImportanceLeftUnits, MemoLeftUnits};

const std::array<std::string, 4>& HeaderTexts()
{
    static const std::array<std::string, 4> texts{Cp932Literal("件名"), Cp932Literal("期限"),
                                                  Cp932Literal("重要"), Cp932Literal("メモ")};
    return texts;
}

void DrawGrid(Canvas& canvas, const ToDoPaneLayout& pane, int l)
{
    for (std::size_t column = 1; column < ColumnLeftUnits.size(); ++column) {
        const int x = pane.Pane.Left + ColumnLeftUnits[column] * l;
        canvas.DrawLine({x, pane.Pane.Top}, {x, pane.Pane.Bottom});
    }
    for (std::size_t k = 0; k < pane.Rows.size(); ++k) {
        const int y = pane.Pane.Top + static_cast<int>(k) * RowLines * l;
        canvas.DrawLine({pane.Pane.Left, y}, {pane.Pane.Right, y});
    }
}

/// Marks the hit in the subject or the memo column of its item; returns where the mark was drawn.
std::optional<Rect> MarkToDoHit(Canvas& canvas, const CToDo& item, const Rect& subject, const Rect& memo,
                                int l, const FindHitState& hit)
{
    const bool inSubject = hit.Field == ToDoSubjectField;
    if (!inSubject && hit.Field != ToDoMemoField)
        return std::nullopt;
    const Rect& column = inSubject ? subject : memo;
    const std::string& text = inSubject ? item.GetKennmei() : item.GetMemo();
    const std::optional<Rect> mark = FindMarkWithin(FindMarkRect(canvas, l, column, text, 0, hit), column);
    if (mark)
        DrawFindMark(canvas, *mark, hit.Text, White);
    return mark;
}

/// Draws an item's row; marks the find hit when it is in this item.
std::optional<Rect> DrawItem(Canvas& canvas, const CToDo& item, const Rect& row, int l, const DateTime& now,
                             const FindHitState* hit)
{
    const int h = l / 2;
    const bool routine = IsRoutineImportance(item.GetJyuuyoudo());
    const bool overdue = !routine && item.GetKigenn().IsEarlierThan(now);
    canvas.SetTextColour(overdue ? TextColours::Red : TextColours::Black);
    const int top = row.Top + h;
    const int bottom = row.Top + RowLines * l - h;
    const auto column = [&](int leftUnits, int right) {
        return Rect{row.Left + leftUnits * l + h, top, right - h, bottom};
    };
    const Rect subject = column(0, row.Left + DeadlineLeftUnits * l);
    const Rect memo = column(MemoLeftUnits, row.Right);
    canvas.DrawText(subject, item.GetKennmei(), TextWordBreak);
    canvas.DrawText(column(DeadlineLeftUnits, row.Left + ImportanceLeftUnits * l),
                    routine ? std::string() : SlashDateText(item.GetKigenn()), TextWordBreak | TextFitWidth);
    canvas.DrawText(column(ImportanceLeftUnits, row.Left + MemoLeftUnits * l), item.GetJyuuyoudo(),
                    TextWordBreak);
    canvas.DrawText(memo, item.GetMemo(), TextWordBreak);
    const std::optional<Rect> mark = hit ? MarkToDoHit(canvas, item, subject, memo, l, *hit) : std::nullopt;
    canvas.SetTextColour(TextColours::Black);
    return mark;
}

} // namespace

bool IsRoutineImportance(const std::string& importance)
{
    static constexpr std::array<const char*, 5> Codes{"R0", "R1", "R2", "R3", "PJ"};
    return std::any_of(Codes.begin(), Codes.end(), [&](const char* code) { return importance == code; });
}

ToDoPaneLayout ComputeToDoPane(const ToDoPaneInput& input)
{
    ToDoPaneLayout pane;
    const int l = input.L;
    const int rows = std::max(0, input.RowCount);
    const int right = input.ClientWidth - ScreenOrigin::Margin;
    const int top = ScreenOrigin::Top;
    pane.Pane = Rect{right - input.PaneUnits * l, top, right, top + RowLines * rows * l};

    pane.ScrollTop = input.ScrollTop;
    if (rows <= input.ToDoCount) {
        pane.VisibleRows = rows;
        pane.ScrollBarShown = true;
        pane.ScrollBar = Rect{right - input.ScrollBarWidth, top + RowLines * l, right, pane.Pane.Bottom};
        pane.ScrollRange = input.ToDoCount;
    } else {
        pane.VisibleRows = input.ToDoCount + 1;
        pane.ScrollTop = 0;
    }

    pane.Rows.resize(rows);
    for (int k = 0; k < rows; ++k) {
        const int barWidth = pane.ScrollBarShown && k > 0 ? input.ScrollBarWidth : 0;
        pane.Rows[k] =
            Rect{pane.Pane.Left, top + RowLines * k * l, right - barWidth, top + RowLines * (k + 1) * l};
    }

    if (input.ToDoCount > pane.VisibleRows && input.ToDoCount - pane.ScrollTop < pane.VisibleRows)
        pane.ScrollTop = input.ToDoCount - pane.VisibleRows + 1;
    return pane;
}

ShownToDoItems ShownItemsOf(const ToDoPaneLayout& pane, int toDoCount)
{
    const int first = pane.ScrollTop;
    return {first, std::max(first, std::min(first + pane.VisibleRows - 1, toDoCount))};
}

std::optional<Rect> DrawToDoPane(Canvas& canvas, const CPlanovaDoc& document, const ToDoPaneLayout& pane,
                                 int lineHeight, int selectedRow, const DateTime& now,
                                 const FindHitState& findHit)
{
    const int l = lineHeight;
    const int h = l / 2;
    canvas.SetPen(canvas.DeviceBackground(), 1);
    canvas.SetBrush(White);
    canvas.DrawRectangle(pane.Pane);
    DrawGrid(canvas, pane, l);

    if (selectedRow >= 0 && selectedRow < static_cast<int>(pane.Rows.size())) {
        canvas.SetPen(TextColours::Blue, SelectionPenWidth);
        canvas.DrawRectangle(pane.Rows[selectedRow]);
    }

    for (std::size_t column = 0; column < ColumnLeftUnits.size(); ++column)
        canvas.DrawTextAt({pane.Pane.Left + h + ColumnLeftUnits[column] * l, pane.Pane.Top + h},
                          HeaderTexts()[column]);

    const ShownToDoItems shown = ShownItemsOf(pane, document.ToDoCount());
    std::optional<Rect> mark;
    for (int item = shown.First; item < shown.End; ++item) {
        const bool hit = findHit.Found && findHit.ToDoItem == item;
        const std::optional<Rect> drawn = DrawItem(
            canvas, document.ToDoList()[static_cast<std::size_t>(item)],
            pane.Rows[static_cast<std::size_t>(item - shown.First + 1)], l, now, hit ? &findHit : nullptr);
        if (drawn)
            mark = drawn;
    }
    return mark;
}

} // namespace planova
