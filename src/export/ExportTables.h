#pragma once

#include "export/ExportSource.h"
#include "model/CDayData.h"
#include "model/CToDo.h"
#include "model/DateTime.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace planova {

/**
 * Model texts converted to UTF-8 and remembered: the texts of a school year repeat from day to day
 * (labels, time-table kinds, class names), and a lookup is far cheaper than a conversion. The
 * views it gives point into the object's own copies and stay valid while it lives.
 */
class Utf8Texts
{
public:
    /**
     * A field read record after record, with the text it held last: a field that holds the same
     * text as on the record before (a row's label, the time-table kind of most days) is answered
     * without a lookup.
     */
    struct Slot
    {
        const std::string* Source = nullptr; ///< the remembered code page 932 text, or none
        std::string_view Utf8;
    };

    /// The text of the field as UTF-8; ExportError naming the field when its bytes are not code page 932.
    std::string_view Of(Slot& field, const std::string& cp932, const FieldName& where)
    {
        if (cp932.empty())
            return {}; // most rows have no content and most days no event or memo
        if (field.Source != nullptr && *field.Source == cp932)
            return field.Utf8;
        return Remember(field, cp932, where);
    }

private:
    std::string_view Remember(Slot& field, const std::string& cp932, const FieldName& where);

    std::unordered_map<std::string, std::string> Converted;
};

/**
 * The texts of a stored day as UTF-8, each converted once for every line of the day that shows it.
 * Read throws ExportError naming the field for bytes that are not code page 932. An object is
 * meant to be read into day after day, so that its conversions are remembered; its texts are views
 * of its own memory, so it is not copied.
 */
struct DayTexts
{
    struct Row
    {
        std::string_view Label;
        std::string_view Plan;
        std::string_view Content;
        std::string_view Colour; ///< the colour's name ("白" … "茶")
    };

    DayTexts() = default;
    DayTexts(const DayTexts&) = delete;
    DayTexts& operator=(const DayTexts&) = delete;

    void Read(const CDayData& day);

    DateTime Date;
    std::string DateText;     ///< "2024/06/12"
    std::string_view Weekday; ///< "水"
    std::string_view Kind;
    std::string_view Event;
    std::string_view Memo;
    std::array<Row, CDayData::RowCount> Rows;

private:
    struct RowFields
    {
        Utf8Texts::Slot Label;
        Utf8Texts::Slot Plan;
        Utf8Texts::Slot Content;
    };
    /// The fields of the days of one weekday.
    struct WeekdayFields
    {
        Utf8Texts::Slot Weekday;
        Utf8Texts::Slot Kind;
        Utf8Texts::Slot Event;
        Utf8Texts::Slot Memo;
        std::array<RowFields, CDayData::RowCount> Rows;
    };

    Utf8Texts Texts;
    // A school's week repeats (the timetable's plans, the labels, the weekday itself), so a field
    // most often holds what it held on the same weekday before.
    std::array<WeekdayFields, 7> FieldsOf;
};

/// A ToDo item's texts as UTF-8; Read throws like DayTexts::Read, naming the item by its number.
struct ToDoTexts
{
    void Read(const CToDo& item, std::size_t index);

    DateTime Deadline;        ///< invalid when the item has none that is a date
    std::string DeadlineText; ///< "2024/06/12"; empty when invalid
    std::string Subject;
    std::string Importance;
    std::string Memo;
};

/// What a column holds, for a format that types its cells.
enum class CellKind
{
    Text,
    Date,    ///< the date of the day or the deadline (the text form "2024/06/12" in plain text)
    Number,  ///< the row number 1–10
    Weekday, ///< the weekday letter: a column of its own in text, the date cell's format in a workbook
};

/// A column of the day table: one line per period row, the memo on the day's first line only.
struct DayColumn
{
    const char* Header;
    CellKind Kind;
    /// Whether it is a field of the day itself (date, weekday, kind, event), the same on each of its lines.
    bool OfTheDay;
    std::string_view (*Value)(const DayTexts& day, int row);
};

/// A column of the ToDo table.
struct ToDoColumn
{
    const char* Header;
    CellKind Kind;
    std::string_view (*Value)(const ToDoTexts& item);
};

/// The columns of the day table, in order: 日付, 曜日, 時程, 行事, 行, 時限, 予定, 内容, 色, メモ.
extern const std::array<DayColumn, 10> DayColumns;

/// The columns of the ToDo table, in order: 件名, 期限, 重要度, メモ.
extern const std::array<ToDoColumn, 4> ToDoColumns;

} // namespace planova
