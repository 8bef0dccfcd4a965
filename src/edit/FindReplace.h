#pragma once

#include "edit/DayFields.h"
#include "edit/TextFolding.h"
#include "model/CPlanovaDoc.h"
#include "model/FindHit.h"
#include "model/Outcome.h"

#include <string>
#include <string_view>

namespace planova {

// Find and replace over the document's stored days, field by field in the order of the field
// numbers (DayFields.h), and on request over the ToDo items after the days (subject, then memo),
// matching as MatchText does under the given options. The caller keeps the current hit (each view its
// own), which the drawing marks in yellow. Nothing here records undo.

/// Which way find walks and what it walks through.
struct FindOrder
{
    /// "前を検索": the fields are walked in the reverse order, from the hit towards the first day.
    bool Backward = false;
    /// "ToDoも検索": the ToDo items (subject, then memo) follow the last day.
    bool ToDos = false;
};

/// No hit: the found flag off, field 0, column and line −1, no text; the date stays.
void ResetFindHit(FindHitState& hit);

/**
 * "次を検索": the next hit after the current one, searching forward through the stored days in
 * list order (date order), then with `order.ToDos` through the ToDo items in list order, never
 * wrapping around. With `order.Backward` the same walk goes the other way.
 *
 * The walk begins at the first stored day (backward: the last field walked) when fromStart is
 * set, otherwise at the stored day of `start` or the first one after it (backward: the one before
 * it). On the start day the fields after (backward: before) the current hit's field are tested;
 * after a hit in a ToDo item the walk goes on from that item's field. A field is reported once
 * however often it holds the text (its first match). A current hit on another day than `start`
 * (the view was moved since) is forgotten first, so no field of the start day is skipped; so is a
 * hit in a ToDo item when the items are not searched. Records without a valid date are not
 * searched. Returns true and sets the hit on a find.
 */
bool FindNext(const CPlanovaDoc& document, FindHitState& hit, const DateTime& start, std::string_view search,
              bool fromStart, const MatchOptions& options = {}, const FindOrder& order = {});

/**
 * "置換": on the day (or the ToDo item) of the current hit, replaces the first occurrence of
 * `search` in the hit's field, stores the day or the item and resets the hit. Without a current hit
 * nothing happens (false).
 */
bool ReplaceHit(CPlanovaDoc& document, FindHitState& hit, std::string_view search,
                std::string_view replacement, const MatchOptions& options = {});

/// What "全て置換" did.
struct ReplaceAllResult
{
    Outcome Result;        ///< refused (changing nothing) for an empty search text
    int ChangedFields = 0; ///< fields replaced, one replacement each
    int ChangedDays = 0;   ///< days stored
    int ChangedToDos = 0;  ///< ToDo items stored
};

/**
 * "全て置換": every field of every stored day (and with `toDos` of every ToDo item) that holds
 * `search` gets its first occurrence replaced; a day or an item is stored only when one of its
 * fields changed, and the hit is reset. An empty search text is refused: it would put the
 * replacement in front of every field of every day.
 */
ReplaceAllResult ReplaceAll(CPlanovaDoc& document, FindHitState& hit, std::string_view search,
                            std::string_view replacement, const MatchOptions& options = {},
                            bool toDos = false);

} // namespace planova
