#include "export/ExportSource.h"

#include "calendar/ToolDates.h"
#include "model/Cp932Codec.h"

#include <algorithm>
#include <chrono>

namespace planova {

bool ExportRange::Contains(const DateTime& date) const
{
    if (!date.IsValid())
        return false;
    const std::chrono::sys_days day = date.ToSysDays();
    return (!First.IsValid() || First.ToSysDays() <= day) && (!Last.IsValid() || day <= Last.ToSysDays());
}

std::vector<const CDayData*> StoredDaysInRange(const CPlanovaDoc& document, const ExportRange& range)
{
    std::vector<const CDayData*> days;
    for (const CDayData& day : document.DayList()) {
        if (range.Contains(day.GetDate()))
            days.push_back(&day);
    }
    const auto dateOf = [](const CDayData* day) { return day->GetDate().ToSysDays(); };
    // Stable, so that of a date held twice the first record in list order stays.
    std::stable_sort(days.begin(), days.end(),
                     [&](const CDayData* a, const CDayData* b) { return dateOf(a) < dateOf(b); });
    days.erase(std::unique(days.begin(), days.end(),
                           [&](const CDayData* a, const CDayData* b) { return dateOf(a) == dateOf(b); }),
               days.end());
    return days;
}

std::string ExportUtf8(std::string_view cp932, const std::string& where)
{
    try {
        return Cp932ToUtf8(cp932);
    } catch (const EncodingError& error) {
        throw ExportError(where + "を書き出せません: " + error.what());
    }
}

std::string DayFieldName(const DateTime& date, const char* field)
{
    return JapaneseDate(date) + "の" + field;
}

std::string RowFieldName(const DateTime& date, int row, const char* field)
{
    return JapaneseDate(date) + "の" + std::to_string(row + 1) + "行目の" + field;
}

std::string ToDoFieldName(std::size_t index, const char* field)
{
    return "ToDo " + std::to_string(index + 1) + "件目の" + field;
}

void ReportProgress(const ExportProgress& progress, std::size_t done, std::size_t total)
{
    if (progress && !progress(done, total))
        throw ExportError(ExportStoppedReason);
}

} // namespace planova
