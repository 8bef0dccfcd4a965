#pragma once

#include <QStringList>

namespace planova {

/// The most recently used documents, most recent first, at most four.
class RecentFileList
{
public:
    static constexpr int Size = 4;

    RecentFileList() = default;
    explicit RecentFileList(const QStringList& files);

    /// Puts the file first (moving it up when listed already) and drops the oldest beyond four.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return Entries; }

private:
    QStringList Entries;
};

/**
 * The data file to reopen at start-up from the values "File0" … "File9" of the recent-file
 * section (absent values empty): the first whose last three characters are exactly "dat".
 * Empty when none matches.
 */
QString FindLastDataFile(const QStringList& values);

} // namespace planova
