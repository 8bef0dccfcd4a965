#pragma once

#include "cli/Arguments.h"

#include "caldav/CalDavClient.h"
#include "export/ExportSource.h"

#include <string>

namespace planova::cli {

/// The calendar server and the dates the commands publish and import share.
struct CalDavOptions
{
    std::string Url;
    std::string User;
    std::string PasswordFile;
    ExportRange Range;
};

/**
 * Takes one of "--caldav URL", "--user NAME", "--password-file FILE", "--from YYYY-MM-DD" and
 * "--to YYYY-MM-DD" into the options; false for any other option.
 */
bool TakeCalDavOption(ArgumentReader& reader, const std::string& option, CalDavOptions& options);

/**
 * Checks what the options say together: "--user" and "--password-file" go together (usage), a
 * range whose end comes before its start is bad input.
 */
void CheckCalDavOptions(const CalDavOptions& options);

/**
 * The account of the options: the URL checked, the password read from its file (the first line,
 * without its line break). Bad input naming the URL or the file when they cannot be used.
 */
CalDavAccount CalDavAccountOf(const CalDavOptions& options);

} // namespace planova::cli
