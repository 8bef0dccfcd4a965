#pragma once

#include "dialogs/CalendarServerDialog.h"
#include "dialogs/ClassHourDialog.h"
#include "dialogs/ContentShiftDialog.h"
#include "dialogs/EntryDialog.h"
#include "dialogs/FindDialog.h"
#include "dialogs/PrintDialog.h"
#include "dialogs/PropertySheet.h"
#include "dialogs/SchoolYearDialog.h"

#include <functional>
#include <string>

namespace planova {
class CPlanovaDoc;
}

namespace planova {

/// What the file menu's export commands write.
enum class ExportKind
{
    ICalendar, ///< "iCalendar形式で書き出し...": events, clock-hour rows and ToDo items
    Csv, ///< "CSV形式で書き出し...": the stored days (or, as the file dialog chooses, the ToDo list)
    Workbook, ///< "Excel形式で書き出し...": days, ToDo list and class hours in one workbook
};

/**
 * What the view's commands ask of the application: the dialogs, one method per dialog, and the
 * platform services a command uses (the system clipboard, the export and print output). A dialog
 * runs modally and returns true on OK with its values updated, false on cancel with the values
 * unchanged. The application answers with the real Qt dialogs; the tests with one scripted
 * implementation.
 *
 * A command that needs a new dialog or service adds one method here, its Qt side to the
 * application's implementation and an answer to the tests' script.
 */
class ViewServices
{
public:
    virtual ~ViewServices() = default;

    /// The cell edit dialog "QtEntryDialog": a day's kind and event, a period row, a memo or a ToDo item.
    virtual bool EditEntry(EntryDialogValues& values) = 0;

    /**
     * The modeless find dialog "検索・置換": shown in the mode with empty texts and the check box off,
     * replacing one open in the other mode; returns at once. Its buttons come back to the active view
     * as requests (FindNextRequest, ReplaceRequest, ReplaceAllRequest, EndFind).
     */
    virtual void OpenFindDialog(FindDialogMode mode) = 0;

    /// Not a dialog, the one platform service commands use: plain text (code page 932, CR LF line
    /// breaks) put on the system clipboard for other programs.
    virtual void SetSystemClipboardText(const std::string& cp932) = 0;
    /// The plain text on the system clipboard as code page 932 with CR LF line breaks (characters
    /// beyond the code page as their escapes); empty when it holds none.
    virtual std::string SystemClipboardText() = 0;

    /**
     * The export of the whole document: asks for the file, writes it (with progress on a long
     * export) and reports a refusal. The document is only read.
     */
    virtual void ExportDocument(ExportKind kind, const CPlanovaDoc& document) = 0;

    /**
     * "カレンダーサーバーに公開...": asks for the server and the range, then publishes the document's
     * events, clock-hour rows and ToDo items without holding up the windows; the outcome goes to
     * the status bar, a failure also to a message box. The document is only read.
     */
    virtual void PublishToCalendarServer(const CPlanovaDoc& document) = 0;
    /**
     * "行事予定を取り込む...": asks for the source (an iCalendar file or the server) and the range,
     * reads the events and lists the days whose 行事 would change; only on "OK" are those texts
     * stored. True when something was stored. The command runs it as one undo step.
     */
    virtual bool ImportCalendarEvents(CPlanovaDoc& document) = 0;

    /// The property sheet of "プロパティ...": the pages "表示", "印刷" and "時間割".
    virtual bool EditProperties(PropertySheetValues& values) = 0;
    /// "データの自動作成" (QtSchoolYearDialog).
    virtual bool EditSchoolYear(SchoolYearDialogValues& values) = 0;
    /// "時数計算" (QtClassHourDialog) in the mode of the values; true when "計算" (entry) or "OK" (result)
    /// closed it.
    virtual bool CountClassHours(ClassHourValues& values) = 0;
    /// "「内容」の繰り上げ・繰り下げ" (QtContentShiftDialog).
    virtual bool EditContentShift(ContentShiftValues& values) = 0;

    /// Told after each step of a long work (steps done, steps in all); false stops it before the next.
    using StepReport = std::function<bool(int done, int total)>;
    /**
     * Runs the work while a progress dialog titled `title` (UTF-8) shows how far it got; the work
     * calls the report after each step, which answers false once the user pressed "キャンセル".
     */
    virtual void RunWithProgress(const std::string& title,
                                 const std::function<void(const StepReport&)>& work) = 0;
    /// A message box with the text (UTF-8) and "OK".
    virtual void ShowMessage(const std::string& text) = 0;
    /// A question (UTF-8) with "OK" and "キャンセル", "キャンセル" the default: true on "OK".
    virtual bool ConfirmOverwrite(const std::string& question) = 0;

    /// The print options dialog "印刷" (QtPrintDialog, dialog 316): true on "印刷" with the model's values
    /// confirmed.
    virtual bool PrintOptions(PrintDialogModel& model) = 0;

    /**
     * Puts out the pages of a print job: to the printer (after the system's print dialog when the job
     * asks for it), into the print preview, or into a PDF file the user names. False when nothing was
     * put out — cancelled, no printer, a failed write; the user has been told why.
     */
    virtual bool PrintPages(const CPlanovaDoc& document, const ViewPrintState& job, PrintOutput output) = 0;
};

} // namespace planova
