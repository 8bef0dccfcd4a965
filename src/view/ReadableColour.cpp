#include "view/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace planova {

namespace {

double Linear(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour)
{
    return 0.2126 * Linear(colour.Red) + 0.7152 * Linear(colour.Green) + 0.0722 * Linear(colour.Blue);
}

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int step, int steps)
{
    return static_cast<std::uint8_t>((from * (steps - step) + to * step + steps / 2) / steps);
}

double WorstContrast(Rgb colour, std::initializer_list<Rgb> backgrounds)
{
    double worst = 21.0;
    for (const Rgb& background : backgrounds)
        worst = std::min(worst, ContrastRatio(colour, background));
    return worst;
}

} // namespace

double ContrastRatio(Rgb a, Rgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ReadableOn(Rgb wanted, std::initializer_list<Rgb> backgrounds, double minimum)
{
    double light = 0.0;
    for (const Rgb& background : backgrounds)
        light += Luminance(background);
    const bool darkBackgrounds =
        backgrounds.size() > 0 && light / static_cast<double>(backgrounds.size()) < 0.18;
    const std::uint8_t towards = darkBackgrounds ? 255 : 0;

    constexpr int Steps = 64;
    Rgb best = wanted;
    double bestContrast = WorstContrast(wanted, backgrounds);
    for (int step = 0; step <= Steps && bestContrast < minimum; ++step) {
        const Rgb mixed{Mix(wanted.Red, towards, step, Steps), Mix(wanted.Green, towards, step, Steps),
                        Mix(wanted.Blue, towards, step, Steps)};
        const double contrast = WorstContrast(mixed, backgrounds);
        if (contrast > bestContrast) {
            best = mixed;
            bestContrast = contrast;
        }
    }
    return best;
}

} // namespace planova
