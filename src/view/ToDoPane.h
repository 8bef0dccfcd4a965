#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"
#include "model/FindHit.h"
#include "view/Canvas.h"

#include <optional>
#include <vector>

namespace planova {

/// What the ToDo pane's geometry depends on.
struct ToDoPaneInput
{
    int ClientWidth = 0;
    int L = 1;         ///< line height
    int PaneUnits = 0; ///< X: the pane's width in units of L
    int RowCount = 0;  ///< R: rows that fit, header included
    int ToDoCount = 0;
    int ScrollTop = 0;      ///< index of the first item shown
    int ScrollBarWidth = 0; ///< width of the scroll bar control when it is shown
};

/// The ToDo pane's geometry for one redraw.
struct ToDoPaneLayout
{
    Rect Pane;              ///< P, 7, Q, B
    std::vector<Rect> Rows; ///< R rows; row 0 is the header
    int VisibleRows = 0;    ///< V: rows in use, header included
    bool ScrollBarShown = false;
    Rect ScrollBar;      ///< where the scroll bar goes when it is shown
    int ScrollRange = 0; ///< the scroll bar runs from 0 to this
    int ScrollTop = 0;   ///< the first item shown, after the clamp (0 when every item fits)
};

/**
 * The pane's rectangle, its rows, the scroll bar and the first item shown: the scroll bar is shown
 * when the items fill every row; scrolled past the end, the first item moves up so the last row is used.
 */
ToDoPaneLayout ComputeToDoPane(const ToDoPaneInput& input);

/// Whether an importance code marks a routine or project item ("R0"–"R3", "PJ"): never red, no deadline
/// shown.
bool IsRoutineImportance(const std::string& importance);

/// The items a pane shows, First to End − 1 (none when End ≤ First); item First + k − 1 is on row k.
struct ShownToDoItems
{
    int First = 0;
    int End = 0;
};

/// The items the pane shows of a list of toDoCount items.
ShownToDoItems ShownItemsOf(const ToDoPaneLayout& pane, int toDoCount);

/**
 * Draws the pane: outline, grid, selected row, header and one row per shown item, read from the
 * document's list. Items whose deadline is before `now` are red. A find hit in a shown item's subject
 * or memo is marked in yellow as a day's hit is, kept inside its column; returns where the mark was
 * drawn, if it was.
 * The canvas must hold the planner font and opaque black-on-white text; it is left so.
 */
std::optional<Rect> DrawToDoPane(Canvas& canvas, const CPlanovaDoc& document, const ToDoPaneLayout& pane,
                                 int lineHeight, int selectedRow, const DateTime& now,
                                 const FindHitState& findHit = FindHitState{});

} // namespace planova
