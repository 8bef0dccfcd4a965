#include "gui/QtViewDialogs.h"

#include "gui/CDayDataIns.h"
#include "gui/ExportDialogs.h"

namespace planova {

bool QtViewDialogs::EditEntry(EntryDialogValues& values)
{
    if (!EntryDialog)
        EntryDialog = new CDayDataIns(Parent);
    return EntryDialog->Run(values);
}

void QtViewDialogs::ExportDocument(ExportKind kind, const CPlanovaDoc& document)
{
    const ExportFormat format =
        kind == ExportKind::ICalendar ? ExportFormat::ICalendar : ExportFormat::DayCsv;
    planova::ExportDocument(Parent, document, format, DocumentPath ? DocumentPath() : QString());
}

} // namespace planova
