#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"
#include "print/CalendarGrid.h"
#include "print/PrintedPage.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace planova {

/// The first printed day of the table: the page's date (its day) moved back to the week's start weekday.
DateTime ToDoTableFirstDay(const DateTime& pageDate, int startWeekday);

/**
 * The two lists below the calendar: items whose deadline is before the first printed day
 * ("期限が切れたToDoを印刷する") and items whose deadline is after the last one
 * ("指定期間以降のToDoを印刷する"), each in deadline order (items due on the same day in list order). A list
 * that is not asked for is empty. Items without a valid deadline are in neither list.
 */
struct ToDoTableLists
{
    bool OverdueShown = false;
    bool LaterShown = false;
    std::vector<const CToDo*> Overdue;
    std::vector<const CToDo*> Later;

    /// Lines the lists ask for below the calendar: a title line and one line per item of the longer list.
    int LinesWanted() const;
};

ToDoTableLists ToDoTableListsOf(const CPlanovaDoc& document, const DateTime& firstDay, bool overdue,
                                bool later);

/// The items whose deadline falls on the day, in list order.
std::vector<const CToDo*> ToDoItemsDueOn(const CPlanovaDoc& document, const DateTime& day);

/**
 * The calendar's size on the unit grid of a page (its cells are those of SixWeekCell): C units per
 * column and R lines per week row. The lists below it take the lines they ask for, but at most a third
 * of the lines under the header, so the calendar keeps at least two thirds of them; without lists
 * R = trunc((lines − 2) ÷ 6).
 */
struct ToDoTableGrid
{
    CalendarGrid Calendar;
    int ListTop = 0;   ///< the first line below the calendar
    int ListLines = 0; ///< lines kept for the lists from ListTop on
};

ToDoTableGrid ToDoTableGridOf(const PageGeometry& geometry, PageSide side, int listLinesWanted);

/**
 * A text broken into lines no wider than `width` on the canvas's font, between characters (line breaks
 * in the text also break). A character wider than the width gets a line of its own.
 */
std::vector<std::string> BrokenLines(const Canvas& canvas, std::string_view text, int width);

/**
 * The lines of the texts (each text one or more lines) that fit on `lines` lines: all of them, or the
 * texts that fit whole in lines − 1 lines, in order, and "他n件" for the n items left out, the items being
 * the texts from `firstItem` on.
 */
std::vector<std::string> FittedLines(const std::vector<std::vector<std::string>>& texts,
                                     std::size_t firstItem, int lines);

/**
 * Draws a page of the ToDo table: six weeks from the page's date moved back to PStartWeekday, the
 * weekday header, each day's date (and event with "行事を印刷する") and the ToDo items due that day
 * (each broken over as many lines as it needs),
 * the lists below the calendar, and the titles (the first day over the left page, the last day
 * right-aligned over the right page). Returns the bottom of the calendar or of the lists below it.
 */
int DrawToDoTableSide(const PrintedPage& page, PageSide side);

} // namespace planova
