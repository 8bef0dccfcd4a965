#include "view/DayTexts.h"

#include "model/FixedTexts.h"

#include <cstdio>

namespace planova {

namespace {

/// "2014年 1月 1日": year, month and day with the leading zeros of month and day blanked.
std::string DateWithBlankedZeros(const DateTime& date)
{
    static const std::string Year = Cp932Literal("年");
    static const std::string Month = Cp932Literal("月");
    static const std::string Day = Cp932Literal("日");
    char year[8];
    char month[4];
    char day[4];
    std::snprintf(year, sizeof year, "%04d", date.IsValid() ? date.Year() : 0);
    std::snprintf(month, sizeof month, "%2d", date.IsValid() ? date.Month() : 0);
    std::snprintf(day, sizeof day, "%2d", date.IsValid() ? date.Day() : 0);
    return year + Year + month + Month + day + Day;
}

std::string BracketedWeekday(const DateTime& date)
{
    static const std::string Open = Cp932Literal("（");
    static const std::string Close = Cp932Literal("）");
    CDayData day;
    day.SetDate(date);
    return Open + day.WeekdayLetter() + Close;
}

} // namespace

std::string DayViewDateText(const DateTime& date)
{
    return DateWithBlankedZeros(date) + BracketedWeekday(date);
}

std::string WeekViewDateText(const DateTime& date)
{
    constexpr std::size_t MonthAndDayBytes = 8;
    const std::string full = DateWithBlankedZeros(date);
    return full.substr(full.size() - MonthAndDayBytes) + BracketedWeekday(date);
}

std::string MonthViewDateText(const DateTime& date)
{
    char text[8];
    std::snprintf(text, sizeof text, "%2d/%2d", date.IsValid() ? date.Month() : 0, date.IsValid() ? date.Day() : 0);
    return text;
}

std::string SlashDateText(const DateTime& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.IsValid() ? date.Year() : 0,
                  date.IsValid() ? date.Month() : 0, date.IsValid() ? date.Day() : 0);
    return text;
}

bool IsHolidayKind(const std::string& jitei)
{
    return jitei == Text(FixedText::Holiday);
}

Rgb DateColour(const CDayData& day)
{
    constexpr int Sunday = 0;
    constexpr int Saturday = 6;
    const int weekday = day.GetDate().DayOfWeek();
    if (weekday == Sunday || IsHolidayKind(day.GetJitei()) || day.GetJitei() == Text(FixedText::SubstituteSchoolDay))
        return TextColours::Red;
    if (weekday == Saturday)
        return TextColours::Blue;
    return TextColours::Black;
}

} // namespace planova
