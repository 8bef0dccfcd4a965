#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DataFileLoad.h"
#include "model/SafeSave.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <string_view>
#include <vector>

class QLockFile;

namespace planova {

/// A document autosaved by an instance that did not end cleanly.
struct RecoverableFile
{
    QString DataFile;     ///< the autosaved bytes
    QString InfoFile;     ///< what the autosave belongs to
    QString JournalFile;  ///< the changes made since the autosave was written whole
    QString OriginalPath; ///< the user's file; empty for a document never saved
    QString Name;         ///< the title the document had
    FileStamp DiskStamp;  ///< the user's file as the document last read or wrote it
    QString Damage;       ///< what could not be read of the user's damaged file (OpenDocument::Damage)
    QDateTime SavedAt;
};

/**
 * Recovery files of open documents, one folder per running instance under the user's data
 * folder: "document-<n>.dat" (the autosave, written whole), "document-<n>.journal" (the changes
 * made since, appended one by one) and "document-<n>.ini" (what it belongs to). The
 * folder holds a lock file while its instance lives; folders whose lock is no longer held, or can
 * no longer be read, belong to instances that ended without closing their documents. The user's
 * own files are never written, and nothing outside the instance folders is ever removed.
 */
class RecoveryStore
{
public:
    /// `folder` holds the instance folders (created when missing).
    explicit RecoveryStore(const QString& folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    /// The recovery folder of the user: "recovery" in the application's data location.
    static QString DefaultFolder();

    /// Creates and locks this instance's folder; false when the folder cannot be made.
    bool Start();
    const QString& InstanceFolder() const { return Folder; }

    /// Autosaved documents of instances that are gone, oldest first; an autosave without a usable
    /// description is offered under a name that says so, with no file of its own.
    std::vector<RecoverableFile> Orphans() const;
    /// Reads an orphan's document: the autosave with the changes of its journal replayed, or the
    /// reason it cannot be read (the files are kept then).
    LoadedDataFile Read(const RecoverableFile& file) const;
    /// Removes an orphan's files, and its instance folder when nothing else is left in it.
    void Discard(const RecoverableFile& file) const;

    /// Writes the document's recovery file whole and starts its journal anew (never the user's
    /// file); makes this instance's folder first when that failed before. `damage` travels with it,
    /// so that a recovered document still never overwrites the damaged file it was read from. False
    /// with the reason.
    bool Save(int serial, const CPlanovaDoc& document, const QString& originalPath, const QString& name,
              const FileStamp& diskStamp, const QString& damage, QString& error);
    /// Appends framed entries (EncodeJournalEntry) to the journal of the document's recovery file
    /// and syncs them to the disk. False with the reason; the journal's end may then be torn.
    bool Append(int serial, std::string_view entries, QString& error);
    /// Removes the document's recovery files.
    void Remove(int serial) const;
    /// Whether the document has a recovery file now.
    bool Has(int serial) const;
    /// This instance's recovery files of the document (they need not exist).
    RecoverableFile Files(int serial) const;
    /// The size in bytes of the document's recovery file written whole (0: none).
    qint64 BaseBytes(int serial) const;

private:
    /// Whether the path is an autosave or its description directly inside an instance folder.
    bool Owns(const QString& path) const;

    QString Root;
    QString Folder;
    std::unique_ptr<QLockFile> Lock;
};

} // namespace planova
