#include "sky/PlanetFurtherTerms.h"

#include <cstddef>

namespace planova::sky {
namespace {

/**
 * A periodic term as the planetary theory VSOP87 (Bretagnon and Francou, 1988; version D:
 * heliocentric, ecliptic and equinox of the date) publishes it: A cos(B + C τ), with A in units
 * of 1e-8 radian (1e-8 astronomical unit for the radius vector), B in radians and C in radians
 * per Julian millennium τ.
 */
struct Vsop87Term
{
    double A;
    double B;
    double C;
};

enum class Unit
{
    Degrees,
    AstronomicalUnits
};

/// The same terms as a cos(b t + c) in degrees (or astronomical units) and Julian centuries t.
template <std::size_t N>
constexpr std::array<PeriodicTerm, N> Converted(const Vsop87Term (&terms)[N], Unit unit)
{
    std::array<PeriodicTerm, N> converted{};
    for (std::size_t i = 0; i < N; ++i) {
        const double amplitude = terms[i].A * 1e-8;
        converted[i] = {unit == Unit::Degrees ? amplitude * Deg : amplitude, terms[i].C * Deg / 10.0,
                        terms[i].B * Deg};
    }
    return converted;
}

// The terms of the periodic series L0, B0 and R0 of VSOP87D that the leading terms of our series
// do not already stand for, largest first (docs/astronomy.md says how they were chosen).

constexpr Vsop87Term MercuryL[] = {
    {7583, 3.7135, 156527.4188}, {3560, 1.512, 1109.3786},   {1803, 4.1033, 5661.332},
    {1726, 0.3583, 182615.322},  {1590, 2.9951, 25028.5212}, {1365, 4.5992, 27197.2817},
    {1017, 0.8803, 31749.2352},  {714, 1.541, 24978.525},    {644, 5.303, 21535.95},
    {451, 6.05, 51116.424},      {404, 3.282, 208703.225},   {352, 5.242, 20426.571},
};

constexpr Vsop87Term MercuryB[] = {
    {7963, 4.6097, 156527.4188},
    {2014, 1.3532, 182615.322},
    {514, 4.378, 208703.225},
};

constexpr Vsop87Term MercuryR[] = {
    {4354, 5.8289, 130439.5157},
    {918, 2.597, 156527.419},
};

constexpr Vsop87Term VenusL[] = {
    {5477, 4.4163, 7860.4194},  {3456, 2.6996, 11790.6291}, {2372, 2.9938, 3930.2097},
    {1664, 4.2502, 1577.3435},  {1438, 4.1575, 9683.5946},  {1317, 5.1867, 26.2983},
    {1201, 6.1536, 30639.8566}, {769, 0.816, 9437.763},     {761, 1.95, 529.691},
    {708, 1.065, 775.523},      {585, 3.998, 191.448},      {500, 4.123, 15720.839},
    {429, 3.586, 19367.189},
};

constexpr Vsop87Term VenusB[] = {
    {1011, 1.0895, 30639.8566},
};

constexpr Vsop87Term VenusR[] = {
    {1658, 4.9021, 20426.5711}, {1632, 2.8455, 7860.4194}, {1378, 1.1285, 11790.6291},
    {498, 2.587, 9683.595},     {374, 1.423, 3930.21},
};

constexpr Vsop87Term MarsL[] = {
    {12316, 0.84956, 2810.92146}, {10610, 2.93959, 2281.2305}, {8716, 6.1101, 13362.4497},
    {7775, 3.3397, 5621.8429},    {6798, 0.3646, 398.149},     {4161, 0.2281, 2942.4634},
    {3575, 1.6619, 2544.3144},    {3075, 0.857, 191.4483},     {2389, 5.039, 796.298},
    {1799, 0.6563, 529.691},      {1546, 2.9158, 1751.5395},   {1528, 1.1498, 6151.5339},
    {1286, 3.068, 2146.1654},     {1264, 3.6228, 5092.152},    {1025, 3.6933, 8962.4553},
    {892, 0.183, 16703.062},      {859, 2.401, 2914.014},      {749, 3.822, 155.42},
    {724, 0.675, 3738.761},       {713, 3.663, 1059.382},      {655, 0.489, 3127.313},
    {636, 2.922, 8432.764},       {553, 4.475, 1748.016},      {472, 3.625, 1194.447},
    {426, 0.554, 6283.076},       {415, 0.497, 213.299},
};

constexpr Vsop87Term MarsB[] = {
    {3484, 4.7881, 13362.4497},
    {399, 5.131, 16703.062},
};

constexpr Vsop87Term MarsR[] = {
    {8110, 5.5596, 2810.9215},  {7485, 1.7724, 5621.8429}, {5523, 1.3644, 2281.2305},
    {3825, 4.4941, 13362.4497}, {2484, 4.9255, 2942.4634}, {2307, 0.0908, 2544.3144},
    {1167, 2.1126, 5092.152},   {1103, 5.0091, 398.149},   {992, 5.839, 6151.534},
    {899, 4.408, 529.691},      {807, 2.102, 1059.382},    {798, 3.448, 796.298},
    {741, 1.499, 2146.165},     {726, 1.245, 8432.764},    {692, 2.134, 8962.455},
    {630, 1.287, 1751.54},      {574, 0.829, 2914.014},    {526, 5.383, 3738.761},
    {473, 5.199, 3127.313},     {348, 4.832, 16703.062},
};

constexpr Vsop87Term JupiterL[] = {
    {13590, 5.77481, 1589.0729}, {8769, 3.63, 949.1756},   {7368, 5.081, 735.8765},
    {6114, 4.5132, 1162.4747},   {2610, 1.5667, 846.0828}, {1723, 3.8804, 1265.5675},
    {1633, 3.582, 515.4639},     {731, 3.806, 1581.959},   {709, 1.293, 742.99},
    {692, 6.134, 2118.764},      {614, 4.109, 1478.867},   {441, 2.958, 454.909},
    {390, 4.897, 1692.166},
};

constexpr Vsop87Term JupiterB[] = {
    {6044, 4.2588, 1589.0729}, {1107, 2.9853, 1162.4747}, {944, 1.675, 426.598},  {836, 5.179, 103.093},
    {767, 2.155, 632.784},     {684, 3.678, 213.299},     {559, 0.014, 846.083},  {532, 2.703, 110.206},
    {464, 1.173, 949.176},     {431, 2.608, 419.485},     {351, 4.611, 2118.764},
};

constexpr Vsop87Term JupiterR[] = {
    {7058, 2.1818, 1265.5675}, {6138, 6.2642, 846.0828}, {2500, 4.5518, 838.9693}, {1611, 3.0887, 1368.6603},
    {1479, 2.6803, 1478.8666}, {1015, 1.3867, 454.9094}, {961, 4.549, 2118.764},   {821, 1.593, 1898.351},
};

constexpr Vsop87Term SaturnL[] = {
    {14907, 5.76903, 316.39187}, {3269, 0.7749, 949.1756}, {2461, 2.0316, 735.8765}, {957, 0.507, 1265.567},
    {853, 3.421, 175.166},       {744, 5.253, 224.345},    {687, 1.747, 1052.268},   {580, 3.093, 74.782},
    {474, 5.475, 742.99},        {452, 1.044, 490.334},
};

constexpr Vsop87Term SaturnB[] = {
    {14734, 2.11847, 639.89729}, {4808, 5.4331, 316.3919}, {4788, 4.9651, 110.2063},
    {1060, 5.631, 529.691},      {969, 5.204, 632.784},    {942, 1.396, 853.196},
    {708, 3.803, 323.505},       {552, 5.131, 202.253},    {400, 3.359, 227.526},
};

constexpr Vsop87Term SaturnR[] = {
    {9796, 5.2048, 1265.5675}, {6466, 0.1773, 1052.2684}, {3420, 4.9455, 1581.9593},
    {2448, 6.1841, 1368.6603}, {2406, 2.9656, 117.3199},
};

constexpr auto MercuryLTerms = Converted(MercuryL, Unit::Degrees);
constexpr auto MercuryBTerms = Converted(MercuryB, Unit::Degrees);
constexpr auto MercuryRTerms = Converted(MercuryR, Unit::AstronomicalUnits);
constexpr auto VenusLTerms = Converted(VenusL, Unit::Degrees);
constexpr auto VenusBTerms = Converted(VenusB, Unit::Degrees);
constexpr auto VenusRTerms = Converted(VenusR, Unit::AstronomicalUnits);
constexpr auto MarsLTerms = Converted(MarsL, Unit::Degrees);
constexpr auto MarsBTerms = Converted(MarsB, Unit::Degrees);
constexpr auto MarsRTerms = Converted(MarsR, Unit::AstronomicalUnits);
constexpr auto JupiterLTerms = Converted(JupiterL, Unit::Degrees);
constexpr auto JupiterBTerms = Converted(JupiterB, Unit::Degrees);
constexpr auto JupiterRTerms = Converted(JupiterR, Unit::AstronomicalUnits);
constexpr auto SaturnLTerms = Converted(SaturnL, Unit::Degrees);
constexpr auto SaturnBTerms = Converted(SaturnB, Unit::Degrees);
constexpr auto SaturnRTerms = Converted(SaturnR, Unit::AstronomicalUnits);

} // namespace

std::span<const PeriodicTerm> PlanetFurtherTerms(Planet planet, PlanetQuantity quantity)
{
    static constexpr std::array<std::array<std::span<const PeriodicTerm>, 3>, PlanetCount> terms{{
        {MercuryLTerms, MercuryBTerms, MercuryRTerms},
        {VenusLTerms, VenusBTerms, VenusRTerms},
        {MarsLTerms, MarsBTerms, MarsRTerms},
        {JupiterLTerms, JupiterBTerms, JupiterRTerms},
        {SaturnLTerms, SaturnBTerms, SaturnRTerms},
    }};
    return terms.at(static_cast<std::size_t>(planet)).at(static_cast<std::size_t>(quantity));
}

} // namespace planova::sky
