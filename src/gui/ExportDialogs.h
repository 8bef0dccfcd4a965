#pragma once

#include "export/ExportFile.h"
#include "model/CPlanovaDoc.h"
#include "model/Outcome.h"

#include <QString>

#include <chrono>
#include <optional>

class QWidget;

namespace planova {

/// Menu texts of the two export commands of the file menu.
inline constexpr const char* ICalendarExportCommandText = "iCalendar形式で書き出し...";
inline constexpr const char* CsvExportCommandText = "CSV形式で書き出し...";
inline constexpr const char* WorkbookExportCommandText = "Excel形式で書き出し...";

/// Where an export goes and what it writes.
struct ExportTarget
{
    QString Path;
    ExportFormat Format = ExportFormat::ICalendar;
};

/**
 * Asks for the file of an export (UserDialogs::ExportFileName). For iCalendar one filter is offered;
 * for CSV (`DayCsv` or `ToDoCsv`) two, "予定表 CSV" and "ToDo CSV", and the one chosen decides what
 * is written. The suggestion is the document's name with the format's suffix, which a chosen name
 * without one receives too. Nothing when cancelled.
 */
std::optional<ExportTarget> AskExportTarget(QWidget* parent, ExportFormat format,
                                            const QString& documentPath);

/// How long an export runs, or is estimated to run, before its progress dialog appears.
inline constexpr std::chrono::milliseconds ExportProgressDelay{500};

/**
 * Writes the whole document (every stored day, the ToDo list) to the target with the safe save.
 * A window-modal progress dialog appears when the export takes longer than `showAfter`; its
 * "中止" button stops the export, which then writes nothing.
 */
Outcome ExportWithProgress(QWidget* parent, const CPlanovaDoc& document, const ExportTarget& target,
                           std::chrono::milliseconds showAfter = ExportProgressDelay);

/**
 * The menu commands "iCalendar形式で書き出し..." (`ICalendar`), "CSV形式で書き出し..." (`DayCsv`) and
 * "Excel形式で書き出し..." (`Workbook`):
 * asks for the file, writes it with progress and shows a refusal in a message box (a stop the user
 * asked for is not an error). True when a file was written.
 */
bool ExportDocument(QWidget* parent, const CPlanovaDoc& document, ExportFormat format,
                    const QString& documentPath,
                    std::chrono::milliseconds showProgressAfter = ExportProgressDelay);

} // namespace planova
