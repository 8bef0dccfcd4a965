#include "cli/CliCommands.h"

#include "cli/Arguments.h"

#include "calendar/ClassHourCount.h"
#include "calendar/ContentShift.h"
#include "model/DataFile.h"
#include "model/DataFileSave.h"

#include <array>
#include <iostream>
#include <optional>

namespace planova::cli {
namespace {

struct Request
{
    std::string Input;
    std::string Output;
    std::optional<std::string> ClassName;
    std::optional<DateTime> From;
    std::optional<DateTime> To;
    std::optional<ShiftDirection> Direction;
};

ShiftDirection ParseDirection(const std::string& option, const std::string& text)
{
    if (text == "up")
        return ShiftDirection::Earlier;
    if (text == "down")
        return ShiftDirection::Later;
    throw CommandError::BadInput(option + " には up か down を指定してください (\"" + text + "\")。");
}

Request ParseArguments(const CommandArgs& args)
{
    Request request;
    ArgumentReader reader(args);
    while (const std::string* option = reader.NextOption(request.Input)) {
        const std::string& arg = *option;
        reader.Once(arg, arg);
        if (arg == "-o")
            request.Output = reader.Value(arg);
        else if (arg == "--class")
            request.ClassName = Cp932Argument(arg, reader.Value(arg));
        else if (arg == "--from")
            request.From = DateArgument(arg, reader.Value(arg));
        else if (arg == "--to")
            request.To = DateArgument(arg, reader.Value(arg));
        else if (arg == "--direction")
            request.Direction = ParseDirection(arg, reader.Value(arg));
        else
            throw UnknownOption(arg);
    }
    if (request.Input.empty() || request.Output.empty() || !request.ClassName || !request.From ||
        !request.To || !request.Direction)
        throw CommandError::Usage(
            "FILE.dat、--class、--from、--to、--direction と -o OUT.dat は必ず指定してください。");
    return request;
}

} // namespace

int RunShift(const CommandArgs& args)
{
    return RunCommand([&] {
        const Request request = ParseArguments(args);
        CPlanovaDoc document = DataFileArgument(request.Input);
        const std::array<std::string, 1> name{*request.ClassName};
        const int lessons = CountClassHours(document, name, *request.From, *request.To).front();
        if (const Outcome shifted =
                ShiftContents(document, *request.Direction, *request.From, *request.To, *request.ClassName);
            !shifted.Ok)
            throw CommandError::BadInput(shifted.Error);
        if (const Outcome saved = SaveDataFile(request.Output, document); !saved.Ok)
            throw CommandError::BadInput(request.Output + ": " + saved.Error);

        const char* done =
            *request.Direction == ShiftDirection::Earlier ? "繰り上げ（前倒し）" : "繰り下げ（先送り）";
        std::cout << JapaneseDate(*request.From) << "〜" << JapaneseDate(*request.To) << " の " << lessons
                  << " コマの「内容」を" << done << "しました: " << request.Output << "\n";
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
