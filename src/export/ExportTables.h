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
 * (labels, time-table kinds, class names), and a lookup is far cheaper than a conversion.
 */
class Utf8Texts
{
public:
    /// The text as UTF-8; ExportError naming the field when its bytes are not code page 932.
    const std::string& Of(const std::string& cp932, const FieldName& where);

private:
    std::unordered_map<std::string, std::string> Converted;
};

/**
 * The texts of a stored day as UTF-8, each converted once for every line of the day that shows it.
 * Read throws ExportError naming the field for bytes that are not code page 932. An object is
 * meant to be read into day after day, so that its strings keep their memory and its conversions
 * are remembered.
 */
struct DayTexts
{
    struct Row
    {
        std::string Label;
        std::string Plan;
        std::string Content;
        std::string_view Colour; ///< the colour's name ("白" … "茶")
    };

    void Read(const CDayData& day);

    DateTime Date;
    std::string DateText; ///< "2024/06/12"
    std::string Weekday;  ///< "水"
    std::string Kind;
    std::string Event;
    std::string Memo;
    std::array<Row, CDayData::RowCount> Rows;

private:
    Utf8Texts Texts;
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
