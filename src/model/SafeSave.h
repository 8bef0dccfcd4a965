#pragma once

#include <string>
#include <string_view>

namespace planova {

/// Outcome of a file operation; Error is a Japanese reason when Ok is false.
struct FileResult
{
    bool Ok = true;
    std::string Error;
};

/**
 * Writes the bytes to the path without ever leaving a half-written file: a temporary file in
 * the same folder is written, flushed and fsync'ed, then renamed over the target and the folder
 * fsync'ed. The target's permission bits are kept. On failure the temporary file is removed and
 * the previous file is untouched.
 */
FileResult SafeSave(const std::string& path, std::string_view bytes);

/// Reads a whole file; Error names the reason (missing, no permission, ...).
FileResult ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace planova
