#include "cli/CliCommands.h"

#include <iostream>

namespace planova::cli {

int RunImport(const CommandArgs&)
{
    std::cerr << "planova-cli: the import command is not available in this build\n";
    return ExitUsage;
}

} // namespace planova::cli
