#pragma once

#include "model/CellColours.h"

#include <initializer_list>

namespace planova {

/// The contrast ratio of two colours as the web's accessibility guidelines define it: 1 to 21.
double ContrastRatio(Rgb a, Rgb b);

/// The contrast ordinary text needs to be read comfortably.
constexpr double ReadableContrast = 4.5;

/**
 * The colour nearest to `wanted` that every background shows with at least `minimum` contrast:
 * `wanted` itself when it already does, otherwise `wanted` mixed step by step with black (on light
 * backgrounds) or white (on dark ones), so a red stays a red. When no mixture reaches the
 * minimum on all backgrounds, the one with the best worst contrast.
 */
Rgb ReadableOn(Rgb wanted, std::initializer_list<Rgb> backgrounds, double minimum = ReadableContrast);

} // namespace planova
