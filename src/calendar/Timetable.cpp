#include "calendar/Timetable.h"

#include "model/FixedTexts.h"

namespace planova {
namespace {

constexpr int PeriodsPerDay = 6;

/// The labels "①" … "⑥" of the six lesson periods, in code page 932.
const std::array<std::string, PeriodsPerDay>& PeriodLabels()
{
    static const std::array<std::string, PeriodsPerDay> labels{
        Cp932Literal("①"), Cp932Literal("②"), Cp932Literal("③"),
        Cp932Literal("④"), Cp932Literal("⑤"), Cp932Literal("⑥"),
    };
    return labels;
}

} // namespace

void InsertTimetable(CDayData& day, const std::array<std::string, CPlanovaDoc::JikannwariCount>& timetable,
                     bool overwrite)
{
    const int weekday = day.GetDate().DayOfWeek(); // 1 Monday … 6 Saturday have a timetable column
    if (weekday < 1 || weekday > 6)
        return;
    const auto& labels = PeriodLabels();
    for (int row = 0; row < CDayData::RowCount; ++row) {
        for (int period = 0; period < PeriodsPerDay; ++period) {
            if (day.GetJigenn(row) != labels[static_cast<std::size_t>(period)])
                continue;
            const std::string& text =
                timetable[static_cast<std::size_t>((weekday - 1) * PeriodsPerDay + period)];
            day.SetYotei(row, overwrite ? text : day.GetYotei(row) + text);
            break;
        }
    }
}

} // namespace planova
