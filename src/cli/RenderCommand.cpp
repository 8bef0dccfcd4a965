#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/CliDates.h"
#include "cli/QtStart.h"

#include "edit/CommandIds.h"
#include "gui/CPlanovaView.h"
#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/DateTime.h"
#include "model/SafeSave.h"
#include "view/PlannerView.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <regex>

namespace planova::cli {
namespace {

constexpr int MaxSide = 16384;

struct RenderOptions
{
    std::optional<std::string> File;
    std::optional<int> ViewCommandId;
    std::optional<DateTime> Date;
    int Width = 0;
    int Height = 0;
    std::optional<bool> ToDo;
    std::optional<int> StartWeekday;
    std::optional<DateTime> At;
    std::string Output;
};

int ViewCommandOf(const std::string& name)
{
    if (name == "day")
        return CommandId::DayView;
    if (name == "week")
        return CommandId::WeekView;
    if (name == "month")
        return CommandId::MonthView;
    throw CommandError::Usage("--view は day、week、month のいずれかです: " + name);
}

void ParseSize(const std::string& text, RenderOptions& options)
{
    static const std::regex form(R"((\d{1,5})x(\d{1,5}))");
    std::smatch parts;
    if (!std::regex_match(text, parts, form))
        throw CommandError::Usage("--size は WIDTHxHEIGHT の形です（例 1920x1080）: " + text);
    options.Width = std::stoi(parts[1]);
    options.Height = std::stoi(parts[2]);
    if (options.Width < 1 || options.Height < 1 || options.Width > MaxSide || options.Height > MaxSide)
        throw CommandError::Usage("--size の幅と高さは 1 から 16384 までです: " + text);
}

RenderOptions ParseOptions(const CommandArgs& args)
{
    RenderOptions options;
    ArgumentReader reader(args);
    while (!reader.AtEnd()) {
        const std::string& arg = reader.Take();
        if (arg == "--view") {
            options.ViewCommandId = ViewCommandOf(reader.Value(arg));
        } else if (arg == "--date") {
            options.Date = ParseIsoDate(reader.Value(arg));
            if (!options.Date)
                throw CommandError::Usage("--date は YYYY-MM-DD の形の実在する日付です: " + arg);
        } else if (arg == "--size") {
            ParseSize(reader.Value(arg), options);
        } else if (arg == "--todo" || arg == "--no-todo") {
            options.ToDo = arg == "--todo";
        } else if (arg == "--start-weekday") {
            const std::string& text = reader.Value(arg);
            if (text != "0" && text != "1")
                throw CommandError::Usage("--start-weekday は 0（日曜）か 1（月曜）です: " + text);
            options.StartWeekday = text == "1" ? 1 : 0;
        } else if (arg == "--now") {
            options.At = ParseIsoDateTime(reader.Value(arg));
            if (!options.At)
                throw CommandError::Usage("--now は \"YYYY-MM-DD HH:MM:SS\" の形の実在する日時です: " + arg);
        } else if (arg == "-o") {
            options.Output = reader.Value(arg);
        } else if (!arg.empty() && arg[0] != '-' && !options.File) {
            options.File = arg;
        } else {
            throw CommandError::Usage("不明な引数です: " + arg);
        }
    }
    if (!options.ViewCommandId || !options.Date || options.Width == 0 || options.Output.empty())
        throw CommandError::Usage("--view、--date、--size と -o は必須です");
    return options;
}

/// The whole view as the window shows it: information pane, planner and ToDo pane.
QImage RenderView(CPlanovaDoc& document, const RenderOptions& options)
{
    CPlanovaView view(document, nullptr);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(options.Width, options.Height);
    view.SkyTimer()->stop(); // the read-outs are written once below, for the fixed moment
    view.ExecuteCommand(*options.ViewCommandId);
    if (options.ToDo && *options.ToDo != view.Planner().State.ToDoView)
        view.ExecuteCommand(CommandId::ToDoView);
    view.ShowDate(*options.Date);
    view.show();
    QApplication::processEvents();
    view.grab();       // the first drawing lays out the ToDo scroll bar and computes the 21:00 moon age
    view.RefreshSky(); // which the read-outs then show
    QApplication::processEvents();
    return view.grab().toImage();
}

/// Draws the view of the options and writes the PNG with the safe save.
int Render(const RenderOptions& options)
{
    if (options.File)
        RefuseOutputOverInput(*options.File, options.Output);
    CPlanovaDoc document = options.File ? DataFileArgument(*options.File) : CPlanovaDoc();
    if (options.StartWeekday)
        document.StartWeekday = *options.StartWeekday;

    const FixedNowScope clock(options.At.value_or(Now()));
    const std::unique_ptr<QApplication> application = StartQt<QApplication>();
    const QImage image = RenderView(document, options);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        throw CommandError::BadInput("画像を作れませんでした。");
    const Outcome written = SafeSave(options.Output, std::string_view(png.constData(), png.size()));
    if (!written.Ok)
        throw CommandError::BadInput(options.Output + ": " + written.Error);
    return static_cast<int>(ExitOk);
}

} // namespace

int RunRender(const CommandArgs& args)
{
    return RunCommand([&] { return Render(ParseOptions(args)); });
}

} // namespace planova::cli
