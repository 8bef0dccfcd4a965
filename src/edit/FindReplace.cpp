#include "edit/FindReplace.h"

#include "edit/TextSearch.h"

namespace planova {

namespace {

/// Where the walk through the stored days begins.
std::size_t FirstVisitedDay(const CPlanovaDoc& document, const DateTime& start, bool fromStart)
{
    if (fromStart)
        return 0;
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

} // namespace

void ResetFindHit(FindHitState& hit)
{
    hit.Found = false;
    hit.Field = 0;
    hit.Column = -1;
    hit.Line = -1;
    hit.Text.clear();
}

bool FindNext(const CPlanovaDoc& document, FindHitState& hit, const DateTime& start, std::string_view search,
              bool fromStart, const MatchOptions& options)
{
    const TextFinder finder(search, options);
    if (hit.Found && !(hit.Date == start))
        ResetFindHit(hit);
    if (!hit.Found)
        hit.Field = 0;
    const std::vector<CDayData>& days = document.DayList();
    for (std::size_t i = FirstVisitedDay(document, start, fromStart); i < days.size(); ++i) {
        const CDayData& day = days[i];
        if (!day.GetDate().IsValid())
            continue;
        if (!(day.GetDate() == start))
            ResetFindHit(hit);
        for (int field = hit.Field + 1; field <= LastDayField; ++field) {
            const TextMatch match = finder.Match(DayFieldText(day, field));
            if (!match.Found)
                continue;
            hit.Found = true;
            hit.Date = day.GetDate();
            hit.Field = field;
            hit.Line = match.Line;
            hit.Column = match.Column;
            hit.Text = std::string(search);
            return true;
        }
    }
    return false;
}

bool ReplaceHit(CPlanovaDoc& document, FindHitState& hit, std::string_view search,
                std::string_view replacement, const MatchOptions& options)
{
    if (!hit.Found)
        return false;
    document.UpdateDay(hit.Date, [&](CDayData& day) {
        SetDayFieldText(day, hit.Field,
                        ReplaceFirst(DayFieldText(day, hit.Field), search, replacement, options));
    });
    ResetFindHit(hit);
    return true;
}

ReplaceAllResult ReplaceAll(CPlanovaDoc& document, FindHitState& hit, std::string_view search,
                            std::string_view replacement, const MatchOptions& options)
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
    return result;
}

} // namespace planova
