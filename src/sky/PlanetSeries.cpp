#include "sky/PlanetSeries.h"

#include "sky/PeriodicSeries.h"
#include "sky/PlanetFurtherTerms.h"

#include "model/FixedTexts.h"

namespace planova::sky {
namespace {

// Leading terms of the heliocentric series in t, Julian centuries from J2000.0: amplitude
// (degrees or astronomical units), rate in degrees per Julian century, phase in degrees, and the
// growth of the amplitude per century. The further, smaller terms are in PlanetFurtherTerms.cpp.

constexpr PeriodicTerm MercuryLLeading[] = {
    {23.4405, 149472.5153, 84.7947, 0.0023},
    {2.9818, 298945.031, 259.589, 0.0006},
    {0.5258, 448417.55, 74.38},
    {0.1796, 298945.77, 137.84},
    {0.1061, 597890.1, 249.2},
    {0.085, 149473.3, 143.0},
    {0.076, 448418.3, 312.6},
    {0.0256, 597890.8, 127.4},
    {0.023, 747362.6, 64.0},
};

constexpr PeriodicTerm MercuryBLeading[] = {
    {6.7057, 149472.886, 113.919, 0.0017},
    {1.4396, 0.37, 119.12, 0.0005},
    {1.3643, 298945.4, 288.71, 0.0005},
    {0.3123, 448417.92, 103.51},
    {0.0753, 597890.4, 278.3},
    {0.0367, 149472.1, 55.7},
    {0.0187, 747362.9, 93.1},
};

constexpr PeriodicTerm MercuryRLeading[] = {
    {0.078341, 149472.515, 354.795, 0.000008},
    {0.007955, 298945.03, 169.59, 0.000002},
    {0.001214, 448417.55, 344.38},
    {0.000218, 597890.1, 159.2},
};

constexpr PeriodicTerm VenusLLeading[] = {
    {0.7761, 58517.81, 320.41, -0.0054},
    {0.0503, 117036.6, 300.6},
};

constexpr PeriodicTerm VenusBLeading[] = {
    {3.3939, 58518.312, 15.299, 0.001},
    {0.023, 117036.1, 65.7},
    {0.023, 0.5, 144.9},
};

constexpr PeriodicTerm VenusRLeading[] = {
    {0.004899, 58517.81, 230.41, -0.000034},
};

constexpr PeriodicTerm MarsLLeading[] = {
    {10.6919, 19139.859, 289.388, 0.0105},
    {0.6227, 38279.71, 308.78, 0.0012},
    {0.0504, 57419.6, 328.2},
    {0.0147, 19.0, 336.0},
    {0.0144, 38282.0, 342.0},
};

constexpr PeriodicTerm MarsBLeading[] = {
    {1.8334, 19140.925, 215.876, -0.0007},
    {0.1727, 1.07, 16.5},
    {0.1709, 38280.79, 235.28},
    {0.0179, 57420.6, 254.7},
};

constexpr PeriodicTerm MarsRLeading[] = {
    {0.14185, 19139.859, 199.388, 0.000139},
    {0.006606, 38279.72, 218.78, 0.000013},
    {0.000455, 57419.6, 238.2},
};

constexpr PeriodicTerm JupiterLLeading[] = {
    {5.54603, 3034.53346, 289.68429}, {0.17575, 6083.2578, 309.5012},   {0.05532, 3624.312, 237.453},
    {0.03557, 596.267, 191.685},      {0.02274, 2405.806, 135.412},     {0.0212, 1822.117, 73.665},
    {0.0, 9087.8, 197.2, 0.00028},    {0.0, 6071.843, 218.916, 0.0437},
};

constexpr PeriodicTerm JupiterBLeading[] = {
    {1.30086, 3034.12633, 203.91874}, {0.06295, 6068.687, 223.544},      {0.0, 6049.97, 339.44, 0.00106},
    {0.0, 9115.63, 152.84, 0.00185},  {0.0, 3034.269, 309.356, 0.02141},
};

constexpr PeriodicTerm JupiterRLeading[] = {
    {0.251681, 3034.534, 199.614}, {0.006134, 6066.1, 219.0},      {0.002802, 3624.5, 147.7},
    {0.00088, 2406.0, 46.0},       {0.000635, 1818.0, 334.0},      {0.000306, 601.0, 97.0},
    {0.000299, 5444.0, 124.0},     {0.000224, 4215.0, 205.0},      {0.000212, 9113.0, 233.0},
    {0.000129, 6671.0, 171.0},     {0.0, 9479.0, 276.0, 0.000057}, {0.0, 6090.0, 312.0, 0.000309},
    {0.0, 2968.0, 19.0, 0.000612},
};

constexpr PeriodicTerm SaturnLLeading[] = {
    {6.19608, 1178.39096, 227.52458},    {0.1972, 2310.5997, 187.9907},  {0.11441, 597.506, 9.0137},
    {0.01138, 3816.622, 105.909},        {0.0, 3731.729, 8.114, 0.0322}, {0.0, 2380.375, 279.0711, 0.44141},
    {0.0, 1200.7657, 317.4395, 4.81254},
};

constexpr PeriodicTerm SaturnBLeading[] = {
    {2.47972, 1224.56984, 206.33867}, {0.13425, 2445.2128, 163.7721}, {0.0, 3629.0, 28.8, 0.00064},
    {0.0, 2450.45, 251.99, 0.0023},   {0.0, 514.08, 27.67, 0.00978},  {0.0, 1223.005, 113.635, 0.05938},
};

constexpr PeriodicTerm SaturnRLeading[] = {
    {0.515185, 1188.045, 137.576}, {0.01478, 2442.07, 92.09},      {0.008245, 1814.6, 341.2},
    {0.0054, 586.3, 277.3},        {0.001556, 3612.4, 347.2},      {0.000314, 5440.0, 313.0},
    {0.000215, 3941.0, 32.0},      {0.000166, 3228.0, 160.0},      {0.000136, 4900.0, 358.0},
    {0.000119, 4379.0, 22.0},      {0.0, 2600.0, 225.3, 0.001238}, {0.0, 1205.098, 227.317, 0.314172},
};

// Polynomial part and leading terms, per planet in the order of Planet and per quantity in the
// order L, B, R.
const std::array<std::array<CosineSeries, 3>, PlanetCount> LeadingSeries{{
    {{{{252.2502, 149474.0714, 0.00003}, MercuryLLeading},
      {{0.0, 0.0, 0.0}, MercuryBLeading},
      {{0.395283, 0.00002, 0.0}, MercuryRLeading}}},
    {{{{181.9793, 58519.2125, 0.0}, VenusLLeading},
      {{0.0, 0.0, 0.0}, VenusBLeading},
      {{0.723348, 0.0, 0.0}, VenusRLeading}}},
    {{{{355.4472 - 0.014, 19141.6999 - 0.0037, 0.0}, MarsLLeading},
      {{0.0, 0.0, 0.0}, MarsBLeading},
      {{1.530339, 0.000013, 0.0}, MarsRLeading}}},
    {{{{34.39356, 3036.08406, 0.0}, JupiterLLeading},
      {{0.06299, -0.00051, 0.0}, JupiterBLeading},
      {{5.209105, -0.00003, 0.0}, JupiterRLeading}}},
    {{{{49.97937, 1224.04687, 0.0}, SaturnLLeading},
      {{0.04858, 0.0, 0.0}, SaturnBLeading},
      {{9.554001, -0.000555, 0.0}, SaturnRLeading}}},
}};

double EvaluateQuantity(Planet planet, PlanetQuantity quantity, double t)
{
    const CosineSeries& leading =
        LeadingSeries.at(static_cast<std::size_t>(planet)).at(static_cast<std::size_t>(quantity));
    return Evaluate(leading, t) + SumOfCosines(PlanetFurtherTerms(planet, quantity), t);
}

} // namespace

HeliocentricPosition PlanetSeriesAt(Planet planet, double t)
{
    return {EvaluateQuantity(planet, PlanetQuantity::Longitude, t),
            EvaluateQuantity(planet, PlanetQuantity::Latitude, t),
            EvaluateQuantity(planet, PlanetQuantity::Radius, t)};
}

const std::string& PlanetName(Planet planet)
{
    static const std::array<std::string, PlanetCount> names{Cp932Literal("水星"), Cp932Literal("金星"),
                                                            Cp932Literal("火星"), Cp932Literal("木星"),
                                                            Cp932Literal("土星")};
    return names.at(static_cast<std::size_t>(planet));
}

} // namespace planova::sky
