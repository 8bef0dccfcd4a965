#include "support/DataFileReference.h"

#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/DataFileValues.h"
#include "model/SettingsTable.h"
#include "model/TextFunctions.h"

#include <algorithm>
#include <sstream>

namespace planova::test {
namespace {

int Number(std::string_view source, std::string_view name, ValueForm form = ValueForm::Number)
{
    return ReadNumberValue(FindElement(source, name), form);
}

std::string Text(std::string_view source, std::string_view name)
{
    return ReadTextValue(FindElement(source, name));
}

void Group(CPlanovaDoc& document, SettingGroup group, std::string_view source)
{
    for (const SettingEntry& entry : Settings()) {
        if (entry.Group == group)
            ReadSettingValue(document, entry, FindElement(source, entry.Tag));
    }
}

/// Whether the n-th element of the name exists: its opening tag with a closing tag after it.
bool HasElement(std::string_view source, std::string_view name, std::size_t n)
{
    const std::string open = std::string("<").append(name).append(">");
    std::size_t at = source.find(open);
    for (std::size_t i = 0; i < n && at != std::string_view::npos; ++i)
        at = source.find(open, at + open.size());
    return at != std::string_view::npos && source.find(std::string("</").append(name).append(">"),
                                                       at + open.size()) != std::string_view::npos;
}

/// The number of opening tags of the name.
std::size_t OpeningCount(std::string_view source, std::string_view name)
{
    const std::string open = std::string("<").append(name).append(">");
    std::size_t count = 0;
    for (std::size_t at = source.find(open); at != std::string_view::npos;
         at = source.find(open, at + open.size()))
        ++count;
    return count;
}

/// A part of the document: its first element, or everything after its opening tag when no closing
/// tag follows (a damaged file).
std::string_view Part(std::string_view text, const std::string& name)
{
    const std::size_t open = text.find("<" + name + ">");
    if (open == std::string_view::npos)
        return {};
    const std::size_t start = open + name.size() + 2;
    const std::size_t close = text.find("</" + name + ">", start);
    return text.substr(start, close == std::string_view::npos ? std::string_view::npos : close - start);
}

void Days(std::string_view text, CPlanovaDoc& document)
{
    const std::string_view y = Part(text, "YoteiData");
    const int n = Number(y, "datasuu");
    if (static_cast<std::size_t>(n) > y.size() / 20)
        throw DataFileError("datasuu");
    // Day elements beyond the count are refused, also beyond a count of 0; records are made for the
    // elements present only.
    std::vector<std::string_view> dayTexts;
    for (std::size_t i = 0; i + 9 <= y.size(); ++i) {
        if (y.compare(i, 9, "<DayData>") != 0)
            continue;
        const std::size_t j = y.find("</DayData>", i + 10);
        if (j == std::string_view::npos)
            break;
        if (dayTexts.size() == static_cast<std::size_t>(n))
            throw DataFileError("DayData");
        dayTexts.push_back(y.substr(i + 9, j - (i + 9)));
        i = j; // resumes inside the closing tag
    }
    for (const std::string_view d : dayTexts) {
        CDayData day;
        day.SetDate(ReadDateValue(FindElement(d, "Date")));
        day.SetJitei(Text(d, "Jitei"));
        day.SetGyouji(Text(d, "Gyouji"));
        for (std::size_t j = 0; j < 10; ++j) {
            const std::string_view r = FindElement(d, "YoteiSet", j);
            const int row = Number(r, "No");
            if (row > 9)
                throw DataFileError("No");
            day.SetJigenn(row, Text(r, "Jigenn"));
            day.SetYotei(row, Text(r, "Yotei"));
            day.SetNaiyou(row, Text(r, "Naiyou"));
            const int colour = Number(r, "Iro");
            day.SetIro(row, colour < 0 || colour > 7 ? 0 : colour);
        }
        day.SetMemo(Text(d, "Memo"));
        document.AppendDayUnsorted(day);
    }
}

void ToDo(std::string_view text, CPlanovaDoc& document)
{
    const std::string_view t = Part(text, "ToDo");
    const int count = Number(t, "datasuu");
    if (static_cast<std::size_t>(count) > t.size() / 13)
        throw DataFileError("datasuu");
    if (HasElement(t, "Task", static_cast<std::size_t>(count)))
        throw DataFileError("Task");
    // Items for the task elements present only; their texts may not add up to more than the element.
    const std::size_t built = std::min(static_cast<std::size_t>(count), OpeningCount(t, "Task"));
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < built; ++i) {
        const std::string_view k = FindElement(t, "Task", i);
        textBytes += FindElement(k, "Kennmei").size() + FindElement(k, "Jyuuyoudo").size() +
                     FindElement(k, "Memo").size();
        if (textBytes > t.size())
            throw DataFileError("Task overlap");
        CToDo item;
        item.SetKennmei(Text(k, "Kennmei"));
        const DateTime deadline = ReadDateValue(FindElement(k, "Kigenn"));
        item.SetKigenn(deadline.Year(), deadline.Month(), deadline.Day());
        item.SetJyuuyoudo(Text(k, "Jyuuyoudo"));
        item.SetMemo(Text(k, "Memo"));
        document.AppendToDo(item);
    }
    Group(document, SettingGroup::ToDo, t);
}

void Settings(std::string_view text, CPlanovaDoc& document)
{
    const std::string_view g = Part(text, "Setting");
    Group(document, SettingGroup::Birthday, FindElement(g, "Birthday"));
    if (!DateTime::FromDate(document.BirthdayYear, document.BirthdayMonth, document.BirthdayDay).IsValid()) {
        document.BirthdayYear = Now().Year();
        document.BirthdayMonth = Now().Month();
        document.BirthdayDay = Now().Day();
    }
    Group(document, SettingGroup::Property, FindElement(g, "Property"));
    Group(document, SettingGroup::Print, FindElement(g, "Print"));
    const std::string_view fontPoints = FindElement(g, "FontPoint");
    for (std::size_t i = 0; i < 24; ++i) {
        const std::string_view e = FindElement(fontPoints, "Set", i);
        const int no = Number(e, "No");
        if (no > 23)
            throw DataFileError("No");
        document.FontPoint[no] = Number(e, "FP");
    }
    const std::string_view timetable = FindElement(g, "Jikannwari");
    for (std::size_t i = 0; i < 36; ++i) {
        const std::string_view e = FindElement(timetable, "Set", i);
        const int no = Number(e, "No");
        if (no > 35)
            throw DataFileError("No");
        document.Jikannwari[no] = Text(e, "Data");
    }
    Group(document, SettingGroup::Jikannwari, timetable);
    const std::string_view classHours = FindElement(g, "JisuuKeisan");
    for (std::size_t i = 0; i < 10; ++i) {
        const std::string_view e = FindElement(classHours, "Set", i);
        document.Class[i] = Text(e, "Class");
        document.Offset[i] = Number(e, "Offset", ValueForm::SignedNumber);
    }
    Group(document, SettingGroup::Hajime, FindElement(classHours, "Hajime"));
    Group(document, SettingGroup::Owari, FindElement(classHours, "Owari"));
    Group(document, SettingGroup::JisuuKeisan, classHours);
}

template <typename T>
void Compare(std::ostringstream& out, const std::string& what, const T& expected, const T& actual)
{
    if (out.tellp() == 0 && !(expected == actual))
        out << what << " differs";
}

} // namespace

CPlanovaDoc ReadDataTextByLookup(std::string_view damagedText)
{
    // NUL bytes are no part of any text; the empty text is a new document.
    if (damagedText.empty())
        return CPlanovaDoc();
    std::string withoutNul(damagedText);
    std::erase(withoutNul, '\0');
    const std::string_view text = withoutNul;
    if (!HasElement(text, "Planova", 0) && !HasElement(text, "YoteiData", 0) &&
        !HasElement(text, "ToDo", 0) && !HasElement(text, "Setting", 0))
        throw DataFileError("no element");
    CPlanovaDoc document;
    Days(text, document);
    ToDo(text, document);
    Settings(text, document);
    document.SetModified(false);
    return document;
}

std::string DocumentDifference(const CPlanovaDoc& expected, const CPlanovaDoc& actual)
{
    std::ostringstream out;
    Compare(out, "day count", expected.DayList().size(), actual.DayList().size());
    for (std::size_t i = 0; i < expected.DayList().size() && i < actual.DayList().size(); ++i)
        Compare(out, "day " + std::to_string(i), expected.DayList()[i], actual.DayList()[i]);
    Compare(out, "ToDo count", expected.ToDoCount(), actual.ToDoCount());
    Compare(out, "ToDo list length", expected.ToDoList().size(), actual.ToDoList().size());
    for (std::size_t i = 0; i < expected.ToDoList().size() && i < actual.ToDoList().size(); ++i)
        Compare(out, "ToDo item " + std::to_string(i), expected.ToDoList()[i], actual.ToDoList()[i]);
    for (const SettingEntry& entry : planova::Settings()) {
        std::visit(
            [&](auto member) {
                Compare(out, std::string(entry.Tag), SettingOf(expected, member), SettingOf(actual, member));
            },
            entry.Member);
    }
    Compare(out, "FontPoint", expected.FontPoint, actual.FontPoint);
    Compare(out, "Jikannwari", expected.Jikannwari, actual.Jikannwari);
    Compare(out, "Class", expected.Class, actual.Class);
    Compare(out, "Offset", expected.Offset, actual.Offset);
    Compare(out, "modified flag", expected.IsModified(), actual.IsModified());
    return out.str();
}

} // namespace planova::test
