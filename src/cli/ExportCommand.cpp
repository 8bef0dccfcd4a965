#include "cli/CliCommands.h"

#include "cli/Arguments.h"

#include "calendar/ToolDates.h"
#include "export/ExportFile.h"

#include <chrono>
#include <optional>

namespace planova::cli {
namespace {

struct Request
{
    std::string Input;
    std::string Output;
    std::optional<ExportFormat> Format;
    bool ToDos = false;
    bool Raw = false;
    ExportRange Range;
};

Request ParseArguments(const CommandArgs& args)
{
    Request request;
    ArgumentReader reader(args);
    while (const std::string* option = reader.NextOption(request.Input)) {
        const std::string& arg = *option;
        reader.Once(arg == "--ics" || arg == "--csv" || arg == "--xlsx" ? "format" : arg, arg);
        if (arg == "--ics")
            request.Format = ExportFormat::ICalendar;
        else if (arg == "--csv")
            request.Format = ExportFormat::DayCsv;
        else if (arg == "--xlsx")
            request.Format = ExportFormat::Workbook;
        else if (arg == "--raw")
            request.Raw = true;
        else if (arg == "--todos")
            request.ToDos = true;
        else if (arg == "--from")
            request.Range.First = DateArgument(arg, reader.Value(arg));
        else if (arg == "--to")
            request.Range.Last = DateArgument(arg, reader.Value(arg));
        else if (arg == "-o")
            request.Output = reader.Value(arg);
        else
            throw UnknownOption(arg);
    }
    if (request.Input.empty() || request.Output.empty() || !request.Format)
        throw CommandError::Usage("FILE.dat、--ics か --csv か --xlsx、-o OUT は必ず指定してください。");
    if (request.Raw && request.Format != ExportFormat::DayCsv)
        throw CommandError::Usage("--raw は --csv と一緒に指定してください。");
    if (request.ToDos) {
        if (request.Format != ExportFormat::DayCsv)
            throw CommandError::Usage("--todos は --csv と一緒に指定してください。");
        if (request.Range.First.IsValid() || request.Range.Last.IsValid())
            throw CommandError::Usage(
                "--todos は ToDo の一覧をすべて書き出します。--from と --to は指定できません。");
        request.Format = ExportFormat::ToDoCsv;
    }
    const ExportRange& range = request.Range;
    if (range.First.IsValid() && range.Last.IsValid()) {
        if (const std::string refusal = DateRangeRefusal(range.First, range.Last); !refusal.empty())
            throw CommandError::BadInput(refusal);
    }
    return request;
}

} // namespace

int RunExport(const CommandArgs& args)
{
    return RunCommand([&] {
        const Request request = ParseArguments(args);
        RefuseOutputOverInput(request.Input, request.Output);
        const CPlanovaDoc document = DataFileArgument(request.Input);
        const ExportRequest what{*request.Format, request.Range,
                                 UtcDateTime(std::chrono::system_clock::now()),
                                 request.Raw ? CsvFormulas::Raw : CsvFormulas::Neutralised};
        if (const Outcome written = ExportToFile(document, what, request.Output); !written.Ok)
            throw CommandError::BadInput(request.Output + ": " + written.Error);
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
