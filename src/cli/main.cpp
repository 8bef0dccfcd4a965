#include "cli/CliCommands.h"

#include <cstring>
#include <iostream>

namespace {

using namespace planova::cli;

struct Command
{
    const char* Name;
    int (*Run)(const CommandArgs&);
    const char* Usage;
};

constexpr Command Commands[] = {
    {"dump", RunDump, "dump FILE.dat"},
    {"import", RunImport, "import FILE.json -o OUT.dat"},
    {"sky", RunSky, "sky [--at \"YYYY-MM-DD HH:MM:SS\"]"},
    {"make-year", RunMakeYear, "make-year IN.dat|- -o OUT.dat --from YYYY-MM-DD --to YYYY-MM-DD [options]"},
    {"render", RunRender, "render [FILE.dat] --view day|week|month --date YYYY-MM-DD --size WxH -o OUT.png"},
    {"find", RunFind, "find FILE.dat --text TEXT [--from YYYY-MM-DD | --from-start]"},
    {"replace", RunReplace, "replace FILE.dat --text TEXT --with TEXT -o OUT.dat"},
};

int PrintUsage()
{
    std::cerr << "usage: planova-cli COMMAND ...\n";
    for (const Command& command : Commands)
        std::cerr << "  planova-cli " << command.Usage << "\n";
    return ExitUsage;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        return PrintUsage();
    for (const Command& command : Commands) {
        if (std::strcmp(argv[1], command.Name) == 0)
            return command.Run(CommandArgs(argv + 2, argv + argc));
    }
    return PrintUsage();
}
