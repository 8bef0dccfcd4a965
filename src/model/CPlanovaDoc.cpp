#include "model/CPlanovaDoc.h"

#include "model/Clock.h"
#include "model/InvalidArgument.h"

#include <algorithm>

namespace planova {

const std::array<int, CPlanovaDoc::FontPointCount> DefaultFontPoints{
    9,  6,  5,  9,  // day
    7,  5,  4,  7,  // week
    5,  5,  4,  5,  // month
    6,  5,  5,  6,  // year
    16, 12, 16, 12, // record sheet
    6,  6,  4,  6,  // ToDo
};

CPlanovaDoc::CPlanovaDoc() : FontPoint(DefaultFontPoints)
{
    const DateTime today = Now();
    BirthdayYear = today.Year();
    BirthdayMonth = today.Month();
    BirthdayDay = today.Day();
    // The class-hour period is the current school year, 1 April to 31 March.
    HajimeYear = today.Month() >= 4 ? today.Year() : today.Year() - 1;
    HajimeMonth = 4;
    HajimeDay = 1;
    OwariYear = HajimeYear + 1;
    OwariMonth = 3;
    OwariDay = 31;
}

DayPosition CPlanovaDoc::FindDayPosition(const DateTime& date) const
{
    if (Days.empty())
        return {DayPositionOutcome::EmptyList, 0};
    if (DaysOrdered) {
        if (!date.IsValid())
            return {DayPositionOutcome::Append, Days.size()};
        const double day = date.DayNumber();
        const auto it =
            std::lower_bound(Days.begin(), Days.end(), day, [](const CDayData& record, double value) {
                return record.GetDate().DayNumber() < value;
            });
        // The equal record may lie just below the bound when the values differ by less than half a second.
        for (auto candidate : {it, it == Days.begin() ? it : std::prev(it)}) {
            if (candidate != Days.end() && candidate->GetDate() == date)
                return {DayPositionOutcome::Found, static_cast<std::size_t>(candidate - Days.begin())};
        }
        auto later = it;
        while (later != Days.end() && !date.IsEarlierThan(later->GetDate()))
            ++later;
        if (later == Days.end())
            return {DayPositionOutcome::Append, Days.size()};
        return {DayPositionOutcome::InsertBefore, static_cast<std::size_t>(later - Days.begin())};
    }
    for (std::size_t position = 0; position < Days.size(); ++position) {
        const DateTime& recordDate = Days[position].GetDate();
        if (recordDate == date)
            return {DayPositionOutcome::Found, position};
        if (date.IsEarlierThan(recordDate))
            return {DayPositionOutcome::InsertBefore, position};
    }
    return {DayPositionOutcome::Append, Days.size()};
}

const CDayData* CPlanovaDoc::FindStoredDay(const DateTime& date) const
{
    const DayPosition position = FindDayPosition(date);
    return position.Outcome == DayPositionOutcome::Found ? &Days[position.Position] : nullptr;
}

CDayData CPlanovaDoc::Day(const DateTime& date) const
{
    if (const CDayData* stored = FindStoredDay(date))
        return *stored;
    CDayData blank;
    blank.ClearDay(date);
    return blank;
}

void CPlanovaDoc::PutDay(CDayData day)
{
    // Looked up by the calendar date alone: a day that carries a time of day must still replace the
    // stored record of its date rather than add a second record for it.
    const DayPosition position = FindDayPosition(day.GetDate().DateOnly());
    day.SetDate(day.GetDate()); // stored records carry 00:00
    switch (position.Outcome) {
    case DayPositionOutcome::Found:
        Days[position.Position] = std::move(day);
        break;
    case DayPositionOutcome::InsertBefore:
        Days.insert(Days.begin() + static_cast<std::ptrdiff_t>(position.Position), std::move(day));
        break;
    case DayPositionOutcome::EmptyList:
    case DayPositionOutcome::Append:
        AppendDayUnsorted(std::move(day));
        break;
    }
    Modified = true;
}

bool CPlanovaDoc::RemoveDay(const DateTime& date)
{
    const DayPosition position = FindDayPosition(date.DateOnly());
    if (position.Outcome != DayPositionOutcome::Found)
        return false;
    Days.erase(Days.begin() + static_cast<std::ptrdiff_t>(position.Position));
    Modified = true;
    return true;
}

void CPlanovaDoc::AppendDayUnsorted(CDayData day)
{
    if (!day.GetDate().IsValid() || (!Days.empty() && !Days.back().GetDate().IsEarlierThan(day.GetDate())))
        DaysOrdered = false;
    Days.push_back(std::move(day));
}

namespace {

void CheckItemIndex(int index, std::size_t count)
{
    if (index < 0 || static_cast<std::size_t>(index) >= count)
        throw InvalidArgument("ToDo index " + std::to_string(index) + " is outside the list");
}

} // namespace

const CToDo& CPlanovaDoc::ToDo(int index) const
{
    CheckItemIndex(index, ToDos.size());
    return ToDos[static_cast<std::size_t>(index)];
}

void CPlanovaDoc::AppendToDo(CToDo item)
{
    ToDos.push_back(std::move(item));
    Modified = true;
}

void CPlanovaDoc::ReplaceToDo(int index, CToDo item)
{
    CheckItemIndex(index, ToDos.size());
    ToDos[static_cast<std::size_t>(index)] = std::move(item);
    Modified = true;
}

void CPlanovaDoc::InsertToDo(int index, CToDo item)
{
    CheckItemIndex(index, ToDos.size() + 1);
    ToDos.insert(ToDos.begin() + index, std::move(item));
    Modified = true;
}

void CPlanovaDoc::RemoveToDo(int index)
{
    CheckItemIndex(index, ToDos.size());
    ToDos.erase(ToDos.begin() + index);
    Modified = true;
}

void CPlanovaDoc::InitUndoHistory(int capacity)
{
    History.Reset(capacity);
}

void CPlanovaDoc::RecordUndo(UndoEntry entry)
{
    History.Record(std::move(entry));
}

} // namespace planova
