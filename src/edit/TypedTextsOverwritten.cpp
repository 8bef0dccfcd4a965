#include "edit/TypedTextsOverwritten.h"

#include "model/CPlanovaDoc.h"

#include <array>

namespace planova {
namespace {

/// Whether a row text typed before is in no row of the day after: overwritten or dropped. A text that
/// only moved to another row, or got the timetable added to it, is kept.
bool AnyTypedRowLost(const CDayData& before, const CDayData& after,
                     const std::string& (CDayData::*text)(int) const)
{
    std::array<bool, CDayData::RowCount> used{};
    for (int row = 0; row < CDayData::RowCount; ++row) {
        const std::string& typed = (before.*text)(row);
        if (typed.empty())
            continue;
        bool kept = false;
        for (std::size_t other = 0; other < used.size() && !kept; ++other) {
            kept = !used[other] && (after.*text)(static_cast<int>(other)).find(typed) != std::string::npos;
            used[other] = used[other] || kept;
        }
        if (!kept)
            return true;
    }
    return false;
}

} // namespace

TypedTextsOverwritten CountTypedTextsOverwritten(const CPlanovaDoc& before, const CPlanovaDoc& after)
{
    TypedTextsOverwritten counts;
    for (const CDayData& day : before.DayList()) {
        const CDayData changed = after.Day(day.GetDate());
        if (!day.GetGyouji().empty() && day.GetGyouji() != changed.GetGyouji())
            ++counts.Events;
        if (AnyTypedRowLost(day, changed, &CDayData::GetYotei))
            ++counts.Plans;
        if (AnyTypedRowLost(day, changed, &CDayData::GetNaiyou))
            ++counts.Contents;
    }
    return counts;
}

std::string OverwriteQuestion(const TypedTextsOverwritten& counts)
{
    std::string named;
    const auto name = [&](const char* kind, int days) {
        if (days == 0)
            return;
        named += named.empty() ? "入力済みの" : "、";
        named += kind + std::string("が ") + std::to_string(days) + " 日";
    };
    name("行事", counts.Events);
    name("予定", counts.Plans);
    name("内容", counts.Contents);
    return named + "あります。上書きしますか？";
}

} // namespace planova
