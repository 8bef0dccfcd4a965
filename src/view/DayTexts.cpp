#include "view/DayTexts.h"

#include "model/FixedTexts.h"
#include "model/TextFunctions.h"

#include <algorithm>

namespace planova {

namespace {

/// Year, month and day digits of a date: "20140101".
struct DateDigits
{
    std::string Year;
    std::string Month;
    std::string Day;
};

DateDigits DigitsOf(const DateTime& date)
{
    const std::string digits = FormatDate(date, static_cast<int>(DateForm::Digits));
    return {digits.substr(0, 4), digits.substr(4, 2), digits.substr(6, 2)};
}

/// "2014年 1月 1日": year, month and day with the leading zeros of month and day blanked.
std::string DateWithBlankedZeros(const DateTime& date)
{
    const DateDigits digits = DigitsOf(date);
    return digits.Year + Text(FixedText::YearMark) + BlankLeadingZero(digits.Month) +
           Text(FixedText::MonthMark) + BlankLeadingZero(digits.Day) + Text(FixedText::DayMark);
}

std::string BracketedWeekday(const DateTime& date)
{
    static const std::string Open = Cp932Literal("（");
    static const std::string Close = Cp932Literal("）");
    return Open + WeekdayLetterOf(std::max(0, date.DayOfWeek())) + Close; // an invalid date reads as Sunday
}

} // namespace

std::string WeekdayLetterOf(int weekday)
{
    constexpr std::size_t LetterBytes = 2;
    return Text(FixedText::WeekdayLetters)
        .substr(static_cast<std::size_t>(weekday % 7) * LetterBytes, LetterBytes);
}

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
    const DateDigits digits = DigitsOf(date);
    return BlankLeadingZero(digits.Month) + "/" + BlankLeadingZero(digits.Day);
}

std::string SlashDateText(const DateTime& date)
{
    return FormatDate(date, static_cast<int>(DateForm::Slashes));
}

bool IsHolidayKind(const std::string& jitei)
{
    return jitei == Text(FixedText::Holiday);
}

Rgb WeekdayColour(int weekday)
{
    constexpr int Sunday = 0;
    constexpr int Saturday = 6;
    if (weekday % 7 == Sunday)
        return TextColours::Red;
    return weekday % 7 == Saturday ? TextColours::Blue : TextColours::Black;
}

Rgb DateColour(const CDayData& day)
{
    constexpr int Sunday = 0;
    constexpr int Saturday = 6;
    const int weekday = day.GetDate().DayOfWeek();
    if (weekday == Sunday || IsHolidayKind(day.GetJitei()) ||
        day.GetJitei() == Text(FixedText::SubstituteSchoolDay))
        return TextColours::Red;
    if (weekday == Saturday)
        return TextColours::Blue;
    return TextColours::Black;
}

} // namespace planova
