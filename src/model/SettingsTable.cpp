#include "model/SettingsTable.h"

#include "model/TextFunctions.h"

#include <array>

namespace planova {
namespace {

using D = CPlanovaDoc;
using P = PrintSettings;
using G = SettingGroup;
using F = ValueForm;

const std::array<SettingEntry, 53> Table{{
    {"ToDoSort", G::ToDo, F::NumberZeroEmpty, &D::ToDoSort},
    {"ToDoGyouji", G::ToDo, F::Flag, &D::ToDoGyouji},
    {"ToDoKigenn", G::ToDo, F::Flag, &D::ToDoKigenn},
    {"ToDoHanni", G::ToDo, F::Flag, &D::ToDoHanni},

    {"Year", G::Birthday, F::Number, &D::BirthdayYear},
    {"Month", G::Birthday, F::Number, &D::BirthdayMonth},
    {"Day", G::Birthday, F::Number, &D::BirthdayDay},

    {"DspType", G::Property, F::Number, &D::DspType},
    {"StartWeekday", G::Property, F::Number, &D::StartWeekday, true},
    {"ToDoView", G::Property, F::Flag, &D::ToDoView},
    {"Biorhythm", G::Property, F::Flag, &D::Biorhythm},
    {"Shiyousya", G::Property, F::Text, &D::Shiyousya},

    {"PrintType", G::Print, F::Number, &P::PrintType},
    {"P_VL_Type", G::Print, F::Number, &P::P_VL_Type},
    {"PYearType", G::Print, F::Number, &P::PYearType},
    {"PYoushiType", G::Print, F::Number, &P::PYoushiType},
    {"PPaperType", G::Print, F::Number, &P::PPaperType},
    {"PPageType", G::Print, F::Number, &P::PPageType},
    {"PFontSize", G::Print, F::Number, &P::PFontSize},
    {"PKeisenFutosa", G::Print, F::Number, &P::PKeisenFutosa},
    {"PKeisenIro", G::Print, F::Number, &P::PKeisenIro},
    {"PDayTodo", G::Print, F::Flag, &P::PDayTodo},
    {"PDayKiroku", G::Print, F::Flag, &P::PDayKiroku},
    {"PKirokuDate", G::Print, F::Flag, &P::PKirokuDate},
    {"PKirokuTodo", G::Print, F::Flag, &P::PKirokuTodo},
    {"PKirokuTomorrow", G::Print, F::Flag, &P::PKirokuTomorrow},
    {"PKirokuCenterline", G::Print, F::Flag, &P::PKirokuCenterline},
    {"PKirokuCenterline1by3", G::Print, F::Flag, &P::PKirokuCenterline1by3},
    {"PRoutineWork", G::Print, F::Flag, &P::PRoutineWork},
    {"PKirokuBunnrui", G::Print, F::Flag, &P::PKirokuBunnrui},
    {"PPageYohakuhidari", G::Print, F::Flag, &P::PPageYohakuhidari},
    {"PPageYohakumigi", G::Print, F::Flag, &P::PPageYohakumigi},
    {"PPageYohakuue", G::Print, F::Flag, &P::PPageYohakuue},
    {"PPageYohakushita", G::Print, F::Flag, &P::PPageYohakushita},
    // The print offsets may be negative (a nudge to the left or upwards).
    {"PIdouMigi", G::Print, F::SignedNumber, &P::PIdouMigi},
    {"PIdouSita", G::Print, F::SignedNumber, &P::PIdouSita},
    {"PWaku", G::Print, F::Flag, &P::PWaku},
    {"PDialog", G::Print, F::Flag, &P::PDialog},
    {"PSennyoushi", G::Print, F::Flag, &P::PSennyoushi},
    {"PStartWeekday", G::Print, F::Number, &P::PStartWeekday, true},
    {"PKatagawa", G::Print, F::Flag, &P::PKatagawa},
    {"PDateType", G::Print, F::Number, &P::PDateType},
    {"PKenin", G::Print, F::Flag, &P::PKenin},
    {"PZerotoru", G::Print, F::Flag, &P::PZerotoru},
    {"WakunaiNuritubushi", G::Print, F::Flag, &P::WakunaiNuritubushi},

    {"JUwagaki", G::Jikannwari, F::Flag, &D::JUwagaki},

    {"Year", G::Hajime, F::Number, &D::HajimeYear},
    {"Month", G::Hajime, F::Number, &D::HajimeMonth},
    {"Day", G::Hajime, F::Number, &D::HajimeDay},
    {"Year", G::Owari, F::Number, &D::OwariYear},
    {"Month", G::Owari, F::Number, &D::OwariMonth},
    {"Day", G::Owari, F::Number, &D::OwariDay},
    {"Keisannsuru", G::JisuuKeisan, F::Flag, &D::Keisannsuru},
}};

} // namespace

std::span<const SettingEntry> Settings()
{
    return Table;
}

std::string_view GroupTag(SettingGroup group)
{
    switch (group) {
    case G::ToDo:
        return "ToDo";
    case G::Birthday:
        return "Birthday";
    case G::Property:
        return "Property";
    case G::Print:
        return "Print";
    case G::Jikannwari:
        return "Jikannwari";
    case G::Hajime:
        return "Hajime";
    case G::Owari:
        return "Owari";
    case G::JisuuKeisan:
        return "JisuuKeisan";
    }
    return {};
}

void AppendSettingValue(std::string& out, const CPlanovaDoc& document, const SettingEntry& entry)
{
    std::visit(
        [&](auto member) {
            const auto& value = SettingOf(document, member);
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, bool>)
                out += FlagValue(value);
            else if constexpr (std::is_same_v<Value, std::string>)
                AppendTextValue(out, value);
            else
                AppendNumberValue(out, static_cast<long long>(value), entry.Form);
        },
        entry.Member);
}

int EnteredSettingNumber(const SettingEntry& entry, int value)
{
    constexpr int Week = 7;
    return entry.Weekday ? ((value % Week) + Week) % Week : value;
}

void ReadSettingValue(CPlanovaDoc& document, const SettingEntry& entry, std::string_view value)
{
    std::visit(
        [&](auto member) {
            auto& target = SettingOf(document, member);
            using Value = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<Value, bool>)
                target = ReadFlagValue(value);
            else if constexpr (std::is_same_v<Value, std::string>)
                target = ReadTextValue(value);
            else if constexpr (std::is_same_v<Value, std::uint32_t>)
                target = ParseUnsigned(value);
            else
                target = EnteredSettingNumber(entry, ReadNumberValue(value, entry.Form));
        },
        entry.Member);
}

} // namespace planova
