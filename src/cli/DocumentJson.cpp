#include "cli/DocumentJson.h"

#include "model/Cp932Codec.h"
#include "model/SettingsTable.h"

#include <cstdio>
#include <functional>
#include <iterator>
#include <limits>
#include <optional>
#include <set>
#include <vector>

namespace planova::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// Keys of the JSON form.
constexpr const char* DaysKey = "days";
constexpr const char* ToDosKey = "todos";
constexpr const char* SettingsKey = "settings";
constexpr const char* DateKey = "date";
constexpr const char* JiteiKey = "jitei";
constexpr const char* GyoujiKey = "gyouji";
constexpr const char* RowsKey = "rows";
constexpr const char* JigennKey = "jigenn";
constexpr const char* YoteiKey = "yotei";
constexpr const char* NaiyouKey = "naiyou";
constexpr const char* IroKey = "iro";
constexpr const char* MemoKey = "memo";
constexpr const char* KennmeiKey = "kennmei";
constexpr const char* KigennKey = "kigenn";
constexpr const char* JyuuyoudoKey = "jyuuyoudo";
constexpr const char* FontPointKey = "FontPoint";
constexpr const char* JikannwariKey = "Jikannwari";
constexpr const char* ClassKey = "Class";
constexpr const char* OffsetKey = "Offset";
constexpr const char* DateParts[] = {"Year", "Month", "Day"};

[[noreturn]] void Fail(const std::string& where, const std::string& problem)
{
    throw DocumentJsonError(where.empty() ? problem : where + ": " + problem);
}

/// A value's JSON text as a message shows it: a long one (a number of 100,000 digits) by its start
/// and its length.
std::string ShownValue(const std::string& text)
{
    constexpr std::size_t Shown = 32;
    if (text.size() <= Shown + 8)
        return text;
    return text.substr(0, Shown) + "… (" + std::to_string(text.size()) + " 文字)";
}

std::string Member(const std::string& where, std::string_view key)
{
    return where.empty() ? std::string(key) : where + "." + std::string(key);
}

std::string Index(const std::string& where, std::size_t i)
{
    return where + "[" + std::to_string(i) + "]";
}

// ---- Document to JSON ---------------------------------------------------------------------------

std::string Utf8(const std::string& cp932, const std::string& where)
{
    try {
        return Cp932ToUtf8(cp932);
    } catch (const EncodingError& error) {
        Fail(where, error.what());
    }
}

} // namespace

ordered_json DateJson(const DateTime& date)
{
    if (!date.IsValid())
        return nullptr;
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year(), date.Month(), date.Day());
    return text;
}

namespace {

ordered_json DayJson(const CDayData& day, const std::string& where)
{
    ordered_json rows = ordered_json::array();
    for (int row = 0; row < CDayData::RowCount; ++row) {
        const std::string at = Index(Member(where, RowsKey), static_cast<std::size_t>(row));
        rows.push_back({{JigennKey, Utf8(day.GetJigenn(row), Member(at, JigennKey))},
                        {YoteiKey, Utf8(day.GetYotei(row), Member(at, YoteiKey))},
                        {NaiyouKey, Utf8(day.GetNaiyou(row), Member(at, NaiyouKey))},
                        {IroKey, day.GetIro(row)}});
    }
    return {{DateKey, DateJson(day.GetDate())},
            {JiteiKey, Utf8(day.GetJitei(), Member(where, JiteiKey))},
            {GyoujiKey, Utf8(day.GetGyouji(), Member(where, GyoujiKey))},
            {RowsKey, std::move(rows)},
            {MemoKey, Utf8(day.GetMemo(), Member(where, MemoKey))}};
}

ordered_json ToDoJson(const CToDo& item, const std::string& where)
{
    return {{KennmeiKey, Utf8(item.GetKennmei(), Member(where, KennmeiKey))},
            {KigennKey, DateJson(item.GetKigenn())},
            {JyuuyoudoKey, Utf8(item.GetJyuuyoudo(), Member(where, JyuuyoudoKey))},
            {MemoKey, Utf8(item.GetMemo(), Member(where, MemoKey))}};
}

ordered_json SettingJson(const CPlanovaDoc& document, const SettingEntry& entry, const std::string& where)
{
    return std::visit(
        [&](auto member) -> ordered_json {
            const auto& value = SettingOf(document, member);
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                return Utf8(value, where);
            else
                return value;
        },
        entry.Member);
}

template <typename Array, typename Convert> ordered_json ArrayJson(const Array& values, Convert convert)
{
    ordered_json array = ordered_json::array();
    for (std::size_t i = 0; i < values.size(); ++i)
        array.push_back(convert(values[i], i));
    return array;
}

ordered_json SettingsJson(const CPlanovaDoc& document)
{
    const std::string where = SettingsKey;
    ordered_json settings = ordered_json::object();
    for (const SettingEntry& entry : Settings()) {
        if (IsDateGroup(entry.Group)) {
            const std::string group(GroupTag(entry.Group));
            settings[group][std::string(entry.Tag)] = SettingJson(document, entry, where);
        } else {
            settings[std::string(entry.Tag)] = SettingJson(document, entry, Member(where, entry.Tag));
        }
    }
    const auto number = [](int value, std::size_t) { return value; };
    const auto text = [&](const std::string& value, std::size_t i, const char* key) {
        return Utf8(value, Index(Member(where, key), i));
    };
    settings[FontPointKey] = ArrayJson(document.FontPoint, number);
    settings[JikannwariKey] = ArrayJson(
        document.Jikannwari, [&](const std::string& v, std::size_t i) { return text(v, i, JikannwariKey); });
    settings[ClassKey] =
        ArrayJson(document.Class, [&](const std::string& v, std::size_t i) { return text(v, i, ClassKey); });
    settings[OffsetKey] = ArrayJson(document.Offset, number);
    return settings;
}

// ---- JSON to document ---------------------------------------------------------------------------

std::string Cp932(const json& value, const std::string& where)
{
    if (!value.is_string())
        Fail(where, "文字列ではありません。");
    // A data file never holds a NUL byte: the reader takes one for damage and drops it.
    if (value.get_ref<const std::string&>().find('\0') != std::string::npos)
        Fail(where, "NUL 文字 (U+0000) はデータファイルに保存できません。");
    try {
        return Utf8ToCp932(value.get_ref<const std::string&>());
    } catch (const EncodingError& error) {
        Fail(where, error.what());
    }
}

long long Integer(const json& value, const std::string& where, long long low, long long high)
{
    if (!value.is_number_integer())
        Fail(where, "整数ではありません: " + ShownValue(value.dump()));
    const bool isUnsigned = value.is_number_unsigned();
    const bool tooLarge =
        isUnsigned && value.get<unsigned long long>() > static_cast<unsigned long long>(high);
    const long long number =
        isUnsigned ? static_cast<long long>(value.get<unsigned long long>()) : value.get<long long>();
    if (tooLarge || number < low || number > high)
        Fail(where, "値 " + ShownValue(value.dump()) + " が範囲 " + std::to_string(low) + "〜" +
                        std::to_string(high) + " の外です (データファイルに保存できません)。");
    return number;
}

/**
 * The integers a number form of the data file holds: numbers are written without a sign, so
 * they hold 0 and above; signed numbers hold the negatives whose digits read back, which stop at
 * −2147483647 (the digits of −2147483648 saturate on reading).
 */
int FileNumber(const json& value, const std::string& where, ValueForm form)
{
    constexpr long long Largest = std::numeric_limits<int>::max();
    return static_cast<int>(Integer(value, where, form == ValueForm::SignedNumber ? -Largest : 0, Largest));
}

int UnsignedNumber(const json& value, const std::string& where)
{
    return FileNumber(value, where, ValueForm::Number);
}

int SignedNumber(const json& value, const std::string& where)
{
    return FileNumber(value, where, ValueForm::SignedNumber);
}

bool Boolean(const json& value, const std::string& where)
{
    if (!value.is_boolean())
        Fail(where, "true か false ではありません。");
    return value.get<bool>();
}

DateTime Date(const json& value, const std::string& where)
{
    if (value.is_null())
        return DateTime::Invalid();
    if (!value.is_string())
        Fail(where, "日付 (\"YYYY-MM-DD\" または null) ではありません。");
    const std::string& text = value.get_ref<const std::string&>();
    // Exactly "YYYY-MM-DD": digits where digits belong, so " 201-01-01" or "2014-+1-01" are refused.
    bool shaped = text.size() == 10;
    for (std::size_t i = 0; shaped && i < text.size(); ++i)
        shaped = i == 4 || i == 7 ? text[i] == '-' : text[i] >= '0' && text[i] <= '9';
    const auto number = [&text](std::size_t at, std::size_t length) {
        return std::stoi(text.substr(at, length));
    };
    const DateTime date =
        shaped ? DateTime::FromDate(number(0, 4), number(5, 2), number(8, 2)) : DateTime::Invalid();
    if (!date.IsValid())
        Fail(where, "日付 \"" + text + "\" が正しくありません (YYYY-MM-DD、100〜9999 年)。");
    return date;
}

const json& Object(const json& value, const std::string& where)
{
    if (!value.is_object())
        Fail(where, "オブジェクトではありません。");
    return value;
}

const json& Array(const json& value, const std::string& where, std::size_t maxSize)
{
    if (!value.is_array())
        Fail(where, "配列ではありません。");
    if (value.size() > maxSize)
        Fail(where, "要素が多すぎます (最大 " + std::to_string(maxSize) + ")。");
    return value;
}

/// Calls the handler for each key of the object; a key the handler does not know is refused.
template <typename Handler> void ForEachKey(const json& object, const std::string& where, Handler handler)
{
    for (const auto& [key, value] : Object(object, where).items()) {
        if (!handler(key, value, Member(where, key)))
            Fail(Member(where, key), "知らない項目です。");
    }
}

CDayData DayFromJson(const json& value, const std::string& where)
{
    CDayData day;
    if (!Object(value, where).contains(DateKey))
        Fail(Member(where, DateKey), "日付がありません。");
    ForEachKey(value, where, [&](const std::string& key, const json& field, const std::string& at) {
        if (key == DateKey)
            day.SetDate(Date(field, at));
        else if (key == JiteiKey)
            day.SetJitei(Cp932(field, at));
        else if (key == GyoujiKey)
            day.SetGyouji(Cp932(field, at));
        else if (key == MemoKey)
            day.SetMemo(Cp932(field, at));
        else if (key != RowsKey)
            return false;
        return true;
    });
    if (value.contains(RowsKey)) {
        const std::string rowsWhere = Member(where, RowsKey);
        const json& rows = Array(value[RowsKey], rowsWhere, CDayData::RowCount);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int row = static_cast<int>(i);
            ForEachKey(rows[i], Index(rowsWhere, i),
                       [&](const std::string& key, const json& field, const std::string& at) {
                           if (key == JigennKey)
                               day.SetJigenn(row, Cp932(field, at));
                           else if (key == YoteiKey)
                               day.SetYotei(row, Cp932(field, at));
                           else if (key == NaiyouKey)
                               day.SetNaiyou(row, Cp932(field, at));
                           else if (key == IroKey)
                               day.SetIro(row, static_cast<int>(Integer(field, at, 0, 7)));
                           else
                               return false;
                           return true;
                       });
        }
    }
    return day;
}

CToDo ToDoFromJson(const json& value, const std::string& where)
{
    CToDo item;
    ForEachKey(value, where, [&](const std::string& key, const json& field, const std::string& at) {
        if (key == KennmeiKey) {
            item.SetKennmei(Cp932(field, at));
        } else if (key == KigennKey) {
            const DateTime deadline = Date(field, at);
            item.SetKigenn(deadline.Year(), deadline.Month(), deadline.Day());
        } else if (key == JyuuyoudoKey) {
            item.SetJyuuyoudo(Cp932(field, at));
        } else if (key == MemoKey) {
            item.SetMemo(Cp932(field, at));
        } else {
            return false;
        }
        return true;
    });
    return item;
}

void SettingFromJson(CPlanovaDoc& document, const SettingEntry& entry, const json& value,
                     const std::string& where)
{
    std::visit(
        [&](auto member) {
            auto& target = SettingOf(document, member);
            using Value = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<Value, bool>)
                target = Boolean(value, where);
            else if constexpr (std::is_same_v<Value, std::string>)
                target = Cp932(value, where);
            else if constexpr (std::is_same_v<Value, std::uint32_t>)
                target = static_cast<std::uint32_t>(
                    Integer(value, where, 0, std::numeric_limits<std::uint32_t>::max()));
            else
                target = EnteredSettingNumber(entry, FileNumber(value, where, entry.Form));
        },
        entry.Member);
}

const SettingEntry* FindSetting(std::string_view tag, std::optional<SettingGroup> dateGroup)
{
    for (const SettingEntry& entry : Settings()) {
        const bool inDateGroup = IsDateGroup(entry.Group);
        if (entry.Tag == tag && (dateGroup ? inDateGroup && entry.Group == *dateGroup : !inDateGroup))
            return &entry;
    }
    return nullptr;
}

template <typename Array, typename Convert>
void ArrayFromJson(Array& target, const json& value, const std::string& where, Convert convert)
{
    if (!value.is_array() || value.size() != target.size())
        Fail(where, std::to_string(target.size()) + " 個の要素の配列ではありません。");
    for (std::size_t i = 0; i < target.size(); ++i)
        target[i] = convert(value[i], Index(where, i));
}

void SettingsFromJson(CPlanovaDoc& document, const json& value, const std::string& where)
{
    ForEachKey(value, where, [&](const std::string& key, const json& field, const std::string& at) {
        if (key == FontPointKey) {
            ArrayFromJson(document.FontPoint, field, at, UnsignedNumber);
        } else if (key == JikannwariKey) {
            ArrayFromJson(document.Jikannwari, field, at, Cp932);
        } else if (key == ClassKey) {
            ArrayFromJson(document.Class, field, at, Cp932);
        } else if (key == OffsetKey) {
            ArrayFromJson(document.Offset, field, at, SignedNumber);
        } else if (const SettingEntry* entry = FindSetting(key, std::nullopt)) {
            SettingFromJson(document, *entry, field, at);
        } else {
            for (const SettingGroup group :
                 {SettingGroup::Birthday, SettingGroup::Hajime, SettingGroup::Owari}) {
                if (key != GroupTag(group))
                    continue;
                ForEachKey(field, at,
                           [&](const std::string& part, const json& partValue, const std::string& partAt) {
                               const SettingEntry* dateEntry = FindSetting(part, group);
                               if (dateEntry != nullptr)
                                   SettingFromJson(document, *dateEntry, partValue, partAt);
                               return dateEntry != nullptr;
                           });
                return true;
            }
            return false;
        }
        return true;
    });
}

/// Applies a member of the top-level object other than the elements of "days" and "todos".
void MemberFromJson(CPlanovaDoc& document, const std::string& key, const json& field)
{
    const std::string& at = key;
    if (key == DaysKey || key == ToDosKey) {
        Array(field, at, 0); // refuses what is no array: an array's elements come one by one
    } else if (key == SettingsKey) {
        SettingsFromJson(document, field, at);
        // A birthday that is no date would be replaced by the current date on reading.
        if (!DateTime::FromDate(document.BirthdayYear, document.BirthdayMonth, document.BirthdayDay)
                 .IsValid())
            Fail(Member(at, GroupTag(SettingGroup::Birthday)),
                 "生年月日 " + std::to_string(document.BirthdayYear) + "-" +
                     std::to_string(document.BirthdayMonth) + "-" + std::to_string(document.BirthdayDay) +
                     " は存在しない日付です。");
    } else {
        Fail(at, "知らない項目です。");
    }
}

/**
 * Reads the document from the parser's events as they come. Each element of "days" and "todos"
 * is built as JSON alone and stored in the document as soon as it is complete, so the whole text
 * is never held, only one element of it. The reader keeps one entry per open object or array,
 * which names the place of a problem and refuses a key given twice in one object (which of the
 * two values was meant cannot be known); malformed text and numbers beyond the double range
 * (1e999, 100,000 digits) are refused with their place.
 */
class DocumentReader : public nlohmann::json_sax<json>
{
public:
    explicit DocumentReader(CPlanovaDoc& document) : Document(document) {}

    bool null() override { return Value(nullptr); }
    bool boolean(bool value) override { return Value(value); }
    bool number_integer(number_integer_t value) override { return Value(value); }
    bool number_unsigned(number_unsigned_t value) override { return Value(value); }
    bool number_float(number_float_t value, const string_t&) override { return Value(value); }
    bool string(string_t& value) override { return Value(std::move(value)); }
    bool binary(binary_t&) override { return Value(nullptr); } // JSON text holds no binary values
    bool start_object(std::size_t) override { return Start(true); }
    bool start_array(std::size_t) override { return Start(false); }
    bool end_object() override { return End(); }
    bool end_array() override { return End(); }

    bool key(string_t& name) override
    {
        Level& object = Open.back();
        object.Key = name;
        if (!object.Keys.insert(object.Key).second)
            Fail(Where(), "同じ項目がひとつのオブジェクトに 2 回あります。");
        return true;
    }

    bool parse_error(std::size_t position, const std::string& lastToken,
                     const nlohmann::detail::exception& error) override
    {
        // The parser reports a number beyond the double range as out of range, with its text as the
        // last token; the open levels know whose value it was.
        if (dynamic_cast<const json::out_of_range*>(&error) != nullptr)
            Fail(Where(), "数値 " + ShownValue(lastToken) + " は大きすぎて扱えません。");
        throw DocumentJsonError("JSON の形式が正しくありません (" + std::to_string(position) +
                                " バイト目): " + error.what());
    }

private:
    struct Level
    {
        bool IsObject;
        bool ElementByElement; ///< the array of "days" or "todos"
        std::string Key;
        std::size_t Index;
        std::set<std::string> Keys;
    };

    /// A value that is not part of a larger one being built: the top-level object's members and
    /// the elements of "days" and "todos".
    bool StartsAPiece() const
    {
        return Building.empty() && (Open.size() == 1 || (Open.size() == 2 && Open.back().ElementByElement));
    }

    /// Where a new value goes in the value being built.
    json& Slot(json value)
    {
        json& parent = *Building.back();
        if (parent.is_array()) {
            parent.push_back(std::move(value));
            return parent.back();
        }
        return parent[Open.back().Key] = std::move(value);
    }

    bool Value(json value)
    {
        if (Open.empty())
            Fail("", "オブジェクトではありません。");
        if (StartsAPiece())
            PieceDone(value);
        else
            Slot(std::move(value));
        return ElementDone();
    }

    bool Start(bool isObject)
    {
        if (Open.empty() && !isObject)
            Fail("", "オブジェクトではありません。");
        const bool elementByElement = !isObject && Building.empty() && Open.size() == 1 &&
                                      (Open.back().Key == DaysKey || Open.back().Key == ToDosKey);
        if (!Open.empty() && !elementByElement) {
            json container = isObject ? json::object() : json::array();
            if (StartsAPiece()) {
                Piece = std::move(container);
                Building.push_back(&Piece);
            } else {
                Building.push_back(&Slot(std::move(container)));
            }
        }
        Open.push_back({isObject, elementByElement, {}, 0, {}});
        return true;
    }

    bool End()
    {
        Open.pop_back();
        if (!Building.empty()) {
            Building.pop_back();
            if (Building.empty())
                PieceDone(Piece);
        }
        return ElementDone();
    }

    /// Stores a complete member of the top-level object or element of "days" or "todos".
    void PieceDone(const json& value)
    {
        const std::string& key = Open.front().Key;
        if (Open.size() == 1) {
            MemberFromJson(Document, key, value);
            return;
        }
        const std::size_t i = Open.back().Index;
        if (key == DaysKey) {
            Document.AppendDayUnsorted(DayFromJson(value, Index(key, i)));
        } else {
            if (i >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
                Fail(key,
                     "要素が多すぎます (最大 " + std::to_string(std::numeric_limits<int>::max()) + ")。");
            Document.AppendToDo(ToDoFromJson(value, Index(key, i)));
        }
    }

    bool ElementDone()
    {
        if (!Open.empty() && !Open.back().IsObject)
            ++Open.back().Index;
        return true;
    }

    /// The place of the value being read, e.g. "settings.PFontSize" or "days[3].rows[2].iro".
    std::string Where() const
    {
        std::string where;
        for (const Level& level : Open)
            where = level.IsObject ? Member(where, level.Key) : Index(where, level.Index);
        return where;
    }

    CPlanovaDoc& Document;
    std::vector<Level> Open;
    json Piece;
    std::vector<json*> Building;
};

/// The bytes of a PieceReader as the JSON parser reads them: one character at a time.
class InputBytes
{
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    InputBytes() = default;
    explicit InputBytes(PieceReader& input) : Input(&input) { Refill(); }

    reference operator*() const { return Piece[At]; }
    InputBytes& operator++()
    {
        if (++At == Piece.size())
            Refill();
        return *this;
    }
    InputBytes operator++(int)
    {
        InputBytes before = *this;
        ++*this;
        return before;
    }
    bool operator==(const InputBytes& other) const { return Input == other.Input; }

private:
    void Refill()
    {
        Piece = Input->Next();
        At = 0;
        if (Piece.empty())
            Input = nullptr; // the end
    }

    PieceReader* Input = nullptr;
    std::string_view Piece;
    std::size_t At = 0;
};

/// Appends a value's text as it stands inside the whole document's text: its lines after the
/// first moved right by the depth of its place.
void AppendIndented(std::string& out, const std::string& text, std::size_t indent)
{
    for (const char c : text) {
        out += c;
        if (c == '\n') // a text's own line breaks are written "\n", so this is a line of the layout
            out.append(indent, ' ');
    }
}

/**
 * Writes the elements of a top-level array as the whole document's two-space layout has them,
 * handing the text on in pieces of about a megabyte.
 */
template <typename Element, typename Convert>
void WriteArrayJson(std::string& out, const std::vector<Element>& elements, const char* key, Convert convert,
                    const std::function<void(std::string_view)>& write)
{
    constexpr std::size_t PieceBytes = 1 << 20;
    out += std::string("  \"") + key + "\": ";
    if (elements.empty()) {
        out += "[]";
        return;
    }
    out += "[\n";
    for (std::size_t i = 0; i < elements.size(); ++i) {
        out.append(4, ' ');
        AppendIndented(out, convert(elements[i], Index(key, i)).dump(2), 4);
        out += i + 1 < elements.size() ? ",\n" : "\n";
        if (out.size() >= PieceBytes) {
            write(out);
            out.clear();
        }
    }
    out += "  ]";
}

} // namespace

void WriteDocumentJson(const CPlanovaDoc& document, const std::function<void(std::string_view)>& write)
{
    // The same text as the whole document's dump(2), made one day or item at a time.
    std::string out = "{\n";
    WriteArrayJson(out, document.DayList(), DaysKey, DayJson, write);
    out += ",\n";
    WriteArrayJson(out, document.ToDoList(), ToDosKey, ToDoJson, write);
    out += ",\n  \"" + std::string(SettingsKey) + "\": ";
    AppendIndented(out, SettingsJson(document).dump(2), 2);
    out += "\n}";
    write(out);
}

CPlanovaDoc ReadDocumentJson(PieceReader& input)
{
    CPlanovaDoc document;
    DocumentReader reader(document);
    json::sax_parse(InputBytes(input), InputBytes(), &reader);
    document.SetModified(false);
    return document;
}

} // namespace planova::cli
