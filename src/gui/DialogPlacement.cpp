#include "gui/DialogPlacement.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace planova {

namespace {

/// The frame moved the least so that it lies on the screen (its top-left corner when it is larger).
QRect OntoScreen(QRect frame, const QRect& screen)
{
    frame.moveLeft(
        std::clamp(frame.left(), screen.left(), std::max(screen.left(), screen.right() - frame.width() + 1)));
    frame.moveTop(
        std::clamp(frame.top(), screen.top(), std::max(screen.top(), screen.bottom() - frame.height() + 1)));
    return frame;
}

int Distance(const QPoint& from, const QPoint& to)
{
    return std::abs(from.x() - to.x()) + std::abs(from.y() - to.y());
}

} // namespace

QPoint PlaceClearOf(const QRect& frame, const QRect& text, const QRect& screen)
{
    const QRect kept =
        text.adjusted(-ClearanceAroundText, -ClearanceAroundText, ClearanceAroundText, ClearanceAroundText);
    const auto fits = [&](const QRect& place) { return screen.contains(place) && !place.intersects(kept); };
    if (fits(frame))
        return frame.topLeft();
    std::array<QRect, 4> sides{frame, frame, frame, frame};
    sides[0].moveTop(kept.bottom() + 1);
    sides[1].moveBottom(kept.top() - 1);
    sides[2].moveLeft(kept.right() + 1);
    sides[3].moveRight(kept.left() - 1);
    std::optional<QRect> nearest;
    for (const QRect& side : sides) {
        const QRect place = OntoScreen(side, screen);
        if (fits(place) && (!nearest || Distance(frame.topLeft(), place.topLeft()) <
                                            Distance(frame.topLeft(), nearest->topLeft())))
            nearest = place;
    }
    return nearest ? nearest->topLeft() : OntoScreen(frame, screen).topLeft();
}

} // namespace planova
