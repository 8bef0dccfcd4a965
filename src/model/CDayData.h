#pragma once

#include "model/DateTime.h"

#include <array>
#include <cstdint>
#include <string>

namespace planova {

/**
 * One day of the planner: time-table kind, event, ten period rows (label, plan, content,
 * colour) and a memo. Texts are code page 932 bytes. Row indices must be 0–9; any other
 * index raises InvalidArgument and changes nothing.
 */
class CDayData
{
public:
    static constexpr int RowCount = 10;

    /// Empty texts, colour 0 in every row, and the current local date and time.
    CDayData();

    /// That date at 00:00; invalid when the numbers do not form a date.
    void SetDate(int year, int month, int day);
    /// Only the calendar date of the value (an invalid value gives an invalid date).
    void SetDate(const DateTime& value);
    const DateTime& GetDate() const { return Date; }

    const std::string& GetJitei() const { return Jitei; }
    void SetJitei(std::string text) { Jitei = std::move(text); }
    const std::string& GetGyouji() const { return Gyouji; }
    void SetGyouji(std::string text) { Gyouji = std::move(text); }

    const std::string& GetJigenn(int row) const;
    void SetJigenn(int row, std::string text);
    const std::string& GetYotei(int row) const;
    void SetYotei(int row, std::string text);
    const std::string& GetNaiyou(int row) const;
    void SetNaiyou(int row, std::string text);
    /// The colour index 0–7 of the row (a stored value of 8 or more reads as 0).
    int GetIro(int row) const;
    /// Stores the colour index; a value below 0 or above 7 is stored as 0.
    void SetIro(int row, int colour);

    const std::string& GetMemo() const { return Memo; }
    void SetMemo(std::string text) { Memo = std::move(text); }

    /// Everything emptied, colours 0, date set from the value.
    void ClearDay(const DateTime& value);
    /// Kind "50分時程", no event, the school-day labels, every plan, content, colour and the memo emptied.
    void SetStandardDay();
    /// Kind "50分時程", no event, the school-day labels; plans, contents, colours and memo kept.
    void SetSchoolDayRows();
    /// The clock-hour labels; a "50分時程" kind becomes empty, any other kind stays.
    void SetClockHourRows();
    /// "日" … "土" for the weekday of the date; "日" for an invalid date.
    std::string WeekdayLetter() const;

    /// True when every field, including the date's validity and value, is the same.
    bool operator==(const CDayData& other) const;

private:
    static void CheckRow(int row);
    void SetLabels(const std::string& labels);

    DateTime Date;
    std::string Jitei;
    std::string Gyouji;
    std::array<std::string, RowCount> Jigenn;
    std::array<std::string, RowCount> Yotei;
    std::array<std::string, RowCount> Naiyou;
    std::array<std::uint16_t, RowCount> Iro{};
    std::string Memo;
};

} // namespace planova
