#include "cli/CliCommands.h"

#include <iostream>

namespace planova::cli {

int RunMakeYear(const CommandArgs&)
{
    std::cerr << "planova-cli: the make-year command is not available in this build\n";
    return ExitUsage;
}

} // namespace planova::cli
