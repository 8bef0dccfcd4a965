#include "export/ExportFile.h"

#include "export/CsvExport.h"
#include "export/ICalendarExport.h"
#include "export/WorkbookExport.h"
#include "model/OutOfMemory.h"
#include "model/SafeSave.h"

namespace planova {

std::string ExportText(const CPlanovaDoc& document, const ExportRequest& request,
                       const ExportProgress& progress)
{
    switch (request.Format) {
    case ExportFormat::ICalendar:
        return ICalendarText(document, request.Range, request.StampUtc, progress);
    case ExportFormat::DayCsv:
        return DayCsvText(document, request.Range, request.Formulas, progress);
    case ExportFormat::ToDoCsv:
        return ToDoCsvText(document, request.Formulas, progress);
    case ExportFormat::Workbook:
        return WorkbookBytes(document, request.Range, progress);
    }
    throw ExportError("書き出しの形式が正しくありません。");
}

Outcome ExportToFile(const CPlanovaDoc& document, const ExportRequest& request, const std::string& path,
                     const ExportProgress& progress)
{
    return GuardMemory("書き出し", [&] {
        std::string text;
        try {
            text = ExportText(document, request, progress);
        } catch (const ExportError& error) {
            return Outcome::Refused(error.what());
        }
        return SafeSave(path, text);
    });
}

DateTime UtcDateTime(std::chrono::system_clock::time_point moment)
{
    const auto seconds = std::chrono::floor<std::chrono::seconds>(moment);
    const auto day = std::chrono::floor<std::chrono::days>(seconds);
    const auto secondOfDay = (seconds - day).count();
    return DateTime::FromDayNumber(DateTime::FromSysDays(day).DayNumber() +
                                   static_cast<double>(secondOfDay) / 86400.0);
}

} // namespace planova
