#include "export/ExportSource.h"

#include "calendar/ToolDates.h"
#include "model/Cp932Codec.h"

#include <algorithm>
#include <chrono>
#include <utility>

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
    // Each date is worked out once, not at every comparison of the sort.
    std::vector<std::pair<std::chrono::sys_days, const CDayData*>> dated;
    for (const CDayData& day : document.DayList()) {
        if (range.Contains(day.GetDate()))
            dated.emplace_back(day.GetDate().ToSysDays(), &day);
    }
    const auto earlier = [](const auto& a, const auto& b) { return a.first < b.first; };
    // Stable, so that of a date held twice the first record in list order stays. A list read from
    // a file is in date order already, which is checked in one pass.
    if (!std::is_sorted(dated.begin(), dated.end(), earlier))
        std::stable_sort(dated.begin(), dated.end(), earlier);
    std::vector<const CDayData*> days;
    days.reserve(dated.size());
    for (std::size_t i = 0; i < dated.size(); ++i) {
        if (i == 0 || dated[i].first != dated[i - 1].first)
            days.push_back(dated[i].second);
    }
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
