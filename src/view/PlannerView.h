#pragma once

#include "calendar/CalendarDates.h"
#include "model/CPlanovaDoc.h"
#include "view/Canvas.h"
#include "view/ScreenPainter.h"
#include "view/ViewState.h"

namespace planova {

/// Requests of the ToDo scroll bar.
enum class ScrollRequest
{
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    Top,
    Bottom
};

/// What the screen drawing needs to know about the window.
struct ScreenGeometry
{
    int ClientWidth = 0;
    int ClientHeight = 0;
    int CalendarWidth = 0;  ///< width of the month calendar control (spaces the pane's icons)
    int ScrollBarWidth = 0; ///< width of the ToDo scroll bar control
};

/**
 * The planner view without its widget: the view state, the view commands, the month calendar
 * and ToDo scroll bar operations, and the screen drawing onto a Canvas.
 *
 * The document is owned elsewhere and outlives the view. Operations that the planner shows
 * differently afterwards return nothing; the caller redraws every view of the document.
 */
class PlannerView
{
public:
    explicit PlannerView(CPlanovaDoc& document);

    ViewState State;
    ViewPrintState Print;

    CPlanovaDoc& Document() { return Doc; }
    const CPlanovaDoc& Document() const { return Doc; }
    ViewMode Mode() const { return ViewModeOf(State.DspType); }

    /**
     * The first update of a new view: today becomes the shown date, the
     * settings are copied from the document and the document's undo history is reset to ten slots.
     */
    void InitialUpdate(const DateTime& today);

    /// "日表示", "週表示", "月表示": mode, print type and ToDo pane; the selection is cleared.
    void ShowView(ViewMode mode);
    /// "ToDo表示": shows or hides the ToDo pane; the selection is cleared.
    void ToggleToDoView();
    /// "進む" (+1) / "戻る" (−1): one day, week or month from CurrentDate; the cell selection is cleared.
    void Step(int direction);
    /// The month calendar chose a date: it becomes the shown date.
    void SelectCalendarDate(const DateTime& date);
    /// A request of the ToDo scroll bar; thumbPosition is used by ThumbPosition only.
    void ScrollToDo(ScrollRequest request, int thumbPosition = 0);

    /**
     * The layout step of a screen redraw: lays the planner out for the window and stores what
     * input and the next commands use — the cell and ToDo row rectangles, the first shown date
     * and the 21:00 moon age (of CurrentDate), the ToDo scroll position — and places the
     * information pane's icons. Changes the view's state only, never the document.
     */
    ScreenDrawResult LayoutScreen(const ScreenGeometry& geometry, int dpiX);

    /**
     * A whole screen redraw: the layout step and the paint step (PaintScreen), which reads the
     * document through const. `now` colours overdue ToDo items.
     */
    ScreenDrawResult DrawScreen(Canvas& canvas, const ScreenGeometry& geometry, const DateTime& now);

    /// The first date of the grid for CurrentDate: its week or month, starting on StartWeekday.
    DateTime FirstDateOfGrid() const;

private:
    void GoToDate(const DateTime& date);
    ToDoPaneLayout LayOutToDo(const ScreenLayout& layout, const ScreenGeometry& geometry);

    CPlanovaDoc& Doc;
};

} // namespace planova
