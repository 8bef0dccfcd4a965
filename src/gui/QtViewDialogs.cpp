#include "gui/QtViewDialogs.h"

#include "gui/CDayDataIns.h"

namespace planova {

bool QtViewDialogs::EditEntry(EntryDialogValues& values)
{
    if (!EntryDialog)
        EntryDialog = new CDayDataIns(Parent);
    return EntryDialog->Run(values);
}

} // namespace planova
