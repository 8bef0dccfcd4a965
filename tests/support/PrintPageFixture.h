#pragma once

#include "print/PageGeometry.h"
#include "print/PrintJob.h"
#include "support/Cp932Literals.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace planova::test {

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

/**
 * A document, the print options of a view and a recording canvas at 300 dpi, for the tests of the
 * printed page layouts. The canvas's em at 300 dpi is trunc(points × 300 ÷ 72) pixels: LH.
 */
class PrintPageFixture : public ::testing::Test
{
protected:
    PrintPageFixture()
    {
        Print = CopyPrintSettings(Doc);
        Environment.FooterDate = "2024/06/01";
        Environment.FooterTime = "9:05";
    }

    static DateTime Date(int year, int month, int day) { return DateTime::FromDate(year, month, day); }

    /// An empty day with a time-table kind and an event (UTF-8, stored as code page 932).
    static CDayData DayOf(const DateTime& date, const char* jitei = "", const char* gyouji = "")
    {
        CDayData day;
        day.ClearDay(date);
        day.SetJitei(Sj(jitei));
        day.SetGyouji(Sj(gyouji));
        return day;
    }

    void Store(const CDayData& day)
    {
        Doc.WorkDay = day;
        Doc.StoreDay();
    }

    /// Draws page n of the job and gives its cells.
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
