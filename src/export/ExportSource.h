#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace planova {

/// The dates an export takes; an invalid end leaves that side open (no first or no last date).
struct ExportRange
{
    DateTime First;
    DateTime Last;

    /// Whether a valid date lies inside the range (an invalid date lies in no range).
    bool Contains(const DateTime& date) const;
};

/// The reason of an export stopped through its progress.
inline constexpr const char* ExportStoppedReason = "書き出しを中止しました。";

/**
 * Told how far an export has come: `done` of `total` steps. Returning false stops the export,
 * which then changes nothing and reports ExportStoppedReason.
 */
using ExportProgress = std::function<bool(std::size_t done, std::size_t total)>;

/// A text an export cannot write, or a stop asked for through the progress; the message is Japanese.
class ExportError : public std::runtime_error
{
public:
    explicit ExportError(const std::string& reason) : std::runtime_error(reason) {}
};

/**
 * The stored days of the range with a valid date, in ascending date order, also when the list
 * came from a file in another order; of a date held twice (a damaged file) the first record in
 * list order, the one a lookup of the date finds.
 */
std::vector<const CDayData*> StoredDaysInRange(const CPlanovaDoc& document, const ExportRange& range);

/**
 * A field of a stored day or a ToDo item, as messages name it: "2024年6月12日の行事", "2024年6月12日の
 * 3行目の予定" (rows 0–9 are counted from 1), "ToDo 2件目の件名". The text is made only when needed.
 */
struct FieldName
{
    static FieldName OfDay(const DateTime& date, const char* field) { return {date, -1, 0, field}; }
    static FieldName OfRow(const DateTime& date, int row, const char* field) { return {date, row, 0, field}; }
    static FieldName OfToDo(std::size_t index, const char* field)
    {
        return {DateTime(), -1, index + 1, field};
    }

    std::string Text() const;

    DateTime Date;
    int Row = -1;             ///< −1: a field of the day itself
    std::size_t ToDoItem = 0; ///< 1 for the first item; 0: a field of a day
    const char* Field = "";
};

/// A model text (code page 932) as UTF-8; ExportError naming the field when its bytes are not code page 932.
std::string ExportUtf8(std::string_view cp932, const FieldName& where);

/// Calls the progress, if any, and throws ExportError when it asks to stop.
void ReportProgress(const ExportProgress& progress, std::size_t done, std::size_t total);

} // namespace planova
