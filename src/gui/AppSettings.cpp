#include "gui/AppSettings.h"

#include "edit/CommandTable.h"

#include <QSettings>

namespace planova {
namespace {

const QString RecentSection = QStringLiteral("Recent File List");
const QString LookKey = QStringLiteral("ApplicationLook");
const QString ToolbarKey = QStringLiteral("Toolbar/Commands");
const QString LocalHolidaysKey = QStringLiteral("SchoolYear/LocalHolidays");
const QString OwnHolidaysKey = QStringLiteral("SchoolYear/OwnHolidays");
/// The start-up rule reads ten values, more than the list ever writes.
constexpr int LastDataFileValues = 10;

QString RecentKey(int n)
{
    return RecentSection + QStringLiteral("/File") + QString::number(n);
}

} // namespace

AppSettings::AppSettings(const QString& iniFile)
    : Store(iniFile.isEmpty()
                ? std::make_unique<QSettings>(QStringLiteral("KORVANE"), QStringLiteral("Planova"))
                : std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

AppSettings::~AppSettings() = default;

RecentFileList AppSettings::RecentFiles() const
{
    QStringList files;
    for (int n = 1; n <= RecentFileList::Size; ++n)
        files.append(Store->value(RecentKey(n)).toString());
    return RecentFileList(files);
}

void AppSettings::SetRecentFiles(const RecentFileList& files)
{
    for (int n = 1; n <= RecentFileList::Size; ++n) {
        if (n <= files.Files().size())
            Store->setValue(RecentKey(n), files.Files()[n - 1]);
        else
            Store->remove(RecentKey(n));
    }
    Store->sync();
}

QString AppSettings::LastDataFile() const
{
    QStringList values;
    for (int i = 0; i < LastDataFileValues; ++i)
        values.append(Store->value(RecentKey(i)).toString());
    return FindLastDataFile(values);
}

int AppSettings::Look() const
{
    bool ok = false;
    const int look = Store->value(LookKey, CommandId::LookDefault).toInt(&ok);
    return ok ? look : CommandId::LookDefault;
}

void AppSettings::SetLook(int look)
{
    Store->setValue(LookKey, look);
    Store->sync();
}

std::optional<std::vector<int>> AppSettings::ToolbarCommands() const
{
    if (!Store->contains(ToolbarKey))
        return std::nullopt;
    std::vector<int> commands;
    for (const auto& item : Store->value(ToolbarKey).toStringList())
        if (FindCommand(item.toInt()))
            commands.push_back(item.toInt());
    return commands;
}

void AppSettings::SetToolbarCommands(const std::vector<int>& commands)
{
    QStringList items;
    for (int id : commands)
        items.append(QString::number(id));
    // An empty list is stored as such: an empty toolbar is a choice, not "never customised".
    Store->setValue(ToolbarKey, items.isEmpty() ? QVariant(QStringList()) : QVariant(items));
    Store->sync();
}

void AppSettings::ResetToolbarCommands()
{
    Store->remove(ToolbarKey);
    Store->sync();
}

bool AppSettings::BarVisible(const QString& bar) const
{
    return Store->value(QStringLiteral("Bars/") + bar, true).toBool();
}

void AppSettings::SetBarVisible(const QString& bar, bool visible)
{
    Store->setValue(QStringLiteral("Bars/") + bar, visible);
    Store->sync();
}

LocalHolidayChoice AppSettings::SchoolYearLocalHolidays() const
{
    return StoredLocalHolidayChoice(Store->value(LocalHolidaysKey).toString().toStdString(),
                                    Store->value(OwnHolidaysKey).toString().toStdString());
}

void AppSettings::SetSchoolYearLocalHolidays(const LocalHolidayChoice& choice)
{
    Store->setValue(LocalHolidaysKey, QString::fromStdString(StoredName(choice)));
    Store->setValue(OwnHolidaysKey, QString::fromStdString(choice.OwnDates));
    Store->sync();
}

QByteArray AppSettings::MainWindowGeometry() const
{
    return Store->value(QStringLiteral("MainWindow/Geometry")).toByteArray();
}

void AppSettings::SetMainWindowGeometry(const QByteArray& geometry)
{
    Store->setValue(QStringLiteral("MainWindow/Geometry"), geometry);
}

CalendarServerAccount AppSettings::CalendarServer() const
{
    return {Store->value(QStringLiteral("CalendarServer/Url")).toString(),
            Store->value(QStringLiteral("CalendarServer/User")).toString(),
            Store->value(QStringLiteral("CalendarServer/PublishAfterSave"), false).toBool()};
}

void AppSettings::SetCalendarServer(const CalendarServerAccount& account)
{
    Store->setValue(QStringLiteral("CalendarServer/Url"), account.Url);
    Store->setValue(QStringLiteral("CalendarServer/User"), account.User);
    Store->setValue(QStringLiteral("CalendarServer/PublishAfterSave"), account.PublishAfterSave);
    Store->sync();
}

void AppSettings::Sync()
{
    Store->sync();
}

QString AppSettings::FileName() const
{
    return Store->fileName();
}

} // namespace planova
