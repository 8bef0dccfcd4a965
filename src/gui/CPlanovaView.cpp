#include "gui/CPlanovaView.h"

#include "gui/InfoPane.h"
#include "gui/QtViewServices.h"
#include "canvas/QtCanvas.h"
#include "canvas/QtText.h"
#include "model/Clock.h"
#include "sky/SkyReadout.h"
#include "edit/ClipboardCommands.h"
#include "edit/CommandTable.h"
#include "edit/FindCommands.h"
#include "gui/UserDialogs.h"
#include "view/InfoPaneIcons.h"
#include "view/PlannerView.h"
#include "view/ScreenLayout.h"
#include "edit/Selection.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleHints>
#include <QTimer>
#include <QWheelEvent>

#include <optional>
#include <utility>

// Resources of a static library must be registered by name from outside any namespace.
static void InitialiseViewResources()
{
    Q_INIT_RESOURCE(view);
}

namespace planova {

namespace {

/// The current local time in whole seconds.
DateTime NowInWholeSeconds()
{
    const DateTime now = Now();
    return DateTime::FromDateTime(now.Year(), now.Month(), now.Day(), now.Hour(), now.Minute(), now.Second());
}

Point PointOf(const QSinglePointEvent& event)
{
    const QPoint at = event.position().toPoint();
    return {at.x(), at.y()};
}

/// The navigation key of a key event; keys held with Ctrl, Alt or Meta stay shortcuts.
std::optional<NavigationKey> NavigationKeyOf(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return NavigationKey::Enter;
    case Qt::Key_Left:
        return NavigationKey::Left;
    case Qt::Key_Right:
        return NavigationKey::Right;
    case Qt::Key_Up:
        return NavigationKey::Up;
    case Qt::Key_Down:
        return NavigationKey::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

CPlanovaView::CPlanovaView(CPlanovaDoc& document, QWidget* parent)
    : QWidget(parent), View(std::make_unique<PlannerView>(document))
{
    InitialiseViewResources();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    Pane = new InfoPane(nullptr);
    PaneScroller = new QScrollArea(this);
    PaneScroller->setObjectName(QStringLiteral("InformationPaneScroller"));
    PaneScroller->setFrameShape(QFrame::NoFrame);
    PaneScroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PaneScroller->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    PaneScroller->setWidget(Pane); // takes the pane
    // With the vertical bar shown the pane moves left into its empty margin (up to the icons), so the
    // bar covers none of its fields.
    QScrollBar* across = PaneScroller->horizontalScrollBar();
    connect(across, &QScrollBar::rangeChanged, across,
            [across](int, int maximum) { across->setValue(std::min(maximum, InfoIcons::Left)); });
    PaneScroller->setGeometry(0, 0, ScreenOrigin::PlannerLeft, height());
    ScrollBar = new QScrollBar(Qt::Vertical, this);
    ScrollBar->setObjectName(QStringLiteral("ToDoScrollBar1067"));
    ScrollBar->setTracking(false);
    ScrollBar->hide();
    // "貼り付け" also takes text other programs put on the system clipboard after this view's copy.
    const auto noteClipboard = [this] {
        View->State.OutsideClipboardText = IsOutsideText(View->State.Clipboard, SystemClipboardCp932());
    };
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, noteClipboard);
    noteClipboard();

    View->InitialUpdate(Now());
    WriteFormData();

    connect(Pane->Calendar(), &QCalendarWidget::selectionChanged, this, &CPlanovaView::OnCalendarSelection);
    connect(ScrollBar, &QScrollBar::actionTriggered, this, &CPlanovaView::OnScrollAction);
    connect(ScrollBar, &QScrollBar::sliderReleased, this, &CPlanovaView::OnScrollReleased);

    Timer = new QTimer(this);
    Timer->setInterval(SkyRefreshMilliseconds);
    connect(Timer, &QTimer::timeout, this, &CPlanovaView::RefreshSky);
    Timer->start();
}

CPlanovaView::~CPlanovaView() = default;

bool CPlanovaView::IsCommandEnabled(int commandId) const
{
    return IsViewCommandEnabled(*View, commandId);
}

std::string CPlanovaView::CommandText(int commandId) const
{
    return ViewCommandText(*View, commandId);
}

bool CPlanovaView::IsCommandChecked(int commandId) const
{
    return IsViewCommandChecked(*View, commandId);
}

bool CPlanovaView::ExecuteCommand(int commandId)
{
    const CommandOutcome outcome = RunViewCommand(*View, commandId, Dialogs());
    if (outcome == CommandOutcome::NotRun)
        return false;
    Finish(outcome == CommandOutcome::DocumentChanged);
    return true;
}

void CPlanovaView::OnFindNext(const std::string& search, bool fromStart, const MatchOptions& options,
                              const FindOrder& order)
{
    if (!FindNextRequest(*View, search, fromStart, options, order))
        UserDialogs::Current().Ask(this, {QMessageBox::Information,
                                          order.Backward ? QStringLiteral("先頭まで検索しました。")
                                                         : QStringLiteral("最後まで検索しました。"),
                                          {{QMessageBox::Ok, QStringLiteral("OK")}},
                                          QMessageBox::Ok,
                                          QStringLiteral("検索終了")});
    // The hit is the document's: every window of it shows the yellow mark.
    Finish(true);
}

void CPlanovaView::OnReplace(const std::string& search, const std::string& replacement,
                             const MatchOptions& options)
{
    Finish(ReplaceRequest(*View, search, replacement, options));
}

void CPlanovaView::OnReplaceAll(const std::string& search, const std::string& replacement,
                                const MatchOptions& options, bool toDos)
{
    const ReplaceAllResult result = ReplaceAllRequest(*View, search, replacement, options, toDos);
    if (!result.Result.Ok)
        ShowError(this, Utf8Text(result.Result.Error));
    Finish(result.Result.Ok);
}

std::optional<QRect> CPlanovaView::FindMarkOnScreen()
{
    repaint();
    if (!FindMark || !rect().intersects(*FindMark))
        return std::nullopt;
    return QRect(mapToGlobal(FindMark->topLeft()), FindMark->size());
}

void CPlanovaView::OnFindEnded()
{
    EndFind(*View);
    Finish(true);
}

void CPlanovaView::SetDialogs(ViewServices* dialogs)
{
    ExternalDialogs = dialogs;
}

void CPlanovaView::SetPopupRunner(PopupRunner runner)
{
    Popup = std::move(runner);
}

ViewServices& CPlanovaView::Dialogs()
{
    if (ExternalDialogs)
        return *ExternalDialogs;
    if (!OwnDialogs) {
        OwnDialogs = std::make_unique<QtViewServices>(*this);
        OwnDialogs->DocumentPath = [this] { return DocumentPath ? DocumentPath() : QString(); };
        OwnDialogs->UserSettings = UserSettings;
    }
    return *OwnDialogs;
}

void CPlanovaView::Finish(bool documentChanged)
{
    WriteFormData();
    // Every view of the document is redrawn, this one last.
    if (documentChanged && OnDocumentEdited)
        OnDocumentEdited();
    else if (!documentChanged && OnViewChanged)
        OnViewChanged();
    Redraw();
}

bool CPlanovaView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (NavigationKeyOf(*key) && TakesKey(View->State)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void CPlanovaView::keyPressEvent(QKeyEvent* event)
{
    const std::optional<NavigationKey> key = NavigationKeyOf(*event);
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    const KeyOutcome outcome = PressKey(*View, *key, Dialogs());
    if (!outcome.Taken) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Finish(outcome.DocumentChanged);
}

void CPlanovaView::mousePressEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        PressLeft(*View, PointOf(*event), static_cast<std::int64_t>(event->timestamp()));
        Finish(false);
        break;
    case Qt::RightButton: {
        const bool menu = PressRight(*View, PointOf(*event));
        Finish(false);
        if (menu)
            ShowCellMenu(event->globalPosition().toPoint());
        break;
    }
    default:
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
}

void CPlanovaView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept(); // the press before it did the work
        return;
    }
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const bool changed = DoubleClickLeft(*View, PointOf(*event),
                                         static_cast<std::int64_t>(event->timestamp()), interval, Dialogs());
    event->accept();
    Finish(changed);
}

void CPlanovaView::wheelEvent(QWheelEvent* event)
{
    // Whole notches only; what a touchpad gives in between is kept for the next event.
    WheelAngle += event->angleDelta().y();
    const int notches = WheelAngle / QWheelEvent::DefaultDeltasPerStep;
    WheelAngle -= notches * QWheelEvent::DefaultDeltasPerStep;
    const int lines = -notches * QApplication::wheelScrollLines();
    if (!WheelOverToDo(*View, PointOf(*event), lines)) {
        WheelAngle = 0;
        QWidget::wheelEvent(event);
        return;
    }
    event->accept();
    if (lines != 0)
        Finish(false);
}

void CPlanovaView::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
}

void CPlanovaView::ShowCellMenu(const QPoint& screenPosition)
{
    QMenu menu(this);
    menu.setTitle(QStringLiteral("セルの操作"));
    for (const PopupItem& item : CellContextMenuItems(*View)) {
        if (item.Id == CommandId::Separator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(Utf8Text(item.Text));
        action->setData(item.Id);
        action->setEnabled(item.Enabled);
    }
    QAction* chosen = Popup ? Popup(menu, screenPosition) : menu.exec(screenPosition);
    if (!chosen)
        return;
    // The menu may have stayed open while something else changed the selection: ExecuteCommand runs
    // only what is enabled now.
    ExecuteCommand(chosen->data().toInt());
}

void CPlanovaView::RefreshFromDocument()
{
    ++Refreshes;
    WriteFormData();
    Redraw();
}

ScreenGeometry CPlanovaView::Geometry() const
{
    ScreenGeometry geometry;
    geometry.ClientWidth = width();
    geometry.ClientHeight = height();
    geometry.CalendarWidth = Pane->Calendar()->width();
    geometry.ScrollBarWidth = ScrollBar->sizeHint().width();
    return geometry;
}

void CPlanovaView::Redraw()
{
    View->LayoutScreen(Geometry(), logicalDpiX());
    update();
}

void CPlanovaView::WriteFormData()
{
    Pane->SetCalendarDate(View->State.CalendarDate);
    Pane->ShowMoonAgeAt21(View->State.MoonAgeAt21);
    const QSignalBlocker blocker(ScrollBar);
    // The value too, not only the thumb: the wheel and the keys of the bar count from the value.
    ScrollBar->setValue(View->State.ToDoScrollPos);
}

void CPlanovaView::RefreshSky()
{
    // The read-outs only: the calendar is left on whatever month the user is browsing.
    Pane->ShowReadout(sky::ComputeSkyReadout(NowInWholeSeconds()));
    Pane->ShowMoonAgeAt21(View->State.MoonAgeAt21);
}

void CPlanovaView::OnCalendarSelection()
{
    ShowDate(Pane->CalendarDate());
}

void CPlanovaView::ShowDate(const DateTime& date)
{
    View->SelectCalendarDate(date);
    Finish(false);
}

void CPlanovaView::OnScrollAction(int action)
{
    ScrollRequest request;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        request = ScrollRequest::LineUp;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        request = ScrollRequest::LineDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        request = ScrollRequest::PageUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        request = ScrollRequest::PageDown;
        break;
    case QAbstractSlider::SliderToMinimum:
        request = ScrollRequest::Top;
        break;
    case QAbstractSlider::SliderToMaximum:
        request = ScrollRequest::Bottom;
        break;
    case QAbstractSlider::SliderMove:
        // Dragging the thumb changes nothing until it is released (the bar does not track); a move
        // while the thumb is not held comes from the mouse wheel over the bar and scrolls the pane.
        if (ScrollBar->isSliderDown())
            return;
        View->ScrollToDo(ScrollRequest::ThumbPosition, ScrollBar->sliderPosition());
        ScrollBar->setSliderPosition(View->State.ToDoScrollPos);
        Finish(false);
        return;
    default:
        return;
    }
    View->ScrollToDo(request);
    // The bar applies the action after this signal; the view's position is what it must show.
    ScrollBar->setSliderPosition(View->State.ToDoScrollPos);
    Finish(false);
}

void CPlanovaView::OnScrollReleased()
{
    View->ScrollToDo(ScrollRequest::ThumbPosition, ScrollBar->sliderPosition());
    Finish(false);
}

void CPlanovaView::PlaceScrollBar(const ScreenDrawResult& drawn)
{
    // A hidden ToDo pane takes its scroll bar with it.
    if (!drawn.ToDoPaneShown || !drawn.ToDoPane.ScrollBarShown) {
        if (ScrollBar->isVisible())
            ScrollBar->hide();
        return;
    }
    const Rect& area = drawn.ToDoPane.ScrollBar;
    const QSignalBlocker blocker(ScrollBar);
    ScrollBar->setRange(0, drawn.ToDoPane.ScrollRange);
    ScrollBar->setPageStep(std::max(1, View->State.ToDoRowCount));
    ScrollBar->setValue(View->State.ToDoScrollPos);
    const QRect geometry(area.Left, area.Top, area.Width(), area.Height());
    if (ScrollBar->geometry() != geometry)
        ScrollBar->setGeometry(geometry);
    if (!ScrollBar->isVisible())
        ScrollBar->show();
}

void CPlanovaView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PaneScroller->setGeometry(0, 0, ScreenOrigin::PlannerLeft, height());
}

void CPlanovaView::paintEvent(QPaintEvent*)
{
    ++Paints;
    QPainter painter(this);
    QtCanvas canvas(painter, ToRgb(palette().color(QPalette::Window)));
    const ScreenDrawResult drawn = View->LayoutScreen(Geometry(), canvas.DpiX());
    const std::optional<Rect> mark =
        PaintScreen(canvas, std::as_const(View->Document()), View->State, View->Print, drawn, Now());
    FindMark = mark ? std::optional<QRect>(
                          QRect(QPoint(mark->Left, mark->Top), QPoint(mark->Right - 1, mark->Bottom - 1)))
                    : std::nullopt;
    PlaceScrollBar(drawn);
    Pane->SetIcons({drawn.Icons.begin(), drawn.Icons.end()});
}

} // namespace planova
