#include "dialogs/CalendarServerDialog.h"

#include "model/CPlanovaDoc.h"

namespace planova {

CalendarServerValues CalendarServerDefaults(CalendarServerTask task, const CPlanovaDoc& document,
                                            const DateTime& today)
{
    CalendarServerValues values;
    values.Task = task;
    for (const CDayData& day : document.DayList()) {
        const DateTime date = day.GetDate().DateOnly();
        if (!date.IsValid())
            continue;
        if (!values.From.IsValid() || date.IsEarlierThan(values.From))
            values.From = date;
        if (!values.To.IsValid() || date.IsLaterThan(values.To))
            values.To = date;
    }
    if (!values.From.IsValid()) {
        values.From = today.DateOnly();
        values.To = today.DateOnly();
    }
    return values;
}

std::string CalendarServerRefusal(const CalendarServerValues& values)
{
    const bool readsFile = values.Task == CalendarServerTask::Import && values.FromFile;
    if (readsFile && values.IcsFile.empty())
        return "取り込む iCalendar ファイルを選んでください。";
    if (!readsFile && values.Url.empty())
        return "カレンダーサーバーの URL を入力してください。";
    if (!values.From.IsValid() || !values.To.IsValid())
        return "期間の日付を入力してください。";
    if (values.From.IsLaterThan(values.To))
        return "期間の開始日が終了日より後になっています。";
    return {};
}

} // namespace planova
