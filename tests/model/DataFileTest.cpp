#include "model/DataFile.h"

#include "model/Clock.h"
#include "model/Cp932Codec.h"
#include "model/DataFileArchive.h"
#include "model/TextFunctions.h"
#include "support/Cp932Literals.h"
#include "support/DataFileExamples.h"
#include "support/DataFileReference.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace planova;
using namespace planova::test;
using namespace std::string_literals;

namespace {

/// Fixes the clock to the creation time of the example document (midnight, so that the new ToDo
/// item's deadline, which the file holds as a date, reads back equal).
class DataFileTest : public ::testing::Test
{
protected:
    FixedNowScope Clock{DateTime::FromDate(2014, 1, 1)};
};

/// A whole file around a text in the short (one-byte or three-byte) form.
std::string FileOf(const std::string& text)
{
    return LengthPrefix(text.size()) + text;
}

/// The example file's text with one piece replaced.
std::string ExampleTextWith(const std::string& from, const std::string& to)
{
    std::string text = ReadArchiveString(TestDataFile("example-2014.dat"));
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

/// A whole file in the UTF-16 form.
std::string Utf16File(const std::u16string& text)
{
    std::string units;
    for (const char16_t unit : text) {
        units += static_cast<char>(unit & 0xFF);
        units += static_cast<char>(unit >> 8);
    }
    return "\xFF\xFE\xFF"s + LengthPrefix(text.size()) + units;
}

} // namespace

TEST_F(DataFileTest, WritesTheExampleFileByteForByte)
{
    EXPECT_EQ(WriteDataFile(ExampleDocument2014()), TestDataFile("example-2014.dat"));
}

TEST_F(DataFileTest, ReadsTheExampleFileBackToAnEqualDocument)
{
    const CPlanovaDoc read = ReadDataFile(TestDataFile("example-2014.dat"));
    EXPECT_EQ(DocumentDifference(ExampleDocument2014(), read), "");
    EXPECT_FALSE(read.IsModified());
}

TEST_F(DataFileTest, WritesTheEveryFieldFileByteForByte)
{
    // A regression file of this writer; PLANOVA_UPDATE_GOLDEN=1 rewrites it after a deliberate change.
    const std::string bytes = WriteDataFile(FullDocument());
    if (std::getenv("PLANOVA_UPDATE_GOLDEN") != nullptr)
        WriteBytes(std::string(PLANOVA_TEST_DATA_DIR) + "/every-field.dat", bytes);
    EXPECT_EQ(bytes, TestDataFile("every-field.dat"));
}

TEST_F(DataFileTest, AFullDocumentRoundTripsExactly)
{
    const CPlanovaDoc full = FullDocument();
    const std::string bytes = WriteDataFile(full);
    const CPlanovaDoc read = ReadDataFile(bytes);
    EXPECT_EQ(DocumentDifference(full, read), "");
    EXPECT_EQ(WriteDataFile(read), bytes);
}

TEST_F(DataFileTest, EmptyDocumentWritesEmptyCountsThatReadAsZero)
{
    CPlanovaDoc empty;
    const std::string text = ReadArchiveString(WriteDataFile(empty));
    EXPECT_EQ(FindElement(FindElement(text, "YoteiData"), "datasuu"), "");
    EXPECT_EQ(FindElement(FindElement(text, "ToDo"), "datasuu"), "");
    EXPECT_NE(text.find("<DspType>0</DspType>"), std::string::npos);
    EXPECT_NE(text.find("<ToDoSort></ToDoSort>"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 12), "\r\n</Planova>");
    const CPlanovaDoc read = ReadDataText(text);
    EXPECT_TRUE(read.DayList().empty());
    EXPECT_EQ(read.ToDoCount(), 0);
}

TEST_F(DataFileTest, MissingSettingsReadAsZeroOffOrEmptyExceptTheBirthday)
{
    SetFixedNow(DateTime::FromDate(2020, 6, 15));
    const CPlanovaDoc read = ReadDataText("<Planova></Planova>");
    EXPECT_FALSE(read.ToDoView);
    EXPECT_FALSE(read.Print.PDayKiroku);
    EXPECT_EQ(read.Print.PFontSize, 0);
    EXPECT_EQ(read.HajimeYear, 0);
    EXPECT_EQ(read.FontPoint[0], 0); // every missing Set reads as No 0, FP 0
    EXPECT_EQ(read.FontPoint[1], 6); // entries never named keep their construction value
    EXPECT_EQ(read.BirthdayYear, 2020);
    EXPECT_EQ(read.BirthdayMonth, 6);
    EXPECT_EQ(read.BirthdayDay, 15);
}

// A start weekday outside 0–6 comes only from a damaged or hand-made file: it is read modulo 7, so
// the views and the printed pages never meet another.
TEST_F(DataFileTest, StartWeekdaysOutsideTheWeekAreReadModuloSeven)
{
    struct Case
    {
        int Stored;
        int Read;
    };
    for (const Case c : {Case{9, 2}, Case{7, 0}, Case{13, 6}, Case{6, 6}, Case{2147483647, 1}}) {
        CPlanovaDoc document;
        document.StartWeekday = c.Stored;
        document.Print.PStartWeekday = c.Stored;
        const CPlanovaDoc read = ReadDataFile(WriteDataFile(document));
        EXPECT_EQ(read.StartWeekday, c.Read) << c.Stored;
        EXPECT_EQ(read.Print.PStartWeekday, c.Read) << c.Stored;
    }
}

TEST_F(DataFileTest, InvalidBirthdayBecomesTheCurrentDate)
{
    SetFixedNow(DateTime::FromDate(2021, 3, 4));
    const CPlanovaDoc read = ReadDataText(ExampleTextWith("<Month>1</Month><Day>1</Day></Birthday>",
                                                          "<Month>2</Month><Day>30</Day></Birthday>"));
    EXPECT_EQ(read.BirthdayYear, 2021);
    EXPECT_EQ(read.BirthdayMonth, 3);
    EXPECT_EQ(read.BirthdayDay, 4);
}

TEST_F(DataFileTest, CountsLargerThanTheElementsBuildRecordsForTheElementsOnly)
{
    // The records a larger count stands for would hold nothing: empty texts and an invalid date.
    std::string text = ExampleTextWith("<YoteiData><datasuu>1</datasuu>", "<YoteiData><datasuu>3</datasuu>");
    text.replace(text.find("<ToDo><datasuu>1"), 16, "<ToDo><datasuu>2");
    const CPlanovaDoc read = ReadDataText(text);
    ASSERT_EQ(read.DayList().size(), 1u);
    EXPECT_TRUE(read.DayList()[0].GetDate().IsValid());
    ASSERT_EQ(read.ToDoCount(), 1);
    EXPECT_EQ(read.ToDoList()[0].GetKennmei(), Sj("件名"));
    EXPECT_EQ(WriteDataFile(read), TestDataFile("example-2014.dat"));
}

TEST_F(DataFileTest, DaysKeepTheFileOrder)
{
    std::string text = ReadArchiveString(TestDataFile("example-2014.dat"));
    const std::size_t begin = text.find("<DayData>");
    const std::size_t end = text.find("</YoteiData>");
    std::string later = text.substr(begin, end - begin);
    later.replace(later.find("20140101"), 8, "20131231");
    text.insert(end, later);
    text.replace(text.find("<datasuu>1</datasuu>"), 20, "<datasuu>2</datasuu>");
    const CPlanovaDoc read = ReadDataText(text);
    ASSERT_EQ(read.DayList().size(), 2u);
    EXPECT_EQ(read.DayList()[1].GetDate(), DateTime::FromDate(2013, 12, 31));
    EXPECT_EQ(WriteDataFile(read), FileOf(text));
}

TEST_F(DataFileTest, NegativeOffsetsAreWrittenWithASignAndReadBack)
{
    CPlanovaDoc document = ExampleDocument2014();
    document.Print.PIdouMigi = -10;
    document.Print.PIdouSita = -3;
    document.Offset[4] = -7;
    const std::string text = ReadArchiveString(WriteDataFile(document));
    EXPECT_NE(text.find("<PIdouMigi>-10</PIdouMigi><PIdouSita>-3</PIdouSita>"), std::string::npos);
    EXPECT_NE(text.find("<Offset>-7</Offset>"), std::string::npos);
    const CPlanovaDoc read = ReadDataText(text);
    EXPECT_EQ(read.Print.PIdouMigi, -10);
    EXPECT_EQ(read.Print.PIdouSita, -3);
    EXPECT_EQ(read.Offset[4], -7);

    // Only these fields read a sign; elsewhere "-" is an ordinary non-digit byte as before.
    const CPlanovaDoc other =
        ReadDataText(ExampleTextWith("<PFontSize>9</PFontSize>", "<PFontSize>-9</PFontSize>"));
    EXPECT_EQ(other.Print.PFontSize, 9);
    const CPlanovaDoc unsigned_ =
        ReadDataText(ExampleTextWith("<PIdouMigi>0</PIdouMigi>", "<PIdouMigi>15</PIdouMigi>"));
    EXPECT_EQ(unsigned_.Print.PIdouMigi, 15);
}

TEST_F(DataFileTest, TextsHoldingTagsAreNotCut)
{
    CPlanovaDoc document = ExampleDocument2014();
    document.UpdateDay(DateTime::FromDate(2014, 1, 1), [&](CDayData& day) {
        day.SetYotei(2, Sj("予定</Yotei>続き"));
        day.SetYotei(3, Sj("行</YoteiSet>続き"));
        day.SetMemo(Sj("<Memo>x</DayData>y"));
    });
    const std::string text = ReadArchiveString(WriteDataFile(document));
    // The plain lookups of another reader find the whole text, with one DEL byte in each tag.
    const std::string_view row2 = FindElement(FindElement(text, "DayData"), "YoteiSet", 2);
    EXPECT_EQ(FindElement(row2, "Yotei"), Sj("予定<\x7F/Yotei>続き"));
    const CPlanovaDoc read = ReadDataText(text);
    EXPECT_EQ(read.DayList()[0].GetYotei(2), Sj("予定</Yotei>続き"));
    EXPECT_EQ(read.DayList()[0].GetYotei(3), Sj("行</YoteiSet>続き"));
    EXPECT_EQ(read.DayList()[0].GetNaiyou(3), "");
    EXPECT_EQ(read.DayList()[0].GetMemo(), Sj("<Memo>x</DayData>y"));
}

TEST_F(DataFileTest, UnprotectedTagsInFilesFromElsewhereCutAsBefore)
{
    // A file whose plan holds a bare closing tag reads cut before it, exactly as the lookups say.
    const CPlanovaDoc cut =
        ReadDataText(ExampleTextWith(Sj("<Yotei>予定</Yotei>"), Sj("<Yotei>予</Yotei>定</Yotei>")));
    EXPECT_EQ(cut.DayList()[0].GetYotei(1), Sj("予"));
    // A bare closing tag of the row ends the row there: its plan, content and colour read empty.
    const CPlanovaDoc row =
        ReadDataText(ExampleTextWith(Sj("<Yotei>予定</Yotei>"), Sj("<Yotei>予</YoteiSet>定</Yotei>")));
    EXPECT_EQ(row.DayList()[0].GetJigenn(1), Sj("①"));
    EXPECT_EQ(row.DayList()[0].GetYotei(1), "");
    EXPECT_EQ(row.DayList()[0].GetIro(1), 0);
}

TEST_F(DataFileTest, LineBreaksInTextsAreKept)
{
    CPlanovaDoc document = ExampleDocument2014();
    document.UpdateDay(DateTime::FromDate(2014, 1, 1),
                       [&](CDayData& day) { day.SetYotei(0, Sj("一行目\r\n二行目")); });
    const std::string bytes = WriteDataFile(document);
    EXPECT_NE(bytes.find(Sj("<Yotei>一行目\r\n二行目</Yotei>")), std::string::npos);
    EXPECT_EQ(ReadDataFile(bytes).DayList()[0].GetYotei(0), Sj("一行目\r\n二行目"));
}

TEST_F(DataFileTest, DamagedAndForeignFilesFailWithOneErrorAndTheReason)
{
    const std::string example = TestDataFile("example-2014.dat");
    const auto firstByte = [&example](char byte) {
        std::string bytes = example;
        bytes[0] = byte;
        return bytes;
    };
    std::string random(4096, '\0');
    std::uint32_t state = 12345;
    for (char& byte : random) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    std::string everyByte;
    for (int i = 0; i < 10240; ++i)
        everyByte += static_cast<char>(i % 256);
    const std::string days = "<YoteiData><datasuu>1</datasuu>";
    const std::string twoDays = ExampleTextWith("</DayData>", "</DayData><DayData>x</DayData>");
    const std::string task = Sj("<Task><Kennmei>件名</Kennmei>");
    // Tasks sharing one closing tag would each copy the one long subject.
    std::string overlapping = "<ToDo><datasuu>1000</datasuu>";
    for (int i = 0; i < 1000; ++i)
        overlapping += "<Task>";
    overlapping += "<Kennmei>" + std::string(20000, 'k') + "</Kennmei></Task></ToDo>";

    struct Case
    {
        const char* Name;
        std::string Bytes;
        const char* Reason = ""; ///< a part of the message, where it matters
    };
    const Case cases[] = {
        {"empty file", ""},
        {"prefix longer than the file", TestDataFile("example-2014.dat").substr(0, 100)},
        {"three-byte prefix cut", "\xFF\x10"},
        {"seven-byte prefix longer than the file", std::string("\xFF\xFF\xFF\x00\x00\x01\x00", 7) + "abc"},
        {"64-bit length", std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + std::string(8, '\0')},
        {"row number 10", FileOf(ExampleTextWith("<No>1</No><Jigenn>", "<No>10</No><Jigenn>"))},
        {"row number huge", FileOf(ExampleTextWith("<No>1</No><Jigenn>", "<No>99999999999999</No><Jigenn>"))},
        {"font size number 24", FileOf(ExampleTextWith("<No>23</No><FP>", "<No>24</No><FP>"))},
        {"timetable number 36", FileOf(ExampleTextWith("<No>35</No><Data>", "<No>36</No><Data>"))},
        {"day count past the file",
         FileOf(ExampleTextWith("<datasuu>1</datasuu>", "<datasuu>2000000000</datasuu>"))},
        {"task count past the file", FileOf(ExampleTextWith("<ToDo><datasuu>1", "<ToDo><datasuu>99999999"))},
        // Damaged and foreign files that opened as an empty planner, or lost days or tasks.
        {"first byte 0x7F", firstByte('\x7F'), "余分なデータ"},
        {"first byte 0xFE", firstByte('\xFE'), "余分なデータ"},
        {"first byte 0x00", firstByte('\x00'), "余分なデータ"},
        {"first byte 0x01", firstByte('\x01'), "余分なデータ"},
        {"first byte 0x3C", firstByte('\x3C'), "余分なデータ"},
        {"zero-filled", std::string(example.size(), '\0'), "余分なデータ"},
        {"4 KB of random bytes", random, "余分なデータ"},
        {"10 KB of bytes 0 to 255", everyByte, "余分なデータ"},
        {"bytes after the text", example + "\r\n", "余分なデータが 2 バイト"},
        {"bytes after a UTF-16 text", Utf16File(u"<Planova></Planova>") + "x", "余分なデータ"},
        {"a text of another program", FileOf("Hello, world! <b>bold</b>"), "データファイルではありません"},
        {"an opening tag alone", FileOf("<Planova> and nothing else"), "データファイルではありません"},
        {"more days than announced", FileOf(twoDays), "DayData"},
        {"days with a count of 0", FileOf(ExampleTextWith(days, "<YoteiData><datasuu>0</datasuu>")),
         "DayData"},
        {"days with an empty count", FileOf(ExampleTextWith(days, "<YoteiData><datasuu></datasuu>")),
         "DayData"},
        {"days without a count", FileOf(ExampleTextWith(days, "<YoteiData>")), "DayData"},
        {"days with a count of full-width 2",
         FileOf(ExampleTextWith(days, Sj("<YoteiData><datasuu>２</datasuu>"))), "DayData"},
        {"tasks with a count of 0", FileOf(ExampleTextWith("<ToDo><datasuu>1", "<ToDo><datasuu>0")), "Task"},
        {"more tasks than announced", FileOf(ExampleTextWith(task, task.substr(0, 6) + "</Task>" + task)),
         "Task"},
        {"overlapping tasks", FileOf(overlapping), "重なり合って"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            ReadDataFile(c.Bytes);
            ADD_FAILURE() << "no error";
        } catch (const DataFileError& error) {
            EXPECT_GT(std::string(error.what()).size(), 10u);
            EXPECT_NE(std::string(error.what()).find(c.Reason), std::string::npos) << error.what();
            EXPECT_EQ(OpenFailureMessage(error.what()).rfind("ファイルを開けませんでした。\n", 0), 0u);
        }
    }

    // An empty text with nothing after it is an empty document.
    const CPlanovaDoc empty = ReadDataFile(std::string(1, '\0'));
    EXPECT_TRUE(empty.DayList().empty());
    EXPECT_EQ(empty.ToDoCount(), 0);
}

TEST_F(DataFileTest, LengthPrefixInAllThreeSizes)
{
    struct Case
    {
        std::size_t Length;
        std::string Prefix;
    };
    const Case cases[] = {
        {0, std::string(1, '\0')},
        {254, "\xFE"},
        {255, "\xFF\xFF\x00"s},
        {0xFFFD, "\xFF\xFD\xFF"},
        {0xFFFE, "\xFF\xFF\xFF\xFE\xFF\x00\x00"s},
        {0x123456, "\xFF\xFF\xFF\x56\x34\x12\x00"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Length);
        EXPECT_EQ(LengthPrefix(c.Length), c.Prefix);
        const std::string text(c.Length, 'x');
        EXPECT_EQ(ReadArchiveString(c.Prefix + text), text);
    }
}

TEST_F(DataFileTest, ALargeDocumentUsesTheLongPrefixAndRoundTrips)
{
    CPlanovaDoc document = ExampleDocument2014();
    for (int d = 2; d <= 80; ++d) {
        document.UpdateDay(DateTime::FromDate(2014, 1, d % 31 + 1).AddDays(d / 31 * 31),
                           [&](CDayData& day) { day.SetMemo(std::string(1000, 'm')); });
    }
    const std::string bytes = WriteDataFile(document);
    ASSERT_GT(bytes.size(), 0xFFFEu);
    EXPECT_EQ(bytes.substr(0, 3), "\xFF\xFF\xFF");
    EXPECT_EQ(WriteDataFile(ReadDataFile(bytes)), bytes);
}

TEST_F(DataFileTest, Utf16FormIsReadAsCodePage932)
{
    const auto utf16 = Utf16File;
    EXPECT_EQ(ReadArchiveString(utf16(u"<Memo>予定①</Memo>")), Sj("<Memo>予定①</Memo>"));
    std::string expected;
    for (int i = 0; i < 300; ++i)
        expected += Sj("あ");
    EXPECT_EQ(ReadArchiveString(utf16(std::u16string(300, u'あ'))), expected);
    EXPECT_EQ(
        ReadDataFile(
            utf16(u"<Planova><Setting><Property><Shiyousya>山田</Shiyousya></Property></Setting></Planova>"))
            .Shiyousya,
        Sj("山田"));

    // A broken surrogate pair is refused.
    EXPECT_THROW(ReadArchiveString(utf16(std::u16string(1, char16_t(0xD800)) + u"a")), DataFileError);
    EXPECT_THROW(ReadArchiveString(utf16(u"予定").substr(0, 6)), DataFileError);
}

// Texts beyond code page 932, and the text that looks like their escape.
struct LosslessText
{
    const char* Utf8;
    const char16_t* Utf16;
};

const LosslessText LosslessTexts[] = {
    {"𠮷田", u"𠮷田"},                     // beyond the BMP: a surrogate pair in UTF-16
    {"髙橋", u"髙橋"},                     // the code page's own 髙
    {"髙\U000E0100橋", u"髙\U000E0100橋"}, // 髙 with a variation selector the code page lacks
    {"文化祭🎉", u"文化祭🎉"},               // emoji
    {"か\u0301", u"か\u0301"},             // combining mark
    {"&#x20BB7;", u"&#x20BB7;"},           // the escape of 𠮷 typed literally
    {"A&B", u"A&B"},                       // a plain "&"
    {"国語 ①", u"国語 ①"},                 // plain Japanese
};

TEST_F(DataFileTest, Utf16CharactersBeyondCodePage932AreKeptThroughSaveAndReopen)
{
    for (const auto& [utf8, name] : LosslessTexts) {
        SCOPED_TRACE(utf8);
        std::string warning = "old";
        const CPlanovaDoc read = ReadDataFile(Utf16File(u"<Planova><Setting><Property><Shiyousya>"s + name +
                                                        u"</Shiyousya></Property></Setting></Planova>"),
                                              &warning);
        EXPECT_EQ(Cp932ToUtf8(read.Shiyousya), utf8);
        EXPECT_FALSE(read.IsModified());
        EXPECT_EQ(warning, "");

        // The saved file is code page 932 throughout, ...
        const std::string saved = WriteDataFile(read);
        const std::string text = ReadArchiveString(saved);
        EXPECT_NO_THROW(Cp932ToUtf8(text));
        // ... the lookup rules of the format read the escape as plain text, ...
        EXPECT_EQ(ReadDataTextByLookup(text).Shiyousya, read.Shiyousya);
        // ... and reopening gives the text back.
        EXPECT_EQ(Cp932ToUtf8(ReadDataFile(saved).Shiyousya), utf8);
    }
    const std::string emoji = WriteDataFile(ReadDataFile(
        Utf16File(u"<Planova><Setting><Property><Shiyousya>🎉</Shiyousya></Property></Setting></Planova>")));
    EXPECT_NE(emoji.find("<Shiyousya>&#x1F389;</Shiyousya>"), std::string::npos);
}
