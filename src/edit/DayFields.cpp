#include "edit/DayFields.h"

#include "view/DayDrawing.h"

namespace planova {

namespace {

/// The period row of a field number 3–32 and which of its texts it is (0 label, 1 plan, 2 content).
struct RowField
{
    int Row;
    int Part;
};

RowField RowFieldOf(int field)
{
    return {(field - FindField::Jigenn(0)) / 3, (field - FindField::Jigenn(0)) % 3};
}

} // namespace

const std::string& DayFieldText(const CDayData& day, int field)
{
    if (field == FindField::Jitei)
        return day.GetJitei();
    if (field == FindField::Gyouji)
        return day.GetGyouji();
    if (field == FindField::Memo)
        return day.GetMemo();
    const RowField place = RowFieldOf(field);
    if (place.Part == 0)
        return day.GetJigenn(place.Row);
    return place.Part == 1 ? day.GetYotei(place.Row) : day.GetNaiyou(place.Row);
}

void SetDayFieldText(CDayData& day, int field, std::string text)
{
    if (field == FindField::Jitei)
        return day.SetJitei(std::move(text));
    if (field == FindField::Gyouji)
        return day.SetGyouji(std::move(text));
    if (field == FindField::Memo)
        return day.SetMemo(std::move(text));
    const RowField place = RowFieldOf(field);
    if (place.Part == 0)
        day.SetJigenn(place.Row, std::move(text));
    else if (place.Part == 1)
        day.SetYotei(place.Row, std::move(text));
    else
        day.SetNaiyou(place.Row, std::move(text));
}

} // namespace planova
