#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"
#include "model/Outcome.h"
#include "print/Imposition.h"
#include "print/PrintedPage.h"
#include "print/RefillPaper.h"
#include "view/ViewState.h"

#include <QByteArray>
#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <memory>
#include <string>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;

namespace planova {

/// The printer paper as a Qt page size (A4, A5, Japanese postcard).
QPageSize PageSizeOf(PrinterPaper paper);

/// The sheet of a job: the printer paper the refill asks for, in the requested orientation, no margins.
QPageLayout PrintPageLayout(const PrintSettings& settings);

/**
 * What the printed pages take from the moment and the program: the footer's date and time in
 * Japanese ("2026/12/11", "9:05"), and the routine-work picture "ルーチンワーク.bmp" in the program's folder.
 */
PrintEnvironment PrintEnvironmentAt(const DateTime& now, const QString& programFolder);

/**
 * Paints the pages of the job onto a paged device (a printer or a PDF writer) with an active painter,
 * starting a new page before each page after the first. The device's (0, 0) must be the paper's corner.
 * firstPage and lastPage choose a range (0: from the first, to the last page).
 */
void PaintPrintJob(QPainter& painter, QPagedPaintDevice& device, const CPlanovaDoc& document,
                   const ViewPrintState& print, const PrintEnvironment& environment, int firstPage = 0,
                   int lastPage = 0);

/// The sheets a PDF is made of.
enum class PdfSheets
{
    PrinterPaper, ///< one printed page per sheet of the printer paper the refill asks for
    ImposedA4,    ///< the refills imposed on portrait A4 sheets, front and back (ImpositionPlan)
};

/// The portrait A4 sheet of an imposed job, no margins.
QPageLayout ImposedSheetLayout();

/**
 * Paints the job imposed on A4 sheets onto a paged device with an active painter: for every sheet its
 * front (with the cut marks), then its back, each refill page drawn as on its own paper, clipped to
 * its refill and turned into its slot. The device's (0, 0) must be the sheet's corner.
 */
void PaintImposedJob(QPainter& painter, QPagedPaintDevice& device, const CPlanovaDoc& document,
                     const ViewPrintState& print, const PrintEnvironment& environment,
                     const ImpositionPlan& plan);

/// Pixels per inch of the PDF pages.
constexpr int PdfResolution = 600;

/// A PDF writer into the device for a job's sheets: the resolution, the page layout and the title set.
std::unique_ptr<QPdfWriter> MakePdfWriter(QIODevice& device, const PrintSettings& settings,
                                          const QString& title);

/**
 * The job as a PDF document in memory: one page per printed page on the requested printer paper (or two
 * pages, front and back, per A4 sheet of imposed refills), the fonts embedded as subsets, the title set,
 * the text searchable. Empty when the job has no pages or its refills cannot be imposed.
 */
QByteArray PrintPdf(const CPlanovaDoc& document, const ViewPrintState& print,
                    const PrintEnvironment& environment, const QString& title,
                    PdfSheets sheets = PdfSheets::PrinterPaper);

/**
 * Writes the job as a PDF file with the safe save: a failed export leaves no file behind. A job of
 * more than MaxPrintPages pages is refused before a page is drawn, and running out of memory while
 * the PDF is made is a refusal too.
 */
Outcome ExportPdf(const std::string& path, const CPlanovaDoc& document, const ViewPrintState& print,
                  const PrintEnvironment& environment, const QString& title,
                  PdfSheets sheets = PdfSheets::PrinterPaper);

} // namespace planova
