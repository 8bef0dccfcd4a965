#pragma once

#include "export/CsvText.h"
#include "export/ExportSource.h"
#include "model/CPlanovaDoc.h"
#include "model/Outcome.h"

#include <chrono>
#include <string>

namespace planova {

/// What an export writes.
enum class ExportFormat
{
    ICalendar, ///< events, clock-hour rows and ToDo items as iCalendar (ICalendarText)
    DayCsv,    ///< the stored days as CSV (DayCsvText)
    ToDoCsv,   ///< the ToDo list as CSV (ToDoCsvText)
    Workbook,  ///< days, ToDo list and class hours as an Excel workbook (WorkbookBytes)
};

struct ExportRequest
{
    ExportFormat Format = ExportFormat::ICalendar;
    /// The days taken; ToDo items are always taken whole.
    ExportRange Range;
    /// The moment of the export in UTC (the iCalendar DTSTAMP).
    DateTime StampUtc;
    /// Whether CSV fields that look like formulas are kept from being read as formulas.
    CsvFormulas Formulas = CsvFormulas::Neutralised;
};

/// The text (for a workbook, the bytes) of the export; throws ExportError like the format's own function.
std::string ExportText(const CPlanovaDoc& document, const ExportRequest& request,
                       const ExportProgress& progress = {});

/**
 * Writes the export to the path with the safe save. Refused with the Japanese reason (a text that
 * cannot be written, a stop asked for through the progress, memory that ran out, a failed save): nothing is
 * written then and an existing file stays as it was.
 */
Outcome ExportToFile(const CPlanovaDoc& document, const ExportRequest& request, const std::string& path,
                     const ExportProgress& progress = {});

/// A moment of the system clock as a date-time value in UTC.
DateTime UtcDateTime(std::chrono::system_clock::time_point moment);

} // namespace planova
