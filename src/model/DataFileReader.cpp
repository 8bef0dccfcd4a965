#include "model/DataFile.h"

#include "model/Clock.h"
#include "model/Cp932Codec.h"
#include "model/DataFileArchive.h"
#include "model/DataFileDamage.h"
#include "model/DataFileDayReader.h"
#include "model/DataFileTags.h"
#include "model/DataFileToDoReader.h"
#include "model/DataFileValues.h"
#include "model/InvalidArgument.h"
#include "model/SettingsTable.h"
#include "model/TextFunctions.h"

#include <algorithm>

namespace planova {
namespace {

namespace Tags = DataFileTags;

// The shortest elements a count can stand for: "<DayData>x</DayData>" (a day value has at least
// one byte) and "<Task></Task>". A count that the enclosing value could not hold is refused
// rather than turned into millions of empty records.
constexpr std::size_t ShortestDayElement = 20;
constexpr std::size_t ShortestTaskElement = 13;

std::size_t AnnouncedCount(std::string_view part)
{
    return static_cast<std::size_t>(ReadNumberValue(FindElement(part, Tags::Count), ValueForm::Number));
}

std::size_t CountIn(std::string_view part, std::size_t shortestElement, const char* what)
{
    const std::size_t count = AnnouncedCount(part);
    if (count > part.size() / shortestElement)
        throw DataFileError(std::string(what) + "の数 (datasuu) " + std::to_string(count) +
                            " が、ファイルに収まる数を超えています。");
    return count;
}

/// The values of the day elements in one pass: after each opening tag the closing tag is looked
/// for from one byte further on, and the scan resumes after it. More elements than announced are
/// refused, also for a count of 0, missing or unreadable: opening such a file without its days and
/// saving it would destroy them.
std::vector<std::string_view> SplitDays(std::string_view daysText, std::size_t announced)
{
    const std::string open = OpeningTag(Tags::Day);
    const std::string close = ClosingTag(Tags::Day);
    // Only the elements present are kept: the records a larger count stands for would hold no data.
    std::vector<std::string_view> days;
    std::size_t position = FindBytes(daysText, open);
    while (position != std::string_view::npos) {
        const std::size_t valueStart = position + open.size();
        const std::size_t valueEnd = FindBytes(daysText, close, valueStart + 1);
        if (valueEnd == std::string_view::npos)
            break;
        if (days.size() == announced)
            throw DataFileError("日データ (DayData) が、記録された数 (datasuu) " + std::to_string(announced) +
                                " より多くあります。");
        days.push_back(daysText.substr(valueStart, valueEnd - valueStart));
        position = FindBytes(daysText, open, valueEnd + close.size());
    }
    return days;
}

/// Notes what a counted part announced and how many of its elements were read.
void CountRead(CountedPartReading& reading, const FoundPart& part, std::size_t announced, std::size_t read)
{
    reading.Missing = part.Missing;
    reading.CutOff = part.CutOff;
    reading.Announced = announced;
    reading.Read = read;
}

void ReadDays(const TextWithoutNul& source, CPlanovaDoc& document, DataFileDamage& damage)
{
    const FoundPart part = FindPart(source.Text(), Tags::Days);
    const std::size_t announced = CountIn(part.Value, ShortestDayElement, "日データ");
    const CDayData blank;
    const std::vector<std::string_view> days = SplitDays(part.Value, announced);
    document.ReserveDays(days.size());
    for (const std::string_view dayText : days) {
        CDayData day = ReadDayText(dayText, blank);
        if (source.RemovedWithin(dayText))
            damage.DaysPartlyRead.push_back(day.GetDate());
        document.AppendDayUnsorted(std::move(day));
    }
    CountRead(damage.Days, part, announced, days.size());
}

void ReadGroup(CPlanovaDoc& document, SettingGroup group, std::string_view source)
{
    for (const SettingEntry& entry : Settings()) {
        if (entry.Group == group)
            ReadSettingValue(document, entry, FindElement(source, entry.Tag));
    }
}

void ReadToDo(std::string_view toDoText, CPlanovaDoc& document)
{
    const std::size_t count = CountIn(toDoText, ShortestTaskElement, "ToDo");
    const CToDo blank;
    for (CToDo& item : ReadToDoItems(toDoText, count, blank))
        document.AppendToDo(std::move(item));
    ReadGroup(document, SettingGroup::ToDo, toDoText);
}

/// The set number of a Set element, which must lie in 0 … count − 1.
int SetNumber(std::string_view set, int count, const char* what)
{
    const int number = ReadNumberValue(FindElement(set, Tags::No), ValueForm::Number);
    if (number >= count)
        throw DataFileError(std::string(what) + "の番号 (No) " + std::to_string(number) + " が 0〜" +
                            std::to_string(count - 1) + " の範囲にありません。");
    return number;
}

void ReadBirthday(std::string_view settings, CPlanovaDoc& document)
{
    ReadGroup(document, SettingGroup::Birthday, FindElement(settings, GroupTag(SettingGroup::Birthday)));
    if (!DateTime::FromDate(document.BirthdayYear, document.BirthdayMonth, document.BirthdayDay).IsValid()) {
        const DateTime today = Now();
        document.BirthdayYear = today.Year();
        document.BirthdayMonth = today.Month();
        document.BirthdayDay = today.Day();
    }
}

void ReadFontPoints(std::string_view settings, CPlanovaDoc& document)
{
    const std::string_view fontPoints = FindElement(settings, Tags::FontPoint);
    for (int i = 0; i < CPlanovaDoc::FontPointCount; ++i) {
        const std::string_view set = FindElement(fontPoints, Tags::Set, static_cast<std::size_t>(i));
        const int number = SetNumber(set, CPlanovaDoc::FontPointCount, "フォントサイズ");
        document.FontPoint[number] = ReadNumberValue(FindElement(set, Tags::FP), ValueForm::NumberZeroEmpty);
    }
}

void ReadTimetable(std::string_view settings, CPlanovaDoc& document)
{
    const std::string_view timetable = FindElement(settings, Tags::Jikannwari);
    for (int i = 0; i < CPlanovaDoc::JikannwariCount; ++i) {
        const std::string_view set = FindElement(timetable, Tags::Set, static_cast<std::size_t>(i));
        const int number = SetNumber(set, CPlanovaDoc::JikannwariCount, "時間割");
        document.Jikannwari[number] = ReadTextValue(FindElement(set, Tags::Data));
    }
    ReadGroup(document, SettingGroup::Jikannwari, timetable);
}

void ReadClassHourCount(std::string_view settings, CPlanovaDoc& document)
{
    const std::string_view classHours = FindElement(settings, Tags::JisuuKeisan);
    for (int i = 0; i < CPlanovaDoc::ClassCount; ++i) {
        // The set's No is not used: classes are placed by position.
        const std::string_view set = FindElement(classHours, Tags::Set, static_cast<std::size_t>(i));
        document.Class[i] = ReadTextValue(FindElement(set, Tags::Class));
        document.Offset[i] = ReadNumberValue(FindElement(set, Tags::Offset), ValueForm::SignedNumber);
    }
    for (const SettingGroup group : {SettingGroup::Hajime, SettingGroup::Owari})
        ReadGroup(document, group, FindElement(classHours, GroupTag(group)));
    ReadGroup(document, SettingGroup::JisuuKeisan, classHours);
}

void ReadSettings(std::string_view settings, CPlanovaDoc& document)
{
    ReadBirthday(settings, document);
    for (const SettingGroup group : {SettingGroup::Property, SettingGroup::Print})
        ReadGroup(document, group, FindElement(settings, GroupTag(group)));
    ReadFontPoints(settings, document);
    ReadTimetable(settings, document);
    ReadClassHourCount(settings, document);
}

/// Whether the text holds an element of the name: its opening tag with a closing tag after it.
bool HoldsElement(std::string_view text, std::string_view name)
{
    const std::string open = OpeningTag(name);
    const std::size_t at = FindBytes(text, open);
    return at != std::string_view::npos &&
           FindBytes(text, ClosingTag(name), at + open.size()) != std::string_view::npos;
}

/// How much of the settings there was to read: every group of them whole, or less.
SettingsReading ReadingOfSettings(const TextWithoutNul& source, const FoundPart& part)
{
    if (part.Missing)
        return SettingsReading::Missing;
    if (part.CutOff || source.RemovedWithin(part.Value))
        return SettingsReading::Partly;
    for (const std::string_view group :
         {GroupTag(SettingGroup::Birthday), GroupTag(SettingGroup::Property), GroupTag(SettingGroup::Print),
          Tags::FontPoint, Tags::Jikannwari, Tags::JisuuKeisan}) {
        if (!HoldsElement(part.Value, group))
            return SettingsReading::Partly;
    }
    return SettingsReading::Whole;
}

/// A text with none of the document's elements is not a planner: opening it as an empty one would
/// let the next save overwrite another program's file.
void RequireDocumentElement(std::string_view text)
{
    for (const std::string_view name : {Tags::Root, Tags::Days, Tags::ToDo, Tags::Setting}) {
        if (HoldsElement(text, name))
            return;
    }
    throw DataFileError("Planova のデータファイルではありません (Planova、YoteiData、ToDo、Setting "
                        "のどの要素もありません)。");
}

} // namespace

CPlanovaDoc ReadDataText(std::string_view text, DataFileDamage* damage)
{
    DataFileDamage found;
    if (damage != nullptr)
        *damage = found;
    // The empty text is a new document.
    if (text.empty())
        return CPlanovaDoc();
    try {
        const TextWithoutNul source(text);
        RequireDocumentElement(source.Text());
        found.UnreadableBytes = source.Removed();
        CPlanovaDoc document;
        ReadDays(source, document, found);
        const FoundPart toDo = FindPart(source.Text(), Tags::ToDo);
        ReadToDo(toDo.Value, document);
        CountRead(found.ToDo, toDo, AnnouncedCount(toDo.Value), document.ToDoList().size());
        found.ToDoPartlyRead = source.RemovedWithin(toDo.Value);
        const FoundPart settings = FindPart(source.Text(), Tags::Setting);
        ReadSettings(settings.Value, document);
        found.Settings = ReadingOfSettings(source, settings);
        document.SetModified(false);
        if (damage != nullptr)
            *damage = std::move(found);
        return document;
    } catch (const InvalidArgument& error) {
        throw DataFileError(error.what());
    }
}

CPlanovaDoc ReadDataFile(std::string_view fileBytes, std::string* warning, DataFileDamage* damage)
{
    std::string converted;
    CPlanovaDoc document = ReadDataText(ReadArchiveText(fileBytes, converted), damage);
    if (warning != nullptr)
        warning->clear();
    return document;
}

std::string OpenFailureMessage(std::string_view reason, std::string_view path)
{
    std::string message = "ファイルを開けませんでした。\n";
    if (!path.empty())
        message += std::string(path) + "\n\n";
    return message + std::string(reason);
}

} // namespace planova
