#include "cli/CliCommands.h"

#include <iostream>

namespace planova::cli {

int RunSky(const CommandArgs&)
{
    std::cerr << "planova-cli: the sky command is not available in this build\n";
    return ExitUsage;
}

} // namespace planova::cli
