#pragma once

#include "cli/CliCommands.h"
#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace planova::cli {

/**
 * Why a command stops: a command line that cannot be used (ExitUsage: a missing or unknown
 * option, a missing operand) or bad input (ExitBadInput: a value or a file that cannot be used).
 * The message is Japanese and goes to standard error.
 */
class CommandError : public std::runtime_error
{
public:
    CommandError(ExitStatus status, const std::string& message) : std::runtime_error(message), Status(status)
    {
    }

    static CommandError Usage(const std::string& message) { return {ExitUsage, message}; }
    static CommandError BadInput(const std::string& message) { return {ExitBadInput, message}; }

    ExitStatus Status;
};

/**
 * Reads a command's arguments in order: options, their values and plain operands. Every command
 * of planova-cli reads its arguments through it, so a missing value, a repeated option and an
 * unknown option are reported alike.
 *
 * For a command that reads a data file, the reader itself takes the option "--strict" wherever an
 * option may stand (not as the value of another option): a damaged data file is then refused
 * rather than read with a warning (DataFileArgument).
 */
class ArgumentReader
{
public:
    enum Kind
    {
        ReadsDataFile,
        ReadsNoDataFile
    };

    explicit ArgumentReader(const CommandArgs& args, Kind kind = ReadsDataFile) : Args(args), Command(kind) {}

    bool AtEnd()
    {
        TakeStrictOption();
        return Next >= Args.size();
    }
    /// The next argument; call only when not AtEnd.
    const std::string& Take()
    {
        TakeStrictOption();
        return Args[Next++];
    }

    /// The value after an option; a usage error when none follows.
    const std::string& Value(const std::string& option);

    /**
     * Notes that an option was given under a key (options that set the same thing share one); a
     * second option of the same key is a usage error naming both.
     */
    void Once(const std::string& key, const std::string& option);

    /// A plain operand as the command's one data file; a second one is a usage error.
    static void DataFileOperand(std::string& file, const std::string& arg);

    /**
     * The next option, after filing the plain operands before it as the command's one data file
     * (DataFileOperand); nullptr when the arguments are used up.
     */
    const std::string* NextOption(std::string& dataFile);

    /// Whether an argument is an option ("-o", "--from"); "-" alone is an operand (standard input).
    static bool IsOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

private:
    void TakeStrictOption();

    const CommandArgs& Args;
    Kind Command;
    std::size_t Next = 0;
    std::map<std::string, std::string> Given;
};

/// The usage error for an option the command does not know.
CommandError UnknownOption(const std::string& option);

/// "YYYY-MM-DD" as a date; bad input naming the option when it is not a real date of 100 to 9999.
DateTime DateArgument(const std::string& option, const std::string& text);

/// A text given in UTF-8 as model bytes (code page 932, characters it cannot hold as escapes); bad
/// input naming the option when the text is not UTF-8.
std::string Cp932Argument(const std::string& option, const std::string& utf8);

/**
 * The document of a data file given on the command line; bad input naming the file and the reason
 * ("ファイルを開けませんでした。" …) when it cannot be read. A warning of the load and what a damaged
 * file lost ("このファイルは一部が壊れています。…") go to standard error; after "--strict" a damaged
 * file is bad input instead.
 */
CPlanovaDoc DataFileArgument(const std::string& path);

/**
 * Refuses (bad input, naming the output) an output that is the command's input file, seen through
 * links and "..": a PDF, an image or an export written there would replace the data file.
 */
void RefuseOutputOverInput(const std::string& input, const std::string& output);

/**
 * Runs the body of a command: a CommandError becomes "planova-cli: message" on standard error,
 * and its exit status (after ExitUsage main prints the command's usage text). Memory that runs
 * out anywhere in the body is bad input too ("メモリが足りないため…"); every command writes its
 * output only once it is complete, so nothing has been written then.
 */
int RunCommand(const std::function<int()>& body);

} // namespace planova::cli
