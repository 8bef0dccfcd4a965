#include "calendar/ContentShift.h"

#include "calendar/DateWalk.h"

namespace planova {

std::string ShiftRefusal(const DateTime& start, const DateTime& end, const std::string& className)
{
    // An empty name would match every row without a plan.
    if (className.empty())
        return "学級名を入力してください。";
    return DateRangeRefusal(start, end);
}

Outcome ShiftContents(CPlanovaDoc& document, ShiftDirection direction, const DateTime& start,
                      const DateTime& end, const std::string& className)
{
    if (std::string reason = ShiftRefusal(start, end, className); !reason.empty())
        return Outcome::Refused(std::move(reason));

    const bool earlier = direction == ShiftDirection::Earlier;
    std::string carry;
    // Walking against the direction of the move hands each content on to its neighbour.
    const auto shiftDay = [&](const DateTime& date) {
        CDayData day = document.Day(date);
        bool changed = false;
        for (int i = 0; i < CDayData::RowCount; ++i) {
            const int row = earlier ? CDayData::RowCount - 1 - i : i;
            if (day.GetYotei(row) != className)
                continue;
            std::string content = day.GetNaiyou(row);
            day.SetNaiyou(row, std::move(carry));
            carry = std::move(content);
            changed = true;
        }
        if (changed)
            document.PutDay(std::move(day));
    };
    if (earlier)
        ForEachDateDescending(start, end, shiftDay);
    else
        ForEachDate(start, end, shiftDay);
    return {};
}

} // namespace planova
