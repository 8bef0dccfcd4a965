#pragma once

#include "dialogs/PrintDialog.h"
#include "edit/CommandTable.h"

namespace planova {

class PlannerView;
class ViewServices;

/**
 * "印刷" (57607), "プレビュー" (57609), "PDFに書き出し..." and "A4に面付けしてPDFに書き出し...": the
 * print options dialog, then the job's pages to the output. "キャンセル" ends the command with nothing
 * changed (NotRun). "印刷" in the dialog gives its values to the view (and with "設定を保存する" to the
 * document: DocumentChanged); a print type that has no page layout, or A4 refills to be imposed on
 * A4, is then refused with a message.
 */
CommandOutcome RunPrintCommand(PlannerView& view, ViewServices& dialogs, PrintOutput output);

/// The message for a print type that has no page layout (an unknown value from a damaged file).
constexpr const char* UnknownPrintTypeMessage = "この印刷タイプは印刷できません。";

} // namespace planova
