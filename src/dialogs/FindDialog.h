#pragma once

namespace planova {

/// How the find dialog "検索・置換" is open: the command that opened it decides.
enum FindDialogMode : int
{
    FindDialogClosed = 0,
    FindDialogFind = 1,    ///< "検索": searching only
    FindDialogReplace = 2, ///< "置換": searching and replacing
};

/// Whether the replacement text and the buttons "置換" and "全て置換" can be used: in replace mode only.
constexpr bool CanReplaceIn(FindDialogMode mode)
{
    return mode == FindDialogReplace;
}

} // namespace planova
