#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/QtStart.h"

#include "canvas/PrintOutput.h"
#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/SafeSave.h"
#include "dialogs/PrintDialog.h"
#include "print/PrintJob.h"
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

/// A word of the command line and the setting value it stands for.
struct Choice
{
    std::string_view Word;
    int Value;
};

constexpr Choice Types[] = {{"day", PrintType::Day},   {"week", PrintType::Week}, {"month", PrintType::Month},
                            {"year", PrintType::Year}, {"memo", PrintType::Memo}, {"todo", PrintType::ToDo}};
constexpr Choice Papers[] = {
    {"a4", PaperType::A4}, {"a5", PaperType::A5}, {"bible", PaperType::Bible}, {"mini", PaperType::Mini}};
constexpr Choice Orientations[] = {{"portrait", Orientation::Portrait},
                                   {"landscape", Orientation::Landscape}};
constexpr Choice Pages[] = {{"spread", PageType::Spread},
                            {"left", PageType::Left},
                            {"right", PageType::Right},
                            {"one", PageType::One}};
constexpr Choice Layouts[] = {{"vertical", 0}, {"list", 1}};
constexpr Choice MonthsPerPage[] = {{"1", 0}, {"2", 1}, {"3", 2}, {"4", 3}, {"6", 4}};
constexpr Choice StartWeekdays[] = {{"0", 0}, {"1", 1}};
constexpr Choice Sheets[] = {{"a4", static_cast<int>(PdfSheets::ImposedA4)}};

/// The print settings that have an option of their own.
constexpr std::pair<std::string_view, std::string_view> OwnOptions[] = {{"PrintType", "--type"},
                                                                        {"PPaperType", "--paper"},
                                                                        {"PYoushiType", "--orientation"},
                                                                        {"PPageType", "--page"},
                                                                        {"P_VL_Type", "--layout"},
                                                                        {"PYearType", "--months"},
                                                                        {"PStartWeekday", "--start-weekday"}};

struct Request
{
    std::string Input;
    std::string Output;
    std::optional<int> Type;
    std::optional<int> Paper;
    std::optional<int> Orientation;
    std::optional<int> Page;
    /// The radio options of the print types, in command-line order: (setting tag, value).
    std::vector<std::pair<std::string_view, int>> TypeOptions;
    std::optional<DateTime> From;
    std::optional<DateTime> To;
    std::vector<std::pair<std::string, std::string>> Sets;
    PdfSheets Sheets = PdfSheets::PrinterPaper;
};

template <std::size_t N>
int ChoiceOf(const std::string& option, const std::string& word, const Choice (&choices)[N])
{
    std::string words;
    for (const Choice& choice : choices) {
        if (choice.Word == word)
            return choice.Value;
        words += (words.empty() ? "" : "、") + std::string(choice.Word);
    }
    throw CommandError::BadInput(option + " は " + words + " のいずれかです: " + word);
}

Request ParseRequest(const CommandArgs& args)
{
    Request request;
    ArgumentReader reader(args);
    while (const std::string* option = reader.NextOption(request.Input)) {
        const std::string& arg = *option;
        if (arg != "--set") // the one option given as often as there are settings to override
            reader.Once(arg, arg);
        if (arg == "--type")
            request.Type = ChoiceOf(arg, reader.Value(arg), Types);
        else if (arg == "--paper")
            request.Paper = ChoiceOf(arg, reader.Value(arg), Papers);
        else if (arg == "--orientation")
            request.Orientation = ChoiceOf(arg, reader.Value(arg), Orientations);
        else if (arg == "--page")
            request.Page = ChoiceOf(arg, reader.Value(arg), Pages);
        else if (arg == "--layout")
            request.TypeOptions.emplace_back("P_VL_Type", ChoiceOf(arg, reader.Value(arg), Layouts));
        else if (arg == "--months")
            request.TypeOptions.emplace_back("PYearType", ChoiceOf(arg, reader.Value(arg), MonthsPerPage));
        else if (arg == "--start-weekday")
            request.TypeOptions.emplace_back("PStartWeekday",
                                             ChoiceOf(arg, reader.Value(arg), StartWeekdays));
        else if (arg == "--from")
            request.From = DateArgument(arg, reader.Value(arg));
        else if (arg == "--to")
            request.To = DateArgument(arg, reader.Value(arg));
        else if (arg == "--set") {
            const std::string& assignment = reader.Value(arg);
            const std::size_t equals = assignment.find('=');
            if (equals == std::string::npos || equals == 0)
                throw CommandError::Usage("--set は TAG=VALUE の形です: " + assignment);
            request.Sets.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
        } else if (arg == "--impose")
            request.Sheets = static_cast<PdfSheets>(ChoiceOf(arg, reader.Value(arg), Sheets));
        else if (arg == "-o")
            request.Output = reader.Value(arg);
        else
            throw UnknownOption(arg);
    }
    if (request.Input.empty() || !request.Type || request.Output.empty())
        throw CommandError::Usage("FILE.dat、--type と -o は必須です。");
    return request;
}

/// A whole number written with digits and an optional minus sign.
std::optional<long long> WholeNumber(const std::string& text)
{
    const std::size_t first = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (first == text.size() || text.size() > 12)
        return std::nullopt;
    for (std::size_t k = first; k < text.size(); ++k) {
        if (text[k] < '0' || text[k] > '9')
            return std::nullopt;
    }
    return std::stoll(text);
}

/**
 * The options of a print job are chosen as in the print dialog: each option is a click on its
 * control, so the dialog's couplings and checks apply, and an option the dialog disables for the
 * chosen print type and paper is refused.
 */
class DialogDriver
{
public:
    DialogDriver(const ViewPrintState& view, const DateTime& today) : Dialog(view, today, false) {}

    PrintDialogModel Dialog;

    void Choose(std::string_view tag, int value)
    {
        for (const PrintRadio& radio : PrintRadios()) {
            if (radio.Tag == tag && radio.Value == value)
                return Click(tag, radio.Id, Dialog.Shown());
        }
        std::string values;
        for (const PrintRadio& radio : PrintRadios()) {
            if (radio.Tag == tag)
                values += (values.empty() ? "" : "、") + std::to_string(radio.Value);
        }
        throw CommandError::BadInput(std::string(tag) + " は " + values +
                                     " のいずれかです: " + std::to_string(value));
    }

    void Set(const std::string& tag, const std::string& text)
    {
        for (const auto& [ownTag, option] : OwnOptions) {
            if (tag == ownTag)
                throw CommandError::BadInput("--set " + tag + " ではなく " + std::string(option) +
                                             " を使ってください。");
        }
        PrintDialogReading reading = Dialog.Shown();
        for (const PrintNumber& number : PrintNumbers()) {
            if (tag == number.Tag) {
                reading.Numbers[number.Id] = text;
                return Click(tag, number.Id, reading);
            }
        }
        const std::optional<long long> value = WholeNumber(text);
        for (const PrintCheck& check : PrintChecks()) {
            if (check.Tag != nullptr && tag == check.Tag) {
                if (!value || (*value != 0 && *value != 1))
                    throw CommandError::BadInput(tag + " は 0 か 1 です: " + text);
                reading.Checks[check.Id] = *value == 1;
                return Click(tag, check.Id, reading);
            }
        }
        if (tag == "PKeisenIro") {
            if (!value || *value < 0 || *value > 0xFFFFFF)
                throw CommandError::BadInput(tag + ": 0 から 16777215 までの整数を入力してください。");
            reading.RuleColour = static_cast<std::uint32_t>(*value);
            return Click(tag, PrintControl::RuleColour, reading);
        }
        for (const PrintRadio& radio : PrintRadios()) {
            if (tag == radio.Tag) {
                if (!value)
                    throw CommandError::BadInput(tag + ": 整数を入力してください。");
                return Choose(tag, static_cast<int>(*value));
            }
        }
        throw CommandError::BadInput("--set で設定できない項目です: " + tag);
    }

    void SetDates(const DateTime& start, const DateTime& end)
    {
        PrintDialogReading reading = Dialog.Shown();
        reading.Start = start;
        reading.End = end;
        Click("--from", PrintControl::StartDate, reading);
    }

private:
    void Click(std::string_view what, int control, const PrintDialogReading& reading)
    {
        if (!Dialog.IsEnabled(control))
            throw CommandError::BadInput("この印刷タイプと用紙では使えない設定です: " + std::string(what));
        if (const std::optional<FieldError> error = Dialog.OnControl(control, reading))
            throw CommandError::BadInput(std::string(what) + ": " + error->Message);
    }
};

/// The print settings of the job: the document's, then the options of the command line.
ViewPrintState JobSettings(CPlanovaDoc& document, const Request& request)
{
    const bool dated = *request.Type != PrintType::Memo;
    if (!dated && (request.From || request.To))
        throw CommandError::BadInput("メモ用紙には日付の範囲を指定できません (--from、--to)。");
    if (request.From.has_value() != request.To.has_value())
        throw CommandError::BadInput("--from と --to は両方を指定してください。");
    if (request.From && request.To->IsEarlierThan(*request.From))
        throw CommandError::BadInput("--to の日付が --from より前です。");

    ViewPrintState view = CopyPrintSettings(document);
    DialogDriver driver(view, Now().DateOnly());
    driver.Choose("PrintType", *request.Type);
    if (request.Paper)
        driver.Choose("PPaperType", *request.Paper);
    if (request.Orientation)
        driver.Choose("PYoushiType", *request.Orientation);
    if (request.Page)
        driver.Choose("PPageType", *request.Page);
    for (const auto& [tag, value] : request.TypeOptions)
        driver.Choose(tag, value);
    for (const auto& [tag, text] : request.Sets)
        driver.Set(tag, text);
    if (request.From)
        driver.SetDates(*request.From, *request.To);
    if (const std::optional<FieldError> error = driver.Dialog.Confirm(driver.Dialog.Shown()))
        throw CommandError::BadInput(error->Message);
    return AcceptPrintDialog(driver.Dialog, view, document);
}

} // namespace

int RunPrint(const CommandArgs& args)
{
    return RunCommand([&] {
        const Request request = ParseRequest(args);
        RefuseOutputOverInput(request.Input, request.Output);
        CPlanovaDoc document = DataFileArgument(request.Input);
        const ViewPrintState print = JobSettings(document, request);
        // Fonts and painting need Qt Gui, no widgets.
        const std::unique_ptr<QGuiApplication> application = StartQt<QGuiApplication>();
        const PrintEnvironment environment =
            PrintEnvironmentAt(Now(), QCoreApplication::applicationDirPath());
        const QString title = QFileInfo(QString::fromStdString(request.Input)).fileName();
        const Outcome written =
            ExportPdf(request.Output, document, print, environment, title, request.Sheets);
        if (!written.Ok)
            throw CommandError::BadInput(request.Output + ": " + written.Error);
        return int(ExitOk);
    });
}

} // namespace planova::cli
