#pragma once

#include <string_view>

namespace planova::DataFileTags {

// The element names of the data file. Settings that are plain values carry their names in the
// settings table (SettingsTable.h); these are the structural ones.
inline constexpr std::string_view Root = "Planova";
inline constexpr std::string_view Days = "YoteiData";
inline constexpr std::string_view Count = "datasuu";
inline constexpr std::string_view Day = "DayData";
inline constexpr std::string_view Date = "Date";
inline constexpr std::string_view Jitei = "Jitei";
inline constexpr std::string_view Gyouji = "Gyouji";
inline constexpr std::string_view Row = "YoteiSet";
inline constexpr std::string_view No = "No";
inline constexpr std::string_view Jigenn = "Jigenn";
inline constexpr std::string_view Yotei = "Yotei";
inline constexpr std::string_view Naiyou = "Naiyou";
inline constexpr std::string_view Iro = "Iro";
inline constexpr std::string_view Memo = "Memo";
inline constexpr std::string_view ToDo = "ToDo";
inline constexpr std::string_view Task = "Task";
inline constexpr std::string_view Kennmei = "Kennmei";
inline constexpr std::string_view Kigenn = "Kigenn";
inline constexpr std::string_view Jyuuyoudo = "Jyuuyoudo";
inline constexpr std::string_view Jyunni = "Jyunni";
inline constexpr std::string_view Setting = "Setting";
inline constexpr std::string_view Set = "Set";
inline constexpr std::string_view FontPoint = "FontPoint";
inline constexpr std::string_view FP = "FP";
inline constexpr std::string_view Jikannwari = "Jikannwari";
inline constexpr std::string_view Data = "Data";
inline constexpr std::string_view JisuuKeisan = "JisuuKeisan";
inline constexpr std::string_view Class = "Class";
inline constexpr std::string_view Offset = "Offset";

/// The line break written after some closing tags.
inline constexpr std::string_view LineBreak = "\r\n";

} // namespace planova::DataFileTags
