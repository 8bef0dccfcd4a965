#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/DocumentJson.h"
#include "model/DataFile.h"
#include "model/SafeSave.h"

#include <iostream>

namespace planova::cli {

int RunDump(const CommandArgs& args)
{
    return RunCommand("usage: planova-cli dump FILE.dat\n", [&] {
        if (args.size() != 1 || ArgumentReader::IsOption(args[0]))
            throw CommandError::Usage("データファイルを1つ指定してください。");
        const std::string& path = args[0];
        std::string bytes;
        if (const Outcome read = ReadWholeFile(path, bytes); !read.Ok)
            throw CommandError::BadInput(path + ": " + OpenFailureMessage(read.Error));
        try {
            std::cout << DocumentToJson(ReadDataFile(bytes)).dump(2) << "\n";
        } catch (const DataFileError& error) {
            throw CommandError::BadInput(path + ": " + OpenFailureMessage(error.what()));
        } catch (const DocumentJsonError& error) {
            throw CommandError::BadInput(path + ": " + error.what());
        }
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
