#include "model/CPlanovaDoc.h"

#include "model/Clock.h"
#include "model/InvalidArgument.h"

#include <algorithm>
#include <cmath>
#include <utility>

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
    const UndoStepScope step(*this, "変更");
    NoteDay(day.GetDate());
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
    Touch();
}

bool CPlanovaDoc::RemoveDay(const DateTime& date)
{
    const UndoStepScope step(*this, "変更");
    NoteDay(date);
    const DayPosition position = FindDayPosition(date.DateOnly());
    if (position.Outcome != DayPositionOutcome::Found)
        return false;
    Days.erase(Days.begin() + static_cast<std::ptrdiff_t>(position.Position));
    Touch();
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
    const UndoStepScope step(*this, "変更");
    NoteToDos();
    ToDos.push_back(std::move(item));
    Touch();
}

void CPlanovaDoc::ReplaceToDo(int index, CToDo item)
{
    const UndoStepScope step(*this, "変更");
    NoteToDos();
    CheckItemIndex(index, ToDos.size());
    ToDos[static_cast<std::size_t>(index)] = std::move(item);
    Touch();
}

void CPlanovaDoc::InsertToDo(int index, CToDo item)
{
    const UndoStepScope step(*this, "変更");
    NoteToDos();
    CheckItemIndex(index, ToDos.size() + 1);
    ToDos.insert(ToDos.begin() + index, std::move(item));
    Touch();
}

void CPlanovaDoc::RemoveToDo(int index)
{
    const UndoStepScope step(*this, "変更");
    NoteToDos();
    CheckItemIndex(index, ToDos.size());
    ToDos.erase(ToDos.begin() + index);
    Touch();
}

void CPlanovaDoc::InitUndoHistory()
{
    // A second window of the document keeps the history the first one started.
    if (Recording)
        return;
    History.Clear();
    Recording = true;
}

void CPlanovaDoc::BeginUndoStep(std::string name, bool settings)
{
    if (!Recording || StepDepth++ > 0)
        return;
    OpenStep = UndoStep{};
    OpenStep.Name = std::move(name);
    if (settings)
        OpenStep.Settings = WholeChange<std::shared_ptr<const CPlanovaDoc>>{SettingsCopy(), nullptr};
}

void CPlanovaDoc::EndUndoStep()
{
    if (!Recording || StepDepth == 0 || --StepDepth > 0)
        return;
    UndoStep step = std::exchange(OpenStep, UndoStep{});
    for (DayChange& change : step.Days) {
        if (const CDayData* stored = FindStoredDay(change.Date))
            change.After = *stored;
    }
    std::erase_if(step.Days, [](const DayChange& change) { return change.Before == change.After; });
    if (step.ToDos) {
        step.ToDos->After = ToDos;
        if (step.ToDos->After == step.ToDos->Before)
            step.ToDos.reset();
    }
    if (step.Settings)
        step.Settings->After = SettingsCopy();
    History.Record(std::move(step));
}

void CPlanovaDoc::NoteDay(const DateTime& date)
{
    const DateTime key = date.DateOnly();
    // A record without a valid date leaves the list out of date order, which TakeChanges reports.
    if (key.IsValid())
        ChangedDays.insert(std::llround(key.DayNumber()));
    if (StepDepth == 0)
        return;
    const auto noted = [&](const DayChange& change) { return change.Date == key; };
    if (std::ranges::any_of(OpenStep.Days, noted))
        return;
    DayChange& change = OpenStep.Days.emplace_back();
    change.Date = key;
    if (const CDayData* stored = FindStoredDay(key))
        change.Before = *stored;
}

void CPlanovaDoc::NoteToDos()
{
    ChangedToDos = true;
    if (StepDepth > 0 && !OpenStep.ToDos)
        OpenStep.ToDos = WholeChange<std::vector<CToDo>>{ToDos, {}};
}

CPlanovaDoc CPlanovaDoc::ContentCopy()
{
    CPlanovaDoc copy = SettingsOnlyCopy();
    copy.Days = Days;
    copy.DaysOrdered = DaysOrdered;
    copy.ToDos = ToDos;
    return copy;
}

CPlanovaDoc CPlanovaDoc::SettingsOnlyCopy()
{
    // The days, items, history and changes move out while the rest is copied, and back after.
    auto days = std::exchange(Days, {});
    auto items = std::exchange(ToDos, {});
    auto history = std::exchange(History, {});
    auto open = std::exchange(OpenStep, {});
    auto changed = std::exchange(ChangedDays, {});
    CPlanovaDoc copy(*this);
    Days = std::move(days);
    ToDos = std::move(items);
    History = std::move(history);
    OpenStep = std::move(open);
    ChangedDays = std::move(changed);
    copy.Recording = false;
    copy.StepDepth = 0;
    copy.ChangedToDos = false;
    return copy;
}

std::shared_ptr<const CPlanovaDoc> CPlanovaDoc::SettingsCopy()
{
    return std::make_shared<const CPlanovaDoc>(SettingsOnlyCopy());
}

void CPlanovaDoc::TakeSettings(const CPlanovaDoc& settings)
{
    auto days = std::exchange(Days, {});
    const bool ordered = DaysOrdered;
    auto items = std::exchange(ToDos, {});
    auto history = std::exchange(History, {});
    auto changed = std::exchange(ChangedDays, {});
    const bool changedItems = ChangedToDos;
    const bool recording = Recording;
    const std::uint64_t changes = Changes; // the count only grows, whatever the copy had
    *this = settings;
    Changes = changes;
    Days = std::move(days);
    DaysOrdered = ordered;
    ToDos = std::move(items);
    History = std::move(history);
    ChangedDays = std::move(changed);
    ChangedToDos = changedItems;
    Recording = recording;
    StepDepth = 0;
}

CPlanovaDoc::ContentChanges CPlanovaDoc::TakeChanges()
{
    ContentChanges changes;
    changes.Days.reserve(ChangedDays.size());
    for (const long long day : ChangedDays)
        changes.Days.push_back(DateTime::FromDayNumber(static_cast<double>(day)));
    changes.ToDos = ChangedToDos;
    changes.Inexact = !DaysOrdered;
    ChangedDays.clear();
    ChangedToDos = false;
    return changes;
}

void CPlanovaDoc::Apply(const UndoStep& step, bool after)
{
    const bool recording = std::exchange(Recording, false);
    for (const DayChange& change : step.Days) {
        const std::optional<CDayData>& day = after ? change.After : change.Before;
        if (day)
            PutDay(*day);
        else
            RemoveDay(change.Date);
    }
    if (step.ToDos) {
        ToDos = after ? step.ToDos->After : step.ToDos->Before;
        ChangedToDos = true;
    }
    if (step.Settings) {
        const auto& settings = after ? step.Settings->After : step.Settings->Before;
        if (settings)
            TakeSettings(*settings);
    }
    Recording = recording;
    Touch();
}

bool CPlanovaDoc::Undo()
{
    std::optional<UndoStep> step = History.TakeUndo();
    if (!step)
        return false;
    Apply(*step, false);
    History.PushRedo(std::move(*step));
    return true;
}

bool CPlanovaDoc::Redo()
{
    std::optional<UndoStep> step = History.TakeRedo();
    if (!step)
        return false;
    Apply(*step, true);
    History.PushUndo(std::move(*step));
    return true;
}

} // namespace planova
