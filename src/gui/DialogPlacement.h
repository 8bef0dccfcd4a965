#pragma once

#include <QPoint>
#include <QRect>

namespace planova {

/// The space kept free around a text a dialog must not cover, in pixels.
constexpr int ClearanceAroundText = 8;

/**
 * Where a dialog's frame goes so that it does not cover `text` (a find hit on the screen): where it
 * is when it is clear of the text already, else the nearest place below, above, right or left of the
 * text that lies wholly on the screen's free area. When no such place exists (a dialog taller and
 * wider than the room around the text), it stays where it is, moved onto the screen. Never off the
 * screen: the top-left corner is always inside `screen`.
 */
QPoint PlaceClearOf(const QRect& frame, const QRect& text, const QRect& screen);

} // namespace planova
