#include "export/ExportFile.h"
#include "export/ICalendarExport.h"
#include "support/CalendarTestDays.h"
#include "support/Cp932Literals.h"
#include "support/TempDir.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace planova;
using namespace planova::test;

namespace {

CDayData DayOf(const DateTime& date, const char* event)
{
    CDayData day;
    day.ClearDay(date);
    day.SetGyouji(Sj(event));
    return day;
}

std::vector<std::string> Events(const std::vector<const CDayData*>& days)
{
    std::vector<std::string> events;
    for (const CDayData* day : days)
        events.push_back(Cp932ToUtf8(day->GetGyouji()));
    return events;
}

const DateTime Stamp = DateTime::FromDateTime(2024, 6, 1, 12, 0, 0);

} // namespace

TEST(ExportFileTest, StoredDaysComeInDateOrderOncePerDate)
{
    // A list read from a file keeps the file's order, may hold a date twice and invalid dates; a
    // day out of order is still exported.
    CPlanovaDoc document;
    document.AppendDayUnsorted(DayOf(Date(2024, 5, 2), "second"));
    document.AppendDayUnsorted(DayOf(Date(2024, 5, 1), "first"));
    document.AppendDayUnsorted(DayOf(Date(2023, 2, 29), "invalid"));
    document.AppendDayUnsorted(DayOf(Date(2024, 5, 2), "second again"));
    document.AppendDayUnsorted(DayOf(Date(2024, 5, 3), "third"));

    struct Case
    {
        ExportRange Range;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {{}, {"first", "second", "third"}},
        {{Date(2024, 5, 2), {}}, {"second", "third"}},
        {{{}, Date(2024, 5, 2)}, {"first", "second"}},
        {{Date(2024, 5, 2), Date(2024, 5, 2)}, {"second"}},
        {{Date(2024, 5, 4), Date(2024, 6, 1)}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Events(StoredDaysInRange(document, c.Range)), c.Expected);
}

TEST(ExportFileTest, EachFormatIsWrittenWithTheSafeSave)
{
    const CPlanovaDoc document = SchoolYearDocument(2024);
    TempDir dir;
    for (const ExportFormat format : {ExportFormat::ICalendar, ExportFormat::DayCsv, ExportFormat::ToDoCsv}) {
        const ExportRequest request{format, {Date(2024, 6, 1), Date(2024, 6, 30)}, Stamp};
        const std::string path = dir.File("out");
        const Outcome written = ExportToFile(document, request, path);
        ASSERT_TRUE(written.Ok) << written.Error;
        EXPECT_EQ(ReadBytes(path), ExportText(document, request));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
        << "no temporary file left";
}

TEST(ExportFileTest, ProgressCountsUpAndCanStopTheExport)
{
    const CPlanovaDoc document = SchoolYearDocument(2024);
    const ExportRequest request{ExportFormat::ICalendar, {Date(2024, 4, 1), Date(2024, 4, 30)}, Stamp};
    std::vector<std::pair<std::size_t, std::size_t>> calls;
    ExportText(document, request, [&](std::size_t done, std::size_t total) {
        calls.emplace_back(done, total);
        return true;
    });
    ASSERT_FALSE(calls.empty());
    const std::size_t total = calls.front().second;
    EXPECT_EQ(total, StoredDaysInRange(document, request.Range).size() + document.ToDoList().size());
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i], std::make_pair(i + 1, total));

    // A stop, a text that cannot be written and a failed save leave the previous file as it was.
    TempDir dir;
    const std::string path = dir.File("plan.ics");
    WriteBytes(path, "previous");
    const Outcome stopped =
        ExportToFile(document, request, path, [](std::size_t done, std::size_t) { return done < 5; });
    EXPECT_FALSE(stopped.Ok);
    EXPECT_EQ(stopped.Error, "書き出しを中止しました。");

    CPlanovaDoc broken;
    broken.UpdateDay(Date(2024, 4, 1), [&](CDayData& day) { day.SetGyouji("\x1b[31m"); });
    const Outcome refused = ExportToFile(broken, request, path);
    EXPECT_FALSE(refused.Ok);
    EXPECT_NE(refused.Error.find("2024年4月1日の行事"), std::string::npos) << refused.Error;
    EXPECT_EQ(ReadBytes(path), "previous");

    const Outcome unsaved = ExportToFile(document, request, dir.File("missing/plan.ics"));
    EXPECT_FALSE(unsaved.Ok);
    EXPECT_FALSE(unsaved.Error.empty());
}

TEST(ExportFileTest, SystemClockMomentsAsUtcDateTimes)
{
    using namespace std::chrono;
    struct Case
    {
        sys_seconds Moment;
        DateTime Expected;
    };
    const Case cases[] = {
        {sys_days{1970y / 1 / 1}, DateTime::FromDate(1970, 1, 1)},
        {sys_days{2024y / 2 / 29} + 23h + 59min + 59s, DateTime::FromDateTime(2024, 2, 29, 23, 59, 59)},
        {sys_days{1899y / 12 / 30} - 6h, DateTime::FromDateTime(1899, 12, 29, 18, 0, 0)},
    };
    for (const Case& c : cases) {
        const DateTime value = UtcDateTime(c.Moment);
        EXPECT_TRUE(value.IsIdenticalTo(c.Expected) || value == c.Expected) << c.Expected.DayNumber();
        EXPECT_EQ(value.Second(), c.Expected.Second());
    }
}
