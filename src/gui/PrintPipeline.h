#pragma once

// moc never reads this header; the core headers stay out of its way anyway.
#ifndef Q_MOC_RUN
#include "canvas/PrintOutput.h"
#include "model/CPlanovaDoc.h"
#include "view/ViewState.h"
#endif

#include <QString>

#include <functional>

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
};

/// A context with the real printer list and a modal preview.
PrintOutputContext MakePrintOutputContext(QWidget* parent, const QString& title,
                                          const QString& documentPath = {});

/// Asks the printer for the job's paper (as a custom size when it does not list it) and orientation.
void SetUpPrinter(QPrinter& printer, const ViewPrintState& job, const QString& title);

/**
 * Prints the job through CUPS — after the system's print dialog when the job's
 * "このダイアログを閉じた後に、既定のプリントダイアログを開く" is on. Without a printer the user is
 * told and nothing is printed. Returns whether pages were sent.
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
