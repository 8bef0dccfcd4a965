#include "cli/CliCommands.h"

#include "cli/Arguments.h"

#include "calendar/SchoolYear.h"
#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/DataFileSave.h"

#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

namespace planova::cli {
namespace {

struct VacationOption
{
    const char* Name;
    VacationPeriod SchoolDayRules::*Period;
};

constexpr VacationOption VacationOptions[] = {
    {"spring", &SchoolDayRules::Spring},
    {"summer", &SchoolDayRules::Summer},
    {"autumn", &SchoolDayRules::Autumn},
    {"winter", &SchoolDayRules::Winter},
};

struct Request
{
    std::string Input;
    std::string Output;
    SchoolYearParameters Parameters;
    std::optional<bool> OverwritePlans;    ///< unset: the document's own setting
    std::vector<LocalHoliday> OwnHolidays; ///< --local-holiday, in the order given
};

/// The number written with digits only, or -1.
int DigitsValue(std::string_view text)
{
    if (text.empty())
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

/// "MM-DD"; whether that month and day exist is the generator's check.
std::optional<MonthDay> ParseMonthDay(std::string_view text)
{
    if (text.size() != 5 || text[2] != '-')
        return std::nullopt;
    const int month = DigitsValue(text.substr(0, 2));
    const int day = DigitsValue(text.substr(3, 2));
    if (month < 0 || day < 0)
        return std::nullopt;
    return MonthDay{month, day};
}

MonthDay ParseFoundation(const std::string& option, const std::string& text)
{
    if (const std::optional<MonthDay> day = ParseMonthDay(text))
        return *day;
    throw CommandError::BadInput(option + " の月日 \"" + text + "\" が正しくありません (MM-DD)。");
}

VacationPeriod ParsePeriod(const std::string& option, const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos) {
        const std::optional<MonthDay> first = ParseMonthDay(std::string_view(text).substr(0, colon));
        const std::optional<MonthDay> last = ParseMonthDay(std::string_view(text).substr(colon + 1));
        if (first && last)
            return {true, *first, *last};
    }
    throw CommandError::BadInput(option + " の期間 \"" + text + "\" が正しくありません (MM-DD:MM-DD)。");
}

HolidayRuleSet ParseRuleSet(const std::string& option, const std::string& text)
{
    if (text == "current")
        return HolidayRuleSet::CurrentLaw;
    if (text == "classic")
        return HolidayRuleSet::Classic;
    throw CommandError::BadInput(option + " には current か classic を指定してください (\"" + text + "\")。");
}

/// The place's holiday, or none for "none".
std::vector<LocalHoliday> ParseLocalPlace(const std::string& option, const std::string& text)
{
    if (text == "none")
        return {};
    if (const LocalHolidayPlace* place = FindLocalHolidayPlace(text))
        return {HolidayOf(*place)};
    std::string keys = "none";
    for (const LocalHolidayPlace& place : LocalHolidayPlaces())
        keys += std::string(", ") + place.Key;
    throw CommandError::BadInput(option + " には " + keys + " のどれかを指定してください (\"" + text +
                                 "\")。");
}

/// "MM-DD:NAME"; whether the month and day exist is the generator's check.
LocalHoliday ParseOwnHoliday(const std::string& option, const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos && colon + 1 < text.size()) {
        if (const std::optional<MonthDay> date = ParseMonthDay(std::string_view(text).substr(0, colon)))
            return {*date, Cp932Argument(option, text.substr(colon + 1))};
    }
    throw CommandError::BadInput(option + " の値 \"" + text + "\" が正しくありません (MM-DD:名前)。");
}

/// Options that set the same thing share a key, so giving both (or one twice) is noticed.
std::string OptionKey(const std::string& option)
{
    if (option == "--overwrite" || option == "--append")
        return "timetable";
    // --no-tomin is "--local-holidays none"; own dates stand instead of a place.
    if (option == "--no-tomin" || option == "--local-holiday")
        return "local-holidays";
    if (option.rfind("--no-", 0) == 0)
        return option.substr(5);
    const std::size_t name = option.find_first_not_of('-');
    return name == std::string::npos ? option : option.substr(name);
}

bool ApplyVacationOption(const std::string& option, ArgumentReader& reader, SchoolDayRules& rules)
{
    for (const VacationOption& vacation : VacationOptions) {
        if (option == std::string("--") + vacation.Name) {
            rules.*vacation.Period = ParsePeriod(option, reader.Value(option));
            return true;
        }
        if (option == std::string("--no-") + vacation.Name) {
            (rules.*vacation.Period).On = false;
            return true;
        }
    }
    return false;
}

Request ParseArguments(const CommandArgs& args)
{
    Request request;
    request.Parameters = SchoolYearParameters::Defaults(Now(), false);
    std::optional<DateTime> from;
    std::optional<DateTime> to;
    ArgumentReader reader(args);
    while (!reader.AtEnd()) {
        const std::string& arg = reader.Take();
        if (!ArgumentReader::IsOption(arg)) {
            if (!request.Input.empty())
                throw CommandError::Usage("入力ファイルは1つだけ指定してください (\"" + arg + "\")。");
            request.Input = arg;
            continue;
        }
        // --local-holiday may be repeated; the first one conflicts with the other local options.
        if (arg != "--local-holiday" || request.OwnHolidays.empty())
            reader.Once(OptionKey(arg), arg);

        SchoolYearParameters& parameters = request.Parameters;
        if (ApplyVacationOption(arg, reader, parameters.Days))
            continue;
        if (arg == "-o")
            request.Output = reader.Value(arg);
        else if (arg == "--from")
            from = DateArgument(arg, reader.Value(arg));
        else if (arg == "--to")
            to = DateArgument(arg, reader.Value(arg));
        else if (arg == "--foundation") {
            parameters.Days.FoundationDayOn = true;
            parameters.Days.FoundationDay = ParseFoundation(arg, reader.Value(arg));
        } else if (arg == "--overwrite" || arg == "--append")
            request.OverwritePlans = arg == "--overwrite";
        else if (arg == "--holidays")
            parameters.Holidays.RuleSet = ParseRuleSet(arg, reader.Value(arg));
        else if (arg == "--local-holidays")
            parameters.Holidays.LocalHolidays = ParseLocalPlace(arg, reader.Value(arg));
        else if (arg == "--local-holiday")
            request.OwnHolidays.push_back(ParseOwnHoliday(arg, reader.Value(arg)));
        else if (arg == "--no-tomin")
            parameters.Holidays.LocalHolidays.clear();
        else
            throw UnknownOption(arg);
    }
    if (request.Input.empty() || request.Output.empty() || !from || !to)
        throw CommandError::Usage("IN.dat (または -)、-o OUT.dat、--from と --to は必ず指定してください。");
    request.Parameters.Start = *from;
    request.Parameters.End = *to;
    if (!request.OwnHolidays.empty())
        request.Parameters.Holidays.LocalHolidays = request.OwnHolidays;
    return request;
}

/// The input document: a new one for "-", else the data file read whole.
CPlanovaDoc ReadInput(const std::string& input)
{
    return input == "-" ? CPlanovaDoc() : DataFileArgument(input);
}

} // namespace

int RunMakeYear(const CommandArgs& args)
{
    return RunCommand([&] {
        Request request = ParseArguments(args);
        CPlanovaDoc document = ReadInput(request.Input);
        SchoolYearParameters& parameters = request.Parameters;
        parameters.Days.OverwritePlans = request.OverwritePlans.value_or(document.JUwagaki);

        if (const Outcome made = MakeSchoolYear(document, parameters); !made.Ok)
            throw CommandError::BadInput(made.Error);
        if (const Outcome saved = SaveDataFile(request.Output, document); !saved.Ok)
            throw CommandError::BadInput(request.Output + ": " + saved.Error);

        std::cout << JapaneseDate(parameters.Start) << "〜" << JapaneseDate(parameters.End) << " の "
                  << (parameters.End.ToSysDays() - parameters.Start.ToSysDays()).count() + 1
                  << " 日を作成しました: " << request.Output << "\n";
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
