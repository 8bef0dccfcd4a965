#pragma once

#include "print/PageSequence.h"
#include "print/PrintedPage.h"

namespace planova {

/**
 * A print type's page layout: how its pages follow each other, how many cells a page has, and what it
 * draws on one refill page. Each print type that can be printed is one row of a table; a new type is
 * one more row.
 */
struct PageLayout
{
    int PrintType;
    PageStep Step;
    int (*CellCount)(const PrintSettings& settings);
    /// Draws the layout on one refill page of the sheet; returns the bottom of its last row.
    int (*DrawSide)(const PrintedPage& page, PageSide side);
    bool LeftFooter;  ///< the date and time below the last row of the left (or the one) page
    bool RightFooter; ///< the date and time, right-aligned, below the last row of the right page
};

/// The layout of a print type, or nullptr when that type cannot be printed.
const PageLayout* PageLayoutOf(int printType);

} // namespace planova
