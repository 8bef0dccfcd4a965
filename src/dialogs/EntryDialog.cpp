#include "dialogs/EntryDialog.h"

#include "dialogs/ViewServices.h"
#include "model/CPlanovaDoc.h"
#include "model/FixedTexts.h"
#include "model/TextFunctions.h"

#include <array>
#include <string_view>

namespace planova {

namespace {

/// Importance codes that stand for a task without a real deadline, and where they put it.
struct ImportanceDeadline
{
    std::string_view Code; ///< ASCII, so the same bytes in code page 932
    int DaysFromNow;
};

constexpr std::array<ImportanceDeadline, 5> ImportanceDeadlines{{
    {"R0", -1000},
    {"R1", 1000},
    {"R2", 1000},
    {"R3", 1000},
    {"PJ", 1000},
}};

void SetDeadline(CToDo& item, const DateTime& value)
{
    item.SetKigenn(value.Year(), value.Month(), value.Day());
}

/// The dialog mode of a cell row of a day, or −1 for a row the dialog does not edit.
int DayEntryMode(int cellRow)
{
    if (cellRow == 1)
        return EditKindAndEvent;
    if (cellRow >= FirstPeriodCellRow && cellRow < FirstPeriodCellRow + CDayData::RowCount)
        return EditPeriodRow;
    if (cellRow == FirstPeriodCellRow + CDayData::RowCount)
        return EditMemo;
    return -1;
}

void FillFromDay(const CDayData& day, int row, EntryDialogValues& values)
{
    switch (values.EditMode) {
    case EditKindAndEvent:
        values.ComboText = day.GetJitei();
        values.Text1 = day.GetGyouji();
        break;
    case EditPeriodRow:
        values.Text1 = day.GetJigenn(row);
        values.Text2 = day.GetYotei(row);
        values.Text3 = day.GetNaiyou(row);
        values.ColorIndex = day.GetIro(row);
        break;
    case EditMemo:
        values.Text1 = day.GetMemo();
        break;
    }
}

void WriteToDay(const EntryDialogValues& values, CDayData& day, int row)
{
    switch (values.EditMode) {
    case EditKindAndEvent:
        day.SetJitei(values.ComboText);
        day.SetGyouji(values.Text1);
        break;
    case EditPeriodRow:
        WritePeriodRow(values, day, row);
        break;
    case EditMemo:
        day.SetMemo(values.Text1);
        break;
    }
}

} // namespace

void ApplyStartRule(EntryDialogValues& values)
{
    if (values.EditMode == EditToDo && values.ComboText.empty())
        values.ComboText = Text(FixedText::DefaultImportance);
}

std::string DayTitlePrefix(const DateTime& day)
{
    // An invalid date gives -1 for each part, whose number text is empty, so it zero-fills to zeros.
    return PadLeft(4, NumberText(day.Year())) + Text(FixedText::YearMark) +
           BlankLeadingZero(PadLeft(2, NumberText(day.Month()))) + Text(FixedText::MonthMark) +
           BlankLeadingZero(PadLeft(2, NumberText(day.Day()))) + Text(FixedText::DayMark);
}

void WritePeriodRow(const EntryDialogValues& values, CDayData& day, int row)
{
    day.SetJigenn(row, values.Text1);
    day.SetYotei(row, values.Text2);
    day.SetNaiyou(row, values.Text3);
    day.SetIro(row, values.ColorIndex);
}

void WriteToDoValues(const EntryDialogValues& values, CToDo& item)
{
    item.SetKennmei(values.Text1);
    SetDeadline(item, values.DateValue);
    item.SetJyuuyoudo(values.ComboText);
    item.SetMemo(values.Text2);
}

void ApplyImportanceDeadline(CToDo& item, const DateTime& now)
{
    for (const ImportanceDeadline& rule : ImportanceDeadlines) {
        if (item.GetJyuuyoudo() == rule.Code) {
            SetDeadline(item, now.AddDays(rule.DaysFromNow));
            return;
        }
    }
}

bool EditDayEntry(CPlanovaDoc& document, const DateTime& date, int cellRow, ViewServices& dialogs)
{
    const int mode = DayEntryMode(cellRow);
    if (mode < 0)
        return false;
    const int row = cellRow - FirstPeriodCellRow;

    EntryDialogValues values;
    values.EditMode = mode;
    values.TitlePrefix = DayTitlePrefix(date);
    FillFromDay(document.Day(date), row, values);
    if (!dialogs.EditEntry(values))
        return false;

    // The day is read again after the dialog: its event loop may have run anything that changed it.
    document.UpdateDay(date, [&](CDayData& day) { WriteToDay(values, day, row); });
    return true;
}

int EditToDoItem(CPlanovaDoc& document, int n, ViewServices& dialogs)
{
    const bool existing = n >= 0 && n < document.ToDoCount();
    EntryDialogValues values;
    values.EditMode = EditToDo;
    if (existing) {
        const CToDo& item = document.ToDo(n);
        values.Text1 = item.GetKennmei();
        values.DateValue = item.GetKigenn();
        values.ComboText = item.GetJyuuyoudo();
        values.Text2 = item.GetMemo();
    } else {
        n = document.ToDoCount();
    }
    if (!dialogs.EditEntry(values))
        return -1;

    // Read again after the dialog, whose event loop may have run anything that changed the item.
    CToDo item = existing ? document.ToDo(n) : CToDo();
    WriteToDoValues(values, item);
    ApplyImportanceDeadline(item, Now());
    if (existing) {
        document.ReplaceToDo(n, std::move(item));
        return n;
    }
    document.AppendToDo(std::move(item));
    return document.ToDoCount() - 1;
}

} // namespace planova
