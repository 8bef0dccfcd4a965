#include "model/DataFileDayReader.h"

#include "model/DataFile.h"
#include "model/DataFileTags.h"
#include "model/DataFileValues.h"
#include "model/TextFunctions.h"

#include <cstring>
#include <optional>

namespace planova {
namespace {

namespace Tags = DataFileTags;

int RowNumber(std::string_view value)
{
    const int row = ReadNumberValue(value, ValueForm::Number);
    if (row < 0 || row >= CDayData::RowCount)
        throw DataFileError("予定の行番号 (No) " + std::to_string(row) + " が 0〜9 の範囲にありません。");
    return row;
}

/// A value as found between its tags; Decode is set when it holds a "<" that may hide a protected tag.
struct FoundValue
{
    std::string_view Bytes;
    bool Decode = false;

    std::string Text() const { return Decode ? ReadTextValue(Bytes) : std::string(Bytes); }
};

/// The opening and closing tag of one element name, built once.
struct TagPair
{
    explicit TagPair(std::string_view name) : Open(OpeningTag(name)), Close(ClosingTag(name)) {}
    std::string Open;
    std::string Close;
};

/// The tags of the day layout.
struct DayTags
{
    TagPair Date{Tags::Date}, Jitei{Tags::Jitei}, Gyouji{Tags::Gyouji}, Row{Tags::Row}, No{Tags::No},
        Jigenn{Tags::Jigenn}, Yotei{Tags::Yotei}, Naiyou{Tags::Naiyou}, Iro{Tags::Iro}, Memo{Tags::Memo};
};

const DayTags& LayoutTags()
{
    static const DayTags tags;
    return tags;
}

/**
 * Walks the tags of a day value in order and checks them against the usual layout. When every tag
 * is the expected one and no other tag is present, each literal lookup would find exactly these
 * tags, so the values between them are the lookup results.
 */
class UsualLayoutScanner
{
public:
    explicit UsualLayoutScanner(std::string_view text) : Text(text) {}

    /// The next tag must be this one.
    bool Expect(const std::string& tag)
    {
        bool ignored = false;
        return NextTagIs(tag, ignored) != std::string_view::npos;
    }

    /// The value up to the next tag, which must be this closing tag.
    std::optional<FoundValue> ValueThenClose(const std::string& closingTag)
    {
        const std::size_t valueStart = Position;
        bool sawLessThan = false;
        const std::size_t tag = NextTagIs(closingTag, sawLessThan);
        if (tag == std::string_view::npos)
            return std::nullopt;
        return FoundValue{Text.substr(valueStart, tag - valueStart), sawLessThan};
    }

    /// No tag follows.
    bool AtEnd()
    {
        for (std::size_t at = Position; (at = Text.find('<', at)) != std::string_view::npos; ++at) {
            if (TagLengthAt(Text, at) != 0)
                return false;
        }
        return true;
    }

private:
    /// Moves past the next tag if it is the expected one and returns where it started; npos when
    /// another tag or none comes first. Notes any "<" passed that starts no tag.
    std::size_t NextTagIs(const std::string& expected, bool& sawLessThan)
    {
        std::size_t at = Position;
        while (at < Text.size()) {
            const void* found = std::memchr(Text.data() + at, '<', Text.size() - at);
            if (found == nullptr)
                return std::string_view::npos;
            at = static_cast<const char*>(found) - Text.data();
            if (Text.size() - at >= expected.size() &&
                std::memcmp(Text.data() + at, expected.data(), expected.size()) == 0) {
                Position = at + expected.size();
                return at;
            }
            if (TagLengthAt(Text, at) != 0)
                return std::string_view::npos;
            sawLessThan = true;
            ++at;
        }
        return std::string_view::npos;
    }

    std::string_view Text;
    std::size_t Position = 0;
};

/// A field of the usual layout: opening tag, value, closing tag.
std::optional<FoundValue> Field(UsualLayoutScanner& scanner, const TagPair& tags)
{
    if (!scanner.Expect(tags.Open))
        return std::nullopt;
    return scanner.ValueThenClose(tags.Close);
}

/// The day read in one pass, or nullopt when the day is not in the usual layout (or its row numbers
/// are out of range, which the literal lookups then report).
std::optional<CDayData> ReadUsualLayout(std::string_view dayText, const CDayData& blank)
{
    const DayTags& tags = LayoutTags();
    UsualLayoutScanner scanner(dayText);
    const auto date = Field(scanner, tags.Date);
    const auto jitei = date ? Field(scanner, tags.Jitei) : std::nullopt;
    const auto gyouji = jitei ? Field(scanner, tags.Gyouji) : std::nullopt;
    if (!gyouji)
        return std::nullopt;
    std::optional<CDayData> day(blank);
    day->SetDate(ReadDateValue(date->Bytes));
    day->SetJitei(jitei->Text());
    day->SetGyouji(gyouji->Text());
    for (int j = 0; j < CDayData::RowCount; ++j) {
        if (!scanner.Expect(tags.Row.Open))
            return std::nullopt;
        const auto no = Field(scanner, tags.No);
        const auto jigenn = no ? Field(scanner, tags.Jigenn) : std::nullopt;
        const auto yotei = jigenn ? Field(scanner, tags.Yotei) : std::nullopt;
        const auto naiyou = yotei ? Field(scanner, tags.Naiyou) : std::nullopt;
        const auto iro = naiyou ? Field(scanner, tags.Iro) : std::nullopt;
        if (!iro || !scanner.Expect(tags.Row.Close))
            return std::nullopt;
        const int row = ReadNumberValue(no->Bytes, ValueForm::Number);
        if (row < 0 || row >= CDayData::RowCount)
            return std::nullopt;
        day->SetJigenn(row, jigenn->Text());
        day->SetYotei(row, yotei->Text());
        day->SetNaiyou(row, naiyou->Text());
        day->SetIro(row, ReadNumberValue(iro->Bytes, ValueForm::Number));
    }
    const auto memo = Field(scanner, tags.Memo);
    if (!memo || !scanner.AtEnd())
        return std::nullopt;
    day->SetMemo(memo->Text());
    return day;
}

std::string TextOf(std::string_view source, std::string_view name)
{
    return ReadTextValue(FindElement(source, name));
}

} // namespace

CDayData ReadDayTextByLookup(std::string_view dayText, const CDayData& blank)
{
    CDayData day = blank;
    day.SetDate(ReadDateValue(FindElement(dayText, Tags::Date)));
    day.SetJitei(TextOf(dayText, Tags::Jitei));
    day.SetGyouji(TextOf(dayText, Tags::Gyouji));
    for (int j = 0; j < CDayData::RowCount; ++j) {
        const std::string_view rowText = FindElement(dayText, Tags::Row, static_cast<std::size_t>(j));
        const int row = RowNumber(FindElement(rowText, Tags::No));
        day.SetJigenn(row, TextOf(rowText, Tags::Jigenn));
        day.SetYotei(row, TextOf(rowText, Tags::Yotei));
        day.SetNaiyou(row, TextOf(rowText, Tags::Naiyou));
        // SetIro stores a colour outside 0–7 as 0.
        day.SetIro(row, ReadNumberValue(FindElement(rowText, Tags::Iro), ValueForm::Number));
    }
    day.SetMemo(TextOf(dayText, Tags::Memo));
    return day;
}

CDayData ReadDayText(std::string_view dayText, const CDayData& blank)
{
    if (std::optional<CDayData> day = ReadUsualLayout(dayText, blank))
        return std::move(*day);
    return ReadDayTextByLookup(dayText, blank);
}

} // namespace planova
