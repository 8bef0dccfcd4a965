#pragma once

#include "model/DateTime.h"

#include <string>

namespace planova {

class CPlanovaDoc;

/// What the calendar server dialog is opened for.
enum class CalendarServerTask
{
    Publish, ///< "カレンダーサーバーに公開...": the plan of the range goes to the server
    Import, ///< "行事予定を取り込む...": the events of a file or of the server go into the days' 行事
};

/// What the calendar server dialog (QtCalendarServerDialog) shows and edits. Texts are UTF-8.
struct CalendarServerValues
{
    CalendarServerTask Task = CalendarServerTask::Publish;
    std::string Url;
    std::string User;
    /// Kept in the desktop's keyring (or for this session only), never in a settings file.
    std::string Password;
    DateTime From;
    DateTime To;
    /// Import only: read the events from IcsFile instead of the server.
    bool FromFile = false;
    std::string IcsFile;
    /// Publish only: publish in the background after every save.
    bool PublishAfterSave = false;
};

/// The dialog opens on the range of the days the document stores (today alone when it stores none).
CalendarServerValues CalendarServerDefaults(CalendarServerTask task, const CPlanovaDoc& document,
                                            const DateTime& today);

/**
 * Why OK is disabled now, or empty when it is enabled: no server URL (unless an import reads a
 * file), no file chosen for an import from a file, a start after the end.
 */
std::string CalendarServerRefusal(const CalendarServerValues& values);

} // namespace planova
