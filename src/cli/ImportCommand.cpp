#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/DocumentJson.h"
#include "model/DataFile.h"
#include "model/DataFileSave.h"
#include "model/SafeSave.h"

#include <iostream>
#include <iterator>

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

std::string ReadJsonText(const std::string& input)
{
    std::string text;
    if (input == "-")
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    else if (const Outcome read = ReadWholeFile(input, text); !read.Ok)
        throw CommandError::BadInput(input + ": " + read.Error);
    return text;
}

} // namespace

int RunImport(const CommandArgs& args)
{
    return RunCommand([&] {
        const ImportRequest request = ParseArguments(args);
        const std::string text = ReadJsonText(request.Input);
        CPlanovaDoc document;
        try {
            document = DocumentFromJson(ParseDocumentJson(text));
        } catch (const DocumentJsonError& error) {
            throw CommandError::BadInput(request.Input + ": " + error.what());
        }
        if (const Outcome saved = SaveDataFile(request.Output, document); !saved.Ok)
            throw CommandError::BadInput(request.Output + ": " + saved.Error);
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
