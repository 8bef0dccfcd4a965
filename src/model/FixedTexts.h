#pragma once

#include <string>
#include <string_view>

namespace planova {

/// Texts the program writes itself, held once as code page 932 bytes.
enum class FixedText
{
    SchoolDay50,         ///< "50分時程"
    SchoolDay45,         ///< "45分時程"
    Holiday,             ///< "休日"
    SubstituteSchoolDay, ///< "振替休業日"
    SchoolPeriodLabels,  ///< "朝①②③④昼⑤⑥放", two bytes per row
    ClockHourLabels,     ///< "08091011121314151617", two bytes per row
    WeekdayLetters,      ///< "日月火水木金土日"
    DefaultSubject,      ///< "件名"
    DefaultImportance,   ///< "A1"
    YearMark,            ///< "年" of the date form 2
    MonthMark,           ///< "月" of the date form 2
    DayMark,             ///< "日" of the date form 2
    SubstituteHoliday,   ///< "振替休日"
    CitizensHoliday,     ///< "国民の休日"
    FoundationDay,       ///< "開校記念日"
    TominNoHi,           ///< "都民の日"
    Count
};

/// The code page 932 bytes of a fixed text (converted from UTF-8 once, on first use).
const std::string& Text(FixedText id);

/**
 * Converts a UTF-8 literal of the program's own tables to code page 932.
 * Meant for tables that are converted once; throws if the literal cannot be held,
 * which is a programming error caught by the tests.
 */
std::string Cp932Literal(std::string_view utf8);

} // namespace planova
