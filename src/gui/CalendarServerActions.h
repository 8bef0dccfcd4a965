#pragma once

#include "caldav/CalDavClient.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

class QString;
class QWidget;

namespace planova {

class AppSettings;
class CPlanovaDoc;
struct CalendarServerValues;

/// How work with a calendar server ended.
struct ServerWorkOutcome
{
    bool Stopped = false;             ///< the user pressed "キャンセル"
    std::optional<std::string> Error; ///< the failure's message (UTF-8), when it failed
};

/**
 * Runs the work in a thread of its own while a busy dialog over the parent says `label` and offers
 * "キャンセル", which sets the flag the work passes to its client (CalDavClient::StopWhen). The
 * windows keep painting meanwhile. Returns once the work has ended; a CalDavError or any other
 * exception it throws becomes the outcome's Error.
 */
ServerWorkOutcome RunServerWork(QWidget* parent, const QString& label,
                                const std::function<void(const std::atomic<bool>& stop)>& work);

/// The account the values name (the URL as typed: CalDavClient checks it).
CalDavAccount AccountOf(const CalendarServerValues& values);

/**
 * "カレンダーサーバーに公開...": the dialog, then the publish of the range under a busy dialog. The
 * result goes to the status bar; a failure is also shown in a message box with the server's answer.
 * The account (not the password) is remembered in the settings, the password in the keyring.
 */
void PublishWithDialog(QWidget* parent, const CPlanovaDoc& document, AppSettings* settings);

/**
 * "行事予定を取り込む...": the dialog, reading the events (the server under a busy dialog), then the
 * preview of the days that change; "OK" stores the texts. True when something was stored.
 */
bool ImportEventsWithDialog(QWidget* parent, CPlanovaDoc& document, AppSettings* settings);

} // namespace planova
