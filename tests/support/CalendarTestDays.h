#pragma once

#include "model/CPlanovaDoc.h"
#include "model/Cp932Codec.h"
#include "model/DateTime.h"
#include "support/Dates.h"

#include <string>
#include <utility>

namespace planova::test {

/// The stored record of the date, or nullptr when it has none.
inline const CDayData* StoredDay(const CPlanovaDoc& document, const DateTime& date)
{
    return document.FindStoredDay(date);
}

/// Time-table kind and event of the stored record in UTF-8; two empty texts when nothing is stored.
inline std::pair<std::string, std::string> KindAndEvent(const CPlanovaDoc& document, const DateTime& date)
{
    const CDayData* day = StoredDay(document, date);
    if (day == nullptr)
        return {};
    return {Cp932ToUtf8(day->GetJitei()), Cp932ToUtf8(day->GetGyouji())};
}

/// Stores the date with the kind and event given in UTF-8 (the rest of the day as it was).
inline void StoreKindAndEvent(CPlanovaDoc& document, const DateTime& date, const char* kind,
                              const char* event)
{
    document.UpdateDay(date, [&](CDayData& day) {
        day.SetJitei(Utf8ToCp932(kind));
        day.SetGyouji(Utf8ToCp932(event));
    });
}

} // namespace planova::test
