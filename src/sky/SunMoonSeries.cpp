#include "sky/SunMoonSeries.h"

#include "sky/PeriodicSeries.h"

#include <cmath>

namespace planova::sky {
namespace {

// Sine series in T, Julian years from J2000.0: amplitude (degrees or, for the distance, the
// decimal logarithm of astronomical units), rate in degrees per Julian year, phase in degrees.

constexpr double SunMeanLongitude = 280.4603;
constexpr double SunMeanLongitudeRate = 360.00769;

constexpr PeriodicTerm SunLongitudeTerms[] = {
    {1.9146, 359.991, 357.538, -0.00005},
    {0.02, 719.981, 355.05},
    {0.0048, 19.341, 234.95},
    {0.002, 329.64, 247.1},
    {0.0018, 0.2, 251.3},
    {0.0018, 4452.67, 297.8},
    {0.0015, 450.37, 343.2},
    {0.0013, 225.18, 81.4},
    {0.0008, 659.29, 132.5},
    {0.0007, 30.35, 206.8},
    {0.0007, 90.38, 153.3},
    {0.0006, 337.18, 29.8},
    {0.0005, 22.81, 291.2},
    {0.0005, 1.5, 207.4},
    {0.0004, 720.02, 21.1},
    {0.0004, 299.3, 157.3},
    {0.0004, 315.56, 234.9},
    {0.0003, 44.43, 329.7},
    {0.0003, 1079.97, 352.5},
};

constexpr PeriodicTerm SunDistanceLogTerms[] = {
    {0.007256, 359.991, 267.54, -0.0000002},
    {0.000091, 719.98, 265.1},
    {0.000030, 0.0, 90.0},
    {0.000013, 4452.67, 27.8},
    {0.000007, 450.4, 254.0},
    {0.000007, 329.6, 156.0},
};

constexpr double MoonMeanLongitude = 218.3161;
constexpr double MoonMeanLongitudeRate = 4812.67881;

// The equation of the centre of the moon's orbit; its argument is shifted by the small sum below.
constexpr PeriodicTerm MoonEquationOfCentre{6.2887, 4771.9886, 134.961};
constexpr PeriodicTerm MoonEquationOfCentreShift[] = {
    {0.004, 1.33, 119.5},
    {0.002, 19.34, 55.0},
    {0.0006, 0.2, 71.0},
    {0.0006, 19.3, 54.0},
};

// The first two terms of the shift above occur once more here, as terms of the longitude itself.
constexpr PeriodicTerm MoonLongitudeTerms[] = {
    {1.274, 4133.3536, 100.738}, {0.6583, 8905.3422, 235.7},  {0.2136, 9543.9773, 269.926},
    {0.1856, 359.9905, 177.525}, {0.1143, 9664.0404, 6.546},  {0.0588, 638.635, 214.22},
    {0.0572, 3773.363, 103.21},  {0.0533, 13677.331, 10.66},  {0.0459, 8545.352, 238.18},
    {0.041, 4411.998, 137.43},   {0.0348, 4452.671, 117.84},  {0.0305, 5131.979, 312.49},
    {0.0153, 758.698, 130.84},   {0.0125, 14436.029, 141.51}, {0.011, 4892.052, 231.59},
    {0.0107, 13038.696, 336.44}, {0.01, 14315.966, 44.89},    {0.0085, 8266.71, 201.5},
    {0.0079, 4493.34, 278.2},    {0.0068, 9265.33, 53.2},     {0.0052, 319.32, 197.2},
    {0.005, 4812.66, 295.4},     {0.0048, 19.34, 235},        {0.004, 18449.32, 145.6},
    {0.004, 13317.34, 13.2},     {0.004, 1.33, 119.5},        {0.0039, 17810.68, 111.3},
    {0.0037, 5410.62, 349.1},    {0.0027, 9183.99, 272.5},    {0.0026, 13797.39, 107.2},
    {0.0024, 9224.66, 252.8},    {0.0024, 988.63, 211.9},     {0.0022, 8185.36, 240.6},
    {0.0021, 3413.37, 105.6},    {0.0021, 719.98, 175.1},     {0.0021, 9903.97, 87.5},
    {0.002, 19.34, 55},          {0.0018, 4013.29, 4.1},      {0.0016, 18569.38, 242.2},
    {0.0012, 12678.71, 339},     {0.0011, 19208.02, 276.5},   {0.0009, 8586, 218},
    {0.0008, 7906.7, 204},       {0.0008, 14037.3, 188},      {0.0007, 278.6, 216},
    {0.0007, 4853.3, 275},       {0.0007, 4052, 140},         {0.0006, 1118.7, 128},
    {0.0005, 5091.3, 332},       {0.0005, 17450.7, 114},      {0.0005, 19088, 181},
    {0.0005, 22582.7, 247},      {0.0004, 750, 20},           {0.0004, 9584.7, 71},
    {0.0004, 120.1, 278},        {0.0004, 398.7, 313},        {0.0003, 23221.3, 280},
    {0.0003, 40.7, 161},         {0.0003, 5492, 311},         {0.0003, 18089.3, 147},
    {0.0003, 3491.7, 66},        {0.0003, 3814, 83},
};

constexpr PeriodicTerm MoonLatitudeLeading{5.1282, 4832.0202, 93.273};
constexpr PeriodicTerm MoonLatitudeLeadingShift[] = {
    {0.0267, 19.341, 234.95}, {0.0043, 19.36, 322.1}, {0.004, 1.33, 119.5},
    {0.0026, 19.34, 55.0},    {0.0005, 19.4, 307.0},
};

constexpr PeriodicTerm MoonLatitudeTerms[] = {
    {0.2806, 9604.0088, 228.235}, {0.2777, 60.0316, 138.311}, {0.1732, 4073.322, 142.427},
    {0.0554, 8965.374, 194.01},   {0.0463, 698.667, 172.55},  {0.0326, 13737.362, 328.96},
    {0.0172, 14375.997, 3.18},    {0.0093, 8845.31, 277.4},   {0.0088, 4711.96, 176.7},
    {0.0082, 3713.33, 144.9},     {0.0043, 5470.66, 307.6},   {0.0042, 18509.35, 103.9},
    {0.0034, 4433.31, 319.9},     {0.0025, 8605.38, 196.5},   {0.0022, 13377.37, 331.4},
    {0.0021, 1058.66, 170.1},     {0.0019, 9244.02, 230.7},   {0.0018, 5192.01, 270.8},
    {0.0018, 8206.68, 243.3},     {0.0017, 14496.06, 99.8},   {0.0016, 420.02, 135.7},
    {0.0015, 9964, 45.8},         {0.0015, 9284.69, 211.1},   {0.0014, 299.96, 219.2},
    {0.0013, 379.35, 155.4},      {0.0013, 4472.03, 95.8},    {0.0012, 4851.36, 148.2},
    {0.0012, 4812.68, 38.4},      {0.0011, 19147.99, 138.3},  {0.001, 12978.66, 18},
    {0.0008, 9724.1, 326},        {0.0008, 17870.7, 70},      {0.0007, 13098.7, 294},
    {0.0006, 13617.3, 52},        {0.0006, 5590.7, 224},      {0.0005, 4193.4, 239},
    {0.0005, 8485.3, 280},        {0.0004, 14097.4, 147},     {0.0004, 9325.4, 13},
    {0.0004, 10242.6, 81},        {0.0004, 23281.3, 238},     {0.0004, 9483.9, 311},
    {0.0003, 19268, 234},         {0.0003, 3353.3, 146},      {0.0003, 18149.4, 107},
    {0.0003, 22642.7, 205},
};

/// A sine term whose argument is shifted by a sum of further sine terms.
double ShiftedSine(const PeriodicTerm& term, std::span<const PeriodicTerm> shift, double T)
{
    return term.Amplitude * std::sin((term.Rate * T + term.Phase + SumOfSines(shift, T)) * Rad);
}

} // namespace

double SunLongitudeSeries(double T)
{
    return SunMeanLongitude + SunMeanLongitudeRate * T + SumOfSines(SunLongitudeTerms, T);
}

double SunDistanceSeries(double T)
{
    return std::pow(10.0, SumOfSines(SunDistanceLogTerms, T));
}

double MoonLongitudeSeries(double T)
{
    return MoonMeanLongitude + MoonMeanLongitudeRate * T +
           ShiftedSine(MoonEquationOfCentre, MoonEquationOfCentreShift, T) +
           SumOfSines(MoonLongitudeTerms, T);
}

double MoonLatitudeSeries(double T)
{
    return ShiftedSine(MoonLatitudeLeading, MoonLatitudeLeadingShift, T) + SumOfSines(MoonLatitudeTerms, T);
}

} // namespace planova::sky
