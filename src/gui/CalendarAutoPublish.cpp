#include "gui/CalendarAutoPublish.h"

#include "caldav/CalendarPublish.h"
#include "canvas/QtText.h"
#include "export/ExportFile.h"
#include "gui/AppSettings.h"
#include "gui/CalendarPasswords.h"
#include "gui/UserDialogs.h"

#include <QThread>

#include <chrono>

namespace planova {

CalendarAutoPublish::CalendarAutoPublish(AppSettings& settings, QWidget* window)
    : Settings(settings), Window(window)
{
}

CalendarAutoPublish::~CalendarAutoPublish()
{
    Stop = true;
    if (Worker)
        Worker->wait();
}

void CalendarAutoPublish::Saved(const CPlanovaDoc& document)
{
    const CalendarServerAccount account = Settings.CalendarServer();
    if (!account.PublishAfterSave || account.Url.isEmpty())
        return;
    Job job{{QUrl(account.Url), account.User, CalendarPasswords::Instance().Read(account.Url, account.User)},
            {}};
    if (!job.Account.User.isEmpty() && job.Account.Password.isEmpty()) {
        Report(QStringLiteral("自動公開できませんでした: パスワードがわかりません。"
                              "「カレンダーサーバーに公開...」で入力してください。"));
        return;
    }
    try {
        job.Entries = ICalendarEntries(document, {}, UtcDateTime(std::chrono::system_clock::now()));
    } catch (const ExportError& error) {
        Report(QStringLiteral("自動公開できませんでした: ") + Utf8Text(error.what()));
        return;
    }
    if (Worker)
        Waiting = std::move(job);
    else
        Start(std::move(job));
}

void CalendarAutoPublish::Start(Job job)
{
    ShowInStatusBar(Window, QStringLiteral("カレンダーサーバーに公開しています..."));
    Worker.reset(QThread::create([this, job = std::move(job)] {
        try {
            CalDavClient client(job.Account);
            client.StopWhen(Stop);
            Outcome = "自動で公開しました: " + PublishEntries(client, job.Entries, {}).Summary();
        } catch (const std::exception& error) {
            Outcome = std::string("自動公開できませんでした: ") + error.what();
        }
    }));
    connect(Worker.get(), &QThread::finished, this, &CalendarAutoPublish::Ended);
    Worker->start();
}

void CalendarAutoPublish::Ended()
{
    Worker.reset();
    Report(Utf8Text(Outcome).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (Waiting)
        Start(*std::exchange(Waiting, std::nullopt));
}

void CalendarAutoPublish::Report(const QString& outcome)
{
    ShowInStatusBar(Window, outcome);
    emit Finished(outcome);
}

} // namespace planova
