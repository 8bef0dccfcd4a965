#pragma once

#include "edit/CommandTable.h"

namespace planova {

class PlannerView;
class ViewServices;

// The school tools of the menu "予定表": they walk a date range through the document, each run one
// undo step. Before a run changes days with typed texts, the user is asked (ConfirmOverwrite).

/**
 * "データの自動作成...": the dialog opens with this year's defaults and the view's JUwagaki; on OK the
 * view keeps the dialog's overwrite switch (the document's JUwagaki is not changed) and the school
 * year is written day by day under a progress dialog. "キャンセル" there stops between two days:
 * the days written stay, every later day is as it was, and a message says how far it got.
 */
CommandOutcome RunMakeYear(PlannerView& view, ViewServices& dialogs);

/**
 * "時数の計算...": the dialog with the document's classes and period; "計算" counts into the view
 * and shows the results; "OK" with "設定を保存する" checked keeps names, offsets and period in the
 * document.
 */
CommandOutcome RunClassHours(PlannerView& view, ViewServices& dialogs);

/**
 * "「内容」の繰り上げ・繰り下げ...": the dialog opens on the shown day; OK moves the class's lesson
 * contents one lesson through the range (ShiftContents). A refused request is told and changes
 * nothing.
 */
CommandOutcome RunContentShift(PlannerView& view, ViewServices& dialogs);

} // namespace planova
