#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DataFileValues.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace planova {

/// The element of the data file that holds a setting.
enum class SettingGroup
{
    ToDo,        ///< after the tasks inside ToDo
    Birthday,    ///< Setting / Birthday
    Property,    ///< Setting / Property
    Print,       ///< Setting / Print
    Jikannwari,  ///< after the timetable sets inside Setting / Jikannwari
    Hajime,      ///< Setting / JisuuKeisan / Hajime
    Owari,       ///< Setting / JisuuKeisan / Owari
    JisuuKeisan, ///< after Hajime and Owari inside Setting / JisuuKeisan
};

/// The document member that holds a setting, or the member of the document's print settings.
using SettingMember = std::variant<int CPlanovaDoc::*, std::uint32_t CPlanovaDoc::*, bool CPlanovaDoc::*,
                                   std::string CPlanovaDoc::*, int PrintSettings::*,
                                   std::uint32_t PrintSettings::*, bool PrintSettings::*>;

/// The value a SettingMember names in the document.
template <typename Value> Value& SettingOf(CPlanovaDoc& document, Value CPlanovaDoc::*member)
{
    return document.*member;
}
template <typename Value> const Value& SettingOf(const CPlanovaDoc& document, Value CPlanovaDoc::*member)
{
    return document.*member;
}
template <typename Value> Value& SettingOf(CPlanovaDoc& document, Value PrintSettings::*member)
{
    return document.Print.*member;
}
template <typename Value> const Value& SettingOf(const CPlanovaDoc& document, Value PrintSettings::*member)
{
    return document.Print.*member;
}

/// One plain setting: its tag name, where it is written, its value form and its document member.
struct SettingEntry
{
    std::string_view Tag;
    SettingGroup Group;
    ValueForm Form;
    SettingMember Member;
    bool Weekday = false; ///< a weekday 0 (Sunday) … 6: any other number is taken modulo 7
};

/// Every plain setting, each group's entries in the order they are written.
std::span<const SettingEntry> Settings();

/// The tag name of a group's element.
std::string_view GroupTag(SettingGroup group);

/// Groups whose three entries Year, Month, Day form a date (the command line keeps them together).
inline bool IsDateGroup(SettingGroup group)
{
    return group == SettingGroup::Birthday || group == SettingGroup::Hajime || group == SettingGroup::Owari;
}

/**
 * The number a setting holds once it has entered the document (read from a file or imported): a
 * weekday is taken modulo 7, so that no reader ever meets another; every other number as it is.
 */
int EnteredSettingNumber(const SettingEntry& entry, int value);

/// Appends the setting's value in its form (not the tags).
void AppendSettingValue(std::string& out, const CPlanovaDoc& document, const SettingEntry& entry);
/// Sets the member from a value read between the tags (EnteredSettingNumber for a number).
void ReadSettingValue(CPlanovaDoc& document, const SettingEntry& entry, std::string_view value);

} // namespace planova
