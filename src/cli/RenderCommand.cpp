#include "cli/CliCommands.h"

#include <iostream>

namespace planova::cli {

int RunRender(const CommandArgs&)
{
    std::cerr << "planova-cli: the render command is not available in this build\n";
    return ExitUsage;
}

} // namespace planova::cli
