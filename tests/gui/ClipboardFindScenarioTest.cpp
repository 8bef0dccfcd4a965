// A teacher's session with the clipboard and the find dialog, end to end through the application:
// cut, copy and paste with their shortcut keys (the system clipboard gets the copied text), then
// find and replace through the real dialog "検索・置換" opened with Ctrl+H. Each session saves with
// Ctrl+S and reads the file back with `planova-cli dump`: exactly the expected fields changed.

#include "ShellTestSupport.h"

#include "edit/CommandTable.h"
#include "gui/CChildFrame.h"
#include "gui/QtFindDialog.h"
#include "gui/CMainFrame.h"
#include "gui/CPlanovaView.h"
#include "gui/DocumentManager.h"
#include "model/Clock.h"
#include "support/Cp932Literals.h"
#include "view/DayDrawing.h"
#include "view/PlannerView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

using namespace planova;
using namespace planova::test;

namespace {

/// The dump with one day's object changed.
QJsonObject WithDay(QJsonObject dump, const QString& date, const std::function<void(QJsonObject&)>& change)
{
    QJsonArray days = dump[QStringLiteral("days")].toArray();
    for (qsizetype n = 0; n < days.size(); ++n) {
        QJsonObject day = days[n].toObject();
        if (day[QStringLiteral("date")].toString() == date)
            change(day);
        days[n] = day;
    }
    dump[QStringLiteral("days")] = days;
    return dump;
}

/// Sets a field of period row `row` of a day of the dump.
void SetRow(QJsonObject& day, int row, const QString& key, const QJsonValue& value)
{
    QJsonArray rows = day[QStringLiteral("rows")].toArray();
    QJsonObject changed = rows[row].toObject();
    changed[key] = value;
    rows[row] = changed;
    day[QStringLiteral("rows")] = rows;
}

} // namespace

class ClipboardFindScenarioTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FixedNowScope> Clock;
    std::unique_ptr<ShellSandbox> Sandbox;
    std::unique_ptr<DialogScript> Dialogs;
    std::unique_ptr<CPlanovaApp> App;
    QString File;
    QJsonObject Before;
    CMainFrame* Frame = nullptr;
    CPlanovaView* View = nullptr;

    ViewState& State() { return View->Planner().State; }
    CPlanovaDoc& Document() { return *App->Documents().Documents().front()->Doc; }

    /// Starts the application on the school week, Monday 8 April 2024, the week view from Monday.
    void StartSession()
    {
        Clock = std::make_unique<FixedNowScope>(DateTime::FromDateTime(2024, 4, 8, 10, 0, 0));
        Sandbox = std::make_unique<ShellSandbox>();
        Dialogs = std::make_unique<DialogScript>();
        File = Sandbox->WriteDocument(QStringLiteral("2024年度.dat"), SchoolWeek());
        Before = Dump(File);
        App = std::make_unique<CPlanovaApp>(Sandbox->Options());
        QVERIFY(App->Start({File}));
        Frame = &App->MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(Frame));
        ReturnToFrame();
        View = dynamic_cast<CPlanovaView*>(App->Documents().ActiveFrame()->View());
        QVERIFY(View);
        QTRY_VERIFY(View->PaintCount() > 0);
        QVERIFY(State().FirstShownDate.IsIdenticalTo(DateTime::FromDate(2024, 4, 8)));
    }

    void EndSession()
    {
        App.reset();
        Dialogs.reset();
        Sandbox.reset();
        Clock.reset();
    }

    /// The offscreen platform does not give the focus back to the main window when a dialog closes.
    void ReturnToFrame()
    {
        Frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Frame));
    }

    /// Clicks a cell of the week: day column (0 Monday) and row.
    void ClickCell(int column, int row)
    {
        const Rect& cell =
            State().CellRects.at(static_cast<std::size_t>(CellIndexOf(ViewMode::Week, column, row)));
        const QPoint at =
            View->mapTo(Frame, QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
        QTest::mouseClick(Frame->windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(State().SelectedCell, CellIndexOf(ViewMode::Week, column, row));
    }

    void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(Frame->windowHandle(), key, modifiers);
    }

    /// Saves with Ctrl+S and compares the file, read back with planova-cli, with the expectation.
    void SaveAndCompare(const QJsonObject& expected)
    {
        ReturnToFrame();
        Keys(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!Document().IsModified());
        const QJsonObject after = Dump(File);
        if (after != expected) {
            qWarning("after: %s", QJsonDocument(after).toJson().constData());
            qWarning("expected: %s", QJsonDocument(expected).toJson().constData());
        }
        QCOMPARE(after, expected);
    }

private slots:
    void CutCopyAndPasteWithTheShortcutKeys()
    {
        StartSession();
        constexpr int Period = DayRow::FirstPeriod;
        QClipboard& system = *QGuiApplication::clipboard();

        ClickCell(1, Period + 1); // Tuesday's 国語
        Keys(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(system.text(), QStringLiteral("国語\t漢字の書き取り"));
        QVERIFY(!Document().IsModified());
        ClickCell(2, Period + 3); // Wednesday's empty period row 3
        Keys(Qt::Key_V, Qt::ControlModifier);

        ClickCell(0, DayRow::Memo); // Monday's memo moves to Friday
        Keys(Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(system.text(), QStringLiteral("持ち物：上履き\n名札"));
        ClickCell(4, DayRow::Memo);
        Keys(Qt::Key_Insert, Qt::ShiftModifier);

        ClickCell(0, DayRow::KindAndEvent); // Monday's kind and event onto Thursday
        Keys(Qt::Key_Insert, Qt::ControlModifier);
        ClickCell(3, DayRow::KindAndEvent);
        Keys(Qt::Key_V, Qt::ControlModifier);

        ClickCell(3, Period + 1); // Thursday's 国語 is cut: plan, content and colour go, the label stays
        Keys(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(system.text(), QStringLiteral("国語\t漢字の書き取り"));

        QJsonObject expected = Before;
        expected = WithDay(expected, QStringLiteral("2024-04-10"), [](QJsonObject& day) {
            SetRow(day, 3, QStringLiteral("yotei"), QStringLiteral("国語"));
            SetRow(day, 3, QStringLiteral("naiyou"), QStringLiteral("漢字の書き取り"));
            SetRow(day, 3, QStringLiteral("iro"), 2);
        });
        expected = WithDay(expected, QStringLiteral("2024-04-08"),
                           [](QJsonObject& day) { day[QStringLiteral("memo")] = QString(); });
        expected = WithDay(expected, QStringLiteral("2024-04-12"), [](QJsonObject& day) {
            day[QStringLiteral("memo")] = QStringLiteral("持ち物：上履き\r\n名札");
        });
        expected = WithDay(expected, QStringLiteral("2024-04-11"), [](QJsonObject& day) {
            day[QStringLiteral("gyouji")] = QStringLiteral("始業式");
            SetRow(day, 1, QStringLiteral("yotei"), QString());
            SetRow(day, 1, QStringLiteral("naiyou"), QString());
            SetRow(day, 1, QStringLiteral("iro"), 0);
        });
        SaveAndCompare(expected);
        QVERIFY((*Dialogs)->Asked.empty());
        EndSession();
    }

    void TextOfAnotherProgramPastesThroughTheSystemClipboard()
    {
        StartSession();
        constexpr int Period = DayRow::FirstPeriod;
        QClipboard& system = *QGuiApplication::clipboard();

        // One line from a word processor into Wednesday's empty period row 3.
        system.setText(QStringLiteral("理科 𠮷野川の観察"));
        ClickCell(2, Period + 3);
        Keys(Qt::Key_V, Qt::ControlModifier);
        // Three lines (a mail's line breaks) into Thursday's rows 4, 5 and 6.
        system.setText(QStringLiteral("算数\r\n社会\n体育"));
        ClickCell(3, Period + 4);
        Keys(Qt::Key_V, Qt::ControlModifier);
        // A paste that is taken back: one undo step restores Friday's event.
        system.setText(QStringLiteral("間違い"));
        ClickCell(4, DayRow::KindAndEvent);
        Keys(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Document().Day(DateTime::FromDate(2024, 4, 12)).GetGyouji(), Utf8ToCp932("間違い"));
        Keys(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Document().Day(DateTime::FromDate(2024, 4, 12)).GetGyouji(), std::string());

        // The planner's own copy is newer than the outside text: its row pastes whole.
        ClickCell(1, Period + 1); // Tuesday's 国語
        Keys(Qt::Key_C, Qt::ControlModifier);
        ClickCell(4, Period + 3);
        Keys(Qt::Key_V, Qt::ControlModifier);

        // Two lines into the ToDo pane: two items after the list.
        View->ExecuteCommand(CommandId::ToDoView);
        system.setText(QStringLiteral("保護者会の案内\n教材の注文\n"));
        const Rect& row = State().ToDoRowRects.at(1);
        QTest::mouseClick(Frame->windowHandle(), Qt::LeftButton, {},
                          View->mapTo(Frame, QPoint((row.Left + row.Right) / 2, (row.Top + row.Bottom) / 2)));
        QCOMPARE(State().SelectedToDoRow, 1);
        Keys(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(State().SelectedToDoRow, 3);
        View->ExecuteCommand(CommandId::ToDoView); // hidden again: the settings stay as they were

        QJsonObject expected = Before;
        expected = WithDay(expected, QStringLiteral("2024-04-10"), [](QJsonObject& day) {
            SetRow(day, 3, QStringLiteral("yotei"), QStringLiteral("理科 𠮷野川の観察"));
        });
        expected = WithDay(expected, QStringLiteral("2024-04-11"), [](QJsonObject& day) {
            SetRow(day, 4, QStringLiteral("yotei"), QStringLiteral("算数"));
            SetRow(day, 5, QStringLiteral("yotei"), QStringLiteral("社会"));
            SetRow(day, 6, QStringLiteral("yotei"), QStringLiteral("体育"));
        });
        expected = WithDay(expected, QStringLiteral("2024-04-12"), [](QJsonObject& day) {
            SetRow(day, 3, QStringLiteral("yotei"), QStringLiteral("国語"));
            SetRow(day, 3, QStringLiteral("naiyou"), QStringLiteral("漢字の書き取り"));
            SetRow(day, 3, QStringLiteral("iro"), 2);
        });
        QJsonArray todos = expected[QStringLiteral("todos")].toArray();
        for (const QString& subject : {QStringLiteral("保護者会の案内"), QStringLiteral("教材の注文")}) {
            QJsonObject item = todos[0].toObject();
            item[QStringLiteral("kennmei")] = subject;
            item[QStringLiteral("kigenn")] = QStringLiteral("2024-04-08");
            todos.append(item);
        }
        expected[QStringLiteral("todos")] = todos;
        SaveAndCompare(expected);
        QVERIFY((*Dialogs)->Asked.empty());
        EndSession();
    }

    void TheFindKeyMakesTheDialogTheStartLeftUnmade()
    {
        // The start does not build the find dialog; the first "検索" must still open it, and the
        // window's own accessor must give that same dialog, not make a second one.
        StartSession();
        QVERIFY(Frame->findChild<QtFindDialog*>() == nullptr);
        Keys(Qt::Key_F, Qt::ControlModifier);
        auto* dialog = Frame->findChild<QtFindDialog*>();
        QVERIFY(dialog != nullptr);
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(dialog, &Frame->FindDialog());
        QCOMPARE(dialog->Mode(), FindDialogFind);
        QCOMPARE(Frame->findChildren<QtFindDialog*>().size(), 1);
        EndSession();
    }

    void FindAndReplaceThroughTheDialog()
    {
        StartSession();
        QtFindDialog& dialog = Frame->FindDialog();
        Keys(Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(dialog.isVisible());
        QCOMPARE(dialog.Mode(), FindDialogReplace);
        QCOMPARE(State().FindDialogMode, int{FindDialogReplace});
        Commit(dialog.SearchEdit(), QStringLiteral("国語"));
        Commit(dialog.ReplaceEdit(), QStringLiteral("現代文"));

        const auto click = [](QPushButton& button) { QTest::mouseClick(&button, Qt::LeftButton); };
        click(dialog.FindNextButton());
        const FindHitState& hit = State().FindHit;
        QVERIFY(hit.Found);
        QVERIFY(hit.Date.IsIdenticalTo(DateTime::FromDate(2024, 4, 8)));
        QCOMPARE(hit.Field, FindField::Yotei(1));
        click(dialog.FindNextButton());
        QVERIFY(hit.Date.IsIdenticalTo(DateTime::FromDate(2024, 4, 9)));
        QVERIFY(State().CalendarDate.IsIdenticalTo(DateTime::FromDate(2024, 4, 9)));
        QTRY_VERIFY(View->PaintCount() > 0);
        const QImage shot = Frame->grab().toImage();
        QVERIFY(shot.save(QStringLiteral(PLANOVA_BINARY_DIR "/find-hit.png")));

        click(dialog.ReplaceButton()); // Tuesday's 国語 only
        QVERIFY(!hit.Found);

        dialog.SearchEdit().clear(); // "全て置換" with nothing to search for is refused
        click(dialog.ReplaceAllButton());
        QVERIFY((*Dialogs)->WasAsked(QStringLiteral("検索文字列が空です")));

        Commit(dialog.SearchEdit(), QStringLiteral("国語"));
        dialog.ReplaceEdit().clear();
        Commit(dialog.ReplaceEdit(), QStringLiteral("数学"));
        click(dialog.ReplaceAllButton());
        click(dialog.FindNextButton());
        QCOMPARE((*Dialogs)->Asked.back().Text, QStringLiteral("最後まで検索しました。"));
        QCOMPARE((*Dialogs)->Asked.back().Caption, QStringLiteral("検索終了"));
        QCOMPARE((*Dialogs)->Asked.back().Icon, QMessageBox::Information);

        click(dialog.EndButton());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(State().FindDialogMode, int{FindDialogClosed});

        QJsonObject expected = Before;
        for (int day = 8; day <= 12; ++day) {
            const QString plan = day == 9 ? QStringLiteral("現代文") : QStringLiteral("数学");
            expected =
                WithDay(expected, QStringLiteral("2024-04-%1").arg(day, 2, 10, QLatin1Char('0')),
                        [&](QJsonObject& stored) { SetRow(stored, 1, QStringLiteral("yotei"), plan); });
        }
        SaveAndCompare(expected);
        EndSession();
    }
};

QTEST_MAIN(ClipboardFindScenarioTest)
#include "ClipboardFindScenarioTest.moc"
