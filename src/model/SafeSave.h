#pragma once

#include "model/Outcome.h"

#include <string>
#include <string_view>

namespace planova {

/**
 * Writes the bytes to the path without ever leaving a half-written file: a temporary file in
 * the same folder is written, flushed and fsync'ed, then renamed over the target and the folder
 * fsync'ed. The target's permission bits are kept. On failure the temporary file is removed and
 * the previous file is untouched.
 */
Outcome SafeSave(const std::string& path, std::string_view bytes);

/// Reads a whole file; Error names the reason (missing, no permission, ...).
Outcome ReadWholeFile(const std::string& path, std::string& bytes);

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

} // namespace planova
