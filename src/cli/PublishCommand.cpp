#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/CalDavArguments.h"
#include "cli/QtStart.h"

#include "caldav/CalDavError.h"
#include "caldav/CalendarPublish.h"
#include "export/ExportFile.h"

#include <QCoreApplication>

#include <chrono>
#include <iostream>

namespace planova::cli {
namespace {

struct Request
{
    std::string Input;
    CalDavOptions Server;
};

Request ParseArguments(const CommandArgs& args)
{
    Request request;
    ArgumentReader reader(args);
    while (const std::string* option = reader.NextOption(request.Input)) {
        reader.Once(*option, *option);
        if (!TakeCalDavOption(reader, *option, request.Server))
            throw UnknownOption(*option);
    }
    if (request.Input.empty() || request.Server.Url.empty())
        throw CommandError::Usage("FILE.dat と --caldav URL は必ず指定してください。");
    CheckCalDavOptions(request.Server);
    return request;
}

} // namespace

int RunPublish(const CommandArgs& args)
{
    return RunCommand([&] {
        const Request request = ParseArguments(args);
        const CalDavAccount account = CalDavAccountOf(request.Server);
        const CPlanovaDoc document = DataFileArgument(request.Input);
        std::vector<CalendarEntry> entries;
        try {
            entries = ICalendarEntries(document, request.Server.Range,
                                       UtcDateTime(std::chrono::system_clock::now()));
        } catch (const ExportError& error) {
            throw CommandError::BadInput(request.Input + ": " + error.what());
        }
        const auto qt = StartQt<QCoreApplication>();
        try {
            CalDavClient client(account);
            const PublishCounts counts = PublishEntries(client, entries, request.Server.Range);
            std::cout << "公開しました: " << counts.Summary() << "\n";
        } catch (const CalDavError& error) {
            throw CommandError::BadInput(error.what());
        }
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
