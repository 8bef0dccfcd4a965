#include "cli/Arguments.h"

#include "cli/CliDates.h"
#include "model/Cp932Codec.h"
#include "model/DataFile.h"
#include "model/DataFileLoad.h"
#include "model/OutOfMemory.h"
#include "model/OutputOverInput.h"

#include <iostream>
#include <new>
#include <optional>

namespace planova::cli {
namespace {

/// Set by "--strict": a damaged data file is refused. One command runs per process.
bool RefuseDamagedFiles = false;

} // namespace

void ArgumentReader::TakeStrictOption()
{
    while (Command == ReadsDataFile && Next < Args.size() && Args[Next] == "--strict") {
        Once("--strict", "--strict");
        RefuseDamagedFiles = true;
        ++Next;
    }
}

const std::string& ArgumentReader::Value(const std::string& option)
{
    // Taken as it is: "--strict" after "--text" is the text searched for.
    if (Next >= Args.size())
        throw CommandError::Usage(option + " には値が必要です。");
    return Args[Next++];
}

void ArgumentReader::Once(const std::string& key, const std::string& option)
{
    const auto [earlier, fresh] = Given.emplace(key, option);
    if (fresh)
        return;
    if (earlier->second == option)
        throw CommandError::Usage(option + " が2回指定されています。");
    throw CommandError::Usage(option + " は " + earlier->second + " と同時に指定できません。");
}

void ArgumentReader::DataFileOperand(std::string& file, const std::string& arg)
{
    if (!file.empty())
        throw CommandError::Usage("データファイルは1つだけ指定してください (\"" + arg + "\")。");
    file = arg;
}

const std::string* ArgumentReader::NextOption(std::string& dataFile)
{
    while (!AtEnd()) {
        const std::string& arg = Take();
        if (IsOption(arg))
            return &arg;
        DataFileOperand(dataFile, arg);
    }
    return nullptr;
}

CommandError UnknownOption(const std::string& option)
{
    return CommandError::Usage("不明なオプションです: " + option);
}

DateTime DateArgument(const std::string& option, const std::string& text)
{
    const std::optional<DateTime> date = ParseIsoDate(text);
    if (!date)
        throw CommandError::BadInput(option + " の日付 \"" + text +
                                     "\" が正しくありません (YYYY-MM-DD、100〜9999 年)。");
    return *date;
}

std::string Cp932Argument(const std::string& option, const std::string& utf8)
{
    try {
        return Utf8ToCp932(utf8);
    } catch (const EncodingError& error) {
        throw CommandError::BadInput(option + ": " + error.what());
    }
}

CPlanovaDoc DataFileArgument(const std::string& path)
{
    LoadedDataFile loaded = LoadDataFile(path);
    if (!loaded.Result.Ok)
        throw CommandError::BadInput(path + ": " + OpenFailureMessage(loaded.Result.Error));
    if (!loaded.Warning.empty())
        std::cerr << "planova-cli: " << path << ": " << loaded.Warning << "\n";
    if (const std::string damage = DamageMessage(loaded.Damage); !damage.empty()) {
        if (RefuseDamagedFiles)
            throw CommandError::BadInput(path + ": " + damage + " (--strict のため中止しました)");
        std::cerr << "planova-cli: " << path << ": " << damage << "\n";
    }
    return std::move(*loaded.Document);
}

void RefuseOutputOverInput(const std::string& input, const std::string& output)
{
    if (const Outcome checked = CheckOutputIsNotInput(input, output); !checked.Ok)
        throw CommandError::BadInput(output + ": " + checked.Error);
}

int RunCommand(const std::function<int()>& body)
{
    try {
        return body();
    } catch (const CommandError& error) {
        std::cerr << "planova-cli: " << error.what() << "\n";
        return error.Status;
    } catch (const std::bad_alloc&) {
        std::cerr << "planova-cli: " << OutOfMemoryMessage("コマンドを実行") << "何も書き込んでいません。\n";
        return ExitBadInput;
    }
}

} // namespace planova::cli
