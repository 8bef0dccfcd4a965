#pragma once

#include "dialogs/EntryDialog.h"

namespace planova {

/**
 * The dialogs the view's commands run, one method per dialog. Each runs modally and returns true
 * on OK with its values updated, false on cancel with the values unchanged. The application shows
 * the real Qt dialogs; the tests answer with one scripted implementation.
 *
 * A command that needs a new dialog adds one method here, its Qt dialog to the application's
 * implementation and an answer to the tests' script.
 */
class ViewDialogs
{
public:
    virtual ~ViewDialogs() = default;

    /// The cell edit dialog "CDayDataIns": a day's kind and event, a period row, a memo or a ToDo item.
    virtual bool EditEntry(EntryDialogValues& values) = 0;
};

} // namespace planova
