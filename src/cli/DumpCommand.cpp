#include "cli/CliCommands.h"

#include "cli/DocumentJson.h"
#include "model/DataFile.h"
#include "model/SafeSave.h"

#include <iostream>

namespace planova::cli {

int RunDump(const CommandArgs& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: planova-cli dump FILE.dat\n";
        return ExitUsage;
    }
    const std::string& path = args[0];
    std::string bytes;
    if (const Outcome read = ReadWholeFile(path, bytes); !read.Ok) {
        std::cerr << "planova-cli: " << path << ": " << OpenFailureMessage(read.Error) << "\n";
        return ExitBadInput;
    }
    try {
        std::cout << DocumentToJson(ReadDataFile(bytes)).dump(2) << "\n";
    } catch (const DataFileError& error) {
        std::cerr << "planova-cli: " << path << ": " << OpenFailureMessage(error.what()) << "\n";
        return ExitBadInput;
    } catch (const DocumentJsonError& error) {
        std::cerr << "planova-cli: " << path << ": " << error.what() << "\n";
        return ExitBadInput;
    }
    return ExitOk;
}

} // namespace planova::cli
