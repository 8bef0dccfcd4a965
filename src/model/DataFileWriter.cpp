#include "model/DataFile.h"

#include "model/DataFileArchive.h"
#include "model/DataFileTags.h"
#include "model/DataFileValues.h"
#include "model/SettingsTable.h"

namespace planova {
namespace {

namespace Tags = DataFileTags;

/// Appends elements to one growing text.
class ElementWriter
{
public:
    explicit ElementWriter(std::string& out) : Out(out) {}

    void Open(std::string_view name)
    {
        Out += '<';
        Out += name;
        Out += '>';
    }

    void Close(std::string_view name, bool lineBreak = false)
    {
        Out += "</";
        Out += name;
        Out += '>';
        if (lineBreak)
            Out += Tags::LineBreak;
    }

    void Text(std::string_view name, std::string_view text)
    {
        Open(name);
        AppendTextValue(Out, text);
        Close(name);
    }

    void Number(std::string_view name, long long value, ValueForm form = ValueForm::Number)
    {
        Open(name);
        AppendNumberValue(Out, value, form);
        Close(name);
    }

    void LineBreak() { Out += Tags::LineBreak; }

    void Raw(std::string_view name, std::string_view value)
    {
        Open(name);
        Out += value;
        Close(name);
    }

    void Setting(const CPlanovaDoc& document, const SettingEntry& entry)
    {
        Open(entry.Tag);
        AppendSettingValue(Out, document, entry);
        Close(entry.Tag);
    }

    /// Every setting of the group, in table order.
    void Group(const CPlanovaDoc& document, SettingGroup group)
    {
        for (const SettingEntry& entry : Settings()) {
            if (entry.Group == group)
                Setting(document, entry);
        }
    }

    /// The group's element around its settings.
    void GroupElement(const CPlanovaDoc& document, SettingGroup group, bool lineBreak)
    {
        Open(GroupTag(group));
        Group(document, group);
        Close(GroupTag(group), lineBreak);
    }

private:
    std::string& Out;
};

void WriteDay(ElementWriter& writer, const CDayData& day)
{
    writer.Open(Tags::Day);
    writer.Raw(Tags::Date, DayDateValue(day.GetDate()));
    writer.Text(Tags::Jitei, day.GetJitei());
    writer.Text(Tags::Gyouji, day.GetGyouji());
    writer.LineBreak();
    for (int row = 0; row < CDayData::RowCount; ++row) {
        writer.Open(Tags::Row);
        writer.Number(Tags::No, row);
        writer.Text(Tags::Jigenn, day.GetJigenn(row));
        writer.Text(Tags::Yotei, day.GetYotei(row));
        writer.Text(Tags::Naiyou, day.GetNaiyou(row));
        writer.Number(Tags::Iro, day.GetIro(row), ValueForm::NumberZeroEmpty);
        writer.Close(Tags::Row, true);
    }
    writer.Text(Tags::Memo, day.GetMemo());
    writer.Close(Tags::Day, true);
}

void WriteDays(ElementWriter& writer, const CPlanovaDoc& document)
{
    writer.Open(Tags::Days);
    writer.Number(Tags::Count, static_cast<long long>(document.DayList().size()), ValueForm::NumberZeroEmpty);
    writer.LineBreak();
    for (const CDayData& day : document.DayList())
        WriteDay(writer, day);
    writer.Close(Tags::Days, true);
}

void WriteToDo(ElementWriter& writer, const CPlanovaDoc& document)
{
    writer.Open(Tags::ToDo);
    writer.Number(Tags::Count, static_cast<long long>(document.ToDoList().size()),
                  ValueForm::NumberZeroEmpty);
    writer.LineBreak();
    for (const CToDo& item : document.ToDoList()) {
        writer.Open(Tags::Task);
        writer.Text(Tags::Kennmei, item.GetKennmei());
        writer.Raw(Tags::Kigenn, PaddedDateValue(item.GetKigenn()));
        writer.Text(Tags::Jyuuyoudo, item.GetJyuuyoudo());
        writer.Raw(Tags::Jyunni, {});
        writer.Text(Tags::Memo, item.GetMemo());
        writer.Close(Tags::Task, true);
    }
    writer.Group(document, SettingGroup::ToDo);
    writer.Close(Tags::ToDo, true);
}

/// The count Set elements of a list, each its No and what writeEntry adds for that index.
template <typename WriteEntry> void WriteSets(ElementWriter& writer, int count, WriteEntry writeEntry)
{
    for (int i = 0; i < count; ++i) {
        writer.Open(Tags::Set);
        writer.Number(Tags::No, i);
        writeEntry(i);
        writer.Close(Tags::Set);
    }
}

void WriteFontPoints(ElementWriter& writer, const CPlanovaDoc& document)
{
    writer.Open(Tags::FontPoint);
    WriteSets(writer, CPlanovaDoc::FontPointCount,
              [&](int i) { writer.Number(Tags::FP, document.FontPoint[i], ValueForm::NumberZeroEmpty); });
    writer.Close(Tags::FontPoint, true);
}

void WriteTimetable(ElementWriter& writer, const CPlanovaDoc& document)
{
    writer.Open(Tags::Jikannwari);
    WriteSets(writer, CPlanovaDoc::JikannwariCount,
              [&](int i) { writer.Text(Tags::Data, document.Jikannwari[i]); });
    writer.Group(document, SettingGroup::Jikannwari);
    writer.Close(Tags::Jikannwari, true);
}

void WriteClassHourCount(ElementWriter& writer, const CPlanovaDoc& document)
{
    writer.Open(Tags::JisuuKeisan);
    WriteSets(writer, CPlanovaDoc::ClassCount, [&](int i) {
        writer.Text(Tags::Class, document.Class[i]);
        writer.Number(Tags::Offset, document.Offset[i], ValueForm::SignedNumber);
    });
    writer.GroupElement(document, SettingGroup::Hajime, false);
    writer.GroupElement(document, SettingGroup::Owari, false);
    writer.Group(document, SettingGroup::JisuuKeisan);
    writer.Close(Tags::JisuuKeisan, true);
}

void WriteSettings(ElementWriter& writer, const CPlanovaDoc& document)
{
    writer.Open(Tags::Setting);
    writer.GroupElement(document, SettingGroup::Birthday, true);
    writer.GroupElement(document, SettingGroup::Property, true);
    writer.GroupElement(document, SettingGroup::Print, true);
    WriteFontPoints(writer, document);
    WriteTimetable(writer, document);
    WriteClassHourCount(writer, document);
    writer.Close(Tags::Setting, true);
}

/// A generous estimate of the text's size, so that the text is built without reallocation.
std::size_t EstimatedSize(const CPlanovaDoc& document)
{
    std::size_t size = 16384;
    for (const CDayData& day : document.DayList()) {
        size += 1024 + day.GetJitei().size() + day.GetGyouji().size() + day.GetMemo().size();
        for (int row = 0; row < CDayData::RowCount; ++row)
            size += day.GetJigenn(row).size() + day.GetYotei(row).size() + day.GetNaiyou(row).size();
    }
    for (const CToDo& item : document.ToDoList())
        size += 128 + item.GetKennmei().size() + item.GetJyuuyoudo().size() + item.GetMemo().size();
    return size;
}

} // namespace

std::string WriteDataFile(const CPlanovaDoc& document)
{
    // The text is built after room for the longest length prefix, which is then put in front.
    constexpr std::size_t PrefixRoom = 7;
    std::string file(PrefixRoom, '\0');
    file.reserve(EstimatedSize(document));
    ElementWriter writer(file);
    writer.Open(Tags::Root);
    WriteDays(writer, document);
    WriteToDo(writer, document);
    WriteSettings(writer, document);
    writer.Close(Tags::Root);

    const std::string prefix = LengthPrefix(file.size() - PrefixRoom);
    file.replace(0, PrefixRoom, prefix);
    return file;
}

} // namespace planova
