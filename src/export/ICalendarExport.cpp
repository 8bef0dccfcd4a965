#include "export/ICalendarExport.h"

#include "export/ICalendarValues.h"
#include "export/ICalendarFields.h"
#include "model/FixedTexts.h"
#include "model/InvalidArgument.h"

#include <libical/ical.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace planova {
namespace {

constexpr int TokyoOffsetSeconds = 9 * 3600;

/**
 * A model text as the UTF-8 of an iCalendar TEXT value. CR LF and a lone CR become LF, the line
 * break iCalendar writes as "\n"; other control characters (but the tab) have no place in it.
 */
std::string CalendarText(std::string_view cp932, const FieldName& where)
{
    const std::string utf8 = ExportUtf8(cp932, where);
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c == '\r') {
            text += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
        } else if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "U+%04X", c);
            throw ExportError(where.Text() + "に、iCalendar に書き出せない制御文字 (" + std::string(code) +
                              ") があります。");
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

icaltimetype CalendarDateTime(const DateTime& date, int hour, int minute = 0, int second = 0)
{
    icaltimetype time = ICalendarDate(date);
    time.is_date = 0;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return time;
}

icaltimetype UtcStamp(const DateTime& stampUtc)
{
    if (!stampUtc.IsValid())
        throw InvalidArgument("the time stamp of an iCalendar export must be a valid date-time");
    icaltimetype time = CalendarDateTime(stampUtc, stampUtc.Hour(), stampUtc.Minute(), stampUtc.Second());
    time.zone = icaltimezone_get_utc_timezone();
    return time;
}

/// A local time of the export's time zone: the value with a TZID parameter.
icalproperty* WithTimeZone(icalproperty* property)
{
    icalproperty_add_parameter(property, icalparameter_new_tzid(ICalendarTimeZone));
    return property;
}

/// Japan keeps +9 hours all year; one STANDARD rule says so to any reader.
ICalendarComponent TokyoTimeZone()
{
    ICalendarComponent zone(icalcomponent_new_vtimezone());
    icalcomponent_add_property(zone.get(), icalproperty_new_tzid(ICalendarTimeZone));
    icalcomponent* standard = icalcomponent_new_xstandard();
    icalcomponent_add_property(standard,
                               icalproperty_new_dtstart(CalendarDateTime(DateTime::FromDate(1970, 1, 1), 0)));
    icalcomponent_add_property(standard, icalproperty_new_tzoffsetfrom(TokyoOffsetSeconds));
    icalcomponent_add_property(standard, icalproperty_new_tzoffsetto(TokyoOffsetSeconds));
    icalcomponent_add_property(standard, icalproperty_new_tzname("JST"));
    icalcomponent_add_component(zone.get(), standard);
    return zone;
}

/// Builds the calendar entry by entry; UIDs that would repeat are numbered.
class CalendarBuilder
{
public:
    explicit CalendarBuilder(const DateTime& stampUtc) : Stamp(UtcStamp(stampUtc)) {}

    void AddDay(const CDayData& day)
    {
        const DateTime& date = day.GetDate();
        if (const std::optional<std::string> title = AllDayTitle(day)) {
            ICalendarComponent event = Entry(icalcomponent_new_vevent(), date, "day", *title);
            icaltimetype end = ICalendarDate(date);
            icaltime_adjust(&end, 1, 0, 0, 0);
            icalcomponent_add_property(event.get(), icalproperty_new_dtstart(ICalendarDate(date)));
            icalcomponent_add_property(event.get(), icalproperty_new_dtend(end));
            AddText(event.get(), icalproperty_new_categories, day.GetJitei(), FieldName::OfDay(date, "時程"));
            AddText(event.get(), icalproperty_new_description, day.GetMemo(), FieldName::OfDay(date, "メモ"));
            Entries.push_back(std::move(event));
        }
        for (int row = 0; row < CDayData::RowCount; ++row) {
            const std::optional<int> hour = ClockHourOfLabel(day.GetJigenn(row));
            if (!hour || day.GetYotei(row).empty())
                continue;
            const std::string plan = CalendarText(day.GetYotei(row), FieldName::OfRow(date, row, "予定"));
            ICalendarComponent event =
                Entry(icalcomponent_new_vevent(), date, "row" + std::to_string(row), plan);
            icaltimetype start = CalendarDateTime(date, *hour);
            icaltimetype end = start;
            icaltime_adjust(&end, 0, 1, 0, 0);
            icalcomponent_add_property(event.get(), WithTimeZone(icalproperty_new_dtstart(start)));
            icalcomponent_add_property(event.get(), WithTimeZone(icalproperty_new_dtend(end)));
            AddText(event.get(), icalproperty_new_description, day.GetNaiyou(row),
                    FieldName::OfRow(date, row, "内容"));
            Entries.push_back(std::move(event));
        }
    }

    void AddToDo(const CToDo& item, std::size_t index)
    {
        const DateTime& deadline = item.GetKigenn();
        const std::string subject = CalendarText(item.GetKennmei(), FieldName::OfToDo(index, "件名"));
        ICalendarComponent todo = Entry(icalcomponent_new_vtodo(), deadline, "todo", subject);
        if (deadline.IsValid())
            icalcomponent_add_property(todo.get(), icalproperty_new_due(ICalendarDate(deadline)));
        if (const int priority = ICalendarPriority(item.GetJyuuyoudo()); priority != 0)
            icalcomponent_add_property(todo.get(), icalproperty_new_priority(priority));
        AddText(todo.get(), icalproperty_new_categories, item.GetJyuuyoudo(),
                FieldName::OfToDo(index, "重要度"));
        AddText(todo.get(), icalproperty_new_description, item.GetMemo(), FieldName::OfToDo(index, "メモ"));
        Entries.push_back(std::move(todo));
    }

    /// One calendar holding every entry.
    std::string Text() &&
    {
        ICalendarComponent calendar = EmptyCalendar();
        for (ICalendarComponent& entry : Entries)
            icalcomponent_add_component(calendar.get(), entry.release());
        return ComponentText(calendar.get());
    }

    /// A calendar of its own for each entry, marked with the fingerprint of its content.
    std::vector<CalendarEntry> Separate() &&
    {
        std::vector<CalendarEntry> separate;
        separate.reserve(Entries.size());
        for (ICalendarComponent& entry : Entries) {
            const std::string uid = icalcomponent_get_uid(entry.get());
            const std::string fingerprint = UnstampedFingerprint(entry.get());
            icalproperty* mark = icalproperty_new_x(fingerprint.c_str());
            icalproperty_set_x_name(mark, PublishedContentProperty);
            icalcomponent_add_property(entry.get(), mark);
            ICalendarComponent calendar = EmptyCalendar();
            icalcomponent_add_component(calendar.get(), entry.release());
            separate.push_back({uid, fingerprint, ComponentText(calendar.get())});
        }
        return separate;
    }

private:
    /// The title of the day's all-day entry: its event, or the kind of a day off without one.
    static std::optional<std::string> AllDayTitle(const CDayData& day)
    {
        const DateTime& date = day.GetDate();
        if (!day.GetGyouji().empty())
            return CalendarText(day.GetGyouji(), FieldName::OfDay(date, "行事"));
        const std::string& kind = day.GetJitei();
        if (kind == planova::Text(FixedText::Holiday) ||
            kind == planova::Text(FixedText::SubstituteSchoolDay))
            return CalendarText(kind, FieldName::OfDay(date, "時程"));
        return std::nullopt;
    }

    /// The component with its UID, DTSTAMP and SUMMARY.
    ICalendarComponent Entry(icalcomponent* component, const DateTime& date, const std::string& part,
                             const std::string& summary)
    {
        ICalendarComponent entry(component);
        const std::string base = ICalendarUid(date, part, summary);
        const int repeat = ++UidRepeats[base];
        icalcomponent_add_property(entry.get(),
                                   icalproperty_new_uid(ICalendarUid(date, part, summary, repeat).c_str()));
        icalcomponent_add_property(entry.get(), icalproperty_new_dtstamp(Stamp));
        icalcomponent_add_property(entry.get(), icalproperty_new_summary(summary.c_str()));
        return entry;
    }

    /// A text property, left out when the model text is empty.
    static void AddText(icalcomponent* component, icalproperty* (*make)(const char*),
                        const std::string& cp932, const FieldName& where)
    {
        if (!cp932.empty())
            icalcomponent_add_property(component, make(CalendarText(cp932, where).c_str()));
    }

    static ICalendarComponent EmptyCalendar()
    {
        ICalendarComponent calendar(icalcomponent_new_vcalendar());
        icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(ICalendarProductId));
        icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
        icalcomponent_add_component(calendar.get(), TokyoTimeZone().release());
        return calendar;
    }

    static std::string ComponentText(icalcomponent* component)
    {
        char* text = icalcomponent_as_ical_string_r(component);
        std::string result(text);
        std::free(text);
        return result;
    }

    /// The fingerprint of an entry's text without its DTSTAMP, the one part that changes every time.
    static std::string UnstampedFingerprint(icalcomponent* entry)
    {
        ICalendarComponent unstamped(icalcomponent_new_clone(entry));
        icalproperty* stamp = icalcomponent_get_first_property(unstamped.get(), ICAL_DTSTAMP_PROPERTY);
        icalcomponent_remove_property(unstamped.get(), stamp);
        icalproperty_free(stamp);
        return TextFingerprint(ComponentText(unstamped.get()));
    }

    icaltimetype Stamp;
    std::vector<ICalendarComponent> Entries;
    std::map<std::string, int> UidRepeats;
};

CalendarBuilder BuildCalendar(const CPlanovaDoc& document, const ExportRange& range, const DateTime& stampUtc,
                              const ExportProgress& progress)
{
    const std::vector<const CDayData*> days = StoredDaysInRange(document, range);
    const std::vector<CToDo>& todos = document.ToDoList();
    const std::size_t total = days.size() + todos.size();
    CalendarBuilder builder(stampUtc);
    std::size_t done = 0;
    for (const CDayData* day : days) {
        builder.AddDay(*day);
        ReportProgress(progress, ++done, total);
    }
    for (std::size_t index = 0; index < todos.size(); ++index) {
        builder.AddToDo(todos[index], index);
        ReportProgress(progress, ++done, total);
    }
    return builder;
}

} // namespace

std::string ICalendarText(const CPlanovaDoc& document, const ExportRange& range, const DateTime& stampUtc,
                          const ExportProgress& progress)
{
    return BuildCalendar(document, range, stampUtc, progress).Text();
}

std::vector<CalendarEntry> ICalendarEntries(const CPlanovaDoc& document, const ExportRange& range,
                                            const DateTime& stampUtc)
{
    return BuildCalendar(document, range, stampUtc, {}).Separate();
}

} // namespace planova
