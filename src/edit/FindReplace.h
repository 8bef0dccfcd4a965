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
// numbers (DayFields.h), matching as MatchText does under the given options. The caller keeps the current hit
// (each view its own), which the drawing marks in yellow; the ToDo list is not searched. Nothing here records
// undo.

/// No hit: the found flag off, field 0, column and line −1, no text; the date stays.
void ResetFindHit(FindHitState& hit);

/**
 * "次を検索": the next hit after the current one, searching forward through the stored days in
 * list order (date order) and never wrapping around.
 *
 * The walk begins at the first stored day when fromStart is set, otherwise at the stored day of
 * `start` or the first one after it. On the start day the fields after the current hit's field
 * are tested; on every other day the hit is reset first and all 33 fields are tested. A field is
 * reported once however often it holds the text. A current hit on another day than `start` (the
 * view was moved since) is forgotten first, so no field of the start day is skipped. Records
 * without a valid date are not searched. Returns true and sets the hit on a find.
 */
bool FindNext(const CPlanovaDoc& document, FindHitState& hit, const DateTime& start, std::string_view search,
              bool fromStart, const MatchOptions& options = {});

/**
 * "置換": on the day of the current hit, replaces the first occurrence of `search` in the hit's
 * field, stores the day and resets the hit. Without a current hit nothing happens (false).
 */
bool ReplaceHit(CPlanovaDoc& document, FindHitState& hit, std::string_view search,
                std::string_view replacement, const MatchOptions& options = {});

/// What "全て置換" did.
struct ReplaceAllResult
{
    Outcome Result;        ///< refused (changing nothing) for an empty search text
    int ChangedFields = 0; ///< fields replaced, one replacement each
    int ChangedDays = 0;   ///< days stored
};

/**
 * "全て置換": every field of every stored day that holds `search` gets its first occurrence
 * replaced; a day is stored only when one of its fields changed, and the hit is reset. An empty
 * search text is refused: it would put the replacement in front of every field of every day.
 */
ReplaceAllResult ReplaceAll(CPlanovaDoc& document, FindHitState& hit, std::string_view search,
                            std::string_view replacement, const MatchOptions& options = {});

} // namespace planova
