#include "model/DateTime.h"

#include <cmath>

namespace planova {
namespace {

using namespace std::chrono;

constexpr sys_days Epoch = sys_days{year{1899} / December / 30};
constexpr double SecondsPerDay = 86400.0;
constexpr double HalfSecondInDays = 0.5 / SecondsPerDay;

double FirstSupportedDay()
{
    return static_cast<double>((sys_days{year{100} / January / 1} - Epoch).count());
}

double EndOfSupportedDays()
{
    return static_cast<double>((sys_days{year{10000} / January / 1} - Epoch).count());
}

} // namespace

DateTime DateTime::FromDayNumber(double days)
{
    if (!std::isfinite(days) || days < FirstSupportedDay() || days >= EndOfSupportedDays())
        return Invalid();
    return DateTime(days, true);
}

DateTime DateTime::FromDate(int y, int m, int d)
{
    return FromDateTime(y, m, d, 0, 0, 0);
}

DateTime DateTime::FromDateTime(int y, int m, int d, int hour, int minute, int second)
{
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31)
        return Invalid();
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return Invalid();
    const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!ymd.ok())
        return Invalid();
    const double days = static_cast<double>((sys_days{ymd} - Epoch).count());
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / SecondsPerDay;
    return DateTime(days + fraction, true);
}

DateTime DateTime::FromSysDays(sys_days day)
{
    return FromDayNumber(static_cast<double>((day - Epoch).count()));
}

long long DateTime::TotalSeconds() const
{
    return std::llround(Days * SecondsPerDay);
}

sys_days DateTime::ToSysDays() const
{
    const long long seconds = TotalSeconds();
    const long long wholeDays = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    return Epoch + days{wholeDays};
}

int DateTime::Year() const
{
    return Valid ? static_cast<int>(ToYearMonthDay().year()) : -1;
}

int DateTime::Month() const
{
    return Valid ? static_cast<int>(static_cast<unsigned>(ToYearMonthDay().month())) : -1;
}

int DateTime::Day() const
{
    return Valid ? static_cast<int>(static_cast<unsigned>(ToYearMonthDay().day())) : -1;
}

int DateTime::Hour() const
{
    return Valid ? static_cast<int>((TotalSeconds() - (ToSysDays() - Epoch).count() * 86400LL) / 3600) : -1;
}

int DateTime::Minute() const
{
    return Valid ? static_cast<int>((TotalSeconds() - (ToSysDays() - Epoch).count() * 86400LL) / 60 % 60)
                 : -1;
}

int DateTime::Second() const
{
    return Valid ? static_cast<int>((TotalSeconds() - (ToSysDays() - Epoch).count() * 86400LL) % 60) : -1;
}

int DateTime::DayOfWeek() const
{
    return Valid ? static_cast<int>(weekday{ToSysDays()}.c_encoding()) : -1;
}

DateTime DateTime::DateOnly() const
{
    return Valid ? FromSysDays(ToSysDays()) : Invalid();
}

DateTime DateTime::AddDays(int n) const
{
    return Valid ? FromDayNumber(Days + n) : Invalid();
}

bool DateTime::operator==(const DateTime& other) const
{
    return Valid && other.Valid && std::fabs(Days - other.Days) < HalfSecondInDays;
}

bool DateTime::IsEarlierThan(const DateTime& other) const
{
    return Valid && other.Valid && Days < other.Days;
}

} // namespace planova
