#pragma once

#include "print/PrintJob.h"
#include "print/PrintedDates.h"
#include "support/Cp932Literals.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace planova::test {

/// The unit grid of the default sheet on the recording canvas at 300 dpi.
namespace a4spread {
// 9 points are 37 pixels (LH); a byte of text is 18 pixels wide.
constexpr int Lh = 37;
constexpr int Hl = 18;
// A4 landscape spread: left page from (82, 82), right page from (1753 + 177, 82), each 1494 × 2316
// pixels: 40 units across, 62 lines down.
constexpr int LeftX = 82;
constexpr int RightX = 1930;
constexpr int Top = 82;
constexpr int Units = 40;
constexpr int Lines = 62;

/// The left edge of unit u of a page, and the top edge of line n.
constexpr int X(int u, int left = LeftX)
{
    return left + u * Lh;
}
constexpr int Y(int n)
{
    return Top + n * Lh;
}
} // namespace a4spread

/// A printed day's date colour: the day's date and time-table kind (UTF-8), and the colour of its date.
struct DateColourCase
{
    const char* Name;
    DateTime Date;
    const char* Jitei;
    Rgb Colour;
};

/// The cases of the printed date colours, one week of April 2024 (8 April is a Monday).
inline const std::vector<DateColourCase>& DateColourCases()
{
    static const std::vector<DateColourCase> cases{
        {"school Saturday", DateTime::FromDate(2024, 4, 13), "50分時程", TextColours::Black},
        {"45-minute Saturday", DateTime::FromDate(2024, 4, 13), "45分時程", TextColours::Black},
        {"Saturday without a kind", DateTime::FromDate(2024, 4, 13), "", TextColours::Blue},
        {"holiday Saturday", DateTime::FromDate(2024, 4, 13), "休日", TextColours::Red},
        {"Sunday", DateTime::FromDate(2024, 4, 14), "50分時程", TextColours::Red},
        {"substitute day off", DateTime::FromDate(2024, 4, 9), "振替休業日", TextColours::Red},
        {"weekday", DateTime::FromDate(2024, 4, 9), "50分時程", TextColours::Black},
    };
    return cases;
}

/// A document, the view's print settings (the document's, A4 landscape spread at 9 points) and a recording
/// canvas at 300 dpi to draw printed pages on.
class PrintedPageTest : public ::testing::Test
{
protected:
    PrintedPageTest()
    {
        Print = CopyPrintSettings(Doc);
        Environment.FooterDate = "2024/04/01";
        Environment.FooterTime = "9:05";
    }

    void Store(const CDayData& day)
    {
        Doc.WorkDay = day;
        Doc.StoreDay();
    }

    /// An empty day of the date with the time-table kind given in UTF-8.
    static CDayData DayOf(const DateTime& date, const char* jitei = "")
    {
        CDayData day;
        day.ClearDay(date);
        day.SetJitei(Sj(jitei));
        return day;
    }

    /// Draws page n of the job on a cleared canvas; returns the page's cells.
    std::vector<Rect> Draw(int page = 1)
    {
        Canvas.Ops.clear();
        return DrawPrintPage(Doc, Print, page, Canvas, Environment);
    }

    CPlanovaDoc Doc;
    ViewPrintState Print;
    RecordingCanvas Canvas{300};
    PrintEnvironment Environment;
};

} // namespace planova::test
