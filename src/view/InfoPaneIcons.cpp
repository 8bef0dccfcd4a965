#include "view/InfoPaneIcons.h"

namespace planova {

namespace {

/// Lower bounds of the moon ages of phases 1–7; phase 7 ends at 29, where phase 0 begins again.
struct PhaseBound
{
    double From;
    int Icon;
};

constexpr std::array<PhaseBound, 7> PhaseBounds{{
    {1.5, 1},
    {6.34, 2},
    {9.34, 3},
    {13.27, 4},
    {16.27, 5},
    {21.15, 6},
    {24.15, 7},
}};
constexpr double PhaseCycleEnd = 29.0;
constexpr int RhythmStates = 4;

} // namespace

int MoonPhaseIcon(double moonAge)
{
    if (!(moonAge < PhaseCycleEnd))
        return 0;
    int icon = 0;
    for (const PhaseBound& bound : PhaseBounds) {
        if (moonAge >= bound.From)
            icon = bound.Icon;
    }
    return icon;
}

int BiorhythmIcon(int rhythm, int state)
{
    return state + RhythmStates * rhythm;
}

std::array<IconPlacement, 4> PlaceInfoIcons(int calendarWidth, const std::array<int, 3>& rhythmStates,
                                            double moonAgeAt21)
{
    const int spacing = (calendarWidth - 128) / 3 + InfoIcons::Size;
    std::array<IconPlacement, 4> icons{};
    for (int rhythm = 0; rhythm < 3; ++rhythm) {
        icons[rhythm] = IconPlacement{InfoIcons::BiorhythmStrip, BiorhythmIcon(rhythm, rhythmStates[rhythm]),
                                      Point{InfoIcons::Left + rhythm * spacing, InfoIcons::Top}};
    }
    icons[3] = IconPlacement{InfoIcons::MoonPhaseStrip, MoonPhaseIcon(moonAgeAt21),
                             Point{InfoIcons::Left + 3 * spacing, InfoIcons::Top}};
    return icons;
}

void DrawInfoIcons(Canvas& canvas, const std::array<IconPlacement, 4>& icons)
{
    for (const IconPlacement& icon : icons) {
        const Rect source{icon.Icon * InfoIcons::Size, 0, (icon.Icon + 1) * InfoIcons::Size, InfoIcons::Size};
        const Rect target{icon.TopLeft.X, icon.TopLeft.Y, icon.TopLeft.X + InfoIcons::Size,
                          icon.TopLeft.Y + InfoIcons::Size};
        canvas.DrawBitmap(icon.Strip, source, target);
    }
}

} // namespace planova
