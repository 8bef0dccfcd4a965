#pragma once

#include "model/DateTime.h"
#include "sky/PlanetSeries.h"

#include <array>

namespace planova {

/// The one observer of the sky read-outs, and its time zone.
namespace observer {
inline constexpr double Longitude = 139.53783333333334; ///< degrees, east positive (139°32′16.2″ E)
inline constexpr double Latitude = 35.67519444444444;   ///< degrees, north positive (35°40′30.7″ N)
inline constexpr double TimeZoneHours = 9.0;            ///< hours ahead of universal time
} // namespace observer

/**
 * Positions of the sun, the moon and the five classical planets for the fixed observer.
 *
 * Instants are local civil date-times of the observer's time zone. All angles are in degrees.
 * The calculator keeps the observer, the time zone and one reference instant; the conversions to
 * equatorial and horizontal coordinates use the reference instant, every other operation the
 * instant it is given. It reads no clock: the caller passes the reference instant.
 */
class CAstronomy
{
public:
    explicit CAstronomy(const DateTime& referenceInstant);

    const DateTime& ReferenceInstant() const { return Reference; }

    /// x reduced to 0 <= x < 360.
    static double Normalize360(double x);

    /// Julian day of the instant's civil date and clock time as they stand (no time-zone change).
    static double JulianDay(const DateTime& instant);

    /// The instant moved back by the time-zone offset in whole hours; invalid stays invalid.
    DateTime ToUniversalTime(const DateTime& instant) const;

    /// T: Julian years of universal time from 2000-01-01 12:00:00 UT.
    double JulianYears(const DateTime& instant) const;

    /**
     * The local sidereal time at the instant, truncated to whole seconds, as the time of day of
     * the reference instant's date (invalid when the reference instant is invalid).
     */
    DateTime LocalSiderealTime(const DateTime& instant) const;
    /// LocalSiderealTime(ReferenceInstant()), worked out once with the calculator.
    const DateTime& ReferenceSiderealTime() const { return ReferenceSidereal; }

    /// (hour + minute/60 + second/3600) / 24 of the instant's clock time.
    static double DayFraction(const DateTime& instant);

    /// The sun's ecliptic longitude, 0 ... 360.
    double SunLongitude(const DateTime& instant) const;
    /// The sun's distance in astronomical units.
    double SunDistance(const DateTime& instant) const;

    /// The moon's ecliptic longitude, 0 ... 360.
    double MoonLongitude(const DateTime& instant) const;
    /// The moon's ecliptic latitude reduced to 0 ... 360 (a southern latitude β is 360 + β).
    double MoonLatitude(const DateTime& instant) const;

    /**
     * Days since the preceding new moon (the last instant where the moon's and the sun's
     * longitudes agree to within 0.05°), rounded to whole seconds; 0 ... about 29.5.
     */
    double MoonAge(const DateTime& instant) const;
    /// The same, when the caller already has the moon's and the sun's longitudes at the instant
    /// (the search's first step needs exactly those).
    double MoonAge(const DateTime& instant, double moonLongitude, double sunLongitude) const;

    /// Right ascension and declination of an ecliptic position (what the two functions below give).
    struct Equatorial
    {
        double Alpha;
        double Delta;
    };
    /// Azimuth and altitude of an equatorial position (what Azimuth and Altitude give).
    struct Horizontal
    {
        double Azimuth;
        double Altitude;
    };
    /// Both equatorial coordinates at once: the sines and cosines they share are taken once.
    Equatorial ToEquatorial(double lambda, double beta) const;
    /// Both horizontal coordinates at once, likewise.
    Horizontal ToHorizontal(double alpha, double delta) const;

    /// Right ascension, 0 ... 360, of an ecliptic position, with the obliquity of the reference instant.
    double RightAscension(double lambda, double beta) const;
    /// Declination, -90 ... 90, of an ecliptic position, with the obliquity of the reference instant.
    double Declination(double lambda, double beta) const;

    /// Azimuth from north through east (east = 90), 0 ... 360, at the reference instant.
    double Azimuth(double alpha, double delta) const;
    /// Altitude above the horizon, -90 ... 90, at the reference instant.
    double Altitude(double alpha, double delta) const;

    /// Heliocentric L and B (each 0 ... 360) and R (astronomical units) of the five planets, in Planet order.
    std::array<sky::HeliocentricPosition, sky::PlanetCount> PlanetSeries(const DateTime& instant) const;

    /**
     * The planet's geocentric ecliptic longitude, -90 ... 270 (not reduced).
     * The sun's position (longitude, latitude, distance) is that of the sun seen from the earth.
     */
    static double GeocentricLongitude(double sunLongitude, double sunLatitude, double sunDistance,
                                      const sky::HeliocentricPosition& planet);
    /// The planet's geocentric ecliptic latitude, -90 ... 90.
    static double GeocentricLatitude(double sunLongitude, double sunLatitude, double sunDistance,
                                     const sky::HeliocentricPosition& planet);
    /// Both geocentric coordinates of the planet at once (longitude, latitude).
    static std::array<double, 2> Geocentric(double sunLongitude, double sunLatitude, double sunDistance,
                                            const sky::HeliocentricPosition& planet);

private:
    double HourAngle(double alpha) const;

    double ObserverLongitude = observer::Longitude;
    double ObserverLatitude = observer::Latitude;
    double TimeZoneOffset = observer::TimeZoneHours;
    DateTime Reference;
    /// Obliquity of the ecliptic and local sidereal angle (whole seconds) at the reference instant.
    double Obliquity = 0.0;
    DateTime ReferenceSidereal;
    double SiderealAngle = 0.0;
    /// Sine and cosine of the obliquity and of the observer's latitude, used by every conversion.
    double SinObliquity = 0.0;
    double CosObliquity = 1.0;
    double SinLatitude = 0.0;
    double CosLatitude = 1.0;
};

} // namespace planova
