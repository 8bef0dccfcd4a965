#include "model/DataFile.h"
#include "model/DataFileArchive.h"
#include "model/DataFileDamage.h"

#include "model/Clock.h"
#include "model/TextFunctions.h"
#include "support/DataFileExamples.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <random>
#include <sstream>

using namespace planova;
using namespace planova::test;

namespace {

constexpr std::size_t Block = 4096;

/// A byte range [Begin, End) of the file.
struct Range
{
    std::size_t Begin = 0;
    std::size_t End = 0;
    bool Overlaps(const Range& other) const { return Begin < other.End && other.Begin < End; }
};

/// Every element of the name in the bytes, from its opening tag to the end of its closing tag.
std::vector<Range> Elements(const std::string& bytes, const std::string& name)
{
    std::vector<Range> found;
    const std::string open = "<" + name + ">";
    const std::string close = "</" + name + ">";
    for (std::size_t at = bytes.find(open); at != std::string::npos; at = bytes.find(open, at + 1)) {
        const std::size_t end = bytes.find(close, at);
        found.push_back({at, end + close.size()});
    }
    return found;
}

/// The school year of the view tests (days from 1 April 2024 to 31 March 2025, ToDo items) as it is
/// written.
class DataFileDamageTest : public ::testing::Test
{
protected:
    FixedNowScope Clock{DateTime::FromDate(2024, 4, 1)};
    const CPlanovaDoc Original = SchoolYearDocument(2024);
    const std::size_t DayCount = Original.DayList().size();
    const std::string Announced = std::to_string(DayCount) + " 日のうち ";
    const std::string Bytes = WriteDataFile(Original);
    const std::vector<Range> Days = Elements(Bytes, "DayData");
    const Range ToDoPart = Elements(Bytes, "ToDo").front();
    const Range SettingPart = Elements(Bytes, "Setting").front();

    /// The days of the original file that the damaged range touches.
    std::size_t DaysTouched(const Range& damaged) const
    {
        std::size_t touched = 0;
        for (const Range& day : Days)
            touched += day.Overlaps(damaged) ? 1 : 0;
        return touched;
    }

    /// Whether the range hits a count (datasuu) or the length prefix: what the reader cannot do without.
    bool HitsCountOrPrefix(const Range& damaged) const
    {
        if (damaged.Begin < 7)
            return true;
        for (const Range& count : Elements(Bytes, "datasuu"))
            if (count.Overlaps(damaged))
                return true;
        return false;
    }

    /// The original days the read document holds unchanged and not reported as partly read.
    std::size_t DaysKept(const CPlanovaDoc& read, const DataFileDamage& damage) const
    {
        std::size_t kept = 0;
        for (const CDayData& day : Original.DayList()) {
            const bool reported = std::any_of(damage.DaysPartlyRead.begin(), damage.DaysPartlyRead.end(),
                                              [&](const DateTime& date) { return date == day.GetDate(); });
            const auto& list = read.DayList();
            const bool same = std::find(list.begin(), list.end(), day) != list.end();
            kept += same && !reported ? 1 : 0;
        }
        return kept;
    }
};

struct Damaged
{
    std::optional<CPlanovaDoc> Document;
    DataFileDamage Damage;
    std::string Refusal;
};

Damaged Read(const std::string& bytes)
{
    Damaged result;
    try {
        result.Document.emplace(ReadDataFile(bytes, nullptr, &result.Damage));
    } catch (const DataFileError& error) {
        result.Refusal = error.what();
    }
    return result;
}

std::string Zeroed(std::string bytes, const Range& range)
{
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(range.Begin),
              bytes.begin() + static_cast<std::ptrdiff_t>(range.End), '\0');
    return bytes;
}

} // namespace

TEST_F(DataFileDamageTest, TheFixtureYearIsWhole)
{
    ASSERT_GT(DayCount, 250u);
    ASSERT_GT(Original.ToDoList().size(), 3u);
    ASSERT_GT(Bytes.size(), 40 * Block); // the twenty blocks below lie apart
    const Damaged read = Read(Bytes);
    ASSERT_TRUE(read.Document);
    EXPECT_FALSE(read.Damage.Any()) << DamageMessage(read.Damage);
}

TEST_F(DataFileDamageTest, AZeroedBlockIsRefusedOrReportedWithWhatItCost)
{
    // Twenty 4 KB blocks spread over the file, the first and the last (partial) one included, and
    // the file's last 4 KB. Every original day is either read back unchanged, reported lost or
    // reported partly read; the days the block touches are lost, or one of them is read partly
    // (its head and the tail of a later day, the zeros between them dropped).
    const std::size_t blocks = (Bytes.size() + Block - 1) / Block;
    std::vector<Range> damages;
    for (std::size_t i = 0; i < 20; ++i) {
        const std::size_t block = i * (blocks - 1) / 19;
        damages.push_back({block * Block, std::min(Bytes.size(), (block + 1) * Block)});
    }
    damages.push_back({Bytes.size() - Block, Bytes.size()});

    for (const Range& damaged : damages) {
        SCOPED_TRACE("zeroed " + std::to_string(damaged.Begin) + "-" + std::to_string(damaged.End));
        const Damaged read = Read(Zeroed(Bytes, damaged));
        if (!read.Document) {
            EXPECT_TRUE(HitsCountOrPrefix(damaged)) << read.Refusal;
            continue;
        }
        const DataFileDamage& damage = read.Damage;
        const std::size_t touched = DaysTouched(damaged);
        EXPECT_EQ(damage.UnreadableBytes, damaged.End - damaged.Begin);
        EXPECT_EQ(damage.Days.Announced, DayCount);
        EXPECT_EQ(DaysKept(*read.Document, damage) + damage.Days.Lost() + damage.DaysPartlyRead.size(),
                  DayCount);
        const std::size_t reported = damage.Days.Lost() + damage.DaysPartlyRead.size();
        // One more when the block ends inside a day's closing tag: the next day joins the cut one.
        EXPECT_TRUE(reported == touched || reported == touched + 1) << reported << " of " << touched;
        EXPECT_EQ(damage.ToDo.Damaged() || damage.ToDoPartlyRead, damaged.Overlaps(ToDoPart));
        EXPECT_EQ(damage.Settings != SettingsReading::Whole, damaged.Overlaps(SettingPart));
        const std::string message = DamageMessage(damage);
        EXPECT_EQ(message.rfind("このファイルは一部が壊れています。", 0), 0u) << message;
        if (damage.Days.Lost() > 0) {
            EXPECT_NE(message.find(Announced + std::to_string(damage.Days.Lost()) + " 日"), std::string::npos)
                << message;
        }
    }
}

TEST_F(DataFileDamageTest, OtherDamageIsRefusedOrReported)
{
    // A block of random bytes without NUL in the middle of the days: the days it touches are lost but
    // one, whose head is joined to a later day's tail.
    const Range middle{Bytes.size() / 3, Bytes.size() / 3 + Block};
    std::string random = Bytes;
    std::mt19937 generator(30);
    for (std::size_t i = middle.Begin; i < middle.End; ++i)
        random[i] = static_cast<char>(1 + generator() % 255);
    const Damaged randomRead = Read(random);
    ASSERT_TRUE(randomRead.Document) << randomRead.Refusal;
    const std::size_t touched = DaysTouched(middle);
    const std::size_t lost = randomRead.Damage.Days.Lost();
    EXPECT_TRUE(lost == touched || lost + 1 == touched) << lost << " of " << touched;
    EXPECT_GE(DaysKept(*randomRead.Document, randomRead.Damage), DayCount - touched - 1);
    EXPECT_NE(DamageMessage(randomRead.Damage).find(Announced + std::to_string(lost) + " 日"),
              std::string::npos);

    // A file cut short: its length prefix announces more than there is.
    const Damaged truncated = Read(Bytes.substr(0, Bytes.size() - 1000));
    EXPECT_FALSE(truncated.Document);
    EXPECT_NE(truncated.Refusal.find("途中で終わって"), std::string::npos) << truncated.Refusal;

    // One NUL byte inside the memo of a day: the day is read without it and named.
    const std::size_t memo = Bytes.find("<Memo>", Bytes.size() / 2);
    ASSERT_NE(Bytes[memo + 6], '<');
    std::string nul = Bytes;
    nul[memo + 6] = '\0';
    const Damaged nulRead = Read(nul);
    ASSERT_TRUE(nulRead.Document) << nulRead.Refusal;
    std::size_t dayIndex = 0;
    while (Days[dayIndex].End < memo)
        ++dayIndex;
    const DateTime date = Original.DayList()[dayIndex].GetDate();
    EXPECT_EQ(nulRead.Damage.UnreadableBytes, 1u);
    EXPECT_EQ(nulRead.Damage.Days.Lost(), 0u);
    ASSERT_EQ(nulRead.Damage.DaysPartlyRead.size(), 1u);
    EXPECT_EQ(nulRead.Damage.DaysPartlyRead[0], date);
    EXPECT_EQ(nulRead.Damage.Settings, SettingsReading::Whole);
    EXPECT_EQ(DaysKept(*nulRead.Document, nulRead.Damage), DayCount - 1);
    EXPECT_EQ(DamageMessage(nulRead.Damage),
              "このファイルは一部が壊れています。一部しか読めなかった日があります: " + FormatDate(date, 1) +
                  "。読めないデータ (値が 0 のバイト) が 1 バイトありました。");
    // Saved again, the day holds no NUL and the file is whole.
    EXPECT_FALSE(Read(WriteDataFile(*nulRead.Document)).Damage.Any());
}

TEST(DataFileDamageMessageTest, NamesWhatWasLost)
{
    struct Case
    {
        const char* Name;
        DataFileDamage Damage;
        std::string Message;
    };
    DataFileDamage daysAndSettings;
    daysAndSettings.Days = {false, false, 365, 361};
    daysAndSettings.Settings = SettingsReading::Missing;
    DataFileDamage everything = daysAndSettings;
    everything.ToDo = {false, true, 12, 9};
    everything.Settings = SettingsReading::Partly;
    everything.UnreadableBytes = 4096;
    DataFileDamage missingParts;
    missingParts.Days.Missing = true;
    missingParts.ToDo.Missing = true;
    DataFileDamage cutOff;
    cutOff.ToDo = {false, true, 3, 3};
    DataFileDamage manyDays;
    for (int d = 1; d <= 12; ++d)
        manyDays.DaysPartlyRead.push_back(DateTime::FromDate(2024, 5, d));
    manyDays.DaysPartlyRead.push_back(DateTime());
    const Case cases[] = {
        {"whole", {}, ""},
        {"days and settings", daysAndSettings,
         "このファイルは一部が壊れています。365 日のうち 4 日と設定を読み込めませんでした。"},
        {"days, ToDo items, part of the settings and the NUL bytes", everything,
         "このファイルは一部が壊れています。365 日のうち 4 日、ToDo 12 件のうち 3 "
         "件と設定の一部を読み込めません"
         "でした。読めないデータ (値が 0 のバイト) が 4096 バイトありました。"},
        {"parts without their elements", missingParts,
         "このファイルは一部が壊れています。日データと ToDo の項目を読み込めませんでした。"},
        {"a part without its closing tag", cutOff,
         "このファイルは一部が壊れています。ToDo の終わりが欠けています。"},
        // Ten dates are named, the other three counted (one of them without a readable date).
        {"many partly read days", manyDays,
         "このファイルは一部が壊れています。一部しか読めなかった日があります: "
         "2024/05/01、2024/05/02、2024/05/03、"
         "2024/05/04、2024/05/05、2024/05/06、2024/05/07、2024/05/08、2024/05/09、2024/05/10 ほか 3 日。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Damage.Any(), !c.Message.empty());
        EXPECT_EQ(DamageMessage(c.Damage), c.Message);
    }
}

TEST(DataFileWholeTest, UndamagedFilesOpenWithoutAWarning)
{
    // The golden files and the fuzzer's seeds: the whole ones open without a warning, the others
    // (damaged or foreign by design) are refused or reported.
    struct Case
    {
        std::string File;
        bool Refused;
        bool Damaged;
    };
    const std::string seeds = std::string(PLANOVA_TEST_DATA_DIR) + "/../fuzz/seeds/";
    const Case cases[] = {
        {std::string(PLANOVA_TEST_DATA_DIR) + "/example-2014.dat", false, false},
        {std::string(PLANOVA_TEST_DATA_DIR) + "/every-field.dat", false, false},
        {seeds + "empty-text.dat", false, false},
        // A fragment holding only the user's name: no days, no ToDo part, most settings missing.
        {seeds + "utf16-emoji.dat", false, true},
        {seeds + "days-count-inflated.dat", true, false},
        {seeds + "zeroed-block.dat", false, true},
        {seeds + "days-count-fullwidth.dat", true, false},
        {seeds + "days-count-zero.dat", true, false},
        {seeds + "first-byte-flipped.dat", true, false},
        {seeds + "not-a-planner.dat", true, false},
        {seeds + "tasks-beyond-count.dat", true, false},
        {seeds + "tasks-overlapping.dat", true, false},
        {seeds + "trailing-bytes.dat", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.File);
        std::ifstream in(c.File, std::ios::binary);
        ASSERT_TRUE(in);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const Damaged read = Read(bytes.str());
        EXPECT_EQ(!read.Document, c.Refused) << read.Refusal;
        EXPECT_EQ(read.Damage.Any(), c.Damaged) << DamageMessage(read.Damage);
    }
}
