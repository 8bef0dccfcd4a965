#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"
#include "model/FindHit.h"
#include "view/Canvas.h"
#include "view/ViewClipboard.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace planova {

/// A left press that hit a planner cell: the cell, the first date of the grid it was made on, and when.
struct CellPress
{
    int Cell = -1;
    DateTime GridStart;
    std::int64_t Time = 0; ///< milliseconds, on the clock of the input events
};

/// The view's mode, shown dates, selection and the layout of its last redraw.
struct ViewState
{
    int DspType = 0;         ///< 0 day, 1 week, 2 month
    int StartWeekday = 0;    ///< first weekday of the week and month views, 0 Sunday … 6 Saturday
    bool ToDoView = false;   ///< the ToDo pane is shown beside the planner
    DateTime CalendarDate;   ///< the date of the month calendar
    DateTime CurrentDate;    ///< the day of the day view, a day inside the shown week or month
    DateTime FirstShownDate; ///< first date of the shown grid, written by the layout step of a redraw
    std::vector<Rect> CellRects;
    int CellCount = 0; ///< 13 (day), 91 (week), 42 (month)
    int SelectedCell = -1;
    std::vector<Rect> ToDoRowRects;
    int ToDoRowCount = 0;     ///< ToDo pane rows that fit, header included
    int ToDoVisibleRows = 0;  ///< ToDo pane rows in use, header included
    int SelectedToDoRow = -1; ///< 0 is the header row
    int ToDoCount = 0;        ///< copied from the document at every redraw
    int ToDoScrollTop = 0;    ///< index of the first ToDo item shown
    int ToDoScrollPos = 0;    ///< position of the ToDo scroll bar
    double MoonAgeAt21 = 0.0; ///< moon age at 21:00 of CurrentDate
    int ToDoSort = 0;         ///< 0 importance, 1 deadline
    bool JUwagaki = false;    ///< inserting the timetable overwrites the plans
    /// The last two left presses on cells, oldest first: a double-click opens the day its first click chose.
    std::array<CellPress, 2> RecentCellPresses{};
    ClipboardRecord Clipboard; ///< the view's own clipboard
    /// The system clipboard holds text that this view did not put there (kept by the window).
    bool OutsideClipboardText = false;
    CopyOptions Copy;       ///< the copy options; not saved
    int FindDialogMode = 0; ///< 0 no find dialog open from this view, 1 find, 2 replace
    FindHitState FindHit;   ///< the last hit of this view's find dialog, marked in yellow
};

/// The view's working copies of the print settings (what the print options dialog edits).
struct ViewPrintState : PrintSettings
{
    bool Keisannsuru = false;
    bool ToDoGyouji = false;
    bool ToDoKigenn = false;
    bool ToDoHanni = false;
    bool Biorhythm = false; ///< set: no biorhythm is shown or printed
    std::string Shiyousya;
    std::array<int, CPlanovaDoc::FontPointCount> PrintFontSizes{};
    DateTime PrintStartDate;
    DateTime PrintEndDate;
    /// The class-hour count in use (printed pages count with these names): the document's names and
    /// offsets, or those last entered in the dialog "時数計算", and the counts of its last run.
    std::array<std::string, CPlanovaDoc::ClassCount> ClassNames;
    std::array<int, CPlanovaDoc::ClassCount> ClassOffsets{};
    std::array<int, CPlanovaDoc::ClassCount> ClassCounts{};
};

/// The print settings of the document, as the view copies them when it starts.
ViewPrintState CopyPrintSettings(const CPlanovaDoc& document);

/**
 * The reverse for the options a user saves: every print setting the document stores (the print
 * group, the class-hour and ToDo-table flags, the font-size table). The dates, the display flag
 * Biorhythm and the user name are not print options and stay as they are.
 */
void StorePrintSettings(const ViewPrintState& print, CPlanovaDoc& document);

} // namespace planova
