// "カレンダーサーバーに公開..." and "行事予定を取り込む..." end to end: the application opens a data
// file, the command runs from its menu action, the test answers the real dialogs, and a Radicale
// server of the test's own (tests/support/RadicaleServer) takes the publish and serves the events.
// What the server holds is read back by the independent client tests/caldav/caldav_tool.py.
//
// A save publishes too when the settings ask for it.
//
// No desktop keyring answers here (the session bus is pointed nowhere), so the password is kept
// for the session only: the dialog says so and the settings file never holds it.

#include "DialogTestSupport.h"
#include "ShellTestSupport.h"

#include "edit/CommandIds.h"
#include "export/ICalendarExport.h"
#include "gui/CMainFrame.h"
#include "gui/CalendarPasswords.h"
#include "gui/CommandActions.h"
#include "gui/DocumentManager.h"
#include "gui/QtCalendarServerDialog.h"
#include "gui/QtEventImportPreview.h"
#include "support/RadicaleServer.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QJsonDocument>
#include <QLabel>
#include <QProgressDialog>
#include <QScreen>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTcpServer>
#include <QTimer>

#include <functional>
#include <memory>

using namespace planova;
using namespace planova::test;

namespace {

QString U(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

/// Answers the modal dialogs a command shows, each showing once, by their type.
class ModalAnswers : public QObject
{
public:
    ModalAnswers()
    {
        Poll.setInterval(20);
        connect(&Poll, &QTimer::timeout, this, [this] {
            QWidget* shown = QApplication::activeModalWidget();
            if (shown == nullptr || !shown->isVisible() || shown->property("answered").toBool())
                return;
            for (const auto& answer : Answers) {
                if (answer(*shown))
                    return;
            }
        });
        Poll.start();
    }

    template <typename Dialog> void On(std::function<void(Dialog&)> answer)
    {
        Answers.push_back([answer](QWidget& shown) {
            auto* dialog = qobject_cast<Dialog*>(&shown);
            if (dialog == nullptr)
                return false;
            dialog->setProperty("answered", true);
            answer(*dialog);
            return true;
        });
    }

private:
    QTimer Poll;
    std::vector<std::function<bool(QWidget&)>> Answers;
};

/// With PLANOVA_SCREENSHOTS set, the screen showing the dialog goes into that folder as
/// NAME-WIDTH.png (the width of the screen the test runs on).
void Picture(QWidget& dialog, const QString& name)
{
    const QString pictures = qEnvironmentVariable("PLANOVA_SCREENSHOTS");
    if (pictures.isEmpty())
        return;
    QCoreApplication::processEvents();
    const QPixmap screen = dialog.screen()->grabWindow(0);
    screen.save(QStringLiteral("%1/%2-%3.png").arg(pictures, name).arg(screen.width()));
}

/// Fills the server's fields as the user types them.
void FillServer(QtCalendarServerDialog& dialog, const std::string& url, const char* password)
{
    dialog.UrlField().setText(U(url));
    dialog.UserField().setText(RadicaleServer::User);
    dialog.PasswordField().setText(password);
}

/// The school's two events in June 2024: all day on the 12th, at 15:30 on the 13th.
constexpr const char* SportsDay = "BEGIN:VEVENT\r\nUID:sports@school.example\r\nDTSTAMP:20240101T000000Z\r\n"
                                  "DTSTART;VALUE=DATE:20240612\r\nSUMMARY:体育祭\r\nEND:VEVENT\r\n";
constexpr const char* StaffMeeting =
    "BEGIN:VEVENT\r\nUID:staff@school.example\r\nDTSTAMP:20240101T000000Z\r\n"
    "DTSTART:20240613T153000\r\nSUMMARY:職員会議\r\nEND:VEVENT\r\n";

/// A calendar of another program holding the events.
std::string SchoolCalendar(std::initializer_list<const char*> events)
{
    std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//School//EN\r\n";
    for (const char* event : events)
        text += event;
    return text + "END:VCALENDAR\r\n";
}

/// June 2024 with a typed event on the 12th and a quiet day on the 14th.
CPlanovaDoc JuneWithTypedEvent()
{
    CPlanovaDoc document = DocumentWithEvent(2024, 6, 12, Utf8ToCp932("避難訓練"));
    document.UpdateDay(DateTime::FromDate(2024, 6, 14), [](CDayData& day) { day.SetMemo("memo"); });
    return document;
}

} // namespace

class CalendarServerTest : public QObject
{
    Q_OBJECT

private:
    /// Opens the file in the application and runs the commands from their menu actions (the caller's
    /// ModalAnswers answer their dialogs); then `after` sees the application.
    void Run(const QString& file, const std::vector<int>& commands,
             const std::function<void(CPlanovaApp&)>& after)
    {
        OpenedFile = file;
        CPlanovaApp app(Sandbox.Options());
        if (!app.Start({file}))
            qFatal("the application did not start");
        for (const int command : commands) {
            app.MainFrame().Actions().UpdateStates();
            if (!app.MainFrame().Actions().Execute(command))
                qWarning("command %d did not run", command);
        }
        after(app);
    }

    /// The document of the file Run opened (the application also reopens the file it had open last).
    OpenDocument& Opened(CPlanovaApp& app) const
    {
        for (const auto& document : app.Documents().Documents()) {
            if (QFileInfo(document->Path) == QFileInfo(OpenedFile))
                return *document;
        }
        qFatal("%s is not open", qPrintable(OpenedFile));
    }
    CPlanovaDoc& Document(CPlanovaApp& app) const { return *Opened(app).Doc; }
    static QString Status(CPlanovaApp& app) { return app.MainFrame().statusBar()->currentMessage(); }

    /// The collection's entries by UID as the independent client reads them.
    QJsonObject ServerEntries() const
    {
        return QJsonDocument::fromJson(
                   QByteArray::fromStdString(RadicaleServer::Tool(
                       {"list", Server->Collection(), RadicaleServer::User, RadicaleServer::Password})))
            .object();
    }

    /// The entries of the iCalendar export of the range, read by the same client.
    QJsonObject ExportedEntries(const CPlanovaDoc& document, const ExportRange& range) const
    {
        const std::string ics = Dir.File("export.ics");
        WriteBytes(ics, ICalendarText(document, range, DateTime::FromDate(2024, 1, 1)));
        return QJsonDocument::fromJson(QByteArray::fromStdString(RadicaleServer::Tool({"describe", ics})))
            .object();
    }

    int Writes() const { return Server->Requests("PUT") + Server->Requests("DELETE"); }

    std::unique_ptr<RadicaleServer> Server;
    QString OpenedFile;
    TempDir Dir;
    ShellSandbox Sandbox;
    DialogScript Dialogs;

private slots:
    void initTestCase()
    {
        // Never the keyring of the user running the tests: with no session bus none answers.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/planova-test-bus");
        Server = std::make_unique<RadicaleServer>();
        if (!Server->Failure().empty())
            QSKIP(Server->Failure().c_str());
        // The school's events sit in the same collection as the published plan, one resource each;
        // the file holds both.
        WriteBytes(Dir.File("school.ics"), SchoolCalendar({SportsDay, StaffMeeting}));
        for (const auto& [name, event] :
             {std::pair{"sports.ics", SportsDay}, std::pair{"staff.ics", StaffMeeting}}) {
            WriteBytes(Dir.File(name), SchoolCalendar({event}));
            int status = 0;
            RadicaleServer::Tool({"put", Server->Collection() + name, RadicaleServer::User,
                                  RadicaleServer::Password, Dir.File(name)},
                                 &status);
            QCOMPARE(status, 0);
        }
    }

    void init() { Dialogs->Asked.clear(); }

    void PublishSendsThePlanAndRemembersTheAccount()
    {
        const QString file = Sandbox.WriteDocument(QStringLiteral("week.dat"), SchoolWeek());
        const auto publish = [&](const std::function<void(QtCalendarServerDialog&)>& answer,
                                 const std::function<void(CPlanovaApp&)>& after) {
            ModalAnswers answers;
            answers.On<QtCalendarServerDialog>(answer);
            Run(file, {CommandId::PublishCalendar}, after);
        };

        publish(
            [&](QtCalendarServerDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("カレンダーサーバーに公開"));
                // The stored week is the range; no account yet; no keyring.
                QCOMPARE(dialog.FromPicker().date(), QDate(2024, 4, 8));
                QCOMPARE(dialog.ToPicker().date(), QDate(2024, 4, 12));
                QVERIFY(dialog.UrlField().text().isEmpty());
                QVERIFY(!dialog.OkButton().isEnabled());
                QCOMPARE(dialog.Reason().text(),
                         QStringLiteral("カレンダーサーバーの URL を入力してください。"));
                QVERIFY(!dialog.FileChoice().isVisibleTo(&dialog));
                QVERIFY(!dialog.AfterSaveBox().isChecked());
                QCOMPARE(dialog.KeyringNote().text(), KeyringNoteText(false));
                // A URL that is no web address keeps the dialog open with the reason.
                FillServer(dialog, "cal.example/teacher", RadicaleServer::Password);
                QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
                QVERIFY(dialog.isVisible());
                QVERIFY(Dialogs->WasAsked(QStringLiteral("http:// か https:// で始まる URL")));
                FillServer(dialog, Server->Collection(), RadicaleServer::Password);
                Picture(dialog, QStringLiteral("calendar-publish-dialog"));
                QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
            },
            [&](CPlanovaApp& app) {
                QVERIFY2(Status(app).startsWith(QStringLiteral("公開しました: 新規 ")),
                         qPrintable(Status(app)));
                QVERIFY(!Document(app).IsModified());
            });
        // The server holds what the export of the week holds, entry by entry, besides the school's events.
        QJsonObject held = ServerEntries();
        held.remove(QStringLiteral("sports@school.example"));
        held.remove(QStringLiteral("staff@school.example"));
        const QJsonObject exported =
            ExportedEntries(SchoolWeek(), {DateTime::FromDate(2024, 4, 8), DateTime::FromDate(2024, 4, 12)});
        QCOMPARE(exported.size(), 2); // 始業式 and the ToDo item
        QCOMPARE(held, exported);
        // The account is remembered, the password is not written anywhere.
        const QByteArray settings = ReadAll(Sandbox.SettingsFile());
        QVERIFY(settings.contains(QByteArray::fromStdString(Server->Collection())));
        QVERIFY(settings.contains(RadicaleServer::User));
        QVERIFY(!settings.contains(RadicaleServer::Password));

        // Next time the dialog opens filled in, the password kept for this session; nothing changed,
        // so nothing is written.
        const int writes = Writes();
        publish(
            [&](QtCalendarServerDialog& dialog) {
                QCOMPARE(dialog.UrlField().text(), U(Server->Collection()));
                QCOMPARE(dialog.UserField().text(), QString::fromLatin1(RadicaleServer::User));
                QCOMPARE(dialog.PasswordField().text(), QString::fromLatin1(RadicaleServer::Password));
                QCOMPARE(dialog.KeyringNote().text(), KeyringNoteText(false));
                QVERIFY(dialog.KeyringNote().text().contains(QStringLiteral("終了するまでの間だけ")));
                QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
            },
            [&](CPlanovaApp& app) {
                QVERIFY2(
                    Status(app).startsWith(QStringLiteral("公開しました: 新規 0 件、更新 0 件、削除 0 件")),
                    qPrintable(Status(app)));
            });
        QCOMPARE(Writes(), writes);
        QVERIFY(Dialogs->Asked.size() == 1); // the refused URL only
    }

    void FailuresNameTheServersAnswerAndChangeNothing_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        const QString refused = QStringLiteral("401 ユーザー名かパスワードが受け付けられませんでした");
        QTest::newRow("公開: パスワード違い") << CommandId::PublishCalendar << "wrong" << refused;
        QTest::newRow("取り込み: パスワード違い") << CommandId::ImportEvents << "wrong" << refused;
        QTest::newRow("公開: 存在しないカレンダー")
            << CommandId::PublishCalendar << QString::fromLatin1(RadicaleServer::Password)
            << QStringLiteral("カレンダーが見つかりません");
    }

    void FailuresNameTheServersAnswerAndChangeNothing()
    {
        QFETCH(int, command);
        QFETCH(QString, password);
        QFETCH(QString, message);
        const QString file = Sandbox.WriteDocument(QStringLiteral("june.dat"), JuneWithTypedEvent());
        const QByteArray before = ReadAll(file);
        const std::string url = password == QLatin1String(RadicaleServer::Password)
                                    ? Server->Root() + "/teacher/nothing-here/"
                                    : Server->Collection();
        const int writes = Writes();
        ModalAnswers answers;
        answers.On<QtCalendarServerDialog>([&](QtCalendarServerDialog& dialog) {
            FillServer(dialog, url, qPrintable(password));
            dialog.ServerChoice().setChecked(true);
            QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
        });
        Run(file, {command}, [&](CPlanovaApp& app) {
            QVERIFY2(Dialogs->WasAsked(message),
                     qPrintable(Dialogs->Asked.empty() ? QString() : Dialogs->Asked.back().Text));
            QVERIFY(Status(app).contains(message));
            QVERIFY(!Document(app).IsModified());
            QCOMPARE(Document(app).Undos().UndoCount(), 0);
        });
        QCOMPARE(Writes(), writes);
        QCOMPARE(ReadAll(file), before);
    }

    void ImportPreviewsThenAppliesAsOneUndoStep_data()
    {
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("サーバーから") << false;
        QTest::newRow("ファイルから") << true;
    }

    void ImportPreviewsThenAppliesAsOneUndoStep()
    {
        QFETCH(bool, fromFile);
        const QString file = Sandbox.WriteDocument(QStringLiteral("june.dat"), JuneWithTypedEvent());
        const auto answerServerDialog = [&](QtCalendarServerDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("行事予定を取り込む"));
            QVERIFY(!dialog.AfterSaveBox().isVisibleTo(&dialog));
            QCOMPARE(dialog.FromPicker().date(), QDate(2024, 6, 12));
            dialog.FromPicker().setDate(QDate(2024, 6, 1));
            dialog.ToPicker().setDate(QDate(2024, 6, 30));
            FillServer(dialog, Server->Collection(), RadicaleServer::Password);
            if (fromFile) {
                Click(dialog.FileChoice());
                QVERIFY(!dialog.UrlField().isEnabled());
                QVERIFY(!dialog.OkButton().isEnabled());
                dialog.FileField().setText(U(Dir.File("school.ics")));
            } else {
                QVERIFY(dialog.ServerChoice().isChecked());
                Picture(dialog, QStringLiteral("calendar-import-dialog"));
            }
            QVERIFY(dialog.OkButton().isEnabled());
            QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
        };
        const auto previewShows = [](QtEventImportPreview& preview) {
            // Row by row: the date, the event now, the event after (the typed text stays first).
            const QStringList expected{QStringLiteral("2024年6月12日"),
                                       QStringLiteral("避難訓練"),
                                       QStringLiteral("避難訓練\n体育祭"),
                                       QStringLiteral("2024年6月13日"),
                                       QString(),
                                       QStringLiteral("15:30 職員会議")};
            QStringList shown;
            for (int row = 0; row < preview.Table().rowCount(); ++row) {
                for (int column = 0; column < 3; ++column)
                    shown << preview.Table().item(row, column)->text();
            }
            QCOMPARE(shown, expected);
            QVERIFY(preview.Summary().text().startsWith(QStringLiteral("2 日の行事が")));
            Picture(preview, QStringLiteral("calendar-import-preview"));
        };

        // キャンセル in the preview changes nothing.
        {
            ModalAnswers answers;
            answers.On<QtCalendarServerDialog>(answerServerDialog);
            answers.On<QtEventImportPreview>([&](QtEventImportPreview& preview) {
                previewShows(preview);
                QTest::mouseClick(&preview.CancelButton(), Qt::LeftButton);
            });
            Run(file, {CommandId::ImportEvents}, [&](CPlanovaApp& app) {
                QVERIFY(!Document(app).IsModified());
                QCOMPARE(Document(app).Undos().UndoCount(), 0);
            });
        }

        // OK stores both days in one step; "元に戻す" brings every day back.
        const CPlanovaDoc original = JuneWithTypedEvent();
        ModalAnswers answers;
        answers.On<QtCalendarServerDialog>(answerServerDialog);
        answers.On<QtEventImportPreview>([&](QtEventImportPreview& preview) {
            previewShows(preview);
            QTest::mouseClick(&preview.OkButton(), Qt::LeftButton);
        });
        Run(file, {CommandId::ImportEvents}, [&](CPlanovaApp& app) {
            CPlanovaDoc& document = Document(app);
            QCOMPARE(Status(app), QStringLiteral("2 日の行事に取り込みました"));
            QCOMPARE(document.Undos().UndoCount(), 1);
            QCOMPARE(Cp932ToUtf8(document.Day(DateTime::FromDate(2024, 6, 12)).GetGyouji()),
                     std::string("避難訓練\r\n体育祭"));
            QCOMPARE(Cp932ToUtf8(document.Day(DateTime::FromDate(2024, 6, 13)).GetGyouji()),
                     std::string("15:30 職員会議"));
            app.MainFrame().Actions().UpdateStates();
            QVERIFY(app.MainFrame().Actions().Execute(CommandId::EditUndo));
            QCOMPARE(WriteDataFile(document), WriteDataFile(original));
            document.SetModified(false); // nothing to save at the end
        });
    }

    void ImportOfWhatIsThereSaysSoAndStoresNothing()
    {
        CPlanovaDoc imported = JuneWithTypedEvent();
        imported.UpdateDay(DateTime::FromDate(2024, 6, 12),
                           [](CDayData& day) { day.SetGyouji(Utf8ToCp932("避難訓練\r\n体育祭")); });
        imported.UpdateDay(DateTime::FromDate(2024, 6, 13),
                           [](CDayData& day) { day.SetGyouji(Utf8ToCp932("15:30 職員会議")); });
        const QString file = Sandbox.WriteDocument(QStringLiteral("imported.dat"), imported);
        ModalAnswers answers;
        answers.On<QtCalendarServerDialog>([&](QtCalendarServerDialog& dialog) {
            Click(dialog.FileChoice());
            dialog.FileField().setText(U(Dir.File("school.ics")));
            QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
        });
        Run(file, {CommandId::ImportEvents}, [&](CPlanovaApp& app) {
            QVERIFY(Dialogs->WasAsked(QStringLiteral("取り込む行事はありません。")));
            QCOMPARE(Document(app).Undos().UndoCount(), 0);
            QVERIFY(!Document(app).IsModified());
        });
    }

    void SaveAlsoPublishesWhenAskedAndAFailureKeepsTheSave_data()
    {
        QTest::addColumn<QString>("collection");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("公開できる") << U(Server->Collection()) << QStringLiteral("自動で公開しました: 新規 ");
        QTest::newRow("カレンダーがない")
            << U(Server->Root() + "/teacher/nothing-here/")
            << QStringLiteral("自動公開できませんでした: カレンダーサーバーの答え: 404");
    }

    void SaveAlsoPublishesWhenAskedAndAFailureKeepsTheSave()
    {
        QFETCH(QString, collection);
        QFETCH(QString, outcome);
        {
            QSettings settings(Sandbox.SettingsFile(), QSettings::IniFormat);
            settings.setValue(QStringLiteral("CalendarServer/Url"), collection);
            settings.setValue(QStringLiteral("CalendarServer/User"),
                              QString::fromLatin1(RadicaleServer::User));
            settings.setValue(QStringLiteral("CalendarServer/PublishAfterSave"), true);
        }
        CalendarPasswords::Instance().Store(collection, RadicaleServer::User, RadicaleServer::Password);
        const QString file = Sandbox.WriteDocument(QStringLiteral("june.dat"), JuneWithTypedEvent());
        CPlanovaDoc saved = JuneWithTypedEvent();
        const auto change = [](CPlanovaDoc& document) {
            document.UpdateDay(DateTime::FromDate(2024, 6, 20),
                               [](CDayData& day) { day.SetGyouji(Utf8ToCp932("授業参観")); });
        };
        change(saved);

        Run(file, {}, [&](CPlanovaApp& app) {
            change(Document(app));
            Document(app).SetModified();
            QVERIFY(app.Documents().Save(Opened(app)));
            // Saved at once, whatever the server will answer.
            QCOMPARE(ReadAll(file), QByteArray::fromStdString(WriteDataFile(saved)));
            QTRY_VERIFY_WITH_TIMEOUT(Status(app).startsWith(outcome), 20000);
        });
        if (collection != U(Server->Collection()))
            return;
        // The whole document is what the server holds besides the school's events: what an earlier
        // publish left of other days is gone.
        QJsonObject held = ServerEntries();
        held.remove(QStringLiteral("sports@school.example"));
        held.remove(QStringLiteral("staff@school.example"));
        QCOMPARE(held, ExportedEntries(saved, {}));
        QSettings(Sandbox.SettingsFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("CalendarServer/PublishAfterSave"), false);
    }

    void CancelStopsAServerThatDoesNotAnswer()
    {
        // A server that takes the connection and never answers: only キャンセル ends the wait.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const std::string url = "http://127.0.0.1:" + std::to_string(silent.serverPort()) + "/cal/";
        const QString file = Sandbox.WriteDocument(QStringLiteral("week.dat"), SchoolWeek());
        ModalAnswers answers;
        answers.On<QtCalendarServerDialog>([&](QtCalendarServerDialog& dialog) {
            FillServer(dialog, url, "x");
            QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
        });
        answers.On<QProgressDialog>([&](QProgressDialog& busy) {
            QCOMPARE(busy.labelText(), QStringLiteral("カレンダーサーバーに公開しています..."));
            QTimer::singleShot(
                200, &busy, [&busy] { QTest::mouseClick(busy.findChild<QPushButton*>(), Qt::LeftButton); });
        });
        Run(file, {CommandId::PublishCalendar}, [&](CPlanovaApp& app) {
            QVERIFY2(Status(app).contains(QStringLiteral("中止しました")), qPrintable(Status(app)));
            QVERIFY(Dialogs->Asked.empty()); // stopping is no failure to be told about
        });
    }
};

QTEST_MAIN(CalendarServerTest)
#include "CalendarServerTest.moc"
