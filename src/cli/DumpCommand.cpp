#include "cli/CliCommands.h"

#include "cli/DocumentJson.h"
#include "model/DataFile.h"
#include "model/DataFileLoad.h"

#include <iostream>

namespace planova::cli {

int RunDump(const CommandArgs& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: planova-cli dump FILE.dat\n";
        return ExitUsage;
    }
    const std::string& path = args[0];
    const LoadedDataFile loaded = LoadDataFile(path);
    if (!loaded.Result.Ok) {
        std::cerr << "planova-cli: " << path << ": " << OpenFailureMessage(loaded.Result.Error) << "\n";
        return ExitBadInput;
    }
    if (!loaded.Warning.empty())
        std::cerr << "planova-cli: " << path << ": " << loaded.Warning << "\n";
    try {
        std::cout << DocumentToJson(*loaded.Document).dump(2) << "\n";
    } catch (const DocumentJsonError& error) {
        std::cerr << "planova-cli: " << path << ": " << error.what() << "\n";
        return ExitBadInput;
    }
    return ExitOk;
}

} // namespace planova::cli
