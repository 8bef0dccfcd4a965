#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/DocumentJson.h"
#include "edit/FindReplace.h"
#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/DataFileSave.h"

#include <iostream>
#include <optional>

namespace planova::cli {
namespace {

/// The arguments of find and replace; each command checks the ones it needs.
struct FindRequest
{
    std::string File;
    std::optional<std::string> Text;
    std::optional<std::string> With;
    std::optional<DateTime> From;
    bool FromStart = false;
    std::string Output;
    MatchOptions Options;
    FindOrder Order;
};

/// The options of matching both commands take, each a flag.
struct MatchFlag
{
    const char* Name;
    bool MatchOptions::*Member;
};

constexpr MatchFlag MatchFlags[] = {
    {"--ignore-width", &MatchOptions::IgnoreWidth},
    {"--ignore-kana", &MatchOptions::IgnoreKana},
    {"--ignore-case", &MatchOptions::IgnoreCase},
};

/// Sets the matching option the argument names; false when it names none.
bool TakeMatchFlag(ArgumentReader& reader, const std::string& arg, MatchOptions& options)
{
    for (const MatchFlag& flag : MatchFlags) {
        if (arg == flag.Name) {
            reader.Once(arg, arg);
            options.*flag.Member = true;
            return true;
        }
    }
    return false;
}

/// Reads the arguments; `replacing` allows --with and -o, otherwise --from, --from-start and --backward.
FindRequest ParseArguments(const CommandArgs& args, bool replacing)
{
    FindRequest request;
    ArgumentReader reader(args);
    while (!reader.AtEnd()) {
        const std::string& arg = reader.Take();
        if (arg == "--text") {
            reader.Once(arg, arg);
            request.Text = Cp932Argument(arg, reader.Value(arg));
        } else if (replacing && arg == "--with") {
            reader.Once(arg, arg);
            request.With = Cp932Argument(arg, reader.Value(arg));
        } else if (replacing && arg == "-o") {
            reader.Once(arg, arg);
            request.Output = reader.Value(arg);
        } else if (!replacing && arg == "--from") {
            reader.Once("start", arg);
            request.From = DateArgument(arg, reader.Value(arg));
        } else if (!replacing && arg == "--from-start") {
            reader.Once("start", arg);
            request.FromStart = true;
        } else if (!replacing && arg == "--backward") {
            reader.Once(arg, arg);
            request.Order.Backward = true;
        } else if (arg == "--todos") {
            reader.Once(arg, arg);
            request.Order.ToDos = true;
        } else if (TakeMatchFlag(reader, arg, request.Options)) {
        } else if (!ArgumentReader::IsOption(arg) && request.File.empty()) {
            request.File = arg;
        } else {
            throw CommandError::Usage("不明な引数です: " + arg);
        }
    }
    if (request.File.empty() || !request.Text)
        throw CommandError::Usage("FILE.dat と --text は必ず指定してください。");
    if (replacing && (!request.With || request.Output.empty()))
        throw CommandError::Usage("--with と -o OUT.dat は必ず指定してください。");
    return request;
}

} // namespace

int RunFind(const CommandArgs& args)
{
    return RunCommand([&] {
        const FindRequest request = ParseArguments(args, false);
        CPlanovaDoc document = DataFileArgument(request.File);
        // As repeated "次を検索" in the application: the first search starts at the given date (the
        // month calendar's date, today unless given) or at the first day, each next one at the hit's day.
        DateTime start = request.From.value_or(Now().DateOnly());
        bool fromStart = request.FromStart;
        nlohmann::ordered_json hits = nlohmann::ordered_json::array();
        FindHitState hit;
        while (FindNext(document, hit, start, *request.Text, fromStart, request.Options, request.Order)) {
            nlohmann::ordered_json found;
            if (hit.ToDoItem >= 0) {
                found["todo"] = hit.ToDoItem;
            } else {
                found["date"] = DateJson(hit.Date);
                start = hit.Date;
            }
            found["field"] = hit.Field;
            found["line"] = hit.Line;
            found["column"] = hit.Column;
            hits.push_back(std::move(found));
            fromStart = false;
        }
        std::cout << hits.dump(2) << "\n";
        return static_cast<int>(ExitOk);
    });
}

int RunReplace(const CommandArgs& args)
{
    return RunCommand([&] {
        const FindRequest request = ParseArguments(args, true);
        CPlanovaDoc document = DataFileArgument(request.File);
        FindHitState hit;
        if (const ReplaceAllResult replaced =
                ReplaceAll(document, hit, *request.Text, *request.With, request.Options, request.Order.ToDos);
            !replaced.Result.Ok)
            throw CommandError::BadInput(replaced.Result.Error);
        if (const Outcome saved = SaveDataFile(request.Output, document); !saved.Ok)
            throw CommandError::BadInput(request.Output + ": " + saved.Error);
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
