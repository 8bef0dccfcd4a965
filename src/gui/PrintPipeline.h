#pragma once

// moc never reads this header; the core headers stay out of its way anyway.
#ifndef Q_MOC_RUN
#include "dialogs/PrintDialog.h"
#endif

#include <QString>

#include <functional>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace planova {

class CPlanovaDoc;

/// Identifiers of the print commands of the file menu.
namespace PrintCommandId {
constexpr int Print = 57607;     ///< "印刷" (Ctrl+P)
constexpr int Preview = 57609;   ///< "プレビュー"
constexpr int ExportPdf = 32900; ///< "PDFに書き出し...", after the print commands
} // namespace PrintCommandId

/// What a print command works on: the document and the view's print state, and how to reach the user.
struct PrintRequest
{
    CPlanovaDoc& Document;
    ViewPrintState& Print; ///< the view's working copy, updated by "印刷" in the options dialog
    DateTime CurrentDate;  ///< the view's shown date: both dates of the dialog start there
    QString Title;         ///< the document's title (the PDF's title and the print job's name)
    QWidget* Parent = nullptr;
    PrintOptionsDialog& Options;

    /// Whether a printer is there (CUPS); replaceable for tests.
    std::function<bool()> PrinterAvailable;
    /// Shows the print preview modally; replaceable for tests.
    std::function<void(QPrintPreviewDialog&)> ShowPreview;
};

/// The request's defaults: the real printer list and a modal preview.
PrintRequest MakePrintRequest(CPlanovaDoc& document, ViewPrintState& print, const DateTime& currentDate,
                              const QString& title, QWidget* parent, PrintOptionsDialog& options);

/**
 * Asks the print options and returns the settings of the job; nothing when the user cancels or the
 * print type cannot be printed yet (the user is told). "印刷" in the dialog updates the view's print
 * state (and the document with "設定を保存する") even when the type cannot be printed.
 */
std::optional<ViewPrintState> AskPrintJob(PrintRequest& request, bool preview);

/// Asks the printer for the job's paper (as a custom size when it does not list it) and orientation.
void SetUpPrinter(QPrinter& printer, const ViewPrintState& job, const QString& title);

/**
 * "印刷" (57607): the options dialog, then the printer through CUPS — with the system's print dialog
 * first when "このダイアログを閉じた後に、既定のプリントダイアログを開く" is on. Without a printer the
 * user is told and nothing is printed. Returns whether pages were sent.
 */
bool RunPrintCommand(PrintRequest& request);

/// "プレビュー" (57609): the options dialog, then the print preview of the job. Returns whether it was shown.
bool RunPreviewCommand(PrintRequest& request);

/**
 * "PDFに書き出し...": the options dialog, then a file name, then the PDF written with the safe save
 * (a failed export leaves no file and is reported). Returns whether the file was written.
 */
bool RunExportPdfCommand(PrintRequest& request);

} // namespace planova
