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

std::string FieldName::Text() const
{
    if (ToDoItem > 0)
        return "ToDo " + std::to_string(ToDoItem) + "件目の" + Field;
    const std::string day = JapaneseDate(Date) + "の";
    return Row < 0 ? day + Field : day + std::to_string(Row + 1) + "行目の" + Field;
}

std::string ExportUtf8(std::string_view cp932, const FieldName& where)
{
    try {
        return Cp932ToUtf8(cp932);
    } catch (const EncodingError& error) {
        throw ExportError(where.Text() + "を書き出せません: " + error.what());
    }
}

void ReportProgress(const ExportProgress& progress, std::size_t done, std::size_t total)
{
    if (progress && !progress(done, total))
        throw ExportError(ExportStoppedReason);
}

} // namespace planova
