#include "calendar/ClassHourCount.h"

#include "calendar/DateWalk.h"

namespace planova {

std::vector<int> CountClassHours(CPlanovaDoc& document, std::span<const std::string> classNames,
                                 const DateTime& first, const DateTime& last)
{
    std::vector<int> counts(classNames.size(), 0);
    const CDayData workDay = document.WorkDay;
    ForEachDate(first, last, [&](const DateTime& date) {
        document.LoadDay(date);
        for (int row = 0; row < CDayData::RowCount; ++row) {
            const std::string& plan = document.WorkDay.GetYotei(row);
            if (plan.empty())
                continue;
            for (std::size_t i = 0; i < classNames.size(); ++i) {
                if (!classNames[i].empty() && plan == classNames[i])
                    ++counts[i];
            }
        }
    });
    document.WorkDay = workDay;
    return counts;
}

} // namespace planova
