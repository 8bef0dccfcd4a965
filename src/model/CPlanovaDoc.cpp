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

void CPlanovaDoc::LoadDay(const DateTime& date)
{
    const DayPosition position = FindDayPosition(date);
    if (position.Outcome == DayPositionOutcome::Found)
        WorkDay = Days[position.Position];
    else
        WorkDay.ClearDay(date);
}

const CDayData* CPlanovaDoc::FindStoredDay(const DateTime& date) const
{
    const DayPosition position = FindDayPosition(date);
    return position.Outcome == DayPositionOutcome::Found ? &Days[position.Position] : nullptr;
}

void CPlanovaDoc::StoreDay()
{
    // Looked up by the calendar date alone: a working day that carries a time of day must still
    // replace the stored record of its date rather than add a second record for it.
    const DayPosition position = FindDayPosition(WorkDay.GetDate().DateOnly());
    CDayData copy = WorkDay;
    copy.SetDate(WorkDay.GetDate()); // stored records carry 00:00
    switch (position.Outcome) {
    case DayPositionOutcome::Found:
        Days[position.Position] = std::move(copy);
        break;
    case DayPositionOutcome::InsertBefore:
        Days.insert(Days.begin() + static_cast<std::ptrdiff_t>(position.Position), std::move(copy));
        break;
    case DayPositionOutcome::EmptyList:
    case DayPositionOutcome::Append:
        AppendDayUnsorted(std::move(copy));
        break;
    }
    Modified = true;
}

void CPlanovaDoc::AppendDayUnsorted(CDayData day)
{
    if (!day.GetDate().IsValid() || (!Days.empty() && !Days.back().GetDate().IsEarlierThan(day.GetDate())))
        DaysOrdered = false;
    Days.push_back(std::move(day));
}

void CPlanovaDoc::LoadToDo(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= ToDos.size())
        throw InvalidArgument("ToDo index " + std::to_string(index) + " is outside the list");
    WorkToDo = ToDos[static_cast<std::size_t>(index)];
}

void CPlanovaDoc::StoreToDo(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < ToDos.size())
        ToDos[static_cast<std::size_t>(index)] = WorkToDo;
    else
        ToDos.push_back(WorkToDo);
    ToDoCount = static_cast<int>(ToDos.size());
    Modified = true;
}

void CPlanovaDoc::DeleteToDo(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= ToDos.size())
        throw InvalidArgument("ToDo index " + std::to_string(index) + " is outside the list");
    ToDos.erase(ToDos.begin() + index);
    ToDoCount = static_cast<int>(ToDos.size());
    Modified = true;
}

void CPlanovaDoc::InitUndoHistory(int capacity)
{
    UndoCapacity = capacity;
    UndoSnapshots.assign(static_cast<std::size_t>(capacity), std::monostate{});
    UndoKinds.assign(static_cast<std::size_t>(capacity), UndoEmpty);
    UndoTop = -1;
}

void CPlanovaDoc::RecordUndo(UndoKind kind)
{
    if (UndoCapacity <= 0)
        return; // no view has initialised the history yet
    ++UndoTop;
    if (UndoTop >= UndoCapacity) {
        UndoTop = UndoCapacity - 1;
        std::move(UndoSnapshots.begin() + 1, UndoSnapshots.end(), UndoSnapshots.begin());
        std::move(UndoKinds.begin() + 1, UndoKinds.end(), UndoKinds.begin());
    }
    UndoKinds[static_cast<std::size_t>(UndoTop)] = kind;
    if (kind == UndoDay)
        UndoSnapshots[static_cast<std::size_t>(UndoTop)] = WorkDay;
    else if (kind == UndoToDo || kind == UndoAddedToDo)
        UndoSnapshots[static_cast<std::size_t>(UndoTop)] = WorkToDo;
    else
        UndoSnapshots[static_cast<std::size_t>(UndoTop)] = std::monostate{};
}

} // namespace planova
