#include "sky/PeriodicSeries.h"

#include <cmath>

namespace planova::sky {
namespace {

template <double (*Wave)(double)> double SumOf(std::span<const PeriodicTerm> terms, double x)
{
    double sum = 0.0;
    for (const PeriodicTerm& term : terms)
        sum += (term.Amplitude + term.AmplitudeGrowth * x) * Wave((term.Rate * x + term.Phase) * Rad);
    return sum;
}

double Sine(double radians)
{
    return std::sin(radians);
}

double Cosine(double radians)
{
    return std::cos(radians);
}

} // namespace

double SumOfSines(std::span<const PeriodicTerm> terms, double x)
{
    return SumOf<Sine>(terms, x);
}

double SumOfCosines(std::span<const PeriodicTerm> terms, double x)
{
    return SumOf<Cosine>(terms, x);
}

double Evaluate(const CosineSeries& series, double x)
{
    const auto& c = series.Polynomial;
    return c[0] + (c[1] + c[2] * x) * x + SumOfCosines(series.Terms, x);
}

} // namespace planova::sky
