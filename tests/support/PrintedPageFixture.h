#pragma once

#include "print/PageGeometry.h"
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

/// Pixel positions on the unit grid of a printed page: units across from Left, lines down from Top.
struct UnitGrid
{
    int Lh;
    int Left;
    int Top;
    constexpr int X(int u) const { return Left + u * Lh; }
    constexpr int Y(int n) const { return Top + n * Lh; }
};

/// A row of a table of expected cells: the cell at (column, row) of the page's cell list.
struct CellCase
{
    const char* Name;
    int Column;
    int Row;
    Rect Cell;
};

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

/**
 * A document, the view's print settings (the document's: A4 landscape spread at 9 points) and a
 * recording canvas at 300 dpi to draw printed pages on. The canvas's em at 300 dpi is
 * trunc(points × 300 ÷ 72) pixels: LH.
 */
class PrintedPageFixture : public ::testing::Test
{
protected:
    PrintedPageFixture()
    {
        Print = CopyPrintSettings(Doc);
        Environment.FooterDate = "2024/04/01";
        Environment.FooterTime = "9:05";
    }

    static DateTime Date(int year, int month, int day) { return DateTime::FromDate(year, month, day); }

    /// An empty day of the date with a time-table kind and an event (UTF-8, stored as code page 932).
    static CDayData DayOf(const DateTime& date, const char* jitei = "", const char* gyouji = "")
    {
        CDayData day;
        day.ClearDay(date);
        day.SetJitei(Sj(jitei));
        day.SetGyouji(Sj(gyouji));
        return day;
    }

    /**
     * A day with a text in every part: "休日", the event "入学式", period row 0 ("朝", "職員朝会",
     * "連絡"), the plan "部活動" in period row 9 and the memo "メモ".
     */
    static CDayData DayWithEveryText(const DateTime& date)
    {
        CDayData day = DayOf(date, "休日", "入学式");
        day.SetJigenn(0, Sj("朝"));
        day.SetYotei(0, Sj("職員朝会"));
        day.SetNaiyou(0, Sj("連絡"));
        day.SetYotei(9, Sj("部活動"));
        day.SetMemo(Sj("メモ"));
        return day;
    }

    void Store(const CDayData& day) { Doc.PutDay(day); }

    /// Draws page n of the job on a cleared canvas; returns the page's cells.
    std::vector<Rect> Draw(int page = 1)
    {
        Canvas.Ops.clear();
        return DrawPrintPage(Doc, Print, page, Canvas, Environment);
    }

    /// The geometry the page is laid out with (LH from the canvas's em at the print font size).
    PageGeometry Geometry() const
    {
        return ComputePageGeometry(Print,
                                   PrintDevice{300, 300, static_cast<int>(Print.PFontSize * 300 / 72)});
    }

    CPlanovaDoc Doc;
    ViewPrintState Print;
    RecordingCanvas Canvas{300};
    PrintEnvironment Environment;
};

} // namespace planova::test
