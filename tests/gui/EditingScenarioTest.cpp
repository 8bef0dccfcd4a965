// A teacher's editing session end to end: open a data file in the application, select a period
// row with the mouse and the arrow keys, type a plan into the real edit dialog, undo it with Ctrl+Z, redo
// it with Ctrl+Y and undo it again, type a new one, save with Ctrl+S, and read the saved file back with
// `planova-cli dump`: exactly that plan has changed, nothing else.

#include "ShellTestSupport.h"

#include "gui/QtEntryDialog.h"
#include "gui/CChildFrame.h"
#include "gui/CMainFrame.h"
#include "gui/CPlanovaView.h"
#include "gui/CommandActions.h"
#include "gui/DocumentManager.h"
#include "model/Clock.h"
#include "support/Cp932Literals.h"
#include "edit/CommandTable.h"
#include "view/PlannerView.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QJsonArray>
#include <QMdiArea>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace planova;
using namespace planova::test;

namespace {

/// The dump with the plan of one period row of one day replaced.
QJsonObject WithPlan(QJsonObject dump, const QString& date, int row, const QString& plan)
{
    QJsonArray days = dump[QStringLiteral("days")].toArray();
    for (qsizetype n = 0; n < days.size(); ++n) {
        QJsonObject day = days[n].toObject();
        if (day[QStringLiteral("date")].toString() != date)
            continue;
        QJsonArray rows = day[QStringLiteral("rows")].toArray();
        QJsonObject changed = rows[row].toObject();
        changed[QStringLiteral("yotei")] = plan;
        rows[row] = changed;
        day[QStringLiteral("rows")] = rows;
        days[n] = day;
    }
    dump[QStringLiteral("days")] = days;
    return dump;
}

} // namespace

class EditingScenarioTest : public QObject
{
    Q_OBJECT

private:
    /// Answers the edit dialog that the next step opens: checks its title and types the plan.
    void TypePlanWhenAsked(const QString& plan, QString& title)
    {
        auto* poll = new QTimer(this);
        poll->setInterval(20);
        connect(poll, &QTimer::timeout, this, [this, poll, plan, &title] {
            auto* dialog = qobject_cast<QtEntryDialog*>(QApplication::activeModalWidget());
            // Typed keys go to the focus widget of the active window: wait until the dialog is it.
            if (!dialog || !dialog->isVisible() || !dialog->isActiveWindow())
                return;
            poll->deleteLater();
            poll->stop();
            title = dialog->windowTitle();
            // The label field has the focus; Tab goes to the plan, whose text is replaced.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QPlainTextEdit& edit = dialog->Edit(2);
            if (QApplication::focusWidget() != &edit)
                qWarning("the plan field did not take the focus");
            edit.selectAll();
            QTest::keyClick(&edit, Qt::Key_Delete);
            QInputMethodEvent typed; // Japanese text arrives through the input method
            typed.setCommitString(plan);
            QApplication::sendEvent(&edit, &typed);
            QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
        });
        poll->start();
    }

    /// The offscreen platform does not give the focus back to the main window when a dialog closes.
    static void ReturnTo(QWidget& window)
    {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(QApplication::focusWidget() != nullptr);
    }

private slots:
    void EditUndoEditAgainAndSave()
    {
        FixedNowScope clock(DateTime::FromDateTime(2024, 4, 8, 10, 0, 0));
        ShellSandbox sandbox;
        DialogScript dialogs;
        const QString file = sandbox.WriteDocument(QStringLiteral("2024年度.dat"), SchoolWeek());
        const QJsonObject before = Dump(file);

        CPlanovaApp app(sandbox.Options());
        QVERIFY(app.Start({file}));
        CMainFrame& frame = app.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QCOMPARE(app.Documents().Documents().size(), std::size_t{1});
        OpenDocument& open = *app.Documents().Documents().front();
        // The document's window is the active one and fills its tab.
        QCOMPARE(app.Documents().ActiveFrame(), open.Frames.front());
        auto* view = dynamic_cast<CPlanovaView*>(open.Frames.front()->View());
        QVERIFY(view);
        QTRY_VERIFY(view->height() > 500);
        QTRY_VERIFY(view->PaintCount() > 0);
        ViewState& state = view->Planner().State;
        QVERIFY(state.FirstShownDate.IsIdenticalTo(DateTime::FromDate(2024, 4, 8)));

        // Tuesday's date header, then down to period row 1.
        const auto at = [&](int column, int row) {
            const Rect& cell =
                state.CellRects.at(static_cast<std::size_t>(CellIndexOf(ViewMode::Week, column, row)));
            return view->mapTo(&frame, QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
        };
        QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, {}, at(1, DayRow::Date));
        for (int n = 0; n < 3; ++n)
            QTest::keyClick(frame.windowHandle(), Qt::Key_Down);
        QCOMPARE(state.SelectedCell, CellIndexOf(ViewMode::Week, 1, DayRow::FirstPeriod + 1));

        QString title;
        TypePlanWhenAsked(QStringLiteral("算数"), title);
        QTest::keyClick(frame.windowHandle(), Qt::Key_Return);
        ReturnTo(frame);
        QCOMPARE(title, QStringLiteral("2024年 4月 9日の時限・予定・内容の変更"));
        CPlanovaDoc& document = *open.Doc;
        QCOMPARE(document.Day(DateTime::FromDate(2024, 4, 9)).GetYotei(1), Sj("算数"));
        QVERIFY(frame.windowTitle().contains(QStringLiteral("*")) || document.IsModified());

        QAction* undo = frame.Actions().Action(CommandId::EditUndo);
        QTRY_VERIFY(undo->isEnabled());
        QTest::keyClick(frame.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(document.Day(DateTime::FromDate(2024, 4, 9)).GetYotei(1), Sj("国語"));
        QTRY_VERIFY(!undo->isEnabled());
        // Ctrl+Y brings the plan back, Ctrl+Z takes it away again.
        QAction* redo = frame.Actions().Action(CommandId::EditRedo);
        QTRY_VERIFY(redo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("やり直し: セルの編集"));
        QTest::keyClick(frame.windowHandle(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(document.Day(DateTime::FromDate(2024, 4, 9)).GetYotei(1), Sj("算数"));
        QTRY_VERIFY(!redo->isEnabled());
        QTest::keyClick(frame.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(document.Day(DateTime::FromDate(2024, 4, 9)).GetYotei(1), Sj("国語"));

        TypePlanWhenAsked(QStringLiteral("数学 小テスト"), title);
        QTest::keyClick(frame.windowHandle(), Qt::Key_Return);
        ReturnTo(frame);
        QCOMPARE(document.Day(DateTime::FromDate(2024, 4, 9)).GetYotei(1), Sj("数学 小テスト"));
        QTRY_VERIFY(!redo->isEnabled()); // a new change clears what could be redone

        QTest::keyClick(frame.windowHandle(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!document.IsModified());
        QVERIFY(dialogs->Asked.empty());

        const QJsonObject after = Dump(file);
        const QJsonObject expected =
            WithPlan(before, QStringLiteral("2024-04-09"), 1, QStringLiteral("数学 小テスト"));
        if (after != expected) {
            qWarning("before: %s", QJsonDocument(before).toJson().constData());
            qWarning("after: %s", QJsonDocument(after).toJson().constData());
        }
        QVERIFY(after != before);
        QCOMPARE(after, expected);
    }
};

QTEST_MAIN(EditingScenarioTest)
#include "EditingScenarioTest.moc"
