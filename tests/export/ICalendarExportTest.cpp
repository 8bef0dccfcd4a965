#include "export/ICalendarExport.h"
#include "export/ICalendarFields.h"
#include "model/FixedTexts.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"
#include "support/ViewSchoolYear.h"

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

using namespace planova;
using namespace planova::test;

namespace {

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Parsed = std::unique_ptr<icalcomponent, ComponentFree>;

const DateTime Stamp = DateTime::FromDateTime(2024, 6, 1, 3, 4, 5);

/// The text read back by libical's parser; the parser found nothing to complain about.
Parsed Parse(const std::string& text)
{
    Parsed calendar(icalparser_parse_string(text.c_str()));
    EXPECT_NE(calendar, nullptr);
    if (calendar) {
        EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0) << text.substr(0, 2000);
    }
    return calendar;
}

std::vector<icalcomponent*> Components(icalcomponent* calendar, icalcomponent_kind kind)
{
    std::vector<icalcomponent*> found;
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, kind); c != nullptr;
         c = icalcomponent_get_next_component(calendar, kind))
        found.push_back(c);
    return found;
}

/// A text property of the component, empty when it has none.
std::string TextOf(icalcomponent* component, icalproperty_kind kind)
{
    icalproperty* property = icalcomponent_get_first_property(component, kind);
    if (property == nullptr)
        return {};
    switch (kind) {
    case ICAL_SUMMARY_PROPERTY:
        return icalproperty_get_summary(property);
    case ICAL_DESCRIPTION_PROPERTY:
        return icalproperty_get_description(property);
    case ICAL_CATEGORIES_PROPERTY:
        return icalproperty_get_categories(property);
    case ICAL_UID_PROPERTY:
        return icalproperty_get_uid(property);
    default:
        ADD_FAILURE() << "not a text property";
        return {};
    }
}

/// The entry of that kind whose summary is the text; fails the test when there is not exactly one.
icalcomponent* EntryWithSummary(icalcomponent* calendar, icalcomponent_kind kind, const std::string& summary)
{
    std::vector<icalcomponent*> found;
    for (icalcomponent* c : Components(calendar, kind)) {
        if (TextOf(c, ICAL_SUMMARY_PROPERTY) == summary)
            found.push_back(c);
    }
    EXPECT_EQ(found.size(), 1u) << summary;
    return found.empty() ? nullptr : found.front();
}

std::vector<std::string> Uids(icalcomponent* calendar)
{
    std::vector<std::string> uids;
    for (icalcomponent_kind kind : {ICAL_VEVENT_COMPONENT, ICAL_VTODO_COMPONENT}) {
        for (icalcomponent* c : Components(calendar, kind))
            uids.push_back(TextOf(c, ICAL_UID_PROPERTY));
    }
    return uids;
}

/// The moment as seconds since 1970 in UTC, through the time zone the calendar gave the value.
long long UtcSeconds(icaltimetype time)
{
    return static_cast<long long>(icaltime_as_timet_with_zone(time, time.zone));
}

long long UtcSeconds(int year, int month, int day, int hour)
{
    icaltimetype time = icaltime_null_time();
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    return static_cast<long long>(icaltime_as_timet_with_zone(time, icaltimezone_get_utc_timezone()));
}

void ExpectDate(icaltimetype time, int year, int month, int day)
{
    EXPECT_TRUE(time.is_date);
    EXPECT_EQ(time.year, year);
    EXPECT_EQ(time.month, month);
    EXPECT_EQ(time.day, day);
}

/// A day of clock-hour rows with plans (row, plan, content); the day's event stays.
void StoreClockHourDay(CPlanovaDoc& document, const DateTime& date,
                       std::initializer_list<std::tuple<int, const char*, const char*>> rows)
{
    document.UpdateDay(date, [&](CDayData& day) {
        day.SetClockHourRows();
        for (const auto& [row, plan, content] : rows) {
            day.SetYotei(row, Sj(plan));
            day.SetNaiyou(row, Sj(content));
        }
    });
}

/// The school year 2024 with a summer day of clock-hour rows (two plans, one row with content only)
/// and a substitute school holiday without an event.
CPlanovaDoc SchoolYearFixture()
{
    CPlanovaDoc document = SchoolYearDocument(2024);
    StoreClockHourDay(document, Date(2024, 8, 5),
                      {{1, "校内研修", "ICT活用の実践報告"}, {6, "部活動", ""}, {8, "", "片付けのみ"}});
    StoreKindAndEvent(document, Date(2024, 6, 17), "振替休業日", "");
    return document;
}

/// The number of stored days with an event or a day-off kind: the all-day entries.
std::size_t DaysWithAllDayEntry(const CPlanovaDoc& document, const DateTime& first, const DateTime& last)
{
    return static_cast<std::size_t>(
        std::count_if(document.DayList().begin(), document.DayList().end(), [&](const CDayData& day) {
            const bool inRange = !day.GetDate().IsEarlierThan(first) && !day.GetDate().IsLaterThan(last);
            const bool dayOff = day.GetJitei() == Sj("休日") || day.GetJitei() == Sj("振替休業日");
            return inRange && (!day.GetGyouji().empty() || dayOff);
        }));
}

/// Whether every UTF-8 sequence of the line is complete (folding never cuts a character).
bool WholeUtf8(std::string_view line)
{
    for (std::size_t i = 0; i < line.size();) {
        const unsigned char lead = static_cast<unsigned char>(line[i]);
        const std::size_t length = lead < 0x80    ? 1
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC0 ? 2
                                                  : 0;
        if (length == 0 || i + length > line.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

TEST(ICalendarExportTest, SchoolYearParsesBackWithTheExpectedEntries)
{
    const CPlanovaDoc document = SchoolYearFixture();
    struct Case
    {
        const char* Name;
        ExportRange Range;
        DateTime First;
        DateTime Last;
        std::size_t TimedEvents;
    };
    const Case cases[] = {
        {"whole document", {}, Date(2024, 4, 1), Date(2025, 3, 31), 2},
        {"June", {Date(2024, 6, 1), Date(2024, 6, 30)}, Date(2024, 6, 1), Date(2024, 6, 30), 0},
        {"from August", {Date(2024, 8, 1), {}}, Date(2024, 8, 1), Date(2025, 3, 31), 2},
        {"up to August 4", {{}, Date(2024, 8, 4)}, Date(2024, 4, 1), Date(2024, 8, 4), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const Parsed calendar = Parse(ICalendarText(document, c.Range, Stamp));
        ASSERT_TRUE(calendar);
        const std::size_t allDay = DaysWithAllDayEntry(document, c.First, c.Last);
        EXPECT_GT(allDay, 0u);
        EXPECT_EQ(Components(calendar.get(), ICAL_VEVENT_COMPONENT).size(), allDay + c.TimedEvents);
        // The ToDo list is taken whole, whatever the range.
        EXPECT_EQ(Components(calendar.get(), ICAL_VTODO_COMPONENT).size(), 10u);
        EXPECT_EQ(Components(calendar.get(), ICAL_VTIMEZONE_COMPONENT).size(), 1u);
        for (icalcomponent* event : Components(calendar.get(), ICAL_VEVENT_COMPONENT)) {
            const icaltimetype start = icalcomponent_get_dtstart(event);
            const DateTime date = Date(start.year, start.month, start.day);
            EXPECT_FALSE(date.IsEarlierThan(c.First) || date.IsLaterThan(c.Last))
                << start.month << "/" << start.day;
        }
    }
}

TEST(ICalendarExportTest, HolidayClockHourRowAndToDoFieldByField)
{
    const CPlanovaDoc document = SchoolYearFixture();
    const Parsed calendar = Parse(ICalendarText(document, {}, Stamp));
    ASSERT_TRUE(calendar);

    icalcomponent* holiday = EntryWithSummary(calendar.get(), ICAL_VEVENT_COMPONENT, "憲法記念日");
    ASSERT_NE(holiday, nullptr);
    ExpectDate(icalcomponent_get_dtstart(holiday), 2024, 5, 3);
    ExpectDate(icalcomponent_get_dtend(holiday), 2024, 5, 4);
    EXPECT_EQ(TextOf(holiday, ICAL_CATEGORIES_PROPERTY), "休日");
    EXPECT_EQ(TextOf(holiday, ICAL_DESCRIPTION_PROPERTY), "");
    EXPECT_EQ(TextOf(holiday, ICAL_UID_PROPERTY).rfind("20240503-day-", 0), 0u);
    const icaltimetype stamp = icalcomponent_get_dtstamp(holiday);
    EXPECT_TRUE(icaltime_is_utc(stamp));
    EXPECT_EQ(UtcSeconds(stamp), UtcSeconds(2024, 6, 1, 3) + 4 * 60 + 5);

    // A day off without an event is titled by its kind.
    icalcomponent* dayOff = EntryWithSummary(calendar.get(), ICAL_VEVENT_COMPONENT, "振替休業日");
    ASSERT_NE(dayOff, nullptr);
    ExpectDate(icalcomponent_get_dtstart(dayOff), 2024, 6, 17);

    // A school day's event carries the kind and the day's memo.
    icalcomponent* drill = EntryWithSummary(calendar.get(), ICAL_VEVENT_COMPONENT, "避難訓練");
    ASSERT_NE(drill, nullptr);
    EXPECT_EQ(TextOf(drill, ICAL_CATEGORIES_PROPERTY), "50分時程");
    EXPECT_EQ(Sj(TextOf(drill, ICAL_DESCRIPTION_PROPERTY).c_str()),
              document.FindStoredDay(Date(2024, 6, 12))->GetMemo());

    // 09:00 to 10:00 in Tokyo is 00:00 to 01:00 UTC, through the calendar's own VTIMEZONE.
    icalcomponent* training = EntryWithSummary(calendar.get(), ICAL_VEVENT_COMPONENT, "校内研修");
    ASSERT_NE(training, nullptr);
    const icaltimetype start = icalcomponent_get_dtstart(training);
    EXPECT_FALSE(start.is_date);
    ASSERT_NE(start.zone, nullptr);
    EXPECT_STREQ(icaltimezone_get_tzid(const_cast<icaltimezone*>(start.zone)), "Asia/Tokyo");
    EXPECT_EQ(start.hour, 9);
    EXPECT_EQ(UtcSeconds(start), UtcSeconds(2024, 8, 5, 0));
    EXPECT_EQ(UtcSeconds(icalcomponent_get_dtend(training)), UtcSeconds(2024, 8, 5, 1));
    EXPECT_EQ(TextOf(training, ICAL_DESCRIPTION_PROPERTY), "ICT活用の実践報告");
    EXPECT_EQ(TextOf(training, ICAL_UID_PROPERTY).rfind("20240805-row1-", 0), 0u);
    icalcomponent* club = EntryWithSummary(calendar.get(), ICAL_VEVENT_COMPONENT, "部活動");
    ASSERT_NE(club, nullptr);
    EXPECT_EQ(icalcomponent_get_dtstart(club).hour, 14);
    EXPECT_EQ(icalcomponent_get_first_property(club, ICAL_DESCRIPTION_PROPERTY), nullptr);

    icalcomponent* todo = EntryWithSummary(calendar.get(), ICAL_VTODO_COMPONENT, "三者面談の資料作り");
    ASSERT_NE(todo, nullptr);
    ExpectDate(icalcomponent_get_due(todo), 2024, 11, 8);
    icalproperty* priority = icalcomponent_get_first_property(todo, ICAL_PRIORITY_PROPERTY);
    ASSERT_NE(priority, nullptr);
    EXPECT_EQ(icalproperty_get_priority(priority), 2);
    EXPECT_EQ(TextOf(todo, ICAL_CATEGORIES_PROPERTY), "A2");
    EXPECT_EQ(TextOf(todo, ICAL_DESCRIPTION_PROPERTY), "進路希望調査を添付");
    EXPECT_EQ(TextOf(todo, ICAL_UID_PROPERTY).rfind("20241108-todo-", 0), 0u);
    // A project item has no priority of its own; its code is kept as the category.
    icalcomponent* project = EntryWithSummary(calendar.get(), ICAL_VTODO_COMPONENT, "研究授業の学習指導案");
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(icalcomponent_get_first_property(project, ICAL_PRIORITY_PROPERTY), nullptr);
    EXPECT_EQ(TextOf(project, ICAL_CATEGORIES_PROPERTY), "PJ");
}

TEST(ICalendarExportTest, UidsAreTheSameInEveryExportOfTheSameEntries)
{
    const std::string first = ICalendarText(SchoolYearFixture(), {}, Stamp);
    const std::string second = ICalendarText(SchoolYearFixture(), {}, Stamp.AddDays(3));
    const Parsed one = Parse(first);
    const Parsed two = Parse(second);
    const std::vector<std::string> uids = Uids(one.get());
    EXPECT_EQ(Uids(two.get()), uids);
    EXPECT_EQ(std::set<std::string>(uids.begin(), uids.end()).size(), uids.size()) << "UIDs repeat";
    EXPECT_NE(first, second) << "the stamps differ";

    // Changing one plan changes the UID of that entry only; changing its content changes none.
    CPlanovaDoc edited = SchoolYearFixture();
    edited.UpdateDay(Date(2024, 8, 5), [&](CDayData& day) {
        day.SetYotei(1, Sj("校内研修（午前）"));
        day.SetNaiyou(6, Sj("大会前の調整"));
    });
    const Parsed three = Parse(ICalendarText(edited, {}, Stamp));
    std::vector<std::string> changed;
    const std::vector<std::string> after = Uids(three.get());
    ASSERT_EQ(after.size(), uids.size());
    for (std::size_t i = 0; i < uids.size(); ++i) {
        if (after[i] != uids[i])
            changed.push_back(uids[i]);
    }
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed.front().rfind("20240805-row1-", 0), 0u);
}

TEST(ICalendarExportTest, RepeatedEntriesGetTheirOwnUids)
{
    CPlanovaDoc document;
    for (int i = 0; i < 3; ++i) {
        CToDo item;
        item.SetKennmei(Sj("週案の提出"));
        item.SetKigenn(2024, 6, 14);
        document.AppendToDo(item);
    }
    const Parsed calendar = Parse(ICalendarText(document, {}, Stamp));
    const std::vector<std::string> uids = Uids(calendar.get());
    ASSERT_EQ(uids.size(), 3u);
    EXPECT_EQ(std::set<std::string>(uids.begin(), uids.end()).size(), 3u);
    EXPECT_EQ(uids[1], uids[0].substr(0, uids[0].find('@')) + "-2@planova");
}

TEST(ICalendarExportTest, TrickyTextsSurviveTheRoundTrip)
{
    std::string longLine;
    for (int i = 0; i < 8; ++i)
        longLine += "修学旅行の班別行動計画書を全員分回収して確認する";
    const struct
    {
        std::string Event, Memo, Plan, Content, Subject, ToDoMemo;
    } texts{
        "始業式, 着任式; 対面式 \\ 「体育館」",
        "一行目,二行目の前\r\n二行目;\n三行目\r四行目\t" + longLine,
        "会議;議題=行事,分担",
        longLine + "\r\n\r\n",
        "提出物, 確認; \"至急\"",
        "\\n はそのまま, 改行は\r\nここ",
    };

    CPlanovaDoc document;
    document.UpdateDay(Date(2024, 7, 1), [&](CDayData& day) {
        day.SetClockHourRows();
        day.SetGyouji(Sj(texts.Event.c_str()));
        day.SetMemo(Sj(texts.Memo.c_str()));
        day.SetYotei(2, Sj(texts.Plan.c_str()));
        day.SetNaiyou(2, Sj(texts.Content.c_str()));
    });
    CToDo item;
    item.SetKennmei(Sj(texts.Subject.c_str()));
    item.SetMemo(Sj(texts.ToDoMemo.c_str()));
    document.AppendToDo(item);

    const std::string text = ICalendarText(document, {}, Stamp);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r') << "lines end with CR LF";
        line.pop_back();
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_TRUE(WholeUtf8(line)) << line;
    }

    // iCalendar has one line break: CR LF and a lone CR come back as LF.
    const auto lf = [](std::string s) {
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                continue;
            out += s[i] == '\r' ? '\n' : s[i];
        }
        return out;
    };
    const Parsed calendar = Parse(text);
    ASSERT_TRUE(calendar);
    icalcomponent* event = EntryWithSummary(calendar.get(), ICAL_VEVENT_COMPONENT, texts.Event);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(TextOf(event, ICAL_DESCRIPTION_PROPERTY), lf(texts.Memo));
    icalcomponent* row = EntryWithSummary(calendar.get(), ICAL_VEVENT_COMPONENT, texts.Plan);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(icalcomponent_get_dtstart(row).hour, 10);
    EXPECT_EQ(TextOf(row, ICAL_DESCRIPTION_PROPERTY), lf(texts.Content));
    icalcomponent* todo = EntryWithSummary(calendar.get(), ICAL_VTODO_COMPONENT, texts.Subject);
    ASSERT_NE(todo, nullptr);
    EXPECT_EQ(TextOf(todo, ICAL_DESCRIPTION_PROPERTY), lf(texts.ToDoMemo));
}

TEST(ICalendarExportTest, OnlyClockHourLabelsGiveTimedEntries)
{
    struct Case
    {
        const char* Label;
        int Hour; ///< -1: no timed entry
    };
    const Case cases[] = {{"08", 8},     {"17", 17},   {"00", 0}, {"23", 23}, {"24", -1}, {"8", -1},
                          {"08:30", -1}, {"０８", -1}, {"①", -1}, {"", -1},   {"a8", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        const std::optional<int> hour = ClockHourOfLabel(Sj(c.Label));
        EXPECT_EQ(hour.value_or(-1), c.Hour);

        CPlanovaDoc document;
        document.UpdateDay(Date(2024, 12, 31), [&](CDayData& day) {
            day.SetJigenn(4, Sj(c.Label));
            day.SetYotei(4, Sj("大晦日の当番"));
        });
        const Parsed calendar = Parse(ICalendarText(document, {}, Stamp));
        const std::vector<icalcomponent*> events = Components(calendar.get(), ICAL_VEVENT_COMPONENT);
        ASSERT_EQ(events.size(), c.Hour < 0 ? 0u : 1u);
        if (c.Hour < 0)
            continue;
        // The hour from 23:00 ends at midnight of the next day.
        EXPECT_EQ(UtcSeconds(icalcomponent_get_dtend(events.front())),
                  UtcSeconds(icalcomponent_get_dtstart(events.front())) + 3600);
    }
}

TEST(ICalendarExportTest, ImportanceCodesMapToPriorities)
{
    const std::pair<const char*, int> cases[] = {{"A1", 1}, {"A2", 2}, {"A3", 3}, {"B1", 5}, {"B2", 5},
                                                 {"B3", 5}, {"C1", 7}, {"C2", 8}, {"C3", 9}, {"R0", 0},
                                                 {"R3", 0}, {"PJ", 0}, {"", 0},   {"a1", 0}, {"A1 ", 0}};
    for (const auto& [code, priority] : cases)
        EXPECT_EQ(ICalendarPriority(code), priority) << code;
}

TEST(ICalendarExportTest, TextsThatCannotBeWrittenAreRefusedNamingTheField)
{
    struct Case
    {
        const char* Name;
        void (*Fill)(CPlanovaDoc&);
        const char* Expected;
    };
    const Case cases[] = {
        {"control character in an event",
         [](CPlanovaDoc& d) {
             d.UpdateDay(Date(2024, 7, 2), [&](CDayData& day) {
                 day.SetGyouji("a\x01"
                               "b");
             });
         },
         "2024年7月2日の行事に、iCalendar に書き出せない制御文字 (U+0001) があります。"},
        {"broken code page 932 in a clock-hour content",
         [](CPlanovaDoc& d) {
             d.UpdateDay(Date(2024, 7, 3), [&](CDayData& day) {
                 day.SetClockHourRows();
                 day.SetYotei(3, "plan");
                 day.SetNaiyou(3, "\x81");
             });
         },
         "2024年7月3日の4行目の内容を書き出せません: "},
        {"delete character in a ToDo subject",
         [](CPlanovaDoc& d) {
             CToDo item;
             item.SetKennmei("x\x7f");
             d.AppendToDo(item);
         },
         "ToDo 1件目の件名に"},
    };
    for (const Case& c : cases) {
        CPlanovaDoc document;
        c.Fill(document);
        try {
            ICalendarText(document, {}, Stamp);
            ADD_FAILURE() << c.Name << ": not refused";
        } catch (const ExportError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(c.Expected, 0), 0u) << c.Name << ": " << error.what();
        }
    }
}
