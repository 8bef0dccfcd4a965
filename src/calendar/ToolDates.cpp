#include "calendar/ToolDates.h"

namespace planova {

std::string JapaneseDate(const DateTime& date)
{
    if (!date.IsValid())
        return "（日付なし）";
    return std::to_string(date.Year()) + "年" + std::to_string(date.Month()) + "月" +
           std::to_string(date.Day()) + "日";
}

std::string DateRangeRefusal(const DateTime& start, const DateTime& end)
{
    if (!start.IsValid() || !end.IsValid())
        return "開始日と終了日には正しい日付を指定してください。";
    if (end.ToSysDays() < start.ToSysDays())
        return "開始日（" + JapaneseDate(start) + "）が終了日（" + JapaneseDate(end) +
               "）より後になっています。開始日は終了日と同じ日か、それより前にしてください。";
    return {};
}

} // namespace planova
