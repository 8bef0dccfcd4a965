#include "model/DataFileDayReader.h"

#include "model/DataFile.h"
#include "model/DataFileTags.h"
#include "model/DataFileValues.h"
#include "model/TextFunctions.h"

#include <array>
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

/**
 * Walks the tags of a day value in order and checks them against the usual layout. When every tag
 * is the expected one and no other tag is present, each literal lookup would find exactly these
 * tags, so the values between them are the lookup results.
 */
class UsualLayoutScanner
{
public:
    explicit UsualLayoutScanner(std::string_view text) : Text(text) {}

    /// The next tag must be the opening tag of the name.
    bool Open(std::string_view name) { return NextTagIs(name, false); }

    /// The value up to the next tag, which must be the closing tag of the name.
    std::optional<FoundValue> ValueThenClose(std::string_view name)
    {
        const std::size_t valueStart = Position;
        bool sawLessThan = false;
        const std::size_t tag = NextTag(sawLessThan);
        if (!TagIs(tag, name, true))
            return std::nullopt;
        Position = tag + name.size() + 3;
        return FoundValue{Text.substr(valueStart, tag - valueStart), sawLessThan};
    }

    bool Close(std::string_view name) { return NextTagIs(name, true); }

    /// No tag follows.
    bool AtEnd()
    {
        bool ignored = false;
        return NextTag(ignored) == std::string_view::npos;
    }

private:
    bool NextTagIs(std::string_view name, bool closing)
    {
        bool ignored = false;
        const std::size_t tag = NextTag(ignored);
        if (!TagIs(tag, name, closing))
            return false;
        Position = tag + name.size() + (closing ? 3 : 2);
        return true;
    }

    /// Position of the next tag from the current position; notes any "<" passed that starts no tag.
    std::size_t NextTag(bool& sawLessThan) const
    {
        std::size_t at = Position;
        while (at < Text.size()) {
            const void* found = std::memchr(Text.data() + at, '<', Text.size() - at);
            if (found == nullptr)
                return std::string_view::npos;
            at = static_cast<const char*>(found) - Text.data();
            if (TagLengthAt(Text, at) != 0)
                return at;
            sawLessThan = true;
            ++at;
        }
        return std::string_view::npos;
    }

    bool TagIs(std::size_t tag, std::string_view name, bool closing) const
    {
        if (tag == std::string_view::npos)
            return false;
        const std::size_t nameStart = tag + (closing ? 2 : 1);
        const std::size_t length = name.size() + (closing ? 3 : 2);
        return tag + length <= Text.size() && (!closing || Text[tag + 1] == '/') &&
               Text.compare(nameStart, name.size(), name) == 0 && Text[nameStart + name.size()] == '>';
    }

    std::string_view Text;
    std::size_t Position = 0;
};

/// A field of the usual layout: opening tag, value, closing tag.
std::optional<FoundValue> Field(UsualLayoutScanner& scanner, std::string_view name)
{
    if (!scanner.Open(name))
        return std::nullopt;
    return scanner.ValueThenClose(name);
}

/// The day read in one pass, or nullopt when the day is not in the usual layout (or its row numbers
/// are out of range, which the literal lookups then report).
std::optional<CDayData> ReadUsualLayout(std::string_view dayText, const CDayData& blank)
{
    UsualLayoutScanner scanner(dayText);
    const auto date = Field(scanner, Tags::Date);
    const auto jitei = date ? Field(scanner, Tags::Jitei) : std::nullopt;
    const auto gyouji = jitei ? Field(scanner, Tags::Gyouji) : std::nullopt;
    if (!gyouji)
        return std::nullopt;
    CDayData day = blank;
    day.SetDate(ReadDateValue(date->Bytes));
    day.SetJitei(jitei->Text());
    day.SetGyouji(gyouji->Text());
    for (int j = 0; j < CDayData::RowCount; ++j) {
        if (!scanner.Open(Tags::Row))
            return std::nullopt;
        const auto no = Field(scanner, Tags::No);
        const auto jigenn = no ? Field(scanner, Tags::Jigenn) : std::nullopt;
        const auto yotei = jigenn ? Field(scanner, Tags::Yotei) : std::nullopt;
        const auto naiyou = yotei ? Field(scanner, Tags::Naiyou) : std::nullopt;
        const auto iro = naiyou ? Field(scanner, Tags::Iro) : std::nullopt;
        if (!iro || !scanner.Close(Tags::Row))
            return std::nullopt;
        const int row = ReadNumberValue(no->Bytes, ValueForm::Number);
        if (row < 0 || row >= CDayData::RowCount)
            return std::nullopt;
        day.SetJigenn(row, jigenn->Text());
        day.SetYotei(row, yotei->Text());
        day.SetNaiyou(row, naiyou->Text());
        day.SetIro(row, ReadNumberValue(iro->Bytes, ValueForm::Number));
    }
    const auto memo = Field(scanner, Tags::Memo);
    if (!memo || !scanner.AtEnd())
        return std::nullopt;
    day.SetMemo(memo->Text());
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
