#pragma once

#include "dialogs/LocalHolidayChoice.h"
#include "gui/RecentFileList.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QSettings;

namespace planova {

/// The calendar server the user last used, as the settings keep it.
struct CalendarServerAccount
{
    QString Url;
    QString User;
    bool PublishAfterSave = false;
};

/**
 * The per-user settings of the application: organisation "KORVANE", application "Planova".
 * Only the recent-file list, the look, the bar layout, the school holidays of the teacher's place
 * and the calendar server account (never its password) live here; everything else travels with
 * the data file.
 */
class AppSettings
{
public:
    /// The user's own settings store; `iniFile` names another file instead (tests).
    explicit AppSettings(const QString& iniFile = {});
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    RecentFileList RecentFiles() const;
    /// Writes "File1" … "File4" (entries beyond the list are removed).
    void SetRecentFiles(const RecentFileList& files);
    /// The last data file by the start-up rule over "File0" … "File9".
    QString LastDataFile() const;

    /// "ApplicationLook" (210 when absent).
    int Look() const;
    void SetLook(int look);

    /// The commands the toolbar "標準" shows, when the user chose them.
    std::optional<std::vector<int>> ToolbarCommands() const;
    void SetToolbarCommands(const std::vector<int>& commands);
    void ResetToolbarCommands();

    /// Visibility of the toolbar and the status bar.
    bool BarVisible(const QString& bar) const;
    void SetBarVisible(const QString& bar, bool visible);

    /// The last choice of "地域の休日" in "データの自動作成": Tokyo's "都民の日" for a user who never
    /// chose, or when what is stored names no choice this program knows.
    LocalHolidayChoice SchoolYearLocalHolidays() const;
    void SetSchoolYearLocalHolidays(const LocalHolidayChoice& choice);
    /// "MainWindow/Geometry": the main window's place, size and maximised state when it last closed;
    /// empty before the first close.
    QByteArray MainWindowGeometry() const;
    void SetMainWindowGeometry(const QByteArray& geometry);

    /// "CalendarServer/Url", "CalendarServer/User" and "CalendarServer/PublishAfterSave" (off when
    /// absent): the calendar server of "カレンダーサーバーに公開..." and "行事予定を取り込む...".
    /// The password is kept by the keyring (CalendarPasswords), never here.
    CalendarServerAccount CalendarServer() const;
    void SetCalendarServer(const CalendarServerAccount& account);

    /// Writes pending changes to the store.
    void Sync();
    /// Where the settings are kept.
    QString FileName() const;

private:
    std::unique_ptr<QSettings> Store;
};

} // namespace planova
