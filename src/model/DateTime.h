#pragma once

#include <chrono>
#include <compare>

namespace planova {

/**
 * A calendar date-time with a validity status.
 *
 * The value is the number of days since 30 December 1899 00:00, the time of day
 * being the fraction (continuous also before the epoch: -0.25 is 29 December 1899 18:00).
 * Valid values lie between 1 January 100 and 31 December 9999.
 *
 * Two values are equal when both are valid and less than half a second apart; an invalid
 * value is equal to nothing and neither earlier nor later than anything.
 */
class DateTime
{
public:
    /// An invalid value.
    DateTime() = default;

    static DateTime Invalid() { return {}; }
    /// The day number as it stands; invalid when outside the supported years or not finite.
    static DateTime FromDayNumber(double days);
    /// That date at 00:00; invalid if the numbers do not form a date (month 13, 30 February, year 0 ...).
    static DateTime FromDate(int year, int month, int day);
    /// That date and time; invalid if any part is out of range.
    static DateTime FromDateTime(int year, int month, int day, int hour, int minute, int second);
    static DateTime FromSysDays(std::chrono::sys_days day);

    bool IsValid() const { return Valid; }
    /// Days since 30 December 1899 with the time of day as fraction (0 when invalid).
    double DayNumber() const { return Days; }

    /// Civil parts of a valid value; -1 for every part of an invalid one.
    int Year() const;
    int Month() const;
    int Day() const;
    int Hour() const;
    int Minute() const;
    int Second() const;
    /// 0 = Sunday ... 6 = Saturday; -1 when invalid.
    int DayOfWeek() const;

    /// The calendar date at 00:00 (invalid stays invalid).
    DateTime DateOnly() const;
    /// The same time of day n days later (invalid stays invalid).
    DateTime AddDays(int n) const;
    /// The calendar date as a chrono value; only meaningful for a valid value.
    std::chrono::sys_days ToSysDays() const;
    std::chrono::year_month_day ToYearMonthDay() const { return std::chrono::year_month_day{ToSysDays()}; }

    bool operator==(const DateTime& other) const;
    /// Earlier: both valid and this day number is smaller. Later is the reverse.
    bool IsEarlierThan(const DateTime& other) const;
    bool IsLaterThan(const DateTime& other) const { return other.IsEarlierThan(*this); }
    /// Exactly the same value: both invalid, or both valid with the same day number.
    bool IsIdenticalTo(const DateTime& other) const
    {
        return Valid == other.Valid && (!Valid || Days == other.Days);
    }

private:
    DateTime(double days, bool valid) : Days(days), Valid(valid) {}

    /// Whole seconds since the epoch, rounded to the nearest second.
    long long TotalSeconds() const;

    double Days = 0.0;
    bool Valid = false;
};

} // namespace planova
