#include "print/PrintedDates.h"

#include "model/FixedTexts.h"
#include "model/TextFunctions.h"
#include "view/DayTexts.h"

#include <cctype>

namespace planova {

namespace {

constexpr int Sunday = 0;
constexpr int Saturday = 6;

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool EndsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

/// The printed form of PDateType: another value prints the first form.
DateForm FormOf(int dateType)
{
    return dateType == static_cast<int>(DateForm::Slashes) || dateType == static_cast<int>(DateForm::Kanji)
               ? static_cast<DateForm>(dateType)
               : DateForm::Digits;
}

/// Byte counts of the parts of a printed date by form (0, 1, 2); each part keeps its length when
/// zero stripping turns a leading zero into a space, and "年", "月", "日" are two bytes in code page 932.
struct DateTextLengths
{
    std::size_t MonthDay; ///< from the month to the end
    std::size_t Day;      ///< the day (with "日" in the form 2)
    std::size_t YearMonth;
};

constexpr DateTextLengths LengthsOf[] = {{4, 2, 6}, {5, 2, 7}, {8, 4, 10}};

const DateTextLengths& LengthsFor(int dateType)
{
    return LengthsOf[static_cast<int>(FormOf(dateType))];
}

std::string LastBytes(const std::string& text, std::size_t count)
{
    return text.size() > count ? text.substr(text.size() - count) : text;
}

} // namespace

std::string PrintedDateText(const DateTime& date, int dateType, bool stripZeros)
{
    const DateForm form = FormOf(dateType);
    const std::string text = FormatDate(date, static_cast<int>(form));
    if (!stripZeros || form == DateForm::Digits)
        return text;
    return BlankLeadingZerosOfNumbers(text);
}

std::string PrintedDateWithWeekday(const DateTime& date, int dateType, bool stripZeros)
{
    return WithWeekdayInBrackets(PrintedDateText(date, dateType, stripZeros), date);
}

std::string PrintedMonthDay(const DateTime& date, int dateType, bool stripZeros)
{
    return LastBytes(PrintedDateText(date, dateType, stripZeros), LengthsFor(dateType).MonthDay);
}

std::string PrintedDayOfMonth(const DateTime& date, int dateType, bool stripZeros)
{
    return LastBytes(PrintedDateText(date, dateType, stripZeros), LengthsFor(dateType).Day);
}

std::string PrintedYearMonth(const DateTime& date, int dateType, bool stripZeros)
{
    return PrintedDateText(date, dateType, stripZeros).substr(0, LengthsFor(dateType).YearMonth);
}

std::string WithWeekdayInBrackets(const std::string& text, const DateTime& date)
{
    static const std::string Open = Cp932Literal("（");
    static const std::string Close = Cp932Literal("）");
    return text + Open + WeekdayLetterOf(std::max(0, date.DayOfWeek())) + Close;
}

std::string WithWeekdayLetter(const std::string& text, const DateTime& date)
{
    return text + WeekdayLetterOf(std::max(0, date.DayOfWeek()));
}

Rgb PrintedDateColour(const CDayData& day)
{
    static const std::string SchoolDaySuffix = Cp932Literal("分時程");
    const int weekday = day.GetDate().DayOfWeek();
    const std::string& kind = day.GetJitei();
    if (weekday == Sunday || kind == Text(FixedText::Holiday) || kind == Text(FixedText::SubstituteSchoolDay))
        return TextColours::Red;
    if (weekday == Saturday && !EndsWith(kind, SchoolDaySuffix))
        return TextColours::Blue;
    return TextColours::Black;
}

std::string BlankLeadingZerosOfNumbers(std::string_view text)
{
    std::string out(text);
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        const bool startsNumber = i == 0 || !IsDigit(text[i - 1]);
        if (startsNumber && out[i] == '0' && IsDigit(out[i + 1]))
            out[i] = ' ';
    }
    return out;
}

} // namespace planova
