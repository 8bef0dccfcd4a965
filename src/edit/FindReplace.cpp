#include "edit/FindReplace.h"

#include "edit/TextSearch.h"

namespace planova {

namespace {

/// Fields of a ToDo item that find searches.
constexpr int ToDoFieldCount = ToDoMemoField;

/// The text of a ToDo item's field.
const std::string& ToDoFieldText(const CToDo& item, int field)
{
    return field == ToDoSubjectField ? item.GetKennmei() : item.GetMemo();
}

void SetToDoFieldText(CToDo& item, int field, std::string text)
{
    if (field == ToDoSubjectField)
        item.SetKennmei(std::move(text));
    else
        item.SetMemo(std::move(text));
}

/**
 * Every searched field in the order "次を検索" visits them, numbered from 0: the 33 fields of each
 * stored day in list order, then (when the items are searched) the two fields of each ToDo item.
 */
class FieldSequence
{
public:
    FieldSequence(const CPlanovaDoc& document, bool toDos)
        : Document(document), DayFields(document.DayList().size() * LastDayField),
          Size(DayFields + (toDos ? static_cast<std::size_t>(document.ToDoCount()) * ToDoFieldCount : 0))
    {
    }

    std::size_t Count() const { return Size; }

    /// The first field of the stored day at list position `day` (the count after the last day).
    std::size_t DayStart(std::size_t day) const { return day * LastDayField; }

    /// The place of a hit; npos when the sequence does not hold it.
    std::size_t PlaceOf(const FindHitState& hit) const
    {
        if (hit.ToDoItem >= 0) {
            const std::size_t place = DayFields + static_cast<std::size_t>(hit.ToDoItem) * ToDoFieldCount +
                                      static_cast<std::size_t>(hit.Field - 1);
            return place < Size ? place : std::string_view::npos;
        }
        const DayPosition position = Document.FindDayPosition(hit.Date);
        if (position.Outcome != DayPositionOutcome::Found)
            return std::string_view::npos;
        return DayStart(position.Position) + static_cast<std::size_t>(hit.Field - 1);
    }

    /// The text at a place; nullptr for a day without a valid date (never searched).
    const std::string* Text(std::size_t place) const
    {
        if (place < DayFields) {
            const CDayData& day = Document.DayList()[place / LastDayField];
            return day.GetDate().IsValid() ? &DayFieldText(day, static_cast<int>(place % LastDayField) + 1)
                                           : nullptr;
        }
        const std::size_t item = (place - DayFields) / ToDoFieldCount;
        return &ToDoFieldText(Document.ToDo(static_cast<int>(item)),
                              static_cast<int>((place - DayFields) % ToDoFieldCount) + 1);
    }

    /// Makes `hit` name the place.
    void Point(FindHitState& hit, std::size_t place) const
    {
        if (place < DayFields) {
            hit.ToDoItem = -1;
            hit.Date = Document.DayList()[place / LastDayField].GetDate();
            hit.Field = static_cast<int>(place % LastDayField) + 1;
        } else {
            hit.ToDoItem = static_cast<int>((place - DayFields) / ToDoFieldCount);
            hit.Field = static_cast<int>((place - DayFields) % ToDoFieldCount) + 1;
        }
    }

private:
    const CPlanovaDoc& Document;
    std::size_t DayFields;
    std::size_t Size;
};

/// The list position of the stored day of `start` or the first one after it (the count when none).
std::size_t StartDay(const CPlanovaDoc& document, const DateTime& start)
{
    const DayPosition position = document.FindDayPosition(start);
    switch (position.Outcome) {
    case DayPositionOutcome::Found:
    case DayPositionOutcome::InsertBefore:
        return position.Position;
    case DayPositionOutcome::EmptyList:
    case DayPositionOutcome::Append:
        break;
    }
    return document.DayList().size();
}

/**
 * How many places the walk tests, from the first one on: forward the places from `First` to the
 * end, backward the places `First`, `First` − 1 … 0 (`Count` of them).
 */
struct WalkStart
{
    std::size_t First = 0;
    std::size_t Count = 0;
};

/// Where the walk begins: after (backward: before) the current hit, at the start day, or at an end.
WalkStart BeginWalk(const CPlanovaDoc& document, const FieldSequence& fields, FindHitState& hit,
                    const DateTime& start, bool fromStart, bool backward)
{
    const std::size_t size = fields.Count();
    // The next place after `place` (exclusive) and the count of places tested from there.
    const auto after = [&](std::size_t place) {
        return backward ? WalkStart{place - 1, place} : WalkStart{place + 1, size - place - 1};
    };
    // The walk from the place `boundary` (forward) or from the place before it (backward).
    const auto from = [&](std::size_t boundary) {
        return backward ? WalkStart{boundary - 1, boundary} : WalkStart{boundary, size - boundary};
    };
    if (fromStart) {
        ResetFindHit(hit);
        return from(backward ? size : 0);
    }
    if (hit.Found && hit.ToDoItem < 0 && !(hit.Date == start))
        ResetFindHit(hit);
    if (hit.Found) {
        if (const std::size_t place = fields.PlaceOf(hit); place != std::string_view::npos)
            return after(place);
        ResetFindHit(hit);
    }
    const std::size_t day = StartDay(document, start);
    const bool startStored = day < document.DayList().size() && document.DayList()[day].GetDate() == start;
    // Backward the start day's own fields are tested too, from its last one.
    return from(fields.DayStart(backward && startStored ? day + 1 : day));
}

} // namespace

void ResetFindHit(FindHitState& hit)
{
    hit.Found = false;
    hit.ToDoItem = -1;
    hit.Field = 0;
    hit.Column = -1;
    hit.Line = -1;
    hit.Text.clear();
}

bool FindNext(const CPlanovaDoc& document, FindHitState& hit, const DateTime& start, std::string_view search,
              bool fromStart, const MatchOptions& options, const FindOrder& order)
{
    const TextFinder finder(search, options);
    const FieldSequence fields(document, order.ToDos);
    const WalkStart walk = BeginWalk(document, fields, hit, start, fromStart, order.Backward);
    for (std::size_t step = 0; step < walk.Count; ++step) {
        const std::size_t place = order.Backward ? walk.First - step : walk.First + step;
        const std::string* text = fields.Text(place);
        if (text == nullptr)
            continue;
        const TextMatch match = finder.Match(*text);
        if (!match.Found)
            continue;
        fields.Point(hit, place);
        hit.Found = true;
        hit.Line = match.Line;
        hit.Column = match.Column;
        hit.Text = std::string(search);
        return true;
    }
    return false;
}

bool ReplaceHit(CPlanovaDoc& document, FindHitState& hit, std::string_view search,
                std::string_view replacement, const MatchOptions& options)
{
    if (!hit.Found)
        return false;
    if (hit.ToDoItem >= 0) {
        if (hit.ToDoItem < document.ToDoCount()) {
            CToDo item = document.ToDo(hit.ToDoItem);
            SetToDoFieldText(item, hit.Field,
                             ReplaceFirst(ToDoFieldText(item, hit.Field), search, replacement, options));
            document.ReplaceToDo(hit.ToDoItem, std::move(item));
        }
        ResetFindHit(hit);
        return true;
    }
    document.UpdateDay(hit.Date, [&](CDayData& day) {
        SetDayFieldText(day, hit.Field,
                        ReplaceFirst(DayFieldText(day, hit.Field), search, replacement, options));
    });
    ResetFindHit(hit);
    return true;
}

ReplaceAllResult ReplaceAll(CPlanovaDoc& document, FindHitState& hit, std::string_view search,
                            std::string_view replacement, const MatchOptions& options, bool toDos)
{
    ReplaceAllResult result;
    if (search.empty()) {
        result.Result = Outcome::Refused("検索文字列が空です。「全て置換」では、置き換える文字列を"
                                         "「検索文字列」に入力してください。");
        return result;
    }
    const TextFinder finder(search, options);
    const std::vector<CDayData>& days = document.DayList();
    // Storing a day replaces its record in place, so the list can be walked while days are stored.
    for (std::size_t i = 0; i < days.size(); ++i) {
        const DateTime date = days[i].GetDate();
        if (!date.IsValid())
            continue;
        CDayData day = document.Day(date);
        int changed = 0;
        for (int field = 1; field <= LastDayField; ++field) {
            const std::string& text = DayFieldText(day, field);
            if (!finder.Match(text).Found)
                continue;
            SetDayFieldText(day, field, finder.ReplaceFirst(text, replacement));
            ++changed;
        }
        if (changed > 0) {
            document.PutDay(std::move(day));
            result.ChangedFields += changed;
            ++result.ChangedDays;
        }
        ResetFindHit(hit);
    }
    for (int i = 0; toDos && i < document.ToDoCount(); ++i) {
        CToDo item = document.ToDo(i);
        bool changed = false;
        for (int field = ToDoSubjectField; field <= ToDoFieldCount; ++field) {
            const std::string& text = ToDoFieldText(item, field);
            if (!finder.Match(text).Found)
                continue;
            SetToDoFieldText(item, field, finder.ReplaceFirst(text, replacement));
            ++result.ChangedFields;
            changed = true;
        }
        if (changed) {
            document.ReplaceToDo(i, std::move(item));
            ++result.ChangedToDos;
        }
    }
    ResetFindHit(hit);
    return result;
}

} // namespace planova
