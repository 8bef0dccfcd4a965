// The property sheet and the three school tools end to end: open a data file in the application,
// run the command from its menu action, answer the real dialog (its defaults, a refused range with
// its message, then OK), save, and read the saved file back with `planova-cli dump`: exactly the
// intended change, nothing else.

#include "DialogTestSupport.h"
#include "ShellTestSupport.h"

#include "calendar/ContentShift.h"
#include "calendar/SchoolYear.h"
#include "edit/CommandIds.h"
#include "gui/AppSettings.h"
#include "gui/CChildFrame.h"
#include "gui/QtClassHourDialog.h"
#include "gui/QtContentShiftDialog.h"
#include "gui/CMainFrame.h"
#include "gui/QtSchoolYearDialog.h"
#include "gui/CPlanovaView.h"
#include "gui/QtPropertySheet.h"
#include "gui/CommandActions.h"
#include "gui/DialogFields.h"
#include "gui/DocumentManager.h"
#include "model/Clock.h"
#include "support/Cp932Literals.h"
#include "view/PlannerView.h"
#include "support/Dates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QInputMethodEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>

using namespace planova;
using namespace planova::test;

namespace {

/// A week of lessons in April 2024: 国語 in row 1 and 数学 in row 2 of each day, with contents; the
/// class-hour settings name both classes.
CPlanovaDoc LessonWeek()
{
    CPlanovaDoc document;
    for (int day = 8; day <= 12; ++day) {
        document.UpdateDay(Date(2024, 4, day), [&](CDayData& stored) {
            stored.SetSchoolDayRows();
            stored.SetYotei(1, Sj("国語"));
            stored.SetNaiyou(1, Sj(("漢字" + std::to_string(day)).c_str()));
            stored.SetYotei(2, Sj("数学"));
            stored.SetNaiyou(2, Sj(("計算" + std::to_string(day)).c_str()));
        });
    }
    for (std::size_t k = 0; k < document.Jikannwari.size(); ++k)
        document.Jikannwari[k] = Sj(k % 2 == 0 ? "国語" : "数学");
    document.Class[0] = Sj("国語");
    document.Class[1] = Sj("数学");
    document.Offset[1] = 3;
    document.HajimeYear = 2024;
    document.HajimeMonth = 4;
    document.HajimeDay = 1;
    document.OwariYear = 2025;
    document.OwariMonth = 3;
    document.OwariDay = 31;
    // Fixed, as the construction default is the day the document is made.
    document.BirthdayYear = 1980;
    document.BirthdayMonth = 5;
    document.BirthdayDay = 17;
    return document;
}

} // namespace

class SchoolToolsScenarioTest : public QObject
{
    Q_OBJECT

private:
    /**
     * Opens the data file in the application; the script then answers each dialog of the given type
     * the command opens, and the command runs from its menu action. Saves with Ctrl+S and returns the
     * dump of the saved file.
     */
    template <typename Dialog>
    QJsonObject RunAndSave(const QString& file, int command, const std::function<void(Dialog&, int)>& answer,
                           const std::function<void(CPlanovaView&)>& before = {},
                           const std::function<void(CPlanovaView&)>& after = {})
    {
        CPlanovaApp app(Sandbox.Options());
        if (!app.Start({file}))
            qFatal("the application did not start");
        CMainFrame& frame = app.MainFrame();
        if (!QTest::qWaitForWindowExposed(&frame))
            qWarning("the main window was not shown");
        auto* view = dynamic_cast<CPlanovaView*>(app.Documents().Documents().front()->Frames.front()->View());
        if (before)
            before(*view);

        int shown = 0;
        auto* poll = new QTimer(this);
        poll->setInterval(20);
        connect(poll, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            // Each showing is a new dialog, possibly where the last one was: it is marked once answered.
            if (dialog == nullptr || !dialog->isVisible() || dialog->property("answered").toBool())
                return;
            dialog->setProperty("answered", true);
            answer(*dialog, shown++);
        });
        poll->start();
        frame.Actions().UpdateStates();
        if (!frame.Actions().Execute(command))
            qWarning("command %d did not run", command);
        poll->stop();
        poll->deleteLater();
        if (after)
            after(*view);
        frame.activateWindow();
        if (!QTest::qWaitForWindowActive(&frame))
            qWarning("the main window did not become active");
        QTest::keyClick(frame.windowHandle(), Qt::Key_S, Qt::ControlModifier);
        return Dump(file);
    }

    /// Compares two dumps, showing both when they differ.
    static bool Same(const QJsonObject& after, const QJsonObject& expected)
    {
        if (after == expected)
            return true;
        for (const QString& key : expected.keys())
            if (after[key] != expected[key])
                qWarning("%s differs:\nafter %s\nexpected %s", qPrintable(key),
                         QJsonDocument(after[key].toObject()).toJson().left(3000).constData(),
                         QJsonDocument(expected[key].toObject()).toJson().left(3000).constData());
        return false;
    }

    /// The dump of the input document with a change applied in the model.
    QJsonObject Expected(const std::function<void(CPlanovaDoc&)>& change)
    {
        CPlanovaDoc document = LessonWeek();
        change(document);
        return Dump(Sandbox.WriteDocument(QStringLiteral("expected.dat"), document));
    }

    ShellSandbox Sandbox;
    DialogScript Dialogs;

private slots:
    void init()
    {
        Dialogs->Asked.clear();
        File = Sandbox.WriteDocument(QStringLiteral("2024年度.dat"), LessonWeek());
        Before = Dump(File);
    }

    void PropertySheetOkTakesTheSettings()
    {
        FixedNowScope clock(DateTime::FromDateTime(2024, 4, 8, 10, 0, 0));
        const QJsonObject after = RunAndSave<QtPropertySheet>(
            File, CommandId::Properties,
            [](QtPropertySheet& sheet, int) {
                QCOMPARE(At(sheet, 1099).text(), QStringLiteral("数学")); // Saturday ②
                sheet.Pages().setCurrentIndex(2);
                Type(At(sheet, 1099), QStringLiteral("学活"));
                sheet.Pages().setCurrentIndex(1);
                Type(At(sheet, 1143), QStringLiteral("8"));
                QTest::mouseClick(&sheet.OkButton(), Qt::LeftButton);
            },
            [](CPlanovaView& view) {
                view.ExecuteCommand(CommandId::WeekView);
                QCOMPARE(view.Planner().Mode(), ViewMode::Week);
            },
            [](CPlanovaView& view) {
                // OK switched the view to the document's start-up view; the print page's table is in use.
                QCOMPARE(view.Planner().Mode(), ViewMode::Day);
                QCOMPARE(view.Planner().Print.PrintFontSizes[23], 8);
            });
        QVERIFY(Dialogs->Asked.empty());
        QVERIFY(Same(after, Expected([](CPlanovaDoc& document) {
                         document.Jikannwari[31] = Sj("学活");
                         document.FontPoint[23] = 8;
                     })));
    }

    void MakeYearWritesTheRange()
    {
        FixedNowScope clock(DateTime::FromDateTime(2024, 4, 8, 10, 0, 0));
        const QJsonObject after = RunAndSave<QtSchoolYearDialog>(
            File, CommandId::MakeYear, [this](QtSchoolYearDialog& dialog, int) {
                QCOMPARE(At<QDateEdit>(dialog, 1113).date(), QDate(2024, 4, 1));
                QCOMPARE(At<QDateEdit>(dialog, 1114).date(), QDate(2025, 3, 31));
                QVERIFY(!At<QCheckBox>(dialog, 1186).isChecked());
                At<QDateEdit>(dialog, 1113).setDate(QDate(2025, 4, 1));
                QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
                QVERIFY(dialog.isVisible());
                QVERIFY(Dialogs->WasAsked(
                    QStringLiteral("作成期間の開始日（2025年4月1日）が終了日（2025年3月31日）より後")));
                At<QDateEdit>(dialog, 1113).setDate(QDate(2024, 4, 22));
                At<QDateEdit>(dialog, 1114).setDate(QDate(2024, 5, 6));
                QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
            });
        QVERIFY(Same(after, Expected([](CPlanovaDoc& document) {
                         SchoolYearParameters parameters =
                             SchoolYearParameters::Defaults(Date(2024, 4, 8), false);
                         parameters.Start = Date(2024, 4, 22);
                         parameters.End = Date(2024, 5, 6);
                         QVERIFY(MakeSchoolYear(document, parameters).Ok);
                     })));
        QVERIFY(after != Before);
    }

    // "地域の休日" opens on Tokyo for a user who never chose, remembers the choice of an OK, and the file the
    // dialog writes is the one `planova-cli make-year` writes with the same options, byte for byte.
    void MakeYearRemembersTheLocalHolidaysAndMatchesTheCommandLine()
    {
        FixedNowScope clock(DateTime::FromDateTime(2024, 4, 8, 10, 0, 0));
        const QString cliInput = Sandbox.WriteDocument(QStringLiteral("cli-in.dat"), LessonWeek());
        RunAndSave<QtSchoolYearDialog>(File, CommandId::MakeYear, [](QtSchoolYearDialog& dialog, int) {
            QComboBox& places = At<QComboBox>(dialog, 1211);
            QCOMPARE(places.currentText(), QStringLiteral("東京都　都民の日（10月1日）"));
            places.setCurrentIndex(places.findText(QStringLiteral("埼玉県　県民の日（11月14日）")));
            At<QComboBox>(dialog, 1210).setCurrentIndex(1); // 固定の祝日表
            At<QDateEdit>(dialog, 1113).setDate(QDate(2024, 9, 1));
            At<QDateEdit>(dialog, 1114).setDate(QDate(2024, 11, 30));
            QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
        });
        QProcess cli;
        cli.start(QStringLiteral(PLANOVA_BINARY_DIR "/planova-cli"),
                  {QStringLiteral("make-year"), cliInput, QStringLiteral("-o"),
                   Sandbox.Path(QStringLiteral("cli.dat")), QStringLiteral("--from"),
                   QStringLiteral("2024-09-01"), QStringLiteral("--to"), QStringLiteral("2024-11-30"),
                   QStringLiteral("--holidays"), QStringLiteral("classic"),
                   QStringLiteral("--local-holidays"), QStringLiteral("saitama")});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QByteArray written = ReadAll(File);
        QCOMPARE(written, ReadAll(Sandbox.Path(QStringLiteral("cli.dat"))));
        QVERIFY(written != ReadAll(cliInput));

        // The next run starts on Saitama; cancelling remembers nothing and changes nothing.
        RunAndSave<QtSchoolYearDialog>(File, CommandId::MakeYear, [](QtSchoolYearDialog& dialog, int) {
            QCOMPARE(At<QComboBox>(dialog, 1211).currentText(),
                     QStringLiteral("埼玉県　県民の日（11月14日）"));
            QCOMPARE(At<QComboBox>(dialog, 1210).currentIndex(), 0); // the rules are not remembered
            At<QComboBox>(dialog, 1211).setCurrentIndex(0);
            QTest::mouseClick(&dialog.CancelButton(), Qt::LeftButton);
        });
        QCOMPARE(ReadAll(File), written);
        QCOMPARE(AppSettings(Sandbox.SettingsFile()).SchoolYearLocalHolidays().Place, std::string("saitama"));
    }

    void ClassHoursCountedAndSaved()
    {
        FixedNowScope clock(DateTime::FromDateTime(2024, 4, 8, 10, 0, 0));
        const QJsonObject after = RunAndSave<QtClassHourDialog>(
            File, CommandId::ClassHours, [this](QtClassHourDialog& dialog, int showing) {
                if (showing == 0) {
                    QCOMPARE(dialog.OkButton().text(), QStringLiteral("計算"));
                    QCOMPARE(At(dialog, 1146).text(), QStringLiteral("国語"));
                    QCOMPARE(At(dialog, 1150).text(), QStringLiteral("3"));
                    QCOMPARE(At<QDateEdit>(dialog, 1144).date(), QDate(2024, 4, 1));
                    At<QDateEdit>(dialog, 1145).setDate(QDate(2024, 3, 31));
                    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
                    QVERIFY(dialog.isVisible());
                    QVERIFY(Dialogs->WasAsked(
                        QStringLiteral("開始日（2024年4月1日）が終了日（2024年3月31日）より後")));
                    At<QDateEdit>(dialog, 1145).setDate(QDate(2024, 4, 10));
                    Type(At(dialog, 1152), QStringLiteral("社会"));
                    Type(At(dialog, 1153), QStringLiteral("7"));
                    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
                    return;
                }
                QCOMPARE(dialog.OkButton().text(), QStringLiteral("OK"));
                QCOMPARE(At(dialog, 1149).text(), QStringLiteral("3")); // 国語 8–10 April
                QCOMPARE(At(dialog, 1151).text(), QStringLiteral("6")); // 数学: 3 + 3
                QCOMPARE(At(dialog, 1154).text(), QStringLiteral("7")); // 社会: 7 + 0
                Click(At<QCheckBox>(dialog, 1176));
                QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
            });
        QVERIFY(Same(after, Expected([](CPlanovaDoc& document) {
                         document.Class[2] = Sj("社会");
                         document.Offset[2] = 7;
                         document.OwariYear = 2024;
                         document.OwariMonth = 4;
                         document.OwariDay = 10;
                     })));
    }

    void ContentShiftMovesTheContents()
    {
        FixedNowScope clock(DateTime::FromDateTime(2024, 4, 8, 10, 0, 0));
        const QJsonObject after = RunAndSave<QtContentShiftDialog>(
            File, CommandId::ContentShift, [](QtContentShiftDialog& dialog, int) {
                QCOMPARE(At<QDateEdit>(dialog, 1183).date(), QDate(2024, 4, 8));
                QCOMPARE(At<QDateEdit>(dialog, 1184).date(), QDate(2024, 4, 8));
                QVERIFY(!dialog.OkButton().isEnabled());
                Type(At(dialog, 1182), QStringLiteral("数学"));
                At<QDateEdit>(dialog, 1183).setDate(QDate(2024, 4, 9));
                QVERIFY(!dialog.OkButton().isEnabled());
                QVERIFY(dialog.Reason().text().contains(QStringLiteral("より後になっています")));
                At<QDateEdit>(dialog, 1184).setDate(QDate(2024, 4, 11));
                QTest::mouseClick(&At<QPushButton>(dialog, 1179), Qt::LeftButton);
                QVERIFY(dialog.OkButton().isEnabled());
                QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
            });
        QVERIFY(Same(after, Expected([](CPlanovaDoc& document) {
                         QVERIFY(ShiftContents(document, ShiftDirection::Later, Date(2024, 4, 9),
                                               Date(2024, 4, 11), Sj("数学"))
                                     .Ok);
                     })));
        QVERIFY(after != Before);
    }

private:
    QString File;
    QJsonObject Before;
};

QTEST_MAIN(SchoolToolsScenarioTest)
#include "SchoolToolsScenarioTest.moc"
