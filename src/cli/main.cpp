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
    {"count-hours", RunCountHours,
     "count-hours FILE.dat [--from YYYY-MM-DD --to YYYY-MM-DD] [--class NAME[=OFFSET]]..."},
    {"shift", RunShift,
     "shift FILE.dat --class NAME --from YYYY-MM-DD --to YYYY-MM-DD --direction up|down -o OUT.dat"},
    {"find", RunFind, "find FILE.dat --text TEXT [--from YYYY-MM-DD | --from-start]"},
    {"replace", RunReplace, "replace FILE.dat --text TEXT --with TEXT -o OUT.dat"},
    {"export", RunExport,
     "export FILE.dat --ics|--csv|--xlsx [--todos] [--raw] [--from YYYY-MM-DD] [--to YYYY-MM-DD] -o OUT"},
    {"print", RunPrint,
     "print FILE.dat --type day|week|month|year|memo|todo [--from YYYY-MM-DD --to YYYY-MM-DD] "
     "[--paper a4|a5|bible|mini] [--orientation portrait|landscape] [--page spread|left|right|one] "
     "[--layout vertical|list] [--months 1|2|3|4|6] [--start-weekday 0|1] [--impose a4] "
     "[--set TAG=VALUE ...] -o OUT.pdf"},
};

void PrintUsage(std::ostream& out)
{
    out << "usage: planova-cli COMMAND ...\n"
        << "       planova-cli --help | --version\n";
    for (const Command& command : Commands)
        out << "  planova-cli " << command.Usage << "\n";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(std::cout);
        return ExitOk;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "planova-cli " << PLANOVA_VERSION << "\n";
        return ExitOk;
    }
    if (argc >= 2) {
        for (const Command& command : Commands) {
            if (std::strcmp(argv[1], command.Name) == 0)
                return command.Run(CommandArgs(argv + 2, argv + argc));
        }
    }
    PrintUsage(std::cerr);
    return ExitUsage;
}
