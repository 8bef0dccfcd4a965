#include "model/CDayData.h"

#include "model/Clock.h"
#include "model/FixedTexts.h"
#include "model/InvalidArgument.h"

namespace planova {
namespace {

/// The two bytes at offset 2 × row of a label text, or the empty text past its end.
std::string CutLabel(const std::string& labels, int row)
{
    const std::size_t offset = static_cast<std::size_t>(row) * 2;
    return offset < labels.size() ? labels.substr(offset, 2) : std::string();
}

} // namespace

CDayData::CDayData() : Date(Now()) {}

void CDayData::CheckRow(int row)
{
    if (row < 0 || row >= RowCount)
        throw InvalidArgument("row index " + std::to_string(row) + " is outside 0-9");
}

void CDayData::SetDate(int year, int month, int day)
{
    Date = DateTime::FromDate(year, month, day);
}

void CDayData::SetDate(const DateTime& value)
{
    SetDate(value.Year(), value.Month(), value.Day());
}

const std::string& CDayData::GetJigenn(int row) const
{
    CheckRow(row);
    return Jigenn[row];
}

void CDayData::SetJigenn(int row, std::string text)
{
    CheckRow(row);
    Jigenn[row] = std::move(text);
}

const std::string& CDayData::GetYotei(int row) const
{
    CheckRow(row);
    return Yotei[row];
}

void CDayData::SetYotei(int row, std::string text)
{
    CheckRow(row);
    Yotei[row] = std::move(text);
}

const std::string& CDayData::GetNaiyou(int row) const
{
    CheckRow(row);
    return Naiyou[row];
}

void CDayData::SetNaiyou(int row, std::string text)
{
    CheckRow(row);
    Naiyou[row] = std::move(text);
}

int CDayData::GetIro(int row) const
{
    CheckRow(row);
    return Iro[row] <= 7 ? Iro[row] : 0;
}

void CDayData::SetIro(int row, int colour)
{
    CheckRow(row);
    Iro[row] = static_cast<std::uint16_t>(colour >= 0 && colour <= 7 ? colour : 0);
}

void CDayData::ClearDay(const DateTime& value)
{
    SetDate(value);
    Jitei.clear();
    Gyouji.clear();
    for (int row = 0; row < RowCount; ++row) {
        Jigenn[row].clear();
        Yotei[row].clear();
        Naiyou[row].clear();
        Iro[row] = 0;
    }
    Memo.clear();
}

void CDayData::SetLabels(const std::string& labels)
{
    for (int row = 0; row < RowCount; ++row)
        Jigenn[row] = CutLabel(labels, row);
}

void CDayData::SetStandardDay()
{
    Jitei = Text(FixedText::SchoolDay50);
    Gyouji.clear();
    SetLabels(Text(FixedText::SchoolPeriodLabels));
    for (int row = 0; row < RowCount; ++row) {
        Yotei[row].clear();
        Naiyou[row].clear();
        Iro[row] = 0;
    }
    Memo.clear();
}

void CDayData::SetSchoolDayRows()
{
    Jitei = Text(FixedText::SchoolDay50);
    Gyouji.clear();
    SetLabels(Text(FixedText::SchoolPeriodLabels));
}

void CDayData::SetClockHourRows()
{
    if (Jitei == Text(FixedText::SchoolDay50))
        Jitei.clear();
    SetLabels(Text(FixedText::ClockHourLabels));
}

std::string CDayData::WeekdayLetter() const
{
    const int w = Date.IsValid() ? Date.DayOfWeek() + 1 : -1;
    const int offset = 2 * w - 2;
    return Text(FixedText::WeekdayLetters).substr(static_cast<std::size_t>(offset < 0 ? 0 : offset), 2);
}

bool CDayData::operator==(const CDayData& other) const
{
    return Date.IsIdenticalTo(other.Date) && Jitei == other.Jitei && Gyouji == other.Gyouji &&
           Jigenn == other.Jigenn && Yotei == other.Yotei && Naiyou == other.Naiyou && Iro == other.Iro &&
           Memo == other.Memo;
}

} // namespace planova
