#pragma once

#include "caldav/CalDavClient.h"
#include "export/ExportSource.h"
#include "export/ICalendarExport.h"

#include <string>
#include <vector>

namespace planova {

/// What a publish did on the server.
struct PublishCounts
{
    int Created = 0;
    int Updated = 0;
    int Deleted = 0;
    int Unchanged = 0;

    /// "新規 3 件、更新 1 件、削除 0 件、変更なし 250 件"
    std::string Summary() const;
};

/**
 * Makes the collection hold the entries (ICalendarEntries of the range), one resource each named
 * by its UID: an entry the collection lacks is created, one whose published fingerprint differs
 * is replaced, one that is the same is left alone (so a second publish writes nothing). A resource
 * this program published (marked with PublishedContentProperty, a UID of this program) that no
 * entry has any more is deleted when it lies in the range: a day entry whose date is inside it,
 * and every ToDo item, as the ToDo list is published whole. Resources of other programs are never
 * touched. Replacing and deleting name the ETag the listing gave, so a resource changed meanwhile
 * elsewhere is not overwritten: the server answers 412 and CalDavError says so. The first failure
 * stops the publish; its message tells what had been written by then.
 */
PublishCounts PublishEntries(CalDavClient& client, const std::vector<CalendarEntry>& entries,
                             const ExportRange& range);

/**
 * Whether a UID names an entry of the range as ICalendarUid makes them: "20240612-row3-…@planova"
 * when 2024-06-12 lies in the range, any "…-todo-…@planova". Other UIDs are in no range.
 */
bool PublishedUidInRange(const std::string& uid, const ExportRange& range);

} // namespace planova
