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

} // namespace

std::string PrintedDateText(const DateTime& date, int dateType, bool stripZeros)
{
    const int form =
        dateType == static_cast<int>(DateForm::Slashes) || dateType == static_cast<int>(DateForm::Kanji)
            ? dateType
            : static_cast<int>(DateForm::Digits);
    const std::string text = FormatDate(date, form);
    if (!stripZeros || form == static_cast<int>(DateForm::Digits))
        return text;
    return BlankLeadingZerosOfNumbers(text);
}

std::string PrintedDateWithWeekday(const DateTime& date, int dateType, bool stripZeros)
{
    static const std::string Open = Cp932Literal("（");
    static const std::string Close = Cp932Literal("）");
    return PrintedDateText(date, dateType, stripZeros) + Open +
           WeekdayLetterOf(std::max(0, date.DayOfWeek())) + Close;
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
