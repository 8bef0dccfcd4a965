#include "gui/CalendarServerActions.h"

#include "caldav/CalDavError.h"
#include "caldav/CalendarPublish.h"
#include "caldav/EventImport.h"
#include "canvas/QtText.h"
#include "export/ExportFile.h"
#include "gui/AppSettings.h"
#include "gui/CalendarPasswords.h"
#include "gui/QtCalendarServerDialog.h"
#include "gui/QtEventImportPreview.h"
#include "gui/UserDialogs.h"
#include "model/Clock.h"
#include "model/SafeSave.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <chrono>
#include <memory>

namespace planova {
namespace {

/**
 * The dialog, started on the remembered account and password; on OK the account is remembered and
 * the password kept. Nothing when cancelled.
 */
std::optional<CalendarServerValues> AskServer(QWidget* parent, CalendarServerTask task,
                                              const CPlanovaDoc& document, AppSettings* settings)
{
    CalendarServerValues values = CalendarServerDefaults(task, document, Now());
    if (settings != nullptr) {
        const CalendarServerAccount account = settings->CalendarServer();
        values.Url = account.Url.toStdString();
        values.User = account.User.toStdString();
        values.PublishAfterSave = account.PublishAfterSave;
    }
    // Asked even without an account: the answer tells whether a keyring is there, which the dialog says.
    CalendarPasswords& passwords = CalendarPasswords::Instance();
    values.Password = passwords.Read(Utf8Text(values.Url), Utf8Text(values.User)).toStdString();

    QtCalendarServerDialog dialog(parent);
    dialog.Start(values, passwords.KeyringAvailable());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    values = dialog.Confirmed();
    if (values.FromFile)
        return values;
    if (settings != nullptr)
        settings->SetCalendarServer({Utf8Text(values.Url), Utf8Text(values.User), values.PublishAfterSave});
    if (!values.Password.empty())
        passwords.Store(Utf8Text(values.Url), Utf8Text(values.User), Utf8Text(values.Password));
    return values;
}

ExportRange RangeOf(const CalendarServerValues& values)
{
    return {values.From, values.To};
}

/// Tells how work that did not finish ended: a stop in the status bar, a failure in a message too.
void ReportUnfinished(QWidget* parent, const ServerWorkOutcome& outcome)
{
    const QString message = Utf8Text(outcome.Error.value_or(""));
    ShowInStatusBar(parent, QString(message).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (!outcome.Stopped)
        ShowError(parent, message);
}

} // namespace

ServerWorkOutcome RunServerWork(QWidget* parent, const QString& label,
                                const std::function<void(const std::atomic<bool>& stop)>& work)
{
    std::atomic<bool> stop = false;
    ServerWorkOutcome outcome;
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            work(stop);
        } catch (const std::exception& error) {
            outcome.Error = error.what();
        }
    }));
    QProgressDialog busy(label, QStringLiteral("キャンセル"), 0, 0, parent);
    busy.setWindowTitle(QStringLiteral("Planova"));
    busy.setWindowModality(Qt::WindowModal);
    busy.setAutoClose(false);
    busy.setAutoReset(false);
    busy.setMinimumDuration(0);
    QObject::connect(&busy, &QProgressDialog::canceled, &busy, [&] {
        stop = true;
        busy.setLabelText(QStringLiteral("中止しています..."));
    });
    QEventLoop wait;
    QObject::connect(thread.get(), &QThread::finished, &wait, &QEventLoop::quit);
    thread->start();
    busy.show();
    wait.exec();
    thread->wait();
    outcome.Stopped = stop;
    return outcome;
}

CalDavAccount AccountOf(const CalendarServerValues& values)
{
    return {QUrl(Utf8Text(values.Url)), Utf8Text(values.User), Utf8Text(values.Password)};
}

void PublishWithDialog(QWidget* parent, const CPlanovaDoc& document, AppSettings* settings)
{
    const std::optional<CalendarServerValues> values =
        AskServer(parent, CalendarServerTask::Publish, document, settings);
    if (!values)
        return;
    const ExportRange range = RangeOf(*values);
    std::vector<CalendarEntry> entries;
    try {
        entries = ICalendarEntries(document, range, UtcDateTime(std::chrono::system_clock::now()));
    } catch (const ExportError& error) {
        ShowError(parent, Utf8Text(error.what()));
        return;
    }
    PublishCounts counts;
    const ServerWorkOutcome outcome = RunServerWork(
        parent, QStringLiteral("カレンダーサーバーに公開しています..."), [&](const std::atomic<bool>& stop) {
            CalDavClient client(AccountOf(*values));
            client.StopWhen(stop);
            counts = PublishEntries(client, entries, range);
        });
    if (outcome.Error)
        ReportUnfinished(parent, outcome);
    else
        ShowInStatusBar(parent, QStringLiteral("公開しました: ") + Utf8Text(counts.Summary()));
}

bool ImportEventsWithDialog(QWidget* parent, CPlanovaDoc& document, AppSettings* settings)
{
    const std::optional<CalendarServerValues> values =
        AskServer(parent, CalendarServerTask::Import, document, settings);
    if (!values)
        return false;
    std::vector<std::string> calendars;
    if (values->FromFile) {
        std::string text;
        if (const Outcome read = ReadWholeFile(values->IcsFile, text); !read.Ok) {
            ShowError(parent, Utf8Text(values->IcsFile + ": " + read.Error));
            return false;
        }
        calendars.push_back(std::move(text));
    } else {
        const ServerWorkOutcome outcome =
            RunServerWork(parent, QStringLiteral("カレンダーサーバーから予定を読み込んでいます..."),
                          [&](const std::atomic<bool>& stop) {
                              CalDavClient client(AccountOf(*values));
                              client.StopWhen(stop);
                              for (CalDavResource& resource : client.ListCollection())
                                  calendars.push_back(std::move(resource.Data));
                          });
        if (outcome.Error) {
            ReportUnfinished(parent, outcome);
            return false;
        }
    }

    EventImportPlan plan;
    try {
        plan = PlanEventImport(document, CalendarEvents(calendars, RangeOf(*values),
                                                        values->FromFile ? values->IcsFile : values->Url));
    } catch (const CalDavError& error) {
        ShowError(parent, Utf8Text(error.what()));
        return false;
    }
    if (plan.Changes.empty()) {
        UserDialogs::Current().Ask(
            parent, {QMessageBox::Information,
                     QStringLiteral("取り込む行事はありません。期間内の予定はすべて各日の行事にあります。"),
                     {{QMessageBox::Ok, QStringLiteral("OK")}},
                     QMessageBox::Ok});
        return false;
    }
    QtEventImportPreview preview(plan, parent);
    if (preview.exec() != QDialog::Accepted)
        return false;
    ApplyEventImport(document, plan);
    ShowInStatusBar(parent, QStringLiteral("%1 日の行事に取り込みました").arg(plan.Changes.size()));
    return true;
}

} // namespace planova
