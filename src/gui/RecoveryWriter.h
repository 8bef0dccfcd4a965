#pragma once

#include "model/CPlanovaDoc.h"
#include "model/RecoveryJournal.h"
#include "model/SafeSave.h"

#include <QString>

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace planova {

class RecoveryStore;

/// A state of one open document to keep for recovery: taken where the document lives, written
/// elsewhere, with what the recovery file says about it. The state is either the whole document
/// (Document) or what changed since the state handed over before (Entry).
struct RecoveryJob
{
    int Serial = 0;
    /// CPlanovaDoc::Revision of the document the state was taken from.
    std::uint64_t Revision = 0;
    std::shared_ptr<const CPlanovaDoc> Document;
    std::shared_ptr<const JournalEntry> Entry;
    QString OriginalPath;
    QString Name;
    FileStamp DiskStamp;
    QString Damage;

    /// Whether the recovery file says the same about its document.
    bool SameDescription(const RecoveryJob& other) const
    {
        return OriginalPath == other.OriginalPath && Name == other.Name && DiskStamp == other.DiskStamp &&
               Damage == other.Damage;
    }
};

/**
 * Writes recovery files on a thread of its own, so that the window never waits for the disk. A whole
 * state is written with the safe save of the store (a new file, flushed to the disk, renamed over
 * the old one) and replaces every state of the document not yet written; the changes handed over
 * after it are appended to its journal in order, each batch synced to the disk. Writing now on the
 * caller's thread, removing a document's file and the thread's writes never overlap.
 */
class RecoveryWriter
{
public:
    explicit RecoveryWriter(RecoveryStore& store);
    /// Ends the thread after the write in progress; states not yet written are dropped.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    /// A journal past this many entries, or past a quarter of its recovery file, is folded into a
    /// new recovery file written whole. A small document's journal may grow to MinJournalBytes
    /// first: each entry carries the settings, so a quarter of a small file would be passed at
    /// almost every change.
    static constexpr int MaxJournalEntries = 1000;
    static constexpr qint64 MinJournalBytes = qint64{1} << 20;

    /// Whether the next state of the document must be whole: no whole state is written or on its way
    /// (or its writing failed), the journal is long enough to be folded in, or the description changed.
    bool WantsWhole(const RecoveryJob& job) const;
    /// Whether changes were appended to the document's journal since its whole state was written.
    bool HasJournal(int serial) const;
    /// Hands a state to the thread: a whole one replaces those not yet written, changes follow them.
    void Post(RecoveryJob job);
    /// Writes the whole state on the calling thread (states of the same document not yet written are
    /// dropped: this one is newer). False with the reason.
    bool WriteNow(const RecoveryJob& job, QString& error);
    /// Drops the document's state not yet written and removes its recovery file.
    void Remove(int serial);
    /// The revision of the document whose state is in its recovery file (0: none written here).
    std::uint64_t WrittenRevision(int serial) const;
    /// Why the thread's last write failed; empty when it succeeded (or nothing was written yet).
    QString Failure() const;
    /// Returns once every state handed over is written or failed.
    void WaitUntilWritten();

private:
    void Work();
    /// Drops the document's state not yet written and waits while the thread writes an older one.
    void TakeOver(int serial);
    /// Writes the states in order with the store held: a whole one first when there is one, then the
    /// changes in one append. Records the revision written, or on failure that a whole state is needed.
    bool Write(const std::vector<RecoveryJob>& jobs, QString& error);

    /// What the thread knows of a document's recovery files.
    struct Journal
    {
        /// A whole state is written or on its way; its description.
        bool HasBase = false;
        RecoveryJob Description;
        qint64 BaseBytes = 0;
        qint64 Bytes = 0;
        int Entries = 0;
    };

    RecoveryStore& Store;
    /// Held for every use of the store, so a removal never meets a write of the same file.
    std::mutex StoreLock;
    mutable std::mutex Lock;
    std::condition_variable Wake;
    std::condition_variable Written;
    /// The states of each document not yet written, a whole one first when there is one.
    std::map<int, std::vector<RecoveryJob>> Pending;
    std::map<int, std::uint64_t> Revisions;
    std::map<int, Journal> Journals;
    /// The document whose state the thread is writing now (0: none; serials start at 1).
    int WritingSerial = 0;
    bool Stopping = false;
    QString LastFailure;
    std::thread Thread;
};

} // namespace planova
