#include "gui/RecoveryWriter.h"

#include "gui/RecoveryStore.h"

#include <algorithm>
#include <utility>

namespace planova {

RecoveryWriter::RecoveryWriter(RecoveryStore& store) : Store(store), Thread([this] { Work(); }) {}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard guard(Lock);
        Stopping = true;
        Pending.clear();
    }
    Wake.notify_all();
    Thread.join();
}

namespace {

/// The job without its state: what the recovery file says about the document.
RecoveryJob DescriptionOf(const RecoveryJob& job)
{
    RecoveryJob description = job;
    description.Document.reset();
    description.Entry.reset();
    return description;
}

} // namespace

bool RecoveryWriter::WantsWhole(const RecoveryJob& job) const
{
    const std::lock_guard guard(Lock);
    const auto found = Journals.find(job.Serial);
    if (found == Journals.end())
        return true;
    const Journal& journal = found->second;
    return !journal.HasBase || !journal.Description.SameDescription(job) ||
           journal.Entries >= MaxJournalEntries ||
           journal.Bytes > std::max(journal.BaseBytes / 4, MinJournalBytes);
}

bool RecoveryWriter::HasJournal(int serial) const
{
    const std::lock_guard guard(Lock);
    const auto found = Journals.find(serial);
    return found != Journals.end() && found->second.Entries > 0;
}

void RecoveryWriter::Post(RecoveryJob job)
{
    {
        const std::lock_guard guard(Lock);
        Journal& journal = Journals[job.Serial];
        // Changes that follow a failed write have nothing to follow: the next state is whole.
        if (!job.Document && !journal.HasBase)
            return;
        auto& pending = Pending[job.Serial];
        if (job.Document) {
            pending.clear();
            journal.HasBase = true;
            journal.Description = DescriptionOf(job);
        }
        pending.push_back(std::move(job));
    }
    Wake.notify_all();
}

void RecoveryWriter::TakeOver(int serial)
{
    std::unique_lock guard(Lock);
    Pending.erase(serial);
    // An older state of the document that the thread is writing must not land after this caller's work.
    Written.wait(guard, [&] { return WritingSerial != serial; });
    Written.notify_all();
}

bool RecoveryWriter::WriteNow(const RecoveryJob& job, QString& error)
{
    TakeOver(job.Serial);
    {
        const std::lock_guard guard(Lock);
        Journal& journal = Journals[job.Serial];
        journal.HasBase = true;
        journal.Description = DescriptionOf(job);
    }
    return Write({job}, error);
}

void RecoveryWriter::Remove(int serial)
{
    TakeOver(serial);
    const std::lock_guard store(StoreLock);
    Store.Remove(serial);
    const std::lock_guard guard(Lock);
    Revisions.erase(serial);
    Journals.erase(serial);
}

std::uint64_t RecoveryWriter::WrittenRevision(int serial) const
{
    const std::lock_guard guard(Lock);
    const auto found = Revisions.find(serial);
    return found == Revisions.end() ? 0 : found->second;
}

QString RecoveryWriter::Failure() const
{
    const std::lock_guard guard(Lock);
    return LastFailure;
}

void RecoveryWriter::WaitUntilWritten()
{
    std::unique_lock guard(Lock);
    Written.wait(guard, [this] { return Pending.empty() && WritingSerial == 0; });
}

bool RecoveryWriter::Write(const std::vector<RecoveryJob>& jobs, QString& error)
{
    if (jobs.empty())
        return true;
    const int serial = jobs.front().Serial;
    const std::lock_guard store(StoreLock);
    bool saved = true;
    qint64 baseBytes = -1;
    const RecoveryJob* last = nullptr;
    std::string entries;
    int entryCount = 0;
    for (const RecoveryJob& job : jobs) {
        if (job.Document) {
            saved = Store.Save(serial, *job.Document, job.OriginalPath, job.Name, job.DiskStamp, job.Damage,
                               error);
            if (!saved)
                break;
            baseBytes = Store.BaseBytes(serial);
        } else if (job.Entry) {
            entries += EncodeJournalEntry(*job.Entry);
            ++entryCount;
        }
        last = &job;
    }
    if (saved && entryCount > 0)
        saved = Store.Append(serial, entries, error);

    const std::lock_guard guard(Lock);
    Journal& journal = Journals[serial];
    if (!saved) {
        // The journal no longer follows the document: unless a whole state is on its way, the next
        // state must be whole, and changes handed over meanwhile (they follow the ones that failed)
        // are dropped.
        const auto pending = Pending.find(serial);
        if (pending == Pending.end() || pending->second.empty() || !pending->second.front().Document) {
            journal.HasBase = false;
            if (pending != Pending.end())
                Pending.erase(pending);
        }
        return false;
    }
    if (baseBytes >= 0) {
        journal.BaseBytes = baseBytes;
        journal.Bytes = 0;
        journal.Entries = 0;
    }
    journal.Bytes += static_cast<qint64>(entries.size());
    journal.Entries += entryCount;
    if (last)
        Revisions[serial] = last->Revision;
    return true;
}

void RecoveryWriter::Work()
{
    std::unique_lock guard(Lock);
    for (;;) {
        Wake.wait(guard, [this] { return Stopping || !Pending.empty(); });
        if (Stopping)
            return;
        WritingSerial = Pending.begin()->first;
        std::vector<RecoveryJob> jobs = std::move(Pending.begin()->second);
        Pending.erase(Pending.begin());
        guard.unlock();
        QString error;
        const bool saved = Write(jobs, error);
        guard.lock();
        LastFailure = saved ? QString() : error;
        WritingSerial = 0;
        Written.notify_all();
    }
}

} // namespace planova
