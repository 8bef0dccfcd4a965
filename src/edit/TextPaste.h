#pragma once

#include "model/CDayData.h"
#include "model/CToDo.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace planova {

// Pasting plain text another program put on the system clipboard: texts are code page 932 with CR
// LF line breaks (characters beyond the code page as their escapes), and every field takes at most
// MaxPastedFieldBytes of them.

/// The most bytes a pasted text puts into one field (what the file stores, escapes counted whole).
inline constexpr std::size_t MaxPastedFieldBytes = 30000;

/// What a paste could not take, for the message that says so.
struct PasteLoss
{
    int CutFields = 0;     ///< fields whose text was cut at MaxPastedFieldBytes
    int LeftOverLines = 0; ///< lines below the last period row, not pasted

    bool Any() const { return CutFields > 0 || LeftOverLines > 0; }
    /// The Japanese message naming what was cut and how; empty when nothing was.
    std::string Message() const;
};

/**
 * The text cut to at most MaxPastedFieldBytes on a character boundary (never inside a double-byte
 * character, an escape or a CR LF pair); `loss` counts a cut field.
 */
std::string FitToField(std::string_view text, PasteLoss& loss);

/// The lines of a text split at CR LF; a final line break ends the last line and starts none.
std::vector<std::string> PastedLines(std::string_view text);

/**
 * Pastes the text onto a cell row of a day (DayRow numbering): a period row takes one line per
 * row into its plan ("予定"), from the row down (lines below the last row are counted in `loss`);
 * the row of kind and event takes the whole text as its event ("行事"), the memo row as the memo.
 */
void PasteTextIntoDay(CDayData& day, int row, std::string_view text, PasteLoss& loss);

/// The ToDo items of a pasted text: one per non-empty line, the line as its subject, due on `deadline`.
std::vector<CToDo> PastedToDos(std::string_view text, const DateTime& deadline, PasteLoss& loss);

} // namespace planova
