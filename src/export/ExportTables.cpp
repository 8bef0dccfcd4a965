#include "export/ExportTables.h"

#include "model/CellColours.h"
#include "model/TextFunctions.h"

#include <algorithm>

namespace planova {
namespace {

std::string DateText(const DateTime& date)
{
    return date.IsValid() ? FormatDate(date, static_cast<int>(DateForm::Slashes)) : std::string();
}

constexpr std::array<std::string_view, CDayData::RowCount> RowNumbers{"1", "2", "3", "4", "5",
                                                                      "6", "7", "8", "9", "10"};

} // namespace

std::string_view Utf8Texts::Remember(Slot& field, const std::string& cp932, const FieldName& where)
{
    auto found = Converted.find(cp932);
    if (found == Converted.end())
        found = Converted.emplace(cp932, ExportUtf8(cp932, where)).first;
    // The map's nodes stay where they are as it grows, so the slot may point at them.
    field.Source = &found->first;
    field.Utf8 = found->second;
    return field.Utf8;
}

void DayTexts::Read(const CDayData& day)
{
    Date = day.GetDate();
    DateText = planova::DateText(Date);
    WeekdayFields& fields = FieldsOf[static_cast<std::size_t>(std::max(Date.DayOfWeek(), 0))]; // −1: invalid
    Weekday = Texts.Of(fields.Weekday, day.WeekdayLetter(), FieldName::OfDay(Date, "曜日"));
    Kind = Texts.Of(fields.Kind, day.GetJitei(), FieldName::OfDay(Date, "時程"));
    Event = Texts.Of(fields.Event, day.GetGyouji(), FieldName::OfDay(Date, "行事"));
    Memo = Texts.Of(fields.Memo, day.GetMemo(), FieldName::OfDay(Date, "メモ"));
    for (int row = 0; row < CDayData::RowCount; ++row) {
        const auto index = static_cast<std::size_t>(row);
        Row& texts = Rows[index];
        RowFields& slots = fields.Rows[index];
        texts.Label = Texts.Of(slots.Label, day.GetJigenn(row), FieldName::OfRow(Date, row, "時限"));
        texts.Plan = Texts.Of(slots.Plan, day.GetYotei(row), FieldName::OfRow(Date, row, "予定"));
        texts.Content = Texts.Of(slots.Content, day.GetNaiyou(row), FieldName::OfRow(Date, row, "内容"));
        texts.Colour = CellColourAt(day.GetIro(row)).Name;
    }
}

void ToDoTexts::Read(const CToDo& item, std::size_t index)
{
    Deadline = item.GetKigenn();
    DeadlineText = DateText(Deadline);
    Subject = ExportUtf8(item.GetKennmei(), FieldName::OfToDo(index, "件名"));
    Importance = ExportUtf8(item.GetJyuuyoudo(), FieldName::OfToDo(index, "重要度"));
    Memo = ExportUtf8(item.GetMemo(), FieldName::OfToDo(index, "メモ"));
}

namespace {

const DayTexts::Row& RowOf(const DayTexts& day, int row)
{
    return day.Rows[static_cast<std::size_t>(row)];
}

} // namespace

const std::array<DayColumn, 10> DayColumns{{
    {"日付", CellKind::Date, true, [](const DayTexts& day, int) -> std::string_view { return day.DateText; }},
    {"曜日", CellKind::Weekday, true, [](const DayTexts& day, int) { return day.Weekday; }},
    {"時程", CellKind::Text, true, [](const DayTexts& day, int) { return day.Kind; }},
    {"行事", CellKind::Text, true, [](const DayTexts& day, int) { return day.Event; }},
    {"行", CellKind::Number, false,
     [](const DayTexts&, int row) { return RowNumbers[static_cast<std::size_t>(row)]; }},
    {"時限", CellKind::Text, false, [](const DayTexts& day, int row) { return RowOf(day, row).Label; }},
    {"予定", CellKind::Text, false, [](const DayTexts& day, int row) { return RowOf(day, row).Plan; }},
    {"内容", CellKind::Text, false, [](const DayTexts& day, int row) { return RowOf(day, row).Content; }},
    {"色", CellKind::Text, false, [](const DayTexts& day, int row) { return RowOf(day, row).Colour; }},
    {"メモ", CellKind::Text, false,
     [](const DayTexts& day, int row) { return row == 0 ? day.Memo : std::string_view(); }},
}};

const std::array<ToDoColumn, 4> ToDoColumns{{
    {"件名", CellKind::Text, [](const ToDoTexts& item) -> std::string_view { return item.Subject; }},
    {"期限", CellKind::Date, [](const ToDoTexts& item) -> std::string_view { return item.DeadlineText; }},
    {"重要度", CellKind::Text, [](const ToDoTexts& item) -> std::string_view { return item.Importance; }},
    {"メモ", CellKind::Text, [](const ToDoTexts& item) -> std::string_view { return item.Memo; }},
}};

} // namespace planova
