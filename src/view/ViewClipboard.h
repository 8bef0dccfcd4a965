#pragma once

#include "model/DateTime.h"

#include <array>
#include <string>

namespace planova {

/// What the view's clipboard holds.
enum ClipKind : int
{
    ClipEmpty = 0,
    ClipKindAndEvent = 1, ///< a day's time-table kind and event
    ClipPeriodRow = 2,    ///< label, plan, content and colour of a period row
    ClipMemo = 3,         ///< a day's memo
    ClipToDo = 4,         ///< a ToDo item
};

/**
 * The view's own clipboard: at most one cell or ToDo item. Texts are code page 932 bytes; a field
 * the copy options did not take is held empty.
 */
struct ClipboardRecord
{
    int ClipKind = ClipEmpty;
    /// Kinds 1–3: [0] kind / label / memo, [1] event / plan, [2] content; kind 4: [0] subject,
    /// [1] importance, [2] memo.
    std::array<std::string, 3> ClipTexts;
    DateTime ClipDate = DateTime::FromDayNumber(0.0); ///< kind 4: the deadline
    int ClipColor = 0; ///< the colour of the last period row copied or cut with "枠内の色" on
    /// What the last copy or cut took, as plain text for the system clipboard: the texts taken,
    /// separated by tabs, line breaks kept (code page 932).
    std::string PlainText;
};

/// The copy options of the view: which fields of a cell copy, cut and paste take part in.
struct CopyOptions
{
    bool CopyJitei = true;   ///< "時程"
    bool CopyGyouji = true;  ///< "行事"
    bool CopyJigenn = false; ///< "時限"
    bool CopyYotei = true;   ///< "予定"
    bool CopyNaiyou = true;  ///< "内容"
    bool CopyIro = true;     ///< "枠内の色"
    bool operator==(const CopyOptions&) const = default;
};

} // namespace planova
