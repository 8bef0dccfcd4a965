#include "cli/CliCommands.h"

#include "cli/Arguments.h"

#include "calendar/ClassHourCount.h"
#include "calendar/ToolDates.h"
#include "dialogs/IntegerField.h"
#include "model/Cp932Codec.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>
#include <optional>
#include <vector>

namespace planova::cli {
namespace {

/// A class to count: its name (code page 932) and offset.
struct ClassEntry
{
    std::string Name;
    int Offset = 0;
};

struct Request
{
    std::string Input;
    std::optional<DateTime> From;
    std::optional<DateTime> To;
    std::vector<ClassEntry> Classes;
};

/// "NAME" or "NAME=OFFSET", the offset after the last "=".
ClassEntry ParseClass(const std::string& option, const std::string& text)
{
    ClassEntry entry;
    std::string name = text;
    if (const std::size_t equals = text.rfind('='); equals != std::string::npos) {
        const IntegerFieldValue offset = ReadIntegerField(text.substr(equals + 1));
        if (!offset.Value)
            throw CommandError::BadInput(option + " \"" + text + "\" のオフセット値: " + offset.Message);
        entry.Offset = *offset.Value;
        name = text.substr(0, equals);
    }
    if (name.empty())
        throw CommandError::BadInput(option + " \"" + text + "\": 学級名を入力してください。");
    entry.Name = Cp932Argument(option, name);
    return entry;
}

Request ParseArguments(const CommandArgs& args)
{
    Request request;
    ArgumentReader reader(args);
    while (const std::string* option = reader.NextOption(request.Input)) {
        const std::string& arg = *option;
        if (arg == "--class") {
            request.Classes.push_back(ParseClass(arg, reader.Value(arg)));
        } else if (arg == "--from" || arg == "--to") {
            reader.Once(arg, arg);
            (arg == "--from" ? request.From : request.To) = DateArgument(arg, reader.Value(arg));
        } else {
            throw UnknownOption(arg);
        }
    }
    if (request.Input.empty())
        throw CommandError::Usage("データファイルを指定してください。");
    return request;
}

std::string IsoDate(const DateTime& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year(), date.Month(), date.Day());
    return text;
}

} // namespace

int RunCountHours(const CommandArgs& args)
{
    return RunCommand([&] {
        Request request = ParseArguments(args);
        CPlanovaDoc document = DataFileArgument(request.Input);
        const auto [from, to] =
            CountingPeriod(document, request.From.value_or(DateTime()), request.To.value_or(DateTime()));
        if (!from.IsValid() || !to.IsValid())
            throw CommandError::BadInput(request.Input +
                                         ": 保存されている計算期間が正しい日付ではありません。"
                                         "--from と --to を指定してください。");
        if (std::string reason = DateRangeRefusal(from, to); !reason.empty())
            throw CommandError::BadInput(reason);
        if (request.Classes.empty()) {
            for (std::size_t i = 0; i < document.Class.size(); ++i)
                request.Classes.push_back({document.Class[i], document.Offset[i]});
        }

        std::vector<std::string> names;
        for (const ClassEntry& entry : request.Classes)
            names.push_back(entry.Name);
        const std::vector<int> counts = CountClassHours(document, names, from, to);
        nlohmann::ordered_json classes = nlohmann::ordered_json::array();
        for (std::size_t i = 0; i < names.size(); ++i) {
            const ClassEntry& entry = request.Classes[i];
            classes.push_back({{"name", Cp932ToUtf8Lenient(entry.Name)},
                               {"offset", entry.Offset},
                               {"count", counts[i]},
                               {"result", std::int64_t{entry.Offset} + counts[i]}});
        }
        const nlohmann::ordered_json result{
            {"from", IsoDate(from)}, {"to", IsoDate(to)}, {"classes", classes}};
        std::cout << result.dump(2) << "\n";
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
