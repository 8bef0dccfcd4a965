#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/DocumentJson.h"
#include "model/DataFile.h"
#include "model/DataFileSave.h"
#include "model/SafeSave.h"

namespace planova::cli {
namespace {

struct ImportRequest
{
    std::string Input;
    std::string Output;
};

ImportRequest ParseArguments(const CommandArgs& args)
{
    ImportRequest request;
    ArgumentReader reader(args, ArgumentReader::ReadsNoDataFile);
    while (!reader.AtEnd()) {
        const std::string& arg = reader.Take();
        if (arg == "-o") {
            reader.Once(arg, arg);
            request.Output = reader.Value(arg);
        } else if (!ArgumentReader::IsOption(arg) && request.Input.empty()) {
            request.Input = arg;
        } else {
            throw CommandError::Usage("不明な引数です: " + arg);
        }
    }
    if (request.Input.empty() || request.Output.empty())
        throw CommandError::Usage("FILE.json と -o OUT.dat は必ず指定してください。");
    return request;
}

} // namespace

int RunImport(const CommandArgs& args)
{
    return RunCommand([&] {
        const ImportRequest request = ParseArguments(args);
        PieceReader input(request.Input);
        CPlanovaDoc document;
        try {
            document = ReadDocumentJson(input);
        } catch (const DocumentJsonError& error) {
            // A text cut short by a failing read is malformed too; the read's reason is the real one.
            const std::string reason = input.Result().Ok ? error.what() : input.Result().Error;
            throw CommandError::BadInput(request.Input + ": " + reason);
        }
        if (!input.Result().Ok)
            throw CommandError::BadInput(request.Input + ": " + input.Result().Error);
        if (const Outcome saved = SaveDataFile(request.Output, document); !saved.Ok)
            throw CommandError::BadInput(request.Output + ": " + saved.Error);
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
