#pragma once

#include <span>
#include <string_view>

namespace planova {

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

/// Commands identifiers of the application and frame.
namespace CommandId {
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int FilePrint = 57607;
constexpr int FilePrintPreview = 57609;
constexpr int RecentFile1 = 57616; ///< the recent-file entries are RecentFile1 … RecentFile1 + 3
constexpr int RecentFileCount = 4;
constexpr int EditCopy = 57634;
constexpr int EditCut = 57635;
constexpr int EditFind = 57636;
constexpr int EditPaste = 57637;
constexpr int EditReplace = 57641;
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;
constexpr int WindowNew = 57648;
constexpr int AppAbout = 57664;
constexpr int AppExit = 57665;
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;
constexpr int WindowList = 131;
constexpr int ToolbarCustomise = 310;
constexpr int LookFirst = 205;
constexpr int LookLast = 219;
constexpr int LookDefault = 210;
} // namespace CommandId

/**
 * One command: its identifier, menu text (UTF-8, "&" marks the accelerator key), where it sits on
 * the menu bar, its shortcut keys and its status-bar prompt.
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
};

/// A top-level menu of the menu bar (in the order shown) and the menu bars it belongs to.
struct MenuInfo
{
    std::string_view Title;
    unsigned MenuBars;
};

/// An entry of a popup menu built from the table: a command with the text it shows there (0: separator).
struct PopupEntry
{
    int Id;
    std::string_view Text;
};

/// Every command, in menu order.
std::span<const CommandInfo> Commands();

/// The command with the identifier, or nullptr.
const CommandInfo* FindCommand(int id);

/// The top-level menus in the order of the menu bar.
std::span<const MenuInfo> Menus();

/// The cell context menu "セルの操作".
std::span<const PopupEntry> CellContextMenu();

/// Whether the identifier is one of the application looks 205–219.
constexpr bool IsLookCommand(int id)
{
    return id >= CommandId::LookFirst && id <= CommandId::LookLast;
}

} // namespace planova
