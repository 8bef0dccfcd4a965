#include "cli/CliCommands.h"

#include "cli/CliDates.h"

#include "canvas/PrintOutput.h"
#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/SafeSave.h"
#include "model/SettingsTable.h"
#include "print/PrintJob.h"
#include "print/PrintOptionLimits.h"
#include "print/PrintTypes.h"
#include "view/ViewState.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace planova::cli {
namespace {

constexpr const char* UsageText =
    "usage: planova-cli print FILE.dat --type day|memo [--from YYYY-MM-DD --to YYYY-MM-DD]\n"
    "         [--paper a4|a5|bible|mini] [--orientation portrait|landscape] [--page spread|left|right|one]\n"
    "         [--set TAG=VALUE ...] -o OUT.pdf\n"
    "  Every other option comes from the print settings stored in FILE.dat; --set overrides one by its\n"
    "  tag (for example --set PFontSize=12 --set PKirokuCenterline1by3=1). The dates default to today.\n";

/// Why the command stops: a command line that cannot be used (ExitUsage) or bad input (ExitBadInput).
class CommandError : public std::runtime_error
{
public:
    CommandError(ExitStatus status, const std::string& message) : std::runtime_error(message), Status(status)
    {
    }
    ExitStatus Status;
};

/// A word of the command line and the setting value it stands for.
struct Choice
{
    std::string_view Word;
    int Value;
};

constexpr Choice Types[] = {{"day", PrintType::Day}, {"memo", PrintType::Memo}};
constexpr Choice Papers[] = {
    {"a4", PaperType::A4}, {"a5", PaperType::A5}, {"bible", PaperType::Bible}, {"mini", PaperType::Mini}};
constexpr Choice Orientations[] = {{"portrait", Orientation::Portrait}, {"landscape", Orientation::Landscape}};
constexpr Choice Pages[] = {
    {"spread", PageType::Spread}, {"left", PageType::Left}, {"right", PageType::Right}, {"one", PageType::One}};

/// The tags --set accepts besides the print group: the options of the print dialog stored elsewhere.
constexpr std::string_view OtherPrintTags[] = {"Keisannsuru", "ToDoGyouji", "ToDoKigenn", "ToDoHanni", "Biorhythm"};

/// Tags that have their own option.
constexpr std::pair<std::string_view, std::string_view> OwnOptions[] = {
    {"PrintType", "--type"}, {"PPaperType", "--paper"}, {"PYoushiType", "--orientation"}, {"PPageType", "--page"}};

struct Request
{
    std::string Input;
    std::string Output;
    std::optional<int> Type;
    std::optional<int> Paper;
    std::optional<int> Orientation;
    std::optional<int> Page;
    std::optional<DateTime> From;
    std::optional<DateTime> To;
    std::vector<std::pair<std::string, std::string>> Sets;
};

template <std::size_t N> int ChoiceOf(const std::string& option, const std::string& word, const Choice (&choices)[N])
{
    std::string words;
    for (const Choice& choice : choices) {
        if (choice.Word == word)
            return choice.Value;
        words += (words.empty() ? "" : "、") + std::string(choice.Word);
    }
    throw CommandError(ExitBadInput, option + " は " + words + " のいずれかです: " + word);
}

DateTime DateOf(const std::string& option, const std::string& text)
{
    const std::optional<DateTime> date = ParseIsoDate(text);
    if (!date)
        throw CommandError(ExitBadInput, option + " の日付 \"" + text + "\" が正しくありません (YYYY-MM-DD)。");
    return *date;
}

Request ParseRequest(const CommandArgs& args)
{
    Request request;
    const auto value = [&](std::size_t& i) -> const std::string& {
        if (i + 1 >= args.size())
            throw CommandError(ExitUsage, args[i] + " に値がありません。");
        return args[++i];
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--type")
            request.Type = ChoiceOf(arg, value(i), Types);
        else if (arg == "--paper")
            request.Paper = ChoiceOf(arg, value(i), Papers);
        else if (arg == "--orientation")
            request.Orientation = ChoiceOf(arg, value(i), Orientations);
        else if (arg == "--page")
            request.Page = ChoiceOf(arg, value(i), Pages);
        else if (arg == "--from")
            request.From = DateOf(arg, value(i));
        else if (arg == "--to")
            request.To = DateOf(arg, value(i));
        else if (arg == "--set") {
            const std::string& assignment = value(i);
            const std::size_t equals = assignment.find('=');
            if (equals == std::string::npos || equals == 0)
                throw CommandError(ExitUsage, "--set は TAG=VALUE の形です: " + assignment);
            request.Sets.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
        } else if (arg == "-o")
            request.Output = value(i);
        else if (!arg.empty() && arg[0] != '-' && request.Input.empty())
            request.Input = arg;
        else
            throw CommandError(ExitUsage, "不明な引数です: " + arg);
    }
    if (request.Input.empty() || !request.Type || request.Output.empty())
        throw CommandError(ExitUsage, "FILE.dat、--type と -o は必須です。");
    return request;
}

/// The setting a --set tag names: a print setting of the document, or a print option stored elsewhere.
const SettingEntry& SettingOf(const std::string& tag)
{
    for (const auto& [ownTag, option] : OwnOptions) {
        if (tag == ownTag)
            throw CommandError(ExitBadInput, "--set " + tag + " ではなく " + std::string(option) + " を使ってください。");
    }
    for (const SettingEntry& entry : Settings()) {
        const bool printGroup = entry.Group == SettingGroup::Print;
        const bool otherPrintTag = std::find(std::begin(OtherPrintTags), std::end(OtherPrintTags), entry.Tag) !=
                                   std::end(OtherPrintTags);
        if (entry.Tag == tag && (printGroup || otherPrintTag))
            return entry;
    }
    throw CommandError(ExitBadInput, "--set で設定できない項目です: " + tag);
}

/// A whole number written with digits and an optional minus sign.
std::optional<long long> WholeNumber(const std::string& text)
{
    std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() > 12)
        return std::nullopt;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] < '0' || text[k] > '9')
            return std::nullopt;
    }
    return std::stoll(text);
}

/// Sets one document setting from a --set value, checked against the values the print dialog allows.
void ApplySet(CPlanovaDoc& document, const std::string& tag, const std::string& text)
{
    const SettingEntry& entry = SettingOf(tag);
    const std::optional<long long> number = WholeNumber(text);
    std::visit(
        [&](auto member) {
            using Value = std::decay_t<decltype(document.*member)>;
            if constexpr (std::is_same_v<Value, bool>) {
                if (!number || (*number != 0 && *number != 1))
                    throw CommandError(ExitBadInput, tag + " は 0 か 1 です: " + text);
                document.*member = *number == 1;
            } else if constexpr (std::is_same_v<Value, std::string>) {
                throw CommandError(ExitBadInput, "--set で設定できない項目です: " + tag);
            } else {
                const std::optional<OptionRange> range = PrintOptionRange(tag);
                if (!number)
                    throw CommandError(ExitBadInput, tag + ": 整数を入力してください。");
                if (range && (*number < range->Min || *number > range->Max))
                    throw CommandError(ExitBadInput, tag + ": " + std::to_string(range->Min) + " から " +
                                                         std::to_string(range->Max) +
                                                         " までの整数を入力してください。");
                document.*member = static_cast<Value>(*number);
            }
        },
        entry.Member);
}

CPlanovaDoc ReadDocument(const std::string& path)
{
    std::string bytes;
    const Outcome read = ReadWholeFile(path, bytes);
    if (!read.Ok)
        throw CommandError(ExitBadInput, path + ": " + read.Error);
    try {
        return ReadDataFile(bytes);
    } catch (const DataFileError& error) {
        throw CommandError(ExitBadInput, path + ": " + OpenFailureMessage(error.what()));
    }
}

/// The print settings of the job: the document's, then the options of the command line.
ViewPrintState JobSettings(CPlanovaDoc& document, const Request& request)
{
    bool fontSizeSet = false;
    for (const auto& [tag, text] : request.Sets) {
        ApplySet(document, tag, text);
        fontSizeSet = fontSizeSet || tag == "PFontSize";
    }
    ViewPrintState print = CopyPrintSettings(document);
    print.PrintType = *request.Type;
    print.PPaperType = request.Paper.value_or(print.PPaperType);
    print.PYoushiType = request.Orientation.value_or(print.PYoushiType);
    print.PPageType = request.Page.value_or(print.PPageType);
    // As in the print dialog, the font size follows the print type and the paper.
    if (!fontSizeSet)
        print.PFontSize = TableFontSize(print, print.PrintType);

    const bool dated = *request.Type == PrintType::Day;
    if (!dated && (request.From || request.To))
        throw CommandError(ExitBadInput, "メモ用紙には日付の範囲を指定できません (--from、--to)。");
    if (request.From.has_value() != request.To.has_value())
        throw CommandError(ExitBadInput, "--from と --to は両方を指定してください。");
    const DateTime today = Now().DateOnly();
    print.PrintStartDate = request.From.value_or(today);
    print.PrintEndDate = request.To.value_or(today);
    if (print.PrintEndDate.IsEarlierThan(print.PrintStartDate))
        throw CommandError(ExitBadInput, "--to の日付が --from より前です。");
    return print;
}

/// Qt Gui for fonts and painting (no widgets); without a display the offscreen platform is used.
std::unique_ptr<QGuiApplication> StartQtGui()
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "planova-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int RunPrint(const CommandArgs& args)
{
    try {
        const Request request = ParseRequest(args);
        CPlanovaDoc document = ReadDocument(request.Input);
        const ViewPrintState print = JobSettings(document, request);
        const std::unique_ptr<QGuiApplication> application = StartQtGui();
        const PrintEnvironment environment =
            PrintEnvironmentAt(QDateTime::currentDateTime(), QCoreApplication::applicationDirPath());
        const QString title = QFileInfo(QString::fromStdString(request.Input)).fileName();
        const Outcome written = ExportPdf(request.Output, document, print, environment, title);
        if (!written.Ok)
            throw CommandError(ExitBadInput, request.Output + ": " + written.Error);
        return ExitOk;
    } catch (const CommandError& error) {
        std::cerr << "planova-cli: " << error.what() << "\n";
        if (error.Status == ExitUsage)
            std::cerr << UsageText;
        return error.Status;
    }
}

} // namespace planova::cli
