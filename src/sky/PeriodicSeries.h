#pragma once

#include "sky/AngleMath.h"

#include <array>
#include <span>

namespace planova::sky {

/**
 * One periodic term (Amplitude + AmplitudeGrowth x) · wave(Rate x + Phase).
 *
 * x is the time argument of the series the term belongs to (Julian years for the sun and the
 * moon, Julian centuries for the planets); Rate is in degrees per unit of x, Phase in degrees.
 * The amplitude carries the unit of the series (degrees or astronomical units).
 */
struct PeriodicTerm
{
    double Amplitude;
    double Rate;
    double Phase;
    double AmplitudeGrowth = 0.0;
};

/// A polynomial c0 + c1 x + c2 x² plus a table of cosine terms.
struct CosineSeries
{
    std::array<double, 3> Polynomial;
    std::span<const PeriodicTerm> Terms;
};

/// Σ term · sin(Rate x + Phase) over the table.
double SumOfSines(std::span<const PeriodicTerm> terms, double x);

/// Σ term · cos(Rate x + Phase) over the table.
double SumOfCosines(std::span<const PeriodicTerm> terms, double x);

/// The polynomial plus the cosine terms at x.
double Evaluate(const CosineSeries& series, double x);

} // namespace planova::sky
