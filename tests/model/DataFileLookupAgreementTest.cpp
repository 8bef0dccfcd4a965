// The one-pass reader must give exactly what the plain lookups give, on every input: written
// documents, documents with odd texts, and texts mutated by edits that break the usual layout.

#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/DataFileArchive.h"
#include "support/Cp932Literals.h"
#include "support/DataFileExamples.h"
#include "support/DataFileReference.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace planova;
using namespace planova::test;

namespace {

/// Pieces that make texts interesting to both readers.
const std::vector<std::string>& Pieces()
{
    // clang-format off
    static const std::vector<std::string> pieces = {
        "<Yotei>", "</Yotei>", "<YoteiSet>", "</YoteiSet>", "<No>", "</No>", "<Iro>", "</Iro>", "<Memo>", "</Memo>",
        "<DayData>", "</DayData>", "<Task>", "</Task>", "<Kennmei>", "</Kennmei>", "<Date>", "</Date>", "<ToDo>",
        "<Setting>", "<Set>", "</Set>", "<datasuu>", "</datasuu>", "<\x7F/Yotei>", "<\x7F\x7FMemo>", "<", ">", "/",
        "\x7F", "\r\n", "3", "12", "-", "20140230", Sj("予定"), Sj("①"), "a", "<Foo>", "</>", "<>",
    };
    // clang-format on
    return pieces;
}

class Mutator
{
public:
    explicit Mutator(unsigned seed) : Random(seed) {}

    std::size_t Below(std::size_t n)
    {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(Random);
    }

    std::string Piece() { return Pieces()[Below(Pieces().size())]; }

    std::string Text()
    {
        std::string text;
        for (std::size_t n = Below(4); n > 0; --n)
            text += Piece();
        return text;
    }

    /// One edit somewhere in the text: insert a piece, delete, duplicate, move or zero a range (as a
    /// crash leaves a block), change a byte.
    void Mutate(std::string& text)
    {
        const std::size_t at = Below(text.size() + 1);
        const std::size_t length = std::min<std::size_t>(Below(200), text.size() - at);
        switch (Below(6)) {
        case 0:
            text.insert(at, Piece());
            break;
        case 1:
            text.erase(at, length);
            break;
        case 2:
            text.insert(Below(text.size() + 1), text.substr(at, length));
            break;
        case 3: {
            const std::string range = text.substr(at, length);
            text.erase(at, length);
            text.insert(Below(text.size() + 1), range);
            break;
        }
        case 4:
            text.replace(at, length, length, '\0');
            break;
        default:
            if (at < text.size())
                text[at] = static_cast<char>(Below(256));
            break;
        }
    }

private:
    std::mt19937 Random;
};

/// A small document whose texts hold tag pieces, written by the writer.
std::string RandomDocumentText(Mutator& random)
{
    CPlanovaDoc document;
    for (std::size_t d = random.Below(5); d > 0; --d) {
        document.UpdateDay(DateTime::FromDate(2014, 1, 1).AddDays(static_cast<int>(random.Below(400))),
                           [&](CDayData& day) {
                               day.SetJitei(random.Text());
                               day.SetGyouji(random.Text());
                               for (int row = 0; row < CDayData::RowCount; ++row) {
                                   day.SetJigenn(row, random.Text());
                                   day.SetYotei(row, random.Text());
                                   day.SetNaiyou(row, random.Text());
                                   day.SetIro(row, static_cast<int>(random.Below(8)));
                               }
                               day.SetMemo(random.Text());
                           });
    }
    for (std::size_t i = random.Below(6); i > 0; --i) {
        CToDo item;
        item.SetKennmei(random.Text());
        item.SetMemo(random.Text());
        document.AppendToDo(item);
    }
    document.Shiyousya = random.Text();
    document.Jikannwari[random.Below(36)] = random.Text();
    document.Class[random.Below(10)] = random.Text();
    document.Offset[random.Below(10)] = static_cast<int>(random.Below(40)) - 20;
    return ReadArchiveString(WriteDataFile(document));
}

/// Both readers fail, or both give the same document.
void ExpectAgreement(const std::string& text)
{
    std::optional<CPlanovaDoc> fast;
    std::optional<CPlanovaDoc> lookup;
    try {
        fast = ReadDataText(text);
    } catch (const DataFileError&) {
    }
    try {
        lookup = ReadDataTextByLookup(text);
    } catch (const DataFileError&) {
    }
    ASSERT_EQ(fast.has_value(), lookup.has_value()) << text;
    if (fast) {
        ASSERT_EQ(DocumentDifference(*lookup, *fast), "") << text;
    }
}

} // namespace

TEST(DataFileLookupAgreementTest, WrittenAndMutatedDocumentsReadTheSame)
{
    FixedNowScope clock(DateTime::FromDate(2014, 1, 1));
    Mutator random(20140101);
    for (int round = 0; round < 1500; ++round) {
        SCOPED_TRACE(round);
        std::string text = RandomDocumentText(random);
        ExpectAgreement(text);
        for (std::size_t edits = 1 + random.Below(4); edits > 0; --edits)
            random.Mutate(text);
        ExpectAgreement(text);
        if (HasFatalFailure())
            return;
    }
}

TEST(DataFileLookupAgreementTest, MutatedExampleFilesReadTheSame)
{
    FixedNowScope clock(DateTime::FromDate(2014, 1, 1));
    Mutator random(7);
    for (const char* name : {"example-2014.dat", "every-field.dat"}) {
        const std::string original = ReadArchiveString(TestDataFile(name));
        for (int round = 0; round < 500; ++round) {
            SCOPED_TRACE(std::string(name) + " round " + std::to_string(round));
            std::string text = original;
            for (std::size_t edits = 1 + random.Below(3); edits > 0; --edits)
                random.Mutate(text);
            ExpectAgreement(text);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST(DataFileLookupAgreementTest, OverlappingTasksAndUnusualDays)
{
    FixedNowScope clock(DateTime::FromDate(2014, 1, 1));
    const std::string cases[] = {
        // Tasks without their own closing tag share the next one.
        "<ToDo><datasuu>4</datasuu><Task><Kennmei>a</Kennmei><Task><Memo>m</Memo><Task></Task>"
        "<Kennmei>late</Kennmei></Task></ToDo>",
        // Fields in another order, a field twice, a row given twice, an unknown element.
        "<YoteiData><datasuu>1</datasuu><DayData><Jitei>j</Jitei><Date>20140102</Date><Jitei>second</Jitei>"
        "<YoteiSet><Yotei>y</Yotei><No>3</No></YoteiSet><YoteiSet><No>3</No><Iro>5</Iro></YoteiSet><Foo>x</"
        "Foo>"
        "<Memo>m</Memo></DayData></YoteiData>",
        // An empty day value: its closing tag is looked for one byte later, so it spans to the next day.
        "<YoteiData><datasuu>2</datasuu><DayData></DayData><DayData><Memo>b</Memo></DayData></YoteiData>",
        // A tag of another reader's bare text inside a value.
        "<YoteiData><datasuu>1</datasuu><DayData><Date>20140101</Date><Jitei>a<Yotei>b</Jitei></DayData></"
        "YoteiData>",
    };
    for (const std::string& text : cases)
        ExpectAgreement(text);
}
