#pragma once

#include "model/CPlanovaDoc.h"
#include "model/SafeSave.h"

#include <QString>

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace planova {

class RecoveryStore;

/// A state of one open document to keep for recovery: a copy taken where the document lives, written
/// elsewhere, with what the recovery file says about it.
struct RecoveryJob
{
    int Serial = 0;
    /// CPlanovaDoc::Revision of the document the copy was taken from.
    std::uint64_t Revision = 0;
    std::shared_ptr<const CPlanovaDoc> Document;
    QString OriginalPath;
    QString Name;
    FileStamp DiskStamp;
    QString Damage;
};

/**
 * Writes recovery files on a thread of its own, so that the window never waits for the disk: the
 * newest state handed over for a document replaces one not yet written, and each write is the safe
 * save of the store (a new file, flushed to the disk, renamed over the old one). Writing now on the
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

    /// Hands a state to the thread.
    void Post(RecoveryJob job);
    /// Writes the state on the calling thread (a state of the same document not yet written is dropped:
    /// this one is newer). False with the reason.
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
    /// Writes with the store held; records the revision written or the failure.
    bool Write(const RecoveryJob& job, QString& error);

    RecoveryStore& Store;
    /// Held for every use of the store, so a removal never meets a write of the same file.
    std::mutex StoreLock;
    mutable std::mutex Lock;
    std::condition_variable Wake;
    std::condition_variable Written;
    std::map<int, RecoveryJob> Pending;
    std::map<int, std::uint64_t> Revisions;
    /// The document whose state the thread is writing now (0: none; serials start at 1).
    int WritingSerial = 0;
    bool Stopping = false;
    QString LastFailure;
    std::thread Thread;
};

} // namespace planova
