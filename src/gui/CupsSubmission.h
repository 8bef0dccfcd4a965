#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

namespace planova {

/**
 * A print job as CUPS is asked to print it: the queue, the job's name, the paper ("media") and the
 * options the system's print dialog chose (copies, both sides, its printer properties).
 *
 * A job is made into a PDF file first and handed to CUPS only when every page is made, so that
 * "キャンセル" while the pages are made sends nothing: Qt's own CUPS output cannot withdraw a job
 * once it has begun.
 */
struct CupsJob
{
    QString Printer;
    QString Title;
    QString Media; ///< a CUPS media name: "A5", or "Custom.100x148mm" for a size the printer does not list
    int Copies = 1;
    /// Further "name=value" options.
    QStringList Options;
};

/// The job the printer is set up for; read before the printer's output is turned to a file.
CupsJob CupsJobOf(QPrinter& printer);

/// The command-line arguments of `lp` that print the PDF file as the job.
QStringList LpArguments(const CupsJob& job, const QString& pdfPath);

/// Hands the PDF file to CUPS with `lp`. Returns an empty text, or why CUPS did not take the job.
QString SubmitToCups(const CupsJob& job, const QString& pdfPath);

} // namespace planova
