#include "edit/Clipboard.h"

#include "edit/DayFields.h"
#include "view/DayDrawing.h"
#include "view/DayTexts.h"
#include "view/ScreenLayout.h"

#include <array>
#include <span>

namespace planova {

namespace {

/// A text of a cell: its field number, its place in ClipTexts and the option that takes it (nullptr: always).
struct ClipField
{
    int Field;
    int Slot;
    bool CopyOptions::*Option;
};

/// The texts of a cell row that the clipboard takes, in the order of ClipTexts.
class CellFields
{
public:
    explicit CellFields(int row)
    {
        switch (CellClipKind(row)) {
        case ClipKindAndEvent:
            Add({FindField::Jitei, 0, &CopyOptions::CopyJitei});
            Add({FindField::Gyouji, 1, &CopyOptions::CopyGyouji});
            break;
        case ClipPeriodRow:
            PeriodRow = row - DayRow::FirstPeriod;
            Add({FindField::Jigenn(PeriodRow), 0, &CopyOptions::CopyJigenn});
            Add({FindField::Yotei(PeriodRow), 1, &CopyOptions::CopyYotei});
            Add({FindField::Naiyou(PeriodRow), 2, &CopyOptions::CopyNaiyou});
            break;
        case ClipMemo:
            Add({FindField::Memo, 0, nullptr});
            break;
        default:
            break;
        }
    }

    std::span<const ClipField> Texts() const { return std::span(Items).first(Count); }
    /// The period row 0–9 of a period-row cell, −1 for the others.
    int PeriodRow = -1;

private:
    void Add(const ClipField& field) { Items[Count++] = field; }

    std::array<ClipField, 3> Items{};
    std::size_t Count = 0;
};

bool Takes(const ClipField& field, const CopyOptions& options)
{
    return field.Option == nullptr || options.*field.Option;
}

void AppendPlainText(std::string& plain, const std::string& text)
{
    if (!plain.empty())
        plain += '\t';
    plain += text;
}

/// Takes the fields of a cell into a record that was emptied before.
void TakeCell(ClipboardRecord& clip, const CopyOptions& options, const CDayData& day, int row)
{
    const CellFields fields(row);
    clip.ClipKind = CellClipKind(row);
    for (const ClipField& field : fields.Texts()) {
        if (!Takes(field, options))
            continue;
        clip.ClipTexts[static_cast<std::size_t>(field.Slot)] = DayFieldText(day, field.Field);
        AppendPlainText(clip.PlainText, DayFieldText(day, field.Field));
    }
    if (fields.PeriodRow >= 0 && options.CopyIro)
        clip.ClipColor = day.GetIro(fields.PeriodRow);
}

/// Kind, texts and plain text emptied; ClipDate and ClipColor stay.
void EmptyRecord(ClipboardRecord& clip)
{
    clip.ClipKind = ClipEmpty;
    clip.ClipTexts = {};
    clip.PlainText.clear();
}

} // namespace

int CellClipKind(int row)
{
    if (row == DayRow::KindAndEvent)
        return ClipKindAndEvent;
    if (row == DayRow::Memo)
        return ClipMemo;
    if (row >= DayRow::FirstPeriod && row < DayRow::FirstPeriod + CDayData::RowCount)
        return ClipPeriodRow;
    return ClipEmpty;
}

void CopyCell(ClipboardRecord& clip, const CopyOptions& options, const CDayData& day, int row,
              const DateTime& now)
{
    EmptyRecord(clip);
    clip.ClipDate = now;
    TakeCell(clip, options, day, row);
}

void CutCell(ClipboardRecord& clip, const CopyOptions& options, CDayData& day, int row)
{
    EmptyRecord(clip);
    TakeCell(clip, options, day, row);
    // What was taken is emptied: exactly what pasting an empty record of the same kind writes.
    ClipboardRecord empty;
    empty.ClipKind = clip.ClipKind;
    PasteCell(empty, options, day, row);
}

void CopyToDo(ClipboardRecord& clip, const CToDo& item)
{
    EmptyRecord(clip);
    clip.ClipKind = ClipToDo;
    clip.ClipTexts = {item.GetKennmei(), item.GetJyuuyoudo(), item.GetMemo()};
    clip.ClipDate = item.GetKigenn();
    for (const std::string& text :
         {item.GetKennmei(), SlashDateText(item.GetKigenn()), item.GetJyuuyoudo(), item.GetMemo()})
        AppendPlainText(clip.PlainText, text);
}

void PasteCell(const ClipboardRecord& clip, const CopyOptions& options, CDayData& day, int row)
{
    if (clip.ClipKind == ClipEmpty || CellClipKind(row) != clip.ClipKind)
        return;
    const CellFields fields(row);
    for (const ClipField& field : fields.Texts()) {
        if (Takes(field, options))
            SetDayFieldText(day, field.Field, clip.ClipTexts[static_cast<std::size_t>(field.Slot)]);
    }
    if (fields.PeriodRow >= 0 && options.CopyIro)
        day.SetIro(fields.PeriodRow, clip.ClipColor);
}

CToDo ClippedToDo(const ClipboardRecord& clip)
{
    CToDo item;
    item.SetKennmei(clip.ClipTexts[0]);
    item.SetKigenn(clip.ClipDate.Year(), clip.ClipDate.Month(), clip.ClipDate.Day());
    item.SetJyuuyoudo(clip.ClipTexts[1]);
    item.SetMemo(clip.ClipTexts[2]);
    return item;
}

void ToggleCopyOption(CopyOptions& options, bool CopyOptions::*option)
{
    using Group = std::array<bool CopyOptions::*, 3>;
    static constexpr std::array Groups{
        Group{&CopyOptions::CopyJitei, &CopyOptions::CopyGyouji, nullptr},
        Group{&CopyOptions::CopyJigenn, &CopyOptions::CopyYotei, &CopyOptions::CopyNaiyou},
    };
    options.*option = !(options.*option);
    for (const Group& group : Groups) {
        bool inGroup = false;
        bool anyOn = false;
        for (bool CopyOptions::*member : group) {
            if (member == nullptr)
                continue;
            inGroup = inGroup || member == option;
            anyOn = anyOn || options.*member;
        }
        if (inGroup && !anyOn)
            options.*option = true;
    }
}

} // namespace planova
