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
 */
class ArgumentReader
{
public:
    explicit ArgumentReader(const CommandArgs& args) : Args(args) {}

    bool AtEnd() const { return Next >= Args.size(); }
    /// The next argument; call only when not AtEnd.
    const std::string& Take() { return Args[Next++]; }

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
    const CommandArgs& Args;
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
 * ("ファイルを開けませんでした。" …) when it cannot be read or is damaged. A warning of the load goes to
 * standard error.
 */
CPlanovaDoc DataFileArgument(const std::string& path);

/**
 * Runs the body of a command: a CommandError becomes "planova-cli: message" on standard error and
 * its exit status (after ExitUsage main prints the command's usage text).
 */
int RunCommand(const std::function<int()>& body);

} // namespace planova::cli
