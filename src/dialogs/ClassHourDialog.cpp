#include "dialogs/ClassHourDialog.h"

#include "calendar/ClassHourCount.h"
#include "calendar/ToolDates.h"
#include "view/PlannerView.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace planova {
namespace {

constexpr std::array<ClassHourRowControls, CPlanovaDoc::ClassCount> RowControls{{
    {"①：", 1146, 1147, 1149},
    {"②：", 1148, 1150, 1151},
    {"③：", 1152, 1153, 1154},
    {"④：", 1155, 1156, 1157},
    {"⑤：", 1158, 1159, 1160},
    {"⑥：", 1161, 1162, 1163},
    {"⑦：", 1164, 1165, 1166},
    {"⑧：", 1167, 1168, 1169},
    {"⑨：", 1170, 1171, 1172},
    {"⑩：", 1173, 1174, 1175},
}};

} // namespace

ClassHourModeLook LookOf(ClassHourMode mode)
{
    if (mode == ClassHourMode::Entry)
        return {"計算", true, false};
    return {"OK", false, true};
}

std::span<const ClassHourRowControls> ClassHourRowControlTable()
{
    return RowControls;
}

ClassHourValues StartClassHourCount(PlannerView& view)
{
    const CPlanovaDoc& document = view.Document();
    view.Print.ClassNames = document.Class;
    view.Print.ClassOffsets = document.Offset;

    ClassHourValues values;
    values.Names = view.Print.ClassNames;
    values.Offsets = view.Print.ClassOffsets;
    values.Start = DateTime::FromDate(document.HajimeYear, document.HajimeMonth, document.HajimeDay);
    values.End = DateTime::FromDate(document.OwariYear, document.OwariMonth, document.OwariDay);
    if (!values.Start.IsValid() || !values.End.IsValid()) {
        values.Start = view.State.CurrentDate.DateOnly();
        values.End = values.Start;
    }
    return values;
}

std::string ClassHourRefusal(const ClassHourValues& values)
{
    return DateRangeRefusal(values.Start, values.End);
}

void CountIntoResults(PlannerView& view, ClassHourValues& values)
{
    view.Print.ClassNames = values.Names;
    view.Print.ClassOffsets = values.Offsets;
    const std::vector<int> counts =
        CountClassHours(view.Document(), view.Print.ClassNames, values.Start, values.End);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        view.Print.ClassCounts[i] = counts[i];
        // A typed offset may be as large as a whole number can be: the sum is held at the limits.
        values.Results[i] = static_cast<int>(
            std::clamp<std::int64_t>(std::int64_t{values.Offsets[i]} + counts[i],
                                     std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    values.Mode = ClassHourMode::Result;
}

void SaveClassHourSettings(PlannerView& view, const ClassHourValues& counted)
{
    CPlanovaDoc& document = view.Document();
    document.Class = view.Print.ClassNames;
    document.Offset = view.Print.ClassOffsets;
    document.HajimeYear = counted.Start.Year();
    document.HajimeMonth = counted.Start.Month();
    document.HajimeDay = counted.Start.Day();
    document.OwariYear = counted.End.Year();
    document.OwariMonth = counted.End.Month();
    document.OwariDay = counted.End.Day();
    document.SetModified();
}

} // namespace planova
