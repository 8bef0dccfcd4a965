#include "gui/RecoveryWriter.h"

#include "gui/RecoveryStore.h"

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

void RecoveryWriter::Post(RecoveryJob job)
{
    {
        const std::lock_guard guard(Lock);
        const int serial = job.Serial;
        Pending.insert_or_assign(serial, std::move(job));
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
    return Write(job, error);
}

void RecoveryWriter::Remove(int serial)
{
    TakeOver(serial);
    const std::lock_guard store(StoreLock);
    Store.Remove(serial);
    const std::lock_guard guard(Lock);
    Revisions.erase(serial);
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

bool RecoveryWriter::Write(const RecoveryJob& job, QString& error)
{
    const std::lock_guard store(StoreLock);
    const bool saved =
        Store.Save(job.Serial, *job.Document, job.OriginalPath, job.Name, job.DiskStamp, job.Damage, error);
    const std::lock_guard guard(Lock);
    if (saved)
        Revisions[job.Serial] = job.Revision;
    return saved;
}

void RecoveryWriter::Work()
{
    std::unique_lock guard(Lock);
    for (;;) {
        Wake.wait(guard, [this] { return Stopping || !Pending.empty(); });
        if (Stopping)
            return;
        RecoveryJob job = std::move(Pending.begin()->second);
        Pending.erase(Pending.begin());
        WritingSerial = job.Serial;
        guard.unlock();
        QString error;
        const bool saved = Write(job, error);
        guard.lock();
        LastFailure = saved ? QString() : error;
        WritingSerial = 0;
        Written.notify_all();
    }
}

} // namespace planova
