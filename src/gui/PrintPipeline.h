#pragma once

// moc never reads this header; the core headers stay out of its way anyway.
#ifndef Q_MOC_RUN
#include "canvas/PrintOutput.h"
#include "model/CPlanovaDoc.h"
#include "view/ViewState.h"
#endif

#include <QPageLayout>
#include <QString>

#include <functional>

class QPrintDialog;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace planova {

/// Where the pages of a print job go out, and how the user is reached.
struct PrintOutputContext
{
    QWidget* Parent = nullptr;
    QString Title; ///< the document's title: the PDF's title and the print job's name
    /// The document's file, which a PDF must never replace; empty for a document never saved.
    QString DocumentPath;
    /// Whether a printer is there (CUPS).
    std::function<bool()> PrinterAvailable;
    /// Shows the print preview modally.
    std::function<void(QPrintPreviewDialog&)> ShowPreview;
    /// Runs the system's print dialog modally; returns its result (QDialog::Accepted to print).
    std::function<int(QPrintDialog&)> RunPrintDialog;
    /// Tells the user in passing (the main window's status bar) what became of a job.
    std::function<void(const QString&)> ShowStatus;
};

/// A context with the real printer list and a modal preview.
PrintOutputContext MakePrintOutputContext(QWidget* parent, const QString& title,
                                          const QString& documentPath = {});

/// Asks the printer for the job's paper (as a custom size when it does not list it) and orientation.
void SetUpPrinter(QPrinter& printer, const ViewPrintState& job, const QString& title);

/**
 * After the system's print dialog: puts the refill's paper and orientation back where the dialog
 * replaced them with the printer's default paper, which it does whenever it (re)selects a printer.
 * A paper the user chose that is not the printer's default is kept.
 */
void KeepRefillPaper(QPrinter& printer, const QPageLayout& asked);

/// The question before a job goes out: "バイブル 365 ページを プリンタ名 に印刷します。"
QString PrintConfirmationText(const ViewPrintState& job, int pages, const QString& printerName);

/**
 * Prints the job through CUPS — after the system's print dialog when the job's
 * "このダイアログを閉じた後に、既定のプリントダイアログを開く" is on. The user confirms the paper,
 * page count and printer first; a long job shows its progress with "キャンセル", which stops it
 * without sending anything; the status bar says when the job was handed to the printer. Without a
 * printer the user is told and nothing is printed. Returns whether pages were sent.
 */
bool PrintOnPrinter(const PrintOutputContext& context, const CPlanovaDoc& document,
                    const ViewPrintState& job);

/// Shows the print preview of the job (pages drawn in whatever order it asks). Returns true.
bool ShowPrintPreview(const PrintOutputContext& context, const CPlanovaDoc& document,
                      const ViewPrintState& job);

/**
 * Asks for a file name and writes the job as a PDF with the safe save (on the printer paper, or
 * imposed on A4 sheets): a failed export leaves no file and is reported, and so is a file name that
 * is the document's own file. Returns whether the file was written.
 */
bool ExportPrintPdf(const PrintOutputContext& context, const CPlanovaDoc& document, const ViewPrintState& job,
                    PdfSheets sheets = PdfSheets::PrinterPaper);

} // namespace planova
