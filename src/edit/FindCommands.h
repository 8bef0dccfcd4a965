#pragma once

#include "dialogs/FindDialog.h"
#include "edit/CommandTable.h"
#include "edit/FindReplace.h"

#include <string_view>

namespace planova {

class PlannerView;
class ViewServices;

// What the view does for the commands "検索" and "置換" and for the requests of the modeless find
// dialog. The dialog stays open while the user works; each request acts on the view's document
// and keeps its hit in the view, matching under the dialog's options (MatchOptions). No request
// records undo.

/**
 * "次を検索" (or "前を検索", `order`) from the month calendar's date (CalendarDate): on a hit in a day
 * the view moves to the hit's day (as when that date is chosen in the calendar, the cell selection
 * cleared); on a hit in a ToDo item the item's pane row is selected and scrolled into the pane. True
 * is returned on a hit; without one the view stays and the caller tells the user that the search
 * reached the end.
 */
bool FindNextRequest(PlannerView& view, std::string_view search, bool fromStart,
                     const MatchOptions& options = {}, const FindOrder& order = {});

/// "置換": the current hit's field gets its first occurrence of `search` replaced; false without a hit.
bool ReplaceRequest(PlannerView& view, std::string_view search, std::string_view replacement,
                    const MatchOptions& options = {});

/// "全て置換" over every stored day (and with `toDos` every ToDo item); refused, changing nothing, for
/// an empty search text.
ReplaceAllResult ReplaceAllRequest(PlannerView& view, std::string_view search, std::string_view replacement,
                                   const MatchOptions& options = {}, bool toDos = false);

/// "終了" or the dialog closed: no dialog is open from the view any more and the hit is reset.
void EndFind(PlannerView& view);

/**
 * What "検索" (find mode) or "置換" (replace mode) does to the view: nothing when the dialog is
 * already open in that mode (false); otherwise the hit is reset, the view notes the mode and true
 * says that the caller opens the dialog in it, with empty texts, closing one open in the other mode.
 */
bool BeginFind(PlannerView& view, FindDialogMode mode);

/// "検索" (always enabled): BeginFind in find mode, and the dialog opened when it says so.
CommandOutcome RunFind(PlannerView& view, ViewServices& dialogs);
/// "置換" (always enabled): the same in replace mode.
CommandOutcome RunReplace(PlannerView& view, ViewServices& dialogs);

} // namespace planova
