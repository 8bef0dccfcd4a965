#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/DocumentJson.h"

#include <iostream>

namespace planova::cli {

int RunDump(const CommandArgs& args)
{
    return RunCommand([&] {
        ArgumentReader reader(args);
        std::string path;
        if (const std::string* option = reader.NextOption(path))
            throw UnknownOption(*option);
        if (path.empty())
            throw CommandError::Usage("データファイルを1つ指定してください。");
        const CPlanovaDoc document = DataFileArgument(path);
        try {
            WriteDocumentJson(document, [](std::string_view piece) { std::cout << piece; });
            std::cout << "\n";
        } catch (const DocumentJsonError& error) {
            throw CommandError::BadInput(path + ": " + error.what());
        }
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
