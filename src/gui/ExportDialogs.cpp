#include "gui/ExportDialogs.h"

#include "canvas/QtText.h"
#include "gui/LocalPath.h"
#include "gui/UserDialogs.h"
#include "model/OutputOverInput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

#include <array>
#include <chrono>
#include <string_view>
#include <vector>

namespace planova {
namespace {

struct FormatFilter
{
    ExportFormat Format;
    const char* Filter;
    const char* Suffix;
    const char* Command; ///< the menu text of the command that writes the format
};

constexpr std::array<FormatFilter, 4> Filters{{
    {ExportFormat::ICalendar, "iCalendar (*.ics)", "ics", ICalendarExportCommandText},
    {ExportFormat::DayCsv, "予定表 CSV (*.csv)", "csv", CsvExportCommandText},
    {ExportFormat::ToDoCsv, "ToDo CSV (*.csv)", "csv", CsvExportCommandText},
    {ExportFormat::Workbook, "Excel ブック (*.xlsx)", "xlsx", WorkbookExportCommandText},
}};

/// The filters offered with a format: those of the same suffix.
std::vector<FormatFilter> FiltersLike(ExportFormat format)
{
    std::string_view suffix;
    for (const FormatFilter& filter : Filters) {
        if (filter.Format == format)
            suffix = filter.Suffix;
    }
    std::vector<FormatFilter> offered;
    for (const FormatFilter& filter : Filters) {
        if (suffix == filter.Suffix)
            offered.push_back(filter);
    }
    return offered;
}

/// The menu text without its "...": the title of the dialogs of the command.
QString CommandTitle(ExportFormat format)
{
    QString text;
    for (const FormatFilter& filter : Filters) {
        if (filter.Format == format)
            text = Utf8Text(filter.Command);
    }
    text.chop(3);
    return text;
}

} // namespace

std::optional<ExportTarget> AskExportTarget(QWidget* parent, ExportFormat format, const QString& documentPath)
{
    const std::vector<FormatFilter> offered = FiltersLike(format);
    QStringList filters;
    int chosen = 0;
    for (std::size_t i = 0; i < offered.size(); ++i) {
        filters << Utf8Text(offered[i].Filter);
        if (offered[i].Format == format)
            chosen = static_cast<int>(i);
    }
    const QString suffix = QString::fromUtf8(offered.front().Suffix);
    const QFileInfo document(documentPath);
    const QString suggested = documentPath.isEmpty()
                                  ? QStringLiteral("planova.") + suffix
                                  : document.dir().filePath(document.completeBaseName() + "." + suffix);

    QString path =
        UserDialogs::Current().ExportFileName(parent, CommandTitle(format), suggested, filters, chosen);
    if (path.isEmpty())
        return std::nullopt;
    if (QFileInfo(path).suffix().isEmpty())
        path += "." + suffix;
    const std::size_t index = chosen >= 0 && static_cast<std::size_t>(chosen) < offered.size()
                                  ? static_cast<std::size_t>(chosen)
                                  : 0;
    return ExportTarget{path, offered[index].Format};
}

Outcome ExportWithProgress(QWidget* parent, const CPlanovaDoc& document, const ExportTarget& target,
                           std::chrono::milliseconds showAfter)
{
    QProgressDialog progress(Utf8Text("書き出しています..."), Utf8Text("中止"), 0, 1, parent);
    progress.setWindowTitle(CommandTitle(target.Format));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(static_cast<int>(showAfter.count()));
    progress.setAutoReset(false);
    progress.setValue(0); // the half second counts from here

    const ExportRequest request{target.Format, {}, UtcDateTime(std::chrono::system_clock::now())};
    return ExportToFile(document, request, LocalPath(target.Path), [&](std::size_t done, std::size_t total) {
        progress.setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
        progress.setValue(static_cast<int>(done));
        return !progress.wasCanceled();
    });
}

bool ExportDocument(QWidget* parent, const CPlanovaDoc& document, ExportFormat format,
                    const QString& documentPath, std::chrono::milliseconds showProgressAfter)
{
    const std::optional<ExportTarget> target = AskExportTarget(parent, format, documentPath);
    if (!target)
        return false;
    Outcome written = CheckOutputIsNotInput(LocalPath(documentPath), LocalPath(target->Path));
    if (written.Ok)
        written = ExportWithProgress(parent, document, *target, showProgressAfter);
    if (!written.Ok && written.Error != ExportStoppedReason)
        ShowError(parent, Utf8Text("書き出せませんでした: ") + target->Path + "\n" + Utf8Text(written.Error));
    return written.Ok;
}

} // namespace planova
