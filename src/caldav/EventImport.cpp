#include "caldav/EventImport.h"

#include "caldav/CalDavError.h"
#include "export/ICalendarValues.h"
#include "model/Cp932Codec.h"

#include <libical/ical.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <set>
#include <string_view>
#include <tuple>

namespace planova {
namespace {

using namespace std::chrono;

constexpr long long JapanOffsetSeconds = 9 * 3600;
constexpr long long SecondsPerDay = 86400;
constexpr std::string_view LineBreak = "\r\n";

/// An event with what orders it inside its day: all-day events first, then by the minute it starts.
struct Placed
{
    CalendarEvent Event;
    int Minute = -1; ///< -1 for an all-day event

    auto Key() const { return std::make_tuple(Event.Date.DayNumber(), Minute, Event.Text); }
};

DateTime DayOfSeconds(long long seconds)
{
    return DateTime::FromSysDays(floor<days>(sys_seconds(std::chrono::seconds(seconds))));
}

/// Collects the instances of one event that fall into the range.
class EventCollector
{
public:
    EventCollector(const ExportRange& range, std::vector<Placed>& events) : Range(range), Events(events) {}

    void Collect(icalcomponent* event)
    {
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
            return;
        const char* summary = icalcomponent_get_summary(event);
        if (summary == nullptr ||
            std::string_view(summary).find_first_not_of(" \t\r\n") == std::string_view::npos)
            return;
        Summary = summary;
        const icaltimetype start = icalcomponent_get_dtstart(event);
        if (icaltime_is_null_time(start))
            return;
        AllDay = start.is_date != 0;
        // A time with a zone (or in UTC) is a moment, shown in Japan time; a floating time is the
        // wall-clock time as written.
        Shift = !AllDay && (icaltime_is_utc(start) || start.zone != nullptr) ? JapanOffsetSeconds : 0;
        const icaltimetype first =
            Range.First.IsValid() ? ICalendarDate(Range.First) : ICalendarDate(Earliest);
        icaltimetype last = ICalendarDate(Range.Last.IsValid() ? Range.Last : Latest);
        icaltime_adjust(&last, 1, 0, 0, 0);
        icalcomponent_foreach_recurrence(event, first, last, &EventCollector::Instance, this);
    }

private:
    static void Instance(icalcomponent*, icaltime_span* span, void* data)
    {
        static_cast<EventCollector*>(data)->Add(*span);
    }

    void Add(const icaltime_span& span)
    {
        if (AllDay) {
            const long long days = std::max<long long>(1, (span.end - span.start) / SecondsPerDay);
            for (long long day = 0; day < days; ++day)
                Place(DayOfSeconds(span.start + day * SecondsPerDay), -1, Summary);
            return;
        }
        const long long local = span.start + Shift;
        const int minute = static_cast<int>((local % SecondsPerDay + SecondsPerDay) % SecondsPerDay / 60);
        char time[8];
        std::snprintf(time, sizeof time, "%02d:%02d ", minute / 60, minute % 60);
        Place(DayOfSeconds(local), minute, time + Summary);
    }

    void Place(const DateTime& date, int minute, const std::string& text)
    {
        if (Range.Contains(date) && date.IsValid())
            Events.push_back({{date, text}, minute});
    }

    static inline const DateTime Earliest = DateTime::FromDate(1900, 1, 1);
    static inline const DateTime Latest = DateTime::FromDate(2199, 12, 31);

    const ExportRange& Range;
    std::vector<Placed>& Events;
    std::string Summary;
    bool AllDay = false;
    long long Shift = 0;
};

/// The lines of a day's event text.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find(LineBreak);
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + LineBreak.size());
    }
    return lines;
}

/// The one line an event text takes: a line break in a summary becomes a space.
std::string OneLine(const std::string& text)
{
    std::string line = text;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

} // namespace

std::vector<CalendarEvent> CalendarEvents(const std::vector<std::string>& calendars, const ExportRange& range,
                                          const std::string& source)
{
    std::vector<Placed> placed;
    EventCollector collector(range, placed);
    for (const std::string& text : calendars) {
        const ICalendarComponent calendar(icalparser_parse_string(text.c_str()));
        if (!calendar || (icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT &&
                          icalcomponent_isa(calendar.get()) != ICAL_VEVENT_COMPONENT))
            throw CalDavError(source + ": iCalendar の予定として読めませんでした。");
        if (icalcomponent_isa(calendar.get()) == ICAL_VEVENT_COMPONENT) {
            collector.Collect(calendar.get());
            continue;
        }
        for (icalcomponent* event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
             event; event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT))
            collector.Collect(event);
    }
    std::sort(placed.begin(), placed.end(),
              [](const Placed& a, const Placed& b) { return a.Key() < b.Key(); });
    placed.erase(std::unique(placed.begin(), placed.end(),
                             [](const Placed& a, const Placed& b) { return a.Key() == b.Key(); }),
                 placed.end());
    std::vector<CalendarEvent> events;
    events.reserve(placed.size());
    for (Placed& event : placed)
        events.push_back(std::move(event.Event));
    return events;
}

EventImportPlan PlanEventImport(const CPlanovaDoc& document, const std::vector<CalendarEvent>& events)
{
    EventImportPlan plan;
    for (const CalendarEvent& event : events) {
        if (plan.Changes.empty() || plan.Changes.back().Date != event.Date) {
            const std::string stored = document.Day(event.Date).GetGyouji();
            plan.Changes.push_back({event.Date, stored, stored, {}});
        }
        EventTextChange& change = plan.Changes.back();
        const std::string cp932 = Utf8ToCp932(OneLine(event.Text));
        const std::vector<std::string_view> lines = Lines(change.After);
        if (std::find(lines.begin(), lines.end(), cp932) != lines.end())
            continue;
        if (!change.After.empty())
            change.After += LineBreak;
        change.After += cp932;
        change.AddedLines.push_back(Cp932ToUtf8(cp932));
    }
    std::erase_if(plan.Changes, [](const EventTextChange& change) { return change.AddedLines.empty(); });
    return plan;
}

void ApplyEventImport(CPlanovaDoc& document, const EventImportPlan& plan)
{
    for (const EventTextChange& change : plan.Changes)
        document.UpdateDay(change.Date, [&](CDayData& day) { day.SetGyouji(change.After); });
}

} // namespace planova
