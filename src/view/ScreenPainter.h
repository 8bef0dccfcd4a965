#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"
#include "view/Canvas.h"
#include "view/InfoPaneIcons.h"
#include "view/ScreenLayout.h"
#include "view/ToDoPane.h"
#include "view/ViewState.h"

#include <array>
#include <optional>

namespace planova {

/// What the layout step of a screen redraw leaves for the paint step and the window.
struct ScreenDrawResult
{
    ScreenLayout Layout;
    /// The information pane's icons for the shown day: the three rhythm states and the moon phase.
    std::array<IconPlacement, 4> Icons{};
    bool ToDoPaneShown = false;
    ToDoPaneLayout ToDoPane;
};

/**
 * The paint step of a screen redraw: frame, grid, selection, month header, the shown days from
 * state.FirstShownDate on and, when the layout holds it, the ToDo pane. Everything comes from
 * the document's stored days and items, read through const; the document and the view are not
 * changed, so a repaint may come at any time (a modal dialog over the view, a print preview).
 * `now` colours overdue ToDo items. The information pane draws the icons itself. Returns where the
 * find hit's mark was drawn (none when the hit is not on the screen), so that the find dialog can
 * stay clear of it.
 */
std::optional<Rect> PaintScreen(Canvas& canvas, const CPlanovaDoc& document, const ViewState& state,
                                const ViewPrintState& print, const ScreenDrawResult& drawn,
                                const DateTime& now);

} // namespace planova
