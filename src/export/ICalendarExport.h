#pragma once

#include "export/ExportSource.h"
#include "model/CPlanovaDoc.h"

#include <string>
#include <vector>

namespace planova {

/// The time zone of every timed entry: the program's local time, Japan (+9 hours, no daylight saving).
inline constexpr const char* ICalendarTimeZone = "Asia/Tokyo";

/// The PRODID of every calendar this program writes.
inline constexpr const char* ICalendarProductId = "-//KORVANE//Planova//JA";

/**
 * The property each entry of ICalendarEntries carries: the fingerprint (TextFingerprint) of the
 * entry's own text without its DTSTAMP. It tells a resource this program published from any other,
 * and whether the published text still is what the document gives.
 */
inline constexpr const char* PublishedContentProperty = "X-PLANOVA-CONTENT";

/// One entry of the document as a calendar of its own.
struct CalendarEntry
{
    std::string Uid;
    std::string Fingerprint; ///< the value of its PublishedContentProperty
    std::string Text;        ///< the whole iCalendar text
};

/**
 * The iCalendar text (RFC 5545, UTF-8, CR LF lines, written by libical) of the document: for
 * each stored day of the range an all-day VEVENT when it has an event or is a day off ("休日",
 * "振替休業日"), and a timed one-hour VEVENT for each row with a plan whose label is a clock hour
 * ("08" … "17"); a VTODO for every ToDo item, whatever its deadline. Timed entries are local times
 * of Asia/Tokyo, whose VTIMEZONE the text carries. `stampUtc` is the moment of the export in UTC
 * (every entry's DTSTAMP; InvalidArgument when it is invalid). Throws ExportError for a text that cannot be
 * written (bytes that are not code page 932, control characters) or when the progress asks to stop.
 */
std::string ICalendarText(const CPlanovaDoc& document, const ExportRange& range, const DateTime& stampUtc,
                          const ExportProgress& progress = {});

/**
 * The entries ICalendarText writes, each as a calendar of its own (its VTIMEZONE, one VEVENT or
 * VTODO marked with PublishedContentProperty), in the same order: what a calendar server stores
 * as one resource each. Throws as ICalendarText does.
 */
std::vector<CalendarEntry> ICalendarEntries(const CPlanovaDoc& document, const ExportRange& range,
                                            const DateTime& stampUtc);

} // namespace planova
