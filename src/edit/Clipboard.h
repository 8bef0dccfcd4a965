#pragma once

#include "model/CDayData.h"
#include "model/CToDo.h"
#include "view/ViewClipboard.h"

namespace planova {

// The view's clipboard without the view: what copy, cut and paste take from and write into a
// cell of a day (a row of the day and week views) or a ToDo item, under the copy options. The
// options act twice: when copying they choose what is taken, when pasting what is written; a
// field that was not taken is held empty, so pasting it with its option on empties the target.

/// The clip kind of a cell row of the day and week views: 1 kind and event, 2 a period row, 3 the memo,
/// 0 the date header.
int CellClipKind(int row);

/**
 * Copy of a cell: the record is replaced by the fields of the row that the options take; the
 * colour only when "枠内の色" is on, otherwise the record keeps its earlier colour. The memo
 * is always taken. ClipDate becomes `now`.
 */
void CopyCell(ClipboardRecord& clip, const CopyOptions& options, const CDayData& day, int row,
              const DateTime& now);

/// Cut of a cell: as CopyCell, and every field taken is emptied in the day (a taken colour becomes 0).
/// ClipDate is not touched.
void CutCell(ClipboardRecord& clip, const CopyOptions& options, CDayData& day, int row);

/// Copy of a ToDo item: subject, importance, memo and the deadline as ClipDate; the options do not apply.
void CopyToDo(ClipboardRecord& clip, const CToDo& item);

/**
 * Paste onto a cell: when the row's kind is the record's kind, the fields whose options are on
 * are written (a period row's colour from ClipColor with "枠内の色" on); any other kind leaves
 * the day as it is.
 */
void PasteCell(const ClipboardRecord& clip, const CopyOptions& options, CDayData& day, int row);

/// The ToDo item a kind 4 record pastes.
CToDo ClippedToDo(const ClipboardRecord& clip);

/**
 * Inverts one copy option, then keeps each group usable: "時程" / "行事" and "時限" / "予定" /
 * "内容" always have one option on, so the option turns itself on again when it was the last one on
 * in its group. "枠内の色" simply toggles.
 */
void ToggleCopyOption(CopyOptions& options, bool CopyOptions::*option);

} // namespace planova
