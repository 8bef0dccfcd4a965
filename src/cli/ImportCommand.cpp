#include "cli/CliCommands.h"

#include "cli/DocumentJson.h"
#include "model/DataFile.h"
#include "model/SafeSave.h"

#include <iostream>
#include <iterator>

namespace planova::cli {
namespace {

int Usage()
{
    std::cerr << "usage: planova-cli import FILE.json -o OUT.dat\n";
    return ExitUsage;
}

} // namespace

int RunImport(const CommandArgs& args)
{
    std::string input;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size() && output.empty())
            output = args[++i];
        else if (input.empty() && args[i] != "-o")
            input = args[i];
        else
            return Usage();
    }
    if (input.empty() || output.empty())
        return Usage();

    std::string text;
    if (input == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else if (const Outcome read = ReadWholeFile(input, text); !read.Ok) {
        std::cerr << "planova-cli: " << input << ": " << read.Error << "\n";
        return ExitBadInput;
    }
    std::string bytes;
    try {
        bytes = WriteDataFile(DocumentFromJson(ParseDocumentJson(text)));
    } catch (const DocumentJsonError& error) {
        std::cerr << "planova-cli: " << input << ": " << error.what() << "\n";
        return ExitBadInput;
    }
    if (const Outcome saved = SafeSave(output, bytes); !saved.Ok) {
        std::cerr << "planova-cli: " << output << ": " << saved.Error << "\n";
        return ExitBadInput;
    }
    return ExitOk;
}

} // namespace planova::cli
