#include "gui/RecentFileList.h"

#include <QFileInfo>

namespace planova {
namespace {

/// Two names of one file: compared by their absolute, cleaned form.
bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

RecentFileList::RecentFileList(const QStringList& files)
{
    for (const auto& file : files)
        if (!file.isEmpty() && Entries.size() < Size)
            Entries.append(file);
}

void RecentFileList::Add(const QString& path)
{
    Remove(path);
    Entries.prepend(QFileInfo(path).absoluteFilePath());
    while (Entries.size() > Size)
        Entries.removeLast();
}

void RecentFileList::Remove(const QString& path)
{
    Entries.removeIf([&path](const QString& entry) { return SameFile(entry, path); });
}

QString FindLastDataFile(const QStringList& values)
{
    for (const auto& value : values)
        if (value.endsWith(QLatin1String("dat"), Qt::CaseSensitive))
            return value;
    return {};
}

} // namespace planova
