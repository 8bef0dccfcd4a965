#pragma once

#include "model/Outcome.h"

#include <string>
#include <string_view>

namespace planova {

/**
 * Writes the bytes to the path without ever leaving a half-written file: a temporary file in
 * the same folder is written, flushed and fsync'ed, then renamed over the target and the folder
 * fsync'ed. The replaced file's owner, group and permission bits are kept; a symbolic link to a
 * regular file is written through. A read-only target, a target that is not a regular file (a
 * named pipe, a device, a dangling link or a link loop) and a file whose owner cannot be kept
 * are refused. On failure the temporary file is removed and the previous file is untouched;
 * after a success, temporary files of this target left by saves that were killed are removed.
 * SIGXFSZ is ignored from the first save on, so a file size limit is an ordinary error.
 */
Outcome SafeSave(const std::string& path, std::string_view bytes);

/**
 * Appends the bytes to an existing regular file and fsyncs it before returning: what a journal
 * needs after each entry. On failure the file may hold part of the bytes at its end (a reader of
 * the file must notice an incomplete last piece); the reason is returned.
 */
Outcome AppendDurably(const std::string& path, std::string_view bytes);

/// A size in whole megabytes, rounded up ("257 MB").
std::string Megabytes(unsigned long long bytes);

/// What tells one version of a file on disk from another: taken when a file is opened and
/// compared before saving over it, to notice a change made by someone else in between.
struct FileStamp
{
    bool Exists = false;
    unsigned long long Device = 0;
    unsigned long long Inode = 0;
    long long Size = 0;
    long long ModifiedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

/// The stamp of the file now (Exists false when there is none).
FileStamp StampOf(const std::string& path);

/// Reads a whole file of any kind (a pipe too); Error names the reason (missing, no permission, ...).
Outcome ReadWholeFile(const std::string& path, std::string& bytes);

/**
 * Reads a file of any kind (a pipe too) piece by piece, for a reader that need not hold all of
 * it at once; "-" reads standard input. Failures carry ReadWholeFile's reasons.
 */
class PieceReader
{
public:
    explicit PieceReader(const std::string& path);
    ~PieceReader();
    PieceReader(const PieceReader&) = delete;
    PieceReader& operator=(const PieceReader&) = delete;

    /// The next bytes of the file; empty at its end or after a failure (see Result).
    std::string_view Next();
    /// Whether opening and every read so far worked, and if not, why.
    const Outcome& Result() const { return Status; }

private:
    int Fd = -1;
    bool OwnsFd = false;
    Outcome Status;
    std::string Buffer;
};

/**
 * Reads a whole regular file of at most maxBytes. Anything else (a folder, a named pipe, a device)
 * is refused before a byte is read, and a larger file before anything is allocated, so neither a
 * pipe nor /dev/zero can stall or exhaust the program. A failing allocation is reported as a
 * reason, never thrown. `stamp` receives the stamp of the file that was read.
 */
Outcome ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes, FileStamp& stamp);

} // namespace planova
