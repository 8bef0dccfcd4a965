#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/CalDavArguments.h"
#include "cli/QtStart.h"

#include "caldav/CalDavError.h"
#include "caldav/EventImport.h"
#include "calendar/ToolDates.h"
#include "model/Cp932Codec.h"
#include "model/DataFileSave.h"
#include "model/SafeSave.h"

#include <QCoreApplication>

#include <iostream>

namespace planova::cli {
namespace {

struct Request
{
    std::string Input;
    std::string Output;
    std::string IcsFile;
    CalDavOptions Server;
};

Request ParseArguments(const CommandArgs& args)
{
    Request request;
    ArgumentReader reader(args);
    while (const std::string* option = reader.NextOption(request.Input)) {
        const std::string& arg = *option;
        reader.Once(arg == "--ics" || arg == "--caldav" ? "source" : arg, arg);
        if (arg == "-o")
            request.Output = reader.Value(arg);
        else if (arg == "--ics")
            request.IcsFile = reader.Value(arg);
        else if (!TakeCalDavOption(reader, arg, request.Server))
            throw UnknownOption(arg);
    }
    if (request.Input.empty() || request.Output.empty() ||
        (request.IcsFile.empty() && request.Server.Url.empty()))
        throw CommandError::Usage(
            "FILE.dat、--ics FILE か --caldav URL、-o OUT.dat は必ず指定してください。");
    if (!request.IcsFile.empty() && !request.Server.User.empty())
        throw CommandError::Usage("--user と --password-file は --caldav と一緒に指定してください。");
    CheckCalDavOptions(request.Server);
    return request;
}

/// The calendar texts to read: the file, or every resource of the collection.
std::vector<std::string> Calendars(const Request& request)
{
    if (!request.IcsFile.empty()) {
        std::string text;
        if (const Outcome read = ReadWholeFile(request.IcsFile, text); !read.Ok)
            throw CommandError::BadInput(request.IcsFile + ": " + read.Error);
        return {text};
    }
    const CalDavAccount account = CalDavAccountOf(request.Server);
    const auto qt = StartQt<QCoreApplication>();
    CalDavClient client(account);
    std::vector<std::string> calendars;
    for (CalDavResource& resource : client.ListCollection())
        calendars.push_back(std::move(resource.Data));
    return calendars;
}

/// The preview: each changed day with the lines it gains.
void PrintPlan(const EventImportPlan& plan)
{
    for (const EventTextChange& change : plan.Changes) {
        for (const std::string& line : change.AddedLines)
            std::cout << JapaneseDate(change.Date) << ": + " << line << "\n";
    }
}

} // namespace

int RunImportEvents(const CommandArgs& args)
{
    return RunCommand([&] {
        const Request request = ParseArguments(args);
        RefuseOutputOverInput(request.Input, request.Output);
        CPlanovaDoc document = DataFileArgument(request.Input);
        EventImportPlan plan;
        try {
            const std::string source = request.IcsFile.empty() ? request.Server.Url : request.IcsFile;
            plan =
                PlanEventImport(document, CalendarEvents(Calendars(request), request.Server.Range, source));
        } catch (const CalDavError& error) {
            throw CommandError::BadInput(error.what());
        }
        ApplyEventImport(document, plan);
        if (const Outcome saved = SaveDataFile(request.Output, document); !saved.Ok)
            throw CommandError::BadInput(request.Output + ": " + saved.Error);
        PrintPlan(plan);
        std::cout << plan.Changes.size() << " 日の行事に取り込みました: " << request.Output << "\n";
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
