#include "calendar/Holidays.h"

#include "calendar/ClassicHolidays.h"
#include "calendar/CurrentLawHolidays.h"
#include "model/FixedTexts.h"

namespace planova {

void MarkHolidays(CPlanovaDoc& document, const DateTime& first, const DateTime& last,
                  const HolidayOptions& options)
{
    switch (options.RuleSet) {
    case HolidayRuleSet::CurrentLaw:
        MarkCurrentLawHolidays(document, first, last, options.LocalHolidays);
        break;
    case HolidayRuleSet::Classic:
        MarkClassicHolidays(document, first, last, options.LocalHolidays);
        break;
    }
}

void SetHoliday(CDayData& day, const std::string& name)
{
    day.SetJitei(Text(FixedText::Holiday));
    day.SetGyouji(name);
}

void MarkHoliday(CPlanovaDoc& document, const DateTime& date, const std::string& name)
{
    document.UpdateDay(date, [&](CDayData& day) { SetHoliday(day, name); });
}

bool IsHoliday(const CDayData& day)
{
    return day.GetJitei() == Text(FixedText::Holiday);
}

} // namespace planova
