#pragma once

#include <string>
#include <vector>

namespace planova::cli {

/// Exit statuses of planova-cli.
enum ExitStatus
{
    ExitOk = 0,
    ExitBadInput = 1,
    ExitUsage = 2
};

/// Each command receives the arguments after its name and returns the exit status.
using CommandArgs = std::vector<std::string>;

int RunDump(const CommandArgs& args);
int RunImport(const CommandArgs& args);
int RunSky(const CommandArgs& args);
int RunMakeYear(const CommandArgs& args);
int RunRender(const CommandArgs& args);
int RunCountHours(const CommandArgs& args);
int RunShift(const CommandArgs& args);
int RunFind(const CommandArgs& args);
int RunReplace(const CommandArgs& args);
int RunExport(const CommandArgs& args);
int RunPrint(const CommandArgs& args);
int RunPublish(const CommandArgs& args);
int RunImportEvents(const CommandArgs& args);

} // namespace planova::cli
