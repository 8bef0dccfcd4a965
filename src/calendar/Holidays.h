#pragma once

#include "calendar/LocalHolidays.h"
#include "model/CDayData.h"
#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"

#include <string>
#include <vector>

namespace planova {

/// Which rules decide the holidays.
enum class HolidayRuleSet
{
    /// The national holiday law year by year from 1948 on (the default for new runs).
    CurrentLaw,
    /// One fixed table: the same dates every year.
    Classic,
};

struct HolidayOptions
{
    HolidayRuleSet RuleSet = HolidayRuleSet::CurrentLaw;
    /// The school holidays of the place (Tokyo's "都民の日" unless told otherwise) or the teacher's own
    /// dates; none gives a substitute holiday.
    std::vector<LocalHoliday> LocalHolidays = DefaultLocalHolidays();
};

/**
 * Marks the holidays of every date from `first` to `last` (both included) in the document:
 * time-table kind "休日" and the holiday's name as event, each changed day stored through the
 * document (which sets its modified flag). A local holiday on the date of a national one is noted
 * after the national name ("文化の日・開校記念日"). A substitute holiday owed by a holiday of the range
 * may be written on a day after `last`. Nothing happens when either date is invalid or `last`
 * is before `first`.
 */
void MarkHolidays(CPlanovaDoc& document, const DateTime& first, const DateTime& last,
                  const HolidayOptions& options = {});

/// Time-table kind "休日" and the event `name`; the period rows and the memo stay.
void SetHoliday(CDayData& day, const std::string& name);

/// SetHoliday on the day of the date, stored through the document.
void MarkHoliday(CPlanovaDoc& document, const DateTime& date, const std::string& name);

/// The day's time-table kind is "休日" (whoever wrote it).
bool IsHoliday(const CDayData& day);

} // namespace planova
