#include "cli/CliCommands.h"

#include <cstring>
#include <iostream>
#include <string_view>

namespace {

using namespace planova::cli;

/// A command, its function and its usage text: the synopsis on the first line, then the lines that
/// continue it and explain it.
struct Command
{
    const char* Name;
    int (*Run)(const CommandArgs&);
    std::string_view Usage;
};

constexpr Command Commands[] = {
    {"dump", RunDump, "dump FILE.dat [--strict]\n"},
    {"import", RunImport, "import FILE.json|- -o OUT.dat\n"},
    {"sky", RunSky, "sky [--at \"YYYY-MM-DD HH:MM:SS\"]\n"},
    {"make-year", RunMakeYear,
     "make-year IN.dat|- -o OUT.dat --from YYYY-MM-DD --to YYYY-MM-DD [options]\n"
     "  options: [--spring MM-DD:MM-DD | --no-spring] [--summer MM-DD:MM-DD | --no-summer]\n"
     "         [--autumn MM-DD:MM-DD | --no-autumn] [--winter MM-DD:MM-DD | --no-winter]\n"
     "         [--foundation MM-DD] [--overwrite | --append] [--holidays current|classic]\n"
     "         [--local-holidays none|ibaraki|gunma|saitama|chiba|tokyo|yokohama|kawasaki|yamanashi\n"
     "          | --local-holiday MM-DD:NAME ... | --no-tomin]\n"
     "  IN.dat \"-\" starts from a new document. The vacations default to 03-26:04-05, 07-21:08-31,\n"
     "  10-01:10-01 and 12-26:01-07 (a winter vacation whose first day comes later in the year than\n"
     "  its last runs across the year end); the timetable mode defaults to the document's setting.\n"
     "  The local holidays default to tokyo (都民の日); --local-holiday gives your own dates instead,\n"
     "  --no-tomin is --local-holidays none.\n"},
    {"render", RunRender,
     "render [FILE.dat] --view day|week|month --date YYYY-MM-DD --size WIDTHxHEIGHT -o OUT.png\n"
     "         [--todo|--no-todo] [--start-weekday 0|1] [--now \"YYYY-MM-DD HH:MM:SS\"]\n"},
    {"count-hours", RunCountHours,
     "count-hours FILE.dat [--from YYYY-MM-DD --to YYYY-MM-DD] [--class NAME[=OFFSET]]...\n"
     "  Counts the period rows whose plan is exactly each class name, from --from to --to (both\n"
     "  included; without them the document's stored period). Without --class the document's ten\n"
     "  class names and offsets are counted. A name that holds \"=\" is written NAME=OFFSET.\n"
     "  Prints {\"from\", \"to\", \"classes\": [{\"name\", \"offset\", \"count\", \"result\"}]}.\n"},
    {"shift", RunShift,
     "shift FILE.dat --class NAME --from YYYY-MM-DD --to YYYY-MM-DD --direction up|down -o OUT.dat\n"
     "  Moves the contents of the class's lessons (rows whose plan is exactly NAME) by one lesson\n"
     "  through the range: up = 繰り上げ（前倒し）, down = 繰り下げ（先送り）.\n"},
    {"find", RunFind,
     "find FILE.dat --text TEXT [--from YYYY-MM-DD | --from-start] [--ignore-width] [--ignore-kana]\n"
     "     [--ignore-case] [--backward] [--todos]\n"
     "  --backward walks as 前を検索; --todos searches the ToDo items (subject, memo) after the days.\n"},
    {"replace", RunReplace,
     "replace FILE.dat --text TEXT --with TEXT -o OUT.dat [--ignore-width] [--ignore-kana] "
     "[--ignore-case] [--todos]\n"},
    {"export", RunExport,
     "export FILE.dat --ics|--csv|--xlsx [--todos] [--raw] [--from YYYY-MM-DD] [--to YYYY-MM-DD] -o OUT\n"
     "  --ics writes an iCalendar file, --csv the stored days, ten lines a day; with --todos it writes\n"
     "  the ToDo list instead. --from and --to limit the days (either end may stay open); ToDo items\n"
     "  are always taken whole. A CSV field starting with =, +, -, @, a tab or CR gets a leading\n"
     "  apostrophe so that a spreadsheet does not run it as a formula; --raw writes every field as it\n"
     "  is. --xlsx writes an Excel workbook: the days, the ToDo list and the class hours counted over\n"
     "  --from/--to (an open end: the document's stored period).\n"},
    {"print", RunPrint,
     "print FILE.dat --type day|week|month|year|memo|todo [options] -o OUT.pdf\n"
     "  options: [--from YYYY-MM-DD --to YYYY-MM-DD] [--paper a4|a5|bible|mini]\n"
     "         [--orientation portrait|landscape] [--page spread|left|right|one]\n"
     "         [--layout vertical|list] [--months 1|2|3|4|6] [--start-weekday 0|1]\n"
     "         [--set TAG=VALUE ...] [--impose a4]\n"
     "  Every other option comes from the print settings stored in FILE.dat; --set overrides one by its\n"
     "  tag (for example --set PFontSize=12 --set PKirokuCenterline1by3=1), as the print dialog would:\n"
     "  an option the dialog disables for the print type and paper is refused. The dates default to today.\n"
     "  --impose a4 places the Bible, A5 or Mini refills on A4 sheets, front and back, with cut marks.\n"},
    {"publish", RunPublish,
     "publish FILE.dat --caldav URL [--user NAME --password-file FILE] [--from YYYY-MM-DD] [--to "
     "YYYY-MM-DD]\n"
     "  Publishes the entries of the iCalendar export to a CalDAV calendar collection, one resource per\n"
     "  entry named by its UID: new entries are created, changed ones replaced, and entries published\n"
     "  earlier that are gone from the range are deleted. Resources of other programs stay untouched;\n"
     "  a publish with nothing changed writes nothing. The password is the first line of FILE.\n"},
    {"import-events", RunImportEvents,
     "import-events FILE.dat (--ics FILE | --caldav URL [--user NAME --password-file FILE])\n"
     "         [--from YYYY-MM-DD] [--to YYYY-MM-DD] -o OUT.dat\n"
     "  Brings the events of an iCalendar file or a CalDAV calendar into the days' 行事: each event of\n"
     "  the range not yet a line of its day's 行事 is appended on a line of its own (a timed one after\n"
     "  its \"HH:MM\" in Japan time); what was typed stays. Importing again adds nothing. Prints each\n"
     "  line added.\n"},
};

/// Every command's synopsis.
void PrintOverview(std::ostream& out)
{
    out << "usage: planova-cli COMMAND ...\n"
        << "       planova-cli --help | --version\n";
    for (const Command& command : Commands)
        out << "  planova-cli " << command.Usage.substr(0, command.Usage.find('\n') + 1);
    out << "FILE.dat を読むコマンドは、一部が壊れたファイルを読むと標準エラー出力に警告します。\n"
           "--strict を付けると、そのファイルを読まずに終了します (終了コード 1)。\n";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintOverview(std::cout);
        return ExitOk;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "planova-cli " << PLANOVA_VERSION << "\n";
        return ExitOk;
    }
    if (argc >= 2) {
        for (const Command& command : Commands) {
            if (std::strcmp(argv[1], command.Name) != 0)
                continue;
            const int status = command.Run(CommandArgs(argv + 2, argv + argc));
            if (status == ExitUsage)
                std::cerr << "usage: planova-cli " << command.Usage;
            return status;
        }
    }
    PrintOverview(std::cerr);
    return ExitUsage;
}
