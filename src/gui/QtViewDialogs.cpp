#include "gui/QtViewDialogs.h"

#include "canvas/QtText.h"
#include "gui/CDayDataIns.h"
#include "gui/CFindDlg.h"
#include "gui/ExportDialogs.h"

#include <QClipboard>
#include <QGuiApplication>

namespace planova {

bool QtViewDialogs::EditEntry(EntryDialogValues& values)
{
    if (!EntryDialog)
        EntryDialog = new CDayDataIns(Parent);
    return EntryDialog->Run(values);
}

void QtViewDialogs::OpenFindDialog(FindDialogMode mode)
{
    // The main window keeps one find dialog for all its document windows.
    if (auto* dialog = Parent ? Parent->window()->findChild<CFindDlg*>() : nullptr)
        dialog->Open(mode);
}

void QtViewDialogs::SetSystemClipboardText(const std::string& cp932)
{
    QGuiApplication::clipboard()->setText(DisplayText(cp932));
}

void QtViewDialogs::ExportDocument(ExportKind kind, const CPlanovaDoc& document)
{
    const ExportFormat format =
        kind == ExportKind::ICalendar ? ExportFormat::ICalendar : ExportFormat::DayCsv;
    planova::ExportDocument(Parent, document, format, DocumentPath ? DocumentPath() : QString());
}

} // namespace planova
