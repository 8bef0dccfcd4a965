// The planner view driven with real mouse and key events: selection, opening entries, the arrow
// keys before the window's shortcuts, the ToDo pane's keys, the cell context menu and the editing
// commands. The edit dialog is answered by a script.

#include "edit/CommandIds.h"
#include "gui/CPlanovaView.h"
#include "gui/InfoPane.h"
#include "model/Clock.h"
#include "support/Dates.h"
#include "support/Numbered.h"
#include "support/ScriptedViewServices.h"
#include "view/PlannerView.h"

#include <QAction>
#include <QCalendarWidget>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

using namespace planova;
using planova::test::Confirming;
using planova::test::ScriptedViewServices;

namespace {

using planova::test::Date;

QPoint Centre(const Rect& rect)
{
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

/// What the cell context menu showed: its items (a separator is "-") and whether each was enabled.
struct ShownMenu
{
    QStringList Items;
    QList<bool> Enabled;
    QPoint At;
};

} // namespace

class ViewEditingTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FixedNowScope> Clock;
    std::unique_ptr<CPlanovaDoc> Document;
    std::unique_ptr<CPlanovaView> View;
    ScriptedViewServices Dialog;
    std::vector<ShownMenu> Menus;
    QString MenuChoice; ///< the item the scripted menu chooses (empty: none)
    int Edits = 0;

    ViewState& State() { return View->Planner().State; }

    /// Shows the view on Monday 10 June 2024 in the mode, with scripted dialog and menu.
    void Open(int dspType, bool toDoView = false)
    {
        Document->DspType = dspType;
        Document->ToDoView = toDoView;
        View = std::make_unique<CPlanovaView>(*Document, nullptr);
        View->SetDialogs(&Dialog);
        View->SetPopupRunner([this](QMenu& menu, const QPoint& at) { return RunMenu(menu, at); });
        View->OnDocumentEdited = [this] {
            ++Edits;
            View->RefreshFromDocument();
        };
        View->resize(1200, 800);
        View->show();
        QVERIFY(QTest::qWaitForWindowExposed(View.get()));
        QTRY_VERIFY(View->PaintCount() > 0);
    }

    QAction* RunMenu(QMenu& menu, const QPoint& at)
    {
        ShownMenu shown;
        shown.At = at;
        QAction* chosen = nullptr;
        for (QAction* action : menu.actions()) {
            shown.Items << (action->isSeparator() ? QStringLiteral("-") : action->text());
            shown.Enabled << action->isEnabled();
            if (action->text() == MenuChoice)
                chosen = action;
        }
        Menus.push_back(shown);
        return chosen;
    }

    /// Lets the view repaint, so that its rectangles and first date are those of the new state.
    void Repaint()
    {
        const int paints = View->PaintCount();
        View->update();
        QTRY_VERIFY(View->PaintCount() > paints);
    }

    QPoint CellPoint(int cell) { return Centre(State().CellRects.at(static_cast<std::size_t>(cell))); }
    QPoint ToDoRowPoint(int row) { return Centre(State().ToDoRowRects.at(static_cast<std::size_t>(row))); }

    /// Clicks, double-clicks and right-clicks as the window system delivers them.
    void Click(const QPoint& at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(View->windowHandle(), button, {}, at);
    }
    void DoubleClick(const QPoint& at) { QTest::mouseDClick(View->windowHandle(), Qt::LeftButton, {}, at); }
    void Key(Qt::Key key) { QTest::keyClick(View->windowHandle(), key); }

    void SendMouse(QEvent::Type type, const QPoint& at, quint64 time)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, View->mapToGlobal(at), Qt::LeftButton, held, {});
        event.setTimestamp(time);
        QApplication::sendEvent(View.get(), &event);
    }

    void AddItems(int count)
    {
        for (int n = 0; n < count; ++n) {
            CToDo todo;
            todo.SetKennmei("item " + std::to_string(n));
            Document->AppendToDo(todo);
        }
        Document->SetModified(false);
    }

    bool Shows(const DateTime& day)
    {
        return State().CurrentDate.IsIdenticalTo(day) && State().CalendarDate.IsIdenticalTo(day) &&
               View->Information()->Calendar()->selectedDate() == QDate(day.Year(), day.Month(), day.Day());
    }

private slots:
    void init()
    {
        Clock = std::make_unique<FixedNowScope>(DateTime::FromDateTime(2024, 6, 10, 9, 0, 0));
        Document = std::make_unique<CPlanovaDoc>();
        Dialog = ScriptedViewServices();
        Menus.clear();
        MenuChoice.clear();
        Edits = 0;
    }

    void cleanup()
    {
        View.reset();
        Document.reset();
        Clock.reset();
    }

    void MonthClickSelectsTheDayOfTheCell()
    {
        Open(2);
        const DateTime first = State().FirstShownDate;
        QVERIFY(first.IsIdenticalTo(Date(2024, 5, 26)));
        // 26 May is a grey day of June's grid: the grid moves to May, and the selection with the day.
        Click(CellPoint(0));
        QVERIFY(Shows(first));
        Repaint(); // now May 2024, from Sunday 28 April
        const DateTime mayFirst = State().FirstShownDate;
        QVERIFY(mayFirst.IsIdenticalTo(Date(2024, 4, 28)));
        QCOMPARE(State().SelectedCell, CellIndexOf(ViewMode::Month, 0, 4));

        const int lastCell = CellIndexOf(ViewMode::Month, 6, 5); // 8 June, grey on May's grid
        Click(CellPoint(lastCell));
        QVERIFY(Shows(Date(2024, 6, 8)));
        Repaint();
        QCOMPARE(State().SelectedCell, CellIndexOf(ViewMode::Month, 6, 1));
        QCOMPARE(Edits, 0);
        QVERIFY(!Document->IsModified());

        // Enter opens the day that was clicked.
        Key(Qt::Key_Return);
        QCOMPARE(View->Planner().Mode(), ViewMode::Day);
        QVERIFY(Shows(Date(2024, 6, 8)));
    }

    void TheSelectionIsDrawnInBlue()
    {
        Open(1);
        const int cell = CellIndexOf(ViewMode::Week, 2, 5);
        Click(CellPoint(cell));
        Repaint();
        const QImage shot = View->grab().toImage();
        QVERIFY(shot.save(QStringLiteral(PLANOVA_BINARY_DIR "/view-selected-cell.png")));
        const Rect& rect = State().CellRects[static_cast<std::size_t>(cell)];
        QCOMPARE(shot.pixelColor(rect.Left + 5, rect.Top), QColor(0, 0, 255));
        QCOMPARE(shot.pixelColor(rect.Left, rect.Top + 5), QColor(0, 0, 255));
    }

    void DoubleClickOnAWeekDateHeaderShowsThatDay()
    {
        for (const bool toDoView : {false, true}) {
            Open(1, toDoView);
            const int wednesday = CellIndexOf(ViewMode::Week, 3, DayRow::Date);
            DoubleClick(CellPoint(wednesday));
            QCOMPARE(View->Planner().Mode(), ViewMode::Day);
            QCOMPARE(State().ToDoView, toDoView);
            QCOMPARE(State().SelectedCell, -1);
            QVERIFY(Shows(Date(2024, 6, 12)));
            QVERIFY(Dialog.Started.empty());
            QVERIFY(View->IsCommandChecked(CommandId::DayView));
        }
    }

    void DoubleClickOnAMonthDayOfAnotherMonthOpensThatDay()
    {
        Open(2);
        // The events as Qt hands them to a widget: the first click moves the grid to May and the
        // view repaints before the second press, which comes with the double-click.
        const QPoint at = CellPoint(0);
        SendMouse(QEvent::MouseButtonPress, at, 10000);
        SendMouse(QEvent::MouseButtonRelease, at, 10050);
        Repaint();
        QVERIFY(State().FirstShownDate.IsIdenticalTo(Date(2024, 4, 28)));
        SendMouse(QEvent::MouseButtonPress, at, 10200);
        SendMouse(QEvent::MouseButtonDblClick, at, 10200);
        SendMouse(QEvent::MouseButtonRelease, at, 10250);
        QCOMPARE(View->Planner().Mode(), ViewMode::Day);
        QVERIFY(Shows(Date(2024, 5, 26)));
    }

    void DoubleClickOnTheDayViewsDateHeaderOpensNothing()
    {
        Open(0);
        DoubleClick(CellPoint(DayRow::Date));
        QVERIFY(Dialog.Started.empty());
        QCOMPARE(View->Planner().Mode(), ViewMode::Day);
        QVERIFY(Shows(Date(2024, 6, 10)));
        QCOMPARE(Edits, 0);
    }

    void DoubleClickOnAPeriodRowEditsIt()
    {
        Open(0);
        Dialog = Confirming([](EntryDialogValues& values) { values.Text2 = "plan"; });
        DoubleClick(CellPoint(DayRow::FirstPeriod + 1));
        QCOMPARE(Dialog.Started.size(), std::size_t{1});
        QCOMPARE(Dialog.Started[0].EditMode, static_cast<int>(EditPeriodRow));
        QCOMPARE(Document->Day(Date(2024, 6, 10)).GetYotei(1), std::string("plan"));
        QCOMPARE(Edits, 1);
        QVERIFY(View->IsCommandEnabled(CommandId::EditUndo));
        QVERIFY(View->ExecuteCommand(CommandId::EditUndo));
        QCOMPARE(Document->Day(Date(2024, 6, 10)).GetYotei(1), std::string());
        QCOMPARE(Edits, 2);
        QVERIFY(!View->IsCommandEnabled(CommandId::EditUndo));
        QVERIFY(!View->ExecuteCommand(CommandId::EditUndo));
        // "やり直し" brings the plan back.
        QVERIFY(View->IsCommandEnabled(CommandId::EditRedo));
        QVERIFY(View->ExecuteCommand(CommandId::EditRedo));
        QCOMPARE(Document->Day(Date(2024, 6, 10)).GetYotei(1), std::string("plan"));
        QVERIFY(!View->IsCommandEnabled(CommandId::EditRedo));
    }

    void ARepaintWhileTheDialogIsOpenLeavesTheOpenedDayInPlace()
    {
        Open(1); // the week from Sunday 9 June
        Click(CellPoint(CellIndexOf(ViewMode::Week, 1, DayRow::FirstPeriod + 2)));
        Key(Qt::Key_Right); // Tuesday is selected, Monday still shown
        QVERIFY(Shows(Date(2024, 6, 10)));
        int paints = 0;
        Dialog = ScriptedViewServices([&](EntryDialogValues& values) {
            const int before = View->PaintCount();
            View->repaint();
            paints = View->PaintCount() - before;
            values.Text1 = "inserted";
            return true;
        });
        QVERIFY(View->ExecuteCommand(CommandId::Insert));
        QCOMPARE(paints, 1);
        QCOMPARE(Document->Day(Date(2024, 6, 11)).GetJigenn(2), std::string("inserted"));
        QCOMPARE(Document->Day(Date(2024, 6, 10)).GetJigenn(2), std::string());
    }

    void ArrowKeysStopAtTheGridEdges()
    {
        Open(1);
        Click(CellPoint(CellIndexOf(ViewMode::Week, 6, DayRow::Memo)));
        QVERIFY(Shows(Date(2024, 6, 15)));
        Key(Qt::Key_Right);
        QCOMPARE(State().SelectedCell, CellIndexOf(ViewMode::Week, 6, DayRow::Memo));
        Key(Qt::Key_Down);
        QCOMPARE(State().SelectedCell, CellIndexOf(ViewMode::Week, 6, DayRow::Memo));
        Key(Qt::Key_Left);
        Key(Qt::Key_Up);
        QCOMPARE(State().SelectedCell, CellIndexOf(ViewMode::Week, 5, DayRow::Memo - 1));
        QVERIFY(Shows(Date(2024, 6, 15))); // the keys move the selection, not the shown day

        Click(CellPoint(CellIndexOf(ViewMode::Week, 0, DayRow::Date)));
        Key(Qt::Key_Left);
        Key(Qt::Key_Up);
        QCOMPARE(State().SelectedCell, 0);

        View->ExecuteCommand(CommandId::DayView);
        Repaint();
        Click(CellPoint(4));
        Key(Qt::Key_Left);
        Key(Qt::Key_Right);
        QCOMPARE(State().SelectedCell, 4);
    }

    void TheViewSeesItsKeysBeforeTheWindowsShortcuts()
    {
        QWidget window;
        window.resize(1200, 800);
        int shortcuts = 0;
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Return}) {
            auto* action = new QAction(&window);
            action->setShortcut(key);
            connect(action, &QAction::triggered, &window, [&shortcuts] { ++shortcuts; });
            window.addAction(action);
        }
        auto* view = new CPlanovaView(*Document, &window);
        view->SetDialogs(&Dialog);
        view->resize(1200, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(view->PaintCount() > 0);
        view->setFocus();
        QApplication::setActiveWindow(&window);

        QTest::keyClick(window.windowHandle(), Qt::Key_Down); // nothing selected: the shortcut's
        QCOMPARE(shortcuts, 1);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          Centre(view->Planner().State.CellRects[DayRow::FirstPeriod]));
        QTest::keyClick(window.windowHandle(), Qt::Key_Down);
        QCOMPARE(view->Planner().State.SelectedCell, DayRow::FirstPeriod + 1);
        QTest::keyClick(window.windowHandle(), Qt::Key_Return);
        QCOMPARE(Dialog.Started.size(), std::size_t{1});
        QCOMPARE(shortcuts, 1);
    }

    void ToDoArrowKeysScrollThePane()
    {
        AddItems(40);
        Open(0, true);
        const int rows = State().ToDoRowCount;
        QVERIFY(rows > 3 && rows < 40);
        QVERIFY(View->ToDoScrollBar()->isVisible());
        Click(ToDoRowPoint(rows - 1));
        QCOMPARE(State().SelectedToDoRow, rows - 1);
        Key(Qt::Key_Down);
        QCOMPARE(State().SelectedToDoRow, rows - 1);
        QCOMPARE(State().ToDoScrollTop, 1);
        Repaint();
        QCOMPARE(View->ToDoScrollBar()->sliderPosition(), 1);

        for (int n = 0; n < rows - 2; ++n)
            Key(Qt::Key_Up);
        QCOMPARE(State().SelectedToDoRow, 1);
        QCOMPARE(State().ToDoScrollTop, 1);
        Key(Qt::Key_Up);
        QCOMPARE(State().SelectedToDoRow, 1);
        QCOMPARE(State().ToDoScrollTop, 0);
        Key(Qt::Key_Up);
        QCOMPARE(State().ToDoScrollTop, 0);
        Repaint();
        QCOMPARE(View->ToDoScrollBar()->sliderPosition(), 0);
        QVERIFY(!Document->IsModified());
    }

    void LeftAndRightKeepTheToDoPaneWhereItIs()
    {
        AddItems(40);
        Open(0, true);
        QScrollBar* bar = View->ToDoScrollBar();
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        const int top = State().ToDoScrollTop;
        Click(ToDoRowPoint(3));
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right}) {
            Key(key);
            QCOMPARE(State().SelectedToDoRow, 3);
            QCOMPARE(State().ToDoScrollTop, top);
            QCOMPARE(bar->sliderPosition(), 40);
        }
    }

    void TheWheelScrollsTheToDoPaneAndItsBar()
    {
        AddItems(40);
        Open(0, true);
        QScrollBar* bar = View->ToDoScrollBar();
        QVERIFY(bar->isVisible());
        const auto wheel = [](QWidget* target, const QPoint& at, int notches) {
            QWheelEvent event(at, target->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &event);
        };
        const int lines = QApplication::wheelScrollLines();
        wheel(View.get(), ToDoRowPoint(3), -1); // a notch towards the user: later items
        QCOMPARE(State().ToDoScrollTop, lines);
        QCOMPARE(bar->sliderPosition(), lines);
        wheel(bar, QPoint(bar->width() / 2, bar->height() / 2), -1);
        QCOMPARE(State().ToDoScrollTop, 2 * lines);
        QCOMPARE(State().ToDoScrollPos, bar->sliderPosition());
        wheel(bar, QPoint(bar->width() / 2, bar->height() / 2), 1);
        QCOMPARE(State().ToDoScrollTop, lines);
        // Over the planner the wheel leaves the pane alone.
        wheel(View.get(), CellPoint(5), -1);
        QCOMPARE(State().ToDoScrollTop, lines);
        QVERIFY(!Document->IsModified());
    }

    void RightClickOnTheToDoHeaderOpensNoMenu()
    {
        AddItems(2);
        Open(0, true);
        Click(ToDoRowPoint(0), Qt::RightButton);
        QCOMPARE(State().SelectedToDoRow, 0);
        QVERIFY(Menus.empty());

        Click(ToDoRowPoint(2), Qt::RightButton);
        QCOMPARE(Menus.size(), std::size_t{1});
        QCOMPARE(State().SelectedToDoRow, 2);
    }

    void TheCellMenuOffersTheCommandsOfTheSelection()
    {
        Open(1);
        Document->UpdateDay(Date(2024, 6, 12), [&](CDayData& day) {
            for (int r = 0; r < CDayData::RowCount; ++r)
                day.SetJigenn(r, test::Numbered("L", r));
        });
        MenuChoice = QStringLiteral("削除");
        const QPoint at = CellPoint(CellIndexOf(ViewMode::Week, 3, DayRow::FirstPeriod + 1));
        Click(at, Qt::RightButton);

        QCOMPARE(Menus.size(), std::size_t{1});
        const QStringList items{"編集", "挿入", "上に移動", "下に移動", "削除", "-", "コピー", "貼り付け"};
        QCOMPARE(Menus[0].Items, items);
        // The separator counts as enabled; nothing is clipped yet, so paste is not.
        QCOMPARE(Menus[0].Enabled, (QList<bool>{true, true, true, true, true, true, true, false}));
        QCOMPARE(Menus[0].At, View->mapToGlobal(at));
        QCOMPARE(Document->Day(Date(2024, 6, 12)).GetJigenn(1), std::string("L2"));
        QCOMPARE(Edits, 1);
        QVERIFY(Shows(Date(2024, 6, 10))); // a right click does not change the shown day

        // The kind-and-event row can be edited, but not inserted, moved or deleted.
        MenuChoice.clear();
        Click(CellPoint(CellIndexOf(ViewMode::Week, 3, DayRow::KindAndEvent)), Qt::RightButton);
        QCOMPARE(Menus[1].Enabled, (QList<bool>{true, false, false, false, false, true, true, false}));

        // Copy and paste from the menu: Wednesday's memo onto Thursday's.
        Document->UpdateDay(Date(2024, 6, 12), [&](CDayData& day) { day.SetMemo("memo"); });
        MenuChoice = QStringLiteral("コピー");
        Click(CellPoint(CellIndexOf(ViewMode::Week, 3, DayRow::Memo)), Qt::RightButton);
        MenuChoice = QStringLiteral("貼り付け");
        Click(CellPoint(CellIndexOf(ViewMode::Week, 4, DayRow::Memo)), Qt::RightButton);
        QCOMPARE(Menus[3].Enabled.back(), true);
        QVERIFY(Document->FindStoredDay(Date(2024, 6, 13)));
        QCOMPARE(Document->FindStoredDay(Date(2024, 6, 13))->GetMemo(), std::string("memo"));
        QCOMPARE(Dialog.SystemClipboard, std::string("memo"));
    }

    void TheCellMenuOpensAtThePointer()
    {
        Open(1);
        View->SetPopupRunner({}); // the real menu
        const QPoint at = CellPoint(CellIndexOf(ViewMode::Week, 2, DayRow::FirstPeriod + 1));
        QStringList items;
        bool besidePointer = false;
        QTimer::singleShot(50, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions())
                items << action->text();
            besidePointer = (menu->pos() - View->mapToGlobal(at)).manhattanLength() <= 2;
            menu->close();
        });
        Click(at, Qt::RightButton);
        QTRY_COMPARE(items.size(), 8);
        QCOMPARE(items.front(), QStringLiteral("編集"));
        QVERIFY(besidePointer);
        QVERIFY(!Document->IsModified());
    }

    void DoubleClickOnAnEmptyToDoRowAppendsAnItem()
    {
        AddItems(3);
        Open(0, true);
        Dialog = Confirming([](EntryDialogValues& values) { values.Text1 = "new item"; });
        DoubleClick(ToDoRowPoint(6));
        QCOMPARE(Dialog.Started.size(), std::size_t{1});
        QCOMPARE(Dialog.Started[0].EditMode, static_cast<int>(EditToDo));
        QCOMPARE(Document->ToDoCount(), 4);
        QCOMPARE(Document->ToDoList().back().GetKennmei(), std::string("new item"));
        QCOMPARE(State().SelectedToDoRow, 4);
        QCOMPARE(Edits, 1);
        Repaint();
        QCOMPARE(State().ToDoCount, 4);
    }

    void TheFirstWeekdayCommandChangesItsMenuText()
    {
        Open(1);
        QCOMPARE(QString::fromStdString(View->CommandText(CommandId::FirstWeekday)),
                 QStringLiteral("表示を月曜始に変更する"));
        QVERIFY(View->ExecuteCommand(CommandId::FirstWeekday));
        QCOMPARE(QString::fromStdString(View->CommandText(CommandId::FirstWeekday)),
                 QStringLiteral("表示を日曜始に変更する"));
        Repaint();
        QVERIFY(State().FirstShownDate.IsIdenticalTo(Date(2024, 6, 10))); // the week now starts on Monday
        QCOMPARE(Edits, 0);
        QVERIFY(!Document->IsModified());
    }
};

QTEST_MAIN(ViewEditingTest)
#include "ViewEditingTest.moc"
