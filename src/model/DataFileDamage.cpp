#include "model/DataFileDamage.h"

#include "model/TextFunctions.h"

#include <algorithm>

namespace planova {
namespace {

/// Partly read days named in the message; more are counted.
constexpr std::size_t NamedDays = 10;

/// "A、B と C": the pieces of one sentence listing what could not be read.
std::string JoinedWithTo(const std::vector<std::string>& pieces)
{
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        // A Latin word ("ToDo") after "と" is set apart by a space.
        if (i > 0)
            joined += i + 1 < pieces.size()                                  ? "、"
                      : static_cast<unsigned char>(pieces[i].front()) < 0x80 ? "と "
                                                                             : "と";
        joined += pieces[i];
    }
    return joined;
}

std::string DayName(const DateTime& date)
{
    return date.IsValid() ? FormatDate(date, 1) : "日付の読めない日";
}

std::string PartlyReadDays(const std::vector<DateTime>& dates)
{
    std::string names;
    for (std::size_t i = 0; i < dates.size() && i < NamedDays; ++i)
        names += (i == 0 ? "" : "、") + DayName(dates[i]);
    if (dates.size() > NamedDays)
        names += " ほか " + std::to_string(dates.size() - NamedDays) + " 日";
    return "一部しか読めなかった日があります: " + names + "。";
}

/// What was lost of a counted part: "365 日のうち 4 日", or the whole part when it is missing.
void AddLost(std::vector<std::string>& lost, const CountedPartReading& part, const std::string& whole,
             const std::string& prefix, const std::string& unit)
{
    if (part.Missing)
        lost.push_back(whole);
    else if (part.Lost() > 0)
        lost.push_back(prefix + std::to_string(part.Announced) + " " + unit + "のうち " +
                       std::to_string(part.Lost()) + " " + unit);
}

} // namespace

bool DataFileDamage::Any() const
{
    return Days.Damaged() || !DaysPartlyRead.empty() || ToDo.Damaged() || ToDoPartlyRead ||
           Settings != SettingsReading::Whole || UnreadableBytes > 0;
}

std::string DamageMessage(const DataFileDamage& damage)
{
    if (!damage.Any())
        return {};
    std::vector<std::string> lost;
    AddLost(lost, damage.Days, "日データ", "", "日");
    AddLost(lost, damage.ToDo, "ToDo の項目", "ToDo ", "件");
    if (damage.Settings == SettingsReading::Missing)
        lost.push_back("設定");
    else if (damage.Settings == SettingsReading::Partly)
        lost.push_back("設定の一部");

    std::string message = "このファイルは一部が壊れています。";
    if (!lost.empty())
        message += JoinedWithTo(lost) + "を読み込めませんでした。";
    if (!damage.DaysPartlyRead.empty())
        message += PartlyReadDays(damage.DaysPartlyRead);
    if (damage.ToDoPartlyRead && !damage.ToDo.Damaged())
        message += "ToDo の一部が読めませんでした。";
    if (damage.Days.CutOff && damage.Days.Lost() == 0)
        message += "日データの終わりが欠けています。";
    if (damage.ToDo.CutOff && damage.ToDo.Lost() == 0)
        message += "ToDo の終わりが欠けています。";
    if (damage.UnreadableBytes > 0)
        message += "読めないデータ (値が 0 のバイト) が " + std::to_string(damage.UnreadableBytes) +
                   " バイトありました。";
    return message;
}

FoundPart FindPart(std::string_view text, std::string_view name)
{
    const std::string open = OpeningTag(name);
    const std::size_t at = FindBytes(text, open);
    if (at == std::string_view::npos)
        return {{}, true, false};
    const std::size_t valueStart = at + open.size();
    const std::size_t close = FindBytes(text, ClosingTag(name), valueStart);
    if (close == std::string_view::npos)
        return {text.substr(valueStart), false, true};
    return {text.substr(valueStart, close - valueStart), false, false};
}

TextWithoutNul::TextWithoutNul(std::string_view text) : View(text)
{
    if (text.find('\0') == std::string_view::npos)
        return;
    Copy.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t nul = std::min(text.find('\0', at), text.size());
        Copy.append(text.substr(at, nul - at));
        if (nul == text.size())
            break;
        const std::size_t end = std::min(text.find_first_not_of('\0', nul), text.size());
        Places.push_back(Copy.size());
        RemovedBytes += end - nul;
        at = end;
    }
    View = Copy;
}

bool TextWithoutNul::RemovedWithin(std::string_view piece) const
{
    if (Places.empty() || piece.data() == nullptr)
        return false;
    const auto begin = static_cast<std::size_t>(piece.data() - View.data());
    const auto first = std::lower_bound(Places.begin(), Places.end(), begin);
    return first != Places.end() && *first <= begin + piece.size();
}

} // namespace planova
