#pragma once

#include "model/CPlanovaDoc.h"
#include "model/Outcome.h"
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
 * What the printed pages take from the moment and the program: the footer's date and time in the
 * user's locale, and the routine-work picture "ルーチンワーク.bmp" in the program's folder.
 */
PrintEnvironment PrintEnvironmentAt(const QDateTime& now, const QString& programFolder);

/**
 * Paints the pages of the job onto a paged device (a printer or a PDF writer) with an active painter,
 * starting a new page before each page after the first. The device's (0, 0) must be the paper's corner.
 * firstPage and lastPage choose a range (0: from the first, to the last page).
 */
void PaintPrintJob(QPainter& painter, QPagedPaintDevice& device, const CPlanovaDoc& document,
                   const ViewPrintState& print, const PrintEnvironment& environment, int firstPage = 0,
                   int lastPage = 0);

/// Pixels per inch of the PDF pages.
constexpr int PdfResolution = 600;

/// A PDF writer into the device for a job's sheets: the resolution, the page layout and the title set.
std::unique_ptr<QPdfWriter> MakePdfWriter(QIODevice& device, const PrintSettings& settings,
                                          const QString& title);

/**
 * The job as a PDF document in memory: one page per printed page on the requested printer paper, the
 * fonts embedded as subsets, the title set, the text searchable. Empty when the job has no pages.
 */
QByteArray PrintPdf(const CPlanovaDoc& document, const ViewPrintState& print,
                    const PrintEnvironment& environment, const QString& title);

/// Writes the job as a PDF file with the safe save: a failed export leaves no file behind.
Outcome ExportPdf(const std::string& path, const CPlanovaDoc& document, const ViewPrintState& print,
                  const PrintEnvironment& environment, const QString& title);

} // namespace planova
