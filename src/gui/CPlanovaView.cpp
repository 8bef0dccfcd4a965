#include "gui/CPlanovaView.h"

#include "gui/InfoPane.h"
#include "gui/QtCanvas.h"
#include "model/Clock.h"
#include "sky/SkyReadout.h"
#include "view/PlannerView.h"

#include <QCalendarWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

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

} // namespace

CPlanovaView::CPlanovaView(CPlanovaDoc& document, QWidget* parent) : QWidget(parent), View(std::make_unique<PlannerView>(document))
{
    InitialiseViewResources();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    Pane = new InfoPane(this);
    Pane->move(0, 0);
    ScrollBar = new QScrollBar(Qt::Vertical, this);
    ScrollBar->setObjectName(QStringLiteral("ToDoScrollBar1067"));
    ScrollBar->setTracking(false);
    ScrollBar->hide();

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
    switch (commandId) {
    case ViewCommand::Forward:
    case ViewCommand::Back:
    case ViewCommand::DayView:
    case ViewCommand::WeekView:
    case ViewCommand::MonthView:
    case ViewCommand::ToDoView:
        return true;
    default:
        return false;
    }
}

bool CPlanovaView::IsCommandChecked(int commandId) const
{
    switch (commandId) {
    case ViewCommand::DayView:
        return View->Mode() == ViewMode::Day;
    case ViewCommand::WeekView:
        return View->Mode() == ViewMode::Week;
    case ViewCommand::MonthView:
        return View->Mode() == ViewMode::Month;
    case ViewCommand::ToDoView:
        return View->State.ToDoView;
    default:
        return false;
    }
}

bool CPlanovaView::ExecuteCommand(int commandId)
{
    switch (commandId) {
    case ViewCommand::Forward:
        View->Step(+1);
        WriteFormData();
        break;
    case ViewCommand::Back:
        View->Step(-1);
        WriteFormData();
        break;
    case ViewCommand::DayView:
        View->ShowView(ViewMode::Day);
        break;
    case ViewCommand::WeekView:
        View->ShowView(ViewMode::Week);
        break;
    case ViewCommand::MonthView:
        View->ShowView(ViewMode::Month);
        break;
    case ViewCommand::ToDoView:
        View->ToggleToDoView();
        break;
    default:
        return false;
    }
    Redraw();
    return true;
}

void CPlanovaView::RefreshFromDocument()
{
    ++Refreshes;
    WriteFormData();
    update();
}

void CPlanovaView::Redraw()
{
    update();
}

void CPlanovaView::WriteFormData()
{
    Pane->SetCalendarDate(View->State.CalendarDate);
    Pane->ShowMoonAgeAt21(View->State.MoonAgeAt21);
    const QSignalBlocker blocker(ScrollBar);
    ScrollBar->setSliderPosition(View->State.ToDoScrollPos);
}

void CPlanovaView::RefreshSky()
{
    Pane->ShowReadout(sky::ComputeSkyReadout(NowInWholeSeconds()));
    WriteFormData();
}

void CPlanovaView::OnCalendarSelection()
{
    ShowDate(Pane->CalendarDate());
}

void CPlanovaView::ShowDate(const DateTime& date)
{
    View->SelectCalendarDate(date);
    WriteFormData();
    Redraw();
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
    default:
        return; // dragging the thumb changes nothing until it is released
    }
    View->ScrollToDo(request);
    // The bar applies the action after this signal; the view's position is what it must show.
    ScrollBar->setSliderPosition(View->State.ToDoScrollPos);
    WriteFormData();
    Redraw();
}

void CPlanovaView::OnScrollReleased()
{
    View->ScrollToDo(ScrollRequest::ThumbPosition, ScrollBar->sliderPosition());
    WriteFormData();
    Redraw();
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
    ScrollBar->setSliderPosition(View->State.ToDoScrollPos);
    const QRect geometry(area.Left, area.Top, area.Width(), area.Height());
    if (ScrollBar->geometry() != geometry)
        ScrollBar->setGeometry(geometry);
    if (!ScrollBar->isVisible())
        ScrollBar->show();
}

void CPlanovaView::paintEvent(QPaintEvent*)
{
    ++Paints;
    QPainter painter(this);
    QtCanvas canvas(painter, ToRgb(palette().color(QPalette::Window)));
    ScreenGeometry geometry;
    geometry.ClientWidth = width();
    geometry.ClientHeight = height();
    geometry.CalendarWidth = Pane->Calendar()->width();
    geometry.ScrollBarWidth = ScrollBar->sizeHint().width();
    const ScreenDrawResult drawn = View->DrawScreen(canvas, geometry, Now());
    PlaceScrollBar(drawn);
    Pane->SetIcons({drawn.Icons.begin(), drawn.Icons.end()});
}

} // namespace planova
