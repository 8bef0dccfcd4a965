#pragma once

#include "print/PrintedPage.h"

namespace planova {

/// Where the parts of a record sheet lie, in units and lines of its page.
struct RecordSheetPlan
{
    int HeaderLines = 2;  ///< the band at the top that holds the date
    int LowerTop = 0;     ///< first line of the next day's memo and the class-hour count (LinesDown: none)
    int CentreUnitsX = 0; ///< the centre line in pixels from the grid's left edge; 0: no centre line
    bool NextDayMemo = false;
    bool ClassHourCount = false;
    int ClassLines = 0; ///< the title line and one line per named class
};

/// The lines of the next day's memo block below the ruled part.
constexpr int NextDayMemoLines = 6;
/// The routine-work picture is stretched to this many units across.
constexpr int RoutineWorkUnits = 20;

/// Plans the record sheet of a day planner page (which parts are printed and where).
RecordSheetPlan PlanRecordSheet(const PrintedPage& page);

/**
 * Draws the record sheet on the right page of the day planner: ruled lines every LH, the centre
 * line, the date, the routine-work picture, the ToDo list, the next day's memo, the class-hour
 * count and the classification marks, as the options say. Returns the bottom of its last line.
 */
int DrawRecordSheet(const PrintedPage& page, PageSide side);

/// Draws a memo sheet: ruled lines, the centre line and the classification marks. Returns its bottom.
int DrawMemoSheet(const PrintedPage& page, PageSide side);

} // namespace planova
