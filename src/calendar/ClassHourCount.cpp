#include "calendar/ClassHourCount.h"

#include "calendar/DateWalk.h"

namespace planova {

std::vector<int> CountClassHours(const CPlanovaDoc& document, std::span<const std::string> classNames,
                                 const DateTime& first, const DateTime& last)
{
    std::vector<int> counts(classNames.size(), 0);
    ForEachDate(first, last, [&](const DateTime& date) {
        const CDayData* day = document.FindStoredDay(date);
        if (day == nullptr)
            return;
        for (int row = 0; row < CDayData::RowCount; ++row) {
            const std::string& plan = day->GetYotei(row);
            if (plan.empty())
                continue;
            for (std::size_t i = 0; i < classNames.size(); ++i) {
                if (!classNames[i].empty() && plan == classNames[i])
                    ++counts[i];
            }
        }
    });
    return counts;
}

ClassHourPeriod CountingPeriod(const CPlanovaDoc& document, const DateTime& first, const DateTime& last)
{
    return {first.IsValid()
                ? first
                : DateTime::FromDate(document.HajimeYear, document.HajimeMonth, document.HajimeDay),
            last.IsValid() ? last
                           : DateTime::FromDate(document.OwariYear, document.OwariMonth, document.OwariDay)};
}

} // namespace planova
