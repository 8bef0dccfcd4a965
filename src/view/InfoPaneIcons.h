#pragma once

#include "view/Canvas.h"

#include <array>

namespace planova {

/// The icon strips drawn over the information pane: 32 × 32 squares side by side.
namespace InfoIcons {
constexpr int Size = 32;
constexpr const char* BiorhythmStrip = ":/view/biorhythm.png"; ///< 12 icons: 4 states × 3 rhythms
constexpr const char* MoonPhaseStrip = ":/view/moonphase.png"; ///< 8 phases, new moon first
constexpr int Top = 170;                                       ///< client y of the icon row
constexpr int Left = 8;                                        ///< client x of the first icon
constexpr int MoonPhaseCount = 8;
} // namespace InfoIcons

/// The moon-phase icon 0–7 of a moon age in days (0 also below 1.5 and from 29 on).
int MoonPhaseIcon(double moonAge);

/// The biorhythm icon of a rhythm (0 physical, 1 emotional, 2 intellectual) in a state 0–3.
int BiorhythmIcon(int rhythm, int state);

/// One icon copied from a strip to the client area.
struct IconPlacement
{
    const char* Strip;
    int Icon;
    Point TopLeft;
};

/**
 * The four icons of the information pane: the three rhythm states and the moon phase, spaced
 * S = (width of the month calendar − 128) ÷ 3 + 32 pixels apart from x = 8 at y = 170.
 */
std::array<IconPlacement, 4> PlaceInfoIcons(int calendarWidth, const std::array<int, 3>& rhythmStates,
                                            double moonAgeAt21);

/// Copies the icons onto the canvas, each unscaled.
void DrawInfoIcons(Canvas& canvas, const std::array<IconPlacement, 4>& icons);

} // namespace planova
