#pragma once

namespace planova::sky {

/// Degrees to radians and back, the two factors every angle of the calculator goes through.
inline constexpr double Rad = 0.017453292519943295;
inline constexpr double Deg = 57.29577951308232;

/**
 * The direction of the vector (x, y) in degrees, -90 < angle <= 270: atan(y / x), plus 180 when
 * x < 0. On the y axis (x exactly 0) it is 90 or -90 by the sign of y, and 0 for the zero vector,
 * whose direction is undefined (a body in the zenith has no azimuth).
 */
double QuadrantAngle(double y, double x);

/// asin in degrees of a sine that rounding may have pushed just beyond -1 ... 1.
double ArcSineDegrees(double sine);

} // namespace planova::sky
