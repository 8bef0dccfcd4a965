#include "cli/CliCommands.h"

#include <iostream>

namespace planova::cli {

int RunDump(const CommandArgs&)
{
    std::cerr << "planova-cli: the dump command is not available in this build\n";
    return ExitUsage;
}

} // namespace planova::cli
