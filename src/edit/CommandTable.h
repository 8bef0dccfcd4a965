#pragma once

#include "edit/CommandIds.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace planova {

class PlannerView;
class ViewServices;

/// Who runs a command.
enum class CommandHandler
{
    Application, ///< the application and its frames (files, windows, looks, help)
    View,        ///< the active document window's view
    Nobody,      ///< listed on the menus, never enabled
};

/// The mark a menu item can show.
enum class CommandMark
{
    None,
    Check,
    Radio
};

/// Menu bars a menu item appears on: the one shown without documents, the one shown with them.
enum CommandMenuBar : unsigned
{
    NoDocumentBar = 1,
    DocumentBar = 2,
    BothBars = 3
};

/// What a command of the view writes into the document, which says how its undo step is recorded.
enum class DocumentWrite
{
    None,     ///< nothing stored in the file: the view, the clipboard, dialogs that only show
    Content,  ///< days and ToDo items: one undo step keeps the days and items it wrote
    Settings, ///< settings too: the step also keeps the settings as they were and became
    History,  ///< undo and redo themselves, which move steps between the two lists
};

/// What running a command of the view changed; the caller redraws the view, and every view of a changed
/// document.
enum class CommandOutcome
{
    NotRun,          ///< the view runs no such command, or it is disabled now: nothing happened
    ViewChanged,     ///< the selection, the shown day or the view's settings
    DocumentChanged, ///< the document was written
};

/**
 * One command: its identifier, menu text (UTF-8, "&" marks the accelerator key), where it sits on
 * the menu bar, its shortcut keys and its status-bar prompt; for a command of the view also its
 * enable rule, its mark, the text it shows now and what it does.
 *
 * This table is the one place where a command lives: a new command of the view is one row (plus,
 * when it runs a dialog, one method of ViewServices). A view row without Run is listed and stays
 * disabled until its action is written.
 */
struct CommandInfo
{
    int Id;
    std::string_view Text;
    /// Menu path from the menu bar, levels separated by "/"; empty: on no menu of the menu bar.
    std::string_view MenuPath;
    CommandHandler Handler;
    /// Shortcut keys in portable form ("Ctrl+C"), several separated by ";".
    std::string_view Shortcuts = {};
    std::string_view Prompt = {};
    unsigned MenuBars = DocumentBar;
    bool SeparatorBefore = false;
    CommandMark Mark = CommandMark::None;
    /// On the toolbar "標準" unless the user chose otherwise.
    bool OnDefaultToolbar = false;

    // ---- Commands of the view (Handler View) --------------------------------------------------
    /// Whether the command can run now; nullptr: always, once it has a Run.
    bool (*Enabled)(const PlannerView& view) = nullptr;
    /// Whether its menu item shows its mark now; nullptr: never.
    bool (*Checked)(const PlannerView& view) = nullptr;
    /// The menu text it shows now (UTF-8); nullptr: Text.
    std::string (*CurrentText)(const PlannerView& view) = nullptr;
    /// Runs the command on the view, with the dialogs it needs.
    CommandOutcome (*Run)(PlannerView& view, ViewServices& dialogs) = nullptr;
    /// What it writes into the document: a run of a Content or Settings row is one undo step.
    DocumentWrite Writes = DocumentWrite::None;
    /// The name of that step on the undo and redo menu items; empty: the menu text (UndoStepName).
    std::string_view StepName = {};
};

/// A top-level menu of the menu bar (in the order shown) and the menu bars it belongs to.
struct MenuInfo
{
    std::string_view Title;
    unsigned MenuBars;
};

/// An entry of a popup menu of the table: a command with the text it shows there (CommandId::Separator: a
/// separator).
struct PopupEntry
{
    int Id;
    std::string_view Text;
};

/// An item of a popup menu of the view: a command, the text it shows there (UTF-8) and whether it can run
/// now. A separator has the identifier CommandId::Separator.
struct PopupItem
{
    int Id = CommandId::Separator;
    std::string Text;
    bool Enabled = false;
};

/// Every command, in menu order.
std::span<const CommandInfo> Commands();

/// The name an undo step of the command carries: its StepName, else its menu text without accelerator
/// and dots.
std::string UndoStepName(const CommandInfo& command);

/// The command with the identifier, or nullptr.
const CommandInfo* FindCommand(int id);

/// The top-level menus in the order of the menu bar.
std::span<const MenuInfo> Menus();

/// Whether the view runs the command now: a view row with an action whose enable rule holds.
bool IsViewCommandEnabled(const PlannerView& view, int id);

/// Whether the view's command shows its mark now (false for any other identifier).
bool IsViewCommandChecked(const PlannerView& view, int id);

/// The menu text the view's command shows now (UTF-8), or empty for the table's text.
std::string ViewCommandText(const PlannerView& view, int id);

/// Runs the view's command when it is enabled now (NotRun otherwise, changing nothing).
CommandOutcome RunViewCommand(PlannerView& view, int id, ViewServices& dialogs);

/// The entries of the cell context menu "セルの操作".
std::span<const PopupEntry> CellContextMenu();

/// The cell context menu for the view's selection now, each item enabled by its command's rule: what the
/// window shows.
std::vector<PopupItem> CellContextMenuItems(const PlannerView& view);

} // namespace planova
