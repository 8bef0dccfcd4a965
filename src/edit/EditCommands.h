#pragma once

#include <string>

namespace planova {

class EntryDialog;
class PlannerView;

/// Identifiers of the editing commands of the view (menu "予定表", the cell context menu and undo).
namespace EditCommand {
constexpr int Edit = 32797;          ///< "編集"
constexpr int Insert = 32794;        ///< "挿入"
constexpr int MoveUp = 32796;        ///< "上に移動"
constexpr int MoveDown = 32798;      ///< "下に移動"
constexpr int Delete = 32795;        ///< "削除"
constexpr int StandardDay = 32807;   ///< "標準データで上書き"
constexpr int SchoolDayRows = 32810; ///< "学校時程に変更"
constexpr int ClockHourRows = 32808; ///< "時刻表示に変更"
constexpr int ClearDay = 32812;      ///< "この日の全データ消去"
constexpr int FirstWeekday = 32814;  ///< "表示始めの曜日の変更"
constexpr int Undo = 57643;          ///< "元に戻す(&U)"
} // namespace EditCommand

/// What running a command changed; the caller redraws the view, and every view of a changed document.
enum class EditOutcome
{
    NotRun,          ///< not an editing command, or disabled now: nothing happened
    ViewChanged,     ///< the selection, the shown day or the view's settings
    DocumentChanged, ///< the document was written
};

/// Whether the identifier is one of the editing commands above.
bool IsEditCommand(int id);

/// The command's enable rule for the view's selection and mode now (false for other identifiers).
bool IsEditCommandEnabled(const PlannerView& view, int id);

/// The menu text the command shows now (UTF-8), or empty for the command table's text.
std::string EditCommandText(const PlannerView& view, int id);

/**
 * Runs the command when it is enabled now. Insert runs the dialog for the new row or item; the
 * row and day commands record an undo snapshot of the day before they change it, as the undo
 * history keeps days (ToDo items only when deleted); moving and inserting ToDo items keep none.
 */
EditOutcome ExecuteEditCommand(PlannerView& view, int id, EntryDialog& dialog);

} // namespace planova
