#pragma once

#include "export/ExportSource.h"
#include "model/CPlanovaDoc.h"

#include <string>
#include <vector>

namespace planova {

/// An event of a calendar on one day, as it goes into the day's event text ("行事").
struct CalendarEvent
{
    DateTime Date;
    std::string Text; ///< UTF-8: the SUMMARY, after "HH:MM " (Japan time) for a timed event
};

/**
 * The events of iCalendar texts (a file, or each resource of a collection) on the days of the
 * range: an all-day event on every day it covers, a timed one on the day it starts, in Japan time
 * (+9 hours) unless its time is floating; recurring events on each day they recur. Cancelled and
 * untitled events are left out. Sorted by date, then all-day events before timed ones by time,
 * then by text; an event two calendars both hold is taken once. Throws CalDavError naming
 * `source` for a text that is not an iCalendar.
 */
std::vector<CalendarEvent> CalendarEvents(const std::vector<std::string>& calendars, const ExportRange& range,
                                          const std::string& source);

/// How one day's event text changes.
struct EventTextChange
{
    DateTime Date;
    std::string Before;                  ///< code page 932, as stored
    std::string After;                   ///< code page 932
    std::vector<std::string> AddedLines; ///< UTF-8 of what is appended, for the preview
};

/// What an import does: the changed days in date order and the characters code page 932 lacks.
struct EventImportPlan
{
    std::vector<EventTextChange> Changes;
};

/**
 * The changes the events make to the days' event texts: an event whose text is not yet a line of
 * the day's text is appended on a line of its own; the text the teacher typed stays as it was. An
 * event already there (imported before, or typed) adds nothing, so importing again changes nothing.
 */
EventImportPlan PlanEventImport(const CPlanovaDoc& document, const std::vector<CalendarEvent>& events);

/// Stores the planned texts.
void ApplyEventImport(CPlanovaDoc& document, const EventImportPlan& plan);

} // namespace planova
